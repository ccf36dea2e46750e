#include "store/coursefile.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fullleague.hpp"
#include "scripteddialogs.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using quorval::testing::readBytes;
using quorval::testing::ScriptedDialogs;
using quorval::testing::TempWorkDir;
using quorval::testing::writeBytes;

namespace {

const std::string kNothingSavedYet =
    "No courses have been saved or\r\nproblem reading file.\r\nIgnore this if you are entering your\r\nfirst course.";
const std::string kNothingSavedWhileEditing =
    "No courses have been saved.\r\nOther possible causes - Working Directory not\r\nspecified properly in program "
    "manager or\r\nlauncher.  Check Doc file for placement of\r\nFiles";

platform::Message loadFailed(const std::string& text) {
    return {text, "Loading...", platform::Buttons::Ok, platform::Icon::Exclamation};
}

store::CourseRecord namedCourse(const std::string& name) {
    store::CourseRecord course{};
    course[store::course_field::kName] = name;
    course[store::course_field::kParTotal] = "72";
    course[store::course_field::kRating0 + store::kWhiteTee] = "70.1";
    course[store::course_field::kSlope0 + store::kWhiteTee] = "125";
    course[store::course_field::kInitials] = name.substr(0, 3);
    return course;
}

// A course file of `count` courses, each field telling its slot and number.
std::string courseText(int count, int courses) {
    std::string text;
    store::appendIntLine(text, count);
    for (int c = 1; c <= courses; ++c) {
        for (int f = 1; f <= store::kCourseFields; ++f)
            store::appendLine(text, std::to_string(c) + "." + std::to_string(f));
    }
    return text;
}

}  // namespace

class CourseLoadMessage : public ::testing::TestWithParam<bool> {};

TEST_P(CourseLoadMessage, MissingFileShowsTheTextForTheCourseWindowsMode) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    auto data = std::make_unique<store::LeagueData>();
    data->courseEditMode = GetParam();
    EXPECT_FALSE(store::LoadCourseFile(*data, dialogs).ok);
    // Opening a league without a course file says what to do next; the course editor warns.
    const platform::Message noCoursesYet{store::kNoCoursesYet, "Quorval", platform::Buttons::Ok,
                                         platform::Icon::Information};
    EXPECT_EQ(dialogs.takeMessages(),
              std::vector<platform::Message>{GetParam() ? loadFailed(kNothingSavedWhileEditing) : noCoursesYet});
    EXPECT_EQ(data->courseCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, CourseLoadMessage, ::testing::Bool());

TEST(CourseFile, BlankSlotIsWrittenSoLaterCoursesKeepTheirNumbers) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    auto data = std::make_unique<store::LeagueData>();
    data->courseCount = 3;
    data->courses[1] = namedCourse("Oak Hills");
    data->courses[2][store::course_field::kReserved] = "kept";  // a deleted course leaves its slot
    data->courses[3] = namedCourse("Pine, Valley \"North\"");
    ASSERT_TRUE(store::SaveCourseFile(*data, dialogs));

    std::string text = readBytes("course.dat");
    EXPECT_EQ(text.substr(0, 16), " 3 \r\nOak Hills\r\n");
    std::string blankSlot;
    for (int f = 1; f < store::kCourseFields; ++f) blankSlot += "\r\n";
    EXPECT_NE(text.find("Oak\r\n\r\n" + blankSlot + "kept\r\nPine"), std::string::npos);

    auto loaded = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadCourseFile(*loaded, dialogs).ok);
    EXPECT_EQ(loaded->courseCount, 3);
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(loaded->courses[c], data->courses[c]) << "slot " << c;
    EXPECT_EQ(store::CourseSlope(loaded->courses[3], store::kWhiteTee), 125);
}

TEST(CourseFile, EveryFieldIsWrittenBackUnchanged) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    std::string text = courseText(2, 2);
    text.replace(text.find("2.30"), 4, "  odd, \"reserved\" value  ");
    writeBytes("course.dat", text);

    auto data = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadCourseFile(*data, dialogs).ok);
    EXPECT_EQ(data->courses[2][store::course_field::kReserved], "  odd, \"reserved\" value  ");
    ASSERT_TRUE(store::SaveCourseFile(*data, dialogs));
    EXPECT_EQ(readBytes("course.dat"), text);
}

TEST(CourseFile, RandomTableSurvivesASaveAndLoad) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    auto data = std::make_unique<store::LeagueData>();
    samples::FillFullLeague(*data, 8);
    ASSERT_TRUE(store::SaveCourseFile(*data, dialogs));
    std::string first = readBytes("course.dat");

    auto loaded = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadCourseFile(*loaded, dialogs).ok);
    EXPECT_EQ(loaded->courseCount, data->courseCount);
    EXPECT_EQ(loaded->courses, data->courses);
    ASSERT_TRUE(store::SaveCourseFile(*loaded, dialogs));
    EXPECT_EQ(readBytes("course.dat"), first);
}

TEST(CourseFile, ExistingFileIsReadAndWrittenWhateverItsLetterCase) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    writeBytes("COURSE.DAT", courseText(1, 1));
    auto data = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadCourseFile(*data, dialogs).ok);
    EXPECT_EQ(data->courses[1][1], "1.1");

    data->courses[1][1] = "Renamed";
    ASSERT_TRUE(store::SaveCourseFile(*data, dialogs));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"COURSE.DAT"});
    EXPECT_EQ(readBytes("COURSE.DAT").substr(0, 14), " 1 \r\nRenamed\r\n");
}

struct BrokenCourses {
    const char* what;
    std::string text;
    int16_t countAfter;  // the table held 5 courses before the load
    int slotsRead;       // slots whose first field the load reached
};

class CourseFileFailure : public ::testing::TestWithParam<BrokenCourses> {};

TEST_P(CourseFileFailure, UnreadableFileShowsTheMessageAndKeepsWhatWasRead) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    writeBytes("course.dat", GetParam().text);
    auto data = std::make_unique<store::LeagueData>();
    data->courseCount = 5;
    for (int c = 1; c <= store::kMaxCourses; ++c) data->courses[c][1] = "old";

    EXPECT_FALSE(store::LoadCourseFile(*data, dialogs).ok);
    EXPECT_EQ(dialogs.takeMessages(),
              std::vector<platform::Message>{
                  loadFailed(kNothingSavedYet + "\r\nThe unreadable file was kept as \"course.dat.unreadable\".")});
    EXPECT_EQ(data->courseCount, GetParam().countAfter);
    int slots = GetParam().slotsRead;
    if (slots > 0) {
        EXPECT_EQ(data->courses[slots][1], std::to_string(slots) + ".1");
    }
    if (slots < store::kMaxCourses) {
        EXPECT_EQ(data->courses[slots + 1][1], "old");
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CourseFileFailure,
                         ::testing::Values(BrokenCourses{"Count201", courseText(201, 201), 200, 200},
                                           BrokenCourses{"NegativeCount", courseText(-1, 0), 5, 0},
                                           BrokenCourses{"CountNotANumber", "three\r\n", 5, 0},
                                           BrokenCourses{"EndsInsideTheThirdCourse", courseText(4, 3).substr(0, 400), 4,
                                                         3}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(CourseFile, FailedSaveLeavesTheOldFileAndShowsTheMessage) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    writeBytes("course.dat", courseText(1, 1));
    fs::permissions("course.dat", fs::perms::owner_read);
    auto data = std::make_unique<store::LeagueData>();
    data->courseCount = 1;
    data->courses[1] = namedCourse("New");

    EXPECT_FALSE(store::SaveCourseFile(*data, dialogs));
    platform::Message failed{
        "Unable to save settings to disk\r\nThe file course.dat is read-only: it has no write permission.",
        "Course Setup", platform::Buttons::Ok, platform::Icon::Exclamation};
    EXPECT_EQ(dialogs.takeMessages(), std::vector<platform::Message>{failed});
    EXPECT_EQ(readBytes("course.dat"), courseText(1, 1));
}

// The score entry and the course commands find a typed course the same way.
TEST(CourseNamed, IgnoresCaseAndBlanksTakesTheFirstAndNeverAnEmptySlot) {
    auto data = std::make_unique<store::LeagueData>();
    data->courseCount = 5;
    data->courses[1] = namedCourse("Pine Hill");
    data->courses[2][store::course_field::kName] = "";  // a deleted course
    data->courses[3] = namedCourse("  Oak Ridge ");
    data->courses[4] = namedCourse("PINE HILL");
    data->courses[5] = namedCourse("\xC3\x89tang Bleu");  // É
    const std::pair<const char*, int> cases[] = {
        {"pine hill", 1}, {" Pine Hill  ", 1}, {"oak ridge", 3}, {"\xC3\xA9TANG BLEU", 5},
        {"", 0},          {"   ", 0},          {"Pine", 0},      {"Pine Hills", 0},
    };
    for (const auto& [typed, course] : cases)
        EXPECT_EQ(store::CourseNamed(*data, typed), course) << '"' << typed << '"';
}
