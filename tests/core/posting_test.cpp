#include "entry/posting.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "handicap/differential.hpp"
#include "handicap/handicapindex.hpp"

namespace quorval::entry {
namespace {

using store::kBlueTee;
using store::kRedTee;
using store::kWhiteTee;

constexpr int kPars[18] = {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};

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

class PostingTest : public ::testing::Test {
protected:
    void SetUp() override {
        setCourse(1, "Pine Hills", {"70.4", "70.1", "72.5"}, {"120", "125", "131"});
        setCourse(2, "Flat Acres", {"68.0", "69.0", "70.0"}, {"0", "", "abc"});  // no tee has a usable slope
        setCourse(3, "Ladies Out", {"71.0", "70.1", "72.0"}, {"0", "125", "128"});
        data->courseCount = 3;
        data->playerCount = 1;
        ann().name = "Ann Smith";
        ann().tee = kWhiteTee;
    }

    void setCourse(int c, const char* name, std::array<const char*, 3> ratings, std::array<const char*, 3> slopes) {
        store::CourseRecord& course = data->courses[c];
        course[store::course_field::kName] = name;
        for (int h = 1; h <= 18; ++h) course[store::course_field::kHolePar0 + h] = std::to_string(kPars[h - 1]);
        for (int t = 1; t <= 3; ++t) {
            course[store::course_field::kRating0 + t] = ratings[t - 1];
            course[store::course_field::kSlope0 + t] = slopes[t - 1];
        }
    }

    store::PlayerRecord& ann() { return data->players[1]; }

    PostResult post(const RoundEntry& e, int editSlot = 0, RoundPlace place = {1, 6, 15, 4}) {
        return PostRound(*data, 1, e, place, editSlot);
    }

    // Rounds that differ in every field: gross, tee, date and performance values.
    void postSeason(int rounds) {
        for (int k = 1; k <= rounds; ++k) {
            RoundEntry e = card(78 + (k * 5) % 13, k % 3 + 1);
            e.putts[1] = static_cast<int16_t>(k);
            e.fairway[2] = static_cast<int16_t>(1 + k % 2);
            e.green[store::kOutSlot] = static_cast<int16_t>(k % 9);
            ASSERT_EQ(post(e, 0, {1, 4 + k / 8, k, 4}).outcome, PostOutcome::Posted);
        }
    }

    handicap::IndexResult indexOf(int slot, int tee = kWhiteTee) {
        return handicap::ComputeHandicapIndex(ann(), slot, data->settings, tee);
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST_F(PostingTest, NewRoundsFillTheNextSlotWithDateCourseHolesAndHandicapFigures) {
    RoundEntry e = card(85);
    PostResult first = post(e);
    ASSERT_EQ(first.outcome, PostOutcome::Posted);
    EXPECT_EQ(first.slot, 1);
    EXPECT_EQ(ann().roundCount, 1);
    const store::RoundRecord& r = ann().rounds[1];
    EXPECT_EQ((std::array<int, 4>{r.month, r.day, r.year, r.course}), (std::array<int, 4>{6, 15, 4, 1}));
    EXPECT_EQ(r.score, e.score);
    EXPECT_FLOAT_EQ(r.differential, 13.5f);  // (85 - 70.1) * 113 / 125 = 13.47
    EXPECT_FLOAT_EQ(r.handicapIndex, 12.9f);
    EXPECT_FLOAT_EQ(r.courseHandicap, 14.0f);
    EXPECT_EQ(first.index.lines, (std::vector<std::string>{"Ann Smith", "differentials", "13.5", "total rounds = 1",
                                                           "# of rounds used = 1", "Avg. = 13.5", "Hcp index = 12.9"}));

    PostResult second = post(card(80), 0, {1, 7, 1, 4});
    EXPECT_EQ(second.slot, 2);
    EXPECT_FLOAT_EQ(ann().rounds[2].differential, 8.9f);
    EXPECT_FLOAT_EQ(ann().rounds[2].handicapIndex, 8.5f);  // the lower of the two
    EXPECT_FLOAT_EQ(ann().rounds[1].handicapIndex, 12.9f);
}

struct TeeCase {
    const char* name;
    int tee;
    bool limit;
    int gross;
    float differential, index, courseHandicap;
};

class PostTeeTest : public PostingTest, public ::testing::WithParamInterface<TeeCase> {};

// The tee played gives rating, slope and the index limit of the round.
TEST_P(PostTeeTest, TeePlayedGivesRatingSlopeAndLimit) {
    const TeeCase& c = GetParam();
    data->settings.hcpLimitCheck = c.limit ? 1 : 0;
    ASSERT_EQ(post(card(c.gross, c.tee)).outcome, PostOutcome::Posted);
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, c.differential);
    EXPECT_FLOAT_EQ(ann().rounds[1].handicapIndex, c.index);
    EXPECT_FLOAT_EQ(ann().rounds[1].courseHandicap, c.courseHandicap);
}

INSTANTIATE_TEST_SUITE_P(PostTees, PostTeeTest,
                         ::testing::Values(TeeCase{"Red", kRedTee, false, 85, 13.7f, 13.1f, 14},
                                           TeeCase{"White", kWhiteTee, false, 85, 13.5f, 12.9f, 14},
                                           TeeCase{"Blue", kBlueTee, false, 85, 10.8f, 10.3f, 12},
                                           TeeCase{"WhiteLimited", kWhiteTee, true, 130, 54.1f, 36.4f, 40},
                                           TeeCase{"BlueUnlimited", kBlueTee, true, 130, 49.6f, 47.6f, 55}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PostingTest, BothNinesZeroPostsNothingWhateverTheHoles) {
    postSeason(2);
    auto before = ann().rounds;
    RoundEntry e = card(85);
    e.score[store::kOutSlot] = e.score[store::kInSlot] = 0;
    EXPECT_EQ(post(e).outcome, PostOutcome::NoScore);
    EXPECT_EQ(post(e, 1).outcome, PostOutcome::NoScore);
    EXPECT_EQ(ann().roundCount, 2);
    EXPECT_EQ(ann().rounds, before);
}

struct NoSlopeCase {
    const char* name;
    int course, tee;
    const char* teeText;
};

class PostNoSlopeTest : public PostingTest, public ::testing::WithParamInterface<NoSlopeCase> {};

// A full player: a refused round must not even drop the oldest one.
TEST_P(PostNoSlopeTest, PostRefusedAndNothingChanged) {
    const NoSlopeCase& c = GetParam();
    postSeason(20);
    auto before = ann().rounds;
    EXPECT_EQ(post(card(85, c.tee), 0, {c.course, 9, 1, 4}).outcome, PostOutcome::NoSlope);
    EXPECT_EQ(post(card(85, c.tee), 3, {c.course, 9, 1, 4}).outcome, PostOutcome::NoSlope);
    EXPECT_EQ(ann().roundCount, 20);
    EXPECT_EQ(ann().rounds, before);
    std::string message = NoSlopeMessage(*data, c.course, c.tee);
    EXPECT_NE(message.find(std::string("The ") + c.teeText + " of " + data->courses[c.course][1] + " has no slope"),
              std::string::npos)
        << message;
}

INSTANTIATE_TEST_SUITE_P(PostSlopeless, PostNoSlopeTest,
                         ::testing::Values(NoSlopeCase{"SlopeZero", 2, kRedTee, "red tee"},
                                           NoSlopeCase{"SlopeEmpty", 2, kWhiteTee, "white tee"},
                                           NoSlopeCase{"SlopeNotANumber", 2, kBlueTee, "blue tee"},
                                           NoSlopeCase{"PlayerWithoutTee", 1, 0, "tee chosen"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PostingTest, TwentyFirstRoundDropsTheOldestAndTakesSlotTwenty) {
    postSeason(20);
    auto before = ann().rounds;
    RoundEntry e = card(79);
    PostResult result = post(e, 0, {1, 9, 30, 4});
    EXPECT_EQ(result.slot, 20);
    EXPECT_EQ(ann().roundCount, 20);
    for (int k = 1; k < 20; ++k) EXPECT_EQ(ann().rounds[k], before[k + 1]) << k;
    const store::RoundRecord& r = ann().rounds[20];
    EXPECT_EQ(r.month * 100 + r.day, 930);
    EXPECT_EQ(r.score, e.score);
    EXPECT_EQ(r.putts, store::HoleValues{});
    EXPECT_FLOAT_EQ(r.handicapIndex, indexOf(20).index);
    EXPECT_EQ(result.index.lines, indexOf(20).lines);
}

TEST_F(PostingTest, EditingSlotTwoOfTenChangesOnlySlotTwo) {
    postSeason(10);
    auto before = ann().rounds;
    const store::RoundRecord& stored = before[2];
    PostResult result = post(card(100), 2, {stored.course, stored.month, stored.day, stored.year});
    EXPECT_EQ(result.slot, 2);
    EXPECT_EQ(ann().roundCount, 10);
    for (int k = 1; k <= 20; ++k) {
        if (k != 2) {
            EXPECT_EQ(ann().rounds[k], before[k]) << k;
        }
    }
    const store::RoundRecord& r = ann().rounds[2];
    EXPECT_EQ(r.month * 100 + r.day, stored.month * 100 + stored.day);
    EXPECT_FLOAT_EQ(r.differential, 27.0f);  // (100 - 70.1) * 113 / 125
    EXPECT_FLOAT_EQ(r.handicapIndex, indexOf(2).index);
    EXPECT_NE(result.index.lines, indexOf(10).lines);  // only slots 1..2 count
    EXPECT_FLOAT_EQ(r.courseHandicap, *handicap::ComputeCourseHandicap(r.handicapIndex, 125));

    EXPECT_NE(post(card(90), 11).outcome, PostOutcome::Posted);  // no such stored round
    EXPECT_EQ(ann().roundCount, 10);
}

TEST_F(PostingTest, DeletingSlotThreeOfFiveRecomputesTheNewLastOnTheDefaultTee) {
    for (int gross : {90, 88, 80, 92}) post(card(gross));
    post(card(85, kBlueTee));  // 10.8 from the blue tee
    auto before = ann().rounds;
    DeleteResult result = DeleteRound(*data, 1, 3);
    EXPECT_TRUE(result.recomputed);
    EXPECT_EQ(ann().roundCount, 4);
    EXPECT_EQ(ann().rounds[1], before[1]);
    EXPECT_EQ(ann().rounds[2], before[2]);
    EXPECT_EQ(ann().rounds[3], before[4]);
    EXPECT_EQ(ann().rounds[5], before[5]);  // a copy outside the stored rounds
    const store::RoundRecord& last = ann().rounds[4];
    EXPECT_EQ(last.score, before[5].score);
    EXPECT_EQ(last.month * 100 + last.day, before[5].month * 100 + before[5].day);
    EXPECT_FLOAT_EQ(last.differential, 13.5f);   // white: 70.1 / 125
    EXPECT_FLOAT_EQ(last.handicapIndex, 12.9f);  // the deleted 8.9 no longer counts
    EXPECT_FLOAT_EQ(last.courseHandicap, 14.0f);
    EXPECT_EQ(result.index.lines, indexOf(4).lines);
}

TEST_F(PostingTest, DeletingTheMostRecentRoundMovesNothingAndRecomputesTheOneBefore) {
    data->settings.hcpLimitCheck = 1;
    ann().tee = kRedTee;
    for (int gross : {150, 140, 85}) post(card(gross, kBlueTee));
    auto before = ann().rounds;
    DeleteResult result = DeleteRound(*data, 1, 3);
    EXPECT_TRUE(result.recomputed);
    EXPECT_EQ(ann().roundCount, 2);
    EXPECT_EQ(ann().rounds[1], before[1]);
    EXPECT_EQ(ann().rounds[3].score, store::HoleValues{});
    EXPECT_EQ(ann().rounds[3].course, 0);
    EXPECT_FLOAT_EQ(ann().rounds[2].differential, 65.5f);   // (140 - 70.4) * 113 / 120
    EXPECT_FLOAT_EQ(ann().rounds[2].handicapIndex, 40.4f);  // the ladies' limit of the default tee
    EXPECT_FLOAT_EQ(ann().rounds[2].courseHandicap, 43.0f);
}

TEST_F(PostingTest, DeletingTheOnlyRoundLeavesNoneAndAnEmptySlotNothingToDelete) {
    post(card(85));
    for (int slot : {0, 2, -1}) DeleteRound(*data, 1, slot);
    EXPECT_EQ(ann().roundCount, 1);
    DeleteResult result = DeleteRound(*data, 1, 1);
    EXPECT_FALSE(result.recomputed);
    EXPECT_TRUE(result.index.lines.empty());
    EXPECT_EQ(ann().roundCount, 0);
    EXPECT_EQ(ann().rounds[1].score, store::HoleValues{});
}

TEST_F(PostingTest, DeletionWithoutSlopeOnTheDefaultTeeDeletesButKeepsTheLastRoundAsItWas) {
    ann().tee = kRedTee;  // Ladies Out has no red slope
    post(card(80));
    post(card(90));
    post(card(88), 0, {3, 6, 22, 4});
    store::RoundRecord last = ann().rounds[3];
    DeleteResult result = DeleteRound(*data, 1, 1);
    EXPECT_FALSE(result.recomputed);
    EXPECT_EQ(ann().roundCount, 2);
    EXPECT_EQ(ann().rounds[2], last);
    std::string message = NotRecalculatedMessage(*data, 1);
    EXPECT_NE(message.find("could not be recalculated"), std::string::npos) << message;
    EXPECT_NE(message.find("red tee of " + data->courses[3][1]), std::string::npos) << message;
}

struct EquitableCase {
    const char* name;
    int lastCourseHandicap;  // -1: no stored round
    bool nine;
    int option, hole, score, limited;
};

class EquitableAdjustTest : public PostingTest, public ::testing::WithParamInterface<EquitableCase> {};

// The band comes from the course handicap of the player's most recent round, the par from the
// course played.
TEST_P(EquitableAdjustTest, HoleLoweredToTheLimitOfTheLastCourseHandicap) {
    const EquitableCase& c = GetParam();
    data->settings.nineHoleOption = static_cast<int16_t>(c.option);
    if (c.lastCourseHandicap >= 0) {
        ann().roundCount = 2;
        ann().rounds[1].courseHandicap = 45;
        ann().rounds[2].courseHandicap = static_cast<float>(c.lastCourseHandicap);
        ann().rounds[3].courseHandicap = 45;  // outside the stored rounds
    }
    std::array<int, 19> scores{};
    scores[c.hole] = c.score;
    bool changed = EQadjust(*data, 1, 1, c.nine, scores);
    EXPECT_EQ(scores[c.hole], c.limited);
    EXPECT_EQ(changed, c.limited != c.score);
    scores[c.hole] = 0;
    EXPECT_EQ(scores, (std::array<int, 19>{}));  // unplayed holes stay 0
}

INSTANTIATE_TEST_SUITE_P(EquitableBands, EquitableAdjustTest,
                         ::testing::Values(EquitableCase{"Eighteen_NineOnParFour", 18, false, 1, 1, 9, 7},
                                           EquitableCase{"Eight_EightOnParFour", 8, false, 1, 1, 8, 6},
                                           EquitableCase{"Eight_ParThreeOfTheCourse", 8, false, 1, 3, 6, 5},
                                           EquitableCase{"NoRounds_Twelve", -1, false, 1, 1, 12, 10},
                                           EquitableCase{"NineHole_HalvedWithOptionOne", 18, true, 1, 1, 10, 7},
                                           EquitableCase{"NineHole_FullWithOptionTwo", 18, true, 2, 1, 10, 9},
                                           EquitableCase{"NineHole_LowBandParPlusTwo", 8, true, 1, 1, 8, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorval::entry
