#pragma once

#include <optional>
#include <string>

#include "entry/posting.hpp"

// A round's date as the user types it, read the same way by the score windows and the command line.
namespace quorval::entry {

// Reads "M/D/YY" or "M/D/YYYY" (leading zeros allowed; - or . also separate). Only a real
// calendar day within the years a two-digit year stands for is taken: "2/31/26" is refused,
// never moved to another day. The place's year is the two-digit year; its course is 0.
std::optional<RoundPlace> ParseRoundDate(const std::string& text);

// The refusal of a date that could not be read, naming the order the field takes.
std::string DateRefusedMessage(const std::string& text);

// "10/27/2026"
std::string ShownRoundDate(int month, int day, int twoDigitYear);

int DaysInMonth(int month, int fullYear);

}  // namespace quorval::entry
