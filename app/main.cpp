// Quorval: starts in the working directory, which holds the league files.
#include <QApplication>
#include <cstring>
#include <iostream>
#include <memory>

#include "platform/desktopservices.hpp"
#include "ui/main/mainwindow.hpp"
#include "ui/main/splashwindow.hpp"

namespace {

// Answers --help and --version as a command-line user expects, before any window opens.
bool answeredOption(int argc, char** argv) {
    if (argc != 2) return false;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "quorval " << QUORVAL_VERSION << '\n';
        return true;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::cout << "usage: quorval [--help | --version]\n"
                     "Keeps the golf leagues of the current folder: start it in the data folder.\n"
                     "See quorval-cli(1) and quorval-print(1) for the command-line tools.\n";
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quorval;
    if (answeredOption(argc, argv)) return 0;
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
