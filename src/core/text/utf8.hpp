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

// A column of `width` characters on paper: the text shortened to width - 1 characters
// (`ShortenName`) and padded, so the blank before the next column is always there and nothing
// after it moves.
std::string FitColumn(std::string_view text, size_t width);

// The text with blanks in front until it is `width` characters long; a longer one is kept whole.
std::string PadLeft(std::string_view text, size_t width);

}  // namespace quorval::text
