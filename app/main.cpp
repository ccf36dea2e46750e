// Quorval: starts in the working directory, which holds the league files.
#include <QApplication>
#include <memory>

#include "help/helpfile.hpp"
#include "platform/qtdialogs.hpp"
#include "platform/qthelpviewer.hpp"
#include "platform/qtprinter.hpp"
#include "platform/qtseams.hpp"
#include "store/leaguedata.hpp"
#include "ui/main/mainwindow.hpp"
#include "ui/main/splashwindow.hpp"

int main(int argc, char** argv) {
    using namespace quorval;
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorval");

    auto data = std::make_unique<store::LeagueData>();
    gui::QtDialogs dialogs;
    gui::QtHelpViewer helpViewer(gui::shareFilePath(help::kHelpFileName));
    gui::QtClock clock;
    gui::QtScreen screen;
    gui::QtPrinter printer;
    platform::Services services{*data, dialogs, helpViewer, clock, screen, printer};

    gui::MainWindow main(services);
    dialogs.setPanel([&main] { return main.panelMessage(); },
                     [&main](const QString& text) { main.showPanelMessage(text); });
    gui::SplashWindow splash(services, main);
    QObject::connect(&main, &gui::MainWindow::aboutRequested, &splash, [&] {
        main.hide();
        main.setEnabled(false);
        splash.showAsAbout();
    });
    splash.Load();
    return app.exec();
}
