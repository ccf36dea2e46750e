#include "ui/main/leaguewindow.hpp"

#include "mainwindowfixture.hpp"
#include "store/teamfile.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class LeagueWindowTest : public MainWindowFixture {
protected:
    // Leagues of those names with their team files; the main window with league item `open` open
    // unless it is -1, and the league window over it.
    void start(const Names& leagues, int open = -1) {
        writeLeagues(leagues);
        for (const std::string& league : leagues) writeBytes(league + ".tea", store::FormatTeams(*s.data));
        load(open);
        act("Creatmenu")->trigger();
        window = qobject_cast<LeagueWindow*>(visibleWindow("Createleagueform"));
        ASSERT_NE(window, nullptr);
        ASSERT_FALSE(main->isEnabled());
        name = child<QLineEdit>(window, "Text1");
    }

    void press(const char* button) { QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton); }

    // The window has gone and the main window is back without an open league.
    void expectClosedToNoLeague() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(main->isEnabled());
        EXPECT_FALSE(act("entermenu")->isEnabled());
        EXPECT_FALSE(act("Viewmenu1")->isEnabled());
        EXPECT_EQ(main->panelMessage(), "Open a League file to begin");
        EXPECT_EQ(main->findChild<QListWidget*>("List1")->count(), 0);
        EXPECT_EQ(main->findChild<QListWidget*>("List2")->count(), 0);
    }

    // The league list on disk and in the File > Open menu.
    void expectLeagues(const Names& names) const {
        auto d = std::make_unique<store::LeagueData>();
        EXPECT_TRUE(store::ParseRegistry(*d, readBytes(store::kRegistryFileName)).ok);
        EXPECT_EQ(
            Names(d->registry.leagueFiles.begin() + 1, d->registry.leagueFiles.begin() + 1 + d->registry.leagueCount),
            names);
        Names captions;
        for (int k = 0; QAction* a = act(QString("leaguesmenu%1").arg(k)); ++k)
            captions.push_back(a->text().toStdString());
        EXPECT_EQ(captions, names.empty() ? Names{"No Entries"} : names);
    }

    QPointer<LeagueWindow> window;
    QLineEdit* name = nullptr;
};

TEST_F(LeagueWindowTest, CreatingWritesAnEmptyLeagueAndRegistersIt) {
    start({});
    expectLeagues({});
    QTest::keyClicks(name, "Fall.2024-B/'x y");  // punctuation is dropped as it is typed
    EXPECT_EQ(name->text(), "Fall2024Bx y");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "Fall2024Bx ");
    name->clear();
    QTest::keyClicks(name, "Tuesday Men");
    QTest::keyClick(name, Qt::Key_Return);
    auto empty = std::make_unique<store::LeagueData>();
    EXPECT_EQ(readBytes("Tuesday Men.LGE"), store::FormatLeague(*empty));
    expectLeagues({"Tuesday Men"});
    expectClosedToNoLeague();
    act("leaguesmenu0")->trigger();
    EXPECT_EQ(main->panelMessage(), "Current League - Tuesday Men");
}

TEST_F(LeagueWindowTest, RefusedNameTellsWhyEmptiesTheBoxAndKeepsTheWindow) {
    start({"Spring"});
    const std::string registry = readBytes(store::kRegistryFileName);
    for (auto [typed, why] : {std::pair{"Spring", "That name is already in use."},
                              {"Fall:2", "Illegal Name for file"},
                              {"../Fall", "Illegal Name for file"},
                              {"..", "Illegal Name for file"}}) {
        SCOPED_TRACE(typed);
        name->setText(typed);  // pasted: the key filter does not see it
        press("Okbutton");
        EXPECT_EQ(
            s.dialogs.takeMessages(),
            (std::vector<platform::Message>{{why, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation}}));
        EXPECT_EQ(name->text(), "");
        EXPECT_FALSE(window.isNull());
        EXPECT_EQ(readBytes(store::kRegistryFileName), registry);
        // Nothing new beside the files and the program's lock on the folder.
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 5);
    }
}

TEST_F(LeagueWindowTest, DeletingAsksFirstThenRemovesTheLeagueAndItsTeams) {
    start({"Spring", "Summer", "Fall"});
    press("deletebutton");  // no name yet
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    QTest::keyClicks(name, "Winter");
    press("deletebutton");
    ASSERT_EQ(s.dialogs.takeMessages().at(0).text, "That name is not on the active list.");

    name->setText("SUMMER");  // found whatever the letter case
    s.dialogs.answer(platform::Answer::No);
    press("deletebutton");
    EXPECT_EQ(s.dialogs.takeMessages(),
              (std::vector<platform::Message>{{"Are you sure you want to Delete the selected\r\n\r\n"
                                               "League File and it's Team point data file?\r\n\r\n\r\n"
                                               "    CONTINUE?    Select 'NO' to Exit",
                                               "Quorval", platform::Buttons::YesNo, platform::Icon::Critical, 2}}));
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(fs::exists("Summer.LGE"));
    expectLeagues({"Spring", "Summer", "Fall"});

    s.dialogs.answer(platform::Answer::Yes);
    press("deletebutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_FALSE(fs::exists("Summer.LGE"));
    EXPECT_FALSE(fs::exists("Summer.tea"));
    EXPECT_TRUE(fs::exists("Spring.tea"));
    expectLeagues({"Spring", "Fall"});
    expectClosedToNoLeague();
}

TEST_F(LeagueWindowTest, CloseButtonLeavesNoLeagueOpenAndInfoShowsHelp) {
    start({"Spring"}, 0);
    press("infobutton");
    EXPECT_EQ(s.help.topics, Names{"Creating League Files"});
    press("Command3d1");
    expectClosedToNoLeague();
    EXPECT_TRUE(fs::exists("Spring.LGE"));
}

}  // namespace
}  // namespace quorval::gui
