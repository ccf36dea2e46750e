#include "results/dayresults.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "leaguebuilder.hpp"
#include "listing/listing.hpp"
#include "print/recordingprinter.hpp"
#include "publish/site.hpp"

namespace quorval {
namespace {

const results::PlayDate kJune2{6, 2, 26};

class DayResultsTest : public ::testing::Test {
protected:
    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    testing::LeagueBuilder league = testing::LeagueBuilder(data).course("Pine Hills", "PH");
};

TEST_F(DayResultsTest, RanksByNetWithSharedPlacesAndKeepsNineHoleRoundsApart) {
    // Bo's round has no handicap; Di plays the front nine only, Ed another day.
    league.player("Cy").round("5/26/26", 45, 45, 10.0f).round("6/2/26", 40, 40, 10.2f);
    league.player("Bo").round("6/2/26", 37, 38, 3.0f);
    league.player("Al").round("5/26/26", 42, 42, 8.0f).round("6/2/26", 39, 39, 7.8f);
    league.player("Di").round("5/26/26", 48, 48, 10.0f).round("6/2/26", 40, 0, 10.0f);
    league.player("Ed").round("6/3/26", 35, 35, 1.0f);
    const results::DayResults day = results::ResultsOfDay(data, kJune2);
    auto describe = [&](const std::vector<results::Result>& results) {
        std::string out;
        for (const results::Result& r : results)
            out += r.name + " " + results::PlaceText(r) + " " + std::to_string(r.gross) + " " +
                   std::to_string(r.courseHandicap) + " " + std::to_string(r.net) + ", ";
        return out;
    };
    EXPECT_EQ(describe(day.eighteen), "Al T1 78 8 70, Cy T1 80 10 70, Bo 3 75 0 75, ");
    // Di's index of 10 gives 5 strokes over nine holes.
    EXPECT_EQ(describe(day.nine), "Di 1 40 5 35, ");
    EXPECT_EQ(results::LowLine(day), "Low gross: Bo 75   Low net: Al, Cy 70");
    const auto lines = results::ResultLines(day);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 4] + "|" + lines.back().substr(0, 9), "Nine-hole rounds|1      Di");
    EXPECT_TRUE(lines.back().ends_with("  40   -     40    5   35")) << lines.back();  // the back nine not played
}

TEST_F(DayResultsTest, LowScoresComeFromTheNineHoleRoundsOnlyWhenNobodyPlayedEighteen) {
    league.player("Al").round("6/2/26", 41, 0, 0).player("Bo").round("6/2/26", 0, 39, 0);
    EXPECT_EQ(results::LowLine(results::ResultsOfDay(data, kJune2)), "Low gross: Bo 39   Low net: Bo 39");
    EXPECT_TRUE(results::ResultsOfDay(data, {6, 3, 26}).empty());
}

TEST_F(DayResultsTest, PrintedSheetRepeatsItsHeadingAndCountsPagesOnEveryPage) {
    for (int i = 0; i < 70; ++i) league.player("Player " + std::to_string(100 + i)).round("6/2/26", 40, 40, 0);
    print::RecordingPrinter printer;
    ASSERT_TRUE(results::PrintResults(printer, data, {kJune2}));
    const auto& pages = printer.documents().at(0).pages;
    ASSERT_EQ(pages.size(), 2u);
    const auto lines = pages[1].lines();
    EXPECT_EQ(lines[1] + "|" + lines[2], "Tuesday Men  -  Results of 06/02/26|Course: Pine Hills");
    // The page's number is in its footer only.
    EXPECT_EQ(pages[1].footer.at(1).text, "Page 2 of 2");
    EXPECT_TRUE(lines[4].starts_with("Place  Name")) << lines[3];
    size_t listed = 0;  // everybody shares first place
    for (const auto& page : pages)
        for (const auto& line : page.lines()) listed += line.starts_with("T1 ");
    EXPECT_EQ(listed, 70u);
    EXPECT_FALSE(results::PrintResults(printer, data, {{6, 9, 26}}));
    EXPECT_EQ(printer.documents().size(), 1u);
}

// In day/month order the sheet, the listing and the pages write 2 June as 02/06/26.
TEST_F(DayResultsTest, SheetListingAndPagesWriteDatesInTheUsersOrder) {
    league.player("Al").round("6/2/26", 39, 39, 7.8f);
    data.settings.dateOrder = store::DateOrder::kDayMonthYear;
    print::RecordingPrinter printer;
    ASSERT_TRUE(results::PrintResults(printer, data, {kJune2}));
    const auto sheet = printer.documents().at(0).pages.at(0).lines();
    EXPECT_EQ(std::count_if(sheet.begin(), sheet.end(),
                            [](const std::string& line) { return line.ends_with("  -  Results of 02/06/26"); }),
              1);
    EXPECT_TRUE(listing::RoundLine(data, 1, 1, listing::View::MostRecent).starts_with("02/06/26   PH"));
    data.settings.dateOrder = store::DateOrder::kYearMonthDay;
    EXPECT_TRUE(listing::RoundLine(data, 1, 1, listing::View::MostRecent).starts_with("2026-06-02 PH"));
    data.settings.dateOrder = store::DateOrder::kDayMonthYear;
    for (const publish::SiteFile& file : publish::BuildSite(data)) {
        if (!file.name.ends_with(".html")) continue;
        SCOPED_TRACE(file.name);
        EXPECT_NE(file.content.find("Dates are day/month/year."), std::string::npos);
        EXPECT_EQ(file.content.find("06/02/26"), std::string::npos);
    }
}

}  // namespace
}  // namespace quorval
