#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "play/sidegamefield.hpp"

// Stableford: points per hole for the net score against par, the most points first; equal
// points are parted by the last 9, 6, 3 and 1 holes (on a nine: the last 6, 3 and 1).
namespace quorval::play {

// Points for a net albatross, eagle, birdie, par, bogey, double bogey or worse.
using PointsTable = std::array<int16_t, 6>;

// The points of one hole: each stroke better than a net albatross adds what an albatross scores
// over an eagle, so the standard table gives max(0, 2 + par + strokes - score) throughout.
int StablefordPoints(const PointsTable& table, int par, int strokes, int score);

struct StablefordRow {
    int player = 0;
    std::string name;
    int handicap = 0;
    int points = 0;
    std::optional<int> last9;  // none on a nine
    int last6 = 0;
    int last3 = 0;
    int last1 = 0;
    int place = 0;
    bool tied = false;  // still equal after the count-back
};

// The table of the field, ranked.
std::vector<StablefordRow> RankStableford(const store::LeagueData& data, const Field& field, const PointsTable& table);

// The allowance played off when none is asked for: the league's under the World Handicap System,
// the whole handicap under the classic rules.
int DefaultStablefordAllowance(const store::LeagueData& data);

// "1", or "T2" for a shared place.
std::string PlaceText(const StablefordRow& row);

}  // namespace quorval::play
