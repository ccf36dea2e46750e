#include "ui/courses/coursewindow.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "courses/courseuse.hpp"
#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "store/coursefile.hpp"
#include "tempdir.hpp"
#include "ui/courses/courseselectpanel.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using Messages = std::vector<platform::Message>;
namespace field = store::course_field;

class CourseCommandsTest : public ::testing::Test {
protected:
    CourseCommandsTest() {
        writeCourses({"Pine Hills", "X", "PINE HILLS", "Oak Valley"});
        (new QVBoxLayout(&host))->addWidget(panel);
        QObject::connect(panel, &CourseSelectPanel::coursesMenuEnabled, [this](bool on) { menu.push_back(on); });
        QObject::connect(panel, &CourseSelectPanel::listingHidden, [this] { ++listingHides; });
    }
    ~CourseCommandsTest() override { closeWindowsExcept(&host); }

    // The course file the commands load; the data in memory is left alone.
    void writeCourses(const std::vector<std::string>& names) {
        LeagueBuilder b(*onDisk);
        for (const std::string& name : names) b.course(name);
        ASSERT_TRUE(store::SaveCourseFile(*onDisk, s.dialogs));
    }
    std::string file() const { return readBytes(store::kCourseFileName); }
    // The course table as the file holds it now.
    const store::LeagueData& stored() {
        EXPECT_TRUE(store::ParseCourses(*onDisk, file()).ok);
        return *onDisk;
    }

    QLineEdit* par(int hole) { return child<QLineEdit>(w, qPrintable(QString("Partext%1").arg(hole))); }
    QString sums() {
        return child<QLabel>(w, "Outlabel")->text() + "|" + child<QLabel>(w, "Inlabel")->text() + "|" +
               child<QLabel>(w, "Totallabel")->text();
    }
    // Types the name into the panel's box and presses Ok (or Delete).
    void pick(const QString& typed) {
        child<QComboBox>(panel, "Selectcoursecombo")->setEditText(typed);
        child<QPushButton>(panel, "okordeletebutton")->click();
        w = panel->courseWindow();
    }
    // Saves with this name typed; a refusal's text, or "" once saved.
    std::string saveNamed(const char* name) {
        child<QLineEdit>(w, "Nametext")->setText(name);
        child<QPushButton>(w, "savebutton")->click();
        auto shown = s.dialogs.takeMessages();
        return shown.empty() ? "" : shown.at(0).text;
    }

    TempWorkDir dir;
    TestServices s;
    std::unique_ptr<store::LeagueData> onDisk = std::make_unique<store::LeagueData>();
    QWidget host;  // the main window: it holds the panel and opens the course window
    CourseSelectPanel* panel = new CourseSelectPanel(s.services);
    CourseWindow* w = nullptr;
    std::vector<bool> menu;  // the Courses menu's enabled state, each time it is set
    int listingHides = 0;
};

// A par box takes one digit, shown after a blank, and moves on; the sums follow the boxes.
TEST_F(CourseCommandsTest, AddedCourseTakesOneDigitParsAndKeepsTheSums) {
    panel->addCourse();
    w = panel->courseWindow();
    ASSERT_TRUE(w && QTest::qWaitForWindowActive(w));
    for (auto [hole, keys] : {std::pair{1, "45\b\b3"}, {2, "a-3x."}, {10, "5"}}) QTest::keyClicks(par(hole), keys);
    EXPECT_EQ(par(1)->text() + par(2)->text() + "|" + sums(), " 3 3|6|5| 11");
    // Typed in a row, each par replaces the box's and moves on to the next hole.
    par(1)->setFocus();
    for (int h = 1; h <= 18; ++h) {
        QCoreApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), h % 3 ? "4" : "3");
    }
    EXPECT_EQ(sums(), "33|33| 66");
    EXPECT_TRUE(saveNamed("") != "" && w->isVisible());  // no name, pars missing: the window stays
}

// The title bar's close button does what Cancel does: nothing is stored. An older file may hold
// two courses of one name and a name of one character: each is listed and each entry opens its
// own course; saving asks for a name not taken.
TEST_F(CourseCommandsTest, EachListedCourseOpensItselfAndSavingWantsADistinctName) {
    panel->editCourse();
    pick("Oak Valley");
    ASSERT_NE(w, nullptr);
    const std::string before = file();
    child<QLineEdit>(w, "Nametext")->setText("Oak Valley North");
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!s.data->courseEditMode && host.isEnabled() && file() == before);
    EXPECT_EQ(menu, (std::vector<bool>{false, true}));

    panel->editCourse();
    EXPECT_TRUE(panel->isVisibleTo(&host) && panel->isEnabled() && listingHides == 2);
    auto* combo = child<QComboBox>(panel, "Selectcoursecombo");
    pick("Pine Hill");
    EXPECT_TRUE(w == nullptr && s.dialogs.takeMessages().size() == 1);
    combo->setCurrentIndex(2);
    child<QPushButton>(panel, "okordeletebutton")->click();
    ASSERT_TRUE((w = panel->courseWindow()) && w->editor().slot() == 3 && !host.isEnabled());
    child<QLineEdit>(w, "initialstext")->setText("PH");
    EXPECT_THAT(saveNamed(" pine hills "), ::testing::HasSubstr("named Pine Hills."));  // the name as stored
    EXPECT_EQ(saveNamed("  Pine Hills East "), "");
    EXPECT_EQ(stored().courses[3][field::kName] + stored().courses[3][field::kInitials], "Pine Hills EastPH");
    EXPECT_TRUE(!s.data->courseEditMode && s.dialogs.busyDepth() == 0);
}

TEST_F(CourseCommandsTest, DeleteAsksThenEmptiesTheSlotUnlessRoundsUseIt) {
    const std::string before = file();
    for (platform::Answer answer : {platform::Answer::No, platform::Answer::Yes}) {
        panel->deleteCourse();
        EXPECT_EQ(child<QPushButton>(panel, "okordeletebutton")->text(), "Delete");
        s.dialogs.answer(answer);
        pick("oak valley");
        // A Yes/No question naming the course as stored, No by default.
        const Messages asked = s.dialogs.takeMessages();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_TRUE(asked[0].buttons == platform::Buttons::YesNo && asked[0].defaultButton == 2);
        EXPECT_NE(asked[0].text.find("the course Oak Valley?"), std::string::npos);
        EXPECT_TRUE(!panel->isVisibleTo(&host) && menu.back());
        EXPECT_EQ(file() == before, answer == platform::Answer::No);
    }
    EXPECT_TRUE(stored().courseCount == 4 && stored().courses[4] == store::CourseRecord{});

    // Rounds keep only their course's slot: a course they use is never emptied, nor asked about.
    LeagueBuilder(*s.data, "Fall").player("Ann").round("5/4/26", 40, 41, 1);
    s.data->registry.leagueCount = 1, s.data->registry.leagueFiles[1] = "Fall";
    const std::string kept = file();
    panel->deleteCourse();
    pick("pine hills");
    EXPECT_EQ(s.dialogs.takeMessages(), Messages{*courses::CourseInUseMessage(*s.data, 1)});
    EXPECT_TRUE(file() == kept && !panel->isVisibleTo(&host) && menu.back());
}

}  // namespace
}  // namespace quorval::gui
