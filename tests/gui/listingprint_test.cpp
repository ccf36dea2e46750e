// Printing and exporting the listing from the main window.
#include "mainwindowfixture.hpp"
#include "reports/listingreport.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// A league in which every player has a round.
class ListingPrintTest : public MainWindowFixture {
protected:
    ListingPrintTest() {
        writeLeagues({"Fall"}, 0, [](store::LeagueData& d, int) {
            samples::FillRandomLeague(d, 5, 8);
            for (int p = 1; p <= 8; ++p) d.players[p].roundCount = std::max<int16_t>(1, d.players[p].roundCount);
        });
        load();
    }

    const std::string date = "12-06-2026";  // the fixed clock's day
};

TEST_F(ListingPrintTest, PrintAsksLongOrShortAndCancelPrintsNothing) {
    act("Printsetupmenu")->trigger();
    EXPECT_EQ(s.printer.setups, 1);
    act("Printmenu")->trigger();  // no league open: no round lines to print
    act("leaguesmenu0")->trigger();
    s.dialogs.answer(platform::Answer::Cancel);
    act("Printmenu")->trigger();
    const platform::Message question{
        "Include individual hole scores?   (Click Yes)\r\n\r\n"
        "List including hole scores prints Landscape\r\n\r\n"
        "Short list (click No) prints Portrait",
        "Quorval", platform::Buttons::YesNoCancel, platform::Icon::Question};
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{question});
    EXPECT_TRUE(s.printer.documents().empty());

    for (platform::Answer longList : {platform::Answer::Yes, platform::Answer::No}) {
        s.dialogs.answer(longList);
        act("Printmenu")->trigger();
    }
    s.dialogs.takeMessages();
    ASSERT_EQ(s.printer.documents().size(), 2u);
    EXPECT_EQ(s.printer.documents()[0].pages[0].orientation, platform::Orientation::Landscape);
    EXPECT_EQ(s.printer.documents()[1].pages[0].orientation, platform::Orientation::Portrait);
    auto shortLines = s.printer.documents()[1].pages[0].lines();
    EXPECT_EQ(shortLines[5], reports::ReportHeading(s.services.data, 8, 45, date));
    EXPECT_EQ(shortLines.size(), 7u + main->listing().rows().size());
}

}  // namespace
}  // namespace quorval::gui
