#include "ui/entry/selectplayerswindow.hpp"

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

class SelectPlayersTest : public ::testing::Test {
protected:
    // The nameless player 2 is not listed, nor the course X, its name too short; today is 12/6/2026.
    SelectPlayersTest() {
        LeagueBuilder b(*s.data);
        b.course("Pine Hills").course("X").course("Cedar Creek").player("Ann").player("").player("Cy").player("Di");
        b.player("Ed");
        openChild(&opener, w = new SelectPlayersWindow(s.services, &opener));
        list = child<QListWidget>(w, "List1");
    }
    ~SelectPlayersTest() override { closeWindowsExcept(&opener); }

    QString date() const {
        QStringList parts;
        for (const char* name : {"Monthlabel", "daylabel", "yearlabel"}) parts << child<QLabel>(w, name)->text();
        return parts.join(' ') + " " + child<SpinButton>(w, "Yearspin")->toolTip();
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
    auto* field = child<QDateEdit>(w, "datefield");
    field->setDate(QDate(2028, 2, 29));
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
    EXPECT_EQ(field->date(), QDate(2000, 1, 1));
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
