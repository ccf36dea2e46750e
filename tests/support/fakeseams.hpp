#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/seams.hpp"
#include "platform/services.hpp"
#include "print/recordingprinter.hpp"
#include "scripteddialogs.hpp"

namespace quorval::testing {

class RecordingHelpViewer : public platform::HelpViewer {
public:
    void showTopic(const std::string& key) override { topics.push_back(key); }
    void search() override { ++searches; }
    void close() override { ++closes; }

    std::vector<std::string> topics;
    int searches = 0;
    int closes = 0;
};

class FixedClock : public platform::Clock {
public:
    platform::Date date{2026, 12, 6};
    platform::Date today() override { return date; }
};

class FixedScreen : public platform::Screen {
public:
    int width = 1280;
    int depth = 24;
    int widthPixels() override { return width; }
    int bitsPerPixel() override { return depth; }
};

// Keeps every printed document; offers three fonts.
class FakePrinter : public print::RecordingPrinter {
public:
    FakePrinter() { setFontNames({"Arial", "Courier New", "Times New Roman"}); }
    int setups = 0;
    void setup() override { ++setups; }
};

// A LeagueData and a full set of test doubles, ready to hand to a window.
struct TestServices {
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    ScriptedDialogs dialogs;
    RecordingHelpViewer help;
    FixedClock clock;
    FixedScreen screen;
    FakePrinter printer;
    platform::Services services{*data, dialogs, help, clock, screen, printer};

    TestServices() { store::FillMonthNames(*data); }
};

}  // namespace quorval::testing
