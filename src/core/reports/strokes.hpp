#pragma once

#include <optional>

#include "reports/scorecards.hpp"

// Where a player's strokes fall on a course: the holes are taken in the order of their stroke
// indexes, hardest first.
namespace quorval::reports {

// The course's stroke indexes, holes 1 to 18; nothing when the course has none.
std::optional<HoleNumbers> CourseStrokeIndexes(const store::CourseRecord& course);

// Strokes received on the hole with stroke index `strokeIndex` (1 to 18) for a course handicap:
// one on each of the `courseHandicap` hardest holes, going round again past 18. A plus handicap
// gives strokes back on the easiest holes (negative result).
int StrokesOnHole(int courseHandicap, int strokeIndex);

}  // namespace quorval::reports
