#include "analysis/scoring.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "print/recordingprinter.hpp"

using namespace quorval;

namespace {

TEST(ScoringTest, ClassifiesTheExactDistanceFromParOrOther) {
    using enum analysis::ScoreClass;
    const analysis::ScoreClass onPar4[] = {Other, Eagle, Birdie, Par, Bogey, DoubleBogey, Other};
    for (int score = 1; score <= 7; ++score) EXPECT_EQ(analysis::ClassifyScore(score, 4), onPar4[score - 1]) << score;
    EXPECT_EQ(analysis::ClassifyScore(4, 4.5), Other);
    EXPECT_EQ(analysis::ClassifyScore(4, 0), Other);
}

class ScoringCountTest : public ::testing::Test {
protected:
    ScoringCountTest() {
        data.playerCount = data.courseCount = 2;
        data.players[1].name = "Ann";
        for (int h = 1; h <= 18; ++h)
            for (int c : {1, 2}) data.courses[c][store::course_field::kHolePar0 + h] = c == 1 ? "4" : "3";
    }

    void addRound(int course, std::vector<int> scores) {
        store::RoundRecord& round = data.players[1].rounds[++data.players[1].roundCount];
        round.course = static_cast<int16_t>(course);
        for (size_t h = 0; h < scores.size(); ++h) round.score[h + 1] = static_cast<int16_t>(scores[h]);
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    print::RecordingPrinter printer;
};

TEST_F(ScoringCountTest, CountsPlayedHolesOfEveryRoundAgainstItsCoursesPars) {
    addRound(1, {});
    EXPECT_TRUE(analysis::ScoringSlices(analysis::CountScores(data, 1)).empty());
    addRound(1, {4, 3, 5, 0, 6, 9});           // par 4: par, birdie, bogey, not played, double, other
    addRound(2, {1, 3, 3, 4});                 // par 3: eagle, par, par, bogey
    data.players[1].rounds[2].score[19] = 27;  // the nine totals are no holes
    const analysis::ScoreCounts counts = analysis::CountScores(data, 1);
    EXPECT_EQ(counts.byClass, (std::array<int, 6>{1, 1, 3, 2, 1, 1}));
    EXPECT_EQ(analysis::AverageParCaption(counts), "avg. par per hole = 3.6");
    EXPECT_EQ(analysis::AverageScoreCaption(counts), "avg. score per hole = 4.2");
    EXPECT_EQ(analysis::TotalHolesCaption(counts), "# of scores recorded = 9");
}

// The first slice is centred at the top, each next one starts where the one before ended and the
// last one closes the circle, wrapping past three o'clock.
TEST(ScoringSlicesTest, OnlyCategoriesWithHolesGoRoundFromTheTop) {
    constexpr float kTurn = 6.283186f;
    analysis::ScoreCounts counts;
    counts.byClass = {1, 2, 3, 4, 5, 6};
    counts.holes = 21;
    const std::vector<analysis::PieSlice> slices = analysis::ScoringSlices(counts);
    std::string all;
    for (const auto& x : slices)
        all += x.name + "|" + x.legendText + "|" + std::to_string(x.value) + "|" + std::to_string(x.colour) + " ";
    EXPECT_EQ(
        all,
        "Eagles|Eagles 4.8|1.000000|9 Birdies|Birdies 9.5|2.000000|10 Pars|Pars 14.3|3.000000|11 "
        "Bogies|Bogies 19.0|4.000000|12 Double Bogies|Double Bogies 23.8|5.000000|13 Other|Other 28.6|6.000000|14 ");
    EXPECT_NEAR(slices[0].startAngle, kTurn / 4 - kTurn / 42, 1e-5);
    for (size_t i = 1; i < 6; ++i) EXPECT_EQ(slices[i].startAngle, slices[i - 1].endAngle);
    for (const auto& x : slices) EXPECT_TRUE(x.endAngle >= 0.001f && x.endAngle < kTurn) << x.name;
    EXPECT_NEAR(slices[5].endAngle, slices[0].startAngle, 1e-5);
    counts.byClass = {0, 0, 18, 0, 0, 0};
    counts.holes = 18;
    const std::vector<analysis::PieSlice> whole = analysis::ScoringSlices(counts);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_NEAR(whole[0].startAngle, 0.75f * kTurn, 1e-5);  // wrapped from a quarter turn back
    EXPECT_NEAR(whole[0].endAngle, whole[0].startAngle, 1e-5);
}

TEST_F(ScoringCountTest, PrintsARoundPieAcrossTheTopAndTheCaptionsUnderIt) {
    printer.setFontNames({"Arial", "Courier New"});
    analysis::PrintScoringChart(printer, data, 1, "12-06-2026");
    const print::Page empty = printer.documents().at(0).pages.at(0);
    const double w = printer.documents()[0].pageWidth, h = printer.documents()[0].pageHeight - print::kFooterBand;
    std::vector<std::string> captions;
    for (const print::PrintedText& t : empty.texts)
        if (t.font.name != "Arial") captions.push_back(t.text);
    const std::string pad(15, ' ');
    EXPECT_EQ(captions, (std::vector<std::string>{" ", " ", "Ann" + pad, "  ", "Avg. Par per hole =" + pad, " ",
                                                  "Avg. Score per hole =" + pad, " ", "# of scores recorded = 0" + pad,
                                                  "12-06-2026"}));
    const print::PrintedText& date = empty.texts.back();  // bottom right: under the rest, clear of the footer
    EXPECT_TRUE(date.x > w / 2 && date.x + print::CharWidth(9) * 10 <= w && date.y + print::LineHeight(9) <= h);
    for (size_t i = 0; i + 1 < empty.texts.size(); ++i)
        EXPECT_LE(empty.texts[i].y + print::LineHeight(empty.texts[i].font.size), date.y) << empty.texts[i].text;
    EXPECT_EQ(printer.scaleWidth(), w);

    addRound(1, {4, 5, 3, 4, 5, 3, 4, 5, 3, 4, 5, 3, 4, 5, 3, 4, 5, 3});
    // Left landscape and bold by a listing, the chart still prints portrait in plain captions.
    printer.setOrientation(platform::Orientation::Landscape);
    printer.setBold(true);
    analysis::PrintScoringChart(printer, data, 1, "12-06-2026");
    const print::Page& page = printer.documents().back().pages.at(0);
    EXPECT_EQ(page.orientation, platform::Orientation::Portrait);
    EXPECT_FALSE(page.texts.back().font.bold);
    std::vector<print::PieOp> pies;
    for (const print::DrawOp& op : page.drawings)
        if (const auto* pie = std::get_if<print::PieOp>(&op)) pies.push_back(*pie);
    ASSERT_EQ(pies.size(), 3u);
    EXPECT_GT(pies[0].endAngle, pies[0].startAngle);  // counter-clockwise, as the painter takes it
    double swept = 0;                                 // the sectors close the circle
    for (const print::PieOp& pie : pies) swept += pie.endAngle - pie.startAngle;
    EXPECT_NEAR(swept, 2 * std::numbers::pi, 1e-6);
}

}  // namespace
