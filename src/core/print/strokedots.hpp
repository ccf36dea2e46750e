#pragma once

#include <vector>

// The dots that mark the strokes a player receives on a hole, in the top right corner of the
// hole's score box: as many as there are strokes, each clear of the box's borders and of its
// neighbours, smaller when more of them share the box.
namespace quorval::print {

struct Dot {
    double cx = 0;  // twips
    double cy = 0;
    double radius = 0;
};

inline constexpr double kDotRadius = 50;     // twips, of one or two dots in a box of common width
inline constexpr double kDotClearance = 50;  // twips between a dot's edge and a border or a dot

std::vector<Dot> StrokeDots(double boxLeft, double boxRight, double boxTop, int strokes);

}  // namespace quorval::print
