#include <gtest/gtest.h>

#include <QFontInfo>
#include <QListWidget>
#include <QScrollBar>

#include "analysis/statistics.hpp"
#include "leaguebuilder.hpp"
#include "ui/analysis/fullstatwindow.hpp"
#include "ui/analysis/statswindow.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Ann's rounds were entered with performance data: two putts a hole and the fairway hit on the
// odd holes. Bob's round was not; Cy has none.
class StatsWindowsTest : public WindowTest {
protected:
    StatsWindowsTest() {
        LeagueBuilder(*s.data).course("Pine Valley").player("Ann").player("Bob").post("5/1/26", Holes(5)).player("Cy");
        for (int strokes : {5, 6, 4}) {
            entry::RoundEntry e;
            for (int h = 1; h <= 18; ++h) {
                const int nine = h <= 9 ? store::kOutSlot : store::kInSlot;
                e.score[nine] += e.score[h] = static_cast<int16_t>(strokes);
                e.putts[nine] += e.putts[h] = 2;
                e.fairway[nine] += (e.fairway[h] = h % 2 == 1 ? 2 : 1) == 2;
                e.green[h] = 1;
            }
            entry::PostRound(*s.data, 1, e, {1, 5, strokes, 26}, 0);
        }
    }
    // The player shown, between < and > for Previous and Next as enabled now.
    static std::string shown(QWidget* w, const char* name) {
        return std::string(child<QWidget>(w, "Previous")->isEnabled() ? "<" : "") + text(w, name) +
               (child<QWidget>(w, "Nextbutton")->isEnabled() ? ">" : "");
    }
    // The page printed once the user says yes; closing by button or Escape lets go of the player.
    std::vector<std::string> printThenClose(QWidget* w, const char* button, bool escape) {
        printAfterAsking(w, button);
        escape ? QTest::keyClick(w, Qt::Key_Escape) : click(w, "Closebutton");
        EXPECT_EQ(s.data->currentPlayer, 0);
        return s.printer.documents().empty() ? std::vector<std::string>{} : s.printer.documents()[0].pages[0].lines();
    }
};

TEST_F(StatsWindowsTest, SummaryStepsThroughThePlayersAndPrintsTheOneShown) {
    auto* w = open<StatsWindow>(2);
    EXPECT_EQ(shown(w, "NameLabel"), "<Bob>");
    click(w, "Nextbutton");
    EXPECT_EQ(shown(w, "NameLabel"), "<Cy");
    click(w, "Previous");
    click(w, "Previous");
    EXPECT_EQ(shown(w, "NameLabel"), "Ann>");
    EXPECT_EQ(text(w, "HcpLabel"), analysis::CalcAverages(*s.data, 1).hcp);
    EXPECT_EQ(text(w, "AveScoreLabel") + "|" + text(w, "AvgFairwaysLabel") + "|" + text(w, "AvgPuttsLabel"),
              "Avg. score per hole = 5.0|Fairways 50.0 %|Average # of Putts per Hole = 2.0");
    const std::vector<std::string> printed = printThenClose(w, "PrintSingle", false);
    ASSERT_EQ(printed.size(), 19u);
    EXPECT_EQ(printed[7], "    Ann");
}

TEST_F(StatsWindowsTest, ReviewListsTheRoundsOfEachPlayerAndPrintsThem) {
    auto* w = open<FullStatWindow>(1);
    EXPECT_EQ(shown(w, "Playernamelabel"), "Ann>");
    EXPECT_TRUE(QFontInfo(child<QListWidget>(w, "List1")->font()).fixedPitch());
    const std::vector<std::string> ann = lines(w);
    EXPECT_EQ(ann, analysis::CycleReports(*s.data, 1));
    click(w, "Nextbutton");
    EXPECT_EQ(shown(w, "Playernamelabel"), "<Bob>");
    EXPECT_EQ(lines(w), analysis::CycleReports(*s.data, 2));
    click(w, "Previous");
    click(w, "Printsetupbutton");
    EXPECT_EQ(s.printer.setups, 1);

    std::vector<std::string> printed = printThenClose(w, "PrintButton", true);
    ASSERT_EQ(printed.size(), 7u + ann.size());
    EXPECT_EQ(s.printer.documents()[0].pages[0].orientation, platform::Orientation::Landscape);
    EXPECT_EQ(printed[5], "  Ann");
    for (size_t i = 0; i < ann.size(); ++i) EXPECT_EQ(printed[7 + i], "     " + ann[i]);
}

// A 640-pixel screen has no room for whole lines: the list pans sideways with HScroll1.
TEST_F(StatsWindowsTest, ReviewPansOnlyOnASmallScreen) {
    auto* list = child<QListWidget>(open<FullStatWindow>(1), "List1");  // whole lines on a wide screen
    EXPECT_GE(list->viewport()->width(), list->fontMetrics().horizontalAdvance(QString(103, '_')));
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    s.screen.width = 640;
    auto* w = open<FullStatWindow>(1);
    QApplication::processEvents();  // the list lays its items out later
    EXPECT_TRUE(child<QScrollBar>(w, "HScroll1")->isVisible());
    EXPECT_GT(child<QScrollBar>(w, "HScroll1")->maximum(), 0);
}

}  // namespace
}  // namespace quorval::gui
