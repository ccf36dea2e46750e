#pragma once

#include <optional>
#include <string>

#include "entry/posting.hpp"

// A round's date as the user types it, read the same way by the score windows and the command line.
namespace quorval::entry {

// Reads a date in the user's order ("M/D/YY", "D/M/YYYY", ...) or as YYYY-MM-DD. Only a real
// calendar day within the years a two-digit year stands for is taken: "2/31/26" is refused,
// never moved to another day. The place's year is the two-digit year; its course is 0.
std::optional<RoundPlace> ParseRoundDate(const std::string& text, store::DateOrder order);

// The refusal of a date that could not be read, naming the order the field takes.
std::string DateRefusedMessage(const std::string& text, store::DateOrder order);

// "10/27/2026", "27/10/2026" or "2026-10-27"
std::string ShownRoundDate(store::DateOrder order, int month, int day, int twoDigitYear);

int DaysInMonth(int month, int fullYear);

}  // namespace quorval::entry
