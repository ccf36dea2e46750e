#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fakeseams.hpp"
#include "store/datafile.hpp"
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

namespace fs = std::filesystem;
using namespace quorval::testing;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::Message;

const char* const kNames[] = {"Ann Lee", "Bo Diaz", "Cy Young", "Di Fox", "Ed Gray"};

// The team file of the league: two teams, one point entry, and a player section with one line
// per player.
std::string teamFile(const std::vector<int>& teams) {
    std::string text = " 2 \r\nEagles\r\nHawks\r\n";
    for (int t : teams) text += " " + std::to_string(t) + " \r\n";
    return text + " 0 \r\n 1 \r\nWeek 1\r\n 3 \r\n 1.5 \r\n";
}

class PlayerWindowsTest : public ::testing::Test {
protected:
    PlayerWindowsTest() {
        store::LeagueData& data = *s.data;
        data.leagueFileName = "Fall.LGE";
        data.playerCount = 5;
        // Player p has p rounds, so the saved file shows whether the rounds went with him.
        for (int p = 1; p <= 5; ++p) {
            store::PlayerRecord& player = data.players[p];
            player.name = kNames[p - 1];
            player.roundCount = static_cast<int16_t>(p);
            for (int r = 1; r <= p; ++r) player.rounds[r].differential = static_cast<float>(10 * p + r);
        }
    }

    ~PlayerWindowsTest() override { closeWindowsExcept(&opener); }

    // Ann and Di play for the Eagles, Bo and Ed for the Hawks, Cy for nobody.
    void withTeams() { writeBytes("FALL.TEA", teamFile({1, 2, 0, 1, 2})); }

    template <typename W>
    W* open() {
        auto* w = new W(s.services, &opener);
        openChild(&opener, w);
        window = w;
        return w;
    }

    template <typename T>
    T* child(const char* name) {
        T* c = window->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    void click(const char* button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }

    void clickRow(int row, bool twice = false) {
        auto* list = child<QListWidget>("List1");
        QPoint at = list->visualItemRect(list->item(row)).center();
        if (twice) {
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        }
    }

    void type(const char* box, const QString& text) {
        auto* edit = child<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    QStringList rows() {
        QStringList lines;
        auto* list = child<QListWidget>("List1");
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }

    // Closes the window as the user would, with its exit button or the title bar.
    void closeWith(bool exitButton) {
        exitButton ? click("exitbutton") : void(window->close());
        EXPECT_TRUE(opener.isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Name and round count of every player in the saved league file, in file order.
    std::vector<std::string> savedPlayers() {
        auto saved = std::make_unique<store::LeagueData>();
        EXPECT_TRUE(store::ParseLeague(*saved, readBytes("Fall.LGE")).ok);
        std::vector<std::string> players;
        for (int p = 1; p <= saved->playerCount; ++p) {
            players.push_back(saved->players[p].name + " " + std::to_string(saved->players[p].roundCount));
        }
        return players;
    }

    static bool anyTeamFile() { return fs::exists(store::findDataFile("Fall.tea")); }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    QWidget* window = nullptr;
};

using Roster = std::vector<std::string>;

// --- playform -------------------------------------------------------------------------------

TEST_F(PlayerWindowsTest, AddWindowAddsWithTheButtonOrEnterAnywhereAndCountsTheMembers) {
    open<PlayersWindow>();
    EXPECT_EQ(window->windowTitle(), "Fall Players");
    EXPECT_EQ(child<QLabel>("playernumlabel")->text(), "5 member(s)");
    // White is chosen to start with, so a player added quickly still has a tee.
    for (const char* tee : {"Option3D10", "Option3D11", "Option3D12"})
        EXPECT_EQ(child<QAbstractButton>(tee)->isChecked(), std::string(tee) == "Option3D11") << tee;
    type("Text1", "Fay Hill");
    click("Option3D12");
    click("addbutton");
    EXPECT_EQ(child<QLabel>("playernumlabel")->text(), "6 member(s)");
    EXPECT_TRUE(child<QLineEdit>("Text1")->text().isEmpty());
    EXPECT_EQ(s.data->players[6].tee, store::kBlueTee);

    type("Text1", "Gus \"Ace\" Ott");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "Gus 'Ace' Ott");
    QTest::keyClick(child<QPushButton>("exitbutton"), Qt::Key_Return);  // Enter adds, whatever has the focus
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(s.data->players[7].name, "Gus 'Ace' Ott");
    EXPECT_EQ(s.data->players[7].tee, store::kBlueTee);  // the tee stays as last chosen
    EXPECT_EQ(child<QLabel>("playernumlabel")->text(), "7 member(s)");
    QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Enter);  // nothing typed: nothing happens
    for (const char* refused : {"Al", "   "}) {
        type("Text1", refused);
        QTest::keyClick(child<QLineEdit>("Text1"), Qt::Key_Return);
    }
    EXPECT_EQ(s.dialogs.beeps(), 2);
    auto why = s.dialogs.takeMessages();
    ASSERT_EQ(why.size(), 2u);
    EXPECT_EQ(why[0].text, "A player's name needs at least 3 characters.");
    EXPECT_EQ(why[1].text, "Type the player's name first.");

    type("Text1", " ann  LEE ");
    click("addbutton");
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Message{"That name is already taken!", "Player entry error", Buttons::Ok, Icon::Exclamation}));
    EXPECT_TRUE(child<QLineEdit>("Text1")->text().isEmpty());
    EXPECT_EQ(s.data->playerCount, 7);
    click("infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Players"});
}

TEST_F(PlayerWindowsTest, ClosingTheAddWindowSavesAndKeepsTheTeamFileInStep) {
    // Teams exist but nobody is on one yet: the file must still grow by a line per new player.
    writeBytes("FALL.TEA", teamFile({0, 0, 0, 0, 0}));
    open<PlayersWindow>();
    EXPECT_EQ(s.data->teams.teamsInUse, 0);
    for (const char* name : {"Fay Hill", "Gus Ott"}) {
        type("Text1", name);
        click("addbutton");
    }
    closeWith(false);
    EXPECT_EQ(savedPlayers(),
              (Roster{"Ann Lee 1", "Bo Diaz 2", "Cy Young 3", "Di Fox 4", "Ed Gray 5", "Fay Hill 0", "Gus Ott 0"}));
    EXPECT_EQ(readBytes("FALL.TEA"), teamFile({0, 0, 0, 0, 0, 0, 0}));
}

// --- RMplayer -------------------------------------------------------------------------------

TEST_F(PlayerWindowsTest, RemovalBeepsWithoutAHighlightAsksFirstAndSavesOnClosing) {
    open<RemovePlayerWindow>();
    EXPECT_EQ(window->objectName(), "RMplayer");
    EXPECT_EQ(child<QLabel>("Playerlabel")->text(), "Fall.LGE Player List");
    EXPECT_EQ(rows(), (QStringList{"Ann Lee", "Bo Diaz", "Cy Young", "Di Fox", "Ed Gray"}));
    click("removebutton");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);

    auto* list = child<QListWidget>("List1");
    clickRow(2);
    QTest::mouseClick(child<QLabel>("Playerlabel"), Qt::LeftButton);  // a click beside the list drops the highlight
    EXPECT_TRUE(list->selectedItems().isEmpty());
    clickRow(2);
    s.dialogs.answer(Answer::No);
    click("removebutton");
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Message{"Are you sure you want to remove the player\r\nCy Young  from your League?\r\n"
                                 "His 3 rounds go with him.\r\n\r\n"
                                 "     CONTINUE?          Select 'NO' to cancel",
                                 "Confirm Removal", Buttons::YesNo, Icon::Critical, 2}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(s.data->playerCount, 5);

    clickRow(2);
    s.dialogs.answer(Answer::Yes);
    click("removebutton");
    s.dialogs.takeMessages();
    closeWith(false);
    EXPECT_EQ(savedPlayers(), (Roster{"Ann Lee 1", "Bo Diaz 2", "Di Fox 4", "Ed Gray 5"}));
    EXPECT_FALSE(anyTeamFile());  // a league without teams gets no team file
}

// The second removal is where a window that re-read the team file would lose the shift of the first.
TEST_F(PlayerWindowsTest, TwoRemovalsKeepEveryTeamWithItsPlayer) {
    withTeams();
    open<RemovePlayerWindow>();
    clickRow(0);
    s.dialogs.answer(Answer::Yes);
    clickRow(0, true);
    s.dialogs.answer(Answer::Yes);
    clickRow(2);  // Di Fox, now third
    click("removebutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);
    EXPECT_EQ(rows(), (QStringList{"Bo Diaz", "Cy Young", "Ed Gray"}));
    EXPECT_TRUE(child<QListWidget>("List1")->selectedItems().isEmpty());
    closeWith(true);
    EXPECT_EQ(savedPlayers(), (Roster{"Bo Diaz 2", "Cy Young 3", "Ed Gray 5"}));
    EXPECT_EQ(readBytes("FALL.TEA"), teamFile({2, 0, 2}));
}

// --- Playernm -------------------------------------------------------------------------------

TEST_F(PlayerWindowsTest, RenameStartsFromTheClickedNameAsksAndSavesOnlyTheLeagueOnClosing) {
    withTeams();
    open<RenamePlayersWindow>();
    EXPECT_EQ(window->windowTitle(), "Change Player Name");
    EXPECT_EQ(child<QLabel>("Playerlabel")->text(), "Fall.LGE Player List");
    auto* list = child<QListWidget>("List1");
    clickRow(1);
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "Bo Diaz");
    click("renamebutton");  // nothing changed: nothing to ask
    EXPECT_TRUE(s.dialogs.takeMessages().empty());
    clickRow(1);
    type("Text1", "ann  lee");  // another player's name, in other letters
    click("renamebutton");
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0],
              (Message{"This name is already in use\r\nand cannot be used again.", "Q.V.L.", Buttons::Ok, Icon::None}));

    type("Text1", "Bob Diaz");
    s.dialogs.answer(Answer::No);
    click("renamebutton");
    shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Message{"Are you sure you want to change\r\nBo Diaz to Bob Diaz?\r\n\r\n"
                                 "     CONTINUE?          Select 'NO' to cancel",
                                 "Q.V.L.", Buttons::YesNo, Icon::Question, 2}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(s.data->players[2].name, "Bo Diaz");

    clickRow(1);
    type("Text1", "Bob Diaz");
    s.dialogs.answer(Answer::Yes);
    click("renamebutton");
    s.dialogs.takeMessages();
    EXPECT_EQ(rows(), (QStringList{"Ann Lee", "Bob Diaz", "Cy Young", "Di Fox", "Ed Gray"}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "Bob Diaz");
    closeWith(false);
    EXPECT_EQ(savedPlayers(), (Roster{"Ann Lee 1", "Bob Diaz 2", "Cy Young 3", "Di Fox 4", "Ed Gray 5"}));
    EXPECT_EQ(readBytes("FALL.TEA"), teamFile({1, 2, 0, 1, 2}));
}

// The rename window shows the picked player's tee and is where it is changed.
TEST_F(PlayerWindowsTest, RenameShowsAndChangesTheTee) {
    s.data->players[3].tee = store::kRedTee;
    open<RenamePlayersWindow>();
    clickRow(3);  // Di Fox: no tee yet, none shown
    for (const char* tee : {"teeoption1", "teeoption2", "teeoption3"})
        EXPECT_FALSE(child<QAbstractButton>(tee)->isChecked());
    clickRow(2);
    EXPECT_TRUE(child<QAbstractButton>("teeoption1")->isChecked());
    click("teeoption3");
    s.dialogs.answer(Answer::Yes);
    click("renamebutton");
    auto asked = s.dialogs.takeMessages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].text.find("the default tee of Cy Young to Blue"), std::string::npos) << asked[0].text;
    EXPECT_EQ(s.data->players[3].tee, store::kBlueTee);
    EXPECT_EQ(s.data->players[3].name, "Cy Young");
}

// --- sortform -------------------------------------------------------------------------------

TEST_F(PlayerWindowsTest, OrderWindowNumbersThePlayersAndKeepsThePositionWithinTheList) {
    open<SortPlayersWindow>();
    EXPECT_EQ(window->windowTitle(), "Quorval");
    EXPECT_EQ(child<QLabel>("Playerlabel")->text(), "Fall   Player List");
    EXPECT_EQ(rows(), (QStringList{"  1  Ann Lee", "  2  Bo Diaz", "  3  Cy Young", "  4  Di Fox", "  5  Ed Gray"}));
    auto* position = child<QLineEdit>("Text1");
    type("Text1", "3");  // no player picked: the box stays empty
    EXPECT_TRUE(position->text().isEmpty());
    click("changebutton");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);

    clickRow(1);
    EXPECT_EQ(child<QLabel>("Label1")->text(), "Bo Diaz");
    EXPECT_EQ(position->text(), "2");
    click("changebutton");  // already there
    EXPECT_EQ(s.dialogs.beeps(), 2);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    auto* spin = child<SpinButton>("SpinButton1");
    for (int i = 0; i < 2; ++i) QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    EXPECT_EQ(position->text(), "1");
    for (int i = 0; i < 6; ++i) QTest::mouseClick(spin->downButton(), Qt::LeftButton);
    EXPECT_EQ(position->text(), "5");
    type("Text1", "150");
    EXPECT_EQ(position->text(), "5");
}

TEST_F(PlayerWindowsTest, MovesCarryRoundsAndTeamsIntoBothFiles) {
    withTeams();
    open<SortPlayersWindow>();
    clickRow(4);
    auto* spin = child<SpinButton>("SpinButton1");
    for (int i = 0; i < 3; ++i) QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    auto* change = child<QPushButton>("changebutton");
    EXPECT_TRUE(change->isEnabled());
    click("changebutton");
    EXPECT_EQ(rows(), (QStringList{"  1  Ann Lee", "  2  Ed Gray", "  3  Bo Diaz", "  4  Cy Young", "  5  Di Fox"}));
    EXPECT_FALSE(change->isEnabled());
    EXPECT_EQ(child<QLabel>("Label1")->text(), "Ed Gray");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "2");

    // Ed is at 2 now: 3 is a real move, and 2 is none.
    type("Text1", "3");
    click("changebutton");
    EXPECT_EQ(rows()[2], "  3  Ed Gray");
    type("Text1", "3");
    click("changebutton");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);

    closeWith(true);
    EXPECT_EQ(savedPlayers(), (Roster{"Ann Lee 1", "Bo Diaz 2", "Ed Gray 5", "Cy Young 3", "Di Fox 4"}));
    EXPECT_EQ(readBytes("FALL.TEA"), teamFile({1, 2, 2, 0, 1}));
}

}  // namespace
}  // namespace quorval::gui
