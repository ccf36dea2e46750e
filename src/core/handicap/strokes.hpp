#pragma once

#include <array>

#include "store/leaguedata.hpp"

// Where a course handicap's strokes fall: the holes are taken in the order of their stroke index.
namespace quorval::handicap {

// Strokes received on holes 1..18 (slot 0 unused); negative on the holes where a plus handicap
// gives strokes back.
using HoleStrokes = std::array<int, 19>;

// An 18-hole round: a handicap of 0 or more gives handicap div 18 on every hole and one more on
// the holes whose stroke index is at most handicap mod 18; a plus handicap -k gives one back on
// the holes whose stroke index is above 18 - k.
HoleStrokes AllocateStrokes(int courseHandicap, const store::StrokeIndexes& si);

// A nine-hole round on holes firstHole..firstHole + 8 (firstHole 1 or 10): those holes are ranked
// 1..9 by stroke index and the nine-hole handicap is spread the same way over 9. The other nine
// receive nothing.
HoleStrokes AllocateNineStrokes(int nineCourseHandicap, const store::StrokeIndexes& si, int firstHole);

}  // namespace quorval::handicap
