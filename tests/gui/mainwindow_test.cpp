#include <gmock/gmock.h>

#include <map>

#include "exchange/roundscsv.hpp"
#include "leaguebuilder.hpp"
#include "mainwindowfixture.hpp"
#include "ui/main/listingview.hpp"
#include "ui/main/splashwindow.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using listing::View;
using ::testing::HasSubstr;
using Rows = std::vector<listing::Row>;
using Topics = std::vector<std::string>;

// clang-format off
// The menu items that mean nothing until a league is open.
const char* const kLeagueItems[] = {
    "entermenu", "RoundsandPerformanceMenu", "graphmenu0", "graphmenu1", "graphmenu2", "graphmenu3", "leaguehcmenu",
    "Playernamesmenu", "editroundmenu", "printcardsmenu", "Playermenu1", "Playermenu2", "Playermenu3", "Viewmenu1",
    "Viewmenu2", "Viewmenu3", "exportcsvmenu", "importcsvmenu", "defineteammenu", "enterteamresultsmenu",
    "teamsummarymenu"};
// clang-format on

std::unique_ptr<store::LeagueData> loadLeague(const std::string& name) {
    ScriptedDialogs quiet;
    auto d = std::make_unique<store::LeagueData>();
    d->leagueFileName = name + ".LGE";
    store::LoadLeagueFile(*d, quiet);
    store::LoadCourseFile(*d, quiet);
    return d;
}

// What the core listing shows of the league on disk in that view.
Rows coreRows(const std::string& league, View view = View::MostRecent, int player = 0) {
    auto d = loadLeague(league);
    listing::Listing l;
    l.setView(view);
    if (view == View::MostRecent) listing::Listing::ShowLatestRounds(*d), l.ListMostRecent(*d);
    if (view == View::ByDate) l.ListByDate(*d);
    if (view == View::Individual) l.ListPlayerRounds(*d, player);
    return l.rows();
}

class MainWindowTest : public MainWindowFixture {
protected:
    QString note() const { return main->findChild<QLabel*>("actionmessage")->text(); }
    QStringList checkedViews() const {
        QStringList on;
        for (QString name : {"Viewmenu1", "Viewmenu2", "Viewmenu3"})
            if (act(name)->isChecked()) on << name;
        return on;
    }
    Rows shownRows() const {
        auto* names = main->listingView()->names();
        auto* lines = main->listingView()->lines();
        EXPECT_EQ(names->count(), lines->count());
        Rows rows;
        for (int i = 0; i < std::min(names->count(), lines->count()); ++i)
            rows.push_back({names->item(i)->text().toStdString(), lines->item(i)->text().toStdString()});
        return rows;
    }
};

// The recent-league button and the league list open a league, which becomes the one opened last
// and wakes the items that need it.
TEST_F(MainWindowTest, LeagueListOpensTheLeagueAndWakesTheItemsThatNeedIt) {
    const std::vector<std::string> names = {"Spring", "Summer", "Fall"};
    writeLeagues(names);
    load();
    EXPECT_EQ(main->panelMessage(), "Open a League file to begin");
    const int gated[] = {3, 4, 7, 8, 9, 10};
    for (const char* name : kLeagueItems) EXPECT_FALSE(act(name)->isEnabled()) << name;
    for (int i : gated) EXPECT_FALSE(main->toolButton(i)->isEnabled()) << i;
    for (const char* name : {"settingsmenu", "Creatmenu", "Printmenu", "GCmenu1", "coursehcpmenu", "Infomenu"})
        EXPECT_TRUE(act(name)->isEnabled()) << name;
    s.data->teams.teamCount = 4;
    for (int k : {0, 2}) {
        EXPECT_EQ(act(QString("leaguesmenu%1").arg(k))->text().toStdString(), names[k]);
        k == 0 ? click(main->toolButton(0)) : act(QString("leaguesmenu%1").arg(k))->trigger();
        EXPECT_EQ(s.data->leagueFileName, names[k] + ".LGE");
        EXPECT_EQ(main->panelMessage().toStdString(), "Current League - " + names[k]);
        EXPECT_EQ(shownRows(), coreRows(names[k])) << names[k];
        EXPECT_EQ(s.data->registry.currentLeague, k);
        EXPECT_EQ(s.data->teams.teamCount, 0);  // teams are read for the league they belong to
    }
    EXPECT_EQ(s.dialogs.busyNotes(), Topics(2, "Processing, please wait..."));
    for (const char* name : kLeagueItems) EXPECT_TRUE(act(name)->isEnabled()) << name;
    for (int i : gated) EXPECT_TRUE(main->toolButton(i)->isEnabled()) << i;
}

// Each menu item opens its window (an analysis after its player is chosen), which gives the main
// window back when it closes; F1 shows the window's own topic, the contents when it has none.
TEST_F(MainWindowTest, MenuItemsOpenTheirWindows) {
    LeagueBuilder league(*s.data, "Spring");
    league.course("Pine Hills", "PH").player("Ann Lee").post("5/4/26", Holes(5)).post("5/11/26", Holes(4));
    league.team("Eagles", {1}).points("Week 1", 2.5f).write();
    load(0);
    // clang-format off
    const std::pair<const char*, const char*> windows[] = {
        {"settingsmenu", "Setfont"}, {"programmenu", "programmers"}, {"Backupmenu", "Backupform"}, {"GCmenu1", "course"},
        {"coursehcpmenu", "CHcpform"}, {"Playermenu1", "playform"}, {"Playermenu2", "sortform"},
        {"Playermenu3", "RMplayer"}, {"Playernamesmenu", "Playernm"}, {"entermenu", "selectplayers"},
        {"RoundsandPerformanceMenu", "selectplayers"}, {"editroundmenu", "GPlayer"},
        {"defineteammenu", "createteamsform"}, {"enterteamresultsmenu", "teamdataform"}, {"printcardsmenu", "HcpCards"},
        {"printscorecardsmenu", "scorecards"}, {"leaguehcmenu", "compareform"}, {"teamsummarymenu", "PrintTeamform"},
        {"graphmenu0", "Statsform"}, {"graphmenu1", "FullStatForm"}, {"graphmenu2", "GRform"},
        {"graphmenu3", "Piechart"}, {"Creatmenu", "Createleagueform"}, {"schedulemenu", "scheduleform"},
        {"matchesmenu", "matchesform"}, {"standingsmenu", "standingsform"},
        {"aboutmenu", "aboutwindow"}};
    // clang-format on
    std::map<std::string, std::string> topics;
    for (auto [item, name] : windows) {
        SCOPED_TRACE(item);
        act(item)->trigger();
        if (QWidget* chooser = visibleWindow("ANchooseplayer")) {
            child<QListWidget>(chooser, "List1")->setCurrentRow(0);
            click(child<QPushButton>(chooser, "acceptbutton"));
        }
        QWidget* w = visibleWindow(name);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(main->isEnabled());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        topics[name] = s.help.topics.back();
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main->runViewTimer();
        EXPECT_TRUE(main->isEnabled());
    }
    EXPECT_EQ(topics["Setfont"], "Fonts");
    EXPECT_EQ(topics["selectplayers"], "Entering Scores");
    EXPECT_EQ(topics["programmers"], "Contents");
    EXPECT_EQ(topics["scheduleform"], "Season Schedule");
    EXPECT_EQ(topics["scorecards"], "Scorecards");
}

// With no league to open a click beeps and says why, as does the recent-league button when the
// league opened last is no longer on the list.
TEST_F(MainWindowTest, NoLeagueToOpenBeepsAndSaysWhy) {
    load();
    EXPECT_TRUE(s.dialogs.takeMessages().empty());
    EXPECT_THAT(main->panelMessage().toStdString(),
                ::testing::AllOf(::testing::StartsWith("No leagues yet: create the first with File > Create"),
                                 HasSubstr("quorval-cli demo")));
    act("leaguesmenu0")->trigger();
    click(main->toolButton(0));
    EXPECT_EQ(s.dialogs.beeps(), 2);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);

    writeLeagues({"Spring", "Summer"}, 5);
    load();
    click(main->toolButton(0));
    EXPECT_EQ(s.dialogs.beeps(), 3);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
}

TEST_F(MainWindowTest, SpinStepsThroughTheRoundsAndTheMessageTimerClearsTheNote) {
    writeLeagues({"Spring"});
    load(0);
    auto expected = loadLeague("Spring");
    listing::Listing core;
    listing::Listing::ShowLatestRounds(*expected);
    SpinButton* spin = main->listingView()->spin();
    click(spin->downButton());
    core.SpinDown(*expected);
    EXPECT_EQ(shownRows(), core.rows());
    EXPECT_EQ(note(), "Viewing rounds entered earlier");
    EXPECT_TRUE(main->timer("messagetimer")->isActive());
    main->runMessageTimer();
    EXPECT_EQ(note(), "");
    click(spin->upButton());
    EXPECT_EQ(note(), "Viewing more recently entered rounds");
}

// The Individual view asks for its player; Exit from the chooser goes back to the view before it,
// and exactly one VIEW item is checked all along.
TEST_F(MainWindowTest, IndividualViewListsThePlayerChosenAndExitGoesBack) {
    writeLeagues({"Spring"});
    load(0);
    QWidget* picture = main->findChild<QWidget*>("Picture2");
    act("Viewmenu2")->trigger();
    act("Viewmenu3")->trigger();
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu3"});
    EXPECT_TRUE(picture->isHidden());
    QWidget* chooser = visibleWindow("chooseplayer");
    ASSERT_NE(chooser, nullptr);
    click(child<QPushButton>(chooser, "exitbutton"));
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu2"});
    main->runViewTimer();
    EXPECT_FALSE(picture->isHidden());
    EXPECT_EQ(shownRows(), coreRows("Spring", View::ByDate));

    act("Viewmenu3")->trigger();
    chooser = visibleWindow("chooseplayer");
    child<QListWidget>(chooser, "List1")->setCurrentRow(2);
    click(child<QPushButton>(chooser, "acceptbutton"));
    EXPECT_EQ(s.data->currentPlayer, 3);
    main->showCurrentPlayerRounds();
    EXPECT_EQ(shownRows(), coreRows("Spring", View::Individual, 3));
}

// First start: wide enough for every column; names and lines scroll together, the headings stay
// while the rows scroll. Size, place and view come back, a place off the screen brought onto it.
TEST_F(MainWindowTest, ListingScrollsTogetherAndTheWindowRemembersItsPlaceAndView) {
    writeLeagues({"Big"}, 0, [](store::LeagueData& d, int) { samples::FillFullLeague(d); });
    load(0);
    QCoreApplication::processEvents();
    ListingView* view = main->listingView();
    QListWidget* heading = view->linesHeading();
    QListWidget* lines = view->lines();
    EXPECT_GE(main->width(), std::min(heading->visualItemRect(heading->item(0)).width() + view->names()->width(),
                                      main->screen()->availableGeometry().width()));
    QScrollBar* down = view->verticalBar();
    ASSERT_GT(down->maximum(), 10);
    down->setValue(10);
    EXPECT_EQ(lines->verticalScrollBar()->value(), 10);
    lines->verticalScrollBar()->setValue(down->maximum());  // the mouse wheel over the lines
    EXPECT_EQ(view->names()->verticalScrollBar()->value(), down->maximum());
    EXPECT_EQ(heading->item(0)->text(), lines->item(0)->text());
    main->resize(400, main->height());  // too narrow for the lines: they scroll sideways, the heading too
    QCoreApplication::processEvents();
    ASSERT_GT(lines->horizontalScrollBar()->maximum(), 30);
    lines->horizontalScrollBar()->setValue(30);  // the keyboard moving along a line
    EXPECT_EQ(heading->horizontalScrollBar()->value(), 30);

    for (QRect place : {QRect(40, 50, 720, 530), QRect(60, 70, 600, 420)}) {  // small ones too
        main->setGeometry(place);
        act("Viewmenu2")->trigger();
        main->close();
        load();
        EXPECT_EQ(main->geometry(), place);
    }
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu2"});
    s.data->settings.windowLeft = s.data->settings.windowTop = 5000;
    store::SaveSettingsFile(*s.data, s.dialogs);
    load();
    EXPECT_EQ(main->geometry().bottomRight(), main->screen()->availableGeometry().bottomRight());
}

// The splash goes on at any key, into the league used last unless the settings say otherwise.
TEST_F(MainWindowTest, SplashGivesWayToAnyKeyAndOpensTheLastLeague) {
    writeLeagues({"Spring", "Summer"}, 1);
    for (bool openLast : {true, false}) {
        SCOPED_TRACE(openLast);
        main = std::make_unique<MainWindow>(s.services);
        SplashWindow splash(s.services, *main);
        splash.Load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        QTest::keyClick(&splash, Qt::Key_X);
        EXPECT_FALSE(splash.isVisible());
        EXPECT_EQ(main->panelMessage(), openLast ? "Current League - Summer" : "Open a League file to begin");
        s.data->settings.openLastLeague = 0;
        store::SaveSettingsFile(*s.data, s.dialogs);
        main->close();
        store::ClearLeagueData(*s.data);
        s.data->leagueFileName.clear();
    }
    s.dialogs.takeMessages();
}

// Export writes the open league's rounds; import posts a file's rounds into the open league,
// asking before it keeps a file with bad rows.
TEST_F(MainWindowTest, RoundsGoOutAndComeInAsSpreadsheetFiles) {
    writeLeagues({"Spring", "Summer"});
    load(0);
    s.dialogs.answerSaveFile((dir.path() / "spring").string());
    act("exportcsvmenu")->trigger();
    EXPECT_EQ(readBytes(dir.path() / "spring.csv"), exchange::RoundsCsv(*loadLeague("Spring")));

    act("leaguesmenu1")->trigger();
    s.dialogs.takeMessages();
    int before = s.data->playerCount;
    std::string headings = "player,date,course", holes;
    for (int h = 1; h <= 18; ++h) headings += ",hole" + std::to_string(h), holes += ",5";
    writeBytes("new.csv",
               headings + "\r\nNew Man,2026-06-01,Course 2" + holes + "\r\nNew Man,2026-06-02,Mars" + holes + "\r\n");
    for (platform::Answer keep : {platform::Answer::No, platform::Answer::Yes}) {
        s.dialogs.answerSaveFile((dir.path() / "new.csv").string());
        s.dialogs.answer(keep);
        act("importcsvmenu")->trigger();
        EXPECT_THAT(s.dialogs.takeMessages().at(0).text, HasSubstr("line 3: there is no course \"Mars\""));
        EXPECT_EQ(loadLeague("Summer")->playerCount, keep == platform::Answer::Yes ? before + 1 : before);
    }
    // The listing shows the imported player without a Refresh.
    EXPECT_TRUE(main->timer("ViewTimer")->isActive());
    main->runViewTimer();
    Rows rows = shownRows();
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const listing::Row& row) { return row.name == "New Man"; }));
}

}  // namespace
}  // namespace quorval::gui
