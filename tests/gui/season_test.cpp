// A season's rounds entered through the windows, offscreen: rounds of both kinds for the players
// picked, one corrected and one deleted through the round chooser; then read back from disk.
#include <gmock/gmock.h>

#include <tuple>

#include "handicap/differential.hpp"
#include "handicap/handicapindex.hpp"
#include "leaguebuilder.hpp"
#include "mainwindowfixture.hpp"
#include "ui/entry/scoreentrywindow.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using platform::Answer;

const std::string kLeague = "Thursday Club";
const char* const kNames[] = {"", "Ann Lee", "Bo Diaz", "Cy Young", "Di Fox"};
const int kTees[] = {0, store::kWhiteTee, store::kWhiteTee, store::kWhiteTee, store::kRedTee};
// Cy's only round gets hole 3 corrected to a 9 after it was posted.
constexpr int kEditedPlayer = 3, kEditedHole = 3, kEditedStrokes = 9;
// Each player's rounds at the end of the season, oldest first, as course and day of December 2026:
// Bo's first round was deleted. The rounds at Oak Valley were entered with performance data.
const std::vector<std::pair<int, int>> kOnFile[] = {{}, {{1, 5}, {2, 6}}, {{2, 6}}, {{1, 5}}, {{1, 5}}};

class SeasonTest : public MainWindowFixture {
protected:
    SeasonTest() {
        LeagueBuilder league(*s.data, kLeague);
        league.course("Pine Hills", "PH").tee(store::kRedTee, "68.4", "118");
        league.course("Oak Valley", "OV").par(4, 5).tee(store::kWhiteTee, "69.3", "121");
        for (int p = 1; p <= 4; ++p) league.player(kNames[p], kTees[p]);
        league.write();
        load(0);
    }

    // What player p does on hole h, each in a pattern of his own: par and up to two strokes more.
    int strokes(int p, int course, int h) const {
        return std::stoi(s.data->courses[course][store::course_field::kHolePar0 + h]) + (h + p) % 3;
    }
    static bool fairwayHit(int p, int h) { return (h + p) % 2 == 0; }
    static bool greenHit(int h) { return h % 3 == 0; }
    static int putts(int p, int h) { return 1 + (h * p) % 2; }

    static void click(QWidget* w, const QString& button) { child<QAbstractButton>(w, qPrintable(button))->click(); }
    static void type(QWidget* w, const QString& box, int value) {
        child<QLineEdit>(w, qPrintable(box))->clear();
        QTest::keyClicks(child<QLineEdit>(w, qPrintable(box)), QString::number(value));
    }
    QWidget* open(const char* menuItem, const char* window) {
        act(menuItem)->trigger();
        return visibleWindow(window);
    }
    // What the event loop does once a window has closed: deletes it and lets the main window
    // rebuild its listing when it asked to.
    void backToMain() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (main->timer("ViewTimer")->isActive()) main->runViewTimer();
        EXPECT_TRUE(main->isEnabled());
        EXPECT_EQ(s.dialogs.busyDepth(), 0);
    }

    // The players picked in the set-up window play the course on a day of December 2026.
    void playRound(const char* menuItem, const std::vector<int>& players, int course, int day) {
        QWidget* setup = open(menuItem, "selectplayers");
        for (int p : players) child<QListWidget>(setup, "List1")->item(p - 1)->setSelected(true);
        child<QComboBox>(setup, "coursecombo")
            ->setEditText(QString::fromStdString(s.data->courses[course][store::course_field::kName]));
        for (int d = 6; d > day; --d) child<SpinButton>(setup, "Dayspin")->downButton()->click();
        click(setup, "acceptbutton");
        const bool performance = std::string(menuItem) == "RoundsandPerformanceMenu";
        auto* card = qobject_cast<ScoreEntryWindow*>(visibleWindow(performance ? "roundsform2" : "roundsform"));
        ASSERT_NE(card, nullptr);
        for (int p : players) {
            EXPECT_EQ(child<QLabel>(card, "Pnamelabel")->text(), kNames[p]);
            for (int h = 1; h <= 18; ++h) {
                type(card, QString("scoretext%1").arg(h), strokes(p, course, h));
                if (!performance) continue;
                if (fairwayHit(p, h)) click(card, QString("Fairway%1").arg(h));
                if (greenHit(h)) click(card, QString("Green%1").arg(h));
                type(card, QString("Putts%1").arg(h), putts(p, h));
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
    store::RoundRecord typedRound(int p, int course) {
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
    playRound("entermenu", {1, 2, 3, 4}, 1, 5);
    playRound("RoundsandPerformanceMenu", {1, 2}, 2, 6);
    ScoreEntryWindow* card = chooseRound(kEditedPlayer, 0, "12/05/26");
    type(card, QString("scoretext%1").arg(kEditedHole), kEditedStrokes);
    click(card, "recordbutton");
    card->postShownRound();
    backToMain();
    card = chooseRound(2, 1, "12/05/26");  // Bo's older round, listed after the newer one
    s.dialogs.answer(Answer::Yes);
    click(card, "deletebutton");
    EXPECT_THAT(s.dialogs.takeMessages().at(0).text,
                ::testing::StartsWith("Are You sure you want to Delete this round?\r"));
    backToMain();
    // Nothing in memory waits to be written, and a fresh start reads it all back.
    EXPECT_EQ(readBytes(kLeague + ".LGE"), store::FormatLeague(*s.data));
    ScriptedDialogs quiet;
    auto back = std::make_unique<store::LeagueData>();
    back->leagueFileName = kLeague + ".LGE";
    ASSERT_TRUE(store::LoadLeagueFile(*back, quiet).ok && store::LoadCourseFile(*back, quiet).ok);

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
