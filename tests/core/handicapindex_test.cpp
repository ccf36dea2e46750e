#include "handicap/handicapindex.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace quorval::handicap {
namespace {

store::PlayerRecord playerWith(std::initializer_list<float> differentials) {
    store::PlayerRecord player;
    player.name = "Ann Smith";
    for (float d : differentials) player.rounds[++player.roundCount].differential = d;
    return player;
}

store::Settings factor(float hcpFactor) {
    store::Settings settings;
    settings.hcpFactor = hcpFactor;
    return settings;
}

TEST(DifferentialsUsedTest, LowestOfTheRoundsTakenIntoAccount) {
    const int used[21] = {0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
    for (int rounds = 1; rounds <= 20; ++rounds) {
        EXPECT_EQ(DifferentialsUsed(rounds, false), used[rounds]) << rounds;
        EXPECT_EQ(DifferentialsUsed(rounds, true), rounds < 9 ? rounds : used[rounds]) << rounds;
    }
}

TEST(HandicapIndexTest, OneRoundListsEveryStep) {
    IndexResult result = ComputeHandicapIndex(playerWith({14.2f}), 1, store::Settings{}, store::kWhiteTee);
    EXPECT_EQ(result.index, 13.6f);
    EXPECT_EQ(result.lines, (std::vector<std::string>{"Ann Smith", "differentials", "14.2", "total rounds = 1",
                                                      "# of rounds used = 1", "Avg. = 14.2", "Hcp index = 13.6"}));
}

TEST(HandicapIndexTest, OtherFactorIsListedAndSortedDifferentialsShown) {
    IndexResult result = ComputeHandicapIndex(playerWith({10, -1.5f, 8.2f}), 3, factor(0.9f), store::kWhiteTee);
    EXPECT_EQ(result.index, -1.3f);  // -1.35 cut toward zero
    EXPECT_EQ(result.lines, (std::vector<std::string>{"Ann Smith", "HCP factor 0.90", "differentials", "-1.5", "8.2",
                                                      "10", "total rounds = 3", "# of rounds used = 1", "Avg. = -1.5",
                                                      "Hcp index = -1.3"}));
}

TEST(HandicapIndexTest, FactorOfOneLeavesTheAverage) {
    IndexResult result = ComputeHandicapIndex(playerWith({12.98f}), 1, factor(1.0f), store::kBlueTee);
    EXPECT_EQ(result.lines[1], "HCP factor 1.00");
    EXPECT_EQ(result.index, 12.9f);
}

struct IndexCase {
    const char* name;
    std::vector<float> differentials;
    int slot;
    bool averageAll;
    const char* usedLine;
    const char* averageLine;
    float index;
};

class HandicapIndexCaseTest : public ::testing::TestWithParam<IndexCase> {};

TEST_P(HandicapIndexCaseTest, AveragesTheLowestDifferentials) {
    const IndexCase& c = GetParam();
    store::PlayerRecord player;
    for (float d : c.differentials) player.rounds[++player.roundCount].differential = d;
    store::Settings settings;
    settings.averageCheck = c.averageAll ? 1 : 0;
    IndexResult result = ComputeHandicapIndex(player, c.slot, settings, store::kWhiteTee);
    ASSERT_EQ(result.lines.size(), static_cast<size_t>(c.slot) + 6);
    EXPECT_EQ(result.lines[c.slot + 2], "total rounds = " + std::to_string(c.slot));
    EXPECT_EQ(result.lines[c.slot + 3], c.usedLine);
    EXPECT_EQ(result.lines[c.slot + 4], c.averageLine);
    EXPECT_EQ(result.index, c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Players, HandicapIndexCaseTest,
    ::testing::Values(
        IndexCase{"DescendingTwo", {15, 11}, 2, false, "# of rounds used = 1", "Avg. = 11", 10.5f},
        IndexCase{
            "SevenRounds", {20, 15, 9.1f, 18, 8.5f, 30, 12}, 7, false, "# of rounds used = 2", "Avg. = 8.8", 8.4f},
        IndexCase{
            "EightAveragedAll", {10, 12, 14, 16, 18, 20, 22, 24}, 8, true, "# of rounds used = 8", "Avg. = 17", 16.3f},
        IndexCase{"NineAveragingOn",
                  {9.9f, 20, 9.8f, 21, 22, 9.9f, 23, 24, 25},
                  9,
                  true,
                  "# of rounds used = 3",
                  "Avg. = 9.866667",
                  9.4f},
        IndexCase{"Twenty",
                  {40, 1, 39, 2, 38, 3, 37, 4, 36, 5, 35, 6, 34, 7, 33, 8, 32, 9, 31, 10},
                  20,
                  false,
                  "# of rounds used = 10",
                  "Avg. = 5.5",
                  5.2f},
        // Later rounds do not count for an earlier slot.
        IndexCase{"EarlierSlot", {15, 11, 2, 1}, 2, false, "# of rounds used = 1", "Avg. = 11", 10.5f},
        // Cut toward zero: -2.37 * 0.96 = -2.2752.
        IndexCase{"NegativeAverage", {-2.37f}, 1, false, "# of rounds used = 1", "Avg. = -2.37", -2.2f}),
    [](const ::testing::TestParamInfo<IndexCase>& info) { return info.param.name; });

struct LimitCase {
    int tee;
    bool limitOn;
    float computed, stored;
};

class IndexLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(IndexLimitTest, LimitedByTeeWhenSwitchedOn) {
    store::Settings settings = factor(1.0f);
    settings.hcpLimitCheck = GetParam().limitOn ? 1 : 0;
    IndexResult result = ComputeHandicapIndex(playerWith({GetParam().computed}), 1, settings, GetParam().tee);
    EXPECT_EQ(result.index, GetParam().stored) << "tee " << GetParam().tee << " computed " << GetParam().computed;
}

INSTANTIATE_TEST_SUITE_P(
    Tees, IndexLimitTest,
    ::testing::Values(LimitCase{store::kWhiteTee, true, 38, 36.4f}, LimitCase{store::kWhiteTee, true, 36.4f, 36.4f},
                      LimitCase{store::kRedTee, true, 41, 40.4f}, LimitCase{store::kRedTee, true, 38, 38},
                      LimitCase{store::kBlueTee, true, 41, 41}, LimitCase{store::kWhiteTee, false, 41, 41}));

}  // namespace
}  // namespace quorval::handicap
