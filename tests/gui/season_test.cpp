// A season played through the windows, offscreen: league, courses, players, rounds of both kinds, a
// correction and a deletion; then read back from disk.
#include <tuple>

#include "handicap/differential.hpp"
#include "handicap/handicapindex.hpp"
#include "mainwindowfixture.hpp"
#include "ui/entry/scoreentrywindow.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
namespace field = store::course_field;
using platform::Answer;
using Lines = std::vector<std::string>;

const std::string kLeague = "Thursday Club";
const char* const kNames[] = {"", "Ann Lee", "Bo Diaz", "Cy Young", "Di Fox"};
const int kTees[] = {0, store::kWhiteTee, store::kWhiteTee, store::kWhiteTee, store::kRedTee};
// Cy's only round gets hole 3 corrected to a 9 after it was posted.
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
const std::vector<std::pair<int, int>> kOnFile[] = {{}, {{1, 5}, {2, 6}}, {{2, 6}}, {{1, 5}}, {{1, 5}}};

class SeasonTest : public MainWindowFixture {
protected:
    // What player p does on hole h, each in a pattern of his own: par and up to two strokes more.
    static int strokes(int p, int course, int h) { return kCourses[course - 1].pars[h] + (h + p) % 3; }
    static bool fairwayHit(int p, int h) { return (h + p) % 2 == 0; }
    static bool greenHit(int h) { return h % 3 == 0; }
    static int putts(int p, int h) { return 1 + (h * p) % 2; }

    static void click(QWidget* w, const QString& button) {
        child<QAbstractButton>(w, button.toUtf8().constData())->click();
    }
    static void type(QWidget* w, const QString& box, const QString& text) {
        auto* edit = child<QLineEdit>(w, box.toUtf8().constData());
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    QWidget* open(const char* menuItem, const char* window) {
        main->action(menuItem)->trigger();
        QWidget* w = visibleWindow(window);
        if (!w) throw std::runtime_error(std::string("not shown: ") + window);
        return w;
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
        QTest::keyClicks(child<QLineEdit>(w, "Nametext"), c.name);
        QTest::keyClicks(child<QLineEdit>(w, "initialstext"), c.initials);
        for (int h = 1; h <= 18; ++h) type(w, QString("Partext%1").arg(h), QString::number(c.pars[h]));
        for (int i = 0; i < 6; ++i) {
            auto* spin = child<SpinButton>(w, kTeeSpins[i]);
            for (int n = 0; n < std::abs(c.clicks[i]); ++n)
                (c.clicks[i] > 0 ? spin->upButton() : spin->downButton())->click();
        }
        click(w, "savebutton");
        backToMain();
    }

    // The players picked in the set-up window play the course on a day of December 2026.
    void playRound(const char* menuItem, const std::vector<int>& players, int course, int day) {
        QWidget* setup = open(menuItem, "selectplayers");
        for (int p : players) child<QListWidget>(setup, "List1")->item(p - 1)->setSelected(true);
        child<QComboBox>(setup, "coursecombo")->setEditText(kCourses[course - 1].name);
        for (int d = 6; d > day; --d) child<SpinButton>(setup, "Dayspin")->downButton()->click();
        click(setup, "acceptbutton");
        const bool performance = std::string(menuItem) == "RoundsandPerformanceMenu";
        auto* card = qobject_cast<ScoreEntryWindow*>(visibleWindow(performance ? "roundsform2" : "roundsform"));
        ASSERT_NE(card, nullptr);
        for (int p : players) {
            EXPECT_EQ(child<QLabel>(card, "Pnamelabel")->text(), kNames[p]);
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
        auto* list = child<QListWidget>(chooser, "List1");
        list->setCurrentRow(p - 1);
        click(chooser, "acceptbutton");
        EXPECT_EQ(list->item(row)->text(), date);
        list->setCurrentRow(row);
        click(chooser, "acceptbutton");
        return qobject_cast<ScoreEntryWindow*>(visibleWindow("roundsform"));
    }

    // The hole values of a round as they were typed, with the correction.
    static store::RoundRecord typedRound(int p, int course) {
        store::RoundRecord r;
        for (int h = 1; h <= 18; ++h) {
            const int nine = h <= 9 ? store::kOutSlot : store::kInSlot;
            r.score[h] =
                static_cast<int16_t>(p == kEditedPlayer && h == kEditedHole ? kEditedStrokes : strokes(p, course, h));
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
};

TEST_F(SeasonTest, PlayedThroughTheWindowsItAllComesBackFromDisk) {
    load();
    EXPECT_EQ(boxes(), Lines{});  // the very first start

    QWidget* create = open("Creatmenu", "Createleagueform");
    QTest::keyClicks(child<QLineEdit>(create, "Text1"), QString::fromStdString(kLeague));
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
    EXPECT_EQ(child<QLabel>(roster, "playernumlabel")->text(), "4 member(s)");
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

    // Nothing in memory waits to be written.
    const std::string leagueFile = kLeague + ".LGE";
    EXPECT_EQ(readBytes(leagueFile), store::FormatLeague(*s.data));
    EXPECT_EQ(readBytes(store::kCourseFileName), store::FormatCourses(*s.data));

    // A fresh start reads it all back.
    ScriptedDialogs quiet;
    auto back = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadLeagueRegistry(*back, quiet).ok);
    ASSERT_EQ(back->registry.leagueCount, 1);
    back->leagueFileName = back->registry.leagueFiles[1] + ".LGE";
    EXPECT_EQ(back->leagueFileName, leagueFile);
    ASSERT_TRUE(store::LoadLeagueFile(*back, quiet).ok);
    ASSERT_TRUE(store::LoadCourseFile(*back, quiet).ok);

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
        EXPECT_EQ(std::tuple(player.name, player.tee), std::tuple(kNames[p], kTees[p]));
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
}

}  // namespace
}  // namespace quorval::gui
