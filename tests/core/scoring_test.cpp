#include "analysis/scoring.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <ostream>

#include "print/recordingprinter.hpp"

using namespace quorval;
using analysis::ScoreClass;

namespace {

struct ClassCase {
    int score;
    double par;
    ScoreClass expected;
};

void PrintTo(const ClassCase& c, std::ostream* os) {
    *os << c.score << " on par " << c.par;
}

class ClassifyTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ClassifyTest, ExactDistanceFromParOrOther) {
    EXPECT_EQ(analysis::ClassifyScore(GetParam().score, GetParam().par), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, ClassifyTest,
    ::testing::Values(ClassCase{4, 4, ScoreClass::Par}, ClassCase{3, 4, ScoreClass::Birdie},
                      ClassCase{2, 4, ScoreClass::Eagle}, ClassCase{5, 4, ScoreClass::Bogey},
                      ClassCase{6, 4, ScoreClass::DoubleBogey}, ClassCase{7, 4, ScoreClass::Other},
                      // A hole in one is an eagle on a par 3 only; on a par 4 or an albatross on a 5 it is other.
                      ClassCase{1, 3, ScoreClass::Eagle}, ClassCase{1, 4, ScoreClass::Other},
                      ClassCase{2, 5, ScoreClass::Other},
                      // A par that is no whole number matches nothing; a course without pars neither.
                      ClassCase{4, 4.5, ScoreClass::Other}, ClassCase{5, 4.5, ScoreClass::Other},
                      ClassCase{4, 0, ScoreClass::Other}));

class ScoringTest : public ::testing::Test {
protected:
    ScoringTest() {
        data().playerCount = 2;
        data().players[1].name = "Ann";
        data().courseCount = 2;
        setPars(1, 4);
        setPars(2, 3);
    }

    store::LeagueData& data() { return *m_data; }

    void setPars(int course, int par) {
        for (int h = 1; h <= 18; ++h) data().courses[course][store::course_field::kHolePar0 + h] = std::to_string(par);
    }

    // A round on the course with these scores on holes 1, 2, ...; the other holes not played.
    void addRound(int course, std::vector<int> scores) {
        store::PlayerRecord& ann = data().players[1];
        store::RoundRecord& round = ann.rounds[++ann.roundCount];
        round.course = static_cast<int16_t>(course);
        for (size_t h = 0; h < scores.size(); ++h) round.score[h + 1] = static_cast<int16_t>(scores[h]);
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
};

TEST_F(ScoringTest, CountsPlayedHolesOfEveryRoundAgainstItsCoursesPars) {
    addRound(1, {4, 3, 5, 0, 6, 9});             // par 4: par, birdie, bogey, not played, double, other
    addRound(2, {1, 3, 3, 4});                   // par 3: eagle, par, par, bogey
    data().players[1].rounds[1].score[19] = 27;  // the nine totals are no holes
    analysis::ScoreCounts counts = analysis::CountScores(data(), 1);
    EXPECT_EQ(counts.byClass, (std::array<int, 6>{1, 1, 3, 2, 1, 1}));
    EXPECT_EQ(counts.holes, 9);
    EXPECT_EQ(counts.parSum, 5 * 4 + 4 * 3);
    EXPECT_EQ(counts.scoreSum, 27 + 11);
    EXPECT_EQ(analysis::AverageParCaption(counts), "avg. par per hole = 3.6");
    EXPECT_EQ(analysis::AverageScoreCaption(counts), "avg. score per hole = 4.2");
    EXPECT_EQ(analysis::TotalHolesCaption(counts), "# of scores recorded = 9");
}

TEST_F(ScoringTest, APlayerWithoutScoresKeepsTheDesignCaptionsAndHasNoSlices) {
    addRound(1, {});
    analysis::ScoreCounts counts = analysis::CountScores(data(), 1);
    EXPECT_EQ(counts.holes, 0);
    EXPECT_EQ(analysis::AverageParCaption(counts), "Avg. Par per hole =");
    EXPECT_EQ(analysis::AverageScoreCaption(counts), "Avg. Score per hole =");
    EXPECT_EQ(analysis::TotalHolesCaption(counts), "# of scores recorded = 0");
    EXPECT_TRUE(analysis::ScoringSlices(counts).empty());
    EXPECT_EQ(analysis::CountScores(data(), 2).holes, 0);
}

constexpr float kTurn = 6.283186f;

analysis::ScoreCounts countsOf(std::array<int, 6> byClass) {
    analysis::ScoreCounts counts;
    counts.byClass = byClass;
    for (int n : byClass) counts.holes = static_cast<int16_t>(counts.holes + n);
    return counts;
}

TEST(ScoringSlicesTest, OnlyCategoriesWithHolesInTheFixedOrderColouredByPosition) {
    auto slices = analysis::ScoringSlices(countsOf({0, 0, 3, 1, 0, 0}));
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_EQ(slices[0].name, "Pars");
    EXPECT_EQ(slices[0].legendText, "Pars 75.0");
    EXPECT_EQ(slices[0].colour, 9);
    EXPECT_EQ(slices[1].legendText, "Bogies 25.0");
    EXPECT_EQ(slices[1].colour, 10);

    slices = analysis::ScoringSlices(countsOf({1, 2, 3, 4, 5, 6}));
    const char* names[] = {"Eagles", "Birdies", "Pars", "Bogies", "Double Bogies", "Other"};
    ASSERT_EQ(slices.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(slices[i].name, names[i]);
        EXPECT_EQ(slices[i].colour, 9 + i);
        EXPECT_FLOAT_EQ(slices[i].value, static_cast<float>(i + 1));
    }
    EXPECT_EQ(slices[0].legendText, "Eagles 4.8");
    EXPECT_EQ(slices[5].legendText, "Other 28.6");
}

// The first slice is centred at the top; each next one starts where the one before ended and the
// last one closes the circle. Angles stay within one turn, wrapping past three o'clock; a single
// slice starts and ends at the same angle.
TEST(ScoringSlicesTest, SlicesGoRoundFromTheTop) {
    auto slices = analysis::ScoringSlices(countsOf({0, 0, 3, 1, 0, 0}));
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_NEAR(slices[0].startAngle, 1.75 * std::numbers::pi, 1e-5);  // wrapped from -pi/4
    EXPECT_NEAR(slices[0].endAngle, 1.25 * std::numbers::pi, 1e-5);
    EXPECT_EQ(slices[1].startAngle, slices[0].endAngle);
    EXPECT_NEAR(slices[1].endAngle, slices[0].startAngle, 1e-5);

    slices = analysis::ScoringSlices(countsOf({1, 2, 3, 4, 5, 6}));
    const float sweep = kTurn / 21;
    EXPECT_NEAR(slices[0].startAngle, kTurn / 4 - sweep / 2, 1e-5);
    for (size_t i = 1; i < slices.size(); ++i) {
        EXPECT_EQ(slices[i].startAngle, slices[i - 1].endAngle);
        EXPECT_GE(slices[i].endAngle, 0.001f);
        EXPECT_LT(slices[i].endAngle, kTurn);
    }
    EXPECT_NEAR(slices[5].endAngle, slices[0].startAngle, 1e-5);

    slices = analysis::ScoringSlices(countsOf({0, 0, 18, 0, 0, 0}));
    ASSERT_EQ(slices.size(), 1u);
    EXPECT_EQ(slices[0].legendText, "Pars 100.0");
    EXPECT_NEAR(slices[0].startAngle, slices[0].endAngle, 1e-5);  // the whole circle
}

// The pie and its legend are drawn in a box at the top of the page, round on any paper; the
// captions follow in the print font.
TEST(ScoringChartTest, PrintsTheChartAcrossTheTopAndTheCaptionsUnderIt) {
    print::RecordingPrinter printer;
    printer.setFontNames({"Arial", "Courier New"});
    auto data = std::make_unique<store::LeagueData>();
    data->playerCount = 1;
    data->players[1].name = "Ann";
    const analysis::ScoreCounts counts = analysis::CountScores(*data, 1);
    analysis::PrintScoringChart(printer, *data, 1, "12-06-2026");
    ASSERT_EQ(printer.documents().size(), 1u);
    const print::Document& doc = printer.documents()[0];
    ASSERT_EQ(doc.pages.size(), 1u);
    const print::Page& page = doc.pages[0];
    EXPECT_EQ(page.orientation, platform::Orientation::Portrait);

    std::vector<std::string> captions;
    for (const print::PrintedText& t : page.texts) {
        if (t.font.name != "Arial") captions.push_back(t.text);
    }
    const std::string pad(15, ' ');
    EXPECT_EQ(captions,
              (std::vector<std::string>{" ", " ", "Ann" + pad, "  ", analysis::AverageParCaption(counts) + pad, " ",
                                        analysis::AverageScoreCaption(counts) + pad, " ",
                                        analysis::TotalHolesCaption(counts) + pad, "12-06-2026"}));
    const print::PrintedText& date = page.texts.back();
    EXPECT_NEAR(date.x, 0.85 * doc.pageWidth, 1e-6);
    EXPECT_NEAR(date.y, 0.9 * doc.pageHeight, 1e-6);
    EXPECT_EQ(date.font.size, 9);
    // Left in twips for the next job.
    EXPECT_EQ(printer.scaleWidth(), doc.pageWidth);
}

TEST(ScoringChartTest, PieIsRoundAndInsideItsBox) {
    print::RecordingPrinter printer;
    auto data = std::make_unique<store::LeagueData>();
    data->playerCount = 1;
    data->courseCount = 1;
    for (int h = 1; h <= 18; ++h) data->courses[1][store::course_field::kHolePar0 + h] = "4";
    store::PlayerRecord& ann = data->players[1];
    ann.roundCount = 1;
    ann.rounds[1].course = 1;
    for (int h = 1; h <= 18; ++h) ann.rounds[1].score[h] = static_cast<int16_t>(3 + h % 3);
    for (auto orientation : {platform::Orientation::Landscape, platform::Orientation::Portrait}) {
        printer.setOrientation(orientation);
        analysis::PrintScoringChart(printer, *data, 1, "12-06-2026");
        const print::Document& doc = printer.documents().back();
        std::vector<print::PieOp> pies;
        for (const print::DrawOp& op : doc.pages[0].drawings)
            if (const auto* pie = std::get_if<print::PieOp>(&op)) pies.push_back(*pie);
        ASSERT_EQ(pies.size(), 3u);
        for (const print::PieOp& pie : pies) {
            EXPECT_EQ(pie.radius, pies[0].radius);
            EXPECT_GE(pie.cx - pie.radius, doc.pageWidth / 20);
            EXPECT_GE(pie.cy - pie.radius, doc.pageHeight / 10);
            EXPECT_LE(pie.cy + pie.radius, doc.pageHeight / 10 + doc.pageHeight / 2.4);
            EXPECT_GT(pie.endAngle, pie.startAngle);  // counter-clockwise, as the painter takes it
        }
    }
}

}  // namespace
