#pragma once

#include <string>
#include <vector>

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

// The holes left blank (0) in a nine whose other holes have a score. Posted as they are, they
// would count as holes played in 0 strokes; a nine with no hole typed at all is a nine given by
// its total, or not played, and is fine.
std::vector<int> HolesWithoutScore(const store::HoleValues& score);
// "Hole 18 has no score. Type it, or clear the back nine to post nine holes." (empty when none)
std::string HolesWithoutScoreMessage(const store::HoleValues& score);

// Putts above the hole's score, first hole first: "Hole 4 was played in 4 strokes: it cannot
// take 5 putts." (empty when every hole's putts fit).
std::string PuttsAboveScoreMessage(const RoundEntry& round);

// Everything that keeps a card from being posted as typed, in the order the user reads it.
std::string CardProblem(const RoundEntry& round);

}  // namespace quorval::entry
