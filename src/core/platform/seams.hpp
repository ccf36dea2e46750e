#pragma once

#include <string>
#include <vector>

// The machine-facing seams besides Dialogs and the printer: the help viewer, the clock and the
// screen. The desktop program implements them with Qt; tests use fixed doubles.
namespace quorval::platform {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the topic whose key is `key`.
    virtual void showTopic(const std::string& key) = 0;
    // Opens the keyword search.
    virtual void search() = 0;
    // Closes the help viewer if the program opened it.
    virtual void close() = 0;
};

struct Date {
    int year = 2000;  // four digits
    int month = 1;
    int day = 1;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date today() = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual int widthPixels() = 0;
    virtual int bitsPerPixel() = 0;
};

}  // namespace quorval::platform
