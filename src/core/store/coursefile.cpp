#include "store/coursefile.hpp"

#include <algorithm>
#include <filesystem>

#include "store/atomicsave.hpp"
#include "store/namecheck.hpp"
#include "store/outsidechange.hpp"
#include "store/strokeindexfile.hpp"
#include "store/trackedsave.hpp"
#include "text/casefold.hpp"
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
    expectEnd(in, "the last course");
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
    if (RefuseUnstorableText(CourseTexts(data), file.filename().string(), dialogs)) return false;
    TrackedSave save{file, &data.courseFileStamp, [&] { LoadCourseFile(data, dialogs); }};
    save.content = FormatCourses(data);
    save.failure = {"Unable to save settings to disk", "Course Setup"};
    return SaveTracked(save, dialogs) && SaveStrokeIndexFile(data, dialogs);
}

int FindCourse(const LeagueData& data, std::string_view typed) {
    const std::string wanted = text::FoldedCase(text::TrimmedName(typed));
    if (wanted.empty()) return 0;  // an empty slot is no course
    const int count = std::min<int>(data.courseCount, kMaxCourses);
    auto named = [&](int c) { return !text::TrimmedName(data.courses[c][course_field::kName]).empty(); };
    if (std::all_of(wanted.begin(), wanted.end(), [](char c) { return c >= '0' && c <= '9'; }) && wanted.size() <= 3) {
        const int slot = std::stoi(wanted);
        if (slot >= 1 && slot <= count && named(slot)) return slot;
    }
    for (int field : {course_field::kName, course_field::kInitials}) {
        for (int c = 1; c <= count; ++c) {
            if (named(c) && text::FoldedCase(text::TrimmedName(data.courses[c][field])) == wanted) return c;
        }
    }
    return 0;
}

double CourseNumber(const CourseRecord& course, int field) {
    return text::leadingNumber(course[field]);
}

// A player added without a tee has tee 0: such a tee has no rating and no slope.
double CourseRating(const CourseRecord& course, int tee) {
    return IsTee(tee) ? CourseNumber(course, course_field::kRating0 + tee) : 0.0;
}

double CourseSlope(const CourseRecord& course, int tee) {
    return IsTee(tee) ? CourseNumber(course, course_field::kSlope0 + tee) : 0.0;
}

double HolePar(const CourseRecord& course, int hole) {
    return hole >= 1 && hole <= kHoles ? CourseNumber(course, course_field::kHolePar0 + hole) : 0.0;
}

}  // namespace quorval::store
