#include "ui/entry/scoreentrywindow.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "tempdir.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using platform::Answer;
using platform::Message;
using ::testing::AllOf;
using ::testing::HasSubstr;
using Messages = std::vector<Message>;

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
    // for every hole. Every third hole is a par 3, the rest par 4; the course's out field is wrong
    // and its blue tee has no slope.
    void build(std::initializer_list<int> annRounds) {
        LeagueBuilder b(*s.data, "Test");
        b.course("Pine Hills").tee(store::kBlueTee, "73.0", "").player("Ann");
        for (int strokes : annRounds) b.post("5/" + std::to_string(ann().roundCount + 1) + "/26", Holes(strokes));
        b.player("Bob").player("Cy");
        s.data->courses[1][store::course_field::kParOut] = "35";
    }
    // Opens the window on these players, or on Ann's round in slot -p.
    void open(std::initializer_list<int> players, bool statistics = false) {
        for (int p : players) s.data->players[std::max(p, 1)].selected = 1;
        entry::EntryRequest request = entry::NewRoundsRequest(place, statistics);
        if (int slot = -*players.begin(); slot > 0) {
            request = entry::CorrectionRequest(*s.data, 1, slot);
            request.withStatistics = statistics;
        }
        openChild(&opener, w = new ScoreEntryWindow(s.services, &opener, request));
        QObject::connect(w, &ScoreEntryWindow::entryFinished, [this] { ++finished; });
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
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
        for (int h = 1; h <= 18; ++h) QTest::keyClicks(hole(h), h % 3 ? "4" : "3");
    }
    void record() {
        click("recordbutton");
        ASSERT_TRUE(w->timer()->isActive() && w->timer()->interval() == 600);
        w->postShownRound();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool saved() const { return std::filesystem::exists(dir.path() / "Test.LGE"); }
    const store::PlayerRecord& ann() const { return s.data->players[1]; }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    QPointer<ScoreEntryWindow> w;
    int finished = 0;                       // entryFinished signals
    entry::RoundPlace place{1, 6, 15, 26};  // new rounds: Pine Hills on 6/15/26
};

// A score above 1 moves on at once; a 1 waits for a second digit; below 9 takes a leading blank.
TEST_F(ScoreEntryTest, KeepsTheTotalsAsScoresAreTypedAndSkipsToTheEnd) {
    s.data->players[2].tee = store::kRedTee;
    open({2, 3});
    // The par sums are the hole pars', not the course's out field.
    EXPECT_EQ(shown({"Namelabel", "Pnamelabel", "Partext2", "Outlabel", "Totallabel"}),
              "Pine Hills  golf course  on June  15|Bob| 4|33|66");
    EXPECT_TRUE(get<QAbstractButton>("teebutton1")->isChecked() && hole(1)->hasFocus());
    EXPECT_FALSE(get<QLabel>("eqlabel")->isVisible() || get<QWidget>("deletebutton")->isVisible());
    typeRound();
    EXPECT_EQ(shown({"outscoretext", "inscoretext", "Totalscorelabel"}), "  33|  33|66");
    const std::tuple<const char*, const char*, bool> kTyping[] = {
        {"2", " 2", true},  {"8", " 8", true},   {"9", "9", true},   {"1", " 1", false},
        {"12", "12", true}, {"123", "23", true}, {"x-.", "", false}, {"0", "", false}};
    for (auto [keys, after, movesOn] : kTyping) {
        hole(9)->clear();
        hole(9)->setFocus();
        QTest::keyClicks(hole(9), keys);
        EXPECT_EQ(shown({"scoretext9", "outscoretext"}), after + std::string("|  ") + std::to_string(30 + atoi(after)));
        EXPECT_EQ(hole(10)->hasFocus(), movesOn) << keys;
    }
    // The 0 was refused: a hole played takes at least one stroke.
    EXPECT_THAT(s.dialogs.takeMessages().at(0).text, HasSubstr("0 is not a score"));
    QTest::keyClick(w, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(shown({"Pnamelabel", "Totalscorelabel"}), "Cy|0");
    click("skipbutton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull() && finished == 1 && s.data->players[2].roundCount + s.data->players[3].roundCount == 0);
}

// Record posts nothing for a player without a tee, on a tee without a slope, or for a card
// without a score; the card stays as typed.
TEST_F(ScoreEntryTest, RecordRefusesWithoutATeeAScoreOrASlope) {
    s.data->players[1].tee = store::kNoTee;
    open({1});
    typeRound();
    record();
    click("teebutton3");
    record();
    EXPECT_EQ(shown({"Totalscorelabel"}), "66");
    EXPECT_EQ(s.dialogs.takeMessages(),
              (Messages{warn(entry::kChooseTeeMessage), warn(entry::NoSlopeMessage(*s.data, 1, 3))}));
    click("teebutton2");
    get("outscoretext")->clear(), get("inscoretext")->clear();
    hole(5)->setFocus();
    record();
    EXPECT_TRUE(ann().roundCount == 0 && hole(1)->hasFocus() && !saved());
}

// Edited holes do not move on; a box given the focus has its number selected, so typing replaces
// it. A hole more than 10 over par is asked about before Record goes on.
TEST_F(ScoreEntryTest, EditingRewritesOnlyThatSlot) {
    build({5, 4, 6});
    auto before = ann().rounds;
    open({-2});
    EXPECT_TRUE(!get<QWidget>("skipbutton")->isVisible() && get<QWidget>("deletebutton")->isVisible());
    EXPECT_EQ(shown({"scoretext1", "outscoretext"}), " 4|   36");
    QTest::mouseClick(hole(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClicks(hole(1), "6");
    EXPECT_TRUE(!hole(2)->hasFocus() && shown({"outscoretext"}) == "  38");
    hole(3)->setText("13"), hole(4)->setText("15");  // par 3 and par 4
    s.dialogs.answer(Answer::No);
    click("recordbutton");
    EXPECT_TRUE(!w->timer()->isActive() && hole(4)->hasFocus());
    s.dialogs.answer(Answer::Yes);
    record();
    EXPECT_EQ(s.dialogs.takeMessages(), Messages(2, ask("Keep 15 on hole 4?")));
    const store::RoundRecord& r = ann().rounds[2];
    EXPECT_EQ((std::array<int, 4>{ann().roundCount, r.score[1], r.score[4], r.day}), (std::array{3, 6, 15, 2}));
    EXPECT_TRUE(ann().rounds[1] == before[1] && ann().rounds[3] == before[3]);
    EXPECT_TRUE(w.isNull() && saved());
}

// A corrected date and course are posted with the scores: under the World Handicap System the
// round moves to its place by date, the other rounds are worked out again on the tees they were
// played from, and View Math says so.
TEST_F(ScoreEntryTest, EditingCorrectsTheDateAndCourseInDateOrder) {
    build({5, 4, 6});
    store::LeagueData& d = *s.data;
    d.courses[2] = d.courses[1];
    d.courses[2][store::course_field::kName] = "Cedar Creek";
    d.courses[2][store::course_field::kSlope0 + store::kWhiteTee] = "140";
    d.courseCount = 2;
    for (int c : {1, 2})
        for (int h = 1; h <= 18; ++h) d.strokeIndexes[c][h] = static_cast<int16_t>(h);
    d.options.rules = store::HandicapRules::WHS;
    d.courses[1][store::course_field::kSlope0 + store::kRedTee] = "140";
    d.players[1].rounds[2].teePlayed = store::kRedTee;  // 72 strokes: never limited
    open({-1});
    QTest::keyClick(w, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(shown({"editdate"}), "5/1/2026");
    get("editdate")->setText("2/30/26");
    get<QComboBox>("editcourse")->setCurrentText("Cedar Creek");
    click("recordbutton");
    w->postShownRound();
    EXPECT_THAT(s.dialogs.takeMessages().at(0).text, AllOf(HasSubstr("2/30/26"), HasSubstr("month/day/year")));
    EXPECT_EQ(ann().rounds[1].course, 1);
    get("editdate")->setText("5/10/26");
    record();
    const auto& r = ann().rounds;
    EXPECT_EQ((std::array<int, 6>{r[1].day, r[2].day, r[3].day, r[3].course, r[1].course, ann().roundCount}),
              (std::array{2, 3, 10, 2, 1, 3}));
    EXPECT_NEAR(r[1].rawDifferential, (72 - 70.1) * 113 / 140, 0.05);  // worked out again on the tee played
    QStringList math;
    for (int i = 0; i < get<QListWidget>("List1")->count(); ++i) math << get<QListWidget>("List1")->item(i)->text();
    EXPECT_EQ(math.mid(0, 3),
              (QStringList{"date changed from 5/1/2026 to 5/10/2026", "course changed from Pine Hills to Cedar Creek",
                           "2 other rounds worked out again"}));
    s.dialogs.takeMessages();
}

// Without a slope on the default tee the new last round keeps its index, and the user is told.
TEST_F(ScoreEntryTest, DeleteAsksThenDropsTheRoundAndSaves) {
    build({5, 4, 4});
    s.data->players[1].tee = store::kBlueTee;  // no slope, and the rounds kept no tee of their own
    for (store::RoundRecord& round : s.data->players[1].rounds) round.teePlayed = 0;
    open({-2});
    QTest::keyClicks(hole(1), "5");  // typed, but the round goes anyway: nothing to discard
    for (Answer answer : {Answer::No, Answer::Yes}) {
        s.dialogs.answer(answer);
        click("deletebutton");
        EXPECT_EQ(ann().roundCount, answer == Answer::No ? 3 : 2);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const Messages shown = s.dialogs.takeMessages();  // the question twice, then the warning
    EXPECT_TRUE(shown.size() == 3 && shown[0] == shown[1] &&
                shown[2] == warn(entry::NotRecalculatedMessage(*s.data, 1)));
    EXPECT_EQ(ann().rounds[2].day, 3);
    EXPECT_TRUE(w.isNull() && saved() && finished == 1);
}

// No tall layout here: View Math only asks for a pause, with the list shown, after each posting.
TEST_F(ScoreEntryTest, PerformanceFormCountsTicksAndPutts) {
    s.data->courseEditMode = true;
    open({1, 2}, true);
    click("Command3D1");  // View Math On
    QTest::keyClicks(hole(4), "4");
    EXPECT_TRUE(get("Putts4")->hasFocus());
    QTest::keyClicks(get("Putts4"), "2");
    EXPECT_TRUE(hole(5)->hasFocus());
    for (int k : {3, 5, 12}) click(QString("Fairway%1").arg(k));
    EXPECT_TRUE(get("Putts12")->hasFocus());
    click("Green10");
    EXPECT_EQ(shown({"OutFairways", "InFairways", "TotFairways", "TotGreens"}), "2|1|3|1");
    QTest::keyClicks(get("Putts10"), "3");
    EXPECT_EQ(shown({"TotalPutts"}), "5");
    for (int h = 1; h <= 9; ++h) {
        if (h != 4) hole(h)->setText("5");
    }
    QTest::keyClicks(get("inscoretext"), "36");
    record();
    EXPECT_TRUE(w->paused() && get<QWidget>("List1")->isVisible() && !hole(1)->isEnabled());
    QTest::keyClick(get<QWidget>("continuebutton"), Qt::Key_Return);
    EXPECT_TRUE(!w->paused() && !get<QWidget>("List1")->isVisible() && shown({"Pnamelabel"}) == "Bob");
    closeWindowsExcept(&opener);  // before the next card is posted: the entry still saves what was
    EXPECT_TRUE(saved() && w.isNull() && finished == 1 && !s.data->courseEditMode);
}

// A hole left blank in a nine that has scores is refused, naming it, and nothing is posted; a
// cleared nine posts nine holes.
TEST_F(ScoreEntryTest, BlankHolesAreRefusedNamingThem) {
    open({1});
    typeRound();
    hole(18)->clear();
    click("recordbutton");
    EXPECT_EQ(s.dialogs.takeMessages(),
              Messages{warn("Hole 18 has no score. Type it, or clear the back nine to post nine holes.")});
    EXPECT_TRUE(ann().roundCount == 0 && hole(18)->hasFocus() && !w->timer()->isActive());
    for (int h = 10; h <= 17; ++h) hole(h)->clear();
    record();
    EXPECT_EQ(ann().roundCount, 1);
    EXPECT_EQ(ann().rounds[1].score[store::kInSlot], 0);
}

// A putts box moves on once no further digit fits the hole's score; more putts than strokes are
// refused with a message and the box is emptied.
TEST_F(ScoreEntryTest, PuttsStayWithinTheHoleScore) {
    open({1}, true);
    // clang-format off
    const std::tuple<const char*, const char*, const char*, bool, bool> kCases[] = {
        {"4", "1", "1", true, false}, {"4", "0", "0", true, false}, {"4", "5", "", false, true},
        {"12", "1", "1", false, false}, {"12", "13", "", false, true}};
    // clang-format on
    for (auto [score, putts, kept, movesOn, refused] : kCases) {
        SCOPED_TRACE(std::string(score) + " " + putts);
        hole(2)->setText(score);
        get("Putts2")->clear();
        get("Putts2")->setFocus();
        QTest::keyClicks(get("Putts2"), putts);
        EXPECT_EQ(get("Putts2")->text().toStdString(), kept);
        EXPECT_EQ(hole(3)->hasFocus(), movesOn);
        EXPECT_EQ(s.dialogs.takeMessages().size(), refused ? 1u : 0u);
    }
}

// A round dated on a day the player already has is posted only on Yes; No goes back to the card.
// The tall window then shows the whole calculation and waits for Continue.
TEST_F(ScoreEntryTest, RoundOnATakenDayIsPostedOnlyWhenConfirmedAndViewMathShowsIt) {
    build({4, 5, 6, 4, 5, 6, 4, 5, 6, 4, 5, 6, 4, 5, 6, 4, 5, 6, 4});  // 26 lines of calculation
    place = {1, 5, 19, 26};
    open({1});
    auto* list = get<QListWidget>("List1");
    QTest::keyClick(w, Qt::Key_M, Qt::AltModifier);
    typeRound();
    for (Answer answer : {Answer::No, Answer::Yes}) s.dialogs.answer(answer);
    record();
    EXPECT_TRUE(ann().roundCount == 19 && hole(1)->hasFocus());
    record();
    const Messages asked = s.dialogs.takeMessages();  // a Yes/No question, No by default, each time
    ASSERT_EQ(asked.size(), 2u);
    for (const Message& m : asked) {
        EXPECT_TRUE(m.buttons == platform::Buttons::YesNo && m.defaultButton == 2);
        EXPECT_THAT(m.text, AllOf(HasSubstr("Ann"), HasSubstr("5/19/2026")));
    }
    ASSERT_TRUE(ann().roundCount == 20 && w->paused() && list->isVisible() && !hole(1)->isEnabled());
    // The whole calculation is in sight, down to its result.
    QListWidgetItem* last = list->item(list->count() - 1);
    EXPECT_TRUE(last->text().startsWith("Hcp index = "));
    for (QListWidgetItem* line : {list->item(0), last})
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(line))) << line->text().toStdString();
    QTest::keyClick(get<QWidget>("continuebutton"), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull() && opener.isEnabled() && finished == 1 && saved());
}

}  // namespace
}  // namespace quorval::gui
