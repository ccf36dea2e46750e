#pragma once

#include "platform/seams.hpp"

namespace quorval::cli {

// Today's date from the operating system's local time: the command-line tool has no Qt.
class SystemClock : public platform::Clock {
public:
    platform::Date today() override;
};

}  // namespace quorval::cli
