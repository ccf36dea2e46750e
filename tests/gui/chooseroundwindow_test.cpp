#include "ui/entry/chooseroundwindow.hpp"
#include "ui/main/chooseplayerwindow.hpp"

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "tempdir.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Ann has no rounds; Bob three, a week apart from 05/05/04 on courses 1 to 3, the second entered
// with fairways, greens and putts.
class ChooseRoundTest : public ::testing::Test {
protected:
    ChooseRoundTest() {
        LeagueBuilder league(*s.data);
        league.course("Pine Hills").course("Oak Valley").course("Elm Park").player("Ann").player("Bob");
        for (int r = 1; r <= 3; ++r) league.round("5/" + std::to_string(7 * r - 2) + "/04", 40, 41, 12.3f, r);
        s.data->players[2].rounds[2].putts[store::kOutSlot] = 15;
        s.data->players[2].rounds[2].fairway[store::kInSlot] = 4;
        open();
    }
    ~ChooseRoundTest() override { closeWindowsExcept(&opener); }

    void open() {
        w = new ChooseRoundWindow(s.services, &opener);
        openChild(&opener, w);
        list = child<QListWidget>(w, "List1");
    }

    void pick(int row) {
        list->setCurrentRow(row);
        w->accept();
    }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    ChooseRoundWindow* w = nullptr;
    QListWidget* list = nullptr;
};

TEST_F(ChooseRoundTest, PlayerThenDatesNewestFirstAndExitEnablesTheOpener) {
    w->accept();
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    pick(1);
    EXPECT_EQ(child<QLabel>(w, "message")->text(), "Select Date");
    EXPECT_EQ(s.data->currentPlayer, 2);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "05/19/04");
    EXPECT_EQ(list->item(2)->text(), "05/05/04");
    QSignalSpy exited(w, &ChooseRoundWindow::exited);
    child<QPushButton>(w, "exitbutton")->click();
    EXPECT_EQ(exited.count(), 1);
    EXPECT_TRUE(opener.isEnabled());
}

// The date picked opens its slot for editing in the score window that suits the round, on the
// round's date, course and tee played; a round stored before tees were kept opens on the player's.
TEST_F(ChooseRoundTest, PickingADateEditsThatSlotInTheWindowThatSuitsIt) {
    s.data->players[2].rounds[2].teePlayed = store::kBlueTee;
    for (auto [row, slot, window, tee] :
         {std::tuple{1, 2, "roundsform2", int{store::kBlueTee}}, {0, 3, "roundsform", int{s.data->players[2].tee}}}) {
        pick(1);
        pick(row);
        QWidget* scores = visibleWindow(window);
        ASSERT_NE(scores, nullptr) << window;
        EXPECT_EQ(child<QLineEdit>(scores, "editdate")->text().toStdString(),
                  "5/" + std::to_string(5 + 7 * (slot - 1)) + "/2004");
        EXPECT_EQ(child<QComboBox>(scores, "editcourse")->currentData().toInt(), slot);
        EXPECT_TRUE(child<QRadioButton>(scores, qPrintable(QString("teebutton%1").arg(tee)))->isChecked());
        EXPECT_FALSE(opener.isEnabled());
        scores->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        open();
    }
}

// Both choosers take the player of the row picked, not the last one bearing its name.
TEST_F(ChooseRoundTest, TwoPlayersOfOneNameStayTwoChoicesInBothChoosers) {
    s.data->players[1].name = "Bob";
    for (int row : {0, 1}) {
        SCOPED_TRACE(row);
        closeWindowsExcept(&opener);
        open();
        pick(row);
        EXPECT_EQ(s.data->currentPlayer, row + 1);
        EXPECT_EQ(list->count(), row == 0 ? 0 : 3);  // Ann's rounds, then Bob's
        closeWindowsExcept(&opener);
        auto* chooser = new ChoosePlayerWindow(s.services, &opener);
        openChild(&opener, chooser);
        s.data->currentPlayer = 0;
        child<QListWidget>(chooser, "List1")->setCurrentRow(row);
        chooser->accept();
        EXPECT_EQ(s.data->currentPlayer, row + 1);
    }
}

}  // namespace
}  // namespace quorval::gui
