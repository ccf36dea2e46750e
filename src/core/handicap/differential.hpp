#pragma once

#include <cstdint>
#include <optional>

// Per-round arithmetic: the handicap differential of a round and the course handicap of an index.
// All of it is defined in 32-bit floating point.
namespace quorval::handicap {

// How nine-hole rounds are treated.
enum NineHoleOption : int16_t {
    kDoubleNineHoleScores = 1,
    kDivideRatingByTwo = 2,
    kNineHoleRatings = 3,
};

// A round with no front-nine or no back-nine total is a nine-hole round.
inline bool IsNineHoleRound(int out, int in) {
    return out == 0 || in == 0;
}

// The differential of a round from its nine totals and the rating and slope of the tee played,
// rounded to one decimal with halves upward. Nothing when the tee has no slope set.
std::optional<float> ComputeDifferential(int16_t out, int16_t in, float rating, float slope, int nineHoleOption);

// Int(index * slope / 113 + 0.5): the course handicap, always a whole number. Nothing when the
// tee has no slope set.
std::optional<float> ComputeCourseHandicap(float index, float slope);

// A slope that can be divided by: a positive number.
inline bool HasSlope(float slope) {
    return slope > 0;
}

}  // namespace quorval::handicap
