// quorval-shots: the pictures in the README. Makes the demo league in a temporary folder, opens it
// in the real main window and saves what the windows and a printed listing look like as PNGs.
//
//   QT_QPA_PLATFORM=offscreen quorval-shots OUTPUT_FOLDER
//
// quorval-cli must sit beside this program (it makes the demo league); pdftoppm turns the printed
// PDF into a picture, of which the top of the page is kept.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/desktopservices.hpp"
#include "platform/qtprinter.hpp"
#include "print/printfont.hpp"
#include "print/recordingprinter.hpp"
#include "reports/listingreport.hpp"
#include "store/leaguedata.hpp"
#include "ui/entry/scoreentrywindow.hpp"
#include "ui/main/mainwindow.hpp"

namespace {

using namespace quorval;

// The day printed in the listing's heading: the demo season's last Tuesday, so that the picture
// is the same whenever it is made.
constexpr int kPrintYear = 2026, kPrintMonth = 9, kPrintDay = 29;
// The printed page as a picture: sharp enough to read the listing's 9-point type.
constexpr int kListingDpi = 100;
constexpr double kMarginInches = 0.25;  // where the printer starts on the paper

int fail(const QString& text) {
    std::fprintf(stderr, "quorval-shots: %s\n", qPrintable(text));
    return 1;
}

// Lets the windows lay themselves out and paint.
void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool save(QWidget* window, const QDir& out, const QString& name) {
    settle();
    QString path = out.filePath(name);
    if (!window->grab().save(path, "PNG")) return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        std::fprintf(stderr, "quorval-shots: %s did not run: %s\n", qPrintable(program),
                     qPrintable(process.errorString()));
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The top of the printed page, down to half an inch below the last line, in a thin frame so that
// the paper stands out from a white page.
bool saveListing(const QString& pagePicture, const print::Page& printed, const QString& path) {
    QImage image(pagePicture);
    if (image.isNull()) return false;
    double bottom = 0;  // twips below the printable area's top
    for (const print::PrintedText& t : printed.texts) bottom = std::max(bottom, t.y + print::LineHeight(t.font.size));
    int height = static_cast<int>((kMarginInches + bottom / print::kTwipsPerInch + 0.5) * kListingDpi);
    image = image.copy(0, 0, image.width(), std::min(height, image.height())).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.end();
    if (!image.save(path, "PNG")) return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Part of a round typed into the score window with performance data: Ed Fontaine's first eleven
// holes at Pine Hills, the cursor waiting in the twelfth.
void typeRoundSoFar(QWidget* window) {
    struct Hole {
        int score;
        bool fairway;
        bool green;
        int putts;
    };
    const Hole kHoles[] = {{4, true, true, 2},   {5, true, false, 2}, {3, false, true, 2}, {5, false, false, 2},
                           {4, true, true, 2},   {3, false, true, 2}, {4, true, true, 2},  {6, true, false, 2},
                           {4, false, false, 1}, {4, true, true, 2},  {4, false, false, 2}};
    int hole = 0;
    for (const Hole& h : kHoles) {
        ++hole;
        window->findChild<QLineEdit*>(QString("scoretext%1").arg(hole))->setText(QString::number(h.score));
        window->findChild<QCheckBox*>(QString("Fairway%1").arg(hole))->setChecked(h.fairway);
        window->findChild<QCheckBox*>(QString("Green%1").arg(hole))->setChecked(h.green);
        window->findChild<QLineEdit*>(QString("Putts%1").arg(hole))->setText(QString::number(h.putts));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorval");
    if (argc != 2) return fail("usage: quorval-shots OUTPUT_FOLDER");
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) return fail("cannot make " + out.path());
    out.setPath(out.absolutePath());

    // The demo league, made by quorval-cli in a folder of its own.
    QTemporaryDir work;
    if (!work.isValid()) return fail("cannot make a temporary folder");
    QString cli = QDir(QCoreApplication::applicationDirPath()).filePath("quorval-cli");
    if (!QFileInfo(cli).isExecutable()) return fail(cli + " is missing: build quorval-cli first");
    if (!run(cli, {"-C", work.path(), "demo"})) return fail("quorval-cli demo failed");
    if (!QDir::setCurrent(work.path())) return fail("cannot change to " + work.path());
    // The settings file too: the pictures never depend on the user's own settings.
    qputenv("XDG_CONFIG_HOME", QDir(work.path()).filePath("config").toLocal8Bit());

    // The program as app/main.cpp starts it, without the splash window.
    gui::DesktopServices desktop;
    store::LeagueData* data = desktop.data.get();
    gui::MainWindow main(desktop.services);
    desktop.attachPanel(main);
    main.Load();
    main.show();
    main.action("leaguesmenu0")->trigger();
    if (data->leagueFileName.empty()) return fail("the demo league did not open");

    main.action("Viewmenu1")->trigger();
    if (!save(&main, out, "main-window-recent.png")) return fail("cannot write the main window");
    main.action("Viewmenu2")->trigger();
    if (!save(&main, out, "main-window-by-date.png")) return fail("cannot write the main window");

    // The short listing of the Most Recent view, printed on Letter paper into a PDF.
    main.action("Viewmenu1")->trigger();
    settle();
    print::RecordingPrinter recorder(8 * print::kTwipsPerInch, 10.5 * print::kTwipsPerInch);
    reports::printshortreport(recorder, *data, main.listing().rows(),
                              print::PrintDate(kPrintYear, kPrintMonth, kPrintDay, data->settings.dateOrder));
    if (recorder.documents().empty()) return fail("the listing printed nothing");
    QString pdf = QDir(work.path()).filePath("listing.pdf");
    if (!gui::QtPrinter::renderToPdf(recorder.documents().front(), pdf)) return fail("cannot write " + pdf);
    QString page = QDir(work.path()).filePath("listing");
    if (!run("pdftoppm", {"-png", "-r", QString::number(kListingDpi), "-singlefile", pdf, page}))
        return fail("pdftoppm could not turn the listing into a picture (is poppler-utils installed?)");
    if (!saveListing(page + ".png", recorder.documents().front().pages.front(), out.filePath("printed-listing.png")))
        return fail("cannot write the printed listing");

    // The score window with performance data, part of the way through a player's card.
    // Ed Fontaine, then Ivy Jensen, on Pine Hills.
    for (int p = 1; p <= data->playerCount; ++p) data->players[p].selected = p == 5 || p == 9 ? 1 : 0;
    auto* scores = new gui::ScoreEntryWindow(desktop.services, &main, entry::NewRoundsRequest({1, 10, 6, 26}, true));
    gui::openChild(&main, scores);
    settle();
    typeRoundSoFar(scores);
    if (!save(scores, out, "score-entry.png")) return fail("cannot write the score window");
    // Nothing is recorded: the entry is given up and the temporary folder goes.
    for (int p = 1; p <= data->playerCount; ++p) data->players[p].selected = 0;
    delete scores;
    return 0;
}
