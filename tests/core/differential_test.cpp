#include "handicap/differential.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "handicap/equitable.hpp"

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
        {0, 41, 35.2f, 120, kNineHoleRatings, 5.5f},        {35, 35, 72.1f, 113, kDoubleNineHoleScores, -2.1f},
    };
    for (const Case& r : cases) {
        EXPECT_EQ(ComputeDifferential(r.out, r.in, r.rating, r.slope, r.option), r.differential)
            << r.out << "/" << r.in << " option " << r.option;
    }
}

TEST(DifferentialTest, CourseHandicapIsTheNearestWholeNumberHalvesUpward) {
    for (auto [index, slope, courseHandicap] :
         {std::tuple{14.3f, 132.0f, 17.0f}, std::tuple{2.5f, 113.0f, 3.0f}, std::tuple{-2.5f, 113.0f, -2.0f}}) {
        EXPECT_EQ(ComputeCourseHandicap(index, slope), courseHandicap) << index;
    }
    // A course saved without a slope must not give an infinite differential or course handicap.
    for (float slope : {0.0f, -113.0f, std::nanf("")}) {
        EXPECT_EQ(ComputeDifferential(43, 42, 70.1f, slope, kDoubleNineHoleScores), std::nullopt) << slope;
        EXPECT_EQ(ComputeCourseHandicap(14.3f, slope), std::nullopt) << slope;
    }
}

// The band of the last course handicap; on nine holes option 1 halves it (15 gives 7.5), the
// other options take it whole. A player without rounds is limited to ten.
TEST(EquitableLimitTest, BandOfTheLastCourseHandicap) {
    struct Case {
        float lastCourseHandicap;
        bool rounds, nine;
        int option, limitOnPar4;
    };
    const Case cases[] = {
        {9.5f, true, false, 1, 6}, {10, true, false, 1, 7},   {19.5f, true, false, 1, 8}, {20, true, false, 1, 8},
        {29, true, false, 1, 8},   {30, true, false, 1, 9},   {39, true, false, 1, 9},    {40, true, false, 1, 10},
        {19, true, true, 1, 8},    {10, true, true, 1, 7},    {4, true, true, 2, 6},      {5, true, true, 2, 7},
        {10, true, true, 3, 8},    {45, false, false, 1, 10}, {0, false, true, 1, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EquitableLimit(EquitableBasis{c.lastCourseHandicap, c.rounds, c.nine, c.option}, 4), c.limitOnPar4)
            << "h " << c.lastCourseHandicap << (c.nine ? " nine holes" : "") << " option " << c.option;
    }
}

TEST(EquitableLimitTest, ApplyLowersOnlyPlayedHolesAboveTheirLimit) {
    std::array<double, 19> pars{};
    pars.fill(4);
    pars[3] = 3;
    pars[5] = 5;
    Scores h8{0, 9, 7, 8, 6, 8, 0, 4, 4, 4};
    EXPECT_TRUE(ApplyEquitableLimits(h8, pars, EquitableBasis{8, true, false, 1}));
    EXPECT_EQ(h8, (Scores{0, 6, 6, 5, 6, 7, 0, 4, 4, 4}));
    EXPECT_FALSE(ApplyEquitableLimits(h8, pars, EquitableBasis{8, true, false, 1}));
    EXPECT_EQ(h8, (Scores{0, 6, 6, 5, 6, 7, 0, 4, 4, 4}));
    // Pars come from typed course fields: nonsense must neither fill unplayed holes nor overflow.
    pars.fill(-4);
    pars[2] = 1e10;
    Scores nonsense{0, 0, 5};
    EXPECT_FALSE(ApplyEquitableLimits(nonsense, pars, EquitableBasis{3, true, false, 1}));
    EXPECT_EQ(nonsense, (Scores{0, 0, 5}));
}

}  // namespace
}  // namespace quorval::handicap
