#include <gtest/gtest.h>

#include <algorithm>

#include "entry/posting.hpp"
#include "handicap/rules.hpp"

using namespace quorval;

namespace {

class WorldRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        data->options.rules = store::HandicapRules::WHS;
        setCourse("73.0", "125");
        data->courseCount = data->playerCount = 1;
        ann().name = "Ann Smith";
        ann().tee = store::kWhiteTee;
    }

    // Pine Hills, par 36 + 36, stroke index h on hole h, rated from the white tee.
    void setCourse(const char* rating, const char* slope, bool strokeIndexes = true) {
        constexpr int kPars[18] = {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};
        namespace cf = store::course_field;
        store::CourseRecord& course = data->courses[1];
        course[cf::kParOut] = course[cf::kParIn] = "36";
        course[cf::kParTotal] = "72";
        course[cf::kName] = "Pine Hills";
        for (int h = 1; h <= 18; ++h) course[cf::kHolePar0 + h] = std::to_string(kPars[h - 1]);
        course[cf::kRating0 + store::kWhiteTee] = rating;
        course[cf::kSlope0 + store::kWhiteTee] = slope;
        for (int h = 1; h <= 18; ++h) data->strokeIndexes[1][h] = static_cast<int16_t>(strokeIndexes ? h : 0);
    }

    store::PlayerRecord& ann() { return data->players[1]; }

    // Stored rounds with these differentials and indexes, one a week from 1 Jan 2024.
    void stored(const std::vector<float>& differentials, float index) {
        ann().roundCount = static_cast<int16_t>(differentials.size());
        for (size_t i = 0; i < differentials.size(); ++i) {
            store::RoundRecord& r = ann().rounds[i + 1];
            r = {.differential = differentials[i],
                 .month = static_cast<int16_t>(1 + i / 4),
                 .day = static_cast<int16_t>(1 + 7 * (i % 4)),
                 .year = 24,
                 .handicapIndex = index,
                 .course = 1};
        }
    }

    float lastIndex() {
        handicap::IndexResult result;
        EXPECT_TRUE(handicap::RulesOf(*data).computeSlot(*data, 1, ann().roundCount, store::kWhiteTee,
                                                         handicap::SlotChange::Kept, result));
        return result.index;
    }

    entry::PostOutcome post(int out, int in) {
        entry::RoundEntry e;
        e.score[store::kOutSlot] = static_cast<int16_t>(out);
        e.score[store::kInSlot] = static_cast<int16_t>(in);
        return entry::PostRound(*data, 1, e, {1, 6, 1, 24}, 0).outcome;
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

// Differentials 5.0, 6.0, 7.0, ... in reverse order: the lowest m average 5.0 + (m - 1) / 2.
TEST_F(WorldRulesTest, IndexTakesTheRowForTheNumberOfRounds) {
    const float rows[][2] = {{2, 0},    {3, 3.0f},  {4, 4.0f},  {5, 5.0f},  {6, 4.5f},
                             {9, 6.0f}, {16, 7.0f}, {17, 7.5f}, {19, 8.0f}, {20, 8.5f}};
    for (auto [count, index] : rows) {
        std::vector<float> d;
        for (int k = static_cast<int>(count) - 1; k >= 0; --k) d.push_back(5.0f + static_cast<float>(k));
        stored(d, 30.0f);
        EXPECT_FLOAT_EQ(lastIndex(), index) << count;
    }
    stored({60.0f, 60.0f, 61.0f}, 30.0f);
    EXPECT_FLOAT_EQ(lastIndex(), 54.0f);  // never above 54.0
}

TEST_F(WorldRulesTest, PublishedExamplesAndHalvesRoundUpwardAlsoBelowZero) {
    post(47, 47);  // adjusted gross 94 on 73.0 / 125
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 19.0f);
    setCourse("73.1", "226");  // a slope of 2 x 113 leaves exact halves
    post(35, 35);              // (70 - 73.1) / 2 = -1.55
    EXPECT_EQ(ann().rounds[2].differential, -1.5f);
    stored({-1.5f, -1.6f, 30.0f, 30.0f, 30.0f, 30.0f, 30.0f}, 30.0f);  // the lowest two average -1.55
    EXPECT_FLOAT_EQ(lastIndex(), -1.5f);
    EXPECT_EQ(handicap::RulesOf(*data).indexText(-1.5f, 7, "#0.0"), "+1.5");
    // The calculation shows a plus index as the listing does; inside a sum it is a bracketed negative.
    handicap::IndexResult math;
    handicap::RulesOf(*data).computeSlot(*data, 1, 7, store::kWhiteTee, handicap::SlotChange::Kept, math);
    for (const char* line : {"index before caps = +1.5", "Hcp index = +1.5", "course handicap = (-1.5) x 226"}) {
        EXPECT_TRUE(std::any_of(math.lines.begin(), math.lines.end(), [line](const std::string& l) {
            return l.starts_with(line);
        })) << line;
    }
    // Index 27.7 on 71.1 / 129, par 72: course handicap 30.722, 26 at 85 percent.
    setCourse("71.1", "129");
    EXPECT_EQ(handicap::PlayingHandicap(27.7f, data->courses[1], store::kWhiteTee, 85), 26);
}

// The lowest 8 averaging 14.0 (11.6) against a low of 6.5 on the day given; round 20 on 1 Dec 2024,
// the score before it on 30 Nov 2024: the Low is looked for in the 365 days up to that score.
TEST_F(WorldRulesTest, CapsHoldTheIndexNearTheLowOfTheYearBefore) {
    const float cases[][5] = {
        {11.6f, 11, 1, 24, 10.6f},   // soft cap: 3.0 + half of 2.1
        {14.0f, 12, 1, 23, 11.5f},   // hard cap: never above Low + 5.0; 365 days back still count
        {14.0f, 11, 30, 23, 14.0f},  // a low older than the year does not
        {14.0f, 12, 1, 24, 14.0f},   // nor one from after the score before
    };
    for (auto [lowest8, month, day, year, index] : cases) {
        std::vector<float> d(20, 40.0f);
        std::fill_n(d.begin(), 8, lowest8);
        stored(d, 30.0f);
        std::tie(ann().rounds[19].month, ann().rounds[19].day) = std::pair(11, 30);
        std::tie(ann().rounds[20].month, ann().rounds[20].day) = std::pair(12, 1);
        store::RoundRecord& low = ann().rounds[10];
        std::tie(low.month, low.day, low.year, low.handicapIndex) = std::tuple(month, day, year, 6.5f);
        EXPECT_FLOAT_EQ(lastIndex(), index) << lowest8 << " " << month << "/" << day << "/" << year;
    }
}

TEST_F(WorldRulesTest, ExceptionalAndNineHoleRoundsAdjustTheDifferentials) {
    setCourse("72.0", "113");
    stored({20.0f, 21.0f, 22.0f, 23.0f, 24.0f}, 20.0f);
    post(43, 42);  // 13.0 over: 7.0 below the index, every differential drops 1.0
    EXPECT_EQ(std::tuple(ann().rounds[1].differential, ann().rounds[6].differential), std::tuple(19.0f, 12.0f));
    ann().rounds[6].handicapIndex = 20.0f;
    post(41, 41);  // 10.0 over, 10.0 below: 2.0
    EXPECT_EQ(std::tuple(ann().rounds[1].differential, ann().rounds[7].differential), std::tuple(17.0f, 8.0f));
    setCourse("72.1", "113");
    ann().rounds[7].handicapIndex = 20.0f;
    post(43, 43);  // 13.9 over, 6.9 below: nothing
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 17.0f);
    setCourse("72.0", "113");
    ann().roundCount = 0;
    post(40, 0);  // no index yet: the nine's 40 - 36.0 = 4.0 counts twice
    stored({ann().rounds[1].differential, 10.0f, 10.0f}, 10.0f);
    post(0, 40);  // 4.0 + 0.52 x 10.0 + 1.2
    EXPECT_EQ(std::tuple(ann().rounds[1].differential, ann().rounds[4].differential), std::tuple(8.0f, 10.4f));
    setCourse("72.0", "113", false);  // a course without stroke indexes is refused
    EXPECT_EQ(std::tuple(post(40, 40), ann().roundCount), std::tuple(entry::PostOutcome::CourseRefused, 4));
    EXPECT_NE(entry::CourseRefusedMessage(*data, 1).find("Pine Hills has no stroke indexes"), std::string::npos);
}

TEST_F(WorldRulesTest, NetDoubleBogeyFollowsTheStrokesReceived) {
    setCourse("72.0", "113");  // course handicap = index
    std::array<int, 19> none{}, fifteen{};
    std::fill(none.begin() + 1, none.end(), 12);
    std::fill(fifteen.begin() + 1, fifteen.end(), 12);
    ASSERT_TRUE(entry::EQadjust(*data, 1, 1, false, none, store::kWhiteTee));
    // Course handicap 15: hole 10 (par 4, index 10) takes par + 2 + 1; hole 16 (index 16) par + 2.
    stored({15.0f, 15.0f, 15.0f}, 15.0f);
    entry::EQadjust(*data, 1, 1, false, fifteen, store::kWhiteTee);
    EXPECT_EQ(std::tuple(none[10], fifteen[10], fifteen[16]), std::tuple(9, 7, 6));  // no index: par + 5
    EXPECT_TRUE(entry::HoleScoresLimited(*data));  // whatever the equitable switch says
}

}  // namespace
