#pragma once

#include "platform/dialogs.hpp"
#include "platform/printer.hpp"
#include "platform/seams.hpp"
#include "store/leaguedata.hpp"

namespace quorval::platform {

// What every window is handed: the program's one LeagueData and the seams to the outside world.
struct Services {
    store::LeagueData& data;
    Dialogs& dialogs;
    HelpViewer& help;
    Clock& clock;
    Screen& screen;
    Printer& printer;
};

}  // namespace quorval::platform
