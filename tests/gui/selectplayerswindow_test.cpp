#include "ui/entry/selectplayerswindow.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "widgets/spinbutton.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using Messages = std::vector<platform::Message>;
using ::testing::AllOf;
using ::testing::HasSubstr;

class SelectPlayersTest : public ::testing::Test {
protected:
    // The nameless player 2 is not listed, nor the course X, its name too short; today is 12/6/2026.
    SelectPlayersTest() {
        LeagueBuilder b(*s.data);
        b.course("Pine Hills").course("X").course("Cedar Creek").player("Ann").player("").player("Cy").player("Di");
        b.player("Ed");
        openChild(&opener, w = new SelectPlayersWindow(s.services, &opener, false));
        list = child<QListWidget>(w, "List1");
    }
    ~SelectPlayersTest() override { closeWindowsExcept(&opener); }

    QString date() const {
        QStringList parts;
        for (const char* name : {"Monthlabel", "daylabel", "yearlabel"}) parts << child<QLabel>(w, name)->text();
        return parts.join(' ') + " " + child<SpinButton>(w, "Yearspin")->toolTip();
    }
    void typeDate(const char* text) {
        auto* field = child<QLineEdit>(w, "datefield");
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    // Highlights the players in these rows and types the course, then accepts; the boxes shown.
    Messages accept(std::initializer_list<int> rows, const QString& course) {
        list->clearSelection();
        for (int row : rows) list->item(row)->setSelected(true);
        child<QComboBox>(w, "coursecombo")->setEditText(course);
        w->accept();
        return s.dialogs.takeMessages();
    }

    TestServices s;
    QWidget opener;
    SelectPlayersWindow* w = nullptr;
    QListWidget* list = nullptr;
};

// The month and day stop at their ends, the year wraps; the day never passes the end of its
// month, Feb 29 only in leap years. The date field and the labels follow each other.
TEST_F(SelectPlayersTest, DateSpinsStayInsideTheMonth) {
    EXPECT_EQ(date(), "Dec 6 26 Year 2026");
    EXPECT_EQ(child<QComboBox>(w, "coursecombo")->count(), 2);
    auto* field = child<QLineEdit>(w, "datefield");
    typeDate("2/29/28");
    EXPECT_EQ(date(), "Feb 29 28 Year 2028");
    const std::tuple<const char*, int, const char*> kSteps[] = {
        {"Yearspin", 1, "Feb 28 29 Year 2029"},   {"monthspin", 1, "Mar 28 29 Year 2029"},
        {"Dayspin", 5, "Mar 31 29 Year 2029"},    {"monthspin", 1, "Apr 30 29 Year 2029"},
        {"monthspin", 9, "Dec 30 29 Year 2029"},  {"Dayspin", -40, "Dec 1 29 Year 2029"},
        {"monthspin", -12, "Jan 1 29 Year 2029"}, {"Yearspin", -30, "Jan 1 99 Year 1999"},
        {"Yearspin", 1, "Jan 1 00 Year 2000"}};
    for (auto [name, steps, shows] : kSteps) {
        auto* spin = child<SpinButton>(w, name);
        for (int i = 0; i < std::abs(steps); ++i) emit(steps > 0 ? spin->spinUp() : spin->spinDown());
        EXPECT_EQ(date(), shows) << name << steps;
    }
    EXPECT_EQ(field->text(), "1/1/2000");
}

// Typed text is read as a whole when Enter is pressed: taken as typed when it is a real day,
// refused naming the order otherwise, leaving the date as it was.
TEST_F(SelectPlayersTest, TypedDateIsTakenAsTypedOrRefused) {
    const std::tuple<const char*, const char*, bool> kTyped[] = {
        {"10/27/26", "Oct 27 26 Year 2026", false}, {"02/31/26", "Oct 27 26 Year 2026", true},
        {"3/5/2027", "Mar 5 27 Year 2027", false},  {"10/27", "Mar 5 27 Year 2027", true},
        {"2/29/27", "Mar 5 27 Year 2027", true},    {"1-9-1990", "Jan 9 90 Year 1990", false}};
    for (auto [typed, shows, refused] : kTyped) {
        SCOPED_TRACE(typed);
        typeDate(typed);
        EXPECT_EQ(date(), shows);
        Messages said = s.dialogs.takeMessages();
        ASSERT_EQ(said.size(), refused ? 1u : 0u);
        for (const auto& box : said) EXPECT_THAT(box.text, AllOf(HasSubstr(typed), HasSubstr("month/day/year")));
    }
    EXPECT_EQ(child<QLineEdit>(w, "datefield")->text(), "1/9/1990");
}

// In day/month order the day field stands first and typed dates are read day first.
TEST_F(SelectPlayersTest, DayMonthOrderShowsAndReadsTheDayFirst) {
    s.data->settings.dateOrder = store::DateOrder::kDayMonthYear;
    w->close();
    openChild(&opener, w = new SelectPlayersWindow(s.services, &opener, false));
    auto* field = child<QLineEdit>(w, "datefield");
    EXPECT_EQ(field->text(), "6/12/2026");
    EXPECT_EQ(field->placeholderText(), "day/month/year");
    EXPECT_LT(child<QLabel>(w, "daylabel")->x(), child<QLabel>(w, "Monthlabel")->x());
    typeDate("27/10/26");
    EXPECT_EQ(date(), "Oct 27 26 Year 2026");
    typeDate("10/27/26");
    EXPECT_EQ(date(), "Oct 27 26 Year 2026");
    Messages said = s.dialogs.takeMessages();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_THAT(said[0].text, HasSubstr("day/month/year"));
    typeDate("2027-03-05");
    EXPECT_EQ(field->text(), "5/3/2027");
}

// Before any score is typed, a course the rounds could not go to is refused, naming what to enter
// where; a league without courses says how to add one.
TEST_F(SelectPlayersTest, AcceptRefusesACourseTheRoundsCannotGoTo) {
    s.data->courses[3][store::course_field::kSlope0 + store::kWhiteTee] = "";
    EXPECT_THAT(accept({0}, "Cedar Creek").at(0).text,
                AllOf(HasSubstr("Ann plays from the white tee"), HasSubstr("Cedar Creek"), HasSubstr("Edit Course")));
    s.data->options.rules = store::HandicapRules::WHS;
    EXPECT_TRUE(accept({0}, "Pine Hills").at(0).text.starts_with("The course Pine Hills has no stroke indexes"));
    EXPECT_TRUE(w->isVisible() && visibleWindow("roundsform") == nullptr);
    child<QPushButton>(w, "cancelbutton")->click();
    s.data->courseCount = 0;
    openChild(&opener, w = new SelectPlayersWindow(s.services, &opener, false));
    list = child<QListWidget>(w, "List1");
    EXPECT_EQ(accept({0}, "").at(0).text, "Add a course first with Courses > Add New Course.");
}

// The course is checked first, then the players; the date question can send the user back.
// Accepting is played through in the season test.
TEST_F(SelectPlayersTest, AcceptWantsACourseAndPlayersAndAsksAboutTheDate) {
    EXPECT_EQ(accept({0}, "Nowhere Links").at(0).text, "Please select a course before continuing.");
    EXPECT_EQ(accept({}, "pine hills").at(0).text, "No Players selected, cannot continue.");
    s.data->settings.dateRemindCheck = 1;
    s.dialogs.answer(platform::Answer::No);
    EXPECT_EQ(accept({0}, "Pine Hills").at(0).text,
              "Is 12/6/2026 at Pine Hills\r\nthe correct date and location of the Round?\r\n\r\n"
              "Date / location checking can be disabled, see program settings.");
    EXPECT_TRUE(w->isVisible() && visibleWindow("roundsform") == nullptr);
    child<QPushButton>(w, "cancelbutton")->click();  // Cancel clears the marks Accept set
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(s.data->players[p].selected, 0);
    EXPECT_TRUE(opener.isEnabled() && visibleWindow("roundsform") == nullptr);
}

}  // namespace
}  // namespace quorval::gui
