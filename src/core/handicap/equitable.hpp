#pragma once

#include <array>

// Equitable stroke control: the most strokes a hole may count for handicap purposes.
namespace quorval::handicap {

struct EquitableBasis {
    float lastCourseHandicap = 0;  // course handicap of the player's most recent stored round
    bool hasRounds = false;        // a player with no stored round is limited to 10 on every hole
    bool nineHoleRound = false;
    int nineHoleOption = 1;
};

// The limit of a hole of the given par.
int EquitableLimit(const EquitableBasis& basis, double par);

// Lowers every hole score (holes 1..18; 0 = not played) above its limit to the limit and returns
// whether any changed. pars[h] is the par of hole h.
bool ApplyEquitableLimits(std::array<int, 19>& scores, const std::array<double, 19>& pars, const EquitableBasis& basis);

}  // namespace quorval::handicap
