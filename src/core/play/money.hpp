#pragma once

#include <optional>
#include <string>
#include <string_view>

// Money is counted in whole cents, never in floating point.
namespace quorval::play {

using Cents = long long;

// "5", "5.5", "12.25" (up to two decimals, at most 1,000,000) in cents; nothing for anything else,
// a negative amount included.
std::optional<Cents> ParseAmount(std::string_view text);

// "12.25", after the currency sign when there is one: "$12.25", "-$0.50".
std::string AmountText(Cents cents, const std::string& currency = {});

}  // namespace quorval::play
