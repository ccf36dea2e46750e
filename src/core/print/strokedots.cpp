#include "print/strokedots.hpp"

#include <algorithm>

namespace quorval::print {

std::vector<Dot> StrokeDots(double boxLeft, double boxRight, double boxTop, int strokes) {
    std::vector<Dot> dots;
    if (strokes < 1) return dots;
    // Each dot takes its diameter and one clearance; a row ends with one more clearance. Strokes
    // beyond a row's worth start a row below, so a dot never shrinks to a speck.
    const int perRow = std::min(strokes, kDotsPerRow);
    const double room = boxRight - boxLeft - (perRow + 1) * kDotClearance;
    const double radius = std::min(kDotRadius, room / (2.0 * perRow));
    if (radius <= 0) return dots;
    const double pitch = 2 * radius + kDotClearance;
    for (int s = 0; s < strokes; ++s) {
        dots.push_back({boxRight - kDotClearance - radius - (s % kDotsPerRow) * pitch,
                        boxTop + kDotClearance + radius + (s / kDotsPerRow) * pitch, radius});
    }
    return dots;
}

}  // namespace quorval::print
