#include "ui/entry/chooseroundwindow.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "fakeseams.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class ChooseRoundTest : public ::testing::Test {
protected:
    ChooseRoundTest() {
        store::LeagueData& data = *s.data;
        data.playerCount = 2;
        data.players[1].name = "Ann";
        data.players[2].name = "Bob";
        store::PlayerRecord& bob = data.players[2];
        bob.roundCount = 3;
        for (int r = 1; r <= 3; ++r) {
            bob.rounds[r].month = 5;
            bob.rounds[r].day = static_cast<int16_t>(5 + 7 * (r - 1));
            bob.rounds[r].year = 4;
            bob.rounds[r].course = static_cast<int16_t>(r);
        }
        // Round 2 was entered with fairways, greens and putts.
        bob.rounds[2].putts[store::kOutSlot] = 15;
        bob.rounds[2].fairway[store::kInSlot] = 4;
        data.courseCount = 3;
    }

    ~ChooseRoundTest() override { closeWindowsExcept(&opener); }

    ChooseRoundWindow* open() {
        auto* w = new ChooseRoundWindow(s.services, &opener);
        openChild(&opener, w);
        list = w->findChild<QListWidget*>("List1");
        return w;
    }

    void pick(ChooseRoundWindow* w, int row) {
        list->setCurrentRow(row);
        w->accept();
    }

    TestServices s;
    QWidget opener;
    QListWidget* list = nullptr;
};

TEST_F(ChooseRoundTest, PlayerThenDatesNewestFirst) {
    auto* w = open();
    w->accept();
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    ASSERT_EQ(list->count(), 2);
    pick(w, 1);
    EXPECT_EQ(w->findChild<QLabel*>("message")->text(), "Select Date");
    EXPECT_EQ(w->step(), ChooseRoundWindow::Step::Round);
    EXPECT_EQ(s.data->currentPlayer, 2);
    EXPECT_EQ(s.data->players[2].selected, 1);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "05/19/04");
    EXPECT_EQ(list->item(2)->text(), "05/05/04");
}

TEST_F(ChooseRoundTest, PickingADateEditsThatSlotInTheWindowThatSuitsIt) {
    struct Case {
        int row;
        int slot;
        const char* window;
    };
    for (Case c : {Case{1, 2, "roundsform2"}, Case{0, 3, "roundsform"}}) {
        auto* w = open();
        pick(w, 1);
        pick(w, c.row);
        EXPECT_EQ(s.data->editRound, c.slot);
        EXPECT_EQ(s.data->entryDay, 5 + 7 * (c.slot - 1));
        EXPECT_EQ(s.data->entryMonth, 5);
        EXPECT_EQ(s.data->currentCourse, c.slot);
        EXPECT_EQ(visibleWindow("GPlayer"), nullptr);
        QWidget* scores = visibleWindow(c.window);
        ASSERT_NE(scores, nullptr) << c.window;
        EXPECT_FALSE(opener.isEnabled());
        scores->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        s.data->editRound = 0;
    }
}

TEST_F(ChooseRoundTest, ExitReportsAndEnablesTheOpener) {
    auto* w = open();
    bool exited = false;
    QObject::connect(w, &ChooseRoundWindow::exited, [&] { exited = true; });
    w->findChild<QPushButton*>("exitbutton")->click();
    EXPECT_TRUE(exited);
    EXPECT_TRUE(opener.isEnabled());
}

}  // namespace
}  // namespace quorval::gui
