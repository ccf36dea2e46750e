#pragma once

#include <string>
#include <string_view>

// Names typed by people (players, courses) compare without letter case. The letters folded are
// ASCII and the Western European ones the program's older files were written in; other text is
// kept as it is, and a byte that starts no valid UTF-8 character stays itself.
namespace quorval::text {

std::string FoldedCase(std::string_view text);

// The name without blanks or tabs before and after it.
std::string_view TrimmedName(std::string_view text);

// Both names the same once folded and trimmed.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quorval::text
