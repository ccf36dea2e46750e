// Quorval: starts in the working directory, which holds the league files.
#include <QApplication>
#include <memory>

#include "platform/desktopservices.hpp"
#include "ui/main/mainwindow.hpp"
#include "ui/main/splashwindow.hpp"

int main(int argc, char** argv) {
    using namespace quorval;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorval");

    gui::DesktopServices desktop;
    platform::Services& services = desktop.services;
    gui::MainWindow main(services);
    desktop.attachPanel(main);
    gui::SplashWindow splash(services, main);
    splash.Load();
    // The data folder is open elsewhere and the user chose not to look at it read-only.
    if (main.quitting()) return 0;
    return app.exec();
}
