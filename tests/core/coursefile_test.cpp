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

TEST_F(CourseFile, TableSurvivesASaveAndLoadAndABlankSlotIsWrittenSoLaterCoursesKeepTheirNumbers) {
    samples::FillFullLeague(*data, 8);
    auto& oak = data->courses[1] = {};
    oak[field::kName] = "Oak Hills", oak[field::kInitials] = "Oak";
    oak[field::kRating0 + store::kRedTee] = "68.4", oak[field::kSlope0 + store::kBlueTee] = "125";
    data->courses[2] = {};
    data->courses[2][field::kReserved] = "kept";  // a deleted course leaves its slot
    data->courses[3][field::kName] = "Pine, Valley \"North\"";
    ASSERT_TRUE(store::SaveCourseFile(*data, dialogs));
    std::string first = readBytes("course.dat");
    std::string blankSlot;
    for (int f = 0; f < store::kCourseFields; ++f) blankSlot += "\r\n";
    EXPECT_EQ(first.substr(0, 17), " 20 \r\nOak Hills\r\n");
    EXPECT_NE(first.find("Oak\r\n" + blankSlot + "kept\r\nPine"), std::string::npos);

    ASSERT_TRUE(store::LoadCourseFile(*loaded, dialogs).ok);
    EXPECT_EQ(loaded->courseCount, data->courseCount);
    EXPECT_EQ(loaded->courses, data->courses);
    const auto& course = loaded->courses[1];  // a player without a tee has no rating
    EXPECT_EQ(std::tuple(store::CourseRating(course, store::kRedTee), store::CourseSlope(course, store::kBlueTee),
                         store::CourseRating(course, 0)),
              std::tuple(68.4, 125.0, 0.0));
    ASSERT_TRUE(store::SaveCourseFile(*loaded, dialogs));
    EXPECT_EQ(readBytes("course.dat"), first);
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

// Windows, the CLI and the CSV import find a typed course the same way.
TEST(FindCourse, TakesSlotNameOrInitialsIgnoringCaseAndBlanksTheFirstAndNeverAnEmptySlot) {
    auto data = std::make_unique<store::LeagueData>();
    data->courseCount = 4;  // slot 2 is a deleted course
    data->courses[1][field::kName] = "Pine Hill", data->courses[4][field::kName] = "PINE HILL";
    data->courses[1][field::kInitials] = "PH", data->courses[4][field::kInitials] = "OB";
    data->courses[2][field::kInitials] = "DC";
    data->courses[3][field::kName] = "  \xC3\x89tang Bleu ";  // É
    data->courses[3][field::kInitials] = "pine hill";         // a name before initials

    // clang-format off
    for (auto [typed, course] : {std::pair{" pine HILL  ", 1}, {"\xC3\xA9TANG BLEU", 3}, {"   ", 0}, {"Pine", 0},
                                 {"ob", 4}, {"DC", 0}, {" 3", 3}, {"2", 0}, {"5", 0}, {"0", 0}}) {
        // clang-format on
        SCOPED_TRACE(typed);
        EXPECT_EQ(store::FindCourse(*data, typed), course);
    }
}

// Every --tee, the CSV importer and the chart's question read a tee the same way.
TEST(TeeFromText, TakesTheNameInAnyCaseOrTheNumber) {
    const std::pair<const char*, int> cases[] = {
        {"Red", store::kRedTee}, {" white ", store::kWhiteTee}, {"BLUE", store::kBlueTee}, {"3", store::kBlueTee},
        {"1", store::kRedTee},   {"0", store::kNoTee},          {"4", store::kNoTee},      {"Mens", store::kNoTee},
        {"2.0", store::kNoTee},  {"", store::kNoTee},           {"re", store::kNoTee}};
    for (auto [typed, tee] : cases) {
        EXPECT_EQ(store::TeeFromText(typed), tee) << '"' << typed << '"';
        if (tee != store::kNoTee) {
            EXPECT_EQ(store::TeeFromText(store::TeeName(tee)), tee);
        }
    }
    EXPECT_EQ(store::TeeName(store::kNoTee), "");
}
