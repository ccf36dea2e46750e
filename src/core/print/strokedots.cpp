#include "print/strokedots.hpp"

#include <algorithm>

namespace quorval::print {

std::vector<Dot> StrokeDots(double boxLeft, double boxRight, double boxTop, int strokes) {
    std::vector<Dot> dots;
    if (strokes < 1) return dots;
    const double n = strokes;
    // Each dot takes its diameter and one clearance; the row ends with one more clearance.
    const double room = boxRight - boxLeft - (n + 1) * kDotClearance;
    const double radius = std::min(kDotRadius, room / (2 * n));
    if (radius <= 0) return dots;
    for (int s = 0; s < strokes; ++s) {
        const double cx = boxRight - kDotClearance - radius - s * (2 * radius + kDotClearance);
        dots.push_back({cx, boxTop + kDotClearance + radius, radius});
    }
    return dots;
}

}  // namespace quorval::print
