#include "ui/main/mainwindow.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "courses/chcpchart.hpp"
#include "league/leagues.hpp"
#include "print/printfont.hpp"
#include "reports/listingreport.hpp"
#include "store/datafile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "ui/analysis/analysischooserwindow.hpp"
#include "ui/analysis/fullstatwindow.hpp"
#include "ui/analysis/statswindow.hpp"
#include "ui/courses/chcpwindow.hpp"
#include "ui/courses/courseselectpanel.hpp"
#include "ui/entry/chooseroundwindow.hpp"
#include "ui/entry/scoreentrywindow.hpp"
#include "ui/entry/selectplayerswindow.hpp"
#include "ui/main/aboutwindow.hpp"
#include "ui/main/backupwindow.hpp"
#include "ui/main/chooseplayerwindow.hpp"
#include "ui/main/datacommands.hpp"
#include "ui/main/leaguewindow.hpp"
#include "ui/main/listingview.hpp"
#include "ui/main/programmerswindow.hpp"
#include "ui/main/settingswindow.hpp"
#include "ui/main/toolicons.hpp"
#include "ui/players/playerswindow.hpp"
#include "ui/players/removeplayerwindow.hpp"
#include "ui/players/renameplayerswindow.hpp"
#include "ui/players/sortplayerswindow.hpp"
#include "ui/reports/comparewindow.hpp"
#include "ui/reports/hcpcardswindow.hpp"
#include "ui/reports/resultswindow.hpp"
#include "ui/reports/scorecardswindow.hpp"
#include "ui/reports/weeklycommands.hpp"
#include "ui/teams/matcheswindow.hpp"
#include "ui/teams/schedulewindow.hpp"
#include "ui/teams/teampointswindow.hpp"
#include "ui/teams/teamsetupwindow.hpp"
#include "ui/teams/teamsummarywindow.hpp"
#include "widgets/controls.hpp"
#include "widgets/editactions.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {

namespace {

const char* const kOpenALeague = "Open a League file to begin";
const char* const kNoLeaguesYet =
    "No leagues yet: create the first with File > Create or Delete a League File "
    "(\"quorval-cli demo\" makes a demo league)";

struct MenuItem {
    const char* name;
    const char* caption;
};

struct ToolButtonCommand {
    const char* tip;
    const char* command;  // the menu item it runs
    const char* gate;     // the menu item that must be enabled, or nothing
};

// Tool buttons in order; a button works only while its gate is enabled.
const ToolButtonCommand kToolButtons[] = {
    {"Open Recent League", nullptr, nullptr},
    {"Refresh Listing", nullptr, nullptr},
    {"Print", "Printmenu", "Printmenu"},
    {"Enter Scores (Basic)", "entermenu", "entermenu"},
    {"Enter Scores & Statistics", "RoundsandPerformanceMenu", "entermenu"},
    {"Add Players", "Playermenu1", "Playermenu1"},
    {"Add Course", "GCmenu1", "GCmenu1"},
    {"Enter Team Results", "enterteamresultsmenu", "enterteamresultsmenu"},
    {"Team Reports", "teamsummarymenu", "teamsummarymenu"},
    {"Handicap Trend", "graphmenu2", "graphmenu2"},
    {"Performance Summary", "graphmenu0", "graphmenu0"},
    {"Settings", "settingsmenu", nullptr},
    {"Help", "Infomenu", nullptr},
};

// The menu items that need an open league.
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
    "teamsummarymenu", "printresultsmenu",
    "publishmenu",     "printscorecardsmenu",
};

QLabel* messagePanel(const QString& name, const QString& text) {
    QLabel* panel = makePanel(name, text);
    panel->setMinimumHeight(22);
    return panel;
}

}  // namespace

MainWindow::MainWindow(platform::Services& services, QWidget* parent) : QMainWindow(parent), m_services(services) {
    setObjectName("Form2");
    setWindowTitle("Quorval");
    setWindowIcon(toolIcon(ToolIcon::Flag));

    m_toolbarTimer = new QTimer(this);
    m_toolbarTimer->setObjectName("toolbarTimer");
    m_toolbarTimer->setInterval(3000);
    m_messageTimer = new QTimer(this);
    m_messageTimer->setObjectName("messagetimer");
    m_messageTimer->setInterval(3000);
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    m_timer1->setInterval(500);
    m_timer1->setSingleShot(true);
    m_viewTimer = new QTimer(this);
    m_viewTimer->setObjectName("ViewTimer");
    m_viewTimer->setInterval(1500);
    m_viewTimer->setSingleShot(true);
    connect(m_toolbarTimer, &QTimer::timeout, this, &MainWindow::clearToolBorders);
    connect(m_messageTimer, &QTimer::timeout, this, &MainWindow::runMessageTimer);
    connect(m_timer1, &QTimer::timeout, this, &MainWindow::showCurrentPlayerRounds);
    connect(m_viewTimer, &QTimer::timeout, this, &MainWindow::runViewTimer);
    m_toolbarTimer->start();

    buildMenus();
    buildPanels();
    connectCommands();
}

QMenu* MainWindow::addMenu(const QString& name, const QString& caption) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QAction* MainWindow::addAction(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    m_actions[name] = action;
    return action;
}

void MainWindow::buildMenus() {
    QMenu* file = addMenu("Filemenu", "&File");
    addAction(file, "programmenu", "Programming Information");
    addAction(file, "settingsmenu", "&Settings");
    addAction(file, "Creatmenu", "&Create or Delete a League File");
    m_openMenu = file->addMenu("&Open League File");
    m_openMenu->setObjectName("Openmenu");
    file->addSeparator();
    addAction(file, "Printmenu", "&Print");
    addAction(file, "printcardsmenu", "Print Handicap &Cards");
    addAction(file, "printresultsmenu", "Print &Results of a Day...");
    addAction(file, "printscorecardsmenu", "Print &Scorecards...");
    addAction(file, "printfilemenu", "Export Listing as Text");
    QMenu* exportMenu = file->addMenu("Expor&t");
    exportMenu->setObjectName("exportmenu");
    addAction(exportMenu, "exportcsvmenu", "Rounds as &CSV");
    addAction(file, "importcsvmenu", "&Import rounds from CSV");
    addAction(file, "publishmenu", "P&ublish League Pages...");
    addAction(file, "Printsetupmenu", "Printer Setup");
    file->addSeparator();
    addAction(file, "entermenu", "&Enter Rounds (basic)");
    addAction(file, "RoundsandPerformanceMenu", "Enter Rounds && Personal Performance");
    file->addSeparator();
    QMenu* backup = file->addMenu("&Backup your data files");
    backup->setObjectName("backupmainmenu");
    addAction(backup, "Backupmenu", "Backup Data Files to another location");
    addAction(backup, "Restoremenu", "&Restore from a backup...");
    file->addSeparator();
    addAction(file, "Exitmenu", "E&xit");

    QMenu* edit = addMenu("Editmenu", "&Edit");
    addAction(edit, "Editmenu21", "&Cut");
    addAction(edit, "Editmenu22", "C&opy");
    addAction(edit, "Editmenu23", "&Paste");
    auto* clipboardItems = new EditActions(this, action("Editmenu21"), action("Editmenu22"), action("Editmenu23"));
    connect(edit, &QMenu::aboutToShow, clipboardItems, &EditActions::refresh);
    edit->addSeparator();
    addAction(edit, "editroundmenu", "Correct / &Edit or Delete a Round");

    QMenu* players = addMenu("Playersmenu", "&Players");
    addAction(players, "Playermenu1", "&Add Player");
    addAction(players, "Playermenu2", "&Sort / Arrange Player List");
    addAction(players, "Playermenu3", "&Remove Player");
    addAction(players, "Playernamesmenu", "&Edit Player Names");

    QMenu* courses = addMenu("coursesmenu", "&Courses");
    addAction(courses, "GCmenu1", "&Add New Course");
    addAction(courses, "GCmenu2", "&Edit Course");
    addAction(courses, "GCmenu3", "&Delete Course");
    courses->addSeparator();
    addAction(courses, "CHCPChartmenu", "&Print Course Handicap Reference Chart");
    addAction(courses, "coursehcpmenu", "&Calculate Course Handicap");

    QMenu* view = addMenu("Vmenu", "&VIEW");
    addAction(view, "Viewmenu1", "Most &Recent Rounds Entered");
    addAction(view, "Viewmenu2", "By &Date");
    addAction(view, "Viewmenu3", "Individual &Player");
    for (int i = 1; i <= 3; ++i) action(QString("Viewmenu%1").arg(i))->setCheckable(true);
    action("Viewmenu1")->setChecked(true);

    QMenu* teams = addMenu("teammenu", "&Teams");
    addAction(teams, "defineteammenu", "&Define Teams");
    addAction(teams, "enterteamresultsmenu", "&Enter Team Results");
    addAction(teams, "teamsummarymenu", "&Team Summary Reports");
    addAction(teams, "schedulemenu", "&Season Schedule...");
    addAction(teams, "matchesmenu", "&Matches of a Date...");
    addAction(teams, "standingsmenu", "St&andings...");

    QMenu* analysis = addMenu("Analmenu", "Performance && Analysis");
    addAction(analysis, "graphmenu0", "Personal Performance Summary");
    addAction(analysis, "graphmenu1", "Performance Review by Course Played");
    addAction(analysis, "graphmenu2", "Individual Handicap Trends");
    addAction(analysis, "graphmenu3", "Individual Scoring Averages");
    analysis->addSeparator();
    addAction(analysis, "leaguehcmenu", "Current League Handicaps");

    QMenu* help = addMenu("Helpmenu", "&Help");
    addAction(help, "Infomenu", "&Contents")->setShortcut(QKeySequence::HelpContents);
    addAction(help, "helpsearchmenu", "&Search for Help On...");
    addAction(help, "quickstartmenu", "Quick Start Instructions");
    addAction(help, "Purposemenu", "Purpose && Intent of this program");
    help->addSeparator();
    addAction(help, "aboutmenu", "About Quorval");
}

void MainWindow::buildToolBar(QWidget* strip) {
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    for (int i = 0; i < static_cast<int>(std::size(kToolButtons)); ++i) {
        auto* button = new QToolButton;
        button->setObjectName(QString("Toolbutton%1").arg(i));
        button->setToolTip(kToolButtons[i].tip);
        button->setIcon(toolIcon(static_cast<ToolIcon>(i)));
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, i] { pressToolButton(i); });
        m_toolButtons.push_back(button);
        row->addWidget(button);
    }
    row->addStretch(1);
    clearToolBorders();
}

void MainWindow::buildPanels() {
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    m_toolStrip = new QFrame;
    m_toolStrip->setObjectName("Panel3D1");
    m_toolStrip->setFrameShape(QFrame::Panel);
    m_toolStrip->setFrameShadow(QFrame::Raised);
    m_toolStrip->installEventFilter(this);
    buildToolBar(m_toolStrip);
    column->addWidget(m_toolStrip);

    auto* panels = new QHBoxLayout;
    m_messagePanel = messagePanel("messagepanel", kOpenALeague);
    m_actionMessage = messagePanel("actionmessage", "");
    panels->addWidget(m_messagePanel, 3);
    panels->addWidget(m_actionMessage, 2);
    column->addLayout(panels);

    // The course commands' selection panel shows here while the listing is hidden.
    m_coursePanel = new CourseSelectPanel(m_services);
    column->addWidget(m_coursePanel, 0, Qt::AlignHCenter);
    // Read-only, the window says so where the eye goes, not only in the caption.
    m_readOnlyBar = new QLabel;
    m_readOnlyBar->setObjectName("readonlybar");
    m_readOnlyBar->setAlignment(Qt::AlignCenter);
    m_readOnlyBar->setStyleSheet(
        "QLabel { background: #fff3c4; color: black; border: 1px solid #c9a227; padding: 3px; }");
    m_readOnlyBar->hide();
    column->addWidget(m_readOnlyBar);
    m_listingView = new ListingView;
    column->addWidget(m_listingView, 1);
    setCentralWidget(central);

    connect(m_listingView->spin(), &SpinButton::spinDown, this, &MainWindow::SpinDown);
    connect(m_listingView->spin(), &SpinButton::spinUp, this, &MainWindow::SpinUp);
    connect(m_listingView->resultsButton(), &QPushButton::clicked, this, [this] {
        if (auto date = shownDate()) openWindow(new ResultsWindow(m_services, this, *date));
    });
}

void MainWindow::connectCommands() {
    auto on = [this](const char* name, auto handler) { connect(action(name), &QAction::triggered, this, handler); };
    on("programmenu", [this] { openWindow(new ProgrammersWindow(m_services, this)); });
    // The rules or a recompute may have changed the figures: the listing is rebuilt on closing.
    on("settingsmenu", [this] {
        auto* window = new SettingsWindow(m_services, this);
        connect(window, &ChildWindow::closed, this, [this] { m_viewTimer->start(); });
        openWindow(window);
    });
    on("Creatmenu", [this] {
        auto* window = new LeagueWindow(m_services, this);
        connect(window, &ChildWindow::closed, this, [this] {
            rebuildLeagueMenu();
            enterNoLeagueState();
        });
        openWindow(window);
    });
    on("Exitmenu", [this] { close(); });
    on("Printmenu", [this] { printListing(); });
    on("printfilemenu", [this] { exportListing(); });
    on("printresultsmenu", [this] { PrintResultsOfDay(m_services, shownDate()); });
    on("publishmenu", [this] { PublishLeaguePages(m_services); });
    on("printscorecardsmenu", [this] { openWindow(new ScorecardsWindow(m_services, this)); });
    on("Printsetupmenu", [this] { m_services.printer.setup(); });
    on("leaguehcmenu", [this] { openWindow(new CompareWindow(m_services, this)); });
    on("printcardsmenu", [this] { openWindow(new HcpCardsWindow(m_services, this)); });
    on("coursehcpmenu", [this] { openWindow(new ChcpWindow(m_services, this)); });
    // Roster windows change the listing's data: it is rebuilt when they close, however they close.
    auto openRoster = [this](ChildWindow* window) {
        connect(window, &ChildWindow::closed, this, [this] { m_viewTimer->start(); });
        openWindow(window);
    };
    on("Playermenu1", [this, openRoster] { openRoster(new PlayersWindow(m_services, this)); });
    on("Playermenu2", [this, openRoster] { openRoster(new SortPlayersWindow(m_services, this)); });
    on("Playermenu3", [this, openRoster] { openRoster(new RemovePlayerWindow(m_services, this)); });
    on("Playernamesmenu", [this, openRoster] { openRoster(new RenamePlayersWindow(m_services, this)); });
    on("Backupmenu", [this] { openWindow(new BackupWindow(m_services, this)); });
    on("exportcsvmenu", [this] { ExportRoundsAsCsv(m_services); });
    on("importcsvmenu", [this] {
        if (ImportRoundsFromCsv(m_services)) m_viewTimer->start();
    });
    // Restored files replace what is in memory: the league list is read again and the league that
    // was open is opened again from its restored file.
    on("Restoremenu", [this] {
        std::string open = m_services.data.leagueFileName;
        if (!RestoreFromBackup(m_services)) return;
        store::LoadLeagueRegistry(m_services.data, m_services.dialogs);
        rebuildLeagueMenu();
        enterNoLeagueState();
        if (int item = league::LeagueItemOf(m_services.data, open); item >= 0) OpenLeague(item);
    });
    connectAnalysisTeamsCoursesAndHelp();
}

// The analysis, team, course, entry, view and help menus.
void MainWindow::connectAnalysisTeamsCoursesAndHelp() {
    auto on = [this](const char* name, auto handler) { connect(action(name), &QAction::triggered, this, handler); };
    for (int i = 0; i < 4; ++i) {
        auto view = static_cast<AnalysisView>(i);
        on(QString("graphmenu%1").arg(i).toUtf8().constData(), [this, view] { openAnalysisChooser(view); });
    }
    on("defineteammenu", [this] { openWindow(new TeamSetupWindow(m_services, this)); });
    on("schedulemenu", [this] { openWindow(new ScheduleWindow(m_services, this)); });
    on("matchesmenu", [this] { openWindow(new MatchesWindow(m_services, this)); });
    on("standingsmenu", [this] { openWindow(new StandingsWindow(m_services, this)); });
    // The points and the summary need a player on a team, as the team file says.
    on("enterteamresultsmenu", [this] {
        store::LoadTeamAssignments(m_services.data);
        if (m_services.data.teams.teamsInUse == 1) openWindow(new TeamPointsWindow(m_services, this));
    });
    on("teamsummarymenu", [this] {
        store::LoadTeamAssignments(m_services.data);
        if (m_services.data.teams.teamsInUse == 1) openWindow(new TeamSummaryWindow(m_services, this));
    });
    on("GCmenu1", [this] { m_coursePanel->addCourse(); });
    on("GCmenu2", [this] { m_coursePanel->editCourse(); });
    on("GCmenu3", [this] { m_coursePanel->deleteCourse(); });
    on("CHCPChartmenu", [this] { m_coursePanel->chooseChartCourse(); });
    connect(m_coursePanel, &CourseSelectPanel::coursesMenuEnabled, this, &MainWindow::setCoursesMenuEnabled);
    connect(m_coursePanel, &CourseSelectPanel::listingHidden, this, &MainWindow::HideListing);
    connect(m_coursePanel, &CourseSelectPanel::chartRequested, this, [this](int course) {
        courses::PrintChcpChart(m_services.data, m_services.dialogs, m_services.printer, course);
    });
    on("entermenu", [this] { startEntry(false); });
    on("RoundsandPerformanceMenu", [this] { startEntry(true); });
    on("editroundmenu", [this] { chooseRoundToEdit(); });
    for (int i = 1; i <= 3; ++i) {
        on(QString("Viewmenu%1").arg(i).toUtf8().constData(), [this, i] { ViewMenu(i); });
    }
    on("Infomenu", [this] { m_services.help.showTopic("Contents"); });
    on("helpsearchmenu", [this] { m_services.help.search(); });
    on("quickstartmenu", [this] { m_services.help.showTopic("Quick Start Basics"); });
    on("Purposemenu", [this] { m_services.help.showTopic("Program Purpose & Intent"); });
    on("aboutmenu", [this] { openWindow(new AboutWindow(m_services, this)); });
}

QAction* MainWindow::action(const QString& name) const {
    auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

QTimer* MainWindow::timer(const QString& name) const {
    return findChild<QTimer*>(name);
}

namespace {
const QSize kLeastSize(320, 240);
}  // namespace

QSize MainWindow::minimumNormalSize() const {
    return m_large ? QSize(10500 / kTwipsPerPixel, 7500 / kTwipsPerPixel)
                   : QSize(8655 / kTwipsPerPixel, 6030 / kTwipsPerPixel);
}

void MainWindow::Load() {
    m_large = m_services.screen.widthPixels() > 640;
    // The first size shows the whole listing; the user may make the window smaller than that,
    // down to a size in which the menus and some lines still show, and gets it back next time.
    setMinimumSize(kLeastSize);
    resize(minimumNormalSize());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2) + QPoint(0, 100 / kTwipsPerPixel));
    }
    store::LeagueData& data = m_services.data;
    store::FillMonthNames(data);
    takeFolderLock();
    store::LoadSettingsFile(data);
    store::LoadLeagueRegistry(data, m_services.dialogs);
    rebuildLeagueMenu();
    setLeagueMenusEnabled(false);
    restorePlace();
    showPanelMessage(noLeagueMessage());
}

void MainWindow::rebuildLeagueMenu() {
    for (QAction* a : m_leagueActions) {
        m_actions.erase(a->objectName());
        m_openMenu->removeAction(a);
        a->deleteLater();
    }
    m_leagueActions.clear();
    std::vector<std::string> captions = league::LeagueMenuCaptions(m_services.data);
    for (int k = 0; k < static_cast<int>(captions.size()); ++k) {
        QAction* a = addAction(m_openMenu, QString("leaguesmenu%1").arg(k), QString::fromStdString(captions[k]));
        connect(a, &QAction::triggered, this, [this, k] { OpenLeague(k); });
        m_leagueActions.push_back(a);
    }
}

void MainWindow::setLeagueMenusEnabled(bool enabled) {
    for (const char* name : kLeagueItems) action(name)->setEnabled(enabled);
    for (int i = 0; i < static_cast<int>(m_toolButtons.size()); ++i) {
        const char* gate = kToolButtons[i].gate;
        if (gate) m_toolButtons[i]->setEnabled(action(gate)->isEnabled());
    }
    applyReadOnly();
}

void MainWindow::OpenLeague(int k) {
    league::OpenOutcome outcome = league::OpenLeague(m_services.data, m_services.dialogs, k);
    if (outcome == league::OpenOutcome::LoadFailed) enterNoLeagueState();
    if (outcome != league::OpenOutcome::Opened) return;
    showPanelMessage("Current League - " + QString::fromStdString(league::LeagueName(m_services.data)));
    setLeagueMenusEnabled(true);
    ShowListing();
}

void MainWindow::enterNoLeagueState() {
    // Nothing in memory may stand for a league any more: no later save can reach a league file.
    m_services.data.leagueFileName.clear();
    store::ClearLeagueData(m_services.data);
    setLeagueMenusEnabled(false);
    showPanelMessage(noLeagueMessage());
    m_listingView->clear();
}

void MainWindow::showPanelMessage(const QString& text) {
    m_messagePanel->setText(text);
}
QString MainWindow::panelMessage() const {
    return m_messagePanel->text();
}

void MainWindow::showActionMessage(const QString& text) {
    m_actionMessage->setText(text);
    m_messageTimer->start();
}

// The date the By Date view shows, when it is the view on screen.
std::optional<results::PlayDate> MainWindow::shownDate() const {
    if (m_listing.view() != listing::View::ByDate || m_listingView->resultsButton()->isHidden()) return std::nullopt;
    return results::DateOfKey(m_services.data, m_listing.currentDateKey());
}

void MainWindow::ShowListing() {
    m_listingView->setListsVisible(true);
    m_listingView->setResultsVisible(false);
    store::LeagueData& data = m_services.data;
    if (checkedView() == 3) {
        int player = individualPlayer();
        if (player > 0) {
            showPlayerRounds(player);
            return;
        }
        checkView(1);  // the player listed before is gone
    }
    if (checkedView() == 1) {
        m_listing.setView(listing::View::MostRecent);
        listing::Listing::ShowLatestRounds(data);
        m_listing.ListMostRecent(data);
        m_listingView->setSpinVisible(true);
    } else {
        m_listing.setView(listing::View::ByDate);
        m_listingView->setSpinVisible(true);
        m_listingView->setResultsVisible(true);
        m_listing.ListByDate(data);
    }
    m_listingView->setRows(m_listing.rows());
}

void MainWindow::HideListing() {
    m_listingView->setListsVisible(false);
    m_listingView->setSpinVisible(false);
    m_listingView->setResultsVisible(false);
}

void MainWindow::ViewMenu(int item) {
    if (m_services.data.leagueFileName.empty()) {
        checkView(checkedView());  // a click on a checked item must not leave none checked
        return;
    }
    if (item == 3) {
        // The view shown until now, for the chooser's Exit. The click has already moved the marks.
        m_viewBeforeChooser = m_listing.view() == listing::View::ByDate       ? 2
                              : m_listing.view() == listing::View::Individual ? 3
                                                                              : 1;
        checkView(3);
        HideListing();
        openPlayerChooser();
        return;
    }
    checkView(item);
    ShowListing();
}

int MainWindow::checkedView() const {
    for (int i = 1; i <= 3; ++i) {
        if (action(QString("Viewmenu%1").arg(i))->isChecked()) return i;
    }
    return 1;
}

void MainWindow::checkView(int item) {
    for (int i = 1; i <= 3; ++i) action(QString("Viewmenu%1").arg(i))->setChecked(i == item);
}

int MainWindow::individualPlayer() const {
    const store::LeagueData& data = m_services.data;
    if (m_individualName.empty()) return 0;
    // The slot listed before, unless a sort or removal moved him: then his name finds him again.
    if (m_individualSlot <= data.playerCount && data.players[m_individualSlot].name == m_individualName)
        return m_individualSlot;
    for (int p = 1; p <= data.playerCount; ++p) {
        if (data.players[p].name == m_individualName) return p;
    }
    return 0;
}

void MainWindow::showPlayerRounds(int player) {
    m_individualName = m_services.data.players[player].name;
    m_individualSlot = player;
    m_listing.setView(listing::View::Individual);
    m_listingView->setListsVisible(true);
    m_listingView->setSpinVisible(false);
    m_listing.ListPlayerRounds(m_services.data, player);
    m_listingView->setRows(m_listing.rows());
}

// While a course command runs the Courses menu (and the Add Course tool button) rest; when it ends
// the listing of an open league comes back.
void MainWindow::setCoursesMenuEnabled(bool enabled) {
    findChild<QMenu*>("coursesmenu")->menuAction()->setEnabled(enabled);
    for (const char* name : {"GCmenu1", "GCmenu2", "GCmenu3", "CHCPChartmenu", "coursehcpmenu"})
        action(name)->setEnabled(enabled);
    m_toolButtons[6]->setEnabled(enabled);
    applyReadOnly();
    if (enabled && !m_services.data.leagueFileName.empty() && !m_listingView->names()->isVisible()) {
        m_viewTimer->start();
    }
}

std::string MainWindow::today() const {
    platform::Date d = m_services.clock.today();
    return print::PrintDate(d.year, d.month, d.day, m_services.data.settings.dateOrder);
}

void MainWindow::printListing() {
    if (!m_listingView->names()->isVisible() || m_listing.rows().size() < 3) return;
    platform::Answer answer =
        m_services.dialogs.message({platform::joinLines({"Include individual hole scores?   (Click Yes)", "",
                                                         "List including hole scores prints Landscape", "",
                                                         "Short list (click No) prints Portrait"}),
                                    "Quorval", platform::Buttons::YesNoCancel, platform::Icon::Question});
    if (answer == platform::Answer::Cancel) return;
    m_services.dialogs.beginBusy("");
    if (answer == platform::Answer::Yes) {
        reports::printlongreport(m_services.printer, m_services.data, m_listing.rows(), today());
    } else {
        reports::printshortreport(m_services.printer, m_services.data, m_listing.rows(), today());
    }
    m_services.dialogs.endBusy();
}

void MainWindow::exportListing() {
    auto chosen = m_services.dialogs.saveFile("Export Listing as Text", "Text Files (*.TXT)");
    std::string name = reports::ExportFileName(chosen.value_or(""));
    if (name.empty()) {
        m_services.dialogs.beep();  // cancelled: nothing was refused
        return;
    }
    m_services.dialogs.beginBusy("");
    std::string error =
        store::writeFileAtomically(name, reports::shortprintfile(m_services.data, m_listing.rows(), today()));
    m_services.dialogs.endBusy();
    if (!error.empty()) {
        m_services.dialogs.message({"The listing could not be written to " + name + ":\r\n" + error, "Quorval",
                                    platform::Buttons::Ok, platform::Icon::Exclamation});
    }
}

// The listing comes back once the entry is over, whichever way it ended.
void MainWindow::followScoreWindow(ScoreEntryWindow* window) {
    connect(window, &ScoreEntryWindow::entryFinished, this, [this] { m_viewTimer->start(); });
}

void MainWindow::startEntry(bool withStatistics) {
    HideListing();
    auto* window = new SelectPlayersWindow(m_services, this, withStatistics);
    connect(window, &SelectPlayersWindow::scoreWindowOpened, this, &MainWindow::followScoreWindow);
    connect(window, &ChildWindow::closed, this, [this] {
        if (isEnabled()) m_viewTimer->start();  // cancelled: no score window took over
    });
    openWindow(window);
}

void MainWindow::chooseRoundToEdit() {
    HideListing();
    auto* window = new ChooseRoundWindow(m_services, this);
    connect(window, &ChooseRoundWindow::scoreWindowOpened, this, &MainWindow::followScoreWindow);
    connect(window, &ChooseRoundWindow::exited, this, [this] { m_viewTimer->start(); });
    openWindow(window);
}

// The chooser opens the charts itself; the statistics windows are handed over from here.
void MainWindow::openAnalysisChooser(AnalysisView view) {
    auto* chooser = new AnalysisChooserWindow(m_services, this, view);
    connect(chooser, &AnalysisChooserWindow::playerChosen, this, [this, chooser](AnalysisView chosen, int) {
        if (chosen == AnalysisView::Stats) chooser->handOverTo(new StatsWindow(m_services, this));
        if (chosen == AnalysisView::FullStat) chooser->handOverTo(new FullStatWindow(m_services, this));
    });
    openWindow(chooser);
}

void MainWindow::openPlayerChooser() {
    auto* chooser = new ChoosePlayerWindow(m_services, this);
    connect(chooser, &ChoosePlayerWindow::accepted, this, [this] { m_timer1->start(); });
    // Exit goes back to the view shown before the chooser.
    connect(chooser, &ChoosePlayerWindow::cancelled, this, [this] {
        checkView(m_viewBeforeChooser);
        m_viewTimer->start();
    });
    openWindow(chooser);
}

void MainWindow::showCurrentPlayerRounds() {
    m_timer1->stop();
    int player = m_services.data.currentPlayer;
    if (player < 1 || player > m_services.data.playerCount) return;
    showPlayerRounds(player);
}

// The view checked comes back; the Individual view lists its player again without asking.
void MainWindow::runViewTimer() {
    m_viewTimer->stop();
    if (m_services.data.leagueFileName.empty()) return;
    ShowListing();
}

void MainWindow::runMessageTimer() {
    m_messageTimer->stop();
    m_actionMessage->clear();
}

void MainWindow::SpinDown() {
    std::string message = m_listing.SpinDown(m_services.data);
    m_listingView->setRows(m_listing.rows());
    if (!message.empty()) showActionMessage(QString::fromStdString(message));
}

void MainWindow::SpinUp() {
    std::string message = m_listing.SpinUp(m_services.data);
    m_listingView->setRows(m_listing.rows());
    if (!message.empty()) showActionMessage(QString::fromStdString(message));
}

void MainWindow::pressToolButton(int index) {
    clearToolBorders();
    if (index <= 1) {
        // "Open Recent League" and "Refresh Listing" both reopen the league opened last.
        int k = m_services.data.registry.currentLeague;
        if (k < 0 || k >= static_cast<int>(m_leagueActions.size()) ||
            m_leagueActions[k]->text() == league::kNoEntries) {
            platform::Refuse(m_services.dialogs, "No league has been opened yet: create one or open one first.",
                             "Quorval");
            return;
        }
        OpenLeague(k);
        return;
    }
    const ToolButtonCommand& command = kToolButtons[index];
    if (command.gate && !action(command.gate)->isEnabled()) return;
    action(command.command)->trigger();
}

void MainWindow::setToolBorder(int index) {
    for (int i = 0; i < static_cast<int>(m_toolButtons.size()); ++i) {
        m_toolButtons[i]->setStyleSheet(i == index ? "QToolButton { border: 1px solid palette(dark); }"
                                                   : "QToolButton { border: 1px solid transparent; }");
    }
}

void MainWindow::clearToolBorders() {
    setToolBorder(-1);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (watched == m_toolStrip) {
            clearToolBorders();
        } else {
            for (int i = 0; i < static_cast<int>(m_toolButtons.size()); ++i)
                if (watched == m_toolButtons[i]) setToolBorder(i);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::openWindow(ChildWindow* window) {
    openChild(this, window);
}

void MainWindow::updateCaption() {
    bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    QString title = normal ? "Quorval" : "Q.V.L.";
    setWindowTitle(m_readOnly ? title + " (read-only)" : title);
}

// The program holds the data folder while it runs, so that no second copy of it and no
// quorval-cli run writes there at the same time.
void MainWindow::takeFolderLock() {
    platform::Dialogs& dialogs = m_services.dialogs;
    m_folderLock = std::make_unique<store::FolderLock>("Quorval");
    // A quorval-cli run holds the folder only for a moment.
    store::FolderLock::Result result = m_folderLock->take(std::chrono::seconds(1));
    if (result == store::FolderLock::Result::OtherHost) {
        std::string question =
            platform::joinLines({store::HolderText(m_folderLock->holder()), "",
                                 "If Quorval no longer runs there, you may take the folder over.", "Take it over?"});
        if (dialogs.message({question, "Quorval", platform::Buttons::YesNo, platform::Icon::Question, 2}) ==
            platform::Answer::Yes) {
            result = m_folderLock->tryTake(true);
        }
    }
    // A folder where no lock file can be made cannot be written either: saves report that themselves.
    if (result == store::FolderLock::Result::Taken || result == store::FolderLock::Result::Failed) return;
    std::string text = platform::joinLines(
        {store::HolderText(m_folderLock->holder()), "", "Open it read-only (nothing can be changed) or quit?"});
    if (dialogs.message({text, "Quorval", platform::Buttons::ReadOnlyQuit, platform::Icon::Exclamation, 1}) ==
        platform::Answer::ReadOnly) {
        m_readOnly = true;
        m_services.data.readOnly = true;
        updateCaption();
        m_readOnlyBar->setText(
            QString::fromStdString("Read-only: this folder is open in Quorval on " + m_folderLock->holder().host));
        m_readOnlyBar->show();
        return;
    }
    m_quitting = true;
}

// Read-only: every command that writes to the data folder rests, whatever else enables it.
void MainWindow::applyReadOnly() {
    if (!m_readOnly) return;
    static const char* const kWriters[] = {
        "settingsmenu", "Creatmenu",   "entermenu",      "RoundsandPerformanceMenu", "editroundmenu",
        "Playermenu1",  "Playermenu2", "Playermenu3",    "Playernamesmenu",          "GCmenu1",
        "GCmenu2",      "GCmenu3",     "defineteammenu", "enterteamresultsmenu",     "importcsvmenu",
        "Restoremenu"};
    for (const char* name : kWriters) action(name)->setEnabled(false);
    for (int i = 0; i < static_cast<int>(m_toolButtons.size()); ++i) {
        const char* command = kToolButtons[i].command;
        if (command && !action(command)->isEnabled()) m_toolButtons[i]->setEnabled(false);
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) updateCaption();
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    m_services.help.close();
    savePlace();
    event->accept();
}

QString MainWindow::noLeagueMessage() const {
    return m_services.data.registry.leagueCount > 0 ? kOpenALeague : kNoLeaguesYet;
}

void MainWindow::openLastLeague() {
    const store::LeagueData& data = m_services.data;
    int k = data.registry.currentLeague;
    if (data.settings.openLastLeague != 1 || k < 0 || k >= data.registry.leagueCount) return;
    OpenLeague(k);
}

// The size, place and view the window was left with, kept on the screen; the first time a size
// that shows every column of the listing.
void MainWindow::restorePlace() {
    const store::Settings& s = m_services.data.settings;
    checkView(s.listingView == 2 ? 2 : 1);  // the Individual view needs its player chosen again
    QRect area(0, 0, 1280, 1024);
    if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
    if (s.windowWidth > 0) {
        QSize size = QSize(s.windowWidth, s.windowHeight).expandedTo(minimumSize()).boundedTo(area.size());
        QPoint at(std::clamp(s.windowLeft, area.left(), area.right() - size.width() + 1),
                  std::clamp(s.windowTop, area.top(), area.bottom() - size.height() + 1));
        setGeometry(QRect(at, size));
        return;
    }
    QSize size = QSize(m_listingView->fullWidth() + 16, height()).expandedTo(minimumSize()).boundedTo(area.size());
    resize(size);
    move(area.center() - QPoint(width() / 2, height() / 2) + QPoint(0, 100 / kTwipsPerPixel));
}

void MainWindow::savePlace() {
    store::Settings& s = m_services.data.settings;
    QRect normal = isMaximized() || isMinimized() || isFullScreen() ? normalGeometry() : geometry();
    s.windowLeft = normal.x();
    s.windowTop = normal.y();
    s.windowWidth = normal.width();
    s.windowHeight = normal.height();
    s.listingView = static_cast<int16_t>(checkedView());
    store::SaveSettingsFile(m_services.data, m_services.dialogs);
}

}  // namespace quorval::gui
