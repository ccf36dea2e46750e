#include <gmock/gmock.h>

#include <map>

#include "backup/backup.hpp"
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

// The league read from disk as the window reads it.
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
    QWidget* picture() const { return main->findChild<QWidget*>("Picture2"); }
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

TEST_F(MainWindowTest, LeagueListItemOpensTheLeagueInTheNextRegistrySlot) {
    const std::vector<std::string> names = {"Spring", "Summer", "Fall"};
    writeLeagues(names);
    load();
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu1"});
    ASSERT_EQ(main->findChild<QMenu*>("Openmenu")->actions().size(), 3);
    s.data->teams.teamCount = 4;
    for (int k : {2, 0, 1}) {
        QAction* item = act(QString("leaguesmenu%1").arg(k));
        EXPECT_EQ(item->text().toStdString(), names[k]);
        item->trigger();
        EXPECT_EQ(s.data->leagueFileName, names[k] + ".LGE");
        EXPECT_EQ(main->panelMessage().toStdString(), "Current League - " + names[k]);
        EXPECT_EQ(shownRows(), coreRows(names[k])) << names[k];
        EXPECT_EQ(s.data->registry.currentLeague, k);
        EXPECT_EQ(s.data->teams.teamCount, 0);  // teams are read for the league they belong to
    }
    EXPECT_EQ(s.dialogs.busyNotes(), Topics(3, "Processing, please wait..."));
}

TEST_F(MainWindowTest, LeagueItemsAndTheirToolButtonsWaitForAnOpenLeague) {
    writeLeagues({"Spring"});
    load();
    EXPECT_EQ(main->panelMessage(), "Open a League file to begin");
    for (const char* name : kLeagueItems) EXPECT_FALSE(act(name)->isEnabled()) << name;
    for (const char* name : {"settingsmenu", "Creatmenu", "Printmenu", "GCmenu1", "coursehcpmenu", "Infomenu"})
        EXPECT_TRUE(act(name)->isEnabled()) << name;
    const int gated[] = {3, 4, 7, 8, 9, 10};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : kLeagueItems) spies.push_back(std::make_unique<QSignalSpy>(act(name), &QAction::triggered));
    for (int i : gated) click(main->toolButton(i));
    for (auto& spy : spies) EXPECT_EQ(spy->count(), 0);
    click(main->toolButton(12));
    EXPECT_EQ(s.help.topics, Topics{"Contents"});

    click(main->toolButton(0));
    EXPECT_EQ(s.data->leagueFileName, "Spring.LGE");
    for (const char* name : kLeagueItems) EXPECT_TRUE(act(name)->isEnabled()) << name;
    for (int i : gated) EXPECT_TRUE(main->toolButton(i)->isEnabled()) << i;
}

// Each menu item opens its window (an analysis after its player is chosen), which gives the main
// window back when it closes; F1 in it shows its help.
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
        {"graphmenu3", "Piechart"}, {"Creatmenu", "Createleagueform"}};
    // clang-format on
    std::map<std::string, std::string> topics;  // what F1 shows in each window
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
    // F1 shows the window's own topic, the contents when it has none.
    EXPECT_EQ(topics["Setfont"], "Fonts");
    EXPECT_EQ(topics["selectplayers"], "Entering Scores");
    EXPECT_EQ(topics["programmers"], "Contents");
}

// A new folder: no box at all, the panel says how to begin; a click with no league beeps and says
// why, as does the recent-league button when the league opened last is no longer on the list.
TEST_F(MainWindowTest, NoLeagueToOpenBeepsAndSaysWhy) {
    load();  // no registry at all
    EXPECT_TRUE(s.dialogs.takeMessages().empty());
    EXPECT_THAT(main->panelMessage().toStdString(),
                ::testing::AllOf(::testing::StartsWith("No leagues yet: create the first with File > Create"),
                                 ::testing::HasSubstr("quorval-cli demo")));
    ASSERT_EQ(main->findChild<QMenu*>("Openmenu")->actions().size(), 1);
    act("leaguesmenu0")->trigger();
    click(main->toolButton(0));
    EXPECT_EQ(s.dialogs.beeps(), 2);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);
    EXPECT_TRUE(s.data->leagueFileName.empty());
    EXPECT_FALSE(act("entermenu")->isEnabled());

    writeLeagues({"Spring", "Summer"}, 5);
    load();
    click(main->toolButton(0));
    EXPECT_EQ(s.dialogs.beeps(), 3);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_TRUE(s.data->leagueFileName.empty());

    // Refresh reads the league opened last again from disk.
    act("leaguesmenu1")->trigger();
    act("leaguesmenu0")->trigger();
    act("leaguesmenu1")->trigger();
    auto changed = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*changed, 77, 9);
    writeBytes("Summer.LGE", store::FormatLeague(*changed));
    click(main->toolButton(1));
    EXPECT_EQ(s.data->leagueFileName, "Summer.LGE");
    EXPECT_EQ(shownRows(), coreRows("Summer"));
}

TEST_F(MainWindowTest, SpinStepsThroughTheRoundsAndTheMessageTimerClearsTheNote) {
    writeLeagues({"Spring"});
    load(0);
    auto expected = loadLeague("Spring");
    listing::Listing core;
    listing::Listing::ShowLatestRounds(*expected);
    SpinButton* spin = main->listingView()->spin();
    QTimer* timer = main->timer("messagetimer");

    click(spin->upButton());  // already at the latest rounds
    EXPECT_EQ(note(), "");
    EXPECT_FALSE(timer->isActive());
    click(spin->downButton());
    core.SpinDown(*expected);
    EXPECT_EQ(shownRows(), core.rows());
    EXPECT_EQ(note(), "Viewing rounds entered earlier");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 3000);
    main->runMessageTimer();
    EXPECT_EQ(note(), "");
    EXPECT_FALSE(timer->isActive());
    click(spin->upButton());
    EXPECT_EQ(note(), "Viewing more recently entered rounds");
    EXPECT_EQ(shownRows(), coreRows("Spring"));
}

// The Individual view asks for its player; Exit from the chooser goes back to the view before it,
// nothing brings the chooser back by itself, and exactly one VIEW item is checked all along.
TEST_F(MainWindowTest, IndividualViewListsThePlayerChosenAndExitGoesBack) {
    writeLeagues({"Spring"});
    load(0);
    act("Viewmenu2")->trigger();
    act("Viewmenu2")->trigger();  // a second click leaves it checked
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu2"});
    act("Viewmenu3")->trigger();
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu3"});
    EXPECT_TRUE(picture()->isHidden());
    QWidget* chooser = visibleWindow("chooseplayer");
    ASSERT_NE(chooser, nullptr);
    EXPECT_FALSE(main->isEnabled());
    EXPECT_EQ(child<QLabel>(chooser, "Playerlabel")->text(), "Spring Player List");
    click(child<QPushButton>(chooser, "exitbutton"));
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu2"});
    EXPECT_TRUE(main->isEnabled());
    main->runViewTimer();
    EXPECT_FALSE(picture()->isHidden());
    EXPECT_EQ(shownRows(), coreRows("Spring", View::ByDate));

    act("Viewmenu3")->trigger();
    chooser = visibleWindow("chooseplayer");
    auto* accept = child<QPushButton>(chooser, "acceptbutton");
    click(accept);  // nothing chosen yet
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    auto* names = child<QListWidget>(chooser, "List1");
    ASSERT_EQ(names->count(), s.data->playerCount);
    names->setCurrentRow(2);
    click(accept);
    EXPECT_EQ(visibleWindow("chooseplayer"), nullptr);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(s.data->currentPlayer, 3);
    EXPECT_TRUE(main->timer("Timer1")->isActive());
    main->showCurrentPlayerRounds();
    EXPECT_FALSE(main->timer("Timer1")->isActive());
    EXPECT_FALSE(picture()->isHidden());
    EXPECT_EQ(shownRows(), coreRows("Spring", View::Individual, 3));

    act("Viewmenu3")->trigger();
    visibleWindow("chooseplayer")->findChild<QPushButton*>("exitbutton")->click();
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu3"});
    EXPECT_TRUE(main->isEnabled());
    // An entry started and given up: the Individual view comes back on its own, no chooser.
    act("entermenu")->trigger();
    click(child<QPushButton>(visibleWindow("selectplayers"), "cancelbutton"));
    main->runViewTimer();
    EXPECT_EQ(visibleWindow("chooseplayer"), nullptr);
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu3"});
    EXPECT_EQ(shownRows(), coreRows("Spring", View::Individual, 3));
}

// First start: wide enough for every column and a 30-character name; names and lines scroll
// together, the headings stay while the rows scroll. Then size, place and view come back.
TEST_F(MainWindowTest, ListingFitsScrollsTogetherAndTheWindowRemembersItsPlaceAndView) {
    static const std::string longName = "Maximilian Alexander Fitzgerald-Worthington";
    writeLeagues({"Big"}, 0, [](store::LeagueData& d, int) {
        samples::FillFullLeague(d);
        d.players[1].name = longName;
    });
    load(0);
    QCoreApplication::processEvents();
    ListingView* view = main->listingView();
    QListWidget* heading = view->linesHeading();
    QListWidget* lines = view->lines();
    // The heading line ends with "Net": all of it fits, as far as the screen allows.
    int need = heading->visualItemRect(heading->item(0)).width() + view->names()->width();
    EXPECT_GE(main->width(), std::min(need, main->screen()->availableGeometry().width()));
    QFontMetrics metrics(view->names()->font());
    EXPECT_GE(view->names()->viewport()->width(), metrics.horizontalAdvance(QString(30, 'W')));
    EXPECT_LT(view->names()->viewport()->width(), metrics.horizontalAdvance(QString::fromStdString(longName)));

    QScrollBar* down = view->verticalBar();
    QScrollBar* across = view->horizontalBar();
    ASSERT_GT(down->maximum(), 10);
    ASSERT_GT(across->maximum(), 0);
    down->setValue(10);
    EXPECT_EQ(view->names()->verticalScrollBar()->value(), 10);
    EXPECT_EQ(lines->verticalScrollBar()->value(), 10);
    lines->verticalScrollBar()->setValue(down->maximum());  // the mouse wheel over the lines
    EXPECT_EQ(view->names()->verticalScrollBar()->value(), down->maximum());
    EXPECT_EQ(down->value(), down->maximum());
    EXPECT_TRUE(heading->isVisible());
    EXPECT_EQ(heading->item(0)->text(), lines->item(0)->text());
    EXPECT_TRUE(lines->isRowHidden(0));
    EXPECT_GT(lines->indexAt(QPoint(2, 2)).row(), listing::kHeadingRows);

    lines->horizontalScrollBar()->setValue(5);  // a sideways wheel over the lines
    EXPECT_EQ(across->value(), 5);
    across->setValue(across->maximum());
    EXPECT_EQ(lines->horizontalScrollBar()->value(), across->maximum());
    // The longest line, the heading's underline, ends inside the list.
    EXPECT_LE(lines->visualItemRect(lines->item(1)).right(), lines->viewport()->width());
    EXPECT_EQ(view->names()->horizontalScrollBar()->value(), 0);

    QRect left(40, 50, 720, 530);
    main->setGeometry(left);
    act("Viewmenu2")->trigger();
    main->close();
    load();
    EXPECT_EQ(main->geometry(), left);
    EXPECT_EQ(checkedViews(), QStringList{"Viewmenu2"});
}

TEST_F(MainWindowTest, NormalWindowKeepsItsMinimumSizeAndOthersTheShortCaption) {
    writeLeagues({});
    for (auto [screenWidth, minimum] : {std::pair{640, QSize(577, 402)}, std::pair{1024, QSize(700, 500)}}) {
        s.screen.width = screenWidth;
        load();
        main->resize(300, 200);
        EXPECT_EQ(main->size(), minimum) << screenWidth;
    }
    EXPECT_EQ(main->windowTitle(), "Quorval");
    for (auto [state, caption] : {std::pair{Qt::WindowMinimized, "Q.V.L."}, std::pair{Qt::WindowNoState, "Quorval"},
                                  std::pair{Qt::WindowMaximized, "Q.V.L."}}) {
        main->setWindowState(state);
        EXPECT_EQ(main->windowTitle(), caption);
    }
}

// F1 in the main window shows the contents; the Help menu shows its topics and the search, and
// leaving the program closes the help.
TEST_F(MainWindowTest, HelpMenuShowsItsTopicsAndClosesWithTheProgram) {
    writeLeagues({});
    load();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(main.get(), Qt::Key_F1);
    act("quickstartmenu")->trigger();
    act("Purposemenu")->trigger();
    act("helpsearchmenu")->trigger();
    EXPECT_EQ(s.help.topics, (Topics{"Contents", "Quick Start Basics", "Program Purpose & Intent"}));
    EXPECT_EQ(s.help.searches, 1);
    EXPECT_EQ(s.help.closes, 0);
    act("Exitmenu")->trigger();
    EXPECT_EQ(s.help.closes, 1);
    EXPECT_FALSE(main->isVisible());
}

// The splash goes on at any key, into the league used last unless the settings say otherwise, and
// shows the version.
TEST_F(MainWindowTest, SplashGivesWayToAnyKeyAndOpensTheLastLeague) {
    writeLeagues({"Spring", "Summer"}, 1);
    for (bool openLast : {true, false}) {
        SCOPED_TRACE(openLast);
        main = std::make_unique<MainWindow>(s.services);
        SplashWindow splash(s.services, *main);
        splash.Load();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
        EXPECT_THAT(splash.versionLabel()->text().toStdString(), ::testing::MatchesRegex("Version [0-9]+\\.[0-9]+.*"));
        QTest::keyClick(&splash, Qt::Key_X);
        EXPECT_FALSE(splash.isVisible());
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(main->panelMessage(), openLast ? "Current League - Summer" : "Open a League file to begin");
        s.data->settings.openLastLeague = 0;
        store::SaveSettingsFile(*s.data);
        main->close();
        store::ClearLeagueData(*s.data);
        s.data->leagueFileName.clear();
    }
    s.dialogs.takeMessages();
}

// File > Export > Rounds as CSV writes the open league's rounds; File > Import rounds from CSV
// posts a file's rounds into the open league, asking before it keeps a file with bad rows.
TEST_F(MainWindowTest, RoundsGoOutAndComeInAsSpreadsheetFiles) {
    writeLeagues({"Spring", "Summer"});
    load(0);
    s.dialogs.answerSaveFile((dir.path() / "spring").string());
    act("exportcsvmenu")->trigger();
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(readBytes(dir.path() / "spring.csv"), exchange::RoundsCsv(*loadLeague("Spring")));

    act("leaguesmenu1")->trigger();
    int before = s.data->playerCount;
    std::string headings = "player,date,course", holes;
    for (int h = 1; h <= 18; ++h) headings += ",hole" + std::to_string(h), holes += ",5";
    writeBytes("new.csv",
               headings + "\r\nNew Man,2026-06-01,Course 2" + holes + "\r\nNew Man,2026-06-02,Mars" + holes + "\r\n");
    for (platform::Answer keep : {platform::Answer::No, platform::Answer::Yes}) {
        s.dialogs.answerSaveFile((dir.path() / "new.csv").string());
        s.dialogs.answer(keep);
        act("importcsvmenu")->trigger();
        auto asked = s.dialogs.takeMessages();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_THAT(asked[0].text, ::testing::HasSubstr("line 3: there is no course \"Mars\""));
        EXPECT_EQ(loadLeague("Summer")->playerCount, keep == platform::Answer::Yes ? before + 1 : before);
    }
    EXPECT_EQ(s.data->playerCount, before + 1);
    EXPECT_EQ(s.data->players[before + 1].rounds[1].gross(), 90);
}

// File > Backup your data files > Restore puts a backup back, keeps what it replaced and opens the
// league again from the restored file.
TEST_F(MainWindowTest, RestoreListsTheBackupAsksAndReopensTheLeague) {
    writeLeagues({"Spring"});
    load(0);
    const std::string original = readBytes("Spring.LGE");
    const std::string name = s.data->players[1].name;
    std::filesystem::path usb = dir.path() / "usb";
    std::filesystem::create_directory(usb);
    ASSERT_EQ(backup::BackupDataFiles(*s.data, s.dialogs, usb.string()), backup::BackupOutcome::Done);
    s.dialogs.takeMessages();
    auto changed = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*changed, 99, 3);
    writeBytes("Spring.LGE", store::FormatLeague(*changed));
    act("leaguesmenu0")->trigger();
    ASSERT_NE(s.data->players[1].name, name);

    s.dialogs.answerFolder(std::nullopt);
    act("Restoremenu")->trigger();  // cancelled: nothing asked
    s.dialogs.answerFolder(usb.string());
    s.dialogs.answer(platform::Answer::Yes);
    act("Restoremenu")->trigger();
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 2u);
    for (const char* file : {"Spring.LGE    ", "course.dat    ", "Qvleague.DAT    "})
        EXPECT_THAT(shown[0].text, ::testing::HasSubstr(file));
    EXPECT_THAT(shown[1].text, ::testing::StartsWith("3 files were restored"));
    EXPECT_EQ(readBytes("Spring.LGE"), original);
    EXPECT_EQ(readBytes("Spring.LGE.before-restore"), store::FormatLeague(*changed));
    EXPECT_EQ(s.data->leagueFileName, "Spring.LGE");
    EXPECT_EQ(s.data->players[1].name, name);
}

}  // namespace
}  // namespace quorval::gui
