#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// The last guard before a data file is written: a value stored one to a line must be one line.
namespace quorval::store {

// Tells the user about the first text that would not stay one line in `file`; true when there was one.
bool RefuseUnstorableText(const std::vector<const std::string*>& texts, const std::string& file,
                          platform::Dialogs& dialogs);

std::vector<const std::string*> PlayerNames(const LeagueData& data);
std::vector<const std::string*> TeamNames(const LeagueData& data);
std::vector<const std::string*> CourseTexts(const LeagueData& data);

}  // namespace quorval::store
