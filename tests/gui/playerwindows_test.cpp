#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "store/leaguefile.hpp"
#include "tempdir.hpp"
#include "ui/players/playerswindow.hpp"
#include "ui/players/removeplayerwindow.hpp"
#include "ui/players/renameplayerswindow.hpp"
#include "ui/players/sortplayerswindow.hpp"
#include "widgets/spinbutton.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using platform::Answer;

// The team file: Eagles and Hawks, one point entry, and the team of each player in player order.
std::string teamFile(const std::vector<int>& teams) {
    std::string text = " 2 \r\nEagles\r\nHawks\r\n";
    for (int t : teams) text += " " + std::to_string(t) + " \r\n";
    return text + " 0 \r\n 1 \r\nWeek 1\r\n 3 \r\n 1.5 \r\n";
}

class PlayerWindowsTest : public ::testing::Test {
protected:
    // Player p has p rounds, so the saved file shows whether the rounds went with him. Ann and Di
    // play for the Eagles, Bo and Ed for the Hawks, Cy for nobody.
    PlayerWindowsTest() {
        LeagueBuilder b(*s.data, "Fall");
        for (const char* name : {"Ann Lee", "Bo Diaz", "Cy Young", "Di Fox", "Ed Gray"}) {
            b.player(name, store::kNoTee);
            for (int r = 0; r < s.data->playerCount; ++r) b.round("5/4/26", 40, 41, 1);
        }
        writeBytes("FALL.TEA", teamFile({1, 2, 0, 1, 2}));
    }
    ~PlayerWindowsTest() override { closeWindowsExcept(&opener); }

    void open(ChildWindow* w) { openChild(&opener, window = w); }
    template <typename T = QLineEdit>
    T* get(const char* name) {
        return child<T>(window, name);
    }
    QString text(const char* name) {
        auto* label = window->findChild<QLabel*>(name);
        return label ? label->text() : get(name)->text();
    }
    void click(const char* button) { QTest::mouseClick(get<QAbstractButton>(button), Qt::LeftButton); }
    void clickRow(int row, bool twice = false) {
        auto* list = get<QListWidget>("List1");
        QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseEvent(twice ? QTest::MouseDClick : QTest::MouseClick, list->viewport(), Qt::LeftButton, {}, at);
    }
    void type(const char* box, const QString& text) {
        get(box)->clear();
        QTest::keyClicks(get(box), text);
    }
    // The list's rows, "-" when one is highlighted.
    QStringList rows() {
        QStringList lines;
        auto* list = get<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return list->selectedItems().isEmpty() ? lines : lines << "-";
    }
    // Closes the window with its exit button or the title bar; the league file then holds the
    // name and round count of each player.
    std::string closeAndRead(bool exitButton) {
        exitButton ? click("exitbutton") : void(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(opener.isEnabled() && store::ParseLeague(*s.data, readBytes("Fall.LGE")).ok);
        std::string players;
        for (int p = 1; p <= s.data->playerCount; ++p)
            players += s.data->players[p].name + " " + std::to_string(s.data->players[p].roundCount) + ", ";
        return players;
    }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    ChildWindow* window = nullptr;
};

// Nobody on a team yet: the team file must still grow by a line per new player.
TEST_F(PlayerWindowsTest, AddWindowAddsWithTheButtonOrEnterAnywhereAndSavesOnClosing) {
    writeBytes("FALL.TEA", teamFile({0, 0, 0, 0, 0}));
    open(new PlayersWindow(s.services, &opener));
    EXPECT_EQ(window->windowTitle() + text("playernumlabel"), "Fall Players5 member(s)");
    EXPECT_TRUE(get<QAbstractButton>("Option3D11")->isChecked());  // white, so a player added quickly has a tee
    type("Text1", "Fay Hill");
    click("Option3D12");
    click("addbutton");
    EXPECT_EQ(text("playernumlabel") + text("Text1"), "6 member(s)");
    type("Text1", "Gus \"Ace\" Ott");                             // shown as stored, with apostrophes
    QTest::keyClick(get<QWidget>("exitbutton"), Qt::Key_Return);  // Enter adds, whatever has the focus
    // Each new player starts on White again: a tee kept from the last one would be a silent guess.
    EXPECT_EQ((std::pair<int, int>(s.data->players[6].tee, s.data->players[7].tee)),
              (std::pair<int, int>(store::kBlueTee, store::kWhiteTee)));
    type("Text1", " ann  LEE ");
    click("addbutton");  // refused: the box is emptied for the next name
    EXPECT_EQ(text("playernumlabel") + text("Text1"), "7 member(s)");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(closeAndRead(false),
              "Ann Lee 1, Bo Diaz 2, Cy Young 3, Di Fox 4, Ed Gray 5, Fay Hill 0, Gus 'Ace' Ott 0, ");
    EXPECT_EQ(readBytes("FALL.TEA"), teamFile({0, 0, 0, 0, 0, 0, 0}));
}

// The second removal is where a window that re-read the team file would lose the shift of the first.
TEST_F(PlayerWindowsTest, RemovalAsksFirstAndKeepsEveryTeamWithItsPlayer) {
    open(new RemovePlayerWindow(s.services, &opener));
    EXPECT_EQ(text("Playerlabel"), "Fall.LGE Player List");
    clickRow(2);
    s.dialogs.answer(Answer::No);
    click("removebutton");
    EXPECT_EQ(s.dialogs.takeMessages().at(0).title, "Confirm Removal");
    EXPECT_EQ(rows().size(), 5);  // kept, and no longer highlighted
    clickRow(0);
    s.dialogs.answer(Answer::Yes);
    clickRow(0, true);
    s.dialogs.answer(Answer::Yes);
    clickRow(2);  // Di Fox, now third
    click("removebutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);
    EXPECT_EQ(rows(), (QStringList{"Bo Diaz", "Cy Young", "Ed Gray"}));
    EXPECT_EQ(closeAndRead(true), "Bo Diaz 2, Cy Young 3, Ed Gray 5, ");
    EXPECT_EQ(readBytes("FALL.TEA"), teamFile({2, 0, 2}));
}

// The rename window starts from the clicked name and saves the league file only.
TEST_F(PlayerWindowsTest, RenameAsksAndChangesTheName) {
    open(new RenamePlayersWindow(s.services, &opener));
    clickRow(1);
    EXPECT_EQ(text("Text1"), "Bo Diaz");
    get("Text1")->setText("Bob Diaz");
    s.dialogs.answer(Answer::Yes);
    click("renamebutton");
    EXPECT_EQ(s.dialogs.takeMessages().at(0).title, "Q.V.L.");
    EXPECT_EQ(rows(), (QStringList{"Ann Lee", "Bob Diaz", "Cy Young", "Di Fox", "Ed Gray"}));
    EXPECT_EQ(closeAndRead(false), "Ann Lee 1, Bob Diaz 2, Cy Young 3, Di Fox 4, Ed Gray 5, ");
    EXPECT_EQ(readBytes("FALL.TEA"), teamFile({1, 2, 0, 1, 2}));
}

TEST_F(PlayerWindowsTest, OrderWindowMovesAPlayerWithHisRoundsAndTeamWithinTheList) {
    open(new SortPlayersWindow(s.services, &opener));
    clickRow(1);
    EXPECT_EQ(text("Label1") + text("Text1"), "Bo Diaz2");
    auto* spin = get<SpinButton>("SpinButton1");
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(text("Text1"), "1");
    clickRow(4);
    type("Text1", "2");
    click("changebutton");
    EXPECT_EQ(rows(),
              (QStringList{"  1  Ann Lee", "  2  Ed Gray", "  3  Bo Diaz", "  4  Cy Young", "  5  Di Fox", "-"}));
    EXPECT_EQ(text("Label1") + text("Text1"), "Ed Gray2");
    EXPECT_FALSE(get<QWidget>("changebutton")->isEnabled());
    for (int i = 0; i < 2; ++i) {  // Ed is at 2 now: 3 is a real move, and then 3 is none
        type("Text1", "3");
        click("changebutton");
    }
    EXPECT_EQ(rows()[2], "  3  Ed Gray");
    EXPECT_EQ(s.dialogs.beeps() * 10 + s.dialogs.takeMessages().size(), 11u);
    EXPECT_EQ(closeAndRead(true), "Ann Lee 1, Bo Diaz 2, Ed Gray 5, Cy Young 3, Di Fox 4, ");
    EXPECT_EQ(readBytes("FALL.TEA"), teamFile({1, 2, 2, 0, 1}));
}

}  // namespace
}  // namespace quorval::gui
