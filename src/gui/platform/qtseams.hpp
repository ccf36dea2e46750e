#pragma once

#include "platform/seams.hpp"

namespace quorval::gui {

class QtClock : public platform::Clock {
public:
    platform::Date today() override;
};

class QtScreen : public platform::Screen {
public:
    int widthPixels() override;
    int bitsPerPixel() override;
};

}  // namespace quorval::gui
