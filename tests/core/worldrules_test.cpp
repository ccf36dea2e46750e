#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "courses/chcpchart.hpp"
#include "entry/posting.hpp"
#include "handicap/rules.hpp"
#include "store/coursefile.hpp"

using namespace quorval;

namespace {

constexpr int kPars[18] = {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};  // 36 + 36

class WorldRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        data->options.rules = store::HandicapRules::WHS;
        setCourse(1, "Pine Hills", "73.0", "125");
        data->courseCount = 1;
        data->playerCount = 1;
        ann().name = "Ann Smith";
        ann().tee = store::kWhiteTee;
    }

    void setCourse(int c, const char* name, const char* rating, const char* slope, bool strokeIndexes = true) {
        store::CourseRecord& course = data->courses[c];
        course[store::course_field::kName] = name;
        course[store::course_field::kParOut] = "36";
        course[store::course_field::kParIn] = "36";
        course[store::course_field::kParTotal] = "72";
        for (int h = 1; h <= 18; ++h) course[store::course_field::kHolePar0 + h] = std::to_string(kPars[h - 1]);
        course[store::course_field::kRating0 + store::kWhiteTee] = rating;
        course[store::course_field::kSlope0 + store::kWhiteTee] = slope;
        store::StrokeIndexes si{};
        for (int h = 1; h <= 18; ++h) si[h] = strokeIndexes ? static_cast<int16_t>(h) : 0;
        data->strokeIndexes[c] = si;
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

    handicap::IndexResult indexOfSlot(int slot) {
        handicap::IndexResult result;
        EXPECT_TRUE(
            handicap::RulesOf(*data).computeSlot(*data, 1, slot, store::kWhiteTee, handicap::SlotChange::Kept, result));
        return result;
    }

    // A round of the given nine totals, holes left empty.
    entry::PostResult post(int out, int in, entry::RoundPlace place = {1, 6, 1, 24}) {
        entry::RoundEntry e;
        e.score[store::kOutSlot] = static_cast<int16_t>(out);
        e.score[store::kInSlot] = static_cast<int16_t>(in);
        return entry::PostRound(*data, 1, e, place, 0);
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

bool hasLine(const handicap::IndexResult& result, const std::string& part) {
    for (const auto& line : result.lines)
        if (line.find(part) != std::string::npos) return true;
    return false;
}

struct TableCase {
    int rounds;
    float index;
};

class IndexTable : public WorldRulesTest, public ::testing::WithParamInterface<TableCase> {};

}  // namespace

// Differentials 5.0, 6.0, 7.0, ... in reverse order: the lowest m average 5.0 + (m - 1) / 2.
TEST_P(IndexTable, TakesTheRowForTheNumberOfRounds) {
    std::vector<float> d;
    for (int k = GetParam().rounds - 1; k >= 0; --k) d.push_back(5.0f + static_cast<float>(k));
    stored(d);
    for (int r = 1; r < GetParam().rounds; ++r) ann().rounds[r].handicapIndex = 30.0f;  // no cap acts
    EXPECT_FLOAT_EQ(indexOfSlot(GetParam().rounds).index, GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Rows, IndexTable,
                         ::testing::Values(TableCase{2, 0}, TableCase{3, 3.0f}, TableCase{4, 4.0f}, TableCase{5, 5.0f},
                                           TableCase{6, 4.5f}, TableCase{8, 5.5f}, TableCase{9, 6.0f},
                                           TableCase{12, 6.5f}, TableCase{16, 7.0f}, TableCase{17, 7.5f},
                                           TableCase{19, 8.0f}, TableCase{20, 8.5f}));

TEST_F(WorldRulesTest, PublishedExamples) {
    // Adjusted gross 94 on 73.0 / 125 gives 19.0.
    post(47, 47);
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 19.0f);
    // Three differentials: the lowest less 2.0.
    stored({15.3f, 15.2f, 16.6f});
    EXPECT_FLOAT_EQ(indexOfSlot(3).index, 13.2f);
    // Index 27.7 on 71.1 / 129, par 72: course handicap 30.722, 26 at 85 percent.
    setCourse(1, "Pine Hills", "71.1", "129");
    EXPECT_EQ(handicap::PlayingHandicap(27.7f, data->courses[1], store::kWhiteTee, 85), 26);
    EXPECT_EQ(handicap::RulesOf(*data).courseHandicap(27.7f, data->courses[1], store::kWhiteTee), 31.0f);
}

TEST_F(WorldRulesTest, HalvesRoundUpwardAlsoBelowZero) {
    setCourse(1, "Pine Hills", "73.1", "226");  // a slope of 2 x 113 leaves exact halves
    post(35, 35);                               // (70 - 73.1) / 2 = -1.55
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, -1.5f);
    setCourse(1, "Pine Hills", "65.9", "226");
    post(55, 55);  // (110 - 65.9) / 2 = 22.05
    EXPECT_FLOAT_EQ(ann().rounds[2].differential, 22.1f);
    // An average of two on a half: (-1.5 + -1.6) / 2 = -1.55.
    stored({-1.5f, -1.6f, 30.0f, 30.0f, 30.0f, 30.0f, 30.0f});
    EXPECT_FLOAT_EQ(indexOfSlot(7).index, -1.5f);
    EXPECT_EQ(handicap::RulesOf(*data).indexText(-1.5f, 7, "#0.0"), "+1.5");
    EXPECT_EQ(handicap::RulesOf(*data).indexText(0.0f, 2, "#0.0"), "--");
    // Never above 54.0.
    stored({60.0f, 60.0f, 61.0f});
    EXPECT_FLOAT_EQ(indexOfSlot(3).index, 54.0f);
}

struct CapCase {
    float lowest8;      // the average of the lowest 8
    float low;          // index on an earlier slot
    int lowDaysBefore;  // how long before the 20th round that index was reached
    float index;
};

class Caps : public WorldRulesTest, public ::testing::WithParamInterface<CapCase> {};

TEST_P(Caps, HoldTheIndexNearTheLowOfTheYearBefore) {
    const CapCase& c = GetParam();
    std::vector<float> d(20, 40.0f);
    for (int k = 0; k < 8; ++k) d[static_cast<size_t>(k)] = c.lowest8;
    stored(d);
    // The 20th round on 1 Dec 2024; slot 10 holds the low, the others 30.0.
    for (int r = 1; r < 20; ++r) ann().rounds[r].handicapIndex = 30.0f;
    ann().rounds[20].month = 12;
    ann().rounds[20].day = 1;
    store::RoundRecord& low = ann().rounds[10];
    low.handicapIndex = c.low;
    using namespace std::chrono;
    year_month_day when{sys_days(year(2024) / 12 / 1) - days(c.lowDaysBefore)};
    low.year = static_cast<int16_t>(static_cast<int>(when.year()) - 2000);
    low.month = static_cast<int16_t>(static_cast<unsigned>(when.month()));
    low.day = static_cast<int16_t>(static_cast<unsigned>(when.day()));
    EXPECT_FLOAT_EQ(indexOfSlot(20).index, c.index);
}

INSTANTIATE_TEST_SUITE_P(Cases, Caps,
                         ::testing::Values(CapCase{11.6f, 6.5f, 30, 10.6f},   // soft cap: 3.0 + half of 2.1
                                           CapCase{9.5f, 6.5f, 30, 9.5f},     // within 3.0: untouched
                                           CapCase{14.0f, 6.5f, 30, 11.5f},   // hard cap: never above Low + 5.0
                                           CapCase{14.0f, 6.5f, 365, 11.5f},  // the year's first day still counts
                                           CapCase{14.0f, 6.5f, 366, 14.0f},  // a low older than the year does not
                                           CapCase{14.0f, 6.5f, 0, 14.0f}));  // nor one from the round's own day

TEST_F(WorldRulesTest, ExceptionalScoreLowersEveryStoredDifferential) {
    setCourse(1, "Pine Hills", "72.0", "113");
    stored({20.0f, 21.0f, 22.0f, 23.0f, 24.0f});
    ann().rounds[5].handicapIndex = 20.0f;
    // 85 is 13.0 over: 7.0 below the index, so every differential drops 1.0.
    entry::PostResult posted = post(43, 42);
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 19.0f);
    EXPECT_FLOAT_EQ(ann().rounds[6].differential, 12.0f);
    EXPECT_TRUE(hasLine(posted.index, "exceptional score"));
    // 10.0 below: 2.0.
    ann().rounds[6].handicapIndex = 20.0f;
    post(41, 41);  // 10.0 over
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 17.0f);
    EXPECT_FLOAT_EQ(ann().rounds[7].differential, 8.0f);
    // 6.9 below: nothing.
    setCourse(1, "Pine Hills", "72.1", "113");
    ann().rounds[7].handicapIndex = 20.0f;
    post(43, 43);  // 13.9 over
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 17.0f);
}

TEST_F(WorldRulesTest, NineHoleRoundAddsTheExpectedDifferential) {
    setCourse(1, "Pine Hills", "72.0", "113");
    // No index yet: the nine's differential (40 - 36.0 = 4.0) counts twice.
    entry::PostResult first = post(40, 0);
    EXPECT_FLOAT_EQ(ann().rounds[1].differential, 8.0f);
    EXPECT_TRUE(hasLine(first.index, "counts twice"));
    // Index 10.0 before: 4.0 + 0.52 x 10.0 + 1.2 = 10.4.
    stored({10.0f, 10.0f, 10.0f});
    ann().rounds[3].handicapIndex = 10.0f;
    entry::PostResult later = post(0, 40);
    EXPECT_FLOAT_EQ(ann().rounds[4].differential, 10.4f);
    EXPECT_TRUE(hasLine(later.index, "approximation"));
}

TEST_F(WorldRulesTest, NetDoubleBogeyFollowsTheStrokesReceived) {
    setCourse(1, "Pine Hills", "72.0", "113");  // course handicap = index
    std::array<int, 19> scores{};
    scores.fill(12);
    scores[0] = 0;
    // No index: par + 5 everywhere.
    ASSERT_TRUE(entry::EQadjust(*data, 1, 1, false, scores, store::kWhiteTee));
    EXPECT_EQ(scores[10], 9);
    // Course handicap 15: hole 10 (par 4, index 10) takes par + 2 + 1; hole 16 (index 16) par + 2.
    stored({15.0f, 15.0f, 15.0f});
    ann().rounds[3].handicapIndex = 15.0f;
    scores.fill(12);
    scores[0] = 0;
    entry::EQadjust(*data, 1, 1, false, scores, store::kWhiteTee);
    EXPECT_EQ(scores[10], 7);
    EXPECT_EQ(scores[16], 6);
    EXPECT_TRUE(entry::HoleScoresLimited(*data));  // whatever the equitable switch says
}

TEST_F(WorldRulesTest, CourseWithoutStrokeIndexesIsRefused) {
    setCourse(1, "Pine Hills", "72.0", "113", false);
    entry::PostResult posted = post(40, 40);
    EXPECT_EQ(posted.outcome, entry::PostOutcome::CourseRefused);
    EXPECT_EQ(ann().roundCount, 0);
    EXPECT_NE(entry::CourseRefusedMessage(*data, 1).find("Pine Hills has no stroke indexes"), std::string::npos);
    data->options.rules = store::HandicapRules::Classic;
    EXPECT_EQ(post(40, 40).outcome, entry::PostOutcome::Posted);
}

TEST(CourseHandicapCalculator, AddsRatingLessParOnlyUnderRulesThatUseIt) {
    const handicap::Rules& world = handicap::WorldRules();
    EXPECT_EQ(courses::CalculateCourseHandicap("27.7", "129", "71.1", "72", world).message, "Course Handicap = 31");
    EXPECT_EQ(courses::CalculateCourseHandicap("27.7", "129", "71.1", "", world).outcome,
              courses::CalcOutcome::NoRating);
    EXPECT_EQ(courses::CalculateCourseHandicap("27.7", "129", "", "", handicap::ClassicRules()).message,
              "Course Handicap = 32");
}
