#include "handicap/strokes.hpp"

#include <gtest/gtest.h>

#include <numeric>

using namespace quorval;

namespace {

// Stroke indexes odd on the front nine and even on the back: hole 1 is index 1, hole 18 index 18.
TEST(StrokeAllocation, FollowsTheStrokeIndexes) {
    store::StrokeIndexes si{};
    for (int h = 1; h <= 9; ++h) si[h] = static_cast<int16_t>(2 * h - 1);
    for (int h = 10; h <= 18; ++h) si[h] = static_cast<int16_t>(2 * (h - 9));
    using Row = std::array<int, 5>;
    // Handicap, then the strokes on holes 1 (index 1), 16 (index 14), 8 (index 15) and 18 (index 18).
    for (Row c :
         {Row{0, 0, 0, 0, 0}, Row{14, 1, 1, 0, 0}, Row{20, 2, 1, 1, 1}, Row{36, 2, 2, 2, 2}, Row{-2, 0, 0, 0, -1}}) {
        SCOPED_TRACE(c[0]);
        handicap::HoleStrokes s = handicap::AllocateStrokes(c[0], si);
        EXPECT_EQ(std::accumulate(s.begin() + 1, s.end(), 0), c[0]);
        EXPECT_EQ((Row{c[0], s[1], s[16], s[8], s[18]}), c);
    }
    // Back nine: indexes 2, 4, ..., 18 rank 1..9; 5 strokes go to holes 10..14.
    handicap::HoleStrokes back = handicap::AllocateNineStrokes(5, si, 10);
    for (int h = 1; h <= 18; ++h) EXPECT_EQ(back[h], h >= 10 && h <= 14 ? 1 : 0) << h;
    // Eleven over nine holes: one everywhere, a second on the two hardest.
    handicap::HoleStrokes front = handicap::AllocateNineStrokes(11, si, 1);
    EXPECT_EQ((std::array<int, 5>{front[1], front[2], front[3], front[9], front[10]}),
              (std::array<int, 5>{2, 2, 1, 1, 0}));
}

}  // namespace
