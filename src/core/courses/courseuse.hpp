#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// Which rounds still point at a course slot. Rounds keep only the slot number, so a slot that is
// emptied while rounds use it would hand those rounds to the next course added.
namespace quorval::courses {

struct CourseUse {
    int rounds = 0;
    std::vector<std::pair<std::string, int>> leagues;  // league name and its rounds on the course
};

// Counts the stored rounds on the course in every league of the registry: the open league as it
// is in memory, the others as their files hold them.
CourseUse CountCourseUse(const store::LeagueData& data, int slot);

// The refusal to delete a course that rounds use, or nothing when the course is unused.
std::optional<platform::Message> CourseInUseMessage(const store::LeagueData& data, int slot);

}  // namespace quorval::courses
