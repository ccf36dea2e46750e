#pragma once

#include <string>
#include <string_view>

// Column arithmetic on UTF-8 text: reports count characters, not bytes, so a name with an accent
// keeps the columns after it straight.
namespace quorval::text {

size_t CharLength(std::string_view text);

// Characters start..start+count-1 (0-based); fewer when the text is shorter.
std::string CharSlice(std::string_view text, size_t start, size_t count = std::string_view::npos);

// The text with blanks added until it is `width` characters long; a longer text is kept whole.
std::string PadRight(std::string_view text, size_t width);

}  // namespace quorval::text
