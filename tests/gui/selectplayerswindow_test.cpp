#include "ui/entry/selectplayerswindow.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdlib>

#include "fakeseams.hpp"
#include "widgets/spinbutton.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class SelectPlayersTest : public ::testing::Test {
protected:
    SelectPlayersTest() {
        store::LeagueData& data = *s.data;
        const char* names[] = {"Ann", "", "Cy", "Di", "Ed"};
        data.playerCount = 5;
        for (int p = 1; p <= 5; ++p) data.players[p].name = names[p - 1];
        data.courseCount = 3;
        data.courses[1][1] = "Pine Hills";
        data.courses[2][1] = "X";  // too short a name to be offered
        data.courses[3][1] = "Cedar Creek";
        for (int c : {1, 3}) data.courses[c][26] = data.courses[c][27] = data.courses[c][28] = "120";
        s.clock.date = {2026, 12, 6};
    }

    ~SelectPlayersTest() override { closeWindowsExcept(&opener); }

    SelectPlayersWindow* open() {
        auto* w = new SelectPlayersWindow(s.services, &opener);
        openChild(&opener, w);
        return w;
    }

    void spin(QWidget* w, const char* name, bool up) {
        auto* button = child<SpinButton>(w, name);
        emit(up ? button->spinUp() : button->spinDown());
    }

    TestServices s;
    QWidget opener;
};

TEST_F(SelectPlayersTest, OpensOnTodayWithNamedPlayersAndCourses) {
    auto* w = open();
    EXPECT_EQ(child<QLabel>(w, "Monthlabel")->text(), "Dec");
    EXPECT_EQ(child<QLabel>(w, "daylabel")->text(), "6");
    EXPECT_EQ(child<QLabel>(w, "yearlabel")->text(), "26");
    EXPECT_EQ(child<SpinButton>(w, "Yearspin")->toolTip(), "Year 2026");
    auto* list = child<QListWidget>(w, "List1");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(1)->text(), "Cy");
    auto* combo = child<QComboBox>(w, "coursecombo");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), "Cedar Creek");
    EXPECT_FALSE(opener.isEnabled());
}

TEST_F(SelectPlayersTest, DateSpinsStopAtTheEndsButTheYearWraps) {
    auto* w = open();
    spin(w, "monthspin", true);
    EXPECT_EQ(child<QLabel>(w, "Monthlabel")->text(), "Dec");
    for (int i = 0; i < 40; ++i) spin(w, "Dayspin", true);
    EXPECT_EQ(child<QLabel>(w, "daylabel")->text(), "31");
    for (int i = 0; i < 27; ++i) spin(w, "Yearspin", false);
    EXPECT_EQ(child<QLabel>(w, "yearlabel")->text(), "99");
    EXPECT_EQ(child<SpinButton>(w, "Yearspin")->toolTip(), "Year 1999");
    spin(w, "Yearspin", true);
    EXPECT_EQ(child<QLabel>(w, "yearlabel")->text(), "00");
    EXPECT_EQ(child<SpinButton>(w, "Yearspin")->toolTip(), "Year 2000");
}

// The date can be typed; the day never passes the end of its month, Feb 29 only in leap years.
TEST_F(SelectPlayersTest, TypedDateAndDaysThatStayInsideTheirMonth) {
    auto* w = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto* field = child<QDateEdit>(w, "datefield");
    EXPECT_EQ(field->date(), QDate(2026, 12, 6));
    auto label = [w](const char* name) { return child<QLabel>(w, name)->text(); };
    auto click = [w](const char* spin, bool up) {
        auto* button = child<SpinButton>(w, spin);
        QTest::mouseClick(up ? button->upButton() : button->downButton(), Qt::LeftButton);
    };
    field->setFocus();
    field->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(field, "2028");
    field->setSelectedSection(QDateTimeEdit::MonthSection);
    QTest::keyClicks(field, "2");
    field->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(field, "29");
    EXPECT_EQ((QStringList{label("Monthlabel"), label("daylabel"), label("yearlabel")}),
              (QStringList{"Feb", "29", "28"}));

    // A year on there is no Feb 29; 2000 had one.
    for (auto [step, day] : {std::pair{1, "28"}, {-29, "29"}}) {
        for (int i = 0; i < std::abs(step); ++i) click("Yearspin", step > 0);
        for (int i = 0; i < 3; ++i) click("Dayspin", true);
        EXPECT_EQ(label("daylabel"), day) << label("yearlabel").toStdString();
    }
    click("monthspin", true);  // March keeps the 29th and goes on to the 31st
    for (int i = 0; i < 5; ++i) click("Dayspin", true);
    EXPECT_EQ(label("daylabel"), "31");
    click("monthspin", true);  // April has 30
    EXPECT_EQ(label("daylabel"), "30");
    EXPECT_EQ(field->date(), QDate(2000, 4, 30));
}

TEST_F(SelectPlayersTest, RefusesWithoutACourseFirstThenWithoutPlayers) {
    auto* w = open();
    child<QListWidget>(w, "List1")->item(0)->setSelected(true);
    child<QComboBox>(w, "coursecombo")->setEditText("Nowhere Links");
    w->accept();
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (platform::Message{"Please select a course before continuing.", "Quorval",
                                           platform::Buttons::Ok, platform::Icon::Exclamation}));
    child<QListWidget>(w, "List1")->clearSelection();
    child<QComboBox>(w, "coursecombo")->setEditText("pine hills");
    w->accept();
    shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "No Players selected, cannot continue.");
    EXPECT_TRUE(w->isVisible());
}

TEST_F(SelectPlayersTest, AcceptMarksThePickedPlayersAndHandsOverToTheScoreWindow) {
    for (int kind : {0, 1}) {
        s.data->entryKind = static_cast<int16_t>(kind);
        auto* w = open();
        auto* list = child<QListWidget>(w, "List1");
        list->item(1)->setSelected(true);  // Cy, player 3: the nameless player 2 is not listed
        list->item(3)->setSelected(true);  // Ed, player 5
        child<QComboBox>(w, "coursecombo")->setEditText("CEDAR CREEK");
        spin(w, "Dayspin", false);
        w->accept();
        EXPECT_EQ(s.data->currentCourse, 3);
        EXPECT_EQ(s.data->entryMonth, 12);
        EXPECT_EQ(s.data->entryDay, 5);
        EXPECT_EQ(s.data->entryYear, 26);
        for (int p = 1; p <= 5; ++p) EXPECT_EQ(s.data->players[p].selected, p == 3 || p == 5 ? 1 : 0) << p;
        EXPECT_EQ(visibleWindow("selectplayers"), nullptr);
        QWidget* scores = visibleWindow(kind == 0 ? "roundsform" : "roundsform2");
        ASSERT_NE(scores, nullptr);
        EXPECT_FALSE(opener.isEnabled());
        scores->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SelectPlayersTest, DateQuestionCanSendTheUserBack) {
    s.data->settings.dateRemindCheck = 1;
    auto* w = open();
    child<QListWidget>(w, "List1")->item(0)->setSelected(true);
    child<QComboBox>(w, "coursecombo")->setEditText("Pine Hills");
    s.dialogs.answer(platform::Answer::No);
    w->accept();
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (platform::Message{"Is 12/6/2026 at Pine Hills\r\nthe correct date and location of the Round?"
                                           "\r\n\r\nDate / location checking can be disabled, see program settings.",
                                           "Double Checking Date & Location", platform::Buttons::YesNo,
                                           platform::Icon::Question}));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(visibleWindow("roundsform"), nullptr);
}

TEST_F(SelectPlayersTest, CancelClearsTheMarksAndEnablesTheOpener) {
    s.data->players[4].selected = 1;
    auto* w = open();
    child<QListWidget>(w, "List1")->selectAll();
    child<QPushButton>(w, "cancelbutton")->click();
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(s.data->players[p].selected, 0);
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(visibleWindow("roundsform"), nullptr);
}

}  // namespace
}  // namespace quorval::gui
