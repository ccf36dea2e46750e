#include "platform/desktopservices.hpp"

#include "help/helpfile.hpp"
#include "ui/main/mainwindow.hpp"

namespace quorval::gui {

DesktopServices::DesktopServices() : helpViewer(shareFilePath(help::kHelpFileName)) {
    printer.attach(services);
    helpViewer.followSettings(&data->settings);
}

void DesktopServices::attachPanel(MainWindow& main) {
    dialogs.setPanel([&main] { return main.panelMessage(); },
                     [&main](const QString& text) { main.showPanelMessage(text); });
}

}  // namespace quorval::gui
