#include "handicap/handicapindex.hpp"

#include <gtest/gtest.h>

namespace quorval::handicap {
namespace {

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

TEST(HandicapIndexTest, DifferentialsUsedOfTheRoundsTakenIntoAccount) {
    const int used[21] = {0, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 8, 9, 10};
    for (int rounds = 1; rounds <= 20; ++rounds) {
        EXPECT_EQ(DifferentialsUsed(rounds, false), used[rounds]) << rounds;
        EXPECT_EQ(DifferentialsUsed(rounds, true), rounds < 9 ? rounds : used[rounds]) << rounds;
    }
}

TEST(HandicapIndexTest, ListsEveryStepAndTheFactorWhenNotTheUsualOne) {
    IndexResult sorted = indexOf({10, -1.5f, 8.2f}, 3, 0.9f);
    EXPECT_EQ(sorted.index, -1.3f);  // -1.35 cut toward zero
    EXPECT_EQ(sorted.lines, (Lines{"Ann Smith", "HCP factor 0.90", "differentials", "-1.5", "8.2", "10",
                                   "total rounds = 3", "# of rounds used = 1", "Avg. = -1.5", "Hcp index = -1.3"}));
    EXPECT_EQ(indexOf({14.2f}, 1).lines[1], "differentials");
}

TEST(HandicapIndexTest, AveragesTheLowestDifferentials) {
    struct Case {
        std::vector<float> differentials;
        int slot;
        bool averageAll;
        const char* usedLine;
        const char* averageLine;
        float index;
    };
    const Case cases[] = {
        {{20, 15, 9.1f, 18, 8.5f, 30, 12}, 7, false, "# of rounds used = 2", "Avg. = 8.8", 8.4f},
        {{10, 12, 14, 16, 18, 20, 22, 24}, 8, true, "# of rounds used = 8", "Avg. = 17", 16.3f},
        {{9.9f, 20, 9.8f, 21, 22, 9.9f, 23, 24, 25}, 9, true, "# of rounds used = 3", "Avg. = 9.866667", 9.4f},
        {{15, 11, 2, 1}, 2, false, "# of rounds used = 1", "Avg. = 11", 10.5f},  // later rounds do not count
        {{-2.37f}, 1, false, "# of rounds used = 1", "Avg. = -2.37", -2.2f},     // -2.2752 cut toward zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.averageLine);
        IndexResult result = indexOf(c.differentials, c.slot, 0, c.averageAll);
        ASSERT_EQ(result.lines.size(), static_cast<size_t>(c.slot) + 6);
        EXPECT_EQ(result.lines[c.slot + 2], "total rounds = " + std::to_string(c.slot));
        EXPECT_EQ(result.lines[c.slot + 3], c.usedLine);
        EXPECT_EQ(result.lines[c.slot + 4], c.averageLine);
        EXPECT_EQ(result.index, c.index);
    }
}

TEST(HandicapIndexTest, LimitedByTeeWhenSwitchedOn) {
    struct Case {
        int tee, limit;
        float computed, stored;
    };
    for (const Case& c : {Case{store::kWhiteTee, 1, 38, 36.4f}, Case{store::kRedTee, 1, 41, 40.4f},
                          Case{store::kBlueTee, 1, 41, 41}, Case{store::kWhiteTee, 0, 41, 41}}) {
        EXPECT_EQ(indexOf({c.computed}, 1, 1.0f, 0, c.limit, c.tee).index, c.stored)
            << "tee " << c.tee << " computed " << c.computed;
    }
}

}  // namespace
}  // namespace quorval::handicap
