#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/leaguedata.hpp"

// Dates as the user writes them. Every date a window, a report, a page or the command line shows
// or reads goes through these, in the order of the user's setting; YYYY-MM-DD is always read too.
namespace quorval::dates {

using store::DateOrder;

struct Date {
    int month = 0;
    int day = 0;
    int year = 0;  // two digits, as the rounds keep it
    bool operator==(const Date&) const = default;
};

// "mdy", "dmy", "ymd": the settings file's and the command line's names.
std::string OrderKey(DateOrder order);
std::optional<DateOrder> OrderOfKey(std::string_view key);
// "month/day/year", "day/month/year", "year-month-day"
std::string OrderWords(DateOrder order);
// "MM/DD/YY", "DD/MM/YY", "YYYY-MM-DD": what a caption or a help text shows for a date.
std::string OrderPattern(DateOrder order);

// "06/02/26", "02/06/26" or "2026-06-02".
std::string ShortDate(DateOrder order, int month, int day, int twoDigitYear);
// As a date field shows it: "6/2/2026", "2/6/2026" or "2026-06-02".
std::string FieldDate(DateOrder order, int month, int day, int twoDigitYear);
// "2026-06-02", whatever the order: file names and exchange files sort by it.
std::string IsoDate(int month, int day, int twoDigitYear);

// Reads a date in the order (the year of two or four digits; / - . separate) or as YYYY-MM-DD.
// Only a real day within the years a two-digit year stands for (1985..2084) is taken:
// "31/02/26" is refused, never moved to another day.
std::optional<Date> ParseDate(DateOrder order, std::string_view text);
// Whether the text reads as a date in more than one order (03/04/26): the two first numbers
// could each be the month.
bool AmbiguousDate(std::string_view text);
// The refusal of a date that could not be read, naming the order:
// "\"31/02/26\" is not a date. Type it as day/month/year, for example 27/10/26."
std::string RefusedMessage(DateOrder order, const std::string& text);

// A caption or help text with "MM/DD/YY" standing for a date the user types or reads, written in
// the order: "DD/MM/YY". Left as it is: "MM/DD/YYYY" and "MM/DD/YY vs", which name the fixed forms
// of the CSV file and the team point entries.
std::string InOrder(std::string text, DateOrder order);

int DaysInMonth(int month, int fullYear);

// The order a new user starts with: month first where the locale is the United States or not
// known, year first where the locale writes it so, day first elsewhere. The locale is the name in
// LC_ALL, LC_TIME or LANG ("en_GB.UTF-8").
DateOrder OrderOfLocale(std::string_view locale);
DateOrder LocaleDateOrder();

}  // namespace quorval::dates
