// The Skins and Stableford pages of the Results of a Day window: options wired to the text,
// Print, and the help topics.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include "leaguebuilder.hpp"
#include "ui/reports/resultswindow.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class SideGamePageTest : public WindowTest {
protected:
    SideGamePageTest() {
        LeagueBuilder league(*s.data);
        league.course("Pine Hills");
        for (int h = 1; h <= 18; ++h) s.data->strokeIndexes[1][h] = static_cast<int16_t>(h);
        for (const char* name : {"Al", "Bo", "Cy"})
            league.player(name).round("5/26/26", 40, 40, 0).round("6/2/26", 36, 36, 0);
        s.data->players[1].rounds[2].score[1] = 3;  // Al's birdie on the first hole
        window = new ResultsWindow(s.services, &opener, {6, 2, 26});
        gui::openChild(&opener, window);
    }
    std::string pageText(const char* page) {
        return child<QPlainTextEdit>(child<QWidget>(window, page), "sidetext")->toPlainText().toStdString();
    }
    ResultsWindow* window;
};

TEST_F(SideGamePageTest, OptionsChangeTheGameAndPrintPrintsIt) {
    QWidget* skins = child<QWidget>(window, "skinspage");
    child<QLineEdit>(skins, "sidebuyin")->setText("2.50");
    EXPECT_NE(pageText("skinspage").find("Pot 7.50 (3 x 2.50)"), std::string::npos) << pageText("skinspage");
    EXPECT_NE(pageText("skinspage").find("Skins won: 1, 7.50 each"), std::string::npos);
    child<QLineEdit>(skins, "sidepot")->setText("-1");
    EXPECT_EQ(pageText("skinspage"), "The pot must be an amount of 0 or more, like 60 or 62.50.");
    EXPECT_FALSE(child<QPushButton>(skins, "sideprint")->isEnabled());
    child<QLineEdit>(skins, "sidepot")->setText("10");
    child<QCheckBox>(skins, "sidegross")->setChecked(true);
    EXPECT_NE(pageText("skinspage").find("Skins, gross"), std::string::npos);
    click(skins, "sideprint");
    ASSERT_EQ(s.printer.documents().size(), 1u);
    EXPECT_TRUE(s.printer.documents()[0].pages[0].lines()[1].ends_with("Skins of 06/02/26"));

    EXPECT_NE(pageText("stablefordpage").find("1      Al"), std::string::npos) << pageText("stablefordpage");
    click(child<QWidget>(window, "stablefordpage"), "sideprint");
    EXPECT_EQ(s.printer.documents().size(), 2u);
}

TEST_F(SideGamePageTest, EachPageHasItsHelpTopic) {
    auto* tabs = child<QTabWidget>(window, "resultstabs");
    const std::pair<int, const char*> pages[] = {{1, "Skins"}, {2, "Stableford"}, {0, "Results of a Day"}};
    for (const auto& [page, topic] : pages) {
        tabs->setCurrentIndex(page);
        emit window->findChild<QShortcut*>()->activated();  // F1
        EXPECT_EQ(s.help.topics.back(), topic);
    }
    click(child<QWidget>(window, "skinspage"), "sidehelp");
    click(child<QWidget>(window, "stablefordpage"), "sidehelp");
    EXPECT_EQ(std::vector<std::string>(s.help.topics.end() - 2, s.help.topics.end()),
              (std::vector<std::string>{"Skins", "Stableford"}));
}

}  // namespace
}  // namespace quorval::gui
