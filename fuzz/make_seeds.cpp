// Writes a small seed corpus for every fuzz target, made with the program's own save code.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "exchange/roundscsv.hpp"
#include "fullleague.hpp"
#include "play/schedule.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/leagueoptions.hpp"
#include "store/roundrecordfile.hpp"
#include "store/settingsfile.hpp"
#include "store/strokeindexfile.hpp"
#include "store/teamfile.hpp"
#include "text/numbers.hpp"

namespace fs = std::filesystem;
using namespace quorval;

namespace {

void put(const fs::path& dir, const std::string& name, const std::string& bytes) {
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

// The legacy layout: no marker, scores only. Made from the current form by dropping the marker
// and the three performance lines after each score.
std::string legacyOf(const store::LeagueData& data) {
    std::string out;
    auto line = [&](const std::string& s) { out += s + "\r\n"; };
    line(text::fileInt(data.playerCount));
    for (int p = 1; p <= data.playerCount; ++p) {
        const auto& player = data.players[p];
        line(player.name);
        line(text::fileInt(player.tee));
        line(text::fileInt(player.roundCount));
        for (int r = 1; r <= store::kMaxRounds; ++r) {
            const auto& round = player.rounds[r];
            line(text::fileFloat(round.differential));
            line(text::fileInt(round.month));
            line(text::fileInt(round.day));
            line(text::fileInt(round.year));
            line(text::fileFloat(round.handicapIndex));
            line(text::fileFloat(round.courseHandicap));
            line(text::fileInt(round.course));
            for (int h = 1; h <= store::kHoleSlots; ++h) line(text::fileInt(round.score[h]));
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_make_seeds DIR\n";
        return 2;
    }
    fs::path root(argv[1]);
    auto data = std::make_unique<store::LeagueData>();
    store::FillMonthNames(*data);
    for (int players : {0, 1, 3}) {
        samples::FillRandomLeague(*data, 7 + players, players);
        std::string tag = std::to_string(players);
        put(root / "fuzz_league", "league" + tag, store::FormatLeague(*data));
        put(root / "fuzz_league", "legacy" + tag, legacyOf(*data));
        put(root / "fuzz_teams", "teams" + tag, std::string(1, static_cast<char>(players)) + store::FormatTeams(*data));
        data->registry.leagueCount = static_cast<int16_t>(players);
        for (int k = 1; k <= players; ++k) data->registry.leagueFiles[k] = "League " + std::to_string(k);
        data->settings.hcpFactor = players == 1 ? 0.9f : 0.96f;
        put(root / "fuzz_registry", "registry" + tag, store::FormatRegistry(*data));
        data->courseCount = static_cast<int16_t>(players);
        put(root / "fuzz_courses", "courses" + tag, store::FormatCourses(*data));
        data->settings.equitableCheck = players == 1 ? 5 : 0;
        data->settings.cardVerticalScaling = 1.0f + static_cast<float>(players) / 10.0f;
        put(root / "fuzz_settings", "settings" + tag, store::FormatSettings(data->settings));
        put(root / "fuzz_roundscsv", "rounds" + tag, exchange::RoundsCsv(*data));
        for (int c = 1; c <= data->courseCount; ++c) {
            for (int h = 1; h <= 18; ++h) data->strokeIndexes[c][h] = static_cast<int16_t>((h * 7 + c) % 18 + 1);
        }
        put(root / "fuzz_strokeindex", "si" + tag, store::FormatStrokeIndexes(*data));
        data->options.rules = players == 1 ? store::HandicapRules::WHS : store::HandicapRules::Classic;
        data->options.allowance = static_cast<int16_t>(90 + players);
        put(root / "fuzz_leagueoptions", "options" + tag, store::FormatLeagueOptions(data->options));
        // Every round kept with its tee and its scores as played, one over the hole limits.
        for (int p = 1; p <= data->playerCount; ++p) {
            for (int r = 1; r <= data->players[p].roundCount; ++r) {
                store::RoundRecord& round = data->players[p].rounds[r];
                round.teePlayed = static_cast<int16_t>(r % 3 + 1);
                round.asPlayed = round.score;
                round.asPlayed[1] = static_cast<int16_t>(round.asPlayed[1] + r % 2 * 4);
                round.asPlayed[store::kOutSlot] = static_cast<int16_t>(round.asPlayed[store::kOutSlot] + r % 2 * 4);
            }
        }
        put(root / "fuzz_record", "record" + tag, store::FormatRoundRecord(*data));
    }
    for (int weeks : {1, 7}) {
        samples::FillRandomLeague(*data, 3, 5);
        store::Schedule schedule;
        play::MakeRequest request{.start = store::Date{std::chrono::year(2026) / 10 / 6}, .weeks = weeks};
        request.kind = weeks == 1 ? store::SideKind::Players : store::SideKind::Teams;
        request.tees = {weeks == 1 ? store::TeeStart::Shotgun : store::TeeStart::Times, 17 * 60, 10};
        play::MakeSchedule(*data, request, schedule);
        play::RainOutDate(schedule, request.start, store::DateOrder::kMonthDayYear);
        put(root / "fuzz_schedule", "schedule" + std::to_string(weeks), store::FormatSchedule(schedule));
    }
    int n = 0;
    for (const char* number : {" 3000 ", "-1.3 ", " .5 ", "12abc", "1E+07", "  -.25e-3", "32768", ""}) {
        put(root / "fuzz_number", "number" + std::to_string(n++), number);
    }
    return 0;
}
