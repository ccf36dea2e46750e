#include "store/coursefile.hpp"

#include <gtest/gtest.h>

#include "fullleague.hpp"
#include "scripteddialogs.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;
namespace field = store::course_field;

namespace {

platform::Message loadFailed(const std::string& text) {
    return {text, "Loading...", platform::Buttons::Ok, platform::Icon::Exclamation};
}

store::CourseRecord namedCourse(const std::string& name) {
    store::CourseRecord course{};
    course[field::kName] = name;
    course[field::kRating0 + store::kWhiteTee] = "70.1";
    course[field::kSlope0 + store::kWhiteTee] = "125";
    course[field::kInitials] = name.substr(0, 3);
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

class CourseFile : public ::testing::Test {
protected:
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>(),
                                       loaded = std::make_unique<store::LeagueData>();
};

}  // namespace

// Opening a league without a course file says what to do next; the course editor warns.
TEST_F(CourseFile, MissingFileShowsTheTextForTheCourseWindowsMode) {
    for (bool editing : {false, true}) {
        data->courseEditMode = editing;
        EXPECT_FALSE(store::LoadCourseFile(*data, dialogs).ok);
        EXPECT_EQ(dialogs.takeMessages(),
                  (std::vector{editing ? loadFailed("No courses have been saved.\r\nOther possible causes - Working "
                                                    "Directory not\r\nspecified properly in program manager or\r\n"
                                                    "launcher.  Check Doc file for placement of\r\nFiles")
                                       : platform::Message{store::kNoCoursesYet, "Quorval", platform::Buttons::Ok,
                                                           platform::Icon::Information}}));
    }
}

TEST_F(CourseFile, TableSurvivesASaveAndLoadAndABlankSlotIsWrittenSoLaterCoursesKeepTheirNumbers) {
    samples::FillFullLeague(*data, 8);
    data->courses[1] = namedCourse("Oak Hills");
    data->courses[2] = {};
    data->courses[2][field::kReserved] = "kept";  // a deleted course leaves its slot
    data->courses[3] = namedCourse("Pine, Valley \"North\"");
    ASSERT_TRUE(store::SaveCourseFile(*data, dialogs));
    std::string first = readBytes("course.dat");
    std::string blankSlot;
    for (int f = 0; f < store::kCourseFields; ++f) blankSlot += "\r\n";
    EXPECT_EQ(first.substr(0, 17), " 20 \r\nOak Hills\r\n");
    EXPECT_NE(first.find("Oak\r\n" + blankSlot + "kept\r\nPine"), std::string::npos);

    ASSERT_TRUE(store::LoadCourseFile(*loaded, dialogs).ok);
    EXPECT_EQ(loaded->courseCount, data->courseCount);
    EXPECT_EQ(loaded->courses, data->courses);
    EXPECT_EQ(store::CourseSlope(loaded->courses[3], store::kWhiteTee), 125);
    ASSERT_TRUE(store::SaveCourseFile(*loaded, dialogs));
    EXPECT_EQ(readBytes("course.dat"), first);
}

TEST_F(CourseFile, EveryFieldIsWrittenBackUnchangedWhateverTheFilesLetterCase) {
    std::string text = courseText(2, 2);
    text.replace(text.find("2.30"), 4, "  odd, \"reserved\" value  ");
    writeBytes("COURSE.DAT", text);
    ASSERT_TRUE(store::LoadCourseFile(*data, dialogs).ok);
    EXPECT_EQ(data->courses[2][field::kReserved], "  odd, \"reserved\" value  ");
    ASSERT_TRUE(store::SaveCourseFile(*data, dialogs));
    EXPECT_EQ(readBytes("COURSE.DAT"), text);
    EXPECT_FALSE(fs::exists("course.dat"));
}

TEST_F(CourseFile, UnreadableFileShowsTheMessageAndKeepsWhatWasRead) {
    // The text, the count after the load of a table of 5, and the slots whose first field it reached.
    const std::tuple<std::string, int16_t, int> kCases[] = {
        {courseText(201, 201), 200, 200},
        {courseText(-1, 0), 5, 0},
        {courseText(4, 3).substr(0, 400), 4, 3}};  // the last ends inside the third course
    for (const auto& [text, countAfter, slotsRead] : kCases) {
        SCOPED_TRACE(text.substr(0, 8));
        fs::remove("course.dat.unreadable");
        writeBytes("course.dat", text);
        data->courseCount = 5;
        for (int slot = 1; slot <= store::kMaxCourses; ++slot) data->courses[slot][field::kName] = "old";
        EXPECT_FALSE(store::LoadCourseFile(*data, dialogs).ok);
        EXPECT_EQ(dialogs.takeMessages(),
                  std::vector{loadFailed("No courses have been saved or\r\nproblem reading file.\r\nIgnore this if you "
                                         "are entering your\r\nfirst course.\r\nThe unreadable file was kept as "
                                         "\"course.dat.unreadable\".")});
        EXPECT_EQ(data->courseCount, countAfter);
        EXPECT_TRUE(slotsRead == 0 || data->courses[slotsRead][field::kName] == std::to_string(slotsRead) + ".1");
        EXPECT_TRUE(slotsRead == store::kMaxCourses || data->courses[slotsRead + 1][field::kName] == "old");
    }
}

// The score entry and the course commands find a typed course the same way.
TEST(CourseNamed, IgnoresCaseAndBlanksTakesTheFirstAndNeverAnEmptySlot) {
    auto data = std::make_unique<store::LeagueData>();
    data->courseCount = 4;
    data->courses[1] = namedCourse("Pine Hill");
    data->courses[3] = namedCourse("  \xC3\x89tang Bleu ");  // É; slot 2 is a deleted course
    data->courses[4] = namedCourse("PINE HILL");
    const std::pair<const char*, int> cases[] = {
        {" pine hill  ", 1}, {"\xC3\xA9TANG BLEU", 3}, {"   ", 0}, {"Pine", 0}, {"Pine Hills", 0}};
    for (const auto& [typed, course] : cases)
        EXPECT_EQ(store::CourseNamed(*data, typed), course) << '"' << typed << '"';
}
