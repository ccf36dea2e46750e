// Printing and exporting the listing from the main window, and one listing through the real Qt
// printer into a PDF read back as text.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <memory>

#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "platform/qtprinter.hpp"
#include "reports/listingreport.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "tempdir.hpp"
#include "ui/main/mainwindow.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

const platform::Message kPrintQuestion{
    "Include individual hole scores?   (Click Yes)\r\n\r\nList including hole scores prints Landscape\r\n\r\n"
    "Short list (click No) prints Portrait",
    "Quorval", platform::Buttons::YesNoCancel, platform::Icon::Question};

class ListingPrintTest : public ::testing::Test {
protected:
    ListingPrintTest() {
        ::setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
        auto d = std::make_unique<store::LeagueData>();
        samples::FillRandomLeague(*d, 5, 8);
        for (int p = 1; p <= 8; ++p)
            d->players[p].roundCount = static_cast<int16_t>(std::max<int>(1, d->players[p].roundCount));
        d->registry.leagueCount = 1;
        d->registry.leagueFiles[1] = "Fall";
        writeBytes("Fall.LGE", store::FormatLeague(*d));
        writeBytes(store::kCourseFileName, store::FormatCourses(*d));
        writeBytes(store::kRegistryFileName, store::FormatRegistry(*d));
        main = std::make_unique<MainWindow>(s.services);
        main->Load();
        main->show();
    }
    ~ListingPrintTest() override {
        closeWindowsExcept(nullptr);
        main.reset();
    }

    void openLeague() { main->action("leaguesmenu0")->trigger(); }
    std::string date() const { return "12-06-2026"; }

    TempWorkDir dir;
    TestServices s;
    std::unique_ptr<MainWindow> main;
};

TEST_F(ListingPrintTest, PrintAsksLongOrShortAndCancelPrintsNothing) {
    main->action("Printmenu")->trigger();  // no league open: no round lines to print
    EXPECT_TRUE(s.printer.documents().empty());

    openLeague();
    s.dialogs.answer(platform::Answer::Cancel);
    main->action("Printmenu")->trigger();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kPrintQuestion});
    EXPECT_TRUE(s.printer.documents().empty());

    s.dialogs.answer(platform::Answer::Yes);
    main->action("Printmenu")->trigger();
    s.dialogs.answer(platform::Answer::No);
    main->action("Printmenu")->trigger();
    s.dialogs.takeMessages();
    ASSERT_EQ(s.printer.documents().size(), 2u);
    EXPECT_EQ(s.printer.documents()[0].pages[0].orientation, platform::Orientation::Landscape);
    EXPECT_EQ(s.printer.documents()[1].pages[0].orientation, platform::Orientation::Portrait);
    auto shortLines = s.printer.documents()[1].pages[0].lines();
    EXPECT_EQ(shortLines[5], reports::ReportHeading(s.services.data, 8, 45, date()));
    EXPECT_EQ(shortLines.size(), 7u + main->listing().rows().size());
}

TEST_F(ListingPrintTest, ExportWritesTheFileWithTxtAddedAndCancelBeeps) {
    openLeague();
    s.dialogs.answerSaveFile((dir.path() / "fall listing").string());
    main->action("printfilemenu")->trigger();
    std::string written = readBytes(dir.path() / "fall listing.txt");
    EXPECT_EQ(written, reports::shortprintfile(s.services.data, main->listing().rows(), date()));

    s.dialogs.answerSaveFile(std::nullopt);
    main->action("printfilemenu")->trigger();
    EXPECT_EQ(s.dialogs.beeps(), 1);
}

TEST_F(ListingPrintTest, PrinterSetupOpensTheSetupDialog) {
    main->action("Printsetupmenu")->trigger();
    EXPECT_EQ(s.printer.setups, 1);
}

// The short listing through the desktop printer into a PDF: the text comes back in its columns.
TEST_F(ListingPrintTest, ShortListingPrintsToAPdfThatReadsBackInColumns) {
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
    openLeague();
    print::RecordingPrinter recorder;
    reports::printshortreport(recorder, s.services.data, main->listing().rows(), date());
    QString pdf = QString::fromStdString((dir.path() / "listing.pdf").string());
    ASSERT_TRUE(QtPrinter::renderToPdf(recorder.documents()[0], pdf));
    // 9-point Courier is 5.4 points a character: read at that pitch the columns come back exact.
    std::string command = "pdftotext -fixed 5.4 '" + pdf.toStdString() + "' listing.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string text = readBytes(dir.path() / "listing.txt");
    for (const std::string& line : recorder.documents()[0].pages[0].lines()) {
        std::string trimmed =
            line.substr(line.find_first_not_of(' ') == std::string::npos ? 0 : line.find_first_not_of(' '));
        while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
        if (trimmed.empty()) continue;
        EXPECT_NE(text.find(trimmed), std::string::npos) << "missing from the PDF: " << trimmed << "\n" << text;
    }
}

}  // namespace
}  // namespace quorval::gui
