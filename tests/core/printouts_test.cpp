#include <gtest/gtest.h>

#include <memory>

#include "print/pdfsave.hpp"
#include "print/recordingprinter.hpp"
#include "teams/teampoints.hpp"

using namespace quorval;

namespace {

// A long description is cut so that the numbers keep their columns, a negative total too.
TEST(TeamSummaryPrintout, CutsALongDescriptionAndKeepsTheNumbersInColumn) {
    auto data = std::make_unique<store::LeagueData>();
    data->teams.teamsInUse = data->teams.teamCount = 1;
    data->teams.teamNames[1] = "Eagles";
    data->teams.teamEntryCount[1] = 2;
    data->teams.teamEntries[1][1] = {"Week 1", 12.5f, 12.5f};
    data->teams.teamEntries[1][2] = {std::string(105, 'x'), -3.5f, -40.0f};
    print::RecordingPrinter printer;
    teams::PrintTeamSummary(printer, *data, false, false, "12-06-2026");
    std::string week, cut, total;
    for (const std::string& line : printer.documents().at(0).pages.at(0).lines()) {
        if (line.find("Week 1") != std::string::npos) week = line;
        if (line.find("xxxx") != std::string::npos) cut = line;
        if (line.find("Total:") != std::string::npos) total = line;
    }
    EXPECT_EQ(cut.size(), week.size());
    EXPECT_TRUE(cut.ends_with("  -3.5    -40.0")) << cut;
    EXPECT_TRUE(week.ends_with("  12.5     12.5")) << week;
    EXPECT_TRUE(total.ends_with("  -3.5    -27.5")) << total;
}

TEST(PdfSave, FileNameSaysLeagueReportAndDate) {
    print::Document named;
    named.league = "Demo League";
    named.report = "Handicap listing";
    EXPECT_EQ(print::PdfFileName(named, {2026, 12, 6}), "Demo League - Handicap listing - 2026-12-06.pdf");
    named.league.clear();
    EXPECT_EQ(print::PdfFileName(named, {2026, 1, 9}), "Handicap listing - 2026-01-09.pdf");
}

}  // namespace
