#include "analysis/statistics.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "print/recordingprinter.hpp"

using namespace quorval;

namespace {

using Holes = std::array<int16_t, 18>;
using Lines = std::vector<std::string>;

Holes all(int16_t v, int n = 18) {
    Holes h{};
    std::fill_n(h.begin(), n, v);
    return h;
}
// Ticked boxes store 2, the others 1.
Holes ticks(std::initializer_list<int> holes) {
    Holes h = all(1);
    for (int hole : holes) h[hole - 1] = 2;
    return h;
}
std::string blanks(size_t n) {
    return std::string(n, ' ');
}

class StatisticsTest : public ::testing::Test {
protected:
    StatisticsTest() {
        namespace cf = store::course_field;
        const char* names[][2] = {{"Pine Valley", "PV"}, {"Oak Hills", "OH"}};
        for (int c = 1; c <= 2; ++c) {
            data.courses[c][cf::kName] = names[c - 1][0];
            data.courses[c][cf::kInitials] = names[c - 1][1];
            for (int h = 1; h <= 18; ++h) data.courses[c][cf::kHolePar0 + h] = c == 1 ? "4" : "3";
        }
        data.courseCount = data.playerCount = 2;
        data.players[1].name = "Ann";
    }

    // A round of Ann's in June 2026; the nine totals count the hits.
    void add(int16_t course, int16_t day, float index, const Holes& scores, const Holes& putts = {},
             const Holes& fairways = {}, const Holes& greens = {}) {
        store::RoundRecord& r = data.players[1].rounds[++data.players[1].roundCount];
        r = {0, 6, day, 26, index, 0, course, {}, {}, {}, {}};
        for (int h = 1; h <= 18; ++h) {
            int nine = h <= 9 ? store::kOutSlot : store::kInSlot;
            r.score[nine] += r.score[h] = scores[h - 1];
            r.putts[nine] += r.putts[h] = putts[h - 1];
            r.fairway[nine] += (r.fairway[h] = fairways[h - 1]) == 2;
            r.green[nine] += (r.green[h] = greens[h - 1]) == 2;
        }
    }

    Lines summary(int player) {
        analysis::PerformanceSummary s = analysis::CalcAverages(data, player);
        return {s.hcp, s.averagePar, s.averageScore, s.fairways, s.greens, s.putts};
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
};

TEST_F(StatisticsTest, SummaryAveragesEveryRoundOnItsOwnCoursesPars) {
    const Holes puttsOf27{2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    add(1, 1, 14.2f, all(5), all(2), ticks({1, 2, 3, 4, 5, 6, 7}), ticks({1, 2, 3, 4}));
    add(2, 8, 12.4f, all(4), puttsOf27, ticks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), ticks({14, 15, 16, 17, 18}));
    EXPECT_EQ(summary(1),
              (Lines{"Current Hcp. Index = 12.4", "Avg. par per hole = 3.5", "Avg. score per hole = 4.5",
                     "Fairways 50.0 %", "Greens in Regulation 25.0 %", "Average # of Putts per Hole = 1.8"}));
    EXPECT_EQ(summary(2)[3] + ", " + summary(2)[5], "Fairways - no data, Average # of Putts per Hole - no data");

    // 33 putts on 20 holes is 1.65, which a Single holds as 1.6499999: it must still round up.
    data.players[1].roundCount = 0;
    add(1, 1, 8.0f, all(4), {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1});
    add(1, 2, 8.0f, all(4), all(1, 2));
    EXPECT_EQ(summary(1)[0] + " " + summary(1)[5], "Current Hcp. Index = 8.0 Average # of Putts per Hole = 1.7");

    EXPECT_EQ(analysis::CycleReports(data, 2), Lines{analysis::kNoStatistics});
}

TEST_F(StatisticsTest, ARoundIsFourLinesWhoseHoleColumnsStandUnderTheHeading) {
    add(1, 4, 9.5f, {4, 5, 3, 6, 4, 0, 3, 4, 5, 5, 4, 3, 5, 4, 4, 3, 4, 5},
        {2, 1, 2, 2, 2, 0, 2, 2, 1, 2, 2, 2, 2, 2, 1, 2, 2, 12}, ticks({1, 5, 12}), ticks({2, 18}));
    analysis::PerformanceStats stats;
    const Lines lines = analysis::ListStatLines(data, 1, 1, stats);
    EXPECT_EQ(lines,
              (Lines{"06/04/26  PV    34   37   71     9.5     4  5  3  6  4  -  3  4  5  5  4  3  5  4  4  3  4  5 ",
                     blanks(34) + "Putts  2  1  2  2  2  -  2  2  1  2  2  2  2  2  1  2  2 12 ",
                     blanks(32) + "Fairway  y  -  -  -  y  -  -  -  -  -  -  y  -  -  -  -  -  - ",
                     blanks(26) + "Green in Reg.  -  y  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  y "}));
    // The unscored sixth hole adds neither its par nor a recorded fairway.
    EXPECT_EQ(stats.parSum, 68);
    EXPECT_EQ(stats.fairwaysRecorded, 17);
}

TEST_F(StatisticsTest, CourseGroupsFollowTheirLatestRoundsAndAverageAlone) {
    // Pine Valley and Oak Hills played in turn; the latest round, at Pine Valley, has no data.
    add(1, 1, 10.0f, all(4), all(2), ticks({1}), ticks({1}));
    add(2, 8, 11.0f, all(5), all(1), all(1), all(1));
    add(1, 15, 12.0f, all(6), all(3), ticks({1, 2, 3}), ticks({}));
    add(2, 22, 13.0f, all(5), all(2), all(2), all(1));
    add(1, 29, 14.0f, all(4));
    const Lines lines = analysis::CycleReports(data, 1);
    ASSERT_EQ(lines.size(), 36u);
    // Each hole's value ends in the column of its hole number's last digit.
    EXPECT_EQ(lines[18] + lines[19],
              "  Date  Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 10 11 12 13 "
              "14 15 16 17 18" +
                  std::string(103, '_'));
    std::string dates;
    for (size_t i : {2, 7, 20, 25}) dates += lines[i].substr(0, 8) + " ";
    EXPECT_EQ(dates, "06/22/26 06/08/26 06/15/26 06/01/26 ");
    EXPECT_EQ(lines[11] + lines[15], "Oak HillsGreens in Regulation 0.0 %");
    EXPECT_EQ(Lines(lines.begin() + 29, lines.end()),
              (Lines{"Pine Valley", "Avg. par per hole = 4.0", "Avg. score per hole = 5.0", "Fairways 11.1 %",
                     "Greens in Regulation 2.8 %", "Average # of Putts per Hole = 2.5", " "}));
}

TEST_F(StatisticsTest, PrintsTheSummaryAndBreaksTheReviewAfterLines41And81) {
    print::RecordingPrinter printer{8 * print::kTwipsPerInch, 10.5 * print::kTwipsPerInch};
    printer.setFontNames({"Arial", "Courier New", "Times New Roman"});
    add(1, 1, 14.2f, all(5), all(2), ticks({1, 2, 3, 4, 5, 6, 7, 8, 9}), ticks({1}));
    analysis::PrintStatSummary(printer, data, "Ann", analysis::CalcAverages(data, 1), "12-06-2026");
    const print::Page summaryPage = printer.documents().at(0).pages.at(0);
    EXPECT_EQ(summaryPage.lines(),
              (Lines{"", "", blanks(14) + "Quorval" + blanks(10) + "12-06-2026", "", "",
                     blanks(5) + std::string(79, '_'), "", "    Ann", " ", "    Avg. score per hole = 5.0", " ",
                     "    Avg. par per hole = 4.0", " ", "    Fairways 50.0 %", " ", "    Greens in Regulation 5.6 %",
                     " ", "    Average # of Putts per Hole = 2.0", " "}));
    EXPECT_EQ(summaryPage.texts.back().font, (print::FontState{"Courier New", 12, true}));

    const Lines review(41 + 40 + 9, "line");
    analysis::PrintStatReview(printer, data, "Ann", review);
    const print::Document& doc = printer.documents().back();
    ASSERT_EQ(doc.pages.size(), 3u);
    for (size_t p = 0; p < 3; ++p) EXPECT_EQ(doc.pages[p].lines().size(), (std::array<size_t, 3>{48, 43, 12}[p])) << p;
    const Lines first = doc.pages[0].lines();
    EXPECT_EQ(Lines(first.begin(), first.begin() + 8),
              (Lines{" ", " ", " ", "  Quorval", " ", "  Ann", " ", "     line"}));
    EXPECT_EQ(doc.pages[1].lines()[3], "     line");
    EXPECT_EQ(doc.pages[2].texts.back().font, (print::FontState{"Courier New", 10, false}));
}

}  // namespace
