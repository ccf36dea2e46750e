#include "dates/dateorder.hpp"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quorval::dates {

namespace {

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value % 100);
    return text;
}

// The numbers of a typed date, split at / - . with spaces dropped; empty when it is not three
// runs of digits.
std::vector<std::string> partsOf(std::string_view text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '/' || c == '-' || c == '.') {
            parts.emplace_back();
        } else if (c >= '0' && c <= '9') {
            parts.back() += c;
        } else if (c != ' ') {
            return {};
        }
    }
    if (parts.size() != 3) return {};
    for (const std::string& part : parts) {
        if (part.empty() || part.size() > 4) return {};
    }
    return parts;
}

int valueOf(const std::string& digits) {
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::optional<Date> checked(int month, int day, const std::string& yearDigits) {
    if (yearDigits.size() != 2 && yearDigits.size() != 4) return std::nullopt;
    int year = valueOf(yearDigits);
    int full = yearDigits.size() == 2 ? store::CalendarYear(year) : year;
    if (full != store::CalendarYear(full % 100)) return std::nullopt;  // outside the two-digit years
    if (day < 1 || day > DaysInMonth(month, full)) return std::nullopt;
    return Date{month, day, full % 100};
}

}  // namespace

std::string OrderKey(DateOrder order) {
    switch (order) {
        case DateOrder::kDayMonthYear:
            return "dmy";
        case DateOrder::kYearMonthDay:
            return "ymd";
        case DateOrder::kMonthDayYear:
            break;
    }
    return "mdy";
}

std::optional<DateOrder> OrderOfKey(std::string_view key) {
    for (DateOrder order : {DateOrder::kMonthDayYear, DateOrder::kDayMonthYear, DateOrder::kYearMonthDay}) {
        if (key == OrderKey(order)) return order;
    }
    return std::nullopt;
}

std::string OrderWords(DateOrder order) {
    switch (order) {
        case DateOrder::kDayMonthYear:
            return "day/month/year";
        case DateOrder::kYearMonthDay:
            return "year-month-day";
        case DateOrder::kMonthDayYear:
            break;
    }
    return "month/day/year";
}

std::string OrderPattern(DateOrder order) {
    switch (order) {
        case DateOrder::kDayMonthYear:
            return "DD/MM/YY";
        case DateOrder::kYearMonthDay:
            return "YYYY-MM-DD";
        case DateOrder::kMonthDayYear:
            break;
    }
    return "MM/DD/YY";
}

std::string ShortDate(DateOrder order, int month, int day, int twoDigitYear) {
    switch (order) {
        case DateOrder::kDayMonthYear:
            return twoDigits(day) + "/" + twoDigits(month) + "/" + twoDigits(twoDigitYear);
        case DateOrder::kYearMonthDay:
            return IsoDate(month, day, twoDigitYear);
        case DateOrder::kMonthDayYear:
            break;
    }
    return twoDigits(month) + "/" + twoDigits(day) + "/" + twoDigits(twoDigitYear);
}

std::string FieldDate(DateOrder order, int month, int day, int twoDigitYear) {
    std::string year = std::to_string(store::CalendarYear(twoDigitYear % 100));
    switch (order) {
        case DateOrder::kDayMonthYear:
            return std::to_string(day) + "/" + std::to_string(month) + "/" + year;
        case DateOrder::kYearMonthDay:
            return IsoDate(month, day, twoDigitYear);
        case DateOrder::kMonthDayYear:
            break;
    }
    return std::to_string(month) + "/" + std::to_string(day) + "/" + year;
}

std::string IsoDate(int month, int day, int twoDigitYear) {
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", store::CalendarYear(twoDigitYear % 100), month % 100, day % 100);
    return text;
}

std::optional<Date> ParseDate(DateOrder order, std::string_view text) {
    std::vector<std::string> parts = partsOf(text);
    if (parts.empty()) return std::nullopt;
    // Four digits first: year-month-day, in every order.
    if (parts[0].size() == 4) {
        if (parts[1].size() > 2 || parts[2].size() > 2) return std::nullopt;
        return checked(valueOf(parts[1]), valueOf(parts[2]), parts[0]);
    }
    if (order == DateOrder::kYearMonthDay || parts[0].size() > 2 || parts[1].size() > 2) return std::nullopt;
    int first = valueOf(parts[0]), second = valueOf(parts[1]);
    return order == DateOrder::kDayMonthYear ? checked(second, first, parts[2]) : checked(first, second, parts[2]);
}

bool AmbiguousDate(std::string_view text) {
    std::vector<std::string> parts = partsOf(text);
    if (parts.empty() || parts[0].size() > 2 || parts[1].size() > 2) return false;
    int first = valueOf(parts[0]), second = valueOf(parts[1]);
    return first != second && first >= 1 && first <= 12 && second >= 1 && second <= 12;
}

std::string RefusedMessage(DateOrder order, const std::string& text) {
    return "\"" + text + "\" is not a date. Type it as " + OrderWords(order) + ", for example " +
           ShortDate(order, 10, 27, 26) + ".";
}

std::string InOrder(std::string text, DateOrder order) {
    const std::string_view kPattern = "MM/DD/YY";
    const std::string shown = OrderPattern(order);
    for (size_t at = text.find(kPattern); at != std::string::npos; at = text.find(kPattern, at)) {
        std::string_view after = std::string_view(text).substr(at + kPattern.size());
        if (after.starts_with("YY") || after.starts_with(" vs")) {
            at += kPattern.size();
            continue;
        }
        text.replace(at, kPattern.size(), shown);
        at += shown.size();
    }
    return text;
}

int DaysInMonth(int month, int fullYear) {
    static const int kDays[] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && leapYear(fullYear) ? 29 : kDays[month];
}

DateOrder OrderOfLocale(std::string_view locale) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    size_t bar = locale.find('_');
    std::string_view language = locale.substr(0, bar);
    std::string_view territory = bar == std::string_view::npos ? std::string_view{} : locale.substr(bar + 1);
    static const char* const kMonthFirst[] = {"US", "PH", "AS", "GU", "MP", "PR", "UM", "VI", "FM", "MH", "PW"};
    static const char* const kYearFirst[] = {"zh", "ja", "ko", "hu", "lt", "mn", "sv"};
    for (const char* t : kMonthFirst) {
        if (territory == t) return DateOrder::kMonthDayYear;
    }
    for (const char* l : kYearFirst) {
        if (language == l) return DateOrder::kYearMonthDay;
    }
    // "C", "POSIX", nothing, or a language alone that says nothing of a country.
    if (territory.empty() && (language.size() != 2 || language == "en")) return DateOrder::kMonthDayYear;
    return DateOrder::kDayMonthYear;
}

DateOrder LocaleDateOrder() {
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return OrderOfLocale(value);
    }
    return DateOrder::kMonthDayYear;
}

}  // namespace quorval::dates
