#include <gtest/gtest.h>

#include <chrono>

#include "courses/chcpchart.hpp"
#include "entry/posting.hpp"
#include "handicap/rules.hpp"
#include "store/coursefile.hpp"

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
        course[cf::kName] = "Pine Hills";
        course[cf::kParOut] = course[cf::kParIn] = "36";
        course[cf::kParTotal] = "72";
        for (int h = 1; h <= 18; ++h) course[cf::kHolePar0 + h] = std::to_string(kPars[h - 1]);
        course[cf::kRating0 + store::kWhiteTee] = rating;
        course[cf::kSlope0 + store::kWhiteTee] = slope;
        for (int h = 1; h <= 18; ++h) data->strokeIndexes[1][h] = static_cast<int16_t>(strokeIndexes ? h : 0);
    }

    store::PlayerRecord& ann() { return data->players[1]; }

    // Stored rounds with these differentials, one a week from 1 Jan 2024, indexes left at 0.
    void stored(const std::vector<float>& differentials) {
        ann().roundCount = static_cast<int16_t>(differentials.size());
        for (size_t i = 0; i < differentials.size(); ++i) {
            store::RoundRecord& r = ann().rounds[i + 1];
            r.differential = differentials[i];
            r.course = 1;
            r.year = 24;
            r.month = static_cast<int16_t>(1 + i / 4);
            r.day = static_cast<int16_t>(1 + 7 * (i % 4));
        }
    }

    float indexOfSlot(int slot) {
        handicap::IndexResult result;
        EXPECT_TRUE(
            handicap::RulesOf(*data).computeSlot(*data, 1, slot, store::kWhiteTee, handicap::SlotChange::Kept, result));
        return result.index;
    }

    // A round of the given nine totals, holes left empty.
    entry::PostOutcome post(int out, int in, const std::string& line = "") {
        entry::RoundEntry e;
        e.score[store::kOutSlot] = static_cast<int16_t>(out);
        e.score[store::kInSlot] = static_cast<int16_t>(in);
        entry::PostResult result = entry::PostRound(*data, 1, e, {1, 6, 1, 24}, 0);
        bool listed = line.empty();
        for (const auto& l : result.index.lines) listed |= l.find(line) != std::string::npos;
        EXPECT_TRUE(listed) << "no line with " << line;
        return result.outcome;
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

// Differentials 5.0, 6.0, 7.0, ... in reverse order: the lowest m average 5.0 + (m - 1) / 2.
TEST_F(WorldRulesTest, IndexTakesTheRowForTheNumberOfRounds) {
    const float rows[][2] = {{2, 0},    {3, 3.0f},  {4, 4.0f},  {5, 5.0f},  {6, 4.5f},  {8, 5.5f},
                             {9, 6.0f}, {12, 6.5f}, {16, 7.0f}, {17, 7.5f}, {19, 8.0f}, {20, 8.5f}};
    for (auto [count, index] : rows) {
        int rounds = static_cast<int>(count);
        std::vector<float> d;
        for (int k = rounds - 1; k >= 0; --k) d.push_back(5.0f + static_cast<float>(k));
        stored(d);
        for (int r = 1; r < rounds; ++r) ann().rounds[r].handicapIndex = 30.0f;  // no cap acts
        EXPECT_FLOAT_EQ(indexOfSlot(rounds), index) << rounds;
    }
}

TEST_F(WorldRulesTest, PublishedExamples) {
    post(47, 47);  // adjusted gross 94 on 73.0 / 125
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 19.0f);
    stored({15.3f, 15.2f, 16.6f});  // three differentials: the lowest less 2.0
    EXPECT_FLOAT_EQ(indexOfSlot(3), 13.2f);
    // Index 27.7 on 71.1 / 129, par 72: course handicap 30.722, 26 at 85 percent.
    setCourse("71.1", "129");
    EXPECT_EQ(handicap::PlayingHandicap(27.7f, data->courses[1], store::kWhiteTee, 85), 26);
    EXPECT_EQ(handicap::RulesOf(*data).courseHandicap(27.7f, data->courses[1], store::kWhiteTee), 31.0f);
}

TEST_F(WorldRulesTest, HalvesRoundUpwardAlsoBelowZero) {
    setCourse("73.1", "226");  // a slope of 2 x 113 leaves exact halves
    post(35, 35);              // (70 - 73.1) / 2 = -1.55
    setCourse("65.9", "226");
    post(55, 55);  // (110 - 65.9) / 2 = 22.05
    EXPECT_EQ(std::tuple(ann().rounds[1].differential, ann().rounds[2].differential), std::tuple(-1.5f, 22.1f));
    // An average of two on a half: (-1.5 + -1.6) / 2 = -1.55.
    stored({-1.5f, -1.6f, 30.0f, 30.0f, 30.0f, 30.0f, 30.0f});
    EXPECT_FLOAT_EQ(indexOfSlot(7), -1.5f);
    EXPECT_EQ(handicap::RulesOf(*data).indexText(-1.5f, 7, "#0.0"), "+1.5");
    EXPECT_EQ(handicap::RulesOf(*data).indexText(0.0f, 2, "#0.0"), "--");
    stored({60.0f, 60.0f, 61.0f});  // never above 54.0
    EXPECT_FLOAT_EQ(indexOfSlot(3), 54.0f);
}

// The average of the lowest 8 against a low index reached some days before the 20th round.
TEST_F(WorldRulesTest, CapsHoldTheIndexNearTheLowOfTheYearBefore) {
    const float cases[][4] = {
        {11.6f, 6.5f, 30, 10.6f},   // soft cap: 3.0 + half of 2.1
        {9.5f, 6.5f, 30, 9.5f},     // within 3.0: untouched
        {14.0f, 6.5f, 30, 11.5f},   // hard cap: never above Low + 5.0
        {14.0f, 6.5f, 365, 11.5f},  // the year's first day still counts
        {14.0f, 6.5f, 366, 14.0f},  // a low older than the year does not
        {14.0f, 6.5f, 0, 14.0f},    // nor one from the round's own day
    };
    for (auto [lowest8, low, daysBefore, index] : cases) {
        std::vector<float> d(20, 40.0f);
        for (int k = 0; k < 8; ++k) d[static_cast<size_t>(k)] = lowest8;
        stored(d);
        // The 20th round on 1 Dec 2024; slot 10 holds the low, the others 30.0.
        for (int r = 1; r < 20; ++r) ann().rounds[r].handicapIndex = 30.0f;
        ann().rounds[20].month = 12;
        ann().rounds[20].day = 1;
        store::RoundRecord& lowRound = ann().rounds[10];
        lowRound.handicapIndex = low;
        using namespace std::chrono;
        year_month_day when{sys_days(year(2024) / 12 / 1) - days(static_cast<int>(daysBefore))};
        lowRound.year = static_cast<int16_t>(static_cast<int>(when.year()) - 2000);
        lowRound.month = static_cast<int16_t>(static_cast<unsigned>(when.month()));
        lowRound.day = static_cast<int16_t>(static_cast<unsigned>(when.day()));
        EXPECT_FLOAT_EQ(indexOfSlot(20), index) << lowest8 << " " << daysBefore;
    }
}

TEST_F(WorldRulesTest, ExceptionalScoreLowersEveryStoredDifferential) {
    setCourse("72.0", "113");
    stored({20.0f, 21.0f, 22.0f, 23.0f, 24.0f});
    ann().rounds[5].handicapIndex = 20.0f;
    // 85 is 13.0 over: 7.0 below the index, so every differential drops 1.0.
    post(43, 42, "exceptional score");
    EXPECT_EQ(std::tuple(ann().rounds[1].differential, ann().rounds[6].differential), std::tuple(19.0f, 12.0f));
    ann().rounds[6].handicapIndex = 20.0f;
    post(41, 41);  // 10.0 over, 10.0 below: 2.0
    EXPECT_EQ(std::tuple(ann().rounds[1].differential, ann().rounds[7].differential), std::tuple(17.0f, 8.0f));
    setCourse("72.1", "113");
    ann().rounds[7].handicapIndex = 20.0f;
    post(43, 43);  // 13.9 over, 6.9 below: nothing
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 17.0f);
}

TEST_F(WorldRulesTest, NineHoleRoundAddsTheExpectedDifferential) {
    setCourse("72.0", "113");
    // No index yet: the nine's differential (40 - 36.0 = 4.0) counts twice.
    post(40, 0, "counts twice");
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 8.0f);
    // Index 10.0 before: 4.0 + 0.52 x 10.0 + 1.2 = 10.4.
    stored({10.0f, 10.0f, 10.0f});
    ann().rounds[3].handicapIndex = 10.0f;
    post(0, 40, "approximation");
    EXPECT_FLOAT_EQ(ann().rounds[4].differential, 10.4f);
}

TEST_F(WorldRulesTest, NetDoubleBogeyFollowsTheStrokesReceived) {
    setCourse("72.0", "113");  // course handicap = index
    std::array<int, 19> scores{};
    std::fill(scores.begin() + 1, scores.end(), 12);
    // No index: par + 5 everywhere.
    ASSERT_TRUE(entry::EQadjust(*data, 1, 1, false, scores, store::kWhiteTee));
    EXPECT_EQ(scores[10], 9);
    // Course handicap 15: hole 10 (par 4, index 10) takes par + 2 + 1; hole 16 (index 16) par + 2.
    stored({15.0f, 15.0f, 15.0f});
    ann().rounds[3].handicapIndex = 15.0f;
    std::fill(scores.begin() + 1, scores.end(), 12);
    entry::EQadjust(*data, 1, 1, false, scores, store::kWhiteTee);
    EXPECT_EQ(std::tuple(scores[10], scores[16]), std::tuple(7, 6));
    EXPECT_TRUE(entry::HoleScoresLimited(*data));  // whatever the equitable switch says
}

TEST_F(WorldRulesTest, CourseWithoutStrokeIndexesIsRefused) {
    setCourse("72.0", "113", false);
    EXPECT_EQ(post(40, 40), entry::PostOutcome::CourseRefused);
    EXPECT_EQ(ann().roundCount, 0);
    EXPECT_NE(entry::CourseRefusedMessage(*data, 1).find("Pine Hills has no stroke indexes"), std::string::npos);
    data->options.rules = store::HandicapRules::Classic;
    EXPECT_EQ(post(40, 40), entry::PostOutcome::Posted);
}

TEST(CourseHandicapCalculator, AddsRatingLessParOnlyUnderRulesThatUseIt) {
    const handicap::Rules& world = handicap::WorldRules();
    EXPECT_EQ(courses::CalculateCourseHandicap("27.7", "129", "71.1", "72", world).message, "Course Handicap = 31");
    EXPECT_EQ(courses::CalculateCourseHandicap("27.7", "129", "71.1", "", world).outcome,
              courses::CalcOutcome::NoRating);
    EXPECT_EQ(courses::CalculateCourseHandicap("27.7", "129", "", "", handicap::ClassicRules()).message,
              "Course Handicap = 32");
}

}  // namespace
