#pragma once

#include <string>

#include "store/coursefile.hpp"
#include "store/leaguedata.hpp"

// The checks made when a round is set up, before any score is typed.
namespace quorval::entry {

inline constexpr const char* kAddCourseFirst = store::kNoCoursesYet;

// Why the marked players' rounds could not be posted on this course: the league's rules refuse
// it (under the World Handicap System, a course without stroke indexes), or the tee of a marked
// player has no slope there. Names the course and where to enter what is missing; empty when
// the rounds can be posted.
std::string CourseSetUpProblem(const store::LeagueData& data, int course);

}  // namespace quorval::entry
