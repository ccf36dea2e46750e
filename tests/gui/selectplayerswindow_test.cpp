#include "ui/entry/selectplayerswindow.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "widgets/spinbutton.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using platform::Message;

class SelectPlayersTest : public ::testing::Test {
protected:
    // The nameless player 2 is not listed, nor the course X, its name too short; today is 12/6/2026.
    SelectPlayersTest() {
        LeagueBuilder b(*s.data);
        b.course("Pine Hills").course("X").course("Cedar Creek").player("Ann").player("").player("Cy");
        b.player("Di").player("Ed");
        openChild(&opener, w = new SelectPlayersWindow(s.services, &opener));
    }
    ~SelectPlayersTest() override { closeWindowsExcept(&opener); }

    QString date() const {
        QStringList parts;
        for (const char* name : {"Monthlabel", "daylabel", "yearlabel"}) parts << child<QLabel>(w, name)->text();
        return parts.join(' ') + " " + child<SpinButton>(w, "Yearspin")->toolTip();
    }
    void spin(const char* name, int steps) {
        for (int i = 0; i < std::abs(steps); ++i)
            emit(steps > 0 ? child<SpinButton>(w, name)->spinUp() : child<SpinButton>(w, name)->spinDown());
    }
    // Picks the players in these rows and types the course, then accepts; the boxes shown.
    std::vector<Message> accept(std::initializer_list<int> rows, const QString& course) {
        for (int row : rows) child<QListWidget>(w, "List1")->item(row)->setSelected(true);
        child<QComboBox>(w, "coursecombo")->setEditText(course);
        w->accept();
        return s.dialogs.takeMessages();
    }

    TestServices s;
    QWidget opener;
    SelectPlayersWindow* w = nullptr;
};

// The date can be typed; the month and day stop at their ends, the year wraps; the day never
// passes the end of its month, Feb 29 only in leap years.
TEST_F(SelectPlayersTest, DateSpinsAndTypedDatesStayInsideTheirMonth) {
    EXPECT_EQ(date(), "Dec 6 26 Year 2026");
    EXPECT_EQ(child<QComboBox>(w, "coursecombo")->count(), 2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto* field = child<QDateEdit>(w, "datefield");
    field->setFocus();
    for (auto [section, keys] : {std::pair{QDateTimeEdit::YearSection, "2028"},
                                 {QDateTimeEdit::MonthSection, "2"},
                                 {QDateTimeEdit::DaySection, "29"}}) {
        field->setSelectedSection(section);
        QTest::keyClicks(field, keys);
    }
    EXPECT_EQ(date(), "Feb 29 28 Year 2028");
    const struct {
        const char* spin;
        int steps;
        const char* shows;
    } kSteps[] = {{"Yearspin", 1, "Feb 28 29 Year 2029"},  {"monthspin", 1, "Mar 28 29 Year 2029"},
                  {"Dayspin", 5, "Mar 31 29 Year 2029"},   {"monthspin", 1, "Apr 30 29 Year 2029"},
                  {"monthspin", 9, "Dec 30 29 Year 2029"}, {"Dayspin", 40, "Dec 31 29 Year 2029"},
                  {"Dayspin", -40, "Dec 1 29 Year 2029"},  {"monthspin", -12, "Jan 1 29 Year 2029"},
                  {"Yearspin", -30, "Jan 1 99 Year 1999"}, {"Yearspin", 1, "Jan 1 00 Year 2000"}};
    for (const auto& step : kSteps) {
        spin(step.spin, step.steps);
        EXPECT_EQ(date(), step.shows) << step.spin << step.steps;
    }
    EXPECT_EQ(field->date(), QDate(2000, 1, 1));
}

// The course is checked first, then the players; the date question can send the user back.
TEST_F(SelectPlayersTest, AcceptWantsACourseAndPlayersAndAsksAboutTheDate) {
    const Message noCourse{"Please select a course before continuing.", "Quorval", platform::Buttons::Ok,
                           platform::Icon::Exclamation};
    EXPECT_EQ(accept({0}, "Nowhere Links"), std::vector<Message>{noCourse});
    child<QListWidget>(w, "List1")->clearSelection();
    EXPECT_EQ(accept({}, "pine hills").at(0).text, "No Players selected, cannot continue.");
    s.data->settings.dateRemindCheck = 1;
    s.dialogs.answer(platform::Answer::No);
    EXPECT_EQ(accept({0}, "Pine Hills"),
              (std::vector<Message>{{"Is 12/6/2026 at Pine Hills\r\nthe correct date and location of the Round?\r\n\r\n"
                                     "Date / location checking can be disabled, see program settings.",
                                     "Double Checking Date & Location", platform::Buttons::YesNo,
                                     platform::Icon::Question}}));
    EXPECT_TRUE(w->isVisible() && visibleWindow("roundsform") == nullptr);
    // Both score windows are played through in the season test.
    child<QListWidget>(w, "List1")->clearSelection();
    s.dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(accept({1, 3}, "CEDAR CREEK").size(), 1u);  // Cy and Ed, players 3 and 5
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(s.data->players[p].selected, p == 3 || p == 5 ? 1 : 0) << p;
    EXPECT_EQ(s.data->currentCourse, 3);
    EXPECT_TRUE(visibleWindow("selectplayers") == nullptr && visibleWindow("roundsform") && !opener.isEnabled());
}

TEST_F(SelectPlayersTest, CancelClearsTheMarksAndEnablesTheOpener) {
    s.data->players[4].selected = 1;
    child<QListWidget>(w, "List1")->selectAll();
    child<QPushButton>(w, "cancelbutton")->click();
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(s.data->players[p].selected, 0);
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(visibleWindow("roundsform"), nullptr);
}

}  // namespace
}  // namespace quorval::gui
