#include "store/coursefile.hpp"

#include <filesystem>

#include "store/atomicsave.hpp"
#include "store/outsidechange.hpp"
#include "store/strokeindexfile.hpp"
#include "text/numbers.hpp"

namespace quorval::store {

namespace {

void parse(LeagueData& data, LineReader& in) {
    int16_t count = in.int16("course count");
    int countLine = in.lineNumber();
    if (count < 0) throw FormatError(countLine, "course count " + std::to_string(count) + " is negative");
    data.courseCount = std::min<int16_t>(count, kMaxCourses);
    for (int c = 1; c <= data.courseCount; ++c) {
        for (int f = 1; f <= kCourseFields; ++f) data.courses[c][f] = std::string(in.line());
    }
    if (count > kMaxCourses) {
        throw FormatError(countLine,
                          "course count " + std::to_string(count) + " is more than " + std::to_string(kMaxCourses));
    }
}

}  // namespace

LoadResult ParseCourses(LeagueData& data, std::string_view text) {
    return parseText(text, [&](LineReader& in) { parse(data, in); });
}

std::string FormatCourses(const LeagueData& data) {
    std::string out;
    appendIntLine(out, data.courseCount);
    for (int c = 1; c <= data.courseCount; ++c) {
        for (int f = 1; f <= kCourseFields; ++f) appendLine(out, data.courses[c][f]);
    }
    return out;
}

LoadResult LoadCourseFile(LeagueData& data, platform::Dialogs& dialogs) {
    bool missing = !std::filesystem::exists(findDataFile(kCourseFileName));
    data.courseFileStamp = StampOf(findDataFile(kCourseFileName));
    LoadResult result = loadDataFile(kCourseFileName, [&](LineReader& in) { parse(data, in); });
    if (missing && !data.courseEditMode) {
        // A league without courses is where every new league starts: say what to do next.
        dialogs.message({kNoCoursesYet, "Quorval", platform::Buttons::Ok, platform::Icon::Information});
    } else if (!result.ok) {
        std::string text =
            data.courseEditMode
                ? platform::joinLines({"No courses have been saved.", "Other possible causes - Working Directory not",
                                       "specified properly in program manager or",
                                       "launcher.  Check Doc file for placement of", "Files"})
                : platform::joinLines({"No courses have been saved or", "problem reading file.",
                                       "Ignore this if you are entering your", "first course."});
        dialogs.message({withCopyNote(text, result), "Loading...", platform::Buttons::Ok, platform::Icon::Exclamation});
    }
    // The stroke indexes name their courses, so they are read once the course table is in.
    if (result.ok) {
        LoadStrokeIndexFile(data);
    } else {
        for (auto& si : data.strokeIndexes) si = StrokeIndexes{};
    }
    return result;
}

bool SaveCourseFile(LeagueData& data, platform::Dialogs& dialogs) {
    if (data.readOnly) return false;
    std::filesystem::path file = findDataFile(kCourseFileName);
    if (!MayReplace(file, data.courseFileStamp, dialogs, [&] { LoadCourseFile(data, dialogs); })) return false;
    std::string error = writeFileAtomically(file, FormatCourses(data));
    if (!error.empty()) {
        std::string text = "Unable to save settings to disk";
        if (std::string line = permissionLine(error); !line.empty()) text = platform::joinLines({text, line});
        dialogs.message({text, "Course Setup", platform::Buttons::Ok, platform::Icon::Exclamation});
        return false;
    }
    data.courseFileStamp = StampOf(file);
    return SaveStrokeIndexFile(data, dialogs);
}

double CourseNumber(const CourseRecord& course, int field) {
    return text::leadingNumber(course[field]);
}

// A player added without a tee has tee 0: such a tee has no rating and no slope.
double CourseRating(const CourseRecord& course, int tee) {
    return tee >= kRedTee && tee <= kBlueTee ? CourseNumber(course, course_field::kRating0 + tee) : 0.0;
}

double CourseSlope(const CourseRecord& course, int tee) {
    return tee >= kRedTee && tee <= kBlueTee ? CourseNumber(course, course_field::kSlope0 + tee) : 0.0;
}

double HolePar(const CourseRecord& course, int hole) {
    return hole >= 1 && hole <= 18 ? CourseNumber(course, course_field::kHolePar0 + hole) : 0.0;
}

}  // namespace quorval::store
