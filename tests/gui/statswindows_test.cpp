#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "analysis/statistics.hpp"
#include "entry/posting.hpp"
#include "fakeseams.hpp"
#include "ui/analysis/fullstatwindow.hpp"
#include "ui/analysis/statswindow.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Ann's rounds were entered with performance data at two courses; Bob's without; Cy has none.
class StatsWindowsTest : public ::testing::Test {
protected:
    StatsWindowsTest() {
        store::LeagueData& data = *s.data;
        const char* names[] = {"Ann", "Bob", "Cy"};
        data.playerCount = 3;
        for (int p = 1; p <= 3; ++p) data.players[p].name = names[p - 1];
        addCourse(1, "Pine Valley", "PV");
        addCourse(2, "Oak Hills", "OH");
        post(1, 1, 5, true);
        post(1, 2, 6, true);
        post(1, 1, 4, true);
        post(2, 1, 5, false);
        // The desktop printer's page: Letter with quarter-inch margins.
        s.printer.setPageSize(8 * print::kTwipsPerInch, 10.5 * print::kTwipsPerInch);
    }

    ~StatsWindowsTest() override { closeWindowsExcept(&opener); }

    void addCourse(int c, const std::string& name, const std::string& initials) {
        store::CourseRecord& course = s.data->courses[c];
        course[store::course_field::kName] = name;
        course[store::course_field::kInitials] = initials;
        for (int h = 1; h <= 18; ++h) course[store::course_field::kHolePar0 + h] = "4";
        for (int t = 1; t <= 3; ++t) {
            course[store::course_field::kRating0 + t] = "71.5";
            course[store::course_field::kSlope0 + t] = "125";
        }
        s.data->courseCount = static_cast<int16_t>(c);
    }

    // A round of `strokes` on every hole; with performance data two putts a hole and the fairway
    // hit on the odd holes, the green on none.
    void post(int player, int course, int strokes, bool performance) {
        entry::RoundEntry e;
        for (int h = 1; h <= 18; ++h) {
            int nine = h <= 9 ? store::kOutSlot : store::kInSlot;
            e.score[h] = static_cast<int16_t>(strokes);
            e.score[nine] += e.score[h];
            if (!performance) continue;
            e.putts[h] = 2;
            e.putts[nine] += 2;
            e.fairway[h] = h % 2 == 1 ? 2 : 1;
            e.fairway[nine] += e.fairway[h] == 2;
            e.green[h] = 1;
        }
        int day = ++m_day;
        entry::PostRound(*s.data, player, e, {course, 5, day, 26}, 0);
    }

    template <typename W>
    W* open(int player) {
        s.data->currentPlayer = static_cast<int16_t>(player);
        auto* w = new W(s.services, &opener);
        openChild(&opener, w);
        return w;
    }

    QString text(QWidget* w, const char* label) { return child<QLabel>(w, label)->text(); }

    QStringList shownLines(QWidget* w) {
        QStringList out;
        auto* list = child<QListWidget>(w, "List1");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

    // Next and Previous as enabled now.
    std::pair<bool, bool> stepping(QWidget* w) {
        return {child<QPushButton>(w, "Previous")->isEnabled(), child<QPushButton>(w, "Nextbutton")->isEnabled()};
    }

    const platform::Message kReady{"Ready to send List to the Printer.", "Quorval", platform::Buttons::OkCancel};

    TestServices s;
    QWidget opener;
    int m_day = 0;
};

TEST_F(StatsWindowsTest, SummaryStepsThroughThePlayers) {
    auto* w = open<StatsWindow>(2);
    EXPECT_EQ(w->windowTitle(), "Personal Performance");
    EXPECT_FALSE(opener.isEnabled());
    EXPECT_EQ(text(w, "NameLabel"), "Bob");
    EXPECT_EQ(text(w, "AvgFairwaysLabel"), "Fairways - no data");
    EXPECT_EQ(stepping(w), std::make_pair(true, true));

    child<QPushButton>(w, "Nextbutton")->click();
    EXPECT_EQ(s.data->currentPlayer, 3);
    EXPECT_EQ(text(w, "NameLabel"), "Cy");
    EXPECT_EQ(stepping(w), std::make_pair(true, false));

    child<QPushButton>(w, "Previous")->click();
    child<QPushButton>(w, "Previous")->click();
    EXPECT_EQ(text(w, "NameLabel"), "Ann");
    EXPECT_EQ(stepping(w), std::make_pair(false, true));
    analysis::PerformanceSummary ann = analysis::CalcAverages(*s.data, 1);
    EXPECT_EQ(text(w, "HcpLabel").toStdString(), ann.hcp);
    EXPECT_EQ(text(w, "AveScoreLabel"), "Avg. score per hole = 5.0");
    EXPECT_EQ(text(w, "AvgFairwaysLabel"), "Fairways 50.0 %");
    EXPECT_EQ(text(w, "AvgPuttsLabel"), "Average # of Putts per Hole = 2.0");
}

TEST_F(StatsWindowsTest, SummaryPrintsTheShownPlayerWhenTheUserIsReady) {
    auto* w = open<StatsWindow>(1);
    auto* print = child<QPushButton>(w, "PrintSingle");
    s.dialogs.answer(platform::Answer::Cancel);
    print->click();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kReady});
    EXPECT_TRUE(s.printer.documents().empty());

    s.dialogs.answer(platform::Answer::Ok);
    print->click();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kReady});
    ASSERT_EQ(s.printer.documents().size(), 1u);
    std::vector<std::string> lines = s.printer.documents()[0].pages.at(0).lines();
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[7], "    Ann");
    EXPECT_EQ(QString::fromStdString(lines[17]), "    " + text(w, "AvgPuttsLabel"));
}

TEST_F(StatsWindowsTest, ReviewListsTheRoundsByCourseForEachPlayer) {
    auto* w = open<FullStatWindow>(1);
    EXPECT_EQ(w->windowTitle(), "Personal Performance Review");
    EXPECT_EQ(text(w, "Playernamelabel"), "Ann");
    EXPECT_TRUE(QFontInfo(child<QListWidget>(w, "List1")->font()).fixedPitch());
    QStringList lines = shownLines(w);
    ASSERT_EQ(lines.size(), 2 + 4 + 1 + 4 + 7 + 2 + 4 + 7);
    EXPECT_TRUE(lines[2].startsWith("05/03/26  PV")) << lines[2].toStdString();
    EXPECT_EQ(lines[11], "Pine Valley");
    EXPECT_TRUE(lines[20].startsWith("05/02/26  OH")) << lines[20].toStdString();
    EXPECT_EQ(lines[24], "Oak Hills");
    EXPECT_EQ(stepping(w), std::make_pair(false, true));

    child<QPushButton>(w, "Nextbutton")->click();
    EXPECT_EQ(text(w, "Playernamelabel"), "Bob");
    EXPECT_EQ(shownLines(w), QStringList{" No personal statistics found for this player."});
    EXPECT_EQ(stepping(w), std::make_pair(true, true));
    child<QPushButton>(w, "Previous")->click();
    EXPECT_EQ(shownLines(w), lines);
}

TEST_F(StatsWindowsTest, ReviewPrintsItsListAndSetsUpThePrinter) {
    auto* w = open<FullStatWindow>(1);
    child<QPushButton>(w, "Printsetupbutton")->click();
    EXPECT_EQ(s.printer.setups, 1);
    EXPECT_TRUE(s.dialogs.takeMessages().empty());

    s.dialogs.answer(platform::Answer::Ok);
    child<QPushButton>(w, "PrintButton")->click();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kReady});
    ASSERT_EQ(s.printer.documents().size(), 1u);
    const print::Page& page = s.printer.documents()[0].pages.at(0);
    EXPECT_EQ(page.orientation, platform::Orientation::Landscape);
    std::vector<std::string> printed = page.lines();
    QStringList shown = shownLines(w);
    ASSERT_EQ(printed.size(), 7u + shown.size());
    EXPECT_EQ(printed[5], "  Ann");
    for (int i = 0; i < shown.size(); ++i) EXPECT_EQ(QString::fromStdString(printed[7 + i]), "     " + shown[i]);
}

// A 640-pixel screen has no room for whole lines: the list pans sideways with HScroll1.
TEST_F(StatsWindowsTest, ReviewPansOnlyOnASmallScreen) {
    auto* wide = open<FullStatWindow>(1);
    auto* bar = child<QScrollBar>(wide, "HScroll1");
    EXPECT_FALSE(bar->isVisible());
    EXPECT_GE(child<QListWidget>(wide, "List1")->viewport()->width(),
              QFontMetrics(child<QListWidget>(wide, "List1")->font()).horizontalAdvance(QString(103, '_')));
    wide->close();

    s.screen.width = 640;
    auto* small = open<FullStatWindow>(1);
    QApplication::processEvents();  // the list lays its items out later
    bar = child<QScrollBar>(small, "HScroll1");
    EXPECT_TRUE(bar->isVisible());
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    auto* list = child<QListWidget>(small, "List1");
    EXPECT_LT(list->visualItemRect(list->item(0)).left(), 0);
}

// Done, Escape and the title bar all end the same way: the opener back, no current player.
TEST_F(StatsWindowsTest, ClosingEitherWindowClearsTheCurrentPlayer) {
    for (const char* name : {"Statsform", "FullStatForm"}) {
        for (int way = 0; way < 3; ++way) {
            QWidget* w = std::string(name) == "Statsform" ? static_cast<QWidget*>(open<StatsWindow>(2))
                                                          : static_cast<QWidget*>(open<FullStatWindow>(2));
            if (way == 0) child<QPushButton>(w, "Closebutton")->click();
            if (way == 1) QTest::keyClick(w, Qt::Key_Escape);
            if (way == 2) w->close();
            EXPECT_EQ(visibleWindow(name), nullptr) << name << " way " << way;
            EXPECT_TRUE(opener.isEnabled()) << name << " way " << way;
            EXPECT_EQ(s.data->currentPlayer, 0) << name << " way " << way;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
}

}  // namespace
}  // namespace quorval::gui
