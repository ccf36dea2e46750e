#include "ui/teams/teampointswindow.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"
#include "ui/teams/teamsummarywindow.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using platform::Answer;

std::string blanks(size_t n) {
    return std::string(n, ' ');
}

// Two teams, the Eagles (Ann and Di) with two entries and the Hawks (Cy); Bo has none.
const std::string kTeamHead = " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\n";
const std::string kEagleEntries = "Week 1\r\n 12 \r\n 4.5 \r\nWeek 2\r\n 20 \r\n 2 \r\n";

class TeamWindowsTest : public ::testing::Test {
protected:
    TeamWindowsTest() {
        LeagueBuilder(*s.data, "Fall").player("Ann Lee").player("Bo Diaz").player("Cy Young").player("Di Fox");
        writeBytes("Fall.tea", kTeamHead + " 2 \r\n" + kEagleEntries + " 0 \r\n");
    }
    ~TeamWindowsTest() override { closeWindowsExcept(&opener); }

    template <typename W>
    void open() {
        auto* w = new W(s.services, &opener);
        window = w;
        openChild(&opener, w);
    }
    void click(const char* name) { child<QAbstractButton>(window, name)->click(); }
    void type(const char* name, const QString& text) { QTest::keyClicks(child<QLineEdit>(window, name), text); }
    QString box(const char* name) { return child<QLineEdit>(window, name)->text(); }
    QString label(const char* name) { return child<QLabel>(window, name)->text(); }
    QStringList listed() {
        QStringList rows;
        auto* list = child<QListWidget>(window, "List1");
        for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
        return rows;
    }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    QWidget* window = nullptr;
};

TEST_F(TeamWindowsTest, OpensOnTeamOneAndAddsAndRemovesEntries) {
    open<TeamPointsWindow>();
    EXPECT_EQ(label("TeamNameLabel"), "Eagles");
    EXPECT_EQ(label("RecordNumberLabel"), "Team # 1 of 2");
    EXPECT_EQ(child<QPlainTextEdit>(window, "Membertext")->toPlainText(), "Ann Lee , Di Fox ");
    EXPECT_EQ(listed(), QStringList({QString::fromStdString("Week 1" + blanks(55) + "  12.0" + blanks(6) + "4.5"),
                                     QString::fromStdString("Week 2" + blanks(55) + "  20.0" + blanks(6) + "2.0")}));
    EXPECT_EQ(label("TotalLabel"), "6.5");
    click("Image1");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Team data"});

    // The date box starts an empty description, and every description after an entry is added.
    type("Text1", "Note");
    click("DateCheck");
    EXPECT_EQ(box("Text1"), "Note");
    child<QLineEdit>(window, "Text1")->clear();
    click("DateCheck");
    click("DateCheck");
    EXPECT_EQ(box("Text1"), "12-06-2026 ");
    type("Text1", "Pine Hills");
    type("ManualText", "30");
    type("Calculatedtext", "3 wins");
    click("Addbutton");
    ASSERT_EQ(listed().size(), 3);
    EXPECT_EQ(listed()[2].toStdString(), "12-06-2026 Pine Hills" + blanks(40) + "  30.0" + blanks(6) + "3.0");
    EXPECT_EQ(label("TotalLabel"), "9.5");
    EXPECT_EQ(box("Text1") + box("Calculatedtext") + box("ManualText"), "12-06-2026 ");

    click("DateCheck");  // a refused entry stays in the boxes
    child<QLineEdit>(window, "Text1")->clear();
    type("ManualText", "8");
    click("Addbutton");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(box("ManualText"), "8");
    child<QLineEdit>(window, "ManualText")->clear();

    click("Removebutton");  // nothing selected
    auto* list = child<QListWidget>(window, "List1");
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    click("Removebutton");
    EXPECT_EQ(listed().size(), 1);
    EXPECT_TRUE(listed().at(0).startsWith("Week 2 "));
    EXPECT_EQ(label("TotalLabel"), "2");
}

// A long record scrolls: every column of every line is still in view beside the scroll bar,
// negative values and cut descriptions included, and the newest entry shows.
TEST_F(TeamWindowsTest, LongRecordShowsEveryColumnAndTheNewestEntry) {
    std::string entries = " 30 \r\n";
    for (int e = 1; e <= 30; ++e)
        entries += (e == 30 ? std::string(105, 'x') : "Week " + std::to_string(e)) + "\r\n -1234.5 \r\n -999.5 \r\n";
    writeBytes("Fall.tea", kTeamHead + entries + " 0 \r\n");
    open<TeamPointsWindow>();
    auto* list = child<QListWidget>(window, "List1");
    QApplication::processEvents();
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    for (const QString& line : listed()) {
        EXPECT_LE(QFontMetrics(list->font()).horizontalAdvance(line), list->viewport()->width()) << line.toStdString();
        EXPECT_TRUE(line.endsWith("-999.5")) << line.toStdString();
    }
}

// Points left in the boxes are offered before the window shows another team or closes.
TEST_F(TeamWindowsTest, PendingPointsAreOfferedBeforeSwitchingTeamsAndClosing) {
    open<TeamPointsWindow>();
    type("Calculatedtext", "1.5");
    s.dialogs.answer(Answer::Yes);
    click("nextteambutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(s.data->teams.teamEntries[1][3].points, 1.5f);
    EXPECT_EQ(child<QPlainTextEdit>(window, "Membertext")->toPlainText(), "Cy Young ");
    EXPECT_TRUE(listed().isEmpty());
    click("nextteambutton");  // already the last team
    EXPECT_EQ(label("RecordNumberLabel"), "Team # 2 of 2");
    type("ManualText", "5");
    s.dialogs.answer(Answer::No);
    click("prevteambutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(s.data->teams.teamEntryCount[2], 0);
    EXPECT_EQ(label("RecordNumberLabel"), "Team # 1 of 2");
    EXPECT_EQ(box("ManualText"), "");

    type("Text1", "Week 3");
    type("Calculatedtext", "1");
    s.dialogs.answer(Answer::Yes);
    click("exitbutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(readBytes("Fall.tea"),
              kTeamHead + " 4 \r\n" + kEagleEntries + "\r\n 0 \r\n 1.5 \r\nWeek 3\r\n 0 \r\n 1 \r\n 0 \r\n");
    EXPECT_EQ(visibleWindow("teamdataform"), nullptr);
}

// With all events and no names: both entries under the Eagles' heading; with names and the last
// event only: the members, then Week 2 alone.
TEST_F(TeamWindowsTest, SummaryPrintsWithTheChosenOptions) {
    store::LoadTeamAssignments(*s.data);
    open<TeamSummaryWindow>();
    click("Printbutton");
    click("Namescheck");
    click("Option11");
    click("Printbutton");
    ASSERT_EQ(s.printer.documents().size(), 2u);
    auto all = s.printer.documents()[0].pages[0].lines();
    auto last = s.printer.documents()[1].pages[0].lines();
    EXPECT_EQ(all[5], blanks(49) + "Quorval   12-06-2026");
    EXPECT_EQ(last[11], "    Ann Lee , Di Fox ");
    EXPECT_EQ(last[13].substr(0, 10), "    Week 2");
    EXPECT_EQ(all.size() + 2 + 2 - 1, last.size());  // two member blocks of two lines, one entry fewer
    click("Printsetupbutton");
    EXPECT_EQ(s.printer.setups, 1);
    click("Infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Team data"});
    click("Donebutton");
    EXPECT_EQ(visibleWindow("PrintTeamform"), nullptr);
}

}  // namespace
}  // namespace quorval::gui
