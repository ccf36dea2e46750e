// A season played through the windows, offscreen: league, courses, players, rounds of both kinds, a
// correction and a deletion, teams and points, every report, export and backup; then read back from disk.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "backup/backup.hpp"
#include "fakeseams.hpp"
#include "handicap/differential.hpp"
#include "handicap/handicapindex.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"
#include "ui/entry/scoreentrywindow.hpp"
#include "ui/main/backupwindow.hpp"
#include "ui/main/mainwindow.hpp"
#include "widgets/spinbutton.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
namespace fs = std::filesystem;
namespace field = store::course_field;
using platform::Answer;
using Lines = std::vector<std::string>;

const std::string kLeague = "Thursday Club";
const char* const kNames[] = {"", "Ann Lee", "Bo Diaz", "Cy Young", "Di Fox"};
const int kTees[] = {0, store::kWhiteTee, store::kWhiteTee, store::kWhiteTee, store::kRedTee};
const int kTeams[] = {0, 1, 2, 1, 2};
const char* const kTeamNames[] = {"", "Eagles", "Hawks"};
const store::TeamEntry kPoints[] = {{}, {"Week 1", 12, 4.5f}, {"Week 1", 8, 2}};

// Cy's only round gets hole 3 corrected after it was posted.
constexpr int kEditedPlayer = 3, kEditedHole = 3, kEditedStrokes = 9;

// The spins of the course window, red, white and blue ratings then slopes.
const char* const kTeeSpins[] = {"redrateingspin", "Whiteratingspin", "blueratingspin",
                                 "redslopespin",   "whiteslopespin",  "blueslopespin"};

// A course as typed, and the texts its fields should hold.
struct CourseInput {
    const char* name;
    const char* initials;
    int pars[19];
    const char* nines[3];     // out, in and total par
    int clicks[6];            // of each tee spin: up 0.1 or 1 from 65.0 and 113, down when negative
    const char* teeTexts[6];  // the three ratings, then the three slopes
};

// clang-format off
const CourseInput kCourses[] = {
    {"Pine Hills", "PH", {0, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4}, {"36", "36", " 72"},
     {30, 50, 72, 5, 12, 18}, {" 68", " 70", " 72.2", " 118", " 125", " 131"}},
    {"Oak Valley", "OV", {0, 4, 4, 4, 3, 5, 4, 4, 3, 4, 4, 5, 3, 4, 4, 4, 4, 3, 5}, {"35", "36", " 71"},
     {25, 40, 0, 2, 7, -3}, {" 67.5", " 69", " 65", " 115", " 120", " 110"}},
};
// clang-format on

// Each player's rounds at the end of the season, oldest first, as course and day of December 2026:
// Bo's first round was deleted. The rounds at Oak Valley were entered with performance data.
using Played = std::pair<int, int>;
const std::vector<Played> kOnFile[] = {{}, {{1, 5}, {2, 6}}, {{2, 6}}, {{1, 5}}, {{1, 5}}};

class SeasonTest : public ::testing::Test {
protected:
    SeasonTest() { ::setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1); }
    ~SeasonTest() override {
        closeWindowsExcept(main.get());
        main.reset();
    }

    // What player p does on hole h, each in a pattern of his own: par and up to two strokes more.
    static int strokes(int p, int course, int h) { return kCourses[course - 1].pars[h] + (h + p) % 3; }
    static bool fairwayHit(int p, int h) { return (h + p) % 2 == 0; }
    static bool greenHit(int h) { return h % 3 == 0; }
    static int putts(int p, int h) { return 1 + (h * p) % 2; }

    // A missing window or control ends the test at once instead of crashing it.
    template <typename T>
    static T* need(T* found, const QString& what) {
        if (!found) throw std::runtime_error("not found: " + what.toStdString());
        return found;
    }
    template <typename T = QWidget>
    static T* in(QWidget* w, const QString& name) {
        return need(w->findChild<T*>(name), name);
    }
    static void click(QWidget* w, const QString& button) { in<QAbstractButton>(w, button)->click(); }
    static void type(QWidget* w, const QString& box, const QString& text) {
        auto* edit = in<QLineEdit>(w, box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    QWidget* open(const char* menuItem, const QString& window) {
        main->action(menuItem)->trigger();
        return need(visibleWindow(window), window);
    }

    // The first line of every box shown since the last look.
    Lines boxes() {
        Lines lines;
        for (const platform::Message& m : s.dialogs.takeMessages())
            lines.push_back(m.text.substr(0, m.text.find('\r')));
        return lines;
    }

    // What the event loop does once a window has closed: deletes it and lets the main window
    // rebuild its listing when it asked to.
    void backToMain() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (main->timer("ViewTimer")->isActive()) main->runViewTimer();
        EXPECT_TRUE(main->isEnabled());
        EXPECT_EQ(s.dialogs.busyDepth(), 0);
    }

    void addCourse(const CourseInput& c) {
        QWidget* w = open("GCmenu1", "course");
        QTest::keyClicks(in<QLineEdit>(w, "Nametext"), c.name);
        QTest::keyClicks(in<QLineEdit>(w, "initialstext"), c.initials);
        for (int h = 1; h <= 18; ++h) type(w, QString("Partext%1").arg(h), QString::number(c.pars[h]));
        for (int i = 0; i < 6; ++i) {
            auto* spin = in<SpinButton>(w, kTeeSpins[i]);
            for (int n = 0; n < std::abs(c.clicks[i]); ++n)
                (c.clicks[i] > 0 ? spin->upButton() : spin->downButton())->click();
        }
        click(w, "savebutton");
        backToMain();
    }

    // The players picked in the set-up window play the course on a day of December 2026.
    void playRound(const char* menuItem, const std::vector<int>& players, int course, int day) {
        QWidget* setup = open(menuItem, "selectplayers");
        for (int p : players) in<QListWidget>(setup, "List1")->item(p - 1)->setSelected(true);
        in<QComboBox>(setup, "coursecombo")->setEditText(kCourses[course - 1].name);
        for (int d = 6; d > day; --d) in<SpinButton>(setup, "Dayspin")->downButton()->click();
        click(setup, "acceptbutton");
        const bool performance = std::string(menuItem) == "RoundsandPerformanceMenu";
        auto* card = need(qobject_cast<ScoreEntryWindow*>(visibleWindow(performance ? "roundsform2" : "roundsform")),
                          "score card");
        for (int p : players) {
            EXPECT_EQ(in<QLabel>(card, "Pnamelabel")->text(), kNames[p]);
            for (int h = 1; h <= 18; ++h) {
                type(card, QString("scoretext%1").arg(h), QString::number(strokes(p, course, h)));
                if (!performance) continue;
                if (fairwayHit(p, h)) click(card, QString("Fairway%1").arg(h));
                if (greenHit(h)) click(card, QString("Green%1").arg(h));
                type(card, QString("Putts%1").arg(h), QString::number(putts(p, h)));
            }
            click(card, "recordbutton");
            card->postShownRound();  // the posting tick; after the last player the card closes
        }
        backToMain();
    }

    // The round editor on one of the player's rounds, picked by its date.
    ScoreEntryWindow* chooseRound(int p, int row, const QString& date) {
        QWidget* chooser = open("editroundmenu", "GPlayer");
        auto* list = in<QListWidget>(chooser, "List1");
        list->setCurrentRow(p - 1);
        click(chooser, "acceptbutton");
        EXPECT_EQ(need(list->item(row), date)->text(), date);
        list->setCurrentRow(row);
        click(chooser, "acceptbutton");
        return need(qobject_cast<ScoreEntryWindow*>(visibleWindow("roundsform")), "roundsform");
    }

    void makeTeams() {
        QWidget* setup = open("defineteammenu", "createteamsform");
        for (int t = 1; t <= 2; ++t) {
            if (t > 1) click(setup, "createbutton");
            QTest::keyClicks(in<QLineEdit>(setup, "teamnametext"), kTeamNames[t]);
            auto* unassigned = in<QListWidget>(setup, "List1");
            for (int i = 0; i < unassigned->count(); ++i)
                unassigned->item(i)->setSelected(kTeams[unassigned->item(i)->data(Qt::UserRole).toInt()] == t);
            click(setup, "addbutton");
        }
        click(setup, "Exitbutton");
        backToMain();
        QWidget* points = open("enterteamresultsmenu", "teamdataform");
        for (int t = 1; t <= 2; ++t) {
            EXPECT_EQ(in<QLabel>(points, "TeamNameLabel")->text(), kTeamNames[t]);
            type(points, "Text1", QString::fromStdString(kPoints[t].description));
            type(points, "ManualText", QString::number(kPoints[t].keptTotal));
            type(points, "Calculatedtext", QString::number(kPoints[t].points));
            click(points, "Addbutton");
            click(points, "nextteambutton");
        }
        click(points, "exitbutton");
        backToMain();
    }

    void printEverything() {
        for (Answer longOrShort : {Answer::Yes, Answer::No}) {
            s.dialogs.answer(longOrShort);
            main->action("Printmenu")->trigger();
        }
        main->action("CHCPChartmenu")->trigger();
        in<QComboBox>(main.get(), "Selectcoursecombo")->setEditText("Oak Valley");
        s.dialogs.answerInput("2");  // the white tee
        click(main.get(), "okordeletebutton");
        backToMain();
        // The report windows; the analysis views show Ann, picked from the player chooser.
        for (auto [item, window, print, done, asks] :
             {std::tuple{"printcardsmenu", "HcpCards", "PrintButton", "donebutton", true},
              {"leaguehcmenu", "compareform", "Command3d1", "donebutton", true},
              {"teamsummarymenu", "PrintTeamform", "Printbutton", "Donebutton", false},
              {"graphmenu3", "Piechart", "printbutton", "closebutton", true},
              {"graphmenu2", "GRform", "printbutton", "donebutton", true},
              {"graphmenu0", "Statsform", "PrintSingle", "Closebutton", true}}) {
            main->action(item)->trigger();
            if (QWidget* chooser = visibleWindow("ANchooseplayer")) {
                in<QListWidget>(chooser, "List1")->setCurrentRow(0);
                click(chooser, "acceptbutton");
            }
            QWidget* w = need(visibleWindow(window), window);
            if (std::string(window) == "HcpCards") click(w, "selectallbutton");
            if (asks) s.dialogs.answer(Answer::Ok);
            click(w, print);
            click(w, done);
            backToMain();
        }
        const std::string listing = "Include individual hole scores?   (Click Yes)";
        EXPECT_EQ(boxes(), (Lines{listing, listing, "Ready to print handicap cards?",
                                  "Ready to send List to the Printer.", "Ready to send chart to Printer",
                                  "Ready to send chart to Printer", "Ready to send List to the Printer."}));
    }

    // The hole values of a round as they were typed, with the correction.
    static store::RoundRecord typedRound(int p, int course) {
        store::RoundRecord r;
        for (int h = 1; h <= 18; ++h) {
            const int nine = h <= 9 ? store::kOutSlot : store::kInSlot;
            r.score[h] = static_cast<int16_t>(strokes(p, course, h));
            if (p == kEditedPlayer && h == kEditedHole) r.score[h] = kEditedStrokes;
            r.score[nine] += r.score[h];
            if (course != 2) continue;
            r.fairway[h] = fairwayHit(p, h) ? 2 : 1;
            r.fairway[nine] += fairwayHit(p, h);
            r.green[h] = greenHit(h) ? 2 : 1;
            r.green[nine] += greenHit(h);
            r.putts[h] = static_cast<int16_t>(putts(p, h));
            r.putts[nine] += r.putts[h];
        }
        return r;
    }

    TempWorkDir dir;
    TestServices s;
    std::unique_ptr<MainWindow> main;
};

TEST_F(SeasonTest, PlayedThroughTheWindowsItAllComesBackFromDisk) {
    main = std::make_unique<MainWindow>(s.services);
    main->Load();
    main->show();
    EXPECT_EQ(boxes(), Lines{});  // the very first start

    QWidget* create = open("Creatmenu", "Createleagueform");
    QTest::keyClicks(in<QLineEdit>(create, "Text1"), QString::fromStdString(kLeague));
    click(create, "Okbutton");
    backToMain();
    main->action("leaguesmenu0")->trigger();
    EXPECT_EQ(main->panelMessage().toStdString(), "Current League - " + kLeague);
    for (const CourseInput& c : kCourses) addCourse(c);
    EXPECT_EQ(boxes(), Lines{store::kNoCoursesYet});  // opening; adding the first course says nothing

    QWidget* roster = open("Playermenu1", "playform");
    for (int p = 1; p <= 4; ++p) {
        type(roster, "Text1", kNames[p]);
        click(roster, QString("Option3D1%1").arg(kTees[p] - 1));
        click(roster, "addbutton");
    }
    EXPECT_EQ(in<QLabel>(roster, "playernumlabel")->text(), "4 member(s)");
    click(roster, "exitbutton");
    backToMain();

    playRound("entermenu", {1, 2, 3, 4}, 1, 5);
    playRound("RoundsandPerformanceMenu", {1, 2}, 2, 6);
    ScoreEntryWindow* card = chooseRound(kEditedPlayer, 0, "12/05/26");
    type(card, QString("scoretext%1").arg(kEditedHole), QString::number(kEditedStrokes));
    click(card, "recordbutton");
    card->postShownRound();
    backToMain();
    card = chooseRound(2, 1, "12/05/26");  // Bo's older round, listed after the newer one
    s.dialogs.answer(Answer::Yes);
    click(card, "deletebutton");
    EXPECT_EQ(boxes(), Lines{"Are You sure you want to Delete this round?"});
    backToMain();

    makeTeams();
    printEverything();

    s.dialogs.answerSaveFile((dir.path() / "season").string());
    main->action("printfilemenu")->trigger();
    const std::string exported = readBytes(dir.path() / "season.txt");
    for (int p = 1; p <= 4; ++p)
        EXPECT_NE(exported.find("\r\n       " + std::string(kNames[p]) + " "), std::string::npos) << kNames[p];

    const fs::path usb = dir.path() / "usb";
    fs::create_directory(usb);
    QWidget* saver = open("Backupmenu", "Backupform");
    s.dialogs.answerFolder(usb.string());
    click(saver, "browsebutton");
    click(saver, "copybutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);  // where the copies went
    need(qobject_cast<BackupWindow*>(saver), "Backupform")->closeAfterBackup();
    backToMain();

    // Nothing in memory waits to be written, and the backup holds exact copies.
    const std::string leagueFile = kLeague + ".LGE", teamFile = kLeague + ".tea";
    EXPECT_EQ(readBytes(leagueFile), store::FormatLeague(*s.data));
    EXPECT_EQ(readBytes(teamFile), store::FormatTeams(*s.data));
    EXPECT_EQ(readBytes(store::kCourseFileName), store::FormatCourses(*s.data));
    for (const std::string& name :
         {leagueFile, teamFile, std::string(store::kRegistryFileName), std::string(store::kCourseFileName)}) {
        const fs::path original = store::findDataFile(name);
        EXPECT_FALSE(readBytes(original).empty()) << name;
        EXPECT_EQ(readBytes(usb / backup::kBackupFolderName / original.filename()), readBytes(original)) << name;
    }

    // Long and short listing, course chart, cards, comparison, team summary, scoring chart, graph, summary.
    EXPECT_EQ(s.printer.documents().size(), 9u);
    for (const print::Document& document : s.printer.documents()) {
        EXPECT_FALSE(document.pages.empty());
        for (const print::Page& page : document.pages) EXPECT_FALSE(page.texts.empty() && page.drawings.empty());
    }

    // A fresh start reads it all back.
    ScriptedDialogs quiet;
    auto back = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadLeagueRegistry(*back, quiet).ok);
    ASSERT_EQ(back->registry.leagueCount, 1);
    back->leagueFileName = back->registry.leagueFiles[1] + ".LGE";
    EXPECT_EQ(back->leagueFileName, leagueFile);
    ASSERT_TRUE(store::LoadLeagueFile(*back, quiet).ok);
    ASSERT_TRUE(store::LoadCourseFile(*back, quiet).ok);
    ASSERT_TRUE(store::LoadTeamAssignments(*back).ok);

    ASSERT_EQ(back->courseCount, 2);
    for (int c = 1; c <= 2; ++c) {
        const CourseInput& typed = kCourses[c - 1];
        store::CourseRecord expected{};
        expected[field::kName] = typed.name;
        expected[field::kInitials] = typed.initials;
        for (int i = 0; i < 3; ++i) expected[field::kParOut + i] = typed.nines[i];
        for (int h = 1; h <= 18; ++h) expected[field::kHolePar0 + h] = " " + std::to_string(typed.pars[h]);
        for (int i = 0; i < 6; ++i) expected[field::kRating0 + 1 + i] = typed.teeTexts[i];
        EXPECT_EQ(back->courses[c], expected) << typed.name;
    }

    const store::Settings& settings = s.data->settings;
    ASSERT_EQ(back->playerCount, 4);
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(kNames[p]);
        const store::PlayerRecord& player = back->players[p];
        EXPECT_EQ(std::tuple(player.name, player.tee, player.team), std::tuple(kNames[p], kTees[p], kTeams[p]));
        ASSERT_EQ(player.roundCount, static_cast<int>(kOnFile[p].size()));
        for (int r = 1; r <= player.roundCount; ++r) {
            SCOPED_TRACE(r);
            const auto [played, day] = kOnFile[p][r - 1];  // the course's slot and the day
            const store::RoundRecord& round = player.rounds[r];
            const store::RoundRecord typed = typedRound(p, played);
            EXPECT_EQ(std::tuple(round.month, round.day, round.year, round.course), std::tuple(12, day, 26, played));
            EXPECT_EQ(std::tie(round.score, round.fairway, round.green, round.putts),
                      std::tie(typed.score, typed.fairway, typed.green, typed.putts));
            // Every round was played from the player's own tee.
            const store::CourseRecord& course = back->courses[played];
            const auto rating = static_cast<float>(store::CourseRating(course, kTees[p]));
            const auto slope = static_cast<float>(store::CourseSlope(course, kTees[p]));
            EXPECT_EQ(round.differential,
                      handicap::ComputeDifferential(typed.score[store::kOutSlot], typed.score[store::kInSlot], rating,
                                                    slope, settings.nineHoleOption));
            EXPECT_EQ(round.handicapIndex, handicap::ComputeHandicapIndex(player, r, settings, kTees[p]).index);
            EXPECT_EQ(round.courseHandicap, handicap::ComputeCourseHandicap(round.handicapIndex, slope));
        }
    }

    ASSERT_EQ(back->teams.teamCount, 2);
    for (int t = 1; t <= 2; ++t) {
        EXPECT_EQ(back->teams.teamNames[t], kTeamNames[t]);
        ASSERT_EQ(back->teams.teamEntryCount[t], 1) << t;
        EXPECT_EQ(back->teams.teamEntries[t][1], kPoints[t]) << t;
    }
}

}  // namespace
}  // namespace quorval::gui
