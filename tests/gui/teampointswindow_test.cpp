#include "ui/teams/teampointswindow.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <string>

#include "fakeseams.hpp"
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

// Two teams; Bo has none; the Eagles have two entries.
const std::string kTeamHead = " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\n";
const std::string kEagleEntries = "Week 1\r\n 12 \r\n 4.5 \r\nWeek 2\r\n 20 \r\n 2 \r\n";

class TeamWindowsTest : public ::testing::Test {
protected:
    TeamWindowsTest() {
        store::LeagueData& data = *s.data;
        data.leagueFileName = "Fall.LGE";
        const char* names[] = {"Ann Lee", "Bo Diaz", "Cy Young", "Di Fox"};
        data.playerCount = 4;
        for (int p = 1; p <= 4; ++p) data.players[p].name = names[p - 1];
        writeBytes("Fall.tea", kTeamHead + " 2 \r\n" + kEagleEntries + " 0 \r\n");
    }

    ~TeamWindowsTest() override { closeWindowsExcept(&opener); }

    template <typename W>
    W* open() {
        auto* w = new W(s.services, &opener);
        window = w;
        openChild(&opener, w);
        return w;
    }

    template <typename T>
    T* child(const char* name) {
        T* c = window->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    void type(const char* name, const QString& text) { QTest::keyClicks(child<QLineEdit>(name), text); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }

    QStringList listed() {
        QStringList rows;
        auto* list = child<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
        return rows;
    }

    std::string pendingQuestion() {
        auto shown = s.dialogs.takeMessages();
        return shown.size() == 1 ? shown[0].title : "no single box";
    }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    QWidget* window = nullptr;
};

TEST_F(TeamWindowsTest, OpensOnTeamOneFromTheTeamFile) {
    open<TeamPointsWindow>();
    EXPECT_EQ(label("TeamNameLabel"), "Eagles");
    EXPECT_EQ(label("RecordNumberLabel"), "Team # 1 of 2");
    EXPECT_EQ(child<QPlainTextEdit>("Membertext")->toPlainText(), "Ann Lee , Di Fox ");
    EXPECT_EQ(child<QLineEdit>("DateText")->text(), "12-06-2026");
    EXPECT_EQ(listed(), QStringList({QString::fromStdString("Week 1" + blanks(55) + "  12.0" + blanks(6) + "4.5"),
                                     QString::fromStdString("Week 2" + blanks(55) + "  20.0" + blanks(6) + "2.0")}));
    EXPECT_EQ(label("TotalLabel"), "6.5");
    EXPECT_FALSE(opener.isEnabled());
    click("Image1");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Team data"});
}

// A long record scrolls: every column of every line is still in view beside the scroll bar,
// negative values and cut descriptions included, and the newest entry shows.
TEST_F(TeamWindowsTest, LongRecordShowsEveryColumnAndTheNewestEntry) {
    std::string entries = " 30 \r\n";
    for (int e = 1; e <= 30; ++e)
        entries += (e == 30 ? std::string(105, 'x') : "Week " + std::to_string(e)) + "\r\n -1234.5 \r\n -999.5 \r\n";
    writeBytes("Fall.tea", kTeamHead + entries + " 0 \r\n");
    open<TeamPointsWindow>();
    auto* list = child<QListWidget>("List1");
    QApplication::processEvents();
    const QScrollBar* bar = list->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    const QFontMetrics metrics(list->font());
    for (const QString& line : listed()) {
        EXPECT_LE(metrics.horizontalAdvance(line), list->viewport()->width()) << line.toStdString();
        EXPECT_TRUE(line.endsWith("-999.5")) << line.toStdString();
    }
}

TEST_F(TeamWindowsTest, AddListsTheEntryAndTheDateCheckStartsEachDescription) {
    open<TeamPointsWindow>();
    type("Text1", "Note");
    click("DateCheck");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "Note");  // typed text is left alone
    child<QLineEdit>("Text1")->clear();
    click("DateCheck");
    click("DateCheck");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "12-06-2026 ");
    type("Text1", "Pine Hills");
    type("ManualText", "30");
    type("Calculatedtext", "3 wins");
    click("Addbutton");
    ASSERT_EQ(listed().size(), 3);
    EXPECT_EQ(listed()[2].toStdString(), "12-06-2026 Pine Hills" + blanks(40) + "  30.0" + blanks(6) + "3.0");
    EXPECT_EQ(label("TotalLabel"), "9.5");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "12-06-2026 ");
    EXPECT_TRUE(child<QLineEdit>("Calculatedtext")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>("ManualText")->text().isEmpty());

    click("DateCheck");
    child<QLineEdit>("Text1")->clear();
    type("ManualText", "8");
    click("Addbutton");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(s.data->teams.teamEntryCount[1], 3);
    EXPECT_EQ(child<QLineEdit>("ManualText")->text(), "8");
    child<QLineEdit>("ManualText")->clear();  // nothing left to offer when the test closes the window
}

TEST_F(TeamWindowsTest, RemoveTakesTheSelectedLinesOnly) {
    open<TeamPointsWindow>();
    for (const char* description : {"Week 3", "Week 4"}) {
        type("Text1", description);
        click("Addbutton");
    }
    click("Removebutton");
    EXPECT_EQ(listed().size(), 4);
    auto* list = child<QListWidget>("List1");
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    click("Removebutton");
    ASSERT_EQ(listed().size(), 2);
    EXPECT_TRUE(listed()[0].startsWith("Week 2 "));
    EXPECT_TRUE(listed()[1].startsWith("Week 4 "));
    EXPECT_EQ(label("TotalLabel"), "2");
}

TEST_F(TeamWindowsTest, PendingPointsAreOfferedBeforeSwitchingTeams) {
    open<TeamPointsWindow>();
    type("Calculatedtext", "1.5");
    s.dialogs.answer(Answer::Yes);
    click("nextteambutton");
    EXPECT_EQ(pendingQuestion(), "Team Point Records");
    EXPECT_EQ(s.data->teams.teamEntryCount[1], 3);
    EXPECT_EQ(s.data->teams.teamEntries[1][3].points, 1.5f);
    EXPECT_EQ(label("TeamNameLabel"), "Hawks");
    EXPECT_EQ(label("RecordNumberLabel"), "Team # 2 of 2");
    EXPECT_EQ(child<QPlainTextEdit>("Membertext")->toPlainText(), "Cy Young ");
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(label("TotalLabel"), "0");

    click("nextteambutton");  // already the last team
    EXPECT_EQ(label("RecordNumberLabel"), "Team # 2 of 2");
    type("ManualText", "5");
    s.dialogs.answer(Answer::No);
    click("prevteambutton");
    EXPECT_EQ(pendingQuestion(), "Team Point Records");
    EXPECT_EQ(s.data->teams.teamEntryCount[2], 0);
    EXPECT_EQ(label("RecordNumberLabel"), "Team # 1 of 2");
    EXPECT_TRUE(child<QLineEdit>("ManualText")->text().isEmpty());
    EXPECT_EQ(listed().size(), 3);
}

TEST_F(TeamWindowsTest, EveryWayOfClosingOffersPendingPointsAndWritesTheTeamFile) {
    const std::string saved = kTeamHead + " 3 \r\n" + kEagleEntries + "Week 3\r\n 0 \r\n 1 \r\n 0 \r\n";
    for (const char* how : {"exitbutton", "title bar", "Escape"}) {
        writeBytes("Fall.tea", kTeamHead + " 2 \r\n" + kEagleEntries + " 0 \r\n");
        open<TeamPointsWindow>();
        type("Text1", "Week 3");
        type("Calculatedtext", "1");
        s.dialogs.answer(Answer::Yes);
        if (std::string(how) == "exitbutton") {
            click("exitbutton");
        } else if (std::string(how) == "Escape") {
            QTest::keyClick(window, Qt::Key_Escape);
        } else {
            window->close();
        }
        EXPECT_EQ(pendingQuestion(), "Team Point Records") << how;
        EXPECT_EQ(readBytes("Fall.tea"), saved) << how;
        EXPECT_EQ(visibleWindow("teamdataform"), nullptr) << how;
        EXPECT_TRUE(opener.isEnabled()) << how;
        closeWindowsExcept(&opener);
    }
}

TEST_F(TeamWindowsTest, SummaryPrintsWithTheChosenOptions) {
    store::LeagueData& data = *s.data;
    store::LoadTeamAssignments(data);
    auto* w = open<TeamSummaryWindow>();
    EXPECT_EQ(w->windowTitle(), "Team Report Printing Options");
    EXPECT_TRUE(child<QRadioButton>("Option10")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Namescheck")->isChecked());

    click("Printbutton");
    click("Namescheck");
    click("Option11");
    click("Printbutton");
    EXPECT_EQ(s.dialogs.busyDepth(), 0);
    const auto& documents = s.printer.documents();
    ASSERT_EQ(documents.size(), 2u);
    auto all = documents[0].pages[0].lines();
    auto last = documents[1].pages[0].lines();
    EXPECT_EQ(all[5], blanks(49) + "Quorval   12-06-2026");
    // All events without names: two entry lines after Eagles' heading; the last event with names:
    // the members, then Week 2 only, under the same total.
    EXPECT_EQ(all[11].substr(0, 10), "    Week 1");
    EXPECT_EQ(all[12].substr(0, 10), "    Week 2");
    EXPECT_EQ(last[11], "    Ann Lee , Di Fox ");
    EXPECT_EQ(last[13].substr(0, 10), "    Week 2");
    EXPECT_EQ(last[15], all[14]);
    EXPECT_EQ(all[14], blanks(53) + "Total:   20.0" + blanks(6) + "6.5");
    EXPECT_EQ(all.size() + 2 + 2 - 1, last.size());  // two member blocks of two lines, one entry fewer

    click("Printsetupbutton");
    EXPECT_EQ(s.printer.setups, 1);
    click("Infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Team data"});
    click("Donebutton");
    EXPECT_EQ(visibleWindow("PrintTeamform"), nullptr);
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(s.printer.documents().size(), 2u);
}

}  // namespace
}  // namespace quorval::gui
