#include "entry/posting.hpp"

#include <gtest/gtest.h>

#include "entry/recompute.hpp"
#include "handicap/handicapindex.hpp"
#include "leaguebuilder.hpp"
#include "scripteddialogs.hpp"
#include "store/leaguefile.hpp"
#include "tempdir.hpp"

namespace quorval::entry {
namespace {

using store::kBlueTee;
using store::kRedTee;
using store::kWhiteTee;

// Gross spread over the 18 holes, nine totals as the boxes sum them (85 gives 45 and 40).
RoundEntry card(int gross, int tee = kWhiteTee) {
    RoundEntry e;
    e.tee = tee;
    for (int h = 1; h <= 18; ++h) {
        e.score[h] = static_cast<int16_t>(gross / 18 + (h <= gross % 18 ? 1 : 0));
        e.score[h <= 9 ? store::kOutSlot : store::kInSlot] += e.score[h];
    }
    return e;
}

// The figures of a stored round: differential, index and course handicap.
std::tuple<float, float, float> figures(const store::RoundRecord& r) {
    return {r.differential, r.handicapIndex, r.courseHandicap};
}

class PostingTest : public ::testing::Test {
protected:
    PostingTest() { league(); }

    // Flat Acres has no usable slope on any tee, Ladies Out none on the red one.
    void league() {
        const char* const tees[3][4] = {{"Pine Hills", "70.4/120", "70.1/125", "72.5/131"},
                                        {"Flat Acres", "68.0/0", "69.0/", "70.0/abc"},
                                        {"Ladies Out", "71.0/0", "70.1/125", "72.0/128"}};
        testing::LeagueBuilder build(*data);
        for (const auto& course : tees) {
            build.course(course[0]);
            for (int t = 1; t <= 3; ++t) build.tee(t, std::string(course[t], 4), std::string(course[t] + 5));
        }
        build.player("Ann Smith");
    }

    store::PlayerRecord& ann() { return data->players[1]; }

    PostResult post(const RoundEntry& e, int editSlot = 0, RoundPlace place = {1, 6, 15, 4}) {
        return PostRound(*data, 1, e, place, editSlot);
    }

    handicap::IndexResult indexOf(int slot) {
        return handicap::ComputeHandicapIndex(ann(), slot, data->settings, kWhiteTee);
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST_F(PostingTest, NewRoundsFillTheNextSlotWithDateCourseHolesAndHandicapFigures) {
    RoundEntry e = card(85);
    PostResult first = post(e);
    const store::RoundRecord& r = ann().rounds[1];
    EXPECT_EQ((std::array<int, 6>{first.slot, ann().roundCount, r.month, r.day, r.year, r.course}),
              (std::array<int, 6>{1, 1, 6, 15, 4, 1}));
    EXPECT_EQ(r.score, e.score);
    EXPECT_EQ(figures(r), std::tuple(13.5f, 12.9f, 14.0f));  // (85 - 70.1) * 113 / 125 = 13.47
    post(card(80), 0, {1, 7, 1, 4});
    EXPECT_EQ(figures(ann().rounds[2]), std::tuple(8.9f, 8.5f, 9.0f));  // the lower of the two
    auto before = ann().rounds;
    e.score[store::kOutSlot] = e.score[store::kInSlot] = 0;
    EXPECT_EQ(post(e, 1).outcome, PostOutcome::NoScore);
    EXPECT_EQ(std::tuple(ann().roundCount, ann().rounds), std::tuple(2, before));
}

TEST_F(PostingTest, TeePlayedGivesRatingSlopeAndLimit) {
    const std::tuple<int, int16_t, int, float, float, float> cases[] = {
        {kRedTee, 0, 85, 13.7f, 13.1f, 14}, {kBlueTee, 0, 85, 10.8f, 10.3f, 12}, {kWhiteTee, 1, 130, 54.1f, 36.4f, 40}};
    for (auto [tee, limit, gross, differential, index, courseHandicap] : cases) {
        league();
        data->settings.hcpLimitCheck = limit;
        post(card(gross, tee));
        EXPECT_EQ(figures(ann().rounds[1]), std::tuple(differential, index, courseHandicap)) << tee << " " << gross;
    }
}

// A full player: a refused round must not even drop the oldest one.
TEST_F(PostingTest, NoSlopeRefusesWithoutTouchingAFullPlayer) {
    for (int k = 1; k <= 20; ++k) post(card(78 + (k * 5) % 13, k % 3 + 1), 0, {1, 4 + k / 8, k, 4});
    auto before = ann().rounds;
    const std::tuple<int, int, const char*> slopeless[] = {
        {2, kRedTee, "red tee of Flat Acres"}, {2, kBlueTee, "blue tee of Flat Acres"}, {1, 0, "tee chosen of Pine"}};
    for (auto [course, tee, what] : slopeless) {
        EXPECT_EQ(post(card(85, tee), 0, {course, 9, 1, 4}).outcome, PostOutcome::NoSlope) << what;
        EXPECT_EQ(ann().rounds, before);
        EXPECT_NE(NoSlopeMessage(*data, course, tee).find(std::string("The ") + what), std::string::npos) << what;
    }
}

TEST_F(PostingTest, TheTwentyFirstRoundDropsTheOldest) {
    for (int k = 1; k <= 20; ++k) post(card(78 + (k * 5) % 13, k % 3 + 1), 0, {1, 4 + k / 8, k, 4});
    auto before = ann().rounds;
    PostResult result = post(card(79), 0, {1, 9, 30, 4});
    EXPECT_EQ(std::tuple(result.slot, ann().roundCount), std::tuple(20, 20));
    for (int k = 1; k < 20; ++k) EXPECT_EQ(ann().rounds[k], before[k + 1]) << k;
    EXPECT_EQ(result.index.lines, indexOf(20).lines);
}

TEST_F(PostingTest, EditingASlotChangesOnlyThatSlot) {
    for (int k : {1, 2, 3}) post(card(80 + k), 0, {1, 5, k, 4});
    auto before = ann().rounds;
    PostResult result = post(card(100), 2, {1, 5, 2, 4});
    for (int k : {1, 3}) EXPECT_EQ(ann().rounds[k], before[k]) << k;
    EXPECT_EQ(std::tuple(result.slot, ann().roundCount, ann().rounds[2].differential), std::tuple(2, 3, 27.0f));
    EXPECT_EQ(result.index.lines, indexOf(2).lines);  // only slots 1..2 count
    EXPECT_NE(post(card(90), 4).outcome, PostOutcome::Posted);
}

TEST_F(PostingTest, DeletingSlotThreeOfFiveRecomputesTheNewLastOnTheTeePlayed) {
    for (int gross : {90, 88, 80, 92}) post(card(gross));
    post(card(85, kBlueTee));  // 10.8 from the blue tee
    auto before = ann().rounds;
    DeleteResult result = DeleteRound(*data, 1, 3);
    EXPECT_EQ(std::tuple(result.recomputed, ann().roundCount), std::tuple(true, 4));
    EXPECT_EQ(std::tie(ann().rounds[1], ann().rounds[2], ann().rounds[3]), std::tie(before[1], before[2], before[4]));
    EXPECT_EQ(figures(ann().rounds[4]), std::tuple(10.8f, 10.3f, 12.0f));  // still blue, without the 8.9
    EXPECT_EQ(result.index.lines, indexOf(4).lines);
    // Ladies Out has no red slope: a round whose tee the record does not know, left last, keeps
    // its figures.
    ann().tee = kRedTee;
    post(card(88), 0, {3, 6, 22, 4});
    ann().rounds[5].teePlayed = 0;
    store::RoundRecord last = ann().rounds[5];
    EXPECT_FALSE(DeleteRound(*data, 1, 1).recomputed);
    EXPECT_EQ(ann().rounds[4], last);
    EXPECT_NE(NotRecalculatedMessage(*data, 1).find("red tee of Ladies Out"), std::string::npos);
}

// Rounds stored out of date order, recomputed: the figures of posting them in order, the last too.
TEST_F(PostingTest, RecomputingGivesEveryRoundTheFiguresOfPostingInOrder) {
    testing::TempWorkDir dir;
    for (int k : {1, 2, 3}) post(card(95 - 5 * k), 0, {1, k, 1, 4});
    auto inOrder = ann().rounds;
    std::swap(ann().rounds[1], ann().rounds[3]);
    for (int k : {1, 2, 3}) ann().rounds[k].handicapIndex = ann().rounds[k].courseHandicap = 0;
    testing::writeBytes(data->leagueFileName, store::FormatLeague(*data));
    testing::ScriptedDialogs dialogs;
    ASSERT_TRUE(RecomputeAllIndexes(*data, dialogs));
    for (int k : {1, 2, 3}) EXPECT_EQ(figures(ann().rounds[k]), figures(inOrder[k])) << k;
}

// The band of the most recent stored round's course handicap (-1: none), the par of the course.
TEST_F(PostingTest, EquitableAdjustLowersAHoleToTheLimitOfTheLastCourseHandicap) {
    const std::tuple<int, bool, int16_t, int, int, int> cases[] = {
        {18, false, 1, 1, 9, 7}, {8, false, 1, 3, 6, 5}, {-1, false, 1, 1, 12, 10}, {18, true, 2, 1, 10, 9}};
    for (auto [lastCourseHandicap, nine, option, hole, score, limited] : cases) {
        data->settings.nineHoleOption = option;
        ann().roundCount = lastCourseHandicap >= 0 ? 2 : 0;
        ann().rounds[1].courseHandicap = ann().rounds[3].courseHandicap = 45;  // 3: outside the stored rounds
        ann().rounds[2].courseHandicap = static_cast<float>(lastCourseHandicap);
        std::array<int, 19> scores{}, expected{};
        scores[hole] = score;
        expected[hole] = limited;
        EXPECT_EQ(EQadjust(*data, 1, 1, nine, scores), limited != score) << lastCourseHandicap;
        EXPECT_EQ(scores, expected) << lastCourseHandicap;  // unplayed holes stay 0
    }
}

}  // namespace
}  // namespace quorval::entry
