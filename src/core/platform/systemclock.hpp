#pragma once

#include "platform/seams.hpp"

namespace quorval::platform {

// Today's date from the operating system's local time, for the programs without Qt.
class SystemClock : public Clock {
public:
    Date today() override;
};

}  // namespace quorval::platform
