// The weekly round from the main window: the results of a day, the scorecards and the league pages.
#include "mainwindowfixture.hpp"
#include "results/dayresults.hpp"
#include "ui/main/listingview.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class WeeklyRoundTest : public MainWindowFixture {
protected:
    WeeklyRoundTest() {
        writeLeagues({"Fall"}, 0, [](store::LeagueData& d, int) {
            samples::FillRandomLeague(d, 7, 10);
            for (int p = 1; p <= 10; ++p)
                if (d.players[p].name.empty()) d.players[p].name = "Player " + std::to_string(p);
        });
        load(0);
        dates = results::DatesPlayed(s.services.data);
        EXPECT_GE(dates.size(), 2u);
    }

    QPushButton* resultsButton() const { return main->listingView()->resultsButton(); }
    void printResults(std::optional<std::string> date) {
        s.dialogs.answerInput(std::move(date));
        act("printresultsmenu")->trigger();
    }

    std::vector<results::PlayDate> dates;
};

TEST_F(WeeklyRoundTest, ResultsButtonOfTheByDateViewShowsAndPrintsTheDateOnScreen) {
    EXPECT_TRUE(resultsButton()->isHidden());
    main->ViewMenu(2);
    ASSERT_FALSE(resultsButton()->isHidden());
    main->SpinDown();
    const std::string title =
        "Results of " + results::DateText(dates[dates.size() - 2], store::DateOrder::kMonthDayYear);
    resultsButton()->click();
    QWidget* window = visibleWindow("results");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle().toStdString(), title);
    std::string expected;
    for (const auto& line : results::ResultLines(results::ResultsOfDay(s.services.data, dates[dates.size() - 2])))
        expected += (expected.empty() ? "" : "\n") + line;
    EXPECT_EQ(child<QPlainTextEdit>(window, "resultslist")->toPlainText().toStdString(), expected);

    child<QPushButton>(window, "printbutton")->click();
    ASSERT_EQ(s.printer.documents().size(), 1u);
    EXPECT_TRUE(s.printer.documents()[0].pages[0].lines()[1].ends_with(title));
    child<QPushButton>(window, "exitbutton")->click();
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(WeeklyRoundTest, PrintResultsAsksForTheDateAndSaysWhenNobodyPlayed) {
    main->ViewMenu(2);
    printResults(std::nullopt);
    EXPECT_EQ(s.dialogs.lastInputDefault(), results::DateText(dates.back(), store::DateOrder::kMonthDayYear));
    printResults("12/25/79");
    EXPECT_NE(s.dialogs.takeMessages().at(0).text.find("12/25/79"), std::string::npos);
    EXPECT_TRUE(s.printer.documents().empty());
    printResults(results::DateText(dates.front(), store::DateOrder::kMonthDayYear));
    EXPECT_EQ(s.printer.documents().size(), 1u);
}

TEST_F(WeeklyRoundTest, ScorecardsForTheChosenPlayersOnly) {
    act("printscorecardsmenu")->trigger();
    QWidget* window = visibleWindow("scorecards");
    ASSERT_NE(window, nullptr);
    child<QPushButton>(window, "infobutton")->click();
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Scorecards"});
    child<QCheckBox>(window, "allcheck")->setChecked(false);
    child<QPushButton>(window, "printbutton")->click();
    EXPECT_NE(s.dialogs.takeMessages().at(0).text.find("All players"), std::string::npos);  // nothing printed: below

    auto* players = child<QListWidget>(window, "playerlist");
    players->item(1)->setSelected(true);
    players->item(3)->setSelected(true);
    child<QPushButton>(window, "printbutton")->click();
    ASSERT_EQ(s.printer.documents().size(), 1u);
    std::string page;
    for (const auto& line : s.printer.documents()[0].pages.at(0).lines()) page += line + "\n";
    for (int p = 1; p <= 10; ++p)
        EXPECT_EQ(page.find("\n" + s.services.data.players[p].name + "\n") != std::string::npos, p == 2 || p == 4) << p;
    EXPECT_EQ(visibleWindow("scorecards"), nullptr);
}

TEST_F(WeeklyRoundTest, PublishWritesThePagesIntoTheChosenFolder) {
    const auto pages = dir.path() / "pages";
    s.dialogs.answerFolder(pages.string());
    act("publishmenu")->trigger();
    EXPECT_TRUE(std::filesystem::exists(pages / "index.html"));
    EXPECT_EQ(s.dialogs.takeMessages().at(0).icon, platform::Icon::Information);
}

}  // namespace
}  // namespace quorval::gui
