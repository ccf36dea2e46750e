#include "ui/main/mainwindow.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "backup/backup.hpp"
#include "exchange/roundscsv.hpp"
#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "listing/listing.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "tempdir.hpp"
#include "ui/main/listingview.hpp"
#include "ui/main/splashwindow.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using ::testing::StartsWith;
namespace fs = std::filesystem;

// The menu items that mean nothing until a league is open.
const char* const kLeagueItems[] = {
    "entermenu",       "RoundsandPerformanceMenu",
    "graphmenu0",      "graphmenu1",
    "graphmenu2",      "graphmenu3",
    "leaguehcmenu",    "Playernamesmenu",
    "editroundmenu",   "printcardsmenu",
    "Playermenu1",     "Playermenu2",
    "Playermenu3",     "Viewmenu1",
    "Viewmenu2",       "Viewmenu3",
    "exportcsvmenu",   "importcsvmenu",
    "defineteammenu",  "enterteamresultsmenu",
    "teamsummarymenu",
};

// League files of a few random players each, the course table and a registry that names them.
void writeLeagues(const std::vector<std::string>& names, int current = 0) {
    auto d = std::make_unique<store::LeagueData>();
    for (size_t i = 0; i < names.size(); ++i) {
        samples::FillRandomLeague(*d, static_cast<uint32_t>(10 + i), static_cast<int>(6 + i));
        writeBytes(names[i] + ".LGE", store::FormatLeague(*d));
        d->registry.leagueFiles[i + 1] = names[i];
    }
    d->registry.leagueCount = static_cast<int16_t>(names.size());
    d->registry.currentLeague = static_cast<int16_t>(current);
    writeBytes(store::kCourseFileName, store::FormatCourses(*d));
    writeBytes(store::kRegistryFileName, store::FormatRegistry(*d));
}

// The league read as the window reads it, to build the listing the window should show.
std::unique_ptr<store::LeagueData> loadLeague(const std::string& name) {
    ScriptedDialogs quiet;
    auto d = std::make_unique<store::LeagueData>();
    d->leagueFileName = name + ".LGE";
    store::LoadLeagueFile(*d, quiet);
    store::LoadCourseFile(*d, quiet);
    return d;
}

std::vector<listing::Row> mostRecentRows(store::LeagueData& d) {
    listing::Listing l;
    listing::Listing::ShowLatestRounds(d);
    l.ListMostRecent(d);
    return l.rows();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1); }

    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != main.get() && w->isVisible() && w->testAttribute(Qt::WA_DeleteOnClose)) w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main.reset();
    }

    void load() {
        main = std::make_unique<MainWindow>(s.services);
        main->Load();
        main->show();
    }

    QWidget* window(const QString& name) const {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible()) return w;
        }
        return nullptr;
    }

    QAction* act(const QString& name) const { return main->action(name); }
    QString note() const { return main->findChild<QLabel*>("actionmessage")->text(); }
    void click(QAbstractButton* b) const { QTest::mouseClick(b, Qt::LeftButton); }

    std::vector<listing::Row> shownRows() const {
        auto* names = main->listingView()->names();
        auto* lines = main->listingView()->lines();
        EXPECT_EQ(names->count(), lines->count());
        std::vector<listing::Row> rows;
        for (int i = 0; i < std::min(names->count(), lines->count()); ++i) {
            rows.push_back({names->item(i)->text().toStdString(), lines->item(i)->text().toStdString()});
        }
        return rows;
    }

    TempWorkDir dir;
    TestServices s;
    std::unique_ptr<MainWindow> main;
};

// A menu's items: object name and caption, a submenu's items in brackets after it.
QString describe(QMenu* menu) {
    QStringList items;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        QMenu* sub = a->menu();
        items << (sub ? sub->objectName() + "=" + a->text() + " [" + describe(sub) + "]"
                      : a->objectName() + "=" + a->text());
    }
    return items.join(", ");
}

TEST_F(MainWindowTest, MenusShowTheirItemsInOrder) {
    writeLeagues({});
    load();
    std::vector<std::string> shown;
    for (QAction* top : main->menuBar()->actions()) {
        shown.push_back((top->menu()->objectName() + "=" + top->text() + ": " + describe(top->menu())).toStdString());
    }
    const std::vector<std::string> expected = {
        "Filemenu=&File: programmenu=Programming Information, settingsmenu=&Settings, "
        "Creatmenu=&Create or Delete a League File, Openmenu=&Open League File [leaguesmenu0=No Entries], "
        "Printmenu=&Print, printcardsmenu=Print Handicap &Cards, printresultsmenu=Print &Results of a Day..., "
        "printscorecardsmenu=Print &Scorecards..., printfilemenu=Export Listing as Text, "
        "exportmenu=Expor&t [exportcsvmenu=Rounds as &CSV], importcsvmenu=&Import rounds from CSV, "
        "publishmenu=P&ublish League Pages..., Printsetupmenu=Printer Setup, entermenu=&Enter Rounds (basic), "
        "RoundsandPerformanceMenu=Enter Rounds && Personal Performance, "
        "backupmainmenu=&Backup your data files [Backupmenu=Backup Data Files to another location, "
        "Restoremenu=&Restore from a backup...], Exitmenu=E&xit",
        "Editmenu=&Edit: Editmenu21=&Cut, Editmenu22=C&opy, Editmenu23=&Paste, "
        "editroundmenu=Correct / &Edit or Delete a Round",
        "Playersmenu=&Players: Playermenu1=&Add Player, Playermenu2=&Sort / Arrange Player List, "
        "Playermenu3=&Remove Player, Playernamesmenu=&Edit Player Names",
        "coursesmenu=&Courses: GCmenu1=&Add New Course, GCmenu2=&Edit Course, GCmenu3=&Delete Course, "
        "CHCPChartmenu=&Print Course Handicap Reference Chart, coursehcpmenu=&Calculate Course Handicap",
        "Vmenu=&VIEW: Viewmenu1=Most &Recent Rounds Entered, Viewmenu2=By &Date, Viewmenu3=Individual &Player",
        "teammenu=&Teams: defineteammenu=&Define Teams, enterteamresultsmenu=&Enter Team Results, "
        "teamsummarymenu=&Team Summary Reports",
        "Analmenu=Performance && Analysis: graphmenu0=Personal Performance Summary, "
        "graphmenu1=Performance Review by Course Played, graphmenu2=Individual Handicap Trends, "
        "graphmenu3=Individual Scoring Averages, leaguehcmenu=Current League Handicaps",
        "Helpmenu=&Help: Infomenu=&Contents, helpsearchmenu=&Search for Help On..., "
        "quickstartmenu=Quick Start Instructions, Purposemenu=Purpose && Intent of this program, "
        "aboutmenu=About Quorval"};
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(act("Viewmenu1")->isChecked());
}

TEST_F(MainWindowTest, LeagueListItemOpensTheLeagueInTheNextRegistrySlot) {
    const std::vector<std::string> names = {"Spring", "Summer", "Fall"};
    writeLeagues(names);
    load();
    ASSERT_EQ(main->findChild<QMenu*>("Openmenu")->actions().size(), 3);
    s.data->teams.teamCount = 4;
    for (int k : {2, 0, 1}) {
        QAction* item = act(QString("leaguesmenu%1").arg(k));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text().toStdString(), names[k]);
        item->trigger();
        EXPECT_EQ(s.data->leagueFileName, names[k] + ".LGE");
        EXPECT_EQ(main->panelMessage().toStdString(), "Current League - " + names[k]);
        EXPECT_EQ(shownRows(), mostRecentRows(*loadLeague(names[k]))) << names[k];
        EXPECT_EQ(s.data->registry.currentLeague, k);
        EXPECT_EQ(s.data->teams.teamCount, 0);  // teams are read for the league they belong to
    }
    EXPECT_EQ(s.dialogs.busyNotes(), std::vector<std::string>(3, "Processing, please wait..."));
}

TEST_F(MainWindowTest, LeagueItemsAndTheirToolButtonsWaitForAnOpenLeague) {
    writeLeagues({"Spring"});
    load();
    QStringList tips;
    for (int i = 0; i <= 12; ++i) {
        auto* b = main->findChild<QToolButton*>(QString("Toolbutton%1").arg(i));
        ASSERT_NE(b, nullptr) << i;
        tips << b->toolTip();
    }
    EXPECT_EQ(tips.join("|"),
              "Open Recent League|Refresh Listing|Print|Enter Scores (Basic)|Enter Scores & Statistics|Add Players|"
              "Add Course|Enter Team Results|Team Reports|Handicap Trend|Performance Summary|Settings|Help");
    EXPECT_EQ(main->panelMessage(), "Open a League file to begin");
    for (const char* name : kLeagueItems) EXPECT_FALSE(act(name)->isEnabled()) << name;
    for (const char* name : {"settingsmenu", "Creatmenu", "Printmenu", "GCmenu1", "coursehcpmenu", "Infomenu"}) {
        EXPECT_TRUE(act(name)->isEnabled()) << name;
    }
    const int gated[] = {3, 4, 7, 8, 9, 10};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* name : kLeagueItems) spies.push_back(std::make_unique<QSignalSpy>(act(name), &QAction::triggered));
    for (int i : gated) click(main->toolButton(i));
    for (auto& spy : spies) EXPECT_EQ(spy->count(), 0);
    click(main->toolButton(12));
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Contents"});

    click(main->toolButton(0));
    EXPECT_EQ(s.data->leagueFileName, "Spring.LGE");
    for (const char* name : kLeagueItems) EXPECT_TRUE(act(name)->isEnabled()) << name;
    for (int i : gated) EXPECT_TRUE(main->toolButton(i)->isEnabled()) << i;
}

// A new folder: no box at all, the panel says how to begin; a click with no league beeps and says why.
TEST_F(MainWindowTest, NewFolderStartsQuietlyAndNoEntriesBeepAndSayWhy) {
    load();  // no registry at all
    EXPECT_TRUE(s.dialogs.takeMessages().empty());
    EXPECT_THAT(main->panelMessage().toStdString(), StartsWith("No leagues yet: create the first with File > Create"));
    EXPECT_THAT(main->panelMessage().toStdString(), ::testing::HasSubstr("quorval-cli demo"));
    ASSERT_EQ(main->findChild<QMenu*>("Openmenu")->actions().size(), 1);
    act("leaguesmenu0")->trigger();
    click(main->toolButton(0));
    EXPECT_EQ(s.dialogs.beeps(), 2);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);
    EXPECT_TRUE(s.data->leagueFileName.empty());
    EXPECT_FALSE(act("entermenu")->isEnabled());
}

TEST_F(MainWindowTest, RecentLeagueButtonsReopenTheLeagueOpenedLast) {
    writeLeagues({"Spring", "Summer"}, 5);
    load();
    click(main->toolButton(0));  // the last league opened is no longer on the list
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_TRUE(s.data->leagueFileName.empty());

    act("leaguesmenu1")->trigger();
    act("leaguesmenu0")->trigger();
    act("leaguesmenu1")->trigger();
    auto changed = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*changed, 77, 9);
    writeBytes("Summer.LGE", store::FormatLeague(*changed));
    click(main->toolButton(1));
    EXPECT_EQ(s.data->leagueFileName, "Summer.LGE");
    EXPECT_EQ(shownRows(), mostRecentRows(*loadLeague("Summer")));
}

TEST_F(MainWindowTest, SpinStepsThroughRoundsOrDatesAndTheMessageTimerClearsTheNote) {
    writeLeagues({"Spring"});
    load();
    act("leaguesmenu0")->trigger();
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
    EXPECT_EQ(shownRows(), mostRecentRows(*loadLeague("Spring")));

    act("Viewmenu2")->trigger();
    EXPECT_FALSE(act("Viewmenu1")->isChecked());
    EXPECT_TRUE(act("Viewmenu2")->isChecked());
    core.setView(listing::View::ByDate);
    core.ListByDate(*expected);
    ASSERT_GE(core.dateCount(), 2);
    EXPECT_EQ(shownRows(), core.rows());
    click(spin->downButton());
    core.SpinDown(*expected);
    EXPECT_EQ(shownRows(), core.rows());
    EXPECT_EQ(note(), "Viewing earlier dates");
    click(spin->upButton());
    EXPECT_EQ(note(), "Viewing more recent dates");
}

TEST_F(MainWindowTest, IndividualViewListsThePlayerChosen) {
    writeLeagues({"Spring"});
    load();
    act("leaguesmenu0")->trigger();
    act("Viewmenu3")->trigger();
    EXPECT_TRUE(main->findChild<QWidget*>("Picture2")->isHidden());
    QWidget* chooser = window("chooseplayer");
    ASSERT_NE(chooser, nullptr);
    EXPECT_FALSE(main->isEnabled());
    EXPECT_EQ(chooser->findChild<QLabel*>("Playerlabel")->text(), "Spring Player List");

    auto* accept = chooser->findChild<QPushButton*>("acceptbutton");
    click(accept);  // nothing chosen yet
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_NE(window("chooseplayer"), nullptr);

    auto* names = chooser->findChild<QListWidget*>("List1");
    ASSERT_EQ(names->count(), s.data->playerCount);
    names->setCurrentRow(2);
    click(accept);
    EXPECT_EQ(window("chooseplayer"), nullptr);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(s.data->currentPlayer, 3);
    EXPECT_TRUE(main->timer("Timer1")->isActive());
    main->showCurrentPlayerRounds();
    EXPECT_FALSE(main->timer("Timer1")->isActive());
    EXPECT_FALSE(main->findChild<QWidget*>("Picture2")->isHidden());
    listing::Listing core;
    core.setView(listing::View::Individual);
    core.ListPlayerRounds(*loadLeague("Spring"), 3);
    EXPECT_EQ(shownRows(), core.rows());

    act("Viewmenu3")->trigger();
    window("chooseplayer")->findChild<QPushButton*>("exitbutton")->click();
    EXPECT_TRUE(act("Viewmenu3")->isChecked());
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(MainWindowTest, NamesAndLinesScrollTogetherAndLinesScrollToTheirEnd) {
    auto full = std::make_unique<store::LeagueData>();
    samples::FillFullLeague(*full);
    full->registry.leagueCount = 1;
    full->registry.leagueFiles[1] = "Big";
    writeBytes("Big.LGE", store::FormatLeague(*full));
    writeBytes(store::kCourseFileName, store::FormatCourses(*full));
    writeBytes(store::kRegistryFileName, store::FormatRegistry(*full));
    load();
    act("leaguesmenu0")->trigger();
    QCoreApplication::processEvents();
    ListingView* view = main->listingView();
    QScrollBar* down = view->verticalBar();
    QScrollBar* across = view->horizontalBar();
    ASSERT_GT(down->maximum(), 10);
    ASSERT_GT(across->maximum(), 0);

    down->setValue(10);
    EXPECT_EQ(view->names()->verticalScrollBar()->value(), 10);
    EXPECT_EQ(view->lines()->verticalScrollBar()->value(), 10);
    view->lines()->verticalScrollBar()->setValue(down->maximum());  // the mouse wheel over the lines
    EXPECT_EQ(view->names()->verticalScrollBar()->value(), down->maximum());
    EXPECT_EQ(down->value(), down->maximum());

    view->lines()->horizontalScrollBar()->setValue(5);  // a sideways wheel over the lines
    EXPECT_EQ(across->value(), 5);
    across->setValue(across->maximum());
    EXPECT_EQ(view->lines()->horizontalScrollBar()->value(), across->maximum());
    // The longest line, the heading's underline, ends inside the list.
    EXPECT_LE(view->lines()->visualItemRect(view->lines()->item(1)).right(), view->lines()->viewport()->width());
    EXPECT_EQ(view->names()->horizontalScrollBar()->value(), 0);
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

TEST_F(MainWindowTest, HelpMenuShowsItsTopicsAndClosingClosesHelp) {
    writeLeagues({});
    load();
    act("quickstartmenu")->trigger();
    act("Purposemenu")->trigger();
    act("helpsearchmenu")->trigger();
    EXPECT_EQ(s.help.topics, (std::vector<std::string>{"Quick Start Basics", "Program Purpose & Intent"}));
    EXPECT_EQ(s.help.searches, 1);
    EXPECT_EQ(s.help.closes, 0);
    act("Exitmenu")->trigger();
    EXPECT_EQ(s.help.closes, 1);
    EXPECT_FALSE(main->isVisible());
}

QStringList checkedViews(const MainWindow& main) {
    QStringList on;
    for (int i = 1; i <= 3; ++i) {
        if (main.action(QString("Viewmenu%1").arg(i))->isChecked()) on << QString("Viewmenu%1").arg(i);
    }
    return on;
}

// Exit from the chooser goes back to the view before it; nothing brings the chooser back by itself;
// exactly one VIEW item is checked all along.
TEST_F(MainWindowTest, ChooserExitGoesBackAndTheChooserNeverReturnsUnasked) {
    writeLeagues({"Spring"});
    load();
    act("leaguesmenu0")->trigger();
    act("Viewmenu2")->trigger();
    act("Viewmenu2")->trigger();  // a second click leaves it checked
    EXPECT_EQ(checkedViews(*main), QStringList{"Viewmenu2"});

    act("Viewmenu3")->trigger();
    EXPECT_EQ(checkedViews(*main), QStringList{"Viewmenu3"});
    click(window("chooseplayer")->findChild<QPushButton*>("exitbutton"));
    EXPECT_EQ(checkedViews(*main), QStringList{"Viewmenu2"});
    main->runViewTimer();
    EXPECT_FALSE(main->findChild<QWidget*>("Picture2")->isHidden());
    listing::Listing byDate;
    byDate.setView(listing::View::ByDate);
    byDate.ListByDate(*loadLeague("Spring"));
    EXPECT_EQ(shownRows(), byDate.rows());

    act("Viewmenu3")->trigger();
    auto* chooser = window("chooseplayer");
    chooser->findChild<QListWidget*>("List1")->setCurrentRow(2);
    click(chooser->findChild<QPushButton*>("acceptbutton"));
    main->showCurrentPlayerRounds();
    // An entry started and given up: the Individual view comes back on its own, no chooser.
    act("entermenu")->trigger();
    click(window("selectplayers")->findChild<QPushButton*>("cancelbutton"));
    main->runViewTimer();
    EXPECT_EQ(window("chooseplayer"), nullptr);
    EXPECT_EQ(checkedViews(*main), QStringList{"Viewmenu3"});
    listing::Listing one;
    one.setView(listing::View::Individual);
    one.ListPlayerRounds(*loadLeague("Spring"), 3);
    EXPECT_EQ(shownRows(), one.rows());
}

// First start: wide enough for every column and a 30-character name; the headings stay while the
// rows scroll. Then the size, place and view come back as they were left.
TEST_F(MainWindowTest, FirstShowsEveryColumnThenRemembersItsPlaceAndView) {
    auto d = std::make_unique<store::LeagueData>();
    samples::FillFullLeague(*d);
    const std::string longName = "Maximilian Alexander Fitzgerald-Worthington";
    d->players[1].name = longName;
    d->registry.leagueCount = 1;
    d->registry.leagueFiles[1] = "Big";
    writeBytes("Big.LGE", store::FormatLeague(*d));
    writeBytes(store::kCourseFileName, store::FormatCourses(*d));
    writeBytes(store::kRegistryFileName, store::FormatRegistry(*d));
    load();
    act("leaguesmenu0")->trigger();
    QCoreApplication::processEvents();
    ListingView* view = main->listingView();
    QListWidget* heading = view->linesHeading();
    // The heading line ends with "Net": all of it fits, as far as the screen allows.
    int need = heading->visualItemRect(heading->item(0)).width() + view->names()->width();
    EXPECT_GE(main->width(), std::min(need, main->screen()->availableGeometry().width()));
    QFontMetrics metrics(view->names()->font());
    EXPECT_GE(view->names()->viewport()->width(), metrics.horizontalAdvance(QString(30, 'W')));
    EXPECT_LT(view->names()->viewport()->width(), metrics.horizontalAdvance(QString::fromStdString(longName)));

    view->verticalBar()->setValue(view->verticalBar()->maximum());
    EXPECT_TRUE(heading->isVisible());
    EXPECT_EQ(heading->item(0)->text(), view->lines()->item(0)->text());
    EXPECT_TRUE(view->lines()->isRowHidden(0));
    EXPECT_GT(view->lines()->indexAt(QPoint(2, 2)).row(), listing::kHeadingRows);

    QRect left(40, 50, 720, 530);
    main->setGeometry(left);
    act("Viewmenu2")->trigger();
    main->close();
    load();
    EXPECT_EQ(main->geometry(), left);
    EXPECT_EQ(checkedViews(*main), QStringList{"Viewmenu2"});
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

// F1 shows the help of the window in front; the main window's is the contents.
TEST_F(MainWindowTest, F1ShowsTheTopicOfTheActiveWindow) {
    writeLeagues({"Spring"});
    load();
    act("leaguesmenu0")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(main.get(), Qt::Key_F1);
    for (auto [item, name] :
         {std::pair{"settingsmenu", "Setfont"}, {"entermenu", "selectplayers"}, {"programmenu", "programmers"}}) {
        act(item)->trigger();
        QWidget* w = window(name);
        ASSERT_NE(w, nullptr) << name;
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        w->close();
        main->runViewTimer();
    }
    EXPECT_EQ(s.help.topics, (std::vector<std::string>{"Contents", "Fonts", "Entering Scores", "Contents"}));
}

// File > Export > Rounds as CSV writes the open league's rounds; File > Import rounds from CSV
// posts a file's rounds into the open league, asking before it keeps a file with bad rows.
TEST_F(MainWindowTest, RoundsGoOutAndComeInAsSpreadsheetFiles) {
    writeLeagues({"Spring", "Summer"});
    load();
    act("leaguesmenu0")->trigger();
    s.dialogs.answerSaveFile((dir.path() / "spring").string());
    act("exportcsvmenu")->trigger();
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(readBytes(dir.path() / "spring.csv"), exchange::RoundsCsv(*loadLeague("Spring")));

    act("leaguesmenu1")->trigger();
    int before = s.data->playerCount;
    std::string headings = "player,date,course";
    std::string holes;
    for (int h = 1; h <= 18; ++h) headings += ",hole" + std::to_string(h), holes += ",5";
    writeBytes("new.csv",
               headings + "\r\nNew Man,2026-06-01,Course 2" + holes + "\r\nNew Man,2026-06-02,Mars" + holes + "\r\n");
    for (platform::Answer keep : {platform::Answer::No, platform::Answer::Yes}) {
        s.dialogs.answerSaveFile((dir.path() / "new.csv").string());
        s.dialogs.answer(keep);
        act("importcsvmenu")->trigger();
        auto asked = s.dialogs.takeMessages();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_NE(asked[0].text.find("line 3: there is no course \"Mars\""), std::string::npos) << asked[0].text;
        EXPECT_EQ(loadLeague("Summer")->playerCount, keep == platform::Answer::Yes ? before + 1 : before);
    }
    EXPECT_EQ(s.data->playerCount, before + 1);
    EXPECT_EQ(s.data->players[before + 1].rounds[1].gross(), 90);
}

// File > Backup your data files > Restore puts a backup back, keeps what it replaced and opens the
// league again from the restored file.
TEST_F(MainWindowTest, RestoreListsTheBackupAsksAndReopensTheLeague) {
    writeLeagues({"Spring"});
    load();
    act("leaguesmenu0")->trigger();
    const std::string original = readBytes("Spring.LGE");
    const std::string name = s.data->players[1].name;
    fs::path usb = dir.path() / "usb";
    fs::create_directory(usb);
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
        EXPECT_NE(shown[0].text.find(file), std::string::npos) << file;
    EXPECT_EQ(shown[1].text.find("3 files were restored"), 0u) << shown[1].text;
    EXPECT_EQ(readBytes("Spring.LGE"), original);
    EXPECT_EQ(readBytes("Spring.LGE.before-restore"), store::FormatLeague(*changed));
    EXPECT_EQ(s.data->leagueFileName, "Spring.LGE");
    EXPECT_EQ(s.data->players[1].name, name);
}

}  // namespace
}  // namespace quorval::gui
