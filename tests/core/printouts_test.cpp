// What every printout keeps whatever the league holds: whole values, names inside their column,
// its own orientation, charts inside their plot and a footer naming each page of a longer one.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "analysis/hcpgraph.hpp"
#include "analysis/scoring.hpp"
#include "fullleague.hpp"
#include "listing/listing.hpp"
#include "print/pdfsave.hpp"
#include "print/recordingprinter.hpp"
#include "reports/hcpcards.hpp"
#include "reports/listingreport.hpp"
#include "teams/teampoints.hpp"
#include "text/utf8.hpp"

using namespace quorval;

namespace {

const std::string kDate = "12-06-2026";
const std::string kLong[] = {"Christopher Wellingto", "Alexandria Montgomery1",
                             "Bartholomew Fitzgerald-Huntington Smithers1"};

class PrintoutsTest : public ::testing::Test {
protected:
    PrintoutsTest() {
        samples::FillRandomLeague(data, 11, 6);
        data.leagueFileName = "Demo League.LGE";
        const std::string names[] = {"", "Al Brennan", kLong[0], kLong[1], kLong[2], "Dot Evers", "Newcomer"};
        for (int p = 1; p <= 6; ++p) {
            data.players[p].name = names[p];
            data.players[p].roundCount = std::max<int16_t>(data.players[p].roundCount, 2);
        }
        data.players[6].roundCount = 0;
    }

    std::vector<listing::Row> rows() {
        listing::Listing listing;
        listing::Listing::ShowLatestRounds(data);
        listing.ListMostRecent(data);
        return listing.rows();
    }

    const print::Document& printed() { return printer.documents().back(); }
    std::string lineWith(const std::string& part) {
        for (const std::string& line : printed().pages[0].lines())
            if (line.find(part) != std::string::npos) return line;
        return {};
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    print::RecordingPrinter printer;
};

TEST_F(PrintoutsTest, ListingsPrintWholeValuesInTheirColumnsAfterLongNames) {
    auto print = [&](bool withHoles) {
        withHoles ? reports::printlongreport(printer, data, rows(), kDate)
                  : reports::printshortreport(printer, data, rows(), kDate);
        return lineWith("Al Brennan");
    };
    for (bool withHoles : {true, false}) {
        const std::string shortName = print(withHoles);
        const size_t dateAt = shortName.find('/') - 2;
        for (const std::string& name : kLong) {
            const std::string line = lineWith(name.substr(0, 20));
            EXPECT_EQ(line.find('/') - 2, dateAt) << name;
            EXPECT_EQ(text::CharLength(line), text::CharLength(shortName)) << name;
            EXPECT_EQ(line[dateAt - 1], ' ') << name;
        }
    }
    // Al's latest round: gross 126 after an index that gives a course handicap of 1.
    store::PlayerRecord& al = data.players[1];
    store::RoundRecord& round = al.rounds[al.roundCount];
    for (int h = 1; h <= 18; ++h) round.score[h] = 7;
    round.score[store::kOutSlot] = round.score[store::kInSlot] = 63;
    round.course = 1;
    al.tee = 2;
    data.courses[1][store::course_field::kSlope0 + 2] = "113";
    al.rounds[al.roundCount - 1].handicapIndex = 1;
    for (bool withHoles : {true, false}) {
        const std::string line = print(withHoles);
        EXPECT_NE(line.find(" 126 "), std::string::npos) << line;
        EXPECT_EQ(line.substr(line.find_last_not_of(' ') - 3, 4), " 125") << line;
    }
}

TEST_F(PrintoutsTest, PlayerWithoutRoundsHasNoIndexOnHisCard) {
    data.players[6].selected = 1;
    reports::PrintHandicapCards(printer, data, {});
    EXPECT_EQ(lineWith("Hcp Index"), "  Hcp Index: --");
    EXPECT_TRUE(lineWith("CHCP").ends_with("CHCP: --")) << lineWith("CHCP");
}

// A card's name ends before the card's picture: smaller type first, then cut.
TEST_F(PrintoutsTest, CardNamesStayInsideTheirCard) {
    for (int p = 1; p <= 4; ++p) data.players[p].selected = 1;
    reports::PrintHandicapCards(printer, data, {"", platform::Picture{1, 1, {0}}});
    const print::Page& page = printed().pages[0];
    for (int card = 0; card < 4; ++card) {
        const auto& art = std::get<print::PictureOp>(page.drawings.at(card));
        const print::PrintedText& name = *std::find_if(page.texts.begin(), page.texts.end(), [&](const auto& t) {
            return t.y < art.y && t.y > art.y - art.height / 2 && t.x > art.x - 0.5 * printed().pageWidth &&
                   t.x < art.x && t.text.find_first_not_of(' ') != std::string::npos &&
                   t.text.find("Hcp") == std::string::npos && t.font.size != 10;
        });
        const std::string& full = data.players[card + 1].name;
        EXPECT_GE(name.font.size, reports::kCardNameFloor);
        EXPECT_LE(name.x + print::CharWidth(name.font.size) * text::CharLength(name.text), art.x) << full;
        EXPECT_EQ(name.text, full.size() <= 21 ? full : full.substr(0, name.text.size()));
    }
}

TEST_F(PrintoutsTest, ChartsPrintPortraitAfterALandscapeJob) {
    reports::printlongreport(printer, data, rows(), kDate);
    ASSERT_EQ(printed().pages[0].orientation, platform::Orientation::Landscape);
    analysis::PrintHcpGraph(printer, data, 1, kDate);
    EXPECT_EQ(printed().pages[0].orientation, platform::Orientation::Portrait);
    reports::printlongreport(printer, data, rows(), kDate);
    analysis::PrintScoringChart(printer, data, 1, kDate);
    EXPECT_EQ(printed().pages[0].orientation, platform::Orientation::Portrait);
    // Nothing is left bold from the listing: the captions print as on a fresh printer.
    EXPECT_FALSE(printed().pages[0].texts.back().font.bold);
}

TEST_F(PrintoutsTest, GraphScaleGrowsToHoldEveryValue) {
    store::PlayerRecord& who = data.players[1];
    EXPECT_EQ(analysis::HcpGraphScale(who), (analysis::GraphScale{-5, 40}));
    who.rounds[1].handicapIndex = 42.7f;
    who.rounds[2].differential = -10;
    const analysis::GraphScale scale = analysis::HcpGraphScale(who);
    EXPECT_EQ(scale, (analysis::GraphScale{-10, 45}));
    const auto labels = analysis::HcpAxisLabels(scale);
    EXPECT_EQ(labels.front().text, "-10");
    EXPECT_EQ(labels[11].text, "45");
    const double top = analysis::HcpGraphPoint(1, 45, scale).y;
    const double bottom = analysis::HcpGraphPoint(1, -10, scale).y;
    EXPECT_EQ(top, analysis::HcpGraphPoint(1, 40).y);
    EXPECT_EQ(bottom, analysis::HcpGraphPoint(1, -5).y);
    for (auto series : {analysis::HcpSeries::Index, analysis::HcpSeries::Differential}) {
        for (const auto& point : analysis::HcpGraphPoints(who, series, scale)) {
            EXPECT_GE(point.y, top);
            EXPECT_LE(point.y, bottom);
        }
    }
}

TEST_F(PrintoutsTest, TeamSummaryCutsALongDescriptionAndKeepsTheNumbersInColumn) {
    data.teams.teamsInUse = data.teams.teamCount = 1;
    data.teams.teamNames[1] = "Eagles";
    data.teams.teamEntryCount[1] = 2;
    data.teams.teamEntries[1][1] = {"Week 1", 12.5f, 12.5f};
    data.teams.teamEntries[1][2] = {std::string(105, 'x'), -3.5f, 9.0f};
    teams::PrintTeamSummary(printer, data, false, false, kDate);
    EXPECT_EQ(lineWith("xxxx").size(), lineWith("Week 1").size());
    EXPECT_TRUE(lineWith("xxxx").ends_with("  -3.5      9.0")) << lineWith("xxxx");
    EXPECT_TRUE(lineWith("Week 1").ends_with("  12.5     12.5")) << lineWith("Week 1");
    // The totals keep the columns too, a negative one as well.
    EXPECT_TRUE(lineWith("Total:").ends_with("  -3.5     21.5"));
    data.teams.teamEntries[1][2].points = -40;
    teams::PrintTeamSummary(printer, data, false, false, kDate);
    EXPECT_TRUE(lineWith("Total:").ends_with("  -3.5    -27.5"));
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
