#include "reports/listingreport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "fullleague.hpp"
#include "print/pdfsave.hpp"
#include "print/recordingprinter.hpp"
#include "text/utf8.hpp"

using namespace quorval;
using print::RecordingPrinter;

namespace {

const std::string kDate = "12-06-2026";

std::string bar(size_t indent, size_t n, char c) {
    return std::string(indent, ' ') + std::string(n, c);
}

class ListingReportTest : public ::testing::Test {
protected:
    // A league of `players`, the last with a name longer than the name column.
    std::vector<listing::Row> fill(int players) {
        samples::FillRandomLeague(data, 3, players);
        for (int p = 1; p <= players; ++p)
            data.players[p].roundCount = std::max<int16_t>(data.players[p].roundCount, 1);
        data.players[players].name = "Bartholomew Fitzgerald-Huntington Smithers";
        data.leagueFileName = "Tuesday Men.LGE";
        listing::Listing listing;
        listing::Listing::ShowLatestRounds(data);
        listing.ListMostRecent(data);
        return listing.rows();
    }
    static void expectColumns(const std::vector<std::string>& lines, size_t first) {
        auto dateAt = [](const std::string& line) { return text::CharLength(line.substr(0, line.find('/'))); };
        for (size_t i = first; i < lines.size(); ++i) EXPECT_EQ(dateAt(lines[i]), dateAt(lines[first])) << lines[i];
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    RecordingPrinter printer;
};

TEST_F(ListingReportTest, ShortReportBreaksOnceAfterRowFiftyFour) {
    const auto rows = fill(60);
    reports::printshortreport(printer, data, rows, kDate);
    const auto& pages = printer.documents().at(0).pages;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].orientation, platform::Orientation::Portrait);
    const auto first = pages[0].lines(), second = pages[1].lines();
    // A blank line from the font step, four more, the heading, an empty line, then rows 0..54.
    ASSERT_EQ(first.size(), 7u + 55u);
    EXPECT_EQ(first[5], "        Tuesday Men" + std::string(30, ' ') + "Quorval   12-06-2026");
    const std::string heading =
        "          Name" + std::string(13, ' ') + rows[0].line.substr(0, 42) + rows[0].line.substr(94, 22);
    EXPECT_EQ(first[7], heading);
    EXPECT_EQ(first[8], bar(4, 85, '_'));
    EXPECT_EQ(first[9], "     " + rows[2].name + std::string(22 - rows[2].name.size(), ' ') +
                            rows[2].line.substr(0, 42) + rows[2].line.substr(94, 22));
    expectColumns(first, 9);
    ASSERT_EQ(second.size(), 5u + 3u + 7u);  // rows 55..61 after the repeated heading
    EXPECT_EQ(second[5], heading);
    expectColumns(second, 8);
    EXPECT_EQ(pages[1].footer.at(1).text, "Page 2 of 2");
    reports::printshortreport(printer, data, fill(5), kDate);
    EXPECT_TRUE(printer.documents().back().pages.at(0).footer.empty());
}

TEST_F(ListingReportTest, LongReportIsLandscapeWithBreaksAfterRowsFortyThreeAndEightySix) {
    const auto rows = fill(100);
    reports::printlongreport(printer, data, rows, kDate);
    const print::Document& doc = printer.documents()[0];
    ASSERT_EQ(doc.pages.size(), 3u);
    EXPECT_EQ(doc.pages[0].orientation, platform::Orientation::Landscape);
    const auto first = doc.pages[0].lines(), second = doc.pages[1].lines();
    ASSERT_EQ(first.size(), 7u + 44u);
    EXPECT_EQ(first[5], reports::ReportHeading(data, 6, 80, kDate));
    EXPECT_EQ(first[7].substr(128), " Net");
    EXPECT_EQ(first[8], bar(4, 129, '-'));
    const listing::Row& row = rows[2];
    EXPECT_EQ(first[9], "    " + row.name + std::string(22 - row.name.size(), ' ') + row.line.substr(0, 102) + " " +
                            text::PadLeft(row.line.substr(row.line.find_last_of(' ') + 1), 3));
    expectColumns(first, 9);
    ASSERT_EQ(second.size(), 8u + 43u);  // rows 44..86
    EXPECT_EQ(second[5], first[7]);
    EXPECT_EQ(doc.pages[2].lines()[6], bar(6, 129, '-'));
    expectColumns(doc.pages[2].lines(), 8);
    const auto& footer = doc.pages[2].footer;
    ASSERT_EQ(footer.size(), 2u);
    EXPECT_EQ(footer[0].text + "|" + footer[1].text, "Tuesday Men - Handicap listing|Page 3 of 3");
}

TEST_F(ListingReportTest, ExportIsTheShortListingWithoutNetAsCrLfLines) {
    const auto rows = fill(2);
    auto line = [&](const std::string& name, size_t r) {
        return name + rows[r].line.substr(0, 42) + rows[r].line.substr(94, 16) + "\r\n";
    };
    std::string expected = reports::ReportHeading(data, 6, 45, kDate) + "\r\n \r\n";
    expected += line("            Name             ", 0) + bar(6, 82, '_') + "\r\n";
    for (size_t r : {2, 3})
        expected += line("       " + rows[r].name + bar(0, 22 - std::min<size_t>(22, rows[r].name.size()), ' '), r);
    EXPECT_EQ(reports::shortprintfile(data, rows, kDate), expected);

    const char* names[][2] = {
        {"/home/al/league", "/home/al/league.txt"}, {"/home/al/league.csv", "/home/al/league.csv.txt"}, {"", ""}};
    for (const auto& [chosen, written] : names) EXPECT_EQ(reports::ExportFileName(chosen), written);
}

TEST(PdfSave, FileNameSaysLeagueReportAndDate) {
    print::Document named;
    named.league = "Demo League";
    named.report = "Handicap listing";
    EXPECT_EQ(print::PdfFileName(named, {2026, 12, 6}), "Demo League - Handicap listing - 2026-12-06.pdf");
}

}  // namespace
