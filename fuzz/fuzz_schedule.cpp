// Any bytes read as a season schedule: never a crash, a clean read writes back unchanged, and the
// schedule shows for a league whose roster no longer matches it.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "play/schedule.hpp"
#include "text/encoding.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static auto data = [] {
        auto league = std::make_unique<store::LeagueData>();
        league->playerCount = 3;
        league->teams.teamCount = 2;
        for (int k = 1; k <= 3; ++k) league->players[k] = {.name = "P" + std::to_string(k), .team = int16_t(k % 3)};
        league->teams.teamNames[1] = "A";
        league->teams.teamNames[2] = "Renamed";
        return league;
    }();
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes), size));
    store::Schedule schedule;
    if (!store::ParseSchedule(schedule, text).ok) return 0;
    std::string written = store::FormatSchedule(schedule);
    store::Schedule again;
    if (!store::ParseSchedule(again, written).ok || !(again == schedule) || store::FormatSchedule(again) != written) {
        std::abort();
    }
    play::ScheduleLines(schedule, *data);
    play::ScheduleCsv(schedule, *data);
    return 0;
}
