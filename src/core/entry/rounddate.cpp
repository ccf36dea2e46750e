#include "entry/rounddate.hpp"

#include <charconv>
#include <vector>

namespace quorval::entry {

namespace {

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

int DaysInMonth(int month, int fullYear) {
    static const int kDays[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && leapYear(fullYear) ? 29 : kDays[month];
}

std::optional<RoundPlace> ParseRoundDate(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '/' || c == '-' || c == '.') {
            parts.emplace_back();
        } else if (c != ' ') {
            parts.back() += c;
        }
    }
    if (parts.size() != 3) return std::nullopt;
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        const std::string& part = parts[i];
        if (part.empty() || part.size() > (i == 2 ? 4u : 2u)) return std::nullopt;
        auto read = std::from_chars(part.data(), part.data() + part.size(), values[i]);
        if (read.ec != std::errc() || read.ptr != part.data() + part.size()) return std::nullopt;
    }
    auto [month, day, year] = values;
    if (parts[2].size() != 2 && parts[2].size() != 4) return std::nullopt;
    int full = parts[2].size() == 2 ? store::CalendarYear(year) : year;
    if (full != store::CalendarYear(full % 100)) return std::nullopt;  // outside the two-digit years
    if (day < 1 || day > DaysInMonth(month, full)) return std::nullopt;
    return RoundPlace{0, month, day, full % 100};
}

std::string DateRefusedMessage(const std::string& text) {
    return "\"" + text + "\" is not a date. Type it as month/day/year, for example 10/27/26.";
}

std::string ShownRoundDate(int month, int day, int twoDigitYear) {
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(store::CalendarYear(twoDigitYear));
}

}  // namespace quorval::entry
