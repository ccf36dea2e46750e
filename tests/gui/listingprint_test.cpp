// Printing and exporting the listing from the main window.
#include <gtest/gtest.h>

#include <QAction>
#include <memory>

#include "configfolder.hpp"
#include "fakeseams.hpp"
#include "fullleague.hpp"
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

class ListingPrintTest : public ::testing::Test {
protected:
    ListingPrintTest() {
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

    void trigger(const char* item) { main->action(item)->trigger(); }

    const std::string date = "12-06-2026";  // the fixed clock's day
    TempWorkDir dir;
    ScopedConfigHome config{dir.path() / "config"};
    TestServices s;
    std::unique_ptr<MainWindow> main;
};

TEST_F(ListingPrintTest, PrintAsksLongOrShortAndCancelPrintsNothing) {
    trigger("Printsetupmenu");
    EXPECT_EQ(s.printer.setups, 1);
    trigger("Printmenu");  // no league open: no round lines to print
    EXPECT_TRUE(s.printer.documents().empty());

    trigger("leaguesmenu0");
    s.dialogs.answer(platform::Answer::Cancel);
    trigger("Printmenu");
    const platform::Message question{
        "Include individual hole scores?   (Click Yes)\r\n\r\n"
        "List including hole scores prints Landscape\r\n\r\n"
        "Short list (click No) prints Portrait",
        "Quorval", platform::Buttons::YesNoCancel, platform::Icon::Question};
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{question});
    EXPECT_TRUE(s.printer.documents().empty());

    for (platform::Answer longList : {platform::Answer::Yes, platform::Answer::No}) {
        s.dialogs.answer(longList);
        trigger("Printmenu");
    }
    s.dialogs.takeMessages();
    ASSERT_EQ(s.printer.documents().size(), 2u);
    EXPECT_EQ(s.printer.documents()[0].pages[0].orientation, platform::Orientation::Landscape);
    EXPECT_EQ(s.printer.documents()[1].pages[0].orientation, platform::Orientation::Portrait);
    auto shortLines = s.printer.documents()[1].pages[0].lines();
    EXPECT_EQ(shortLines[5], reports::ReportHeading(s.services.data, 8, 45, date));
    EXPECT_EQ(shortLines.size(), 7u + main->listing().rows().size());
}

TEST_F(ListingPrintTest, ExportWritesTheFileWithTxtAddedAndCancelBeeps) {
    trigger("leaguesmenu0");
    s.dialogs.answerSaveFile((dir.path() / "fall listing").string());
    trigger("printfilemenu");
    EXPECT_EQ(readBytes(dir.path() / "fall listing.txt"),
              reports::shortprintfile(s.services.data, main->listing().rows(), date));
    s.dialogs.answerSaveFile(std::nullopt);
    trigger("printfilemenu");
    EXPECT_EQ(s.dialogs.beeps(), 1);
}

}  // namespace
}  // namespace quorval::gui
