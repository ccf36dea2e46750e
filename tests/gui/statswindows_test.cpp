#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include "analysis/statistics.hpp"
#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "ui/analysis/fullstatwindow.hpp"
#include "ui/analysis/statswindow.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Ann's rounds were entered with performance data at two courses: two putts a hole and the
// fairway hit on the odd holes. Bob's were not; Cy has none.
class StatsWindowsTest : public ::testing::Test {
protected:
    StatsWindowsTest() {
        LeagueBuilder(*s.data)
            .course("Pine Valley", "PV")
            .course("Oak Hills", "OH")
            .player("Ann")
            .player("Bob")
            .player("Cy");
        const int rounds[][3] = {{1, 1, 5}, {1, 2, 6}, {1, 1, 4}, {2, 1, 5}};  // player, course, strokes a hole
        for (int r = 0; r < 4; ++r) {
            entry::RoundEntry e;
            for (int h = 1; h <= 18; ++h) {
                const int nine = h <= 9 ? store::kOutSlot : store::kInSlot;
                e.score[nine] += e.score[h] = static_cast<int16_t>(rounds[r][2]);
                if (rounds[r][0] == 2) continue;
                e.putts[nine] += e.putts[h] = 2;
                e.fairway[nine] += (e.fairway[h] = h % 2 == 1 ? 2 : 1) == 2;
                e.green[h] = 1;
            }
            entry::PostRound(*s.data, rounds[r][0], e, {rounds[r][1], 5, r + 1, 26}, 0);
        }
        s.printer.setPageSize(8 * print::kTwipsPerInch, 10.5 * print::kTwipsPerInch);  // Letter, quarter-inch margins
    }
    ~StatsWindowsTest() override { closeWindowsExcept(&opener); }

    template <typename W>
    W* open(int player) {
        s.data->currentPlayer = static_cast<int16_t>(player);
        auto* w = new W(s.services, &opener);
        openChild(&opener, w);
        return w;
    }
    static QString text(QWidget* w, const char* label) { return child<QLabel>(w, label)->text(); }
    static void click(QWidget* w, const char* button) { QTest::mouseClick(child<QWidget>(w, button), Qt::LeftButton); }
    static QStringList shownLines(QWidget* w) {
        QStringList out;
        auto* list = child<QListWidget>(w, "List1");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
    // Previous and Next as enabled now.
    static std::pair<bool, bool> stepping(QWidget* w) {
        return {child<QWidget>(w, "Previous")->isEnabled(), child<QWidget>(w, "Nextbutton")->isEnabled()};
    }
    // Prints once the user says yes, not before; then closes by its own button or Escape, which
    // gives the opener back with no current player.
    std::vector<std::string> printThenClose(QWidget* w, const char* button, bool escape) {
        s.dialogs.answer(platform::Answer::Cancel);
        click(w, button);
        EXPECT_TRUE(s.printer.documents().empty());
        s.dialogs.answer(platform::Answer::Ok);
        click(w, button);
        const platform::Message ready{"Ready to send List to the Printer.", "Quorval", platform::Buttons::OkCancel};
        EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>(2, ready));
        escape ? QTest::keyClick(w, Qt::Key_Escape) : click(w, "Closebutton");
        EXPECT_FALSE(w->isVisible());
        EXPECT_TRUE(opener.isEnabled());
        EXPECT_EQ(s.data->currentPlayer, 0);
        return s.printer.documents().empty() ? std::vector<std::string>{} : s.printer.documents()[0].pages[0].lines();
    }

    TestServices s;
    QWidget opener;
};

TEST_F(StatsWindowsTest, SummaryStepsThroughThePlayersAndPrintsTheOneShown) {
    auto* w = open<StatsWindow>(2);
    EXPECT_EQ(text(w, "NameLabel"), "Bob");
    EXPECT_EQ(stepping(w), std::make_pair(true, true));
    click(w, "Nextbutton");
    EXPECT_EQ(text(w, "NameLabel"), "Cy");
    EXPECT_EQ(stepping(w), std::make_pair(true, false));
    click(w, "Previous");
    click(w, "Previous");
    EXPECT_EQ(text(w, "NameLabel"), "Ann");
    EXPECT_EQ(stepping(w), std::make_pair(false, true));
    EXPECT_EQ(text(w, "HcpLabel").toStdString(), analysis::CalcAverages(*s.data, 1).hcp);
    EXPECT_EQ((QStringList{text(w, "AveScoreLabel"), text(w, "AvgFairwaysLabel"), text(w, "AvgPuttsLabel")}),
              (QStringList{"Avg. score per hole = 5.0", "Fairways 50.0 %", "Average # of Putts per Hole = 2.0"}));
    const QString putts = text(w, "AvgPuttsLabel");
    std::vector<std::string> lines = printThenClose(w, "PrintSingle", false);
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[7], "    Ann");
    EXPECT_EQ(QString::fromStdString(lines[17]), "    " + putts);
}

TEST_F(StatsWindowsTest, ReviewListsTheRoundsOfEachPlayerAndPrintsThem) {
    auto* w = open<FullStatWindow>(1);
    EXPECT_EQ(text(w, "Playernamelabel"), "Ann");
    EXPECT_TRUE(QFontInfo(child<QListWidget>(w, "List1")->font()).fixedPitch());
    QStringList lines = shownLines(w);
    ASSERT_EQ(lines.size(), 31);
    for (int i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].toStdString(), analysis::CycleReports(*s.data, 1)[i]);
    EXPECT_EQ(stepping(w), std::make_pair(false, true));
    click(w, "Nextbutton");
    EXPECT_EQ(text(w, "Playernamelabel"), "Bob");
    EXPECT_EQ(shownLines(w), QStringList{" No personal statistics found for this player."});
    EXPECT_EQ(stepping(w), std::make_pair(true, true));
    click(w, "Previous");
    EXPECT_EQ(shownLines(w), lines);
    click(w, "Printsetupbutton");
    EXPECT_EQ(s.printer.setups, 1);

    std::vector<std::string> printed = printThenClose(w, "PrintButton", true);
    ASSERT_EQ(printed.size(), 7u + 31u);
    EXPECT_EQ(s.printer.documents()[0].pages[0].orientation, platform::Orientation::Landscape);
    EXPECT_EQ(printed[5], "  Ann");
    for (int i = 0; i < lines.size(); ++i) EXPECT_EQ(QString::fromStdString(printed[7 + i]), "     " + lines[i]);
}

// A 640-pixel screen has no room for whole lines: the list pans sideways with HScroll1.
TEST_F(StatsWindowsTest, ReviewPansOnlyOnASmallScreen) {
    EXPECT_FALSE(child<QScrollBar>(open<FullStatWindow>(1), "HScroll1")->isVisible());
    s.screen.width = 640;
    auto* w = open<FullStatWindow>(1);
    QApplication::processEvents();  // the list lays its items out later
    EXPECT_TRUE(child<QScrollBar>(w, "HScroll1")->isVisible());
    EXPECT_GT(child<QScrollBar>(w, "HScroll1")->maximum(), 0);
}

}  // namespace
}  // namespace quorval::gui
