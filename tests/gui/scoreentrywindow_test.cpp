#include "ui/entry/scoreentrywindow.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "tempdir.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using platform::Answer;
using platform::Message;
using Messages = std::vector<Message>;

constexpr int kPars[19] = {0, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

Message ask(const std::string& text, const std::string& title = "Quorval") {
    return {text, title, platform::Buttons::YesNo, platform::Icon::Question, 2};
}
Message warn(const std::string& text) {
    return {text, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation};
}

class ScoreEntryTest : public ::testing::Test {
protected:
    ScoreEntryTest() { build({}); }
    ~ScoreEntryTest() override {
        // What a test typed and left is given up; any other box left untaken is a fault.
        bool typed = w && w->hasTypedScores();
        if (typed) s.dialogs.answer(Answer::Yes);
        closeWindowsExcept(&opener);
        EXPECT_EQ(s.dialogs.takeMessages().size(), typed ? 1u : 0u);
    }

    // Ann, Bob and Cy on the white tee; Ann's n-th round is posted on 5/n/26 with the strokes given
    // for every hole. The course's out field is wrong and its blue tee has no slope.
    void build(std::initializer_list<int> annRounds) {
        LeagueBuilder b(*s.data, "Test");
        b.course("Pine Hills").tee(store::kRedTee, "71.5", "120").tee(store::kWhiteTee, "70.1", "125");
        b.tee(store::kBlueTee, "73.0", "").player("Ann");
        for (int h = 1; h <= 18; ++h) b.par(h, kPars[h]);
        for (int strokes : annRounds)
            b.post("5/" + std::to_string(s.data->players[1].roundCount + 1) + "/26", Holes(strokes));
        b.player("Bob").player("Cy");
        s.data->courses[1][store::course_field::kParOut] = "35";
        s.data->currentCourse = 1, s.data->entryMonth = 6, s.data->entryDay = 15, s.data->entryYear = 26;
    }
    // Opens the window on these players, or on Ann's round in slot -p.
    void open(std::initializer_list<int> players, bool statistics = false) {
        for (int p : players) s.data->players[std::max(p, 1)].selected = 1;
        if (int slot = -*players.begin(); slot > 0) {
            const store::RoundRecord& r = s.data->players[1].rounds[slot];
            s.data->currentPlayer = 1, s.data->editRound = static_cast<int16_t>(slot);
            s.data->entryMonth = r.month, s.data->entryDay = r.day, s.data->entryYear = r.year;
        }
        w = new ScoreEntryWindow(s.services, &opener, statistics);
        finished = std::make_unique<QSignalSpy>(w.data(), &ScoreEntryWindow::entryFinished);
        openChild(&opener, w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    void close() {
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T = QLineEdit>
    T* get(const QString& name) const {
        return child<T>(w, qPrintable(name));
    }
    QLineEdit* hole(int k) const { return get(QString("scoretext%1").arg(k)); }
    // The texts of these boxes and labels, joined by '|'.
    std::string shown(const QStringList& names) const {
        QStringList texts;
        for (const QString& name : names)
            texts << (w->findChild<QLabel*>(name) ? get<QLabel>(name)->text() : get(name)->text());
        return texts.join('|').toStdString();
    }
    void click(const QString& button) { get<QAbstractButton>(button)->click(); }
    void typeRound() {
        for (int h = 1; h <= 18; ++h) QTest::keyClicks(hole(h), QString::number(kPars[h]));
    }
    void record() {
        click("recordbutton");
        ASSERT_TRUE(w->timer()->isActive());
        EXPECT_EQ(w->timer()->interval(), 600);
        w->postShownRound();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool saved() const { return std::filesystem::exists(dir.path() / "Test.LGE"); }
    const store::PlayerRecord& ann() const { return s.data->players[1]; }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    QPointer<ScoreEntryWindow> w;
    std::unique_ptr<QSignalSpy> finished;
};

TEST_F(ScoreEntryTest, KeepsTheTotalsAsScoresAreTypedAndSkipsToTheEnd) {
    s.data->players[2].tee = store::kRedTee;
    open({2, 3});
    // The par sums are the hole pars', not the course's out field.
    EXPECT_EQ(shown({"Namelabel", "Pnamelabel", "Partext2", "Outlabel", "Totallabel"}),
              "Pine Hills  golf course  on June  15|Bob| 3|36|72");
    EXPECT_TRUE(get<QAbstractButton>("teebutton1")->isChecked() && hole(1)->hasFocus());
    EXPECT_FALSE(get<QLabel>("eqlabel")->isVisible() || get<QWidget>("deletebutton")->isVisible());
    typeRound();
    EXPECT_EQ(shown({"outscoretext", "inscoretext", "Totalscorelabel"}), "  36|  36|72");
    QTest::keyClick(hole(3), Qt::Key_Return);
    EXPECT_TRUE(hole(4)->hasFocus());
    get("outscoretext")->clear();
    QTest::keyClicks(get("outscoretext"), "4a123");  // a nine typed by hand: digits only, three at most
    EXPECT_EQ(shown({"outscoretext", "Totalscorelabel"}), "412|448");

    // A score above 1 moves on at once; a 1 waits for a second digit; below 9 takes a leading blank.
    const struct {
        const char *keys, *shown;
        bool movesOn;
    } kTyping[] = {{"4", " 4", true},  {"9", "9", true},    {"8", " 8", true},  {"1", " 1", false},
                   {"12", "12", true}, {"123", "23", true}, {"x-.", "", false}, {"0", " 0", false}};
    for (const auto& c : kTyping) {
        hole(9)->clear();
        hole(9)->setFocus();
        QTest::keyClicks(hole(9), c.keys);
        EXPECT_EQ(shown({"scoretext9", "outscoretext"}),
                  c.shown + std::string("|  ") + std::to_string(32 + QString(c.shown).toInt()));
        EXPECT_EQ(hole(10)->hasFocus(), c.movesOn) << c.keys;
    }
    click("infobutton");
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_EQ(s.help.topics, (std::vector<std::string>{"Entering Scores", "Entering Scores"}));
    QTest::keyClick(w, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(shown({"Pnamelabel", "Totalscorelabel"}), "Cy|0");
    click("skipbutton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull() && finished->count() == 1);
    EXPECT_EQ(s.data->players[2].roundCount + s.data->players[3].roundCount, 0);
}

// Record posts nothing for a player without a tee, for a card without a score, or on a tee
// without a slope; the card stays as typed.
TEST_F(ScoreEntryTest, RecordRefusesWithoutATeeAScoreOrASlope) {
    s.data->players[1].tee = store::kNoTee;
    open({1, 2});
    QTest::keyClicks(get("inscoretext"), "41");
    record();
    EXPECT_EQ(s.dialogs.takeMessages(), Messages{warn(entry::kChooseTeeMessage)});
    click("teebutton2");
    get("inscoretext")->clear();
    hole(5)->setFocus();
    record();
    EXPECT_TRUE(ann().roundCount == 0 && hole(1)->hasFocus());
    QTest::keyClicks(get("inscoretext"), "41");
    record();
    EXPECT_EQ(ann().rounds[1].score[store::kInSlot] + ann().selected, 41);
    EXPECT_EQ(shown({"Pnamelabel", "inscoretext"}), "Bob|  0");  // the next card, as a new player starts it
    EXPECT_TRUE(hole(1)->hasFocus() && !saved() && finished->count() == 0);
    click("teebutton3");
    typeRound();
    record();
    EXPECT_EQ(s.dialogs.takeMessages(), Messages{warn(entry::NoSlopeMessage(*s.data, 1, 3))});
    EXPECT_TRUE(s.data->players[2].roundCount == 0 && shown({"Totalscorelabel"}) == "72");
    click("teebutton2");
    record();
    EXPECT_EQ(s.data->players[2].roundCount, 1);
    EXPECT_TRUE(w.isNull() && opener.isEnabled() && finished->count() == 1 && s.data->currentPlayer == 0 && saved());
}

// A last course handicap of 18 allows 7 strokes a hole, in new rounds only.
TEST_F(ScoreEntryTest, EquitableLimitLowersNewRoundsOnly) {
    const struct {
        int check, slot;
        const char* shown;
    } kCases[] = {{5, 2, " 7|  7"}, {0, 2, "9|  9"}, {5, 1, "9|  49"}};
    for (const auto& c : kCases) {
        build({5});
        s.data->players[1].rounds[1].courseHandicap = 18;
        s.data->settings.equitableCheck = static_cast<int16_t>(c.check);
        open({c.slot == 1 ? -1 : 1});
        EXPECT_EQ(get<QLabel>("eqlabel")->isVisible(), c.check == 5);
        hole(2)->clear();
        QTest::keyClicks(hole(2), "9");
        click("recordbutton");
        EXPECT_EQ(shown({"scoretext2", "outscoretext"}), c.shown);
        w->postShownRound();
        EXPECT_EQ(ann().rounds[c.slot].score[2], hole(2)->text().toInt()) << c.shown;
        closeWindowsExcept(&opener);
    }
}

TEST_F(ScoreEntryTest, EditingRewritesOnlyThatSlot) {
    build({5, 4, 6});
    auto before = ann().rounds;
    open({-2});
    EXPECT_TRUE(!get<QWidget>("skipbutton")->isVisible() && get<QWidget>("deletebutton")->isVisible());
    w->skipPlayer();
    EXPECT_EQ(s.dialogs.beeps() * 10 + s.dialogs.takeMessages().size(), 11u);
    EXPECT_EQ(shown({"scoretext1", "outscoretext"}), " 4|   36");
    click("infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Edit a Round"});
    // Edited holes do not move on; a box given the focus has its number selected, so typing replaces it.
    QTest::mouseClick(hole(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClicks(hole(1), "6");
    EXPECT_TRUE(!hole(2)->hasFocus() && shown({"outscoretext"}) == "  38");
    hole(3)->setText("65");  // above par + 10: asked about before Record goes on
    s.dialogs.answer(Answer::No);
    click("recordbutton");
    EXPECT_TRUE(!w->timer()->isActive() && hole(3)->hasFocus());
    s.dialogs.answer(Answer::Yes);
    record();
    EXPECT_EQ(s.dialogs.takeMessages(), (Messages{ask("Keep 65 on hole 3?"), ask("Keep 65 on hole 3?")}));
    const store::RoundRecord& r = ann().rounds[2];
    EXPECT_EQ((std::array<int, 4>{ann().roundCount, r.score[1], r.score[3], r.day}), (std::array<int, 4>{3, 6, 65, 2}));
    EXPECT_TRUE(r.differential != before[2].differential && ann().rounds[1] == before[1] &&
                ann().rounds[3] == before[3]);
    EXPECT_TRUE(w.isNull() && saved() && s.data->editRound == 0);
}

// Without a slope on the default tee the new last round keeps its index, and the user is told.
TEST_F(ScoreEntryTest, DeleteAsksThenDropsTheRoundAndSaves) {
    build({5, 4, 4});
    s.data->players[1].tee = store::kBlueTee;
    open({-2});
    for (Answer answer : {Answer::No, Answer::Yes}) {
        s.dialogs.answer(answer);
        click("deletebutton");
        EXPECT_EQ(ann().roundCount, answer == Answer::No ? 3 : 2);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const Message question =
        ask("Are You sure you want to Delete this round?\r\n\r\nAfter the round is deleted, the Hcp\r\nindex will be "
            "recalculated for the last round\r\nentered for this player using their default tee.",
            "QVL");
    EXPECT_EQ(s.dialogs.takeMessages(),
              (Messages{question, question, warn(entry::NotRecalculatedMessage(*s.data, 1))}));
    EXPECT_EQ(ann().rounds[2].day, 3);
    EXPECT_TRUE(w.isNull() && saved() && finished->count() == 1);
}

TEST_F(ScoreEntryTest, PerformanceFormCountsTicksAndPutts) {
    s.data->courseEditMode = true;
    open({1, 2}, true);
    // No tall layout here: View Math only asks for a pause, with the list shown, after each posting.
    click("Command3D1");
    EXPECT_EQ(get<QAbstractButton>("Command3D1")->text(), "View Math On");
    QTest::keyClicks(hole(4), "4");
    EXPECT_TRUE(get("Putts4")->hasFocus());
    QTest::keyClicks(get("Putts4"), "1");
    EXPECT_TRUE(get("Putts4")->hasFocus());
    QTest::keyClicks(get("Putts4"), "\b2");
    EXPECT_TRUE(hole(5)->hasFocus());
    for (int k : {3, 5, 12}) click(QString("Fairway%1").arg(k));
    EXPECT_TRUE(get("Putts12")->hasFocus());
    click("Green10");
    EXPECT_EQ(shown({"OutFairways", "InFairways", "TotFairways", "TotGreens"}), "2|1|3|1");
    QTest::keyClicks(get("Putts10"), "3");
    QTest::keyClicks(get("OutPutts"), "7");  // stored as typed, and leaves the total alone
    EXPECT_EQ(shown({"TotalPutts"}), "5");
    QTest::keyClicks(get("inscoretext"), "36");
    record();
    EXPECT_TRUE(w->paused() && get<QWidget>("List1")->isVisible() && !hole(1)->isEnabled());
    const store::RoundRecord& r = ann().rounds[1];  // the holes as posted are played through in the season test
    EXPECT_EQ((std::array{r.fairway[3], r.green[10], r.putts[4], r.fairway[19], r.green[19], r.putts[19], r.putts[20]}),
              (std::array<int16_t, 7>{2, 2, 2, 2, 0, 27, 3}));
    QTest::keyClick(get<QWidget>("continuebutton"), Qt::Key_Return);
    EXPECT_TRUE(!w->paused() && !get<QWidget>("List1")->isVisible() && shown({"Pnamelabel"}) == "Bob");
    // Closed before the next card is posted, the entry still saves what was.
    close();
    EXPECT_TRUE(saved() && w.isNull() && finished->count() == 1 && !s.data->courseEditMode);
    // With nines that add up, a round edited and recorded unchanged keeps every value.
    s.data->players[1].rounds[1].putts[store::kOutSlot] = 2;
    s.data->players[2].selected = 0;
    store::RoundRecord stored = r;
    open({-1}, true);
    record();
    EXPECT_EQ(ann().rounds[1], stored);
}

// View Math: the tall window shows the whole calculation after a posting and waits for Continue.
TEST_F(ScoreEntryTest, ViewMathPausesWithTheResultInSight) {
    build({4, 5, 6, 4, 5, 6, 4, 5, 6, 4, 5, 6, 4, 5, 6, 4, 5, 6, 4});  // 26 lines of calculation
    open({1, 2});
    auto* list = get<QListWidget>("List1");
    QTest::keyClick(w, Qt::Key_M, Qt::AltModifier);
    EXPECT_TRUE(list->isVisible());
    typeRound();
    record();
    ASSERT_TRUE(w->paused());
    EXPECT_FALSE(hole(1)->isEnabled());
    EXPECT_GE(list->viewport()->height(), 26 * list->fontMetrics().height());
    QListWidgetItem* last = list->item(list->count() - 1);
    EXPECT_TRUE(last->text().startsWith("Hcp index = ") &&
                list->viewport()->rect().contains(list->visualItemRect(last)));
    QTest::keyClick(get<QWidget>("continuebutton"), Qt::Key_Return);
    EXPECT_TRUE(!w->paused() && list->count() == 0 && list->isVisible() && hole(1)->hasFocus());
    EXPECT_EQ(shown({"Pnamelabel"}), "Bob");
}

// Escape, Cancel and the title bar ask before typed scores are thrown away; No keeps the card.
TEST_F(ScoreEntryTest, LeavingTypedScoresAsksFirst) {
    open({1});
    typeRound();
    for (Answer answer : {Answer::No, Answer::No, Answer::Yes}) s.dialogs.answer(answer);
    QTest::keyClick(hole(18), Qt::Key_Escape);
    click("cancelbutton");
    EXPECT_EQ(shown({"Totalscorelabel"}), "72");
    close();
    const Message discard = ask("Discard the scores typed for Ann?");
    EXPECT_EQ(s.dialogs.takeMessages(), (Messages{discard, discard, discard}));
    EXPECT_TRUE(w.isNull() && !saved() && ann().roundCount == 0);
}

// A round dated before the player's latest, or on a day he already has, is posted only on Yes.
TEST_F(ScoreEntryTest, RoundsOutOfDateOrderArePostedOnlyWhenConfirmed) {
    const struct {
        int16_t month, day;
        const char* question;
    } kCases[] = {{5, 2, "Ann already has a round on 5/2/2026.\r\n\r\nPost this round as well?"},
                  {5, 1, "Ann already has a round on 5/1/2026.\r\n\r\nPost this round as well?"},
                  {4, 30,
                   "This round is dated 4/30/2026, before Ann's latest round (5/2/2026).\r\nOlder rounds are best "
                   "entered first.\r\n\r\nPost this round anyway?"}};
    for (const auto& c : kCases) {
        build({5, 5});
        s.data->entryMonth = c.month, s.data->entryDay = c.day;
        open({1});
        typeRound();
        s.dialogs.answer(Answer::No);
        s.dialogs.answer(Answer::Yes);
        record();
        EXPECT_EQ(ann().roundCount, 2);
        record();
        const Message question = ask(c.question, "Date of the Round");
        EXPECT_EQ(s.dialogs.takeMessages(), (Messages{question, question}));
        EXPECT_EQ(ann().roundCount * 100 + ann().rounds[3].day, 300 + c.day);
    }
}

}  // namespace
}  // namespace quorval::gui
