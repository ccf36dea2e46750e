#include "handicap/differential.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "handicap/equitable.hpp"
#include "text/numbers.hpp"

namespace quorval::handicap {
namespace {

struct Round {
    int16_t out, in;
    float rating, slope;
    int option;
    float differential;
};

class DifferentialTest : public ::testing::TestWithParam<Round> {};

TEST_P(DifferentialTest, RoundedToATenthHalvesUpward) {
    const Round& r = GetParam();
    EXPECT_EQ(ComputeDifferential(r.out, r.in, r.rating, r.slope, r.option), r.differential)
        << r.out << "/" << r.in << " rating " << r.rating << " slope " << r.slope << " option " << r.option;
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, DifferentialTest,
    ::testing::Values(Round{43, 42, 70.1f, 125, kDoubleNineHoleScores, 13.5f},  // 13.4696
                      Round{42, 0, 70.1f, 113, kDoubleNineHoleScores, 13.9f},   // 84 against the full rating
                      Round{0, 41, 70.4f, 120, kDivideRatingByTwo, 5.5f},       // 5.46
                      Round{0, 41, 35.2f, 120, kNineHoleRatings, 5.5f},
                      Round{40, 41, 70.4f, 120, kDivideRatingByTwo, 10.0f},  // 18 holes: rating kept
                      Round{40, 41, 70.4f, 120, kDoubleNineHoleScores, 10.0f},
                      Round{43, 42, 72.75f, 113, kDoubleNineHoleScores, 12.3f},  // 12.25
                      Round{36, 35, 72.25f, 113, kDoubleNineHoleScores, -1.2f},  // -1.25
                      Round{35, 35, 72.1f, 113, kDoubleNineHoleScores, -2.1f}));

struct IndexOnTee {
    float index, slope, courseHandicap;
};

class CourseHandicapTest : public ::testing::TestWithParam<IndexOnTee> {};

TEST_P(CourseHandicapTest, NearestWholeNumberHalvesUpward) {
    EXPECT_EQ(ComputeCourseHandicap(GetParam().index, GetParam().slope), GetParam().courseHandicap)
        << GetParam().index << " on slope " << GetParam().slope;
}

INSTANTIATE_TEST_SUITE_P(Indexes, CourseHandicapTest,
                         ::testing::Values(IndexOnTee{14.3f, 132, 17}, IndexOnTee{0, 113, 0}, IndexOnTee{2.5f, 113, 3},
                                           IndexOnTee{-2.5f, 113, -2}, IndexOnTee{-2.2f, 113, -2},
                                           IndexOnTee{36.4f, 155, 50}));

// A course saved without a slope must not give an infinite differential or course handicap.
TEST(NoSlopeTest, RefusedInsteadOfDividingByZero) {
    for (float slope : {0.0f, -113.0f, static_cast<float>(text::leadingNumber("")), std::nanf("")}) {
        EXPECT_EQ(ComputeDifferential(43, 42, 70.1f, slope, kDoubleNineHoleScores), std::nullopt) << slope;
        EXPECT_EQ(ComputeCourseHandicap(14.3f, slope), std::nullopt) << slope;
    }
}

struct LimitCase {
    float lastCourseHandicap;
    bool nine;
    int option;
    int limitOnPar4;
};

class EquitableLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(EquitableLimitTest, BandOfTheLastCourseHandicap) {
    const LimitCase& c = GetParam();
    EquitableBasis basis{c.lastCourseHandicap, true, c.nine, c.option};
    EXPECT_EQ(EquitableLimit(basis, 4), c.limitOnPar4)
        << "h " << c.lastCourseHandicap << (c.nine ? " nine holes" : "") << " option " << c.option;
}

INSTANTIATE_TEST_SUITE_P(EighteenHoles, EquitableLimitTest,
                         ::testing::Values(LimitCase{-3, false, 1, 6}, LimitCase{8, false, 1, 6},
                                           LimitCase{9.5f, false, 1, 6}, LimitCase{10, false, 1, 7},
                                           LimitCase{18, false, 1, 7}, LimitCase{19.5f, false, 1, 8},
                                           LimitCase{20, false, 1, 8}, LimitCase{29, false, 1, 8},
                                           LimitCase{30, false, 1, 9}, LimitCase{39, false, 1, 9},
                                           LimitCase{40, false, 1, 10}, LimitCase{54, false, 1, 10}));

// Option 1 halves the course handicap (15 gives 7.5); the other options take it whole.
INSTANTIATE_TEST_SUITE_P(
    NineHoles, EquitableLimitTest,
    ::testing::Values(LimitCase{9, true, 1, 6}, LimitCase{10, true, 1, 7}, LimitCase{15, true, 1, 7},
                      LimitCase{19, true, 1, 8}, LimitCase{29, true, 1, 9}, LimitCase{39, true, 1, 9},
                      LimitCase{40, true, 1, 10}, LimitCase{4, true, 2, 6}, LimitCase{5, true, 2, 7},
                      LimitCase{9, true, 2, 7}, LimitCase{10, true, 3, 8}, LimitCase{14, true, 3, 8},
                      LimitCase{15, true, 2, 9}, LimitCase{19, true, 3, 9}, LimitCase{20, true, 2, 10}));

TEST(EquitableLimitTest, PlayerWithoutRoundsIsLimitedToTen) {
    for (float h : {0.0f, 8.0f, 25.0f, 45.0f}) {
        EXPECT_EQ(EquitableLimit(EquitableBasis{h, false, false, 1}, 5), 10) << h;
        EXPECT_EQ(EquitableLimit(EquitableBasis{h, false, true, 1}, 3), 10) << h;
    }
}

TEST(ApplyEquitableLimitsTest, LowersOnlyPlayedHolesAboveTheirLimit) {
    std::array<double, 19> pars{};
    pars.fill(4);
    pars[3] = 3;
    pars[5] = 5;
    std::array<int, 19> scores{0, 9, 7, 8, 6, 8, 0, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0};

    std::array<int, 19> handicap18 = scores;
    EXPECT_TRUE(ApplyEquitableLimits(handicap18, pars, EquitableBasis{18, true, false, 1}));
    EXPECT_EQ(handicap18, (std::array<int, 19>{0, 7, 7, 7, 6, 7, 0, 4, 4, 4}));

    std::array<int, 19> handicap8 = scores;
    EXPECT_TRUE(ApplyEquitableLimits(handicap8, pars, EquitableBasis{8, true, false, 1}));
    EXPECT_EQ(handicap8, (std::array<int, 19>{0, 6, 6, 5, 6, 7, 0, 4, 4, 4}));

    std::array<int, 19> unchanged = handicap8;
    EXPECT_FALSE(ApplyEquitableLimits(unchanged, pars, EquitableBasis{8, true, false, 1}));
    EXPECT_EQ(unchanged, handicap8);

    std::array<int, 19> noRounds{0, 12, 10, 11};
    EXPECT_TRUE(ApplyEquitableLimits(noRounds, pars, EquitableBasis{}));
    EXPECT_EQ(noRounds, (std::array<int, 19>{0, 10, 10, 10}));
}

// Pars come from typed course fields, so nonsense must neither fill unplayed holes nor overflow.
TEST(ApplyEquitableLimitsTest, NonsenseParsLeaveUnplayedAndPlayedHolesAlone) {
    std::array<double, 19> pars{};
    pars.fill(-4);
    pars[2] = 1e10;
    std::array<int, 19> scores{0, 0, 5};
    EXPECT_FALSE(ApplyEquitableLimits(scores, pars, EquitableBasis{3, true, false, 1}));
    EXPECT_EQ(scores, (std::array<int, 19>{0, 0, 5}));
}

}  // namespace
}  // namespace quorval::handicap
