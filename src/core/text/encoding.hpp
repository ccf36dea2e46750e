#pragma once

#include <string>

namespace quorval::text {

// Data files are UTF-8; files written by older systems may be Windows-1252. Returns the text as
// UTF-8: valid UTF-8 unchanged (a leading byte-order mark dropped), anything else read as
// Windows-1252.
std::string decodeToUtf8(std::string bytes);

bool isValidUtf8(const std::string& bytes);

}  // namespace quorval::text
