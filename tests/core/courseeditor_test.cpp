#include "courses/courseeditor.hpp"

#include <gtest/gtest.h>

#include "scripteddialogs.hpp"
#include "store/coursefile.hpp"
#include "tempdir.hpp"

using namespace quorval;
using courses::CourseEditor;
using courses::CourseForm;
using courses::SaveOutcome;
namespace field = store::course_field;

namespace {

// A course as typed: par 4 on every hole but 3 (par 3) and 18 (left empty); `from`..`to` left empty.
CourseForm typedCourse(const std::string& name, int from = 0, int to = -1) {
    CourseForm form;
    form.name = name;
    for (int h = 1; h <= 18; ++h) form.pars[h] = courses::ParBoxText(h == 18 ? "" : h == 3 ? "3" : "4");
    for (int h = from; h <= to; ++h) form.pars[h] = " ";
    form.out = courses::NinePar(form.pars, 1);
    form.in = courses::NinePar(form.pars, 10);
    form.total = courses::TotalPar(form.out, form.in);
    form.ratings = {"", "69.0", "71.3", "73.1"};
    form.slopes = {"", "118", "125", "131"};
    form.initials = "PH";
    return form;
}

store::CourseRecord named(const std::string& name) {
    store::CourseRecord course{};
    courses::StoreForm(typedCourse(name), course);
    return course;
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

    quorval::testing::TempWorkDir dir;
    quorval::testing::ScriptedDialogs dialogs;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST(CourseForm, StoredAsTypedWithTeeValuesWithinTheArrowLimits) {
    store::CourseRecord course{};
    course[field::kReserved] = "kept";
    courses::StoreForm(typedCourse("  Pine Hills "), course);
    std::vector<std::string> expected = {"  Pine Hills ", "35", "32", " 67"};
    for (int h = 1; h <= 18; ++h) expected.push_back(h == 18 ? " " : h == 3 ? " 3" : " 4");
    for (const char* f : {" 69", " 71.3", " 73.1", " 118", " 125", " 131", "PH", "kept"}) expected.push_back(f);
    EXPECT_EQ(std::vector<std::string>(course.begin() + 1, course.end()), expected);
    std::string rating = "20.1", slope = "154";
    for (int i = 0; i < 900; ++i) rating = courses::StepRating(rating, i < 2 ? -1 : 1);
    EXPECT_EQ(rating + "|" + courses::StepSlope(courses::StepSlope(slope, 1), 1) + "|" +
                  courses::StepSlope(courses::StepSlope("1", -1), -1) + "|" + courses::StepRating("", -1) + "|" +
                  courses::StepSlope(" ", 1),
              "99.9|155|0|65.0|113");
    // A rating or slope box takes the numbers the arrows reach, or nothing.
    const std::tuple<const char*, const char*, bool> cases[] = {
        {" 20", "0", true},    {"", "", true},         {"99.9", "155", true},  {"19.9", "113", false},
        {"100", "113", false}, {"7l.3", "113", false}, {"71.3", "156", false}, {"71.3", "13.5", false}};
    for (auto [rating, slope, accepted] : cases) {
        courses::CourseForm form;
        form.ratings[store::kBlueTee] = rating;
        form.slopes[store::kBlueTee] = slope;
        auto problem = courses::TeeValueProblem(form);
        EXPECT_EQ(!problem, accepted) << rating << " / " << slope;
        EXPECT_TRUE(!problem || problem->text.starts_with("The Blue ")) << rating;
    }
}

TEST_F(CourseEditorTest, IncompleteFormIsRefusedWithTheFiveLineWarningAndNothingStored) {
    for (const CourseForm& form : {typedCourse(""), typedCourse("Oak Hills", 1, 9), typedCourse("Oak Hills", 10, 18)}) {
        EXPECT_EQ(CourseEditor(*data, CourseEditor::Mode::Add).save(form, dialogs), SaveOutcome::Incomplete);
        auto shown = dialogs.takeMessages();
        EXPECT_EQ(shown.at(0).title + "|" + shown[0].text.substr(0, 32),
                  "Problem saving course|Insufficient information to save");
        EXPECT_EQ(data->courses[2][field::kName], "");
    }
}

TEST_F(CourseEditorTest, AddedCourseTakesTheFirstBlankSlotThenAppends) {
    CourseEditor reuse(*data, CourseEditor::Mode::Add);
    EXPECT_EQ(std::tuple(reuse.slot(), data->currentCourse), std::tuple(2, 2));
    EXPECT_TRUE(data->courseEditMode);  // the course file's load message speaks of editing
    EXPECT_EQ(reuse.form().ratings[store::kBlueTee], "");
    EXPECT_EQ(reuse.save(typedCourse("Reused"), dialogs), SaveOutcome::Saved);
    reuse.close();
    EXPECT_FALSE(data->courseEditMode);
    EXPECT_EQ(std::tuple(data->courseCount, data->courses[2][field::kReserved]), std::tuple(3, "reserved"));
    CourseEditor append(*data, CourseEditor::Mode::Add);
    EXPECT_EQ(append.save(typedCourse("Appended"), dialogs), SaveOutcome::Saved);
    EXPECT_EQ(std::tie(data->courseCount, data->courses[4][field::kName]), std::tuple(4, "Appended"));
    courses::DeleteCourse(*data, 3);  // empties its slot for the next add
    EXPECT_EQ(std::tuple(data->courses[3], data->courseCount), std::tuple(store::CourseRecord{}, 4));
    EXPECT_EQ(CourseEditor(*data, CourseEditor::Mode::Add).slot(), 3);
}

// Tees without a rating or slope are named before saving; No saves nothing, Yes stores them blank.
TEST_F(CourseEditorTest, BlankTeesAreAskedAboutAndStoredBlank) {
    const std::tuple<std::array<const char*, 4>, std::array<const char*, 4>, const char*> kCases[] = {
        {{"", "69.0", "71.3", "73.1"}, {"", "118", "125", "131"}, ""},
        {{"", "", "71.3", ""}, {"", "", "125", ""}, "Red and Blue have no rating or slope; save White only?"},
        {{"", "69.0", "71.3", "73.1"},
         {"", "0", "125", "131"},
         "Red has no rating or slope; save White and Blue only?"},
        {{"", "", "", ""},
         {"", "", "", ""},
         "Red, White and Blue have no rating or slope; save the course without them?"}};
    for (const auto& [ratings, slopes, question] : kCases) {
        CourseForm form = typedCourse("Oak Hills");
        for (int t = 1; t <= 3; ++t) form.ratings[t] = ratings[t], form.slopes[t] = slopes[t];
        auto asked = courses::BlankTeesQuestion(form);
        EXPECT_EQ(asked ? asked->text : "", question);
    }
    CourseForm form = typedCourse("Oak Hills");
    form.ratings[store::kRedTee] = form.slopes[store::kRedTee] = "";
    for (platform::Answer answer : {platform::Answer::No, platform::Answer::Yes}) {
        dialogs.answer(answer);
        CourseEditor editor(*data, CourseEditor::Mode::Add);
        EXPECT_EQ(editor.save(form, dialogs),
                  answer == platform::Answer::Yes ? SaveOutcome::Saved : SaveOutcome::Incomplete);
    }
    EXPECT_EQ(dialogs.takeMessages().size(), 2u);
    const store::CourseRecord& saved = data->courses[2];
    EXPECT_EQ(std::tuple(saved[field::kName], saved[field::kRating0 + 1], saved[field::kSlope0 + 1]),
              std::tuple("Oak Hills", "", ""));
}

TEST_F(CourseEditorTest, TwoHundredAndFirstCourseIsRefused) {
    data->courseCount = store::kMaxCourses;
    for (int c = 1; c <= store::kMaxCourses; ++c) data->courses[c] = named("Course " + std::to_string(c));
    EXPECT_EQ(CourseEditor(*data, CourseEditor::Mode::Add).save(typedCourse("One Too Many"), dialogs),
              SaveOutcome::TableFull);
    EXPECT_EQ(dialogs.takeMessages(), std::vector<platform::Message>{courses::CourseTableFullMessage()});
    EXPECT_EQ(data->courseCount, store::kMaxCourses);
}

}  // namespace
