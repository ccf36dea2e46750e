#pragma once

#include <string>

namespace quorval::text {

// A field of the CSV the commands and the schedule write: as it is, or in double quotes (a quote
// doubled) when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

}  // namespace quorval::text
