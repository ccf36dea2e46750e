#include "ui/courses/coursewindow.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "store/coursefile.hpp"
#include "tempdir.hpp"
#include "ui/courses/courseselectpanel.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using Lines = std::vector<std::string>;
namespace field = store::course_field;

class CourseCommandsTest : public ::testing::Test {
protected:
    CourseCommandsTest() {
        writeCourses({"Pine Hills", "X", "PINE HILLS", "Oak Valley"});
        (new QVBoxLayout(&host))->addWidget(panel);
        QObject::connect(panel, &CourseSelectPanel::coursesMenuEnabled, [this](bool on) { menu.push_back(on); });
        QObject::connect(panel, &CourseSelectPanel::listingHidden, [this] { ++listingHides; });
        QObject::connect(panel, &CourseSelectPanel::chartRequested, [this](int c) { charts.push_back(c); });
    }
    ~CourseCommandsTest() override { closeWindowsExcept(&host); }

    // The course file the commands load; the data in memory is left alone.
    void writeCourses(const Lines& names) {
        auto stored = std::make_unique<store::LeagueData>();
        LeagueBuilder b(*stored);
        for (const std::string& name : names) b.course(name);
        ASSERT_TRUE(store::SaveCourseFile(*stored, s.dialogs));
    }
    // The file's lines: the course count, then 30 fields a slot.
    Lines fileLines(int slot = 0) const {
        std::string bytes = readBytes(dir.path() / store::kCourseFileName);
        Lines lines;
        for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        if (slot == 0) return lines;
        auto first = lines.begin() + 1 + (slot - 1) * store::kCourseFields;
        return {first, first + store::kCourseFields};
    }

    template <typename T = QLineEdit>
    T* get(QWidget* w, const QString& name) {
        return child<T>(w, qPrintable(name));
    }
    QLineEdit* par(int hole) { return get(w, QString("Partext%1").arg(hole)); }
    QStringList sums() {
        return {get<QLabel>(w, "Outlabel")->text(), get<QLabel>(w, "Inlabel")->text(),
                get<QLabel>(w, "Totallabel")->text()};
    }
    void pick(const QString& typed) {
        get<QComboBox>(panel, "Selectcoursecombo")->setEditText(typed);
        get<QPushButton>(panel, "okordeletebutton")->click();
        w = panel->courseWindow();
    }
    void save() { get<QPushButton>(w, "savebutton")->click(); }
    // Saves with these typed into the box; a refusal's text, or "" once saved.
    std::string saveWith(const char* box, const char* typed) {
        get(w, box)->setText(typed);
        save();
        auto shown = s.dialogs.takeMessages();
        return shown.empty() ? "" : shown.at(0).text;
    }

    TempWorkDir dir;
    TestServices s;
    QWidget host;  // the main window: it holds the panel and opens the course window
    CourseSelectPanel* panel = new CourseSelectPanel(s.services);
    CourseWindow* w = nullptr;
    std::vector<bool> menu;  // the Courses menu's enabled state, each time it is set
    int listingHides = 0;
    std::vector<int> charts;
};

TEST_F(CourseCommandsTest, AddedCourseTakesOneDigitParsAndKeepsTheSums) {
    panel->addCourse();
    w = panel->courseWindow();
    ASSERT_TRUE(w && QTest::qWaitForWindowActive(w));
    for (auto [hole, keys] : {std::pair{1, "45"}, {2, "a-3x."}, {10, "5"}}) QTest::keyClicks(par(hole), keys);
    EXPECT_EQ(par(1)->text() + par(2)->text(), " 4 3");
    EXPECT_EQ(sums(), (QStringList{"7", "5", " 12"}));
    QTest::keyClick(par(2), Qt::Key_Return);
    EXPECT_TRUE(par(3)->hasFocus());
    QTest::keyClicks(par(1), "\b\b");
    EXPECT_EQ(par(1)->text(), " ");
    EXPECT_EQ(sums(), (QStringList{"3", "5", " 8"}));
    save();
    ASSERT_EQ(s.dialogs.takeMessages().size(), 1u);  // no name, pars missing
    EXPECT_TRUE(w->isVisible());  // adding whole courses, tees and all, is played through in the season test
}

// The title bar's close button does what Cancel does: nothing is stored. An older file may hold
// two courses of one name and a name of one character: each is listed and each entry opens its
// own course; saving asks for a name that is long enough and not taken.
TEST_F(CourseCommandsTest, EachListedCourseOpensItselfAndSavingWantsADistinctName) {
    panel->editCourse();
    pick("Oak Valley");
    ASSERT_NE(w, nullptr);
    Lines before = fileLines();
    get(w, "Nametext")->setText("Oak Valley North");
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(!s.data->courseEditMode && host.isEnabled());
    EXPECT_EQ(menu, (std::vector<bool>{false, true}));
    EXPECT_EQ(s.data->courses[4][field::kName], "Oak Valley");
    EXPECT_EQ(fileLines(), before);

    panel->editCourse();
    EXPECT_TRUE(panel->isVisibleTo(&host) && panel->isEnabled());
    EXPECT_EQ(listingHides, 2);
    auto* combo = get<QComboBox>(panel, "Selectcoursecombo");
    EXPECT_EQ((QStringList{combo->itemText(1), combo->itemText(2), combo->itemText(3)}).join('|') +
                  QString::number(combo->count()),
              "X|PINE HILLS|Oak Valley4");
    for (const char* typed : {"Pine Hill", ""}) pick(typed);
    EXPECT_EQ(w, nullptr);
    EXPECT_EQ(s.dialogs.beeps() * 10 + s.dialogs.takeMessages().size(), 22u);
    combo->setCurrentIndex(2);
    get<QPushButton>(panel, "okordeletebutton")->click();
    w = panel->courseWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->editor().slot(), 3);
    EXPECT_TRUE(!host.isEnabled() && s.data->courseEditMode);
    get(w, "initialstext")->setText("PH");
    EXPECT_EQ(saveWith("Nametext", " pine hills "),
              "There is already a course named Pine Hills.\r\nPlease give this one another name.");
    EXPECT_EQ(saveWith("Nametext", "Q"), "A course name needs at least 2 characters.");
    EXPECT_EQ(saveWith("Nametext", "  Pine Hills East "), "");
    EXPECT_EQ(fileLines(3)[field::kName - 1] + fileLines(3)[field::kInitials - 1], "Pine Hills EastPH");
    EXPECT_EQ(fileLines(1)[field::kInitials - 1], "");
    EXPECT_TRUE(!s.data->courseEditMode && s.dialogs.busyDepth() == 0);
}

TEST_F(CourseCommandsTest, DeleteAsksThenEmptiesTheSlotUnlessRoundsUseIt) {
    const platform::Message question{
        "Are you sure you want to delete \r\nthe course Oak Valley?\r\n\r\nAnalysis functions could be "
        "corrupted\r\nPlease see info on deleting courses\r\n\r\n\r\n     CONTINUE?          Select 'NO' to Exit",
        "Confirm Delete", platform::Buttons::YesNo, platform::Icon::Critical, 2};
    Lines before = fileLines();
    for (platform::Answer answer : {platform::Answer::No, platform::Answer::Yes}) {
        panel->deleteCourse();
        EXPECT_EQ(get<QPushButton>(panel, "okordeletebutton")->text(), "Delete");
        s.dialogs.answer(answer);
        pick("oak valley");
        EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{question});
        EXPECT_TRUE(!panel->isVisibleTo(&host) && menu.back());
        EXPECT_EQ(fileLines() == before, answer == platform::Answer::No);
    }
    EXPECT_EQ(fileLines()[0], " 4 ");
    EXPECT_EQ(fileLines(4), Lines(store::kCourseFields, ""));
    EXPECT_EQ(fileLines(3)[0], "PINE HILLS");

    // Rounds keep only their course's slot: a course they use is never emptied, nor asked about.
    LeagueBuilder(*s.data, "Fall").player("Ann").round("5/4/26", 40, 41, 1).round("5/5/26", 40, 41, 1);
    s.data->registry.leagueCount = 1, s.data->registry.leagueFiles[1] = "Fall";
    before = fileLines();
    panel->deleteCourse();
    pick("pine hills");
    EXPECT_EQ(s.dialogs.takeMessages().at(0).text,
              "The course \"Pine Hills\" cannot be deleted:\r\n2 rounds use it (2 in Fall).\r\n"
              "Only a course that no round uses may be deleted.");
    EXPECT_EQ(fileLines(), before);
    EXPECT_TRUE(!panel->isVisibleTo(&host) && menu.back());
}

// Without a course nothing is offered; the chart frees the menu at once; a full table refuses Add.
TEST_F(CourseCommandsTest, CommandsThatOpenNoWindowFreeTheMenu) {
    panel->chooseChartCourse();
    pick("OAK VALLEY");
    EXPECT_EQ(charts, std::vector<int>{4});
    EXPECT_FALSE(panel->isVisibleTo(&host));
    writeCourses({});
    panel->editCourse();
    EXPECT_FALSE(panel->isVisibleTo(&host));
    EXPECT_EQ(listingHides, 1);
    writeCourses({""});  // the last course was deleted
    panel->deleteCourse();
    EXPECT_EQ(get<QComboBox>(panel, "Selectcoursecombo")->count(), 0);
    writeCourses(Lines(store::kMaxCourses, "Full Course"));
    panel->addCourse();
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(panel->courseWindow(), nullptr);
    EXPECT_EQ(menu, (std::vector<bool>{false, true, false, true, false, false, true}));
}

}  // namespace
}  // namespace quorval::gui
