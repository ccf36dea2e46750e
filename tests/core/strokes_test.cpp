#include "handicap/strokes.hpp"

#include <gtest/gtest.h>

#include <numeric>

using namespace quorval;

namespace {

// A course whose stroke indexes run odd on the front nine and even on the back, as many do.
store::StrokeIndexes oddFrontEvenBack() {
    store::StrokeIndexes si{};
    for (int h = 1; h <= 9; ++h) si[h] = static_cast<int16_t>(2 * h - 1);
    for (int h = 10; h <= 18; ++h) si[h] = static_cast<int16_t>(2 * (h - 9));
    return si;
}

struct Allocation {
    int courseHandicap;
    int total;      // strokes over the 18 holes
    int onIndex1;   // on the hardest hole
    int onIndex18;  // on the easiest hole
};

class StrokeAllocation : public ::testing::TestWithParam<Allocation> {};

}  // namespace

TEST_P(StrokeAllocation, FollowsTheStrokeIndexes) {
    const Allocation& c = GetParam();
    store::StrokeIndexes si = oddFrontEvenBack();
    handicap::HoleStrokes strokes = handicap::AllocateStrokes(c.courseHandicap, si);
    EXPECT_EQ(std::accumulate(strokes.begin() + 1, strokes.end(), 0), c.total);
    EXPECT_EQ(strokes[1], c.onIndex1);    // hole 1 has index 1
    EXPECT_EQ(strokes[18], c.onIndex18);  // hole 18 has index 18
    // A harder hole never receives fewer strokes than an easier one.
    for (int a = 1; a <= 18; ++a) {
        for (int b = 1; b <= 18; ++b) {
            if (si[a] < si[b]) {
                EXPECT_GE(strokes[a], strokes[b]) << "holes " << a << ", " << b;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Handicaps, StrokeAllocation,
                         ::testing::Values(Allocation{0, 0, 0, 0}, Allocation{14, 14, 1, 0}, Allocation{18, 18, 1, 1},
                                           Allocation{20, 20, 2, 1}, Allocation{36, 36, 2, 2},
                                           Allocation{-2, -2, 0, -1}));

TEST(StrokeAllocation, FourteenGivesAStrokeOnIndexFourteenButNotFifteen) {
    handicap::HoleStrokes strokes = handicap::AllocateStrokes(14, oddFrontEvenBack());
    EXPECT_EQ(strokes[16], 1);  // index 14
    EXPECT_EQ(strokes[8], 0);   // index 15
}

TEST(StrokeAllocation, PlusTwoGivesBackOnTheTwoEasiestHoles) {
    handicap::HoleStrokes strokes = handicap::AllocateStrokes(-2, oddFrontEvenBack());
    EXPECT_EQ(strokes[9], -1);   // index 17
    EXPECT_EQ(strokes[18], -1);  // index 18
    EXPECT_EQ(strokes[17], 0);   // index 16
}

TEST(StrokeAllocation, NineHolesRankTheirOwnHoles) {
    store::StrokeIndexes si = oddFrontEvenBack();
    // Back nine: indexes 2, 4, ..., 18 rank 1..9; 5 strokes go to holes 10..14.
    handicap::HoleStrokes back = handicap::AllocateNineStrokes(5, si, 10);
    for (int h = 1; h <= 9; ++h) EXPECT_EQ(back[h], 0) << h;
    for (int h = 10; h <= 18; ++h) EXPECT_EQ(back[h], h <= 14 ? 1 : 0) << h;
    // Eleven over nine holes: one everywhere, a second on the two hardest.
    handicap::HoleStrokes front = handicap::AllocateNineStrokes(11, si, 1);
    EXPECT_EQ(front[1], 2);
    EXPECT_EQ(front[2], 2);
    EXPECT_EQ(front[3], 1);
    EXPECT_EQ(front[10], 0);
    // Plus one gives back on the nine's easiest hole.
    handicap::HoleStrokes plus = handicap::AllocateNineStrokes(-1, si, 1);
    EXPECT_EQ(plus[9], -1);
    EXPECT_EQ(std::accumulate(plus.begin() + 1, plus.end(), 0), -1);
}
