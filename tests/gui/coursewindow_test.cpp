#include "ui/courses/coursewindow.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "fakeseams.hpp"
#include "store/coursefile.hpp"
#include "tempdir.hpp"
#include "ui/courses/courseselectpanel.hpp"
#include "widgets/spinbutton.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
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
    void writeCourses(const std::vector<std::string>& names) {
        auto stored = std::make_unique<store::LeagueData>();
        stored->courseCount = static_cast<int16_t>(names.size());
        for (int c = 1; c <= stored->courseCount; ++c) {
            store::CourseRecord& course = stored->courses[c];
            if (names[c - 1].empty()) continue;
            course[field::kName] = names[c - 1];
            course[field::kParOut] = course[field::kParIn] = "36";
            course[field::kParTotal] = " 72";
            for (int h = 1; h <= 18; ++h) course[field::kHolePar0 + h] = " 4";
        }
        ASSERT_TRUE(store::SaveCourseFile(*stored, s.dialogs));
    }

    // The file's lines; slot c's 30 fields start at line 1 + 30 (c - 1).
    std::vector<std::string> fileLines() const {
        std::string bytes = readBytes(dir.path() / store::kCourseFileName);
        std::vector<std::string> lines;
        for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
            lines.push_back(bytes.substr(start, end - start));
        return lines;
    }
    std::vector<std::string> slotLines(int slot) const {
        std::vector<std::string> lines = fileLines();
        auto first = lines.begin() + 1 + (slot - 1) * store::kCourseFields;
        return {first, first + store::kCourseFields};
    }

    template <typename T = QLineEdit>
    T* get(QWidget* w, const QString& name) {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QLineEdit* par(QWidget* w, int hole) { return get(w, QString("Partext%1").arg(hole)); }
    QString caption(QWidget* w, const char* name) { return get<QLabel>(w, name)->text(); }
    QComboBox* combo() { return get<QComboBox>(panel, "Selectcoursecombo"); }

    CourseWindow* pick(const QString& typed) {
        combo()->setEditText(typed);
        get<QPushButton>(panel, "okordeletebutton")->click();
        return panel->courseWindow();
    }

    TempWorkDir dir;
    TestServices s;
    QWidget host;  // the main window: it holds the panel and opens the course window
    CourseSelectPanel* panel = new CourseSelectPanel(s.services);
    std::vector<bool> menu;  // the Courses menu's enabled state, each time it is set
    int listingHides = 0;
    std::vector<int> charts;
};

TEST_F(CourseCommandsTest, ParBoxesTakeOneDigitAndKeepTheSums) {
    panel->addCourse();
    CourseWindow* w = panel->courseWindow();
    ASSERT_TRUE(w && QTest::qWaitForWindowActive(w));
    EXPECT_EQ(caption(w, "Totallabel"), "");
    QTest::keyClicks(par(w, 1), "45");
    QTest::keyClicks(par(w, 2), "a-3x.");
    QTest::keyClicks(par(w, 10), "5");
    EXPECT_EQ(par(w, 1)->text(), " 4");
    EXPECT_EQ(par(w, 2)->text(), " 3");
    EXPECT_EQ(caption(w, "Outlabel"), "7");
    EXPECT_EQ(caption(w, "Inlabel"), "5");
    EXPECT_EQ(caption(w, "Totallabel"), " 12");

    QTest::keyClick(par(w, 2), Qt::Key_Return);
    EXPECT_TRUE(par(w, 3)->hasFocus());
    EXPECT_EQ(par(w, 2)->text(), " 3");
    QTest::keyClicks(par(w, 1), "\b\b");
    EXPECT_EQ(par(w, 1)->text(), " ");
    EXPECT_EQ(caption(w, "Outlabel"), "3");
    EXPECT_EQ(caption(w, "Totallabel"), " 8");
}

TEST_F(CourseCommandsTest, SavedCourseReachesTheFileFieldByField) {
    panel->addCourse();
    CourseWindow* w = panel->courseWindow();
    ASSERT_NE(w, nullptr);
    get<QPushButton>(w, "savebutton")->click();
    ASSERT_EQ(s.dialogs.takeMessages().size(), 1u);  // no name, no pars
    EXPECT_TRUE(w->isVisible());

    QTest::keyClicks(get(w, "Nametext"), " Cedar Ridge");
    QTest::keyClicks(get(w, "initialstext"), "CRX1");
    for (int h = 1; h <= 18; ++h) QTest::keyClicks(par(w, h), h == 9 ? "" : h == 18 ? "5" : "4");
    for (auto [spin, up, clicks] :
         {std::tuple{"Whiteratingspin", true, 3}, {"redrateingspin", false, 1}, {"blueslopespin", false, 3}}) {
        auto* button = get<SpinButton>(w, spin);
        for (int i = 0; i < clicks; ++i) emit(up ? button->spinUp() : button->spinDown());
    }
    // Typed values must lie within the limits the arrows keep to; the refusal names them.
    get(w, "blueratepanel")->clear();
    QTest::keyClicks(get(w, "blueratepanel"), "71.3");
    for (const char* slope : {"1550", "13l", "131"}) {
        get(w, "whiteslopepanel")->clear();
        QTest::keyClicks(get(w, "whiteslopepanel"), slope);
        get<QPushButton>(w, "savebutton")->click();
        if (std::string(slope) == "131") break;
        auto refused = s.dialogs.takeMessages();
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_NE(refused[0].text.find("White slope \"" + std::string(slope) + "\""), std::string::npos);
        EXPECT_NE(refused[0].text.find("from 0 to 155"), std::string::npos);
    }

    EXPECT_EQ(visibleWindow("course"), nullptr);
    EXPECT_TRUE(host.isEnabled());
    EXPECT_EQ(menu, (std::vector<bool>{false, true}));
    EXPECT_EQ(fileLines()[0], " 5 ");
    std::vector<std::string> expected = {"Cedar Ridge", "32", "37", " 69"};
    for (int h = 1; h <= 18; ++h) expected.push_back(h == 9 ? " " : h == 18 ? " 5" : " 4");
    for (const char* f : {" 64.9", " 65.3", " 71.3", " 113", " 131", " 110", "CRX", ""}) expected.push_back(f);
    EXPECT_EQ(slotLines(5), expected);
}

// An older file may hold two courses of one name and a name of one character: each is listed and
// each entry opens its own course; saving asks for a name that is long enough and not taken.
TEST_F(CourseCommandsTest, EachListedCourseOpensItselfAndSavingWantsADistinctName) {
    panel->editCourse();
    EXPECT_TRUE(panel->isVisibleTo(&host) && panel->isEnabled());
    EXPECT_EQ(listingHides, 1);
    QStringList offered;
    for (int i = 0; i < combo()->count(); ++i) offered << combo()->itemText(i);
    EXPECT_EQ(offered, (QStringList{"Pine Hills", "X", "PINE HILLS", "Oak Valley"}));

    for (const char* typed : {"Pine Hill", ""}) {
        EXPECT_EQ(pick(typed), nullptr);
        EXPECT_EQ(s.dialogs.takeMessages().size(), 1u) << typed;
    }
    EXPECT_EQ(s.dialogs.beeps(), 2);
    EXPECT_TRUE(panel->isVisibleTo(&host));
    combo()->setCurrentIndex(2);
    get<QPushButton>(panel, "okordeletebutton")->click();
    CourseWindow* w = panel->courseWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->editor().slot(), 3);
    EXPECT_FALSE(host.isEnabled());
    EXPECT_TRUE(s.data->courseEditMode);
    EXPECT_EQ(caption(w, "Totallabel"), " 72");
    QTest::keyClicks(get(w, "initialstext"), "PH");
    for (const char* name : {" pine hills ", "Q", "  Pine Hills East "}) {
        get(w, "Nametext")->setText(name);
        get<QPushButton>(w, "savebutton")->click();
        if (name[0] == ' ' && name[1] == ' ') break;
        auto refused = s.dialogs.takeMessages();
        ASSERT_EQ(refused.size(), 1u) << name;
        EXPECT_EQ(refused[0].text, name[0] == 'Q' ? "A course name needs at least 2 characters."
                                                  : "There is already a course named Pine Hills.\r\n"
                                                    "Please give this one another name.");
    }
    EXPECT_EQ(slotLines(3)[field::kName - 1], "Pine Hills East");
    EXPECT_EQ(slotLines(3)[field::kInitials - 1], "PH");
    EXPECT_EQ(slotLines(1)[field::kInitials - 1], "");
    EXPECT_FALSE(s.data->courseEditMode);
    EXPECT_EQ(s.dialogs.busyDepth(), 0);
}

// The title bar's close button does what Cancel does.
TEST_F(CourseCommandsTest, ClosingTheWindowStoresNothing) {
    panel->editCourse();
    CourseWindow* w = pick("Oak Valley");
    ASSERT_NE(w, nullptr);
    std::vector<std::string> before = fileLines();
    get(w, "Nametext")->setText("Oak Valley North");
    w->close();
    EXPECT_FALSE(s.data->courseEditMode);
    EXPECT_TRUE(host.isEnabled());
    EXPECT_EQ(menu, (std::vector<bool>{false, true}));
    EXPECT_EQ(s.data->courses[4][field::kName], "Oak Valley");
    EXPECT_EQ(fileLines(), before);
}

TEST_F(CourseCommandsTest, DeleteAsksThenEmptiesTheSlot) {
    const platform::Message question{
        "Are you sure you want to delete \r\nthe course Oak Valley?\r\n\r\nAnalysis functions could be "
        "corrupted\r\nPlease see info on deleting courses\r\n\r\n\r\n     CONTINUE?          Select 'NO' to Exit",
        "Confirm Delete", platform::Buttons::YesNo, platform::Icon::Critical, 2};
    std::vector<std::string> before = fileLines();
    for (platform::Answer answer : {platform::Answer::No, platform::Answer::Yes}) {
        panel->deleteCourse();
        EXPECT_EQ(get<QPushButton>(panel, "okordeletebutton")->text(), "Delete");
        s.dialogs.answer(answer);
        pick("oak valley");
        EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{question});
        EXPECT_FALSE(panel->isVisibleTo(&host));
        EXPECT_EQ(menu.back(), true);
        if (answer == platform::Answer::No) {
            EXPECT_EQ(fileLines(), before);
        }
    }
    EXPECT_EQ(fileLines()[0], " 4 ");
    EXPECT_EQ(slotLines(4), std::vector<std::string>(store::kCourseFields, ""));
    EXPECT_EQ(slotLines(3)[0], "PINE HILLS");
}

// Rounds keep only their course's slot: a course they use is never emptied.
TEST_F(CourseCommandsTest, DeleteRefusesACourseThatRoundsUseWithoutAsking) {
    s.data->registry.leagueCount = 1;
    s.data->registry.leagueFiles[1] = "Fall";
    s.data->leagueFileName = "Fall.LGE";
    s.data->playerCount = 1;
    s.data->players[1].roundCount = 2;
    s.data->players[1].rounds[1].course = 4;
    s.data->players[1].rounds[2].course = 4;
    std::vector<std::string> before = fileLines();
    panel->deleteCourse();
    pick("oak valley");
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "The course \"Oak Valley\" cannot be deleted:\r\n2 rounds use it (2 in Fall).\r\n"
              "Only a course that no round uses may be deleted.");
    EXPECT_EQ(fileLines(), before);
    EXPECT_FALSE(panel->isVisibleTo(&host));
    EXPECT_EQ(menu.back(), true);
}

TEST_F(CourseCommandsTest, WithoutCoursesNothingIsOffered) {
    writeCourses({});
    panel->editCourse();
    EXPECT_FALSE(panel->isVisibleTo(&host));
    EXPECT_EQ(listingHides, 0);
    EXPECT_EQ(menu, (std::vector<bool>{false, true}));

    writeCourses({""});  // the last course was deleted
    panel->deleteCourse();
    EXPECT_EQ(combo()->count(), 0);
}

TEST_F(CourseCommandsTest, ChartFreesTheMenuAtOnceAndNamesTheCourse) {
    panel->chooseChartCourse();
    EXPECT_EQ(menu, (std::vector<bool>{false, true}));
    pick("OAK VALLEY");
    EXPECT_EQ(charts, std::vector<int>{4});
    EXPECT_FALSE(panel->isVisibleTo(&host));
}

TEST_F(CourseCommandsTest, AddIsRefusedUpFrontWhenEverySlotHoldsACourse) {
    writeCourses(std::vector<std::string>(store::kMaxCourses, "Full Course"));
    panel->addCourse();
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(panel->courseWindow(), nullptr);
    EXPECT_EQ(menu, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace quorval::gui
