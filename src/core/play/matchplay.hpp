#pragma once

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "handicap/strokes.hpp"
#include "play/playedscores.hpp"
#include "store/leaguedata.hpp"

// Net match play between two players, hole by hole, with strokes by stroke index; a night of a
// team or individual league from its matchups; the standings over many nights.
namespace quorval::play {

using Day = std::chrono::sys_days;

// The player's round on the date (the last one entered when there are several), 0 when none.
int RoundOn(const store::PlayerRecord& player, Day date);
// The index the player brings to a match on the date: before his round that day, else his latest.
float MatchIndex(const store::PlayerRecord& player, Day date);

// The match handicap of an index on a course's tee: the course handicap under the league's rules
// (halved for a nine) times the allowance in percent, rounded half up.
int MatchHandicap(const store::LeagueData& data, float index, int course, int tee, bool nine, int allowance);

// The strokes of a pairing: the higher handicap receives the difference, spread by stroke index
// over 18 holes, or over the nine from firstHole.
struct StrokeGift {
    int difference = 0;
    int to = 0;  // 0 nobody, 1 the first player, 2 the second
    handicap::HoleStrokes strokes{};
};
StrokeGift GiveStrokes(int handicapA, int handicapB, const store::StrokeIndexes& si, int firstHole, int holes);

// The hole-by-hole result of two players' scores over the same holes.
struct HoleMatch {
    StrokeGift gift;
    int firstHole = 1;
    int holes = 18;
    HoleScores netA{}, netB{};
    int netTotalA = 0, netTotalB = 0;
    int wonA = 0, wonB = 0, halved = 0;
    double pointsA = 0, pointsB = 0;
};
HoleMatch ScoreHoles(const HoleScores& grossA, const HoleScores& grossB, int handicapA, int handicapB,
                     const store::StrokeIndexes& si, int firstHole, int holes, const store::PlayOptions& options);

// What the points of a pairing add up to: every hole's points (a halved hole's to both) and the
// match points. Throws std::logic_error when they do not.
void CheckPointsAddUp(const HoleMatch& m, const store::PlayOptions& options);

// One player's place in a pairing.
struct MatchPlayer {
    int player = 0;   // who played, 0 for nobody
    int regular = 0;  // the player a substitute stands in for, 0 when he plays for himself
    int round = 0;    // his round slot on the date, 0 when he has none
    float index = 0;
};

struct Pairing {
    MatchPlayer a, b;
    bool scored = false;  // both rounds were compared hole by hole
    bool forfeit = false;
    std::string refusal;  // why two rounds could not be compared
    int course = 0;
    int handicapA = 0, handicapB = 0;
    HoleMatch match;
    double pointsA = 0, pointsB = 0;
};

// Scores a pairing from the rounds of the date: both rounds, a forfeit, or nothing.
Pairing ScorePairing(const store::LeagueData& data, const MatchPlayer& a, const MatchPlayer& b);

// A side of a night: a team slot or, in an individual league, a player slot.
struct SideMatch {
    std::string sideA, sideB;
    int slotA = 0, slotB = 0;
    std::vector<Pairing> pairings;
    bool teamTotalScored = false;
    int netA = 0, netB = 0;  // the scored pairings' nets added up
    double pointsA = 0, pointsB = 0;
};

// One substitute of a date: `by` plays for `regular` (player slots).
struct StandIn {
    int regular = 0;
    int by = 0;
};

enum class LeagueKind { Teams, Players };

// A side's players for the night ordered by index, lowest first: substitutes in the places of the
// players they replace, absent players at their latest index. Equal indexes keep slot order.
std::vector<MatchPlayer> NightRoster(const store::LeagueData& data, LeagueKind kind, int side, Day date,
                                     const std::vector<StandIn>& standIns);

// The matches of one matchup on a date: the rosters paired in order.
SideMatch PlayMatchup(const store::LeagueData& data, LeagueKind kind, int slotA, int slotB, Day date,
                      const std::vector<StandIn>& standIns);

// A side's line of the standings.
struct Standing {
    std::string side;
    int place = 0;
    int played = 0, won = 0, halved = 0, lost = 0;
    double points = 0;
};
// Ordered by points, then matches won; equal sides share a place.
std::vector<Standing> Standings(const std::vector<SideMatch>& matches);

}  // namespace quorval::play
