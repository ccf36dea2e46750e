// Long names on every report: each printed whole or shortened with an ellipsis, nothing printed
// over anything else or past the page; and the page footers inside the printable area.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "analysis/hcpgraph.hpp"
#include "leaguebuilder.hpp"
#include "listing/listing.hpp"
#include "play/matchprint.hpp"
#include "play/sidegamereport.hpp"
#include "print/recordingprinter.hpp"
#include "print/strokedots.hpp"
#include "reports/comparechart.hpp"
#include "reports/hcpcards.hpp"
#include "reports/listingreport.hpp"
#include "reports/scorecards.hpp"
#include "results/dayresults.hpp"
#include "teams/teampoints.hpp"
#include "text/fit.hpp"
#include "text/utf8.hpp"

namespace quorval {
namespace {

using print::RecordingPrinter;

TEST(ShortenNameTest, EndsAfterAWordWithAnEllipsisWhereThatKeepsHalfTheRoom) {
    const struct {
        const char* name;
        size_t room;
        const char* shown;
    } cases[] = {
        {"Ann Lee", 7, "Ann Lee"},                                   // fits: whole
        {"Ann Lee", 0, ""},                                          //
        {"Bartholomew Fitzgerald", 16, "Bartholomew…"},              // after the last whole word
        {"Ivy Jensen Smith", 11, "Ivy Jensen…"},                     // the cut falls on the blank
        {"Ed Brennan-Whyte", 11, "Ed Brennan…"},                     // or on a hyphen
        {"Al Montgomery-Featherstonehaugh", 21, "Al Montgomery-…"},  // a hyphen ends a word
        {"Al Montgomery-Featherstonehaugh", 12, "Al Montgome…"},     // the word would leave too little
        {"Montgomery-Featherstonehaugh", 8, "Montgom…"},             // no boundary at all
        {"Zoë Ångström-Öberg", 14, "Zoë Ångström-…"},                // characters, not bytes
        {"Ed", 1, "…"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " in " + std::to_string(c.room));
        const std::string shown = text::ShortenName(c.name, c.room);
        EXPECT_EQ(shown, c.shown);
        EXPECT_LE(text::CharLength(shown), c.room);
    }
}

TEST(StrokeDotsTest, EveryDotClearOfTheBordersAndOfTheOthers) {
    // Box widths of the scorecards and match cards on Letter and A4.
    for (double width : {452.0, 471.0, 423.0, 442.0}) {
        for (int strokes = 1; strokes <= 5; ++strokes) {
            SCOPED_TRACE(std::to_string(width) + " twips, " + std::to_string(strokes) + " strokes");
            const auto dots = print::StrokeDots(1000, 1000 + width, 500, strokes);
            ASSERT_EQ(dots.size(), static_cast<size_t>(strokes));
            for (size_t i = 0; i < dots.size(); ++i) {
                const print::Dot& d = dots[i];
                EXPECT_GE(d.radius, 30);
                EXPECT_GE(d.cx - d.radius - 1000, print::kDotClearance - 1e-9);
                EXPECT_GE(1000 + width - d.cx - d.radius, print::kDotClearance - 1e-9);
                EXPECT_GE(d.cy - d.radius - 500, print::kDotClearance - 1e-9);
                for (size_t j = 0; j < i; ++j) {
                    const double apart = std::hypot(dots[j].cx - d.cx, dots[j].cy - d.cy) - 2 * d.radius;
                    EXPECT_GE(apart, print::kDotClearance - 1e-9) << i << " and " << j;
                }
            }
        }
    }
    EXPECT_TRUE(print::StrokeDots(0, 452, 0, 0).empty());
}

// Four players with 45-character names, one with a 28-character word; a plus index and one
// high enough for three strokes on every hole.
const std::string kNames[] = {
    "Al Montgomery-Featherstonehaugh Brennan-Whyte",
    "Beatrice Castillo de la Fuente y Villanueva J",
    "Carl Duffy-Ashcombe-Worthington the Third Esq",
    "Edward Fontaine-Beauregard of Lower Pinehurst",
};
constexpr float kIndexes[] = {12.4f, 0.6f, 45.3f, -7.3f};

play::SideGamePrint sideGame(play::SideGame game) {
    play::SideGamePrint what;
    what.game = game;
    what.request.date = {6, 2, 26};
    return what;
}

class LongNamesTest : public ::testing::Test {
protected:
    LongNamesTest() {
        league.tee(store::kBlueTee, "70.1", "135");
        for (int p = 0; p < 4; ++p) {
            league.player(kNames[p], store::kBlueTee).post("6/2/26", testing::Holes(p == 3 ? 3 : 5));
            store::RoundRecord& round = data.players[p + 1].rounds[1];
            round.handicapIndex = kIndexes[p];
            round.courseHandicap = static_cast<float>(std::lround(kIndexes[p] * 135 / 113));
        }
        for (int h = 1; h <= 18; ++h) data.strokeIndexes[1][h] = static_cast<int16_t>(h);
        league.team("Eagles", {1, 2}).points("Week 1", 6).team("Birdies", {3, 4}).points("Week 1", 4);
        data.leagueFileName = "Tuesday Men.LGE";
    }

    std::vector<listing::Row> rows() {
        listing::Listing listing;
        listing::Listing::ShowLatestRounds(data);
        listing.ListMostRecent(data);
        return listing.rows();
    }

    struct Report {
        const char* report;
        std::function<void(RecordingPrinter&)> print;
    };
    // Every report that prints the players' names.
    std::vector<Report> reports() {
        using P = RecordingPrinter&;
        // clang-format off
        return {
            {"results", [this](P p) { results::PrintResults(p, data, {{6, 2, 26}}); }},
            {"scorecards", [this](P p) { reports::PrintScorecards(p, data, {1, store::kBlueTee, {6, 9, 26}, {}}); }},
            {"cards", [this](P p) {
                 for (int i = 1; i <= 4; ++i) data.players[i].selected = 1;
                 reports::PrintHandicapCards(p, data, {kDate, {}});
             }},
            {"compare", [this](P p) { reports::PrintCompareChart(p, data, reports::CompareLines(data), kDate); }},
            {"listing-short", [this](P p) { reports::printshortreport(p, data, rows(), kDate); }},
            {"listing-long", [this](P p) { reports::printlongreport(p, data, rows(), kDate); }},
            {"team summary", [this](P p) { teams::PrintTeamSummary(p, data, true, false, kDate); }},
            {"stableford", [this](P p) { play::PrintSideGame(p, data, sideGame(play::SideGame::Stableford), error); }},
            {"skins", [this](P p) { play::PrintSideGame(p, data, sideGame(play::SideGame::Skins), error); }},
            {"match cards", [this](P p) {
                 play::MatchCard card{"06/02/26  Eagles v Birdies", kNames[2], kNames[3], 61, -10, {}};
                 card.gift = play::GiveStrokes(61, -10, data.strokeIndexes[1], 1, 18);
                 play::PrintMatchCards(p, data, {card}, 1);
             }},
            {"graph", [this](P p) { analysis::PrintHcpGraph(p, data, 1, kDate); }},
        };
        // clang-format on
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    testing::LeagueBuilder league = testing::LeagueBuilder(data).course("Pine Hills", "PH");
    std::string error;
    const std::string kDate = "12-06-2026";
};

// A text's inked extent: its blanks at either end take no room.
struct Box {
    double left, right, top, bottom;
};
Box inked(const print::PrintedText& t) {
    const size_t first = t.text.find_first_not_of(' ');
    const size_t last = t.text.find_last_not_of(' ');
    const double w = print::CharWidth(t.font.size);
    return {t.x + w * static_cast<double>(text::CharLength(t.text.substr(0, first))),
            t.x + w * static_cast<double>(text::CharLength(t.text.substr(0, last + 1))), t.y,
            t.y + print::LineHeight(t.font.size)};
}

// The name as it stands in the text: whole, or shortened by the one rule to some room.
bool showsName(const std::string& text, const std::string& name) {
    if (text.find(name) != std::string::npos) return true;
    for (size_t room = 8; room < text::CharLength(name); ++room)
        if (text.find(text::ShortenName(name, room)) != std::string::npos) return true;
    return false;
}

TEST_F(LongNamesTest, EveryReportShowsThemWholeOrShortenedWithoutOverprinting) {
    for (const auto& r : reports()) {
        SCOPED_TRACE(r.report);
        RecordingPrinter printer;
        printer.setFontNames({"Arial", "Courier New"});
        r.print(printer);
        ASSERT_EQ(printer.documents().size(), 1u);
        const print::Document& doc = printer.documents().back();
        std::vector<bool> shown(4, false);
        for (const print::Page& page : doc.pages) {
            const bool landscape = page.orientation == platform::Orientation::Landscape;
            const double width = landscape ? doc.pageHeight : doc.pageWidth;
            const double height = (landscape ? doc.pageWidth : doc.pageHeight) - print::kFooterBand;
            std::vector<std::pair<Box, std::string>> boxes;
            for (const print::PrintedText& t : page.texts) {
                if (t.text.find_first_not_of(' ') == std::string::npos) continue;
                // A chart's upright axis title is a column of single letters closer than a line.
                if (text::CharLength(t.text) == 1) continue;
                const Box b = inked(t);
                EXPECT_GE(b.left, 0) << t.text;
                EXPECT_LE(b.right, width + 0.5) << t.text;
                EXPECT_LE(b.bottom, height + 0.5) << t.text;
                for (const auto& [other, what] : boxes) {
                    const bool apart = b.left >= other.right - 0.5 || other.left >= b.right - 0.5 ||
                                       b.top >= other.bottom - 0.5 || other.top >= b.bottom - 0.5;
                    EXPECT_TRUE(apart) << "'" << t.text << "' over '" << what << "'";
                }
                boxes.push_back({b, t.text});
                for (size_t n = 0; n < 4; ++n) {
                    if (showsName(t.text, kNames[n])) {
                        shown[n] = true;
                    } else {
                        // A name's start without its end is a shortened name without its sign.
                        EXPECT_EQ(t.text.find(kNames[n].substr(0, 8)), std::string::npos) << t.text;
                    }
                }
            }
        }
        const bool allPlayers = std::string(r.report) != "graph" && std::string(r.report) != "match cards";
        for (size_t n = 0; n < 4; ++n) {
            if (allPlayers || (r.report == std::string("graph") ? n == 0 : n >= 2)) {
                EXPECT_TRUE(shown[n]) << kNames[n];
            }
        }
    }
}

// The footer of a longer document sits in the band at the foot of the printable area (a quarter
// inch from the paper's edges), below every line of the report, on either paper, either way round.
TEST_F(LongNamesTest, FootersStayInsideTheQuarterInchMarginOnLetterAndA4) {
    for (int p = 5; p <= 70; ++p) league.player("Player " + std::to_string(p)).round("6/2/26", 40, 40, 9);
    const struct {
        const char* paper;
        double width, height;  // inches
    } papers[] = {{"Letter", 8.5, 11}, {"A4", 8.27, 11.69}};
    for (const auto& paper : papers) {
        for (const auto& r : reports()) {
            if (std::string(" results scorecards listing-long ").find(std::string(" ") + r.report + " ") ==
                std::string::npos)
                continue;
            SCOPED_TRACE(std::string(paper.paper) + " " + r.report);
            RecordingPrinter printer((paper.width - 0.5) * print::kTwipsPerInch,
                                     (paper.height - 0.5) * print::kTwipsPerInch);
            r.print(printer);
            const print::Document& doc = printer.documents().back();
            ASSERT_GE(doc.pages.size(), 2u);
            for (const print::Page& page : doc.pages) {
                const bool landscape = page.orientation == platform::Orientation::Landscape;
                const double width = landscape ? doc.pageHeight : doc.pageWidth;
                const double height = landscape ? doc.pageWidth : doc.pageHeight;
                ASSERT_EQ(page.footer.size(), 2u);
                double lowestLine = 0;
                for (const print::PrintedText& t : page.texts)
                    lowestLine = std::max(lowestLine, t.y + print::LineHeight(t.font.size));
                for (const print::PrintedText& f : page.footer) {
                    SCOPED_TRACE(f.text);
                    EXPECT_GE(f.x, 0);
                    EXPECT_LE(inked(f).right, width);
                    EXPECT_LE(inked(f).bottom, height);
                    EXPECT_GE(f.y, lowestLine);
                }
            }
        }
    }
}

}  // namespace
}  // namespace quorval
