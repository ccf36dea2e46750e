#include "handicap/strokes.hpp"

#include <algorithm>

namespace quorval::handicap {

namespace {

// The strokes on a hole of the given rank (1 hardest .. holes) for a handicap spread over `holes`.
int strokesOnRank(int handicap, int rank, int holes) {
    if (handicap >= 0) return handicap / holes + (rank <= handicap % holes ? 1 : 0);
    int back = -handicap;
    return -(back / holes + (rank > holes - back % holes ? 1 : 0));
}

}  // namespace

HoleStrokes AllocateStrokes(int courseHandicap, const store::StrokeIndexes& si) {
    HoleStrokes strokes{};
    for (int h = 1; h <= store::kHoles; ++h) strokes[h] = strokesOnRank(courseHandicap, si[h], 18);
    return strokes;
}

HoleStrokes AllocateNineStrokes(int nineCourseHandicap, const store::StrokeIndexes& si, int firstHole) {
    HoleStrokes strokes{};
    std::array<int, 9> holes{};
    for (int i = 0; i < 9; ++i) holes[i] = firstHole + i;
    std::stable_sort(holes.begin(), holes.end(), [&](int a, int b) { return si[a] < si[b]; });
    for (int rank = 1; rank <= 9; ++rank) strokes[holes[rank - 1]] = strokesOnRank(nineCourseHandicap, rank, 9);
    return strokes;
}

}  // namespace quorval::handicap
