#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.hpp"
#include "store/datafile.hpp"
#include "store/leaguedata.hpp"

// The course file shared by all leagues: the course count, then 30 text lines per course slot.
namespace quorval::store {

inline constexpr const char* kCourseFileName = "course.dat";

LoadResult ParseCourses(LeagueData& data, std::string_view text);
std::string FormatCourses(const LeagueData& data);

// Reads the course table. A failure is shown with the text that suits the course window's state.
inline constexpr const char* kNoCoursesYet = "Add a course first with Courses > Add New Course.";

LoadResult LoadCourseFile(LeagueData& data, platform::Dialogs& dialogs);

// Writes the course table atomically, first asking whether to reload it when another program changed
// it since it was read. The caller ends the course command when this succeeds.
bool SaveCourseFile(LeagueData& data, platform::Dialogs& dialogs);

// The value of a course field as a number (an empty or non-numeric field reads as 0).
double CourseNumber(const CourseRecord& course, int field);
double CourseRating(const CourseRecord& course, int tee);
double CourseSlope(const CourseRecord& course, int tee);
double HolePar(const CourseRecord& course, int hole);

// The course typed text means, wherever a course is typed (windows, the CLI, the CSV import):
// its slot number, else its name, else its initials. Letter case and surrounding blanks do not
// count, and of two courses with the name the first is meant. 0 when none fits.
int FindCourse(const LeagueData& data, std::string_view typed);

}  // namespace quorval::store
