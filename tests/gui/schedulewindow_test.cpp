#include "ui/teams/schedulewindow.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSpinBox>

#include "leaguebuilder.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class ScheduleWindowTest : public WindowTest {
protected:
    ScheduleWindowTest() {
        LeagueBuilder league(*s.data, "Fall");
        league.course("Pine Hills").player("Ann").player("Bo").player("Cy").player("Di");
        league.team("Owls", {1}).team("Hawks", {2}).team("Crows", {3}).write();
    }
    // Selects the first list line that starts with the text.
    static void select(QWidget* w, const std::string& start) {
        std::vector<std::string> shown = lines(w);
        for (size_t i = 0; i < shown.size(); ++i)
            if (shown[i].starts_with(start)) return child<QListWidget>(w, "List1")->setCurrentRow(int(i));
        ADD_FAILURE() << "no line " << start;
    }
    std::string said() {
        auto boxes = s.dialogs.takeMessages();
        return boxes.size() == 1 ? boxes[0].text : std::to_string(boxes.size()) + " boxes";
    }
};

TEST_F(ScheduleWindowTest, MakesChangesAndPrintsTheSeasonSavingEachChange) {
    auto* w = open<ScheduleWindow>();
    child<QLineEdit>(w, "Starttext")->setText("10/06/26");
    child<QSpinBox>(w, "Weekspin")->setValue(3);
    click(w, "Makebutton");
    EXPECT_THAT(said(), ::testing::HasSubstr("10/06/26 to 10/20/26"));  // the season made from the boxes
    EXPECT_EQ(lines(w).at(1), "  17:00   Owls v Hawks");
    const std::string made = readBytes("Fall.sch");

    // Replacing asks first; an edit that makes a side play twice asks too; No keeps the file.
    s.dialogs.answer(platform::Answer::No);
    click(w, "Makebutton");
    select(w, "  17:00   Owls");
    s.dialogs.answerInput("Crows");
    s.dialogs.answerInput("Hawks");
    s.dialogs.answer(platform::Answer::No);
    click(w, "Editbutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);
    EXPECT_EQ(readBytes("Fall.sch"), made);

    select(w, "Week 2");
    click(w, "Rainoutbutton");
    EXPECT_THAT(said(), ::testing::HasSubstr("10/13/26 move to week 4, 10/27/26"));  // the chosen week
    select(w, "Week 1");
    s.dialogs.answerInput("Bo");
    s.dialogs.answerInput("Di");
    click(w, "Subbutton");
    EXPECT_THAT(said(), ::testing::HasSubstr("Di plays for Bo on 10/06/26"));
    select(w, "          Crows has a bye");
    click(w, "Swapbutton");
    EXPECT_EQ(lines(w).at(1), "          Crows has a bye");
    EXPECT_EQ(lines(w).at(3), "  substitute: Di plays for Bo");
    EXPECT_NE(readBytes("Fall.sch"), made);

    s.dialogs.answer(platform::Answer::Ok);
    click(w, "Printbutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(s.printer.documents().size(), 1u);
}

}  // namespace
}  // namespace quorval::gui
