#include "cli/systemclock.hpp"

#include <ctime>

namespace quorval::cli {

platform::Date SystemClock::today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return platform::Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace quorval::cli
