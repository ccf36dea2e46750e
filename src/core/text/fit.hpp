#pragma once

#include <string>
#include <string_view>

// Names on paper and on screen have a fixed room; a longer one is shortened by one rule, so a
// reader can tell a shortened name from a whole one wherever it appears. The text export and CSV
// keep names whole and do not use it.
namespace quorval::text {

// The ellipsis that ends a shortened name (one character).
inline constexpr std::string_view kEllipsis = "\u2026";

// The text when it has at most `room` characters; otherwise its start, ended with "…", in `room`
// characters at most. The cut falls after a word (at a blank or a hyphen) when that keeps at least
// half the room, else inside the word.
std::string ShortenName(std::string_view text, size_t room);

}  // namespace quorval::text
