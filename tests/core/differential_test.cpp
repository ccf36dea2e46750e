#include "handicap/differential.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "handicap/equitable.hpp"
#include "handicap/handicapindex.hpp"
#include "handicap/strokes.hpp"

namespace quorval::handicap {
namespace {

using Scores = std::array<int, 19>;

TEST(DifferentialTest, DifferentialAndCourseHandicapRoundHalvesUpward) {
    using Case = std::tuple<int16_t, int16_t, float, float, int, float>;  // nines, rating, slope, option
    const Case cases[] = {
        {43, 42, 70.1f, 125, kDoubleNineHoleScores, 13.5f},  // 13.4696
        {42, 0, 70.1f, 113, kDoubleNineHoleScores, 13.9f},   // 84 against the full rating
        {0, 41, 70.4f, 120, kDivideRatingByTwo, 5.5f},       // 5.46
        {0, 41, 35.2f, 120, kNineHoleRatings, 5.5f},        {35, 35, 72.1f, 113, kDoubleNineHoleScores, -2.1f},
    };
    for (auto [out, in, rating, slope, option, differential] : cases)
        EXPECT_EQ(ComputeDifferential(out, in, rating, slope, option), differential) << differential;
    for (auto [index, slope, courseHandicap] :
         {std::tuple{14.3f, 132.0f, 17.0f}, std::tuple{2.5f, 113.0f, 3.0f}, std::tuple{-2.5f, 113.0f, -2.0f}})
        EXPECT_EQ(ComputeCourseHandicap(index, slope), courseHandicap) << index;
    // A course saved without a slope must not give an infinite differential or course handicap.
    for (float slope : {0.0f, -113.0f, std::nanf("")}) {
        EXPECT_EQ(ComputeDifferential(43, 42, 70.1f, slope, kDoubleNineHoleScores), std::nullopt) << slope;
        EXPECT_EQ(ComputeCourseHandicap(14.3f, slope), std::nullopt) << slope;
    }
}

// On nine holes option 1 halves the last course handicap; without rounds the limit is ten.
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
}

using Lines = std::vector<std::string>;

IndexResult indexOf(const std::vector<float>& differentials, int slot, float factor = 0, int averageAll = 0,
                    int limit = 0, int tee = store::kWhiteTee) {
    store::PlayerRecord player;
    player.name = "Ann Smith";
    for (float d : differentials) player.rounds[++player.roundCount].differential = d;
    store::Settings settings;
    if (factor != 0) settings.hcpFactor = factor;
    settings.averageCheck = static_cast<int16_t>(averageAll);
    settings.hcpLimitCheck = static_cast<int16_t>(limit);
    return ComputeHandicapIndex(player, slot, settings, tee);
}

// Of fewer than nine rounds, all when the league averages them all.
TEST(HandicapIndexTest, DifferentialsUsedOfTheRoundsTakenIntoAccount) {
    const int used[21] = {0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
    for (int n = 1; n <= 20; ++n)
        EXPECT_EQ(std::pair(DifferentialsUsed(n, false), DifferentialsUsed(n, true)),
                  std::pair(used[n], n < 9 ? n : used[n]));
}

TEST(HandicapIndexTest, ListsEveryStepAndTheFactorWhenNotTheUsualOne) {
    IndexResult sorted = indexOf({10, -1.5f, 8.2f}, 3, 0.9f);
    EXPECT_EQ(sorted.index, -1.3f);  // -1.35 cut toward zero
    EXPECT_EQ(sorted.lines, (Lines{"Ann Smith", "HCP factor 0.90", "differentials", "-1.5", "8.2", "10.0",
                                   "total rounds = 3", "# of rounds used = 1", "Avg. = -1.5", "Hcp index = -1.3"}));
    EXPECT_EQ(indexOf({14.2f}, 1).lines[1], "differentials");
}

TEST(HandicapIndexTest, AveragesTheLowestDifferentials) {
    const std::tuple<std::vector<float>, int, int, const char*, float> cases[] = {
        {{20, 15, 9.1f, 18, 8.5f, 30, 12}, 7, 0, "used = 2|Avg. = 8.8", 8.4f},
        {{10, 12, 14, 16, 18, 20, 22, 24}, 8, 1, "used = 8|Avg. = 17.0", 16.3f},
        {{9.9f, 20, 9.8f, 21, 22, 9.9f, 23, 24, 25}, 9, 1, "used = 3|Avg. = 9.9", 9.4f},
        {{15, 11, 2, 1}, 2, 0, "used = 1|Avg. = 11.0", 10.5f},
        {{-2.37f}, 1, 0, "used = 1|Avg. = -2.4", -2.2f}};  // -2.2752 cut toward zero
    for (const auto& [differentials, slot, averageAll, lines, index] : cases) {
        IndexResult result = indexOf(differentials, slot, 0, averageAll);
        EXPECT_EQ(result.lines.at(slot + 3).substr(12) + "|" + result.lines.at(slot + 4), lines);
        EXPECT_EQ(result.index, index) << lines;
    }
}

TEST(HandicapIndexTest, LimitedByTeeWhenSwitchedOn) {
    const std::tuple<int, int, float, float> cases[] = {{store::kWhiteTee, 1, 38, 36.4f},
                                                        {store::kRedTee, 1, 41, 40.4f},
                                                        {store::kBlueTee, 1, 41, 41},
                                                        {store::kWhiteTee, 0, 41, 41}};
    for (auto [tee, limit, computed, stored] : cases)
        EXPECT_EQ(indexOf({computed}, 1, 1.0f, 0, limit, tee).index, stored) << tee << " " << computed;
}

// Stroke indexes odd on the front nine and even on the back: hole 1 is index 1, hole 18 index 18.
TEST(StrokeAllocation, FollowsTheStrokeIndexes) {
    store::StrokeIndexes si{};
    for (int h = 1; h <= 9; ++h) si[h] = static_cast<int16_t>(2 * h - 1);
    for (int h = 10; h <= 18; ++h) si[h] = static_cast<int16_t>(2 * (h - 9));
    using Row = std::array<int, 5>;
    // Handicap, then the strokes on holes 1 (index 1), 16 (index 14), 8 (index 15) and 18 (index 18).
    for (Row c :
         {Row{0, 0, 0, 0, 0}, Row{14, 1, 1, 0, 0}, Row{20, 2, 1, 1, 1}, Row{36, 2, 2, 2, 2}, Row{-2, 0, 0, 0, -1}}) {
        HoleStrokes s = AllocateStrokes(c[0], si);
        EXPECT_EQ(std::accumulate(s.begin() + 1, s.end(), 0), c[0]);
        EXPECT_EQ((Row{c[0], s[1], s[16], s[8], s[18]}), c);
    }
    // Back nine: indexes 2, 4, ..., 18 rank 1..9; 5 strokes go to holes 10..14.
    HoleStrokes back = AllocateNineStrokes(5, si, 10);
    for (int h = 1; h <= 18; ++h) EXPECT_EQ(back[h], h >= 10 && h <= 14 ? 1 : 0) << h;
    // Eleven over nine holes: one everywhere, a second on the two hardest.
    HoleStrokes front = AllocateNineStrokes(11, si, 1);
    EXPECT_EQ((std::array<int, 5>{front[1], front[2], front[3], front[9], front[10]}),
              (std::array<int, 5>{2, 2, 1, 1, 0}));
}

}  // namespace
}  // namespace quorval::handicap
