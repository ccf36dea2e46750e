#include "ui/main/leaguewindow.hpp"

#include <gmock/gmock.h>

#include "mainwindowfixture.hpp"
#include "store/teamfile.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using Messages = std::vector<platform::Message>;

class LeagueWindowTest : public MainWindowFixture {
protected:
    // Leagues of those names with their team files, and the league window over the main window.
    void start(const Names& leagues, int open = -1) {
        writeLeagues(leagues);
        for (const std::string& league : leagues) writeBytes(league + ".tea", store::FormatTeams(*s.data));
        load(open);
        act("Creatmenu")->trigger();
        window = qobject_cast<LeagueWindow*>(visibleWindow("Createleagueform"));
        ASSERT_NE(window, nullptr);
        name = child<QLineEdit>(window, "Text1");
    }
    void press(const char* button) { click(child<QPushButton>(window, button)); }

    // The window has gone and the main window is back without an open league.
    void expectClosedToNoLeague() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(main->isEnabled());
        EXPECT_EQ(main->panelMessage(), "Open a League file to begin");
    }

    // The league list on disk and in the File > Open menu.
    void expectLeagues(const Names& names) const {
        auto d = std::make_unique<store::LeagueData>();
        EXPECT_TRUE(store::ParseRegistry(*d, readBytes(store::kRegistryFileName)).ok);
        const auto& files = d->registry.leagueFiles;
        EXPECT_EQ(Names(files.begin() + 1, files.begin() + 1 + d->registry.leagueCount), names);
        Names captions;
        for (int k = 0; QAction* a = act(QString("leaguesmenu%1").arg(k)); ++k)
            captions.push_back(a->text().toStdString());
        EXPECT_EQ(captions, names);
    }

    QPointer<LeagueWindow> window;
    QLineEdit* name = nullptr;
};

TEST_F(LeagueWindowTest, CreatingWritesAnEmptyLeagueAndRegistersIt) {
    start({});
    QTest::keyClicks(name, "Fall.2024-B/'x y");  // punctuation is dropped as it is typed
    EXPECT_EQ(name->text(), "Fall2024Bx y");
    name->clear();
    QTest::keyClicks(name, "Tuesday Men");
    QTest::keyClick(name, Qt::Key_Return);
    auto empty = std::make_unique<store::LeagueData>();
    EXPECT_EQ(readBytes("Tuesday Men.LGE"), store::FormatLeague(*empty));
    expectLeagues({"Tuesday Men"});
    expectClosedToNoLeague();
}

// A refused name is told why and emptied; the Close button leaves no league open.
TEST_F(LeagueWindowTest, RefusedNameTellsWhyEmptiesTheBoxAndKeepsTheWindow) {
    start({"Spring"}, 0);
    const std::string registry = readBytes(store::kRegistryFileName);
    // The other refused names are the league tests' business; here the window's part.
    for (auto [typed, why] :
         {std::pair{"Spring", "That name is already in use."}, {"Fall:2", "Illegal Name for file"}}) {
        SCOPED_TRACE(typed);
        name->setText(typed);  // pasted: the key filter does not see it
        press("Okbutton");
        EXPECT_EQ(s.dialogs.takeMessages(),
                  (Messages{{why, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation}}));
        EXPECT_EQ(name->text(), "");
        EXPECT_FALSE(window.isNull());
        EXPECT_EQ(readBytes(store::kRegistryFileName), registry);
    }
    press("infobutton");
    EXPECT_EQ(s.help.topics, Names{"Creating League Files"});
    press("Command3d1");
    expectClosedToNoLeague();
}

TEST_F(LeagueWindowTest, DeletingAsksFirstThenRemovesTheLeagueAndItsTeams) {
    start({"Spring", "Summer", "Fall"});
    name->setText("Winter");
    press("deletebutton");
    EXPECT_EQ(s.dialogs.takeMessages().at(0).text, "That name is not on the active list.");

    name->setText("SUMMER");  // found whatever the letter case; No keeps it, as the league tests show
    s.dialogs.answer(platform::Answer::Yes);
    press("deletebutton");
    EXPECT_THAT(s.dialogs.takeMessages().at(0).text, ::testing::StartsWith("Are you sure you want to Delete"));
    EXPECT_FALSE(fs::exists("Summer.LGE") || fs::exists("Summer.tea"));
    EXPECT_TRUE(fs::exists("Spring.tea"));
    expectLeagues({"Spring", "Fall"});
    expectClosedToNoLeague();
}

}  // namespace
}  // namespace quorval::gui
