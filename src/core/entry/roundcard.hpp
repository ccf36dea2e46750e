#pragma once

#include "entry/posting.hpp"

// A round built from its score card, the same way whether the card was typed into the score
// window, given to the command line or made up for a demo league.
namespace quorval::entry {

// A fairway or green box as a round keeps it: 2 hit, 1 missed (0 where no performance data was kept).
inline constexpr int16_t kTickHit = 2;
inline constexpr int16_t kTickMissed = 1;
inline int16_t TickValue(bool hit) {
    return hit ? kTickHit : kTickMissed;
}

// The sum of the nine holes from `firstHole` (1 or 10), and how many of them were hit.
int16_t NineSum(const store::HoleValues& values, int firstHole);
int16_t NineHits(const store::HoleValues& ticks, int firstHole);

// The Out and In slots from the holes: hole values are summed, fairway and green ticks counted.
void SumNines(store::HoleValues& values);
void CountHits(store::HoleValues& ticks);
void TotalPerformance(RoundEntry& round);

// The league's hole limits on a new round's scores (tee 0: the player's default tee). A nine
// whose holes were lowered is summed again, so a nine typed by hand stays as typed otherwise.
// Returns whether any hole changed.
bool LimitHoleScores(const store::LeagueData& data, int player, int course, RoundEntry& round);

}  // namespace quorval::entry
