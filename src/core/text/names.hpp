#pragma once

#include <string>
#include <string_view>

// Names (players, courses, teams) are stored one to a line: a line break would shift every value
// after it, and other control characters garble the terminal and the printed page.
namespace quorval::text {

// Why the name cannot be stored ("holds a line break", "holds a control character (code 7)"), or
// empty text when it can.
std::string NameProblem(std::string_view name);

// The name with each control character shown as \n, \r, \t or \xNN, for terminals and listings.
std::string EscapedName(std::string_view name);

}  // namespace quorval::text
