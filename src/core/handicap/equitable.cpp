#include "handicap/equitable.hpp"

#include <algorithm>

#include "handicap/differential.hpp"
#include "store/leaguedata.hpp"
#include "text/numbers.hpp"

namespace quorval::handicap {

namespace {

// The general limit by handicap band; a later band replaces an earlier one, as the bands overlap
// at their edges only for values holding a half.
int generalLimit(float h, bool nine) {
    int limit = 0;
    if (nine) {
        if (h > 4 && h < 10) limit = 7;
        if (h > 9 && h < 15) limit = 8;
        if (h > 14 && h < 20) limit = 9;
        if (h >= 20) limit = 10;
    } else {
        if (h > 9 && h < 20) limit = 7;
        if (h > 19 && h < 30) limit = 8;
        if (h > 29 && h < 40) limit = 9;
        if (h >= 40) limit = 10;
    }
    return limit;
}

}  // namespace

int EquitableLimit(const EquitableBasis& basis, double par) {
    if (!basis.hasRounds) return 10;
    float h = basis.lastCourseHandicap;
    if (basis.nineHoleRound && basis.nineHoleOption == kDoubleNineHoleScores) h = text::Int(h) / 2.0f;
    bool lowBand = basis.nineHoleRound ? h < 5 : h < 10;
    // The par comes from a typed course field; keep the conversion defined whatever it holds.
    if (lowBand) return static_cast<int>(std::clamp(par, -99.0, 99.0)) + 2;
    return generalLimit(h, basis.nineHoleRound);
}

bool ApplyEquitableLimits(std::array<int, 19>& scores, const std::array<double, 19>& pars,
                          const EquitableBasis& basis) {
    bool changed = false;
    for (int h = 1; h <= store::kHoles; ++h) {
        int limit = EquitableLimit(basis, pars[h]);
        if (scores[h] > 0 && scores[h] > limit) {  // an unplayed hole stays empty whatever its par
            scores[h] = limit;
            changed = true;
        }
    }
    return changed;
}

}  // namespace quorval::handicap
