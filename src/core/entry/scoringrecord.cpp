#include "entry/scoringrecord.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "entry/posting.hpp"
#include "entry/roundcard.hpp"
#include "handicap/rules.hpp"

namespace quorval::entry {

namespace {

long long dayNumber(const store::RoundRecord& round) {
    using namespace std::chrono;
    year_month_day ymd{year(store::CalendarYear(round.year)),
                       month(static_cast<unsigned>(std::clamp<int>(round.month, 1, 12))),
                       day(static_cast<unsigned>(std::clamp<int>(round.day, 1, 31)))};
    return sys_days(ymd).time_since_epoch().count();
}

long long tenths(float x) {
    return std::llround(static_cast<double>(x) * 10.0);
}

// The hole limits of the rules on the score in `slot` from its scores as played, with the index
// of the scores before it (the player holds slot - 1 rounds meanwhile).
void relimit(store::LeagueData& data, int p, int slot) {
    store::PlayerRecord& player = data.players[p];
    store::RoundRecord& round = player.rounds[slot];
    if (!handicap::RulesOf(data).limitsHoleScores(data.settings)) return;
    RoundEntry entry;
    entry.score = round.hasAsPlayed() ? round.asPlayed : round.score;
    entry.tee = player.teePlayed(round);
    int count = player.roundCount;
    player.roundCount = static_cast<int16_t>(slot - 1);
    LimitHoleScores(data, p, round.course, entry);
    player.roundCount = static_cast<int16_t>(count);
    round.score = entry.score;
}

}  // namespace

std::vector<store::RoundRecord> RecordOf(const store::PlayerRecord& player) {
    std::vector<store::RoundRecord> record = player.earlier;
    for (int r = 1; r <= player.roundCount; ++r) record.push_back(player.rounds[r]);
    return record;
}

size_t PlaceByDate(const std::vector<store::RoundRecord>& record, const store::RoundRecord& round) {
    long long day = dayNumber(round);
    size_t pos = record.size();
    while (pos > 0 && dayNumber(record[pos - 1]) > day) --pos;
    return pos;
}

void ReplayRecord(store::LeagueData& data, int p, std::vector<store::RoundRecord> record, size_t from,
                  size_t relimitFrom, handicap::IndexResult& first) {
    store::PlayerRecord& player = data.players[p];
    from = std::min(from, record.size());
    size_t start = from > static_cast<size_t>(store::kMaxRounds) ? from - store::kMaxRounds : 0;
    player.earlier.assign(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(start));
    player.rounds = {};
    player.roundCount = 0;
    for (size_t k = start; k < from; ++k) player.rounds[++player.roundCount] = record[k];
    const handicap::Rules& rules = handicap::RulesOf(data);
    for (size_t t = from; t < record.size(); ++t) {
        int slot = 0;
        if (player.roundCount >= store::kMaxRounds) {
            player.earlier.push_back(player.rounds[1]);
            ShiftRoundsDown(player);
            slot = store::kMaxRounds;
        } else {
            slot = ++player.roundCount;
        }
        player.rounds[slot] = record[t];
        if (t >= relimitFrom) relimit(data, p, slot);
        handicap::IndexResult result;
        rules.computeSlot(data, p, slot, player.teePlayed(player.rounds[slot]), handicap::SlotChange::Entered, result);
        if (t == from) first = std::move(result);
    }
}

void UndoLaterReductions(std::vector<store::RoundRecord>& record, size_t from) {
    size_t start = from > static_cast<size_t>(store::kMaxRounds) ? from - store::kMaxRounds : 0;
    for (size_t k = start; k < from; ++k) {
        long long cut = 0;
        for (size_t j = from; j < record.size() && j <= k + store::kMaxRounds - 1; ++j) cut += record[j].exceptionalCut;
        if (cut != 0) record[k].differential = static_cast<float>(tenths(record[k].differential) + cut) / 10.0f;
    }
}

void ReplayLeague(store::LeagueData& data) {
    for (int p = 1; p <= data.playerCount; ++p) {
        std::vector<store::RoundRecord> record = RecordOf(data.players[p]);
        std::stable_sort(record.begin(), record.end(), [](const store::RoundRecord& a, const store::RoundRecord& b) {
            return dayNumber(a) < dayNumber(b);
        });
        handicap::IndexResult ignored;
        ReplayRecord(data, p, std::move(record), 0, 0, ignored);
        TrimRecord(data.players[p]);
    }
}

void TrimRecord(store::PlayerRecord& player) {
    if (player.roundCount < 1 || player.earlier.empty()) return;
    // Twice the year the rules look back, so that a late score still finds the scores before it.
    long long oldest = dayNumber(player.rounds[player.roundCount]) - 2 * 365;
    auto keep = std::find_if(player.earlier.begin(), player.earlier.end(),
                             [&](const store::RoundRecord& round) { return dayNumber(round) >= oldest; });
    player.earlier.erase(player.earlier.begin(), keep);
}

std::string PlacedByDateLine(size_t later, bool recordOnly) {
    std::string rounds = std::to_string(later) + (later == 1 ? " later round" : " later rounds");
    if (recordOnly) {
        return "placed by date before " + rounds +
               "; older than the 20 most recent scores, it is kept in the record only and changes no index";
    }
    return "placed by date before " + rounds + "; their figures were recomputed";
}

}  // namespace quorval::entry
