#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// The stroke indexes of the courses, beside the course file: one line per course slot that has
// them, "SLOT,NAME,SI1,...,SI18". The name guards against a course file changed without this one:
// a line whose name is not the slot's course name is left out.
namespace quorval::store {

inline constexpr const char* kStrokeIndexFileName = "course.si";

// Empty when holes 1..18 hold each number 1..18 once; otherwise a message naming the numbers
// missing and those given more than once.
std::string StrokeIndexProblem(const StrokeIndexes& si);

// Reads the text into data.strokeIndexes (the course table must be loaded first). Every line
// that cannot be used is left out and gives one problem.
std::vector<std::string> ParseStrokeIndexes(LeagueData& data, std::string_view text);
std::string FormatStrokeIndexes(const LeagueData& data);

// Reads the file; a missing file means no course has stroke indexes. When a line had to be left
// out, an exact copy of the file is kept aside before a save can drop that line for good.
std::vector<std::string> LoadStrokeIndexFile(LeagueData& data);

// Writes the file atomically. Nothing is written while no course has stroke indexes and the file
// does not exist, so a folder that never used them gains no file.
bool SaveStrokeIndexFile(LeagueData& data, platform::Dialogs& dialogs);

}  // namespace quorval::store
