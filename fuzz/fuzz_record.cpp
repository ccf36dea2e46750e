// Any bytes read as a round record: never a crash, and what it puts into a league writes and reads
// back the same.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "store/roundrecordfile.hpp"
#include "text/encoding.hpp"

using namespace quorval;

namespace {

// A league whose players are named as the lines name them, each with one stored round to match.
std::unique_ptr<store::LeagueData> leagueFor(const std::vector<store::RecordLine>& lines) {
    auto data = std::make_unique<store::LeagueData>();
    data->options.rules = store::HandicapRules::WHS;
    for (const store::RecordLine& line : lines) {
        data->playerCount = static_cast<int16_t>(std::max<int>(data->playerCount, line.player));
        store::PlayerRecord& player = data->players[line.player];
        player.name = line.name;
        if (line.slot >= 1) {
            player.roundCount = static_cast<int16_t>(std::max<int>(player.roundCount, line.slot));
            store::RoundRecord& round = player.rounds[line.slot];
            round.month = line.round.month;
            round.day = line.round.day;
            round.year = line.round.year;
            round.course = line.round.course;
            round.score = line.round.score;
        }
    }
    return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes), size));
    std::vector<store::RecordLine> lines;
    if (!store::ParseRoundRecord(lines, text).ok) return 0;
    auto data = leagueFor(lines);
    store::ApplyRoundRecord(*data, lines);
    std::string written = store::FormatRoundRecord(*data);
    std::vector<store::RecordLine> again;
    if (!store::ParseRoundRecord(again, written).ok) std::abort();
    auto second = leagueFor(again);
    store::ApplyRoundRecord(*second, again);
    if (store::FormatRoundRecord(*second) != written) std::abort();
    return 0;
}
