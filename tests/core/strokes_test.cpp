#include "handicap/strokes.hpp"

#include <gtest/gtest.h>

#include <numeric>

using namespace quorval;

namespace {

int sum(const handicap::HoleStrokes& s) {
    return std::accumulate(s.begin() + 1, s.end(), 0);
}

// Stroke indexes odd on the front nine and even on the back: hole 1 is index 1, hole 18 index 18.
TEST(StrokeAllocation, FollowsTheStrokeIndexes) {
    store::StrokeIndexes si{};
    for (int h = 1; h <= 9; ++h) si[h] = static_cast<int16_t>(2 * h - 1);
    for (int h = 10; h <= 18; ++h) si[h] = static_cast<int16_t>(2 * (h - 9));
    struct Case {
        int courseHandicap, onIndex1, onIndex18;
    };
    for (const Case& c :
         {Case{0, 0, 0}, Case{14, 1, 0}, Case{18, 1, 1}, Case{20, 2, 1}, Case{36, 2, 2}, Case{-2, 0, -1}}) {
        SCOPED_TRACE(c.courseHandicap);
        handicap::HoleStrokes strokes = handicap::AllocateStrokes(c.courseHandicap, si);
        EXPECT_EQ(sum(strokes), c.courseHandicap);
        EXPECT_EQ(strokes[1], c.onIndex1);
        EXPECT_EQ(strokes[18], c.onIndex18);
        for (int a = 1; a <= 18; ++a)
            for (int b = 1; b <= 18; ++b) EXPECT_TRUE(si[a] >= si[b] || strokes[a] >= strokes[b]) << a << ", " << b;
    }
    // 14 reaches index 14 (hole 16) but not 15 (hole 8); plus 2 gives back on indexes 17 and 18.
    handicap::HoleStrokes fourteen = handicap::AllocateStrokes(14, si), plus = handicap::AllocateStrokes(-2, si);
    EXPECT_EQ(fourteen[16], 1);
    EXPECT_EQ(fourteen[8], 0);
    EXPECT_EQ((std::array<int, 3>{plus[9], plus[18], plus[17]}), (std::array<int, 3>{-1, -1, 0}));

    // Back nine: indexes 2, 4, ..., 18 rank 1..9; 5 strokes go to holes 10..14.
    handicap::HoleStrokes back = handicap::AllocateNineStrokes(5, si, 10);
    for (int h = 1; h <= 18; ++h) EXPECT_EQ(back[h], h >= 10 && h <= 14 ? 1 : 0) << h;
    // Eleven over nine holes: one everywhere, a second on the two hardest.
    handicap::HoleStrokes front = handicap::AllocateNineStrokes(11, si, 1);
    EXPECT_EQ((std::array<int, 4>{front[1], front[2], front[3], front[10]}), (std::array<int, 4>{2, 2, 1, 0}));
    handicap::HoleStrokes ninePlus = handicap::AllocateNineStrokes(-1, si, 1);
    EXPECT_EQ(ninePlus[9], -1);
    EXPECT_EQ(sum(ninePlus), -1);
}

}  // namespace
