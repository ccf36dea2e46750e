#pragma once

#include <string>
#include <string_view>

namespace quorval::text {

// Text made safe to stand in HTML, in an element or in a quoted attribute.
std::string HtmlEscape(std::string_view text);

}  // namespace quorval::text
