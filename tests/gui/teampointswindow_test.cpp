#include "ui/teams/teampointswindow.hpp"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QScrollBar>

#include "leaguebuilder.hpp"
#include "store/teamfile.hpp"
#include "ui/teams/teamsummarywindow.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Two teams, the Eagles (Ann and Di) with two entries and the Hawks (Cy); Bo has none.
const std::string kTeamHead = " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\n";
const std::string kEagleEntries = "Week 1\r\n 12 \r\n 4.5 \r\nWeek 2\r\n 20 \r\n 2 \r\n";

class TeamWindowsTest : public WindowTest {
protected:
    TeamWindowsTest() {
        LeagueBuilder(*s.data, "Fall").player("Ann Lee").player("Bo Diaz").player("Cy Young").player("Di Fox");
        writeBytes("Fall.tea", kTeamHead + " 2 \r\n" + kEagleEntries + " 0 \r\n");
    }
    static void type(QWidget* w, const char* box, const QString& text) {
        QTest::keyClicks(child<QWidget>(w, box), text);
    }
    static void clear(QWidget* w, const char* box) { child<QWidget>(w, box)->setProperty("text", ""); }
};

TEST_F(TeamWindowsTest, OpensOnTeamOneAndAddsAndRemovesEntries) {
    auto* w = open<TeamPointsWindow>();
    EXPECT_EQ(text(w, "TeamNameLabel") + "|" + text(w, "Membertext") + "|" + text(w, "TotalLabel"),
              "Eagles|Ann Lee, Di Fox|6.5");
    click(w, "Image1");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Team data"});

    // The date check starts an empty description with the date, and every one after an entry.
    type(w, "Text1", "Note");
    click(w, "DateCheck");
    EXPECT_EQ(text(w, "Text1"), "Note");
    clear(w, "Text1");
    click(w, "DateCheck");
    click(w, "DateCheck");
    type(w, "Text1", "Pine Hills");
    type(w, "ManualText", "30");
    type(w, "Calculatedtext", "3 wins");
    click(w, "Addbutton");
    const std::string pad(55, ' ');
    EXPECT_EQ(lines(w),
              (std::vector<std::string>{"Week 1" + pad + "  12.0      4.5", "Week 2" + pad + "  20.0      2.0",
                                        "12-06-2026 Pine Hills" + std::string(40, ' ') + "  30.0      3.0"}));
    EXPECT_EQ(text(w, "Text1") + text(w, "Calculatedtext") + text(w, "ManualText"), "12-06-2026 ");

    click(w, "DateCheck");  // a refused entry stays in the boxes
    clear(w, "Text1");
    type(w, "ManualText", "8");
    click(w, "Addbutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(text(w, "ManualText"), "8");
    clear(w, "ManualText");

    auto* list = child<QListWidget>(w, "List1");
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    click(w, "Removebutton");
    EXPECT_EQ(lines(w), std::vector<std::string>{"Week 2" + pad + "  20.0      2.0"});
    EXPECT_EQ(text(w, "TotalLabel"), "2");
}

// Every column of a long record's lines shows beside the scroll bar, and so does the newest entry.
TEST_F(TeamWindowsTest, LongRecordShowsEveryColumnAndTheNewestEntry) {
    std::string entries = " 30 \r\n";
    for (int e = 1; e <= 30; ++e)
        entries += (e == 30 ? std::string(105, 'x') : "Week " + std::to_string(e)) + "\r\n -1234.5 \r\n -999.5 \r\n";
    writeBytes("Fall.tea", kTeamHead + entries + " 0 \r\n");
    auto* w = open<TeamPointsWindow>();
    auto* list = child<QListWidget>(w, "List1");
    QApplication::processEvents();
    EXPECT_GT(list->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    for (const std::string& line : lines(w)) {
        EXPECT_LE(list->fontMetrics().horizontalAdvance(QString::fromStdString(line)), list->viewport()->width());
        EXPECT_TRUE(line.ends_with("-999.5")) << line;
    }
}

TEST_F(TeamWindowsTest, PendingPointsAreOfferedBeforeSwitchingTeamsAndClosing) {
    auto* w = open<TeamPointsWindow>();
    type(w, "Calculatedtext", "1.5");
    s.dialogs.answer(platform::Answer::Yes);
    click(w, "nextteambutton");
    EXPECT_EQ(text(w, "Membertext") + std::to_string(lines(w).size()), "Cy Young0");
    click(w, "nextteambutton");  // already the last team
    EXPECT_EQ(text(w, "RecordNumberLabel"), "Team # 2 of 2");
    type(w, "ManualText", "5");
    s.dialogs.answer(platform::Answer::No);
    click(w, "prevteambutton");
    EXPECT_EQ(text(w, "RecordNumberLabel") + "|" + text(w, "ManualText"), "Team # 1 of 2|");

    type(w, "Text1", "Week 3");
    type(w, "Calculatedtext", "1");
    s.dialogs.answer(platform::Answer::Yes);
    click(w, "exitbutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 3u);
    EXPECT_EQ(readBytes("Fall.tea"),
              kTeamHead + " 4 \r\n" + kEagleEntries + "\r\n 0 \r\n 1.5 \r\nWeek 3\r\n 0 \r\n 1 \r\n 0 \r\n");
}

// All events without names, then the members and only the last event of each team.
TEST_F(TeamWindowsTest, SummaryPrintsWithTheChosenOptions) {
    store::LoadTeamAssignments(*s.data);
    auto* w = open<TeamSummaryWindow>();
    EXPECT_TRUE(child<QWidget>(w, "Option10")->property("checked").toBool());  // all events unless told
    for (const char* button :
         {"Printbutton", "Namescheck", "Option11", "Printbutton", "Printsetupbutton", "Infobutton", "Donebutton"})
        click(w, button);
    ASSERT_EQ(s.printer.documents().size(), 2u);
    auto all = s.printer.documents()[0].pages[0].lines();
    auto last = s.printer.documents()[1].pages[0].lines();
    EXPECT_EQ(last[11], "    Ann Lee, Di Fox");
    EXPECT_EQ(last[14].substr(0, 10), "    Week 2");
    EXPECT_EQ(all.size() + 2 + 2 - 1, last.size());  // two member blocks of two lines, one entry fewer
    EXPECT_EQ(s.printer.setups, 1);
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Team data"});
}

}  // namespace
}  // namespace quorval::gui
