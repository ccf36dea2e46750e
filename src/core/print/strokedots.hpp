#pragma once

#include <vector>

// The dots that mark the strokes a player receives on a hole, in the top right corner of the
// hole's score box: as many as there are strokes, three to a row, each clear of the box's borders
// and of its neighbours.
namespace quorval::print {

struct Dot {
    double cx = 0;  // twips
    double cy = 0;
    double radius = 0;
};

inline constexpr double kDotRadius = 45;     // twips, of a dot in a box of common width
inline constexpr double kDotClearance = 60;  // twips between a dot's edge and a border or a dot
inline constexpr int kDotsPerRow = 3;

std::vector<Dot> StrokeDots(double boxLeft, double boxRight, double boxTop, int strokes);

}  // namespace quorval::print
