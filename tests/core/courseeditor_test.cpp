#include "courses/courseeditor.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "scripteddialogs.hpp"
#include "store/coursefile.hpp"
#include "tempdir.hpp"

using namespace quorval;
using courses::CourseEditor;
using courses::CourseForm;
using courses::SaveOutcome;
namespace field = store::course_field;

namespace {

// A course as typed: par 4 on every hole but 3 (par 3) and 18 (left empty).
CourseForm typedCourse(const std::string& name) {
    CourseForm form;
    form.name = name;
    for (int h = 1; h <= 18; ++h) form.pars[h] = courses::ParBoxText(h == 18 ? "" : h == 3 ? "3" : "4");
    form.out = courses::NinePar(form.pars, 1);
    form.in = courses::NinePar(form.pars, 10);
    form.total = courses::TotalPar(form.out, form.in);
    form.ratings[store::kWhiteTee] = "71.3";
    form.initials = "PH";
    return form;
}

// Three courses on file, the second one deleted.
class CourseEditorTest : public ::testing::Test {
protected:
    CourseEditorTest() {
        data->courseCount = 3;
        for (int c : {1, 3}) data->courses[c] = named("Course " + std::to_string(c));
        data->courses[2][field::kReserved] = "reserved";
        EXPECT_TRUE(store::SaveCourseFile(*data, dialogs));
    }

    static store::CourseRecord named(const std::string& name) {
        store::CourseRecord course{};
        courses::StoreForm(typedCourse(name), course);
        return course;
    }

    quorval::testing::TempWorkDir dir;
    quorval::testing::ScriptedDialogs dialogs;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

}  // namespace

TEST(CourseFields, StoredAsTheEditorWritesThem) {
    store::CourseRecord course{};
    course[field::kReserved] = "kept";
    courses::StoreForm(typedCourse("  Pine Hills "), course);
    std::vector<std::string> stored(course.begin() + 1, course.end());
    std::vector<std::string> expected = {"  Pine Hills ", "35", "32", " 67"};
    for (int h = 1; h <= 18; ++h) expected.push_back(h == 18 ? " " : h == 3 ? " 3" : " 4");
    for (const char* f : {" 65", " 71.3", " 65", " 113", " 113", " 113", "PH", "kept"}) expected.push_back(f);
    EXPECT_EQ(stored, expected);
    // Saved again unchanged, a loaded course keeps its texts.
    EXPECT_EQ(courses::StoredNumber(" 71.3"), " 71.3");
}

TEST(CourseSpins, StayWithinTheLimitsAndClicksGatherNoRoundingError) {
    std::string rating = "65.0";
    for (int i = 0; i < 500; ++i) rating = courses::StepRating(rating, -1);
    EXPECT_EQ(rating, "20.0");
    for (int i = 0; i < 1000; ++i) rating = courses::StepRating(rating, 1);
    EXPECT_EQ(rating, "99.9");
    std::string slope = "113";
    for (int i = 0; i < 3; ++i) slope = courses::StepSlope(slope, -1);
    EXPECT_EQ(slope, "110");
    for (int i = 0; i < 200; ++i) slope = courses::StepSlope(slope, 1);
    EXPECT_EQ(slope, "155");
    for (int i = 0; i < 200; ++i) slope = courses::StepSlope(slope, -1);
    EXPECT_EQ(slope, "0");
}

// What may be typed into a rating or slope box: the numbers the arrows reach, and an empty box
// for a tee without one.
TEST(CourseTyping, TeeValuesOutsideTheLimitsAreRefused) {
    struct Case {
        const char* rating;
        const char* slope;
        bool accepted;
    };
    for (const Case& c : {Case{"71.3", "131", true}, Case{" 20", "0", true}, Case{"", "", true},
                          Case{"99.9", "155", true}, Case{"19.9", "113", false}, Case{"100", "113", false},
                          Case{"7l.3", "113", false}, Case{"71.3.1", "113", false}, Case{"71.3", "156", false},
                          Case{"71.3", "13.5", false}, Case{"71.3", "-1", false}}) {
        courses::CourseForm form;
        form.ratings[store::kBlueTee] = c.rating;
        form.slopes[store::kBlueTee] = c.slope;
        auto problem = courses::TeeValueProblem(form);
        EXPECT_EQ(!problem, c.accepted) << c.rating << " / " << c.slope;
        if (problem) {
            EXPECT_EQ(problem->text.find("The Blue "), 0u) << problem->text;
        }
    }
}

class CourseFormRefused : public CourseEditorTest, public ::testing::WithParamInterface<int> {};

// 0: no name, 1: no front nine, 2: only the first nine filled.
TEST_P(CourseFormRefused, WithTheFiveLineWarningAndNothingStored) {
    CourseForm form = typedCourse(GetParam() == 0 ? "" : "Oak Hills");
    if (GetParam() == 1)
        for (int h = 1; h <= 9; ++h) form.pars[h] = " ";
    if (GetParam() == 2)
        for (int h = 10; h <= 18; ++h) form.pars[h] = " ";
    form.out = courses::NinePar(form.pars, 1);
    form.in = courses::NinePar(form.pars, 10);
    form.total = courses::TotalPar(form.out, form.in);
    CourseEditor editor(*data, CourseEditor::Mode::Add);
    EXPECT_EQ(editor.save(form, dialogs), SaveOutcome::Incomplete);
    platform::Message warning{
        "Insufficient information to save\r\nCourse data.  Please provide a name\r\nand the par "
        "values for each hole.\r\nFor nine hole courses, duplicate the values\r\nof the first "
        "nine holes for holes 10 - 18",
        "Problem saving course", platform::Buttons::Ok, platform::Icon::Exclamation};
    EXPECT_EQ(dialogs.takeMessages(), std::vector<platform::Message>{warning});
    EXPECT_EQ(data->courses[2][field::kName], "");
}

INSTANTIATE_TEST_SUITE_P(Missing, CourseFormRefused, ::testing::Values(0, 1, 2));

TEST_F(CourseEditorTest, AddedCourseTakesTheFirstBlankSlotThenAppends) {
    CourseEditor reuse(*data, CourseEditor::Mode::Add);
    EXPECT_EQ(reuse.slot(), 2);
    EXPECT_EQ(data->currentCourse, 2);
    EXPECT_TRUE(data->courseEditMode);  // the course file's load message speaks of editing
    EXPECT_EQ(reuse.form().ratings[store::kBlueTee], "65.0");
    EXPECT_EQ(reuse.save(typedCourse("Reused"), dialogs), SaveOutcome::Saved);
    reuse.close();
    EXPECT_FALSE(data->courseEditMode);
    EXPECT_EQ(data->courseCount, 3);
    EXPECT_EQ(data->courses[2][field::kReserved], "reserved");

    CourseEditor append(*data, CourseEditor::Mode::Add);
    EXPECT_FALSE(data->courseEditMode);
    EXPECT_EQ(append.save(typedCourse("Appended"), dialogs), SaveOutcome::Saved);
    EXPECT_EQ(data->courseCount, 4);
    EXPECT_EQ(data->courses[4][field::kName], "Appended");
}

TEST_F(CourseEditorTest, DeletedCourseEmptiesItsSlotForTheNextAdd) {
    data->courses[2] = named("Refilled");
    data->courses[3][field::kReserved] = "reserved";
    courses::DeleteCourse(*data, 3);
    EXPECT_EQ(data->courses[3], store::CourseRecord{});
    EXPECT_EQ(data->courseCount, 3);
    EXPECT_EQ(CourseEditor(*data, CourseEditor::Mode::Add).slot(), 3);
}

TEST_F(CourseEditorTest, TwoHundredAndFirstCourseIsRefused) {
    data->courseCount = store::kMaxCourses;
    for (int c = 1; c <= store::kMaxCourses; ++c) data->courses[c] = named("Course " + std::to_string(c));
    auto before = data->courses;
    CourseEditor editor(*data, CourseEditor::Mode::Add);
    EXPECT_EQ(editor.save(typedCourse("One Too Many"), dialogs), SaveOutcome::TableFull);
    EXPECT_EQ(dialogs.takeMessages(), std::vector<platform::Message>{courses::CourseTableFullMessage()});
    EXPECT_EQ(data->courseCount, store::kMaxCourses);
    EXPECT_EQ(data->courses, before);
}

TEST_F(CourseEditorTest, SaveTriedAgainAfterAFailedWriteUsesTheSameSlot) {
    data->courses[2] = named("Filled");
    data->currentCourse = 1;
    CourseEditor editor(*data, CourseEditor::Mode::Add);
    namespace fs = std::filesystem;
    fs::permissions("course.dat", fs::perms::owner_read);  // the write may not replace the file
    EXPECT_EQ(editor.save(typedCourse("New"), dialogs), SaveOutcome::WriteFailed);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
    fs::permissions("course.dat", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(editor.save(typedCourse("New, corrected"), dialogs), SaveOutcome::Saved);
    EXPECT_EQ(data->courseCount, 4);
    EXPECT_EQ(data->courses[4][field::kName], "New, corrected");
    EXPECT_EQ(data->courses[1][field::kName], "Course 1");
}
