#include "entry/rounddate.hpp"

#include "dates/dateorder.hpp"

namespace quorval::entry {

int DaysInMonth(int month, int fullYear) {
    return dates::DaysInMonth(month, fullYear);
}

std::optional<RoundPlace> ParseRoundDate(const std::string& text, store::DateOrder order) {
    auto date = dates::ParseDate(order, text);
    if (!date) return std::nullopt;
    return RoundPlace{0, date->month, date->day, date->year};
}

std::string DateRefusedMessage(const std::string& text, store::DateOrder order) {
    return dates::RefusedMessage(order, text);
}

std::string ShownRoundDate(store::DateOrder order, int month, int day, int twoDigitYear) {
    return dates::FieldDate(order, month, day, twoDigitYear);
}

}  // namespace quorval::entry
