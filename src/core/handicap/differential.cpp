#include "handicap/differential.hpp"

#include "text/numbers.hpp"

namespace quorval::handicap {

std::optional<float> ComputeDifferential(int16_t out, int16_t in, float rating, float slope, int nineHoleOption) {
    if (!HasSlope(slope)) return std::nullopt;
    bool nine = IsNineHoleRound(out, in);
    auto total = static_cast<int16_t>(out + in);
    if (nine && nineHoleOption == kDoubleNineHoleScores) total = static_cast<int16_t>(total * 2);
    float usedRating = nine && nineHoleOption == kDivideRatingByTwo ? rating / 2.0f : rating;
    float d = (static_cast<float>(total) - usedRating) * 113.0f / slope;
    return text::Int(d * 10.0f + 0.5f) / 10.0f;
}

std::optional<float> ComputeCourseHandicap(float index, float slope) {
    if (!HasSlope(slope)) return std::nullopt;
    return text::Int(index * slope / 113.0f + 0.5f);
}

}  // namespace quorval::handicap
