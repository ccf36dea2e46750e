#include "handicap/differential.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "handicap/equitable.hpp"
#include "text/numbers.hpp"

namespace quorval::handicap {
namespace {

using Scores = std::array<int, 19>;

TEST(DifferentialTest, RoundedToATenthHalvesUpward) {
    struct Case {
        int16_t out, in;
        float rating, slope;
        int option;
        float differential;
    };
    const Case cases[] = {
        {43, 42, 70.1f, 125, kDoubleNineHoleScores, 13.5f},  // 13.4696
        {42, 0, 70.1f, 113, kDoubleNineHoleScores, 13.9f},   // 84 against the full rating
        {0, 41, 70.4f, 120, kDivideRatingByTwo, 5.5f},       // 5.46
        {0, 41, 35.2f, 120, kNineHoleRatings, 5.5f},         {40, 41, 70.4f, 120, kDivideRatingByTwo, 10.0f},
        {40, 41, 70.4f, 120, kDoubleNineHoleScores, 10.0f},  {43, 42, 72.75f, 113, kDoubleNineHoleScores, 12.3f},
        {36, 35, 72.25f, 113, kDoubleNineHoleScores, -1.2f}, {35, 35, 72.1f, 113, kDoubleNineHoleScores, -2.1f},
    };
    for (const Case& r : cases) {
        EXPECT_EQ(ComputeDifferential(r.out, r.in, r.rating, r.slope, r.option), r.differential)
            << r.out << "/" << r.in << " rating " << r.rating << " slope " << r.slope << " option " << r.option;
    }
}

TEST(DifferentialTest, CourseHandicapIsTheNearestWholeNumberHalvesUpward) {
    struct Case {
        float index, slope, courseHandicap;
    };
    for (const Case& c : {Case{14.3f, 132, 17}, Case{0, 113, 0}, Case{2.5f, 113, 3}, Case{-2.5f, 113, -2},
                          Case{-2.2f, 113, -2}, Case{36.4f, 155, 50}}) {
        EXPECT_EQ(ComputeCourseHandicap(c.index, c.slope), c.courseHandicap) << c.index << " on slope " << c.slope;
    }
    // A course saved without a slope must not give an infinite differential or course handicap.
    for (float slope : {0.0f, -113.0f, static_cast<float>(text::leadingNumber("")), std::nanf("")}) {
        EXPECT_EQ(ComputeDifferential(43, 42, 70.1f, slope, kDoubleNineHoleScores), std::nullopt) << slope;
        EXPECT_EQ(ComputeCourseHandicap(14.3f, slope), std::nullopt) << slope;
    }
}

// The band of the last course handicap; on nine holes option 1 halves it (15 gives 7.5), the
// other options take it whole.
TEST(EquitableLimitTest, BandOfTheLastCourseHandicap) {
    struct Case {
        float lastCourseHandicap;
        bool nine;
        int option, limitOnPar4;
    };
    const Case cases[] = {
        {-3, false, 1, 6},    {8, false, 1, 6},   {9.5f, false, 1, 6}, {10, false, 1, 7}, {18, false, 1, 7},
        {19.5f, false, 1, 8}, {20, false, 1, 8},  {29, false, 1, 8},   {30, false, 1, 9}, {39, false, 1, 9},
        {40, false, 1, 10},   {54, false, 1, 10}, {9, true, 1, 6},     {10, true, 1, 7},  {15, true, 1, 7},
        {19, true, 1, 8},     {29, true, 1, 9},   {39, true, 1, 9},    {40, true, 1, 10}, {4, true, 2, 6},
        {5, true, 2, 7},      {9, true, 2, 7},    {10, true, 3, 8},    {14, true, 3, 8},  {15, true, 2, 9},
        {19, true, 3, 9},     {20, true, 2, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EquitableLimit(EquitableBasis{c.lastCourseHandicap, true, c.nine, c.option}, 4), c.limitOnPar4)
            << "h " << c.lastCourseHandicap << (c.nine ? " nine holes" : "") << " option " << c.option;
    }
    // A player without rounds is limited to ten.
    for (float h : {0.0f, 8.0f, 25.0f, 45.0f}) {
        EXPECT_EQ(EquitableLimit(EquitableBasis{h, false, false, 1}, 5), 10) << h;
        EXPECT_EQ(EquitableLimit(EquitableBasis{h, false, true, 1}, 3), 10) << h;
    }
}

TEST(EquitableLimitTest, ApplyLowersOnlyPlayedHolesAboveTheirLimit) {
    std::array<double, 19> pars{};
    pars.fill(4);
    pars[3] = 3;
    pars[5] = 5;
    const Scores scores{0, 9, 7, 8, 6, 8, 0, 4, 4, 4};
    Scores h18 = scores, h8 = scores, noRounds{0, 12, 10, 11};
    EXPECT_TRUE(ApplyEquitableLimits(h18, pars, EquitableBasis{18, true, false, 1}));
    EXPECT_EQ(h18, (Scores{0, 7, 7, 7, 6, 7, 0, 4, 4, 4}));
    EXPECT_TRUE(ApplyEquitableLimits(h8, pars, EquitableBasis{8, true, false, 1}));
    EXPECT_EQ(h8, (Scores{0, 6, 6, 5, 6, 7, 0, 4, 4, 4}));
    Scores unchanged = h8;
    EXPECT_FALSE(ApplyEquitableLimits(unchanged, pars, EquitableBasis{8, true, false, 1}));
    EXPECT_EQ(unchanged, h8);
    EXPECT_TRUE(ApplyEquitableLimits(noRounds, pars, EquitableBasis{}));
    EXPECT_EQ(noRounds, (Scores{0, 10, 10, 10}));
    // Pars come from typed course fields: nonsense must neither fill unplayed holes nor overflow.
    pars.fill(-4);
    pars[2] = 1e10;
    Scores nonsense{0, 0, 5};
    EXPECT_FALSE(ApplyEquitableLimits(nonsense, pars, EquitableBasis{3, true, false, 1}));
    EXPECT_EQ(nonsense, (Scores{0, 0, 5}));
}

}  // namespace
}  // namespace quorval::handicap
