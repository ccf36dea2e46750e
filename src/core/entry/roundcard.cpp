#include "entry/roundcard.hpp"

#include "handicap/differential.hpp"

namespace quorval::entry {

int16_t NineSum(const store::HoleValues& values, int firstHole) {
    int sum = 0;
    for (int h = firstHole; h < firstHole + 9; ++h) sum += values[h];
    return static_cast<int16_t>(sum);
}

int16_t NineHits(const store::HoleValues& ticks, int firstHole) {
    int count = 0;
    for (int h = firstHole; h < firstHole + 9; ++h) count += ticks[h] == kTickHit ? 1 : 0;
    return static_cast<int16_t>(count);
}

void SumNines(store::HoleValues& values) {
    values[store::kOutSlot] = NineSum(values, 1);
    values[store::kInSlot] = NineSum(values, 10);
}

void CountHits(store::HoleValues& ticks) {
    ticks[store::kOutSlot] = NineHits(ticks, 1);
    ticks[store::kInSlot] = NineHits(ticks, 10);
}

void TotalPerformance(RoundEntry& round) {
    SumNines(round.putts);
    CountHits(round.fairway);
    CountHits(round.green);
}

bool LimitHoleScores(const store::LeagueData& data, int player, int course, RoundEntry& round) {
    std::array<int, store::kHoles + 1> holes{};
    for (int h = 1; h <= store::kHoles; ++h) holes[h] = round.score[h];
    bool nineHoles = handicap::IsNineHoleRound(round.score[store::kOutSlot], round.score[store::kInSlot]);
    if (!EQadjust(data, player, course, nineHoles, holes, round.tee)) return false;
    for (int h = 1; h <= store::kHoles; ++h) {
        if (holes[h] == round.score[h]) continue;
        round.score[h] = static_cast<int16_t>(holes[h]);
        round.score[h <= 9 ? store::kOutSlot : store::kInSlot] = NineSum(round.score, h <= 9 ? 1 : 10);
    }
    return true;
}

}  // namespace quorval::entry
