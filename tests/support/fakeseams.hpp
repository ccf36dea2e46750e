#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/seams.hpp"
#include "platform/services.hpp"
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

class FakePrinter : public platform::Printer {
public:
    std::vector<std::string> fonts{"Arial", "Courier New", "Times New Roman"};
    std::vector<std::string> fontNames() override { return fonts; }
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
