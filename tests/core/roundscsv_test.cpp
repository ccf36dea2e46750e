#include "exchange/roundscsv.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "handicap/differential.hpp"
#include "postedleague.hpp"

using namespace quorval;
using exchange::ImportProblem;

namespace {

std::unique_ptr<store::LeagueData> postedLeague(uint32_t seed) {
    auto league = std::make_unique<store::LeagueData>();
    quorval::testing::FillPostedLeague(*league, seed);
    return league;
}

// A league with the same course table and no players: where an exported league is brought in.
std::unique_ptr<store::LeagueData> emptyLeagueLike(const store::LeagueData& original) {
    auto empty = std::make_unique<store::LeagueData>();
    empty->courseCount = original.courseCount, empty->courses = original.courses;
    return empty;
}

// Eighteen fields, each after `separator`: the scores `first` out and 5 in, or the headings.
std::string holes(const std::string& separator, int first = 4, bool headings = false) {
    std::string text;
    for (int h = 1; h <= 18; ++h)
        text += separator + (headings ? "hole" + std::to_string(h) : std::to_string(h <= 9 ? first : 5));
    return text;
}
std::string holeHeadings(const std::string& separator) {
    return holes(separator, 0, true);
}

TEST(RoundsCsvTest, AnExportedLeagueImportedIntoAnEmptyOneGivesTheSameRoundsAndIndexes) {
    auto original = postedLeague(7);
    auto copy = emptyLeagueLike(*original);
    exchange::ImportReport report = exchange::ImportRoundsCsv(*copy, exchange::RoundsCsv(*original));
    EXPECT_EQ(report.problems, std::vector<ImportProblem>{});
    EXPECT_EQ(report.posted, 20 + 12 + 3 + 5);
    ASSERT_EQ(copy->playerCount, original->playerCount);
    for (int p = 1; p <= original->playerCount; ++p) {
        const store::PlayerRecord &was = original->players[p], &now = copy->players[p];
        ASSERT_EQ(std::tuple(now.name, now.tee, now.roundCount, now.currentIndex()),
                  std::tuple(was.name, was.tee, was.roundCount, was.currentIndex()));
        // The first player's early indexes were built on rounds the league no longer holds.
        for (int r = 1; r <= was.roundCount; ++r) {
            const store::RoundRecord &a = now.rounds[r], &b = was.rounds[r];
            EXPECT_TRUE(p == 1 ? a.score == b.score && a.differential == b.differential : a == b) << " round " << r;
        }
    }
    // Importing the same file again changes nothing: every round is already there.
    report = exchange::ImportRoundsCsv(*copy, exchange::RoundsCsv(*original));
    EXPECT_EQ(std::tuple(report.posted, report.skipped, copy->playerCount), std::tuple(0, 40, original->playerCount));
    EXPECT_EQ(exchange::DescribeImport(report)[1], "40 rounds already in the league were skipped.");
}

TEST(RoundsCsvTest, EachBadRowIsReportedWithItsLineAndTheGoodRowsArePosted) {
    auto league = emptyLeagueLike(*postedLeague(3));
    std::string h = holes(",");
    std::string file = "player,date,course,tee" + holeHeadings(",") + "\r\n" +                 // 1
                       "Ann Good,2024-01-31,Course 2," + h + "\r\n" +                          // 2
                       "Ann Good,2024-05-02,Nowhere Links," + h + "\r\n" +                     // 3
                       "Ann Good,13/01/2024,Course 2," + h + "\r\n" +                          // 4
                       "Ann Good,01/32/2024,Course 2," + h + "\r\n" +                          // 5
                       "Ann Good,2024-05-03,Course 2," + h + ",6\r\n" +                        // 6
                       "\r\n" +                                                                // 7
                       "Ann Good,05/04/24,C3,Green" + h + "\r\n" +                             // 8
                       "Ann Good,05/04/24,Course 2," + h.substr(0, h.size() - 2) + ",x\r\n" +  // 9
                       "\"Bob \"\"Good\"\"\",05/06/2024,c3,blue" + h + "\r\n" +                // 10
                       " ,05/06/2024,c3,blue" + h + "\r\n";                                    // 11
    exchange::ImportReport report = exchange::ImportRoundsCsv(*league, file);

    const std::string notADate = "\" is not MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD";
    EXPECT_EQ(report.problems, (std::vector<ImportProblem>{{3, "there is no course \"Nowhere Links\""},
                                                           {4, "the date \"13/01/2024" + notADate},
                                                           {5, "the date \"01/32/2024" + notADate},
                                                           {6, "the row has 23 fields, the heading 22"},
                                                           {8, "the tee \"Green\" is not Red, White or Blue"},
                                                           {9, "hole 18: \"x\" is not a score from 0 to 99"},
                                                           {11, "no player name"}}));
    EXPECT_EQ(std::tuple(report.rows, report.posted, league->playerCount), std::tuple(9, 2, int16_t{2}));
    auto &ann = league->players[1], &bob = league->players[2];
    EXPECT_EQ(std::tuple(ann.name, ann.tee, bob.name, bob.tee),
              std::tuple("Ann Good", store::kWhiteTee, "Bob \"Good\"", store::kBlueTee));
    EXPECT_EQ(std::tuple(bob.rounds[1].course, bob.rounds[1].gross()), std::tuple(int16_t{3}, 36 + 45));
    // The last course slot is a course like any other in the export.
    bob.rounds[1].course = store::kMaxCourses;
    league->courses[store::kMaxCourses][store::course_field::kName] = "Far Links";
    EXPECT_NE(exchange::RoundsCsv(*league).find(",Far Links,"), std::string::npos);

    report = exchange::ImportRoundsCsv(*league, "date,course" + holeHeadings(",") + "\r\n2024-05-01,Course 2" + h);
    EXPECT_EQ(report.problems, (std::vector<ImportProblem>{{1, "the heading has no column player"}}));
    EXPECT_EQ(std::tuple(league->playerCount, ann.roundCount), std::tuple(int16_t{2}, 1));
}

// A round already held is skipped; in a Classic league a row older than the player's latest round
// is refused unless allowed; the rounds an import pushes out are named; a name stays one line.
TEST(RoundsCsvTest, EachRoundIsPostedOnceAndAClassicLeagueRefusesOlderRows) {
    std::string h = holes(",");
    auto row = [&](const std::string& who, const std::string& date) {
        return who + "," + date + ",Course 2" + h + "\r\n";
    };
    std::string file = "player,date,course" + holeHeadings(",") + "\r\n" + row("Fay Short", "2030-01-01") +
                       row("Fay Short", "2030-01-01") + row("Fay Short", "1990-01-01") +
                       row("\"Ed, Jr. Long\"", "2030-01-01") + row("\"Ed, Jr. Long\"", "2030-01-02") +
                       row("\"Al\nBrennan\"", "2030-01-02") + row("Bel\x07 Ray", "2030-01-02") +
                       "Fay Short,2030-01-01,Course 2" + holes(",", 5) + "\r\n";  // other scores: another round
    for (bool allowOlder : {false, true}) {
        SCOPED_TRACE(allowOlder);
        auto league = postedLeague(7);
        exchange::ImportReport report = exchange::ImportRoundsCsv(*league, file, {allowOlder});
        std::vector<ImportProblem> expected = {{7, "the player name holds a line break"},
                                               {9, "the player name holds a control character (code 7)"}};
        if (!allowOlder) {
            ASSERT_FALSE(report.problems.empty());
            EXPECT_EQ(report.problems[0].line, 4);
            // The latest date as the user writes dates, month first here.
            EXPECT_THAT(report.problems[0].reason,
                        ::testing::ContainsRegex(
                            "^the round is older than Fay Short's latest [(][0-9]{2}/[0-9]{2}/[0-9]{2}[)]"));
            expected.insert(expected.begin(), report.problems[0]);
        }
        EXPECT_EQ(report.problems, expected);
        EXPECT_EQ(std::tuple(report.posted, report.skipped, report.olderRefused, league->players[3].roundCount),
                  std::tuple(allowOlder ? 5 : 4, 1, allowOlder ? 0 : 1, allowOlder ? 6 : 5));
        EXPECT_EQ(report.pushedOut, std::vector<std::string>{"Ed, Jr. Long: 2 oldest rounds no longer kept"});
    }
}

// Columns in another order, semicolons, other date forms, Windows-1252, a quoted field.
// 03/04/26 could be either day first; the user's date order decides, and the report says which.
TEST(RoundsCsvTest, ATwoNumberDateIsReadInTheUsersOrderAndTheReportSaysSo) {
    using store::DateOrder;
    struct Case {
        DateOrder order;
        std::string date;
        int month, day;  // 0: refused
        std::string note;
    };
    const std::string kNote = "Dates such as 03/04/26 (1 row) were read as ";
    const Case kCases[] = {
        {DateOrder::kMonthDayYear, "03/04/26", 3, 4, kNote + "month/day/year, the date order in Settings."},
        {DateOrder::kDayMonthYear, "03/04/26", 4, 3, kNote + "day/month/year, the date order in Settings."},
        {DateOrder::kYearMonthDay, "03/04/26", 3, 4, kNote + "month/day/year, the date order in Settings."},
        {DateOrder::kDayMonthYear, "13/04/2026", 4, 13, ""},
        {DateOrder::kDayMonthYear, "04/13/2026", 0, 0, ""},
        {DateOrder::kDayMonthYear, "2026-03-04", 3, 4, ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.date + " " + std::to_string(static_cast<int>(c.order)));
        auto league = postedLeague(7);
        league->settings.dateOrder = c.order;
        exchange::ImportReport report = exchange::ImportRoundsCsv(
            *league, "player,date,course" + holeHeadings(",") + "\r\nNew Player," + c.date + ",Course 2" + holes(","));
        ASSERT_EQ(report.posted, c.month ? 1 : 0);
        std::vector<std::string> lines = exchange::DescribeImport(report);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), c.note), c.note.empty() ? 0 : 1);
        if (!c.month) continue;
        const store::RoundRecord& round = league->players[league->playerCount].rounds[1];
        EXPECT_EQ(std::tuple(round.month, round.day, round.year), std::tuple(c.month, c.day, 26));
    }
}

TEST(RoundsCsvTest, ReadsTheRoundWhateverTheLayout) {
    auto original = postedLeague(5);
    for (const std::string& bytes : {"Course;Date" + holeHeadings(";") + ";Player;total\r\n\"course 4\";07/09/25" +
                                         holes(";", 3) + ";\"JOSÉ NÚÑEZ \";72\r\n",
                                     "date,player,initials" + holeHeadings(",") + "\n07/09/2025,Jos\xe9 N\xfa\xf1" +
                                         "ez,C4" + holes(",", 3) + "\n"}) {
        SCOPED_TRACE(bytes);
        auto league = emptyLeagueLike(*original);
        league->playerCount = 1;
        league->players[1].name = "José  núñez";  // already there, under a look-alike name
        league->players[1].tee = store::kRedTee;
        exchange::ImportReport report = exchange::ImportRoundsCsv(*league, bytes);
        EXPECT_EQ(report.problems, std::vector<ImportProblem>{});
        ASSERT_EQ(std::tuple(league->playerCount, league->players[1].roundCount), std::tuple(int16_t{1}, int16_t{1}));
        const store::RoundRecord& round = league->players[1].rounds[1];
        EXPECT_EQ((std::array{round.course, round.month, round.day, round.year, round.score[store::kOutSlot],
                              round.score[store::kInSlot]}),
                  (std::array<int16_t, 6>{4, 7, 9, 25, 27, 45}));
        // Posted on the player's red tee: the differential is the red tee's.
        EXPECT_EQ(round.differential, *handicap::ComputeDifferential(27, 45, 68.4f, 118, 1));
    }
}

}  // namespace
