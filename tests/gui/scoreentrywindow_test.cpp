#include "ui/entry/scoreentrywindow.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>

#include "fakeseams.hpp"
#include "store/leaguefile.hpp"
#include "tempdir.hpp"
#include "windowtesting.hpp"

// Readable failures.
static void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::Message;

constexpr int kPars[19] = {0, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

class ScoreEntryTest : public ::testing::Test {
protected:
    ScoreEntryTest() {
        store::LeagueData& d = *s.data;
        d.leagueFileName = "Test.LGE";
        d.playerCount = 3;
        for (int p = 1; p <= 3; ++p) {
            d.players[p].name = std::array{"", "Ann", "Bob", "Cy"}[p];
            d.players[p].tee = store::kWhiteTee;
        }
        d.courseCount = 1;
        store::CourseRecord& c = d.courses[1];
        c = {"", "Pine Hills", "35", "36", "71"};  // the nine pars as typed, one of them wrong
        for (int h = 1; h <= 18; ++h) c[store::course_field::kHolePar0 + h] = std::to_string(kPars[h]);
        c[23] = "71.5", c[24] = "70.1", c[25] = "73.0";  // ratings red, white, blue
        c[26] = "120", c[27] = "125";                    // the blue tee has no slope
        d.currentCourse = 1;
        d.entryMonth = 6, d.entryDay = 15, d.entryYear = 26;
    }
    ~ScoreEntryTest() override {
        // What a test typed and left is given up; any other box left untaken is a fault.
        bool typed = w && w->hasTypedScores();
        if (typed) s.dialogs.answer(Answer::Yes);
        closeWindowsExcept(&opener);
        EXPECT_EQ(s.dialogs.takeMessages().size(), typed ? 1u : 0u);
    }

    void open(bool statistics = false) {
        w = new ScoreEntryWindow(s.services, &opener, statistics);
        finished = std::make_unique<QSignalSpy>(w.data(), &ScoreEntryWindow::entryFinished);
        openChild(&opener, w);
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }

    // A stored round of `strokes` on every hole, as the window would post it.
    void storeRound(int p, int strokes, int tee = store::kWhiteTee) {
        entry::RoundEntry e;
        e.tee = tee;
        for (int h = 1; h <= 18; ++h) e.score[h] = static_cast<int16_t>(strokes);
        e.score[store::kOutSlot] = e.score[store::kInSlot] = static_cast<int16_t>(9 * strokes);
        entry::PostRound(*s.data, p, e, {1, 5, 1 + s.data->players[p].roundCount, 26}, 0);
    }

    // What the round chooser hands over.
    void editSlot(int p, int slot) {
        store::LeagueData& d = *s.data;
        const store::RoundRecord& r = d.players[p].rounds[slot];
        d.players[p].selected = 1;
        d.currentPlayer = static_cast<int16_t>(p);
        d.editRound = static_cast<int16_t>(slot);
        d.entryMonth = r.month, d.entryDay = r.day, d.entryYear = r.year, d.currentCourse = r.course;
    }

    template <typename T = QLineEdit>
    T* get(const QString& name) const {
        T* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QLineEdit* hole(int k) const { return get(QString("scoretext%1").arg(k)); }
    QString text(const QString& name) const {
        if (auto* label = w->findChild<QLabel*>(name)) return label->text();
        return get(name)->text();
    }
    void typeRound(const int (&strokes)[19]) {
        for (int h = 1; h <= 18; ++h) QTest::keyClicks(hole(h), QString::number(strokes[h]));
    }
    void record() {
        get<QPushButton>("recordbutton")->click();
        ASSERT_TRUE(w->timer()->isActive());
        EXPECT_EQ(w->timer()->interval(), 600);
        w->postShownRound();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool saved() const { return std::filesystem::exists(dir.path() / "Test.LGE"); }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
    QPointer<ScoreEntryWindow> w;
    std::unique_ptr<QSignalSpy> finished;
};

struct Typing {
    const char* keys;
    const char* shown;
    bool movesOn;
};

class ScoreEntryTypingTest : public ScoreEntryTest, public ::testing::WithParamInterface<Typing> {};

// A score above 1 moves on at once; a 1 waits for a second digit; below 9 takes a leading blank.
TEST_P(ScoreEntryTypingTest, HoleBoxShowsAndMovesOn) {
    s.data->players[1].selected = 1;
    open();
    QTest::keyClicks(hole(9), GetParam().keys);
    EXPECT_EQ(hole(9)->text(), GetParam().shown);
    EXPECT_EQ(hole(10)->hasFocus(), GetParam().movesOn);
    EXPECT_EQ(text("outscoretext"), "  " + QString::number(hole(9)->text().toInt()));
}

INSTANTIATE_TEST_SUITE_P(ScoreEntry, ScoreEntryTypingTest,
                         ::testing::Values(Typing{"4", " 4", true}, Typing{"9", "9", true}, Typing{"8", " 8", true},
                                           Typing{"1", " 1", false}, Typing{"12", "12", true},
                                           Typing{"123", "23", true}, Typing{"x-.", "", false},
                                           Typing{"0", " 0", false}));

TEST_F(ScoreEntryTest, OpensOnTheFirstMarkedPlayerAndKeepsTheTotals) {
    s.data->players[2].selected = s.data->players[3].selected = 1;
    s.data->players[2].tee = store::kRedTee;
    open();
    EXPECT_EQ(text("Namelabel"), "Pine Hills  golf course  on June  15");
    EXPECT_EQ(text("Pnamelabel"), "Bob");
    EXPECT_TRUE(get<QRadioButton>("teebutton1")->isChecked());
    EXPECT_EQ(text("Partext2"), " 3");
    EXPECT_EQ(text("Outlabel"), "36");  // the sum of the hole pars, not the course's nine field
    EXPECT_EQ(text("Totallabel"), "72");
    EXPECT_FALSE(get<QLabel>("eqlabel")->isVisible());
    EXPECT_FALSE(get<QPushButton>("deletebutton")->isVisible());
    EXPECT_TRUE(hole(1)->hasFocus());

    typeRound(kPars);
    EXPECT_EQ(text("outscoretext"), "  36");
    EXPECT_EQ(text("inscoretext"), "  36");
    EXPECT_EQ(text("Totalscorelabel"), "72");
    QTest::keyClick(hole(3), Qt::Key_Return);
    EXPECT_TRUE(hole(4)->hasFocus());

    // A nine typed by hand: digits only, three at most.
    QLineEdit* out = get("outscoretext");
    out->clear();
    QTest::keyClicks(out, "4a123");
    EXPECT_EQ(out->text(), "412");
    EXPECT_EQ(text("Totalscorelabel"), "448");

    get<QPushButton>("infobutton")->click();
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Entering Scores"});
}

TEST_F(ScoreEntryTest, PostsEachMarkedPlayerThenSavesAndCloses) {
    s.data->players[1].selected = s.data->players[3].selected = 1;
    open();
    typeRound(kPars);
    record();
    const store::PlayerRecord& ann = s.data->players[1];
    ASSERT_EQ(ann.roundCount, 1);
    const store::RoundRecord& r = ann.rounds[1];
    EXPECT_EQ((std::array{r.month, r.day, r.year, r.course}), (std::array<int16_t, 4>{6, 15, 26, 1}));
    EXPECT_EQ(r.score[5], 4);
    EXPECT_EQ(r.gross(), 72);
    EXPECT_FLOAT_EQ(r.differential, 1.7f);  // on the white tee: (72 - 70.1) * 113 / 125
    EXPECT_EQ(r.putts[store::kOutSlot] + r.fairway[3], 0);
    EXPECT_EQ(ann.selected, 0);

    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(text("Pnamelabel"), "Cy");
    EXPECT_EQ(text("scoretext5"), "");
    EXPECT_EQ(text("outscoretext"), "  0");
    EXPECT_TRUE(hole(1)->hasFocus());
    EXPECT_FALSE(saved());
    EXPECT_EQ(finished->count(), 0);

    QTest::keyClicks(get("inscoretext"), "40");
    record();
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(finished->count(), 1);
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(s.data->currentPlayer, 0);
    EXPECT_EQ(s.data->players[3].rounds[1].score[store::kInSlot], 40);
    ASSERT_TRUE(saved());
    store::LeagueData back;
    back.leagueFileName = "Test.LGE";
    store::LoadLeagueFile(back, s.dialogs);
    EXPECT_EQ(back.players[1].rounds[1], r);
    EXPECT_EQ(back.players[3].roundCount, 1);
}

TEST_F(ScoreEntryTest, TwentyFirstRoundDropsTheOldest) {
    for (int n = 1; n <= 20; ++n) storeRound(1, 3 + n % 4);
    auto before = s.data->players[1].rounds;
    s.data->players[1].selected = 1;
    open();
    typeRound(kPars);
    record();
    const store::PlayerRecord& ann = s.data->players[1];
    EXPECT_EQ(ann.roundCount, 20);
    for (int k = 1; k <= 19; ++k) EXPECT_EQ(ann.rounds[k], before[k + 1]) << k;
    EXPECT_EQ(ann.rounds[20].day, 15);
}

TEST_F(ScoreEntryTest, NineHoleRoundsAndRefusals) {
    s.data->settings.nineHoleOption = 2;
    s.data->courses[1][24] = "70.4", s.data->courses[1][27] = "120";
    s.data->players[1].selected = s.data->players[2].selected = 1;
    open();
    // Both nines 0: nothing is posted and the focus goes back to hole 1.
    hole(5)->setFocus();
    record();
    EXPECT_EQ(s.data->players[1].roundCount, 0);
    EXPECT_TRUE(hole(1)->hasFocus());

    // Back nine only: a nine-hole round on half the rating, (41 - 35.2) * 113 / 120.
    QTest::keyClicks(get("inscoretext"), "41");
    record();
    EXPECT_FLOAT_EQ(s.data->players[1].rounds[1].differential, 5.5f);

    // Bob's tee has no slope: he is told, and his card stays as typed until another tee is chosen.
    get<QRadioButton>("teebutton3")->click();
    typeRound(kPars);
    record();
    const Message noSlope{entry::NoSlopeMessage(*s.data, 1, 3), "Quorval", Buttons::Ok, Icon::Exclamation};
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{noSlope});
    EXPECT_EQ(s.data->players[2].roundCount, 0);
    EXPECT_EQ(text("Totalscorelabel"), "72");
    get<QRadioButton>("teebutton2")->click();
    record();
    EXPECT_EQ(s.data->players[2].roundCount, 1);
}

struct Equitable {
    int check;
    bool edit;
    const char* shown;
};

class ScoreEntryEquitableTest : public ScoreEntryTest, public ::testing::WithParamInterface<Equitable> {};

// A last course handicap of 18 allows 7 strokes a hole, in new rounds only.
TEST_P(ScoreEntryEquitableTest, LimitsNewRoundsOnly) {
    storeRound(1, 5);
    s.data->players[1].rounds[1].courseHandicap = 18;
    s.data->settings.equitableCheck = static_cast<int16_t>(GetParam().check);
    if (GetParam().edit) editSlot(1, 1);
    s.data->players[1].selected = 1;
    open();
    EXPECT_EQ(get<QLabel>("eqlabel")->isVisible(), GetParam().check == 5);
    hole(2)->clear();
    QTest::keyClicks(hole(2), "9");
    get<QPushButton>("recordbutton")->click();
    EXPECT_EQ(hole(2)->text(), GetParam().shown);
    EXPECT_EQ(text("outscoretext"), "  " + QString::number((GetParam().edit ? 40 : 0) + hole(2)->text().toInt()));
    w->postShownRound();
    EXPECT_EQ(s.data->players[1].rounds[1 + !GetParam().edit].score[2], hole(2)->text().toInt());
}

INSTANTIATE_TEST_SUITE_P(ScoreEntry, ScoreEntryEquitableTest,
                         ::testing::Values(Equitable{5, false, " 7"}, Equitable{0, false, "9"},
                                           Equitable{5, true, "9"}));

TEST_F(ScoreEntryTest, EditingRewritesOnlyThatSlot) {
    for (int strokes : {5, 4, 6}) storeRound(1, strokes);
    auto before = s.data->players[1].rounds;
    editSlot(1, 2);
    open();
    EXPECT_FALSE(get<QPushButton>("skipbutton")->isVisible());
    EXPECT_TRUE(get<QPushButton>("deletebutton")->isVisible());
    w->skipPlayer();
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(text("scoretext1"), " 4");
    EXPECT_EQ(text("outscoretext"), "   36");
    get<QPushButton>("infobutton")->click();
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Edit a Round"});

    hole(1)->clear();
    QTest::keyClicks(hole(1), "6");
    EXPECT_FALSE(hole(2)->hasFocus());  // no moving on while editing
    EXPECT_EQ(text("outscoretext"), "  38");
    record();
    const store::PlayerRecord& ann = s.data->players[1];
    EXPECT_EQ(ann.roundCount, 3);
    EXPECT_EQ(ann.rounds[2].score[1], 6);
    EXPECT_EQ(ann.rounds[2].day, 2);
    EXPECT_NE(ann.rounds[2].differential, before[2].differential);
    EXPECT_EQ(ann.rounds[1], before[1]);
    EXPECT_EQ(ann.rounds[3], before[3]);
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(saved());
    EXPECT_EQ(s.data->editRound, 0);
}

TEST_F(ScoreEntryTest, DeleteAsksThenRecomputesTheLastRoundOnTheDefaultTee) {
    s.data->courses[1][28] = "130";
    storeRound(1, 5);
    storeRound(1, 4);
    storeRound(1, 4, store::kBlueTee);  // 72 from the blue tee
    auto before = s.data->players[1].rounds;
    editSlot(1, 2);
    open();
    const Message question{
        "Are You sure you want to Delete this round?\r\n\r\nAfter the round is deleted, the Hcp\r\n"
        "index will be recalculated for the last round\r\nentered for this player using their "
        "default tee.",
        "QVL", Buttons::YesNo, Icon::Question, 2};
    s.dialogs.answer(Answer::No);
    get<QPushButton>("deletebutton")->click();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{question});
    EXPECT_FALSE(w.isNull());
    EXPECT_EQ(s.data->players[1].roundCount, 3);

    s.dialogs.answer(Answer::Yes);
    get<QPushButton>("deletebutton")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    const store::PlayerRecord& ann = s.data->players[1];
    EXPECT_EQ(ann.roundCount, 2);
    EXPECT_EQ(ann.rounds[2].day, before[3].day);
    EXPECT_FLOAT_EQ(ann.rounds[2].differential, 1.7f);  // white, no longer blue
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(finished->count(), 1);
    EXPECT_TRUE(saved());
}

TEST_F(ScoreEntryTest, DeleteWithoutSlopeOnTheDefaultTeeSaysTheIndexWasNotRecalculated) {
    storeRound(1, 5);
    storeRound(1, 4);
    s.data->players[1].tee = store::kBlueTee;  // no blue slope on this course
    editSlot(1, 1);
    open();
    s.dialogs.answer(Answer::Yes);
    get<QPushButton>("deletebutton")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto shown = s.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1],
              (Message{entry::NotRecalculatedMessage(*s.data, 1), "Quorval", Buttons::Ok, Icon::Exclamation}));
    EXPECT_EQ(s.data->players[1].roundCount, 1);
    EXPECT_TRUE(saved());
}

TEST_F(ScoreEntryTest, APlayerWithoutATeeIsAskedForOneAndNothingIsPosted) {
    s.data->players[1].tee = store::kNoTee;
    s.data->players[1].selected = 1;
    open();
    typeRound(kPars);
    record();
    const Message askForTee{entry::kChooseTeeMessage, "Quorval", Buttons::Ok, Icon::Exclamation};
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{askForTee});
    EXPECT_EQ(s.data->players[1].roundCount, 0);
    get<QRadioButton>("teebutton1")->click();
    record();
    EXPECT_EQ(s.data->players[1].roundCount, 1);
}

TEST_F(ScoreEntryTest, PerformanceFormCountsTicksAndPutts) {
    s.data->players[1].selected = 1;
    open(true);
    // No tall layout here: View Math only asks for a pause, with the list shown, after each posting.
    auto* viewMath = get<QPushButton>("Command3D1");
    viewMath->click();
    EXPECT_EQ(viewMath->text(), "View Math On");
    EXPECT_FALSE(get<QListWidget>("List1")->isVisible());
    QTest::keyClicks(hole(4), "4");
    EXPECT_TRUE(get("Putts4")->hasFocus());
    QTest::keyClicks(get("Putts4"), "1");
    EXPECT_TRUE(get("Putts4")->hasFocus());
    QTest::keyClicks(get("Putts4"), "\b2");
    EXPECT_TRUE(hole(5)->hasFocus());
    for (int k : {3, 5, 12}) get<QCheckBox>(QString("Fairway%1").arg(k))->click();
    EXPECT_TRUE(get("Putts12")->hasFocus());
    get<QCheckBox>("Green10")->click();
    EXPECT_EQ((QStringList{text("OutFairways"), text("InFairways"), text("TotFairways"), text("TotGreens")}),
              (QStringList{"2", "1", "3", "1"}));
    QTest::keyClicks(get("Putts10"), "3");
    EXPECT_EQ(text("TotalPutts"), "5");
    // A nine typed by hand is stored as typed, and leaves the total alone.
    QTest::keyClicks(get("OutPutts"), "7");
    EXPECT_EQ(text("TotalPutts"), "5");
    QTest::keyClicks(get("inscoretext"), "36");
    record();
    EXPECT_TRUE(w->paused());
    const store::RoundRecord& r = s.data->players[1].rounds[1];
    EXPECT_EQ((std::array{r.fairway[3], r.fairway[4], r.green[10], r.green[1], r.putts[4], r.putts[10]}),
              (std::array<int16_t, 6>{2, 1, 2, 1, 2, 3}));
    EXPECT_EQ((std::array{r.fairway[19], r.fairway[20], r.green[19], r.putts[19], r.putts[20]}),
              (std::array<int16_t, 5>{2, 1, 0, 27, 3}));
}

TEST_F(ScoreEntryTest, PerformanceRoundEditedUnchangedKeepsItsValues) {
    entry::RoundEntry e;
    for (int h = 1; h <= 18; ++h) {
        e.score[h] = static_cast<int16_t>(kPars[h]);
        e.fairway[h] = static_cast<int16_t>(1 + h % 2);
        e.green[h] = static_cast<int16_t>(1 + (h % 3 == 0));
        e.putts[h] = 2;
    }
    e.score[19] = e.score[20] = 36;
    e.fairway[19] = 5, e.fairway[20] = 4, e.green[19] = e.green[20] = 3, e.putts[19] = e.putts[20] = 18;
    entry::PostRound(*s.data, 1, e, {1, 6, 15, 26}, 0);
    store::RoundRecord stored = s.data->players[1].rounds[1];
    editSlot(1, 1);
    open(true);
    EXPECT_TRUE(get<QCheckBox>("Fairway3")->isChecked());
    EXPECT_FALSE(get<QCheckBox>("Green4")->isChecked());
    EXPECT_EQ(text("Putts7"), "2");
    record();
    EXPECT_EQ(s.data->players[1].rounds[1], stored);
}

// Cancel, or the title bar: rounds already posted are saved, an untouched league is not.
TEST_F(ScoreEntryTest, CancelSavesOnlyWhatWasPosted) {
    for (bool posted : {false, true}) {
        SCOPED_TRACE(posted);
        s.data->players[1].selected = s.data->players[2].selected = 1;
        s.data->courseEditMode = true;
        open();
        if (posted) {
            typeRound(kPars);
            record();
            get<QPushButton>("cancelbutton")->click();
        } else {
            w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull());
        EXPECT_EQ(saved(), posted);
        EXPECT_EQ(finished->count(), 1);
        EXPECT_FALSE(s.data->courseEditMode);
    }
}

TEST_F(ScoreEntryTest, SkippingTheLastPlayerEndsTheEntry) {
    s.data->players[1].selected = s.data->players[2].selected = 1;
    open();
    typeRound(kPars);
    get<QPushButton>("skipbutton")->click();
    EXPECT_EQ(text("Pnamelabel"), "Bob");
    EXPECT_EQ(text("Totalscorelabel"), "0");
    get<QPushButton>("skipbutton")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(s.data->players[1].roundCount + s.data->players[2].roundCount, 0);
    EXPECT_EQ(finished->count(), 1);
}

// View Math: after each posting the list ends on the result, in sight and scrollable, and the card
// waits for Continue; both forms give the list the same room.
TEST_F(ScoreEntryTest, ViewMathPausesWithTheResultInSight) {
    for (int i = 0; i < 19; ++i) storeRound(1, 4 + i % 3);  // 26 lines of calculation
    for (bool statistics : {false, true}) {
        SCOPED_TRACE(statistics);
        for (int p = 1; p <= 2; ++p) s.data->players[p].selected = 1;
        open(statistics);
        auto* list = get<QListWidget>("List1");
        QTest::keyClick(w, Qt::Key_M, Qt::AltModifier);
        EXPECT_EQ(list->isVisible(), !statistics);
        int row = list->fontMetrics().height();
        if (statistics) list->setFixedHeight(8 * row);  // as on a small screen
        typeRound(kPars);
        record();
        EXPECT_TRUE(s.dialogs.takeMessages().empty());
        ASSERT_TRUE(w->paused());
        EXPECT_TRUE(list->isVisible());
        EXPECT_FALSE(hole(1)->isEnabled());
        if (!statistics) {
            EXPECT_GE(list->viewport()->height(), 26 * row);  // room for all of it
        }
        QListWidgetItem* last = list->item(list->count() - 1);
        EXPECT_THAT(last->text().toStdString(), ::testing::StartsWith("Hcp index = "));
        EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(last)));
        QScrollBar* bar = list->verticalScrollBar();
        EXPECT_EQ(bar->value(), bar->maximum());
        if (statistics) {
            ASSERT_GT(bar->maximum(), 0);
            QWheelEvent up(QPointF(20, 20), list->viewport()->mapToGlobal(QPointF(20, 20)), {}, {0, 120}, Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(list->viewport(), &up);
            EXPECT_LT(bar->value(), bar->maximum());
        }

        QTest::keyClick(get<QPushButton>("continuebutton"), Qt::Key_Return);
        EXPECT_FALSE(w->paused());
        EXPECT_EQ(text("Pnamelabel"), "Bob");
        EXPECT_EQ(list->count(), 0);
        EXPECT_EQ(list->isVisible(), !statistics);
        EXPECT_TRUE(hole(1)->hasFocus());
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        s.data->players[1].roundCount = 19;
    }
}

// A box given the focus, by a click or by Tab, has its number selected: typing replaces it.
TEST_F(ScoreEntryTest, TypingIntoAFilledBoxReplacesItsNumber) {
    s.data->players[1].selected = 1;
    open();
    QLineEdit* out = get("outscoretext");
    QTest::mouseClick(out, Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClicks(out, "45");
    EXPECT_EQ(out->text(), "45");
    EXPECT_EQ(text("Totalscorelabel"), "45");
    s.dialogs.answer(Answer::Yes);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);

    // Edited holes: no move on, so the selection is what keeps a typed 5 from making 65.
    storeRound(1, 6);
    editSlot(1, 1);
    open();
    QTest::mouseClick(hole(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClicks(hole(1), "5");
    QTest::keyClick(hole(1), Qt::Key_Tab);
    QCoreApplication::processEvents();
    ASSERT_TRUE(hole(2)->hasFocus());
    QTest::keyClicks(hole(2), "4");
    EXPECT_EQ((QStringList{hole(1)->text(), hole(2)->text(), text("Totalscorelabel")}),
              (QStringList{" 5", " 4", "105"}));

    // A hole above par + 10 is asked about before Record goes on.
    QTest::mouseClick(hole(3), Qt::LeftButton);
    QCoreApplication::processEvents();
    QTest::keyClicks(hole(3), "65");
    const Message keep{"Keep 65 on hole 3?", "Quorval", Buttons::YesNo, Icon::Question, 2};
    s.dialogs.answer(Answer::No);
    get<QPushButton>("recordbutton")->click();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{keep});
    EXPECT_FALSE(w->timer()->isActive());
    EXPECT_TRUE(hole(3)->hasFocus());
    s.dialogs.answer(Answer::Yes);
    record();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{keep});
    EXPECT_EQ(s.data->players[1].rounds[1].score[3], 65);
}

// Escape, Cancel and the title bar ask before typed scores are thrown away; No keeps the card.
TEST_F(ScoreEntryTest, LeavingTypedScoresAsksFirst) {
    s.data->players[1].selected = 1;
    open();
    typeRound(kPars);
    const Message discard{"Discard the scores typed for Ann?", "Quorval", Buttons::YesNo, Icon::Question, 2};
    for (auto leave : std::vector<std::function<void()>>{[&] { QTest::keyClick(hole(18), Qt::Key_Escape); },
                                                         [&] { get<QPushButton>("cancelbutton")->click(); }}) {
        s.dialogs.answer(Answer::No);
        leave();
        EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{discard});
        ASSERT_FALSE(w.isNull());
        EXPECT_EQ(text("Totalscorelabel"), "72");
    }
    s.dialogs.answer(Answer::Yes);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{discard});
    EXPECT_TRUE(w.isNull());
    EXPECT_EQ(s.data->players[1].roundCount, 0);
    EXPECT_FALSE(saved());
}

struct OutOfOrder {
    int month, day;
    const char* question;
};

class ScoreEntryDateOrderTest : public ScoreEntryTest, public ::testing::WithParamInterface<OutOfOrder> {};

// A round dated before the player's latest, or on a day he already has, is posted only on Yes.
TEST_P(ScoreEntryDateOrderTest, IsPostedOnlyWhenConfirmed) {
    storeRound(1, 5);  // 5/1/2026
    storeRound(1, 5);  // 5/2/2026
    s.data->players[1].selected = 1;
    s.data->entryMonth = static_cast<int16_t>(GetParam().month);
    s.data->entryDay = static_cast<int16_t>(GetParam().day);
    open();
    typeRound(kPars);
    const Message question{GetParam().question, "Date of the Round", Buttons::YesNo, Icon::Question, 2};
    s.dialogs.answer(Answer::No);
    record();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{question});
    EXPECT_EQ(s.data->players[1].roundCount, 2);
    ASSERT_FALSE(w.isNull());
    s.dialogs.answer(Answer::Yes);
    record();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<Message>{question});
    EXPECT_EQ(s.data->players[1].roundCount, 3);
    EXPECT_EQ(s.data->players[1].rounds[3].day, GetParam().day);
}

INSTANTIATE_TEST_SUITE_P(
    ScoreEntry, ScoreEntryDateOrderTest,
    ::testing::Values(OutOfOrder{5, 2, "Ann already has a round on 5/2/2026.\r\n\r\nPost this round as well?"},
                      OutOfOrder{5, 1, "Ann already has a round on 5/1/2026.\r\n\r\nPost this round as well?"},
                      OutOfOrder{4, 30,
                                 "This round is dated 4/30/2026, before Ann's latest round (5/2/2026).\r\n"
                                 "Older rounds are best entered first.\r\n\r\nPost this round anyway?"}));

// Alt+S skips, F1 shows the window's help topic.
TEST_F(ScoreEntryTest, KeyboardSkipsAndAsksForHelp) {
    s.data->players[1].selected = s.data->players[2].selected = 1;
    open();
    QTest::keyClick(w, Qt::Key_F1);
    QTest::keyClick(w, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(text("Pnamelabel"), "Bob");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Entering Scores"});
}

}  // namespace
}  // namespace quorval::gui
