#include "analysis/statistics.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "print/recordingprinter.hpp"

using namespace quorval;

namespace {

using Holes = std::array<int, 18>;

Holes all(int v) {
    Holes h;
    h.fill(v);
    return h;
}

// Holes 1..n get `v`, the rest 0.
Holes first(int n, int v) {
    Holes h{};
    for (int i = 0; i < n; ++i) h[i] = v;
    return h;
}

std::string blanks(size_t n) {
    return std::string(n, ' ');
}

// A round as the score windows store it: hole values, and the nine totals in slots 19 and 20
// (the fairway and green totals count the hits).
store::RoundRecord makeRound(int course, int month, int day, int year, float index, const Holes& scores,
                             const Holes& putts = {}, const Holes& fairways = {}, const Holes& greens = {}) {
    store::RoundRecord r;
    r.course = static_cast<int16_t>(course);
    r.month = static_cast<int16_t>(month);
    r.day = static_cast<int16_t>(day);
    r.year = static_cast<int16_t>(year);
    r.handicapIndex = index;
    for (int h = 1; h <= 18; ++h) {
        int nine = h <= 9 ? store::kOutSlot : store::kInSlot;
        r.score[h] = static_cast<int16_t>(scores[h - 1]);
        r.putts[h] = static_cast<int16_t>(putts[h - 1]);
        r.fairway[h] = static_cast<int16_t>(fairways[h - 1]);
        r.green[h] = static_cast<int16_t>(greens[h - 1]);
        r.score[nine] += r.score[h];
        r.putts[nine] += r.putts[h];
        r.fairway[nine] += r.fairway[h] == 2;
        r.green[nine] += r.green[h] == 2;
    }
    return r;
}

// Ticked boxes store 2, the others 1.
Holes ticks(std::initializer_list<int> holes) {
    Holes h = all(1);
    for (int hole : holes) h[hole - 1] = 2;
    return h;
}

class StatisticsTest : public ::testing::Test {
protected:
    StatisticsTest() {
        setCourse(1, "Pine Valley", "PV", {4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5});
        setCourse(2, "Oak Hills", "OH", all(3));
        data().playerCount = 2;
        data().players[1].name = "Ann";
        data().players[2].name = "Bob";
    }

    store::LeagueData& data() { return *m_data; }

    void setCourse(int c, const std::string& name, const std::string& initials, const Holes& pars) {
        store::CourseRecord& course = data().courses[c];
        course[store::course_field::kName] = name;
        course[store::course_field::kInitials] = initials;
        for (int h = 1; h <= 18; ++h) course[store::course_field::kHolePar0 + h] = std::to_string(pars[h - 1]);
        data().courseCount = static_cast<int16_t>(std::max<int>(data().courseCount, c));
    }

    void addRound(int player, const store::RoundRecord& round) {
        store::PlayerRecord& p = data().players[player];
        p.rounds[++p.roundCount] = round;
    }

    std::vector<std::string> summary(int player) {
        analysis::PerformanceSummary s = analysis::CalcAverages(data(), player);
        return {s.hcp, s.averagePar, s.averageScore, s.fairways, s.greens, s.putts};
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
};

TEST_F(StatisticsTest, AveragesCoverEveryRoundOnItsOwnCoursesPars) {
    // 90 strokes, 36 putts, 7 fairways and 4 greens on the par-72 course; 72 strokes, 27 putts,
    // 11 fairways and 5 greens on the par-54 one.
    addRound(1, makeRound(1, 6, 1, 26, 14.2f, all(5), all(2), ticks({1, 2, 3, 4, 5, 6, 7}), ticks({1, 2, 3, 4})));
    addRound(1, makeRound(2, 6, 8, 26, 12.4f, all(4), Holes{2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                          ticks({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), ticks({14, 15, 16, 17, 18})));
    EXPECT_EQ(summary(1), (std::vector<std::string>{
                              "Current Hcp. Index = 12.4", "Avg. par per hole = 3.5", "Avg. score per hole = 4.5",
                              "Fairways 50.0 %", "Greens in Regulation 25.0 %", "Average # of Putts per Hole = 1.8"}));
}

TEST_F(StatisticsTest, RoundsWithoutPerformanceDataAverageOnlyScoreAndPar) {
    addRound(1, makeRound(1, 6, 1, 26, 8.0f, all(5)));
    EXPECT_EQ(summary(1),
              (std::vector<std::string>{"Current Hcp. Index = 8", "Avg. par per hole = 4.0",
                                        "Avg. score per hole = 5.0", "Fairways - no data",
                                        "Greens in Regulation - no data", "Average # of Putts per Hole - no data"}));
    EXPECT_EQ(analysis::CycleReports(data(), 1),
              std::vector<std::string>{" No personal statistics found for this player."});
    EXPECT_EQ(summary(2),
              (std::vector<std::string>{"Current Hcp. Index = --", "Avg. par per hole = 0.0",
                                        "Avg. score per hole = 0.0", "Fairways - no data",
                                        "Greens in Regulation - no data", "Average # of Putts per Hole - no data"}));
}

// A hit counts on any hole, a recorded value only on a scored one; putts count on every hole.
TEST_F(StatisticsTest, HitsOnUnscoredHolesCountAsHitsOnly) {
    Holes greens = ticks({10, 11, 12, 13, 14, 15, 16, 17, 18});
    addRound(1, makeRound(1, 6, 1, 26, 10.0f, first(9, 4), all(2), all(2), greens));
    std::vector<std::string> s = summary(1);
    EXPECT_EQ(s[2], "Avg. score per hole = 4.0");
    EXPECT_EQ(s[3], "Fairways 200.0 %");
    EXPECT_EQ(s[4], "Greens in Regulation 100.0 %");
    EXPECT_EQ(s[5], "Average # of Putts per Hole = 2.0");
}

// 33 putts on 20 holes is 1.65, which a Single holds as 1.6499999: it must still round up.
TEST_F(StatisticsTest, HalvesRoundUpAsTheAverageReads) {
    addRound(1, makeRound(1, 6, 1, 26, 10.0f, all(4), Holes{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1},
                          all(1), all(1)));
    addRound(1, makeRound(1, 6, 2, 26, 10.0f, all(4), first(2, 1), all(1), all(1)));
    EXPECT_EQ(summary(1)[5], "Average # of Putts per Hole = 1.7");
}

TEST_F(StatisticsTest, OnlyPuttOrFairwayTotalsMarkARoundForTheReview) {
    addRound(1, makeRound(1, 6, 1, 26, 10.0f, all(4)));
    for (auto [course, total] : {std::pair{2, &store::RoundRecord::putts},
                                 {1, &store::RoundRecord::fairway},
                                 {1, &store::RoundRecord::green}}) {
        store::RoundRecord round = makeRound(course, 6, 2, 26, 10.0f, all(4));
        (round.*total)[store::kInSlot] = 1;
        addRound(1, round);
    }
    analysis::StatRounds found = analysis::FindStatRounds(data(), 1);
    EXPECT_TRUE(found.statsFound);
    EXPECT_EQ(std::vector<int>(found.statCourse.begin(), found.statCourse.begin() + 6),
              (std::vector<int>{0, 0, 2, 1, 0, 0}));
}

TEST_F(StatisticsTest, ARoundIsFourLinesWhoseHoleColumnsStandUnderTheHeading) {
    Holes scores{4, 5, 3, 6, 4, 0, 3, 4, 5, 5, 4, 3, 5, 4, 4, 3, 4, 5};
    Holes putts{2, 1, 2, 2, 2, 0, 2, 2, 1, 2, 2, 2, 2, 2, 1, 2, 2, 12};
    addRound(1, makeRound(1, 7, 4, 26, 9.5f, scores, putts, ticks({1, 5, 12}), ticks({2, 18})));
    analysis::PerformanceStats stats;
    std::vector<std::string> lines = analysis::ListStatLines(data(), 1, 1, stats);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              "07/04/26  PV    34   37   71     9.5     4  5  3  6  4  -  3  4  5  5  4  3  5  4  4  3  4  5 ");
    EXPECT_EQ(lines[1], blanks(34) + "Putts  2  1  2  2  2  -  2  2  1  2  2  2  2  2  1  2  2 12 ");
    EXPECT_EQ(lines[2], blanks(32) + "Fairway  y  -  -  -  y  -  -  -  -  -  -  y  -  -  -  -  -  - ");
    EXPECT_EQ(lines[3], blanks(26) + "Green in Reg.  -  y  -  -  -  -  -  -  -  -  -  -  -  -  -  -  -  y ");

    // Each hole's value ends in the column of its hole number's last digit.
    std::string heading = analysis::AddTopHeading()[0];
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), heading.size() + 1) << line;
        for (size_t h = 0; h < 18; ++h) {
            size_t last = 41 + 3 * h;
            EXPECT_NE(heading[last], ' ') << "hole " << h + 1;
            EXPECT_NE(line[last], ' ') << "hole " << h + 1 << " of " << line;
            EXPECT_EQ(line[last + 1], ' ') << "hole " << h + 1 << " of " << line;
        }
    }
    EXPECT_EQ(analysis::AddTopHeading()[1], std::string(103, '_'));

    // The unscored sixth hole adds neither its par nor a recorded fairway.
    EXPECT_EQ(stats.parSum, 68);
    EXPECT_EQ(stats.fairwaysRecorded, 17);
    EXPECT_EQ(stats.puttSum, 41);
}

struct ScoreLineCase {
    std::string what;
    store::RoundRecord round;
    std::string start;  // the line up to the first hole
};

void PrintTo(const ScoreLineCase& c, std::ostream* os) {
    *os << c.what;
}

class ScoreLineTest : public StatisticsTest, public ::testing::WithParamInterface<ScoreLineCase> {};

// Whatever the widths of the numbers, the holes start in column 41.
TEST_P(ScoreLineTest, DateCourseTotalsAndIndexFillFortyColumns) {
    setCourse(3, "Elm Links", "ABC", all(4));
    setCourse(4, "Nameless", "", all(4));
    addRound(1, GetParam().round);
    analysis::PerformanceStats stats;
    std::string line = analysis::ListStatLines(data(), 1, 1, stats)[0];
    EXPECT_EQ(line.substr(0, 40), GetParam().start);
    EXPECT_EQ(line.size(), 40u + 18 * 3);
}

INSTANTIATE_TEST_SUITE_P(
    Review, ScoreLineTest,
    ::testing::Values(ScoreLineCase{"single-digit nine", makeRound(2, 12, 25, 5, 9.5f, first(2, 4)),
                                    "12/25/05  OH " + std::string("    8    0   8     9.5     ")},
                      ScoreLineCase{"three initials and an index of 12", makeRound(3, 1, 9, 99, 12.0f, all(5)),
                                    "01/09/99  ABC" + std::string("   45   45   90    12.0    ")},
                      ScoreLineCase{"no initials, negative index, three-digit total",
                                    makeRound(4, 3, 15, 26, -1.5f, all(6)),
                                    "03/15/26     " + std::string("   54   54  108    -1.5    ")},
                      ScoreLineCase{"index 0", makeRound(1, 10, 31, 26, 0.0f, all(4)),
                                    "10/31/26  PV " + std::string("   36   36   72     0.0    ")}));

TEST_F(StatisticsTest, CourseGroupsFollowTheirLatestRoundsAndAverageAlone) {
    // Pine Valley and Oak Hills played in turn; the latest round, at Pine Valley, has no data.
    addRound(1, makeRound(1, 5, 1, 26, 10.0f, all(4), all(2), ticks({1}), ticks({1})));
    addRound(1, makeRound(2, 5, 8, 26, 11.0f, all(5), all(1), all(1), all(1)));
    addRound(1, makeRound(1, 5, 15, 26, 12.0f, all(6), all(3), ticks({1, 2, 3}), ticks({})));
    addRound(1, makeRound(2, 5, 22, 26, 13.0f, all(5), all(2), all(2), all(1)));
    addRound(1, makeRound(1, 5, 29, 26, 14.0f, all(4)));
    std::vector<std::string> lines = analysis::CycleReports(data(), 1);
    ASSERT_EQ(lines.size(), 36u);

    std::vector<std::string> heading = analysis::AddTopHeading();
    auto dateAt = [&](size_t i) { return lines[i].substr(0, 8); };
    auto averages = [&](size_t i) { return std::vector<std::string>(lines.begin() + i, lines.begin() + i + 7); };

    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2), heading);
    EXPECT_EQ(dateAt(2), "05/22/26");
    EXPECT_EQ(lines[6], " ");
    EXPECT_EQ(dateAt(7), "05/08/26");
    EXPECT_EQ(averages(11), (std::vector<std::string>{
                                "Oak Hills", "Avg. par per hole = 3.0", "Avg. score per hole = 5.0", "Fairways 50.0 %",
                                "Greens in Regulation 0.0 %", "Average # of Putts per Hole = 1.5", " "}));

    EXPECT_EQ(std::vector<std::string>(lines.begin() + 18, lines.begin() + 20), heading);
    EXPECT_EQ(dateAt(20), "05/15/26");
    EXPECT_EQ(lines[24], " ");
    EXPECT_EQ(dateAt(25), "05/01/26");
    EXPECT_EQ(averages(29),
              (std::vector<std::string>{"Pine Valley", "Avg. par per hole = 4.0", "Avg. score per hole = 5.0",
                                        "Fairways 11.1 %", "Greens in Regulation 2.8 %",
                                        "Average # of Putts per Hole = 2.5", " "}));
}

TEST_F(StatisticsTest, CourseAveragesWithoutDataAreLeftBlank) {
    analysis::PerformanceStats stats;
    EXPECT_EQ(analysis::CalCourseAverages(data().courses[2], stats),
              (std::vector<std::string>{"Oak Hills", "Avg. par per hole = 0.0", "Avg. score per hole = 0.0", blanks(15),
                                        blanks(8), blanks(8), " "}));
}

class StatPrintTest : public StatisticsTest {
protected:
    // The desktop printer's page: Letter with quarter-inch margins.
    StatPrintTest() : m_printer(8 * print::kTwipsPerInch, 10.5 * print::kTwipsPerInch) {
        m_printer.setFontNames({"Arial", "Courier New", "Times New Roman"});
    }

    const print::Document& printed() {
        EXPECT_EQ(m_printer.documents().size(), 1u);
        return m_printer.documents().back();
    }

    print::RecordingPrinter m_printer;
};

TEST_F(StatPrintTest, SummaryPrintsTheAveragesButNotTheIndex) {
    addRound(1, makeRound(1, 6, 1, 26, 14.2f, all(5), all(2), ticks({1, 2, 3, 4, 5, 6, 7, 8, 9}), ticks({1})));
    analysis::PrintStatSummary(m_printer, data(), "Ann", analysis::CalcAverages(data(), 1), "12-06-2026");
    const print::Document& doc = printed();
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages[0].orientation, platform::Orientation::Portrait);
    EXPECT_EQ(doc.pages[0].lines(),
              (std::vector<std::string>{"", "", blanks(14) + "Quorval" + blanks(10) + "12-06-2026", "", "",
                                        blanks(5) + std::string(79, '_'), "", "    Ann", " ",
                                        "    Avg. score per hole = 5.0", " ", "    Avg. par per hole = 4.0", " ",
                                        "    Fairways 50.0 %", " ", "    Greens in Regulation 5.6 %", " ",
                                        "    Average # of Putts per Hole = 2.0", " "}));
    const std::vector<print::PrintedText>& texts = doc.pages[0].texts;
    EXPECT_EQ(texts[2].font, (print::FontState{"Courier New", 18, true}));
    EXPECT_EQ(texts.back().font, (print::FontState{"Courier New", 12, true}));
}

struct PageBreakCase {
    size_t lines;
    std::vector<size_t> perPage;
};

void PrintTo(const PageBreakCase& c, std::ostream* os) {
    *os << c.lines << " lines";
}

class ReviewPageTest : public StatPrintTest, public ::testing::WithParamInterface<PageBreakCase> {};

// The first page takes 41 list lines under the heading, each later one 40 under two blank lines.
TEST_P(ReviewPageTest, BreaksAfterLines41And81And121) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < GetParam().lines; ++i) lines.push_back("line " + std::to_string(i));
    analysis::PrintStatReview(m_printer, data(), "Ann", lines);
    const print::Document& doc = printed();
    ASSERT_EQ(doc.pages.size(), GetParam().perPage.size());
    size_t next = 0;
    for (size_t p = 0; p < doc.pages.size(); ++p) {
        std::vector<std::string> expected =
            p == 0 ? std::vector<std::string>{" ", " ", " ", "  Quorval", " ", "  Ann", " "}
                   : std::vector<std::string>{" ", " ", " "};
        for (size_t i = 0; i < GetParam().perPage[p]; ++i) expected.push_back("     line " + std::to_string(next++));
        EXPECT_EQ(doc.pages[p].lines(), expected) << "page " << p + 1;
        EXPECT_EQ(doc.pages[p].orientation, platform::Orientation::Landscape);
        for (const print::PrintedText& t : doc.pages[p].texts) {
            if (t.text != " ") {
                EXPECT_EQ(t.font, (print::FontState{"Courier New", 10, false})) << t.text;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Review, ReviewPageTest,
                         ::testing::Values(PageBreakCase{40, {40}}, PageBreakCase{41, {41, 0}},
                                           PageBreakCase{45, {41, 4}}, PageBreakCase{130, {41, 40, 40, 9}}));

}  // namespace
