// The main window and the data folder's lock, and a league that fails to load.
#include <set>

#include "mainwindowfixture.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Two leagues, Fall and Spring.
struct FolderLockWindow : MainWindowFixture {
    void SetUp() override { writeLeagues({"Fall", "Spring"}); }
    void load(std::optional<platform::Answer> answer = {}) {
        if (answer) s.dialogs.answer(*answer);
        MainWindowFixture::load();
    }
    bool enabled(const char* name) const { return main->action(name)->isEnabled(); }
};

TEST_F(FolderLockWindow, AFolderHeldElsewhereOpensReadOnlyWithEveryWritingCommandAtRestOrNotAtAll) {
    store::FolderLock other("Quorval");
    ASSERT_EQ(other.tryTake(), store::FolderLock::Result::Taken);
    load(platform::Answer::ReadOnly);
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].buttons, platform::Buttons::ReadOnlyQuit);
    EXPECT_EQ(shown[0].text.find("This data folder is open in Quorval on " + store::HostName()), 0u) << shown[0].text;
    EXPECT_TRUE(main->readOnly() && main->windowTitle().contains("read-only"));
    auto* bar = main->findChild<QLabel*>("readonlybar");
    EXPECT_TRUE(bar->isVisibleTo(main.get()));
    EXPECT_EQ(bar->text().toStdString(), "Read-only: this folder is open in Quorval on " + store::HostName());

    main->action("leaguesmenu1")->trigger();  // not the league opened last: that would be noted
    EXPECT_EQ(main->panelMessage(), "Current League - Spring");
    // Every menu item: those still at hand only read the data folder (or write elsewhere).
    const std::set<std::string> readers = {
        "programmenu",   "Printmenu",      "printcardsmenu", "printresultsmenu", "printscorecardsmenu",
        "printfilemenu", "exportcsvmenu",  "publishmenu",    "Printsetupmenu",   "Backupmenu",
        "Exitmenu",      "schedulemenu",   "matchesmenu",    "standingsmenu",    "CHCPChartmenu",
        "coursehcpmenu", "Viewmenu1",      "Viewmenu2",      "Viewmenu3",        "teamsummarymenu",
        "graphmenu0",    "graphmenu1",     "graphmenu2",     "graphmenu3",       "leaguehcmenu",
        "Infomenu",      "helpsearchmenu", "quickstartmenu", "Purposemenu",      "aboutmenu"};
    int walked = 0;
    for (QMenu* menu : main->findChildren<QMenu*>()) {
        for (QAction* item : menu->actions()) {
            std::string name = item->objectName().toStdString();
            // Cut, Copy and Paste follow the focused box, not the folder.
            if (item->menu() || item->isSeparator() || name.empty() || name.starts_with("leaguesmenu") ||
                name.starts_with("Editmenu2"))
                continue;
            ++walked;
            EXPECT_EQ(item->isEnabled(), readers.count(name) == 1) << name;
        }
    }
    EXPECT_GT(walked, 40);
    for (const char* name : {"importcsvmenu", "Restoremenu", "settingsmenu"}) EXPECT_FALSE(enabled(name)) << name;
    for (int button : {3, 6, 11}) EXPECT_FALSE(main->toolButton(button)->isEnabled()) << button;

    load(platform::Answer::Quit);
    s.dialogs.takeMessages();
    EXPECT_TRUE(main->quitting() && !main->readOnly());
}

TEST_F(FolderLockWindow, TheProgramHoldsTheFolderAndALeagueThatFailsToLoadLeavesNoneOpen) {
    load();
    store::FolderLock cli("quorval-cli");
    EXPECT_EQ(cli.tryTake(), store::FolderLock::Result::Busy);

    main->action("leaguesmenu0")->trigger();
    ASSERT_TRUE(enabled("entermenu"));
    std::string text = readBytes("Spring.LGE");
    writeBytes("Spring.LGE", text.substr(0, text.size() / 2));
    main->action("leaguesmenu1")->trigger();
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.starts_with("The league file Spring.LGE could not be loaded: line ")) << shown[0].text;
    EXPECT_TRUE(s.data->leagueFileName.empty() && s.data->playerCount == 0 && !enabled("entermenu"));
    EXPECT_EQ(main->panelMessage(), "Open a League file to begin");
    main.reset();
    EXPECT_EQ(cli.tryTake(), store::FolderLock::Result::Taken);
}

}  // namespace
}  // namespace quorval::gui
