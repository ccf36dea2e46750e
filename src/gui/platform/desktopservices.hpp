#pragma once

#include <memory>

#include "platform/qtdialogs.hpp"
#include "platform/qthelpviewer.hpp"
#include "platform/qtprinter.hpp"
#include "platform/qtseams.hpp"
#include "platform/services.hpp"
#include "store/leaguedata.hpp"

namespace quorval::gui {

class MainWindow;

// The program's one LeagueData and the Qt side of every seam, as the desktop program runs them.
struct DesktopServices {
    DesktopServices();

    // Busy notes go to the main window's message panel.
    void attachPanel(MainWindow& main);

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    QtDialogs dialogs;
    QtHelpViewer helpViewer;
    QtClock clock;
    QtScreen screen;
    QtPrinter printer;
    platform::Services services{*data, dialogs, helpViewer, clock, screen, printer};
};

}  // namespace quorval::gui
