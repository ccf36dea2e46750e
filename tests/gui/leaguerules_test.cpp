#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "fakeseams.hpp"
#include "tempdir.hpp"
#include "ui/entry/scoreentrywindow.hpp"
#include "ui/main/settingswindow.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

constexpr int kPars[19] = {0, 4, 3, 5, 4, 4, 3, 4, 5, 4, 4, 4, 3, 5, 4, 4, 3, 5, 4};

// A league whose player Ann holds index 15.0 on a course with stroke indexes 1..18 by hole
// number, rated at par with slope 113: her course handicap is her index.
class LeagueRulesTest : public ::testing::Test {
protected:
    LeagueRulesTest() {
        store::LeagueData& d = *s.data;
        d.leagueFileName = "Test.LGE";
        d.playerCount = d.courseCount = 1;
        d.players[1].name = "Ann";
        d.players[1].tee = store::kWhiteTee;
        store::CourseRecord& c = d.courses[1];
        c = {"", "Pine Hills", "36", "36", "72"};
        for (int h = 1; h <= 18; ++h) {
            c[store::course_field::kHolePar0 + h] = std::to_string(kPars[h]);
            d.strokeIndexes[1][h] = static_cast<int16_t>(h);
        }
        c[store::course_field::kRating0 + store::kWhiteTee] = "72.0";
        c[store::course_field::kSlope0 + store::kWhiteTee] = "113";
        d.players[1].roundCount = 3;
        for (int16_t r = 1; r <= 3; ++r) d.players[1].rounds[r] = {15.0f, 5, r, 26, 15.0f, 15.0f, 1};
    }
    ~LeagueRulesTest() override { closeWindowsExcept(&opener); }

    TempWorkDir dir;
    TestServices s;
    QWidget opener;
};

TEST_F(LeagueRulesTest, ChosenInSettingsThenARoundShowsItsStepsAndTheListingItsNet) {
    auto* settings = new SettingsWindow(s.services, &opener);
    openChild(&opener, settings);
    child<QComboBox>(settings, "rulescombo")->setCurrentIndex(1);
    EXPECT_TRUE(child<QLabel>(settings, "unusednote")->isVisibleTo(settings));
    child<QSpinBox>(settings, "allowancespin")->setValue(85);
    s.dialogs.answer(platform::Answer::Yes);
    child<QPushButton>(settings, "okbutton")->click();
    ASSERT_EQ(s.dialogs.takeMessages().size(), 1u);  // the confirmation
    EXPECT_EQ(readBytes("Test.cfg"), "[Handicap]\r\nRules=WHS\r\nAllowance=85\r\n");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    s.data->players[1].selected = 1;
    QPointer<ScoreEntryWindow> w =
        new ScoreEntryWindow(s.services, &opener, entry::NewRoundsRequest({1, 6, 15, 26}, false));
    openChild(&opener, w);
    EXPECT_EQ(child<QLabel>(w, "eqlabel")->text(), "Net Double Bogey is active, hole scores will be limited");
    auto* list = child<QListWidget>(w, "List1");
    QStringList math;
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [&](const QModelIndex&, int first, int last) {
        for (int i = first; i <= last; ++i) math << list->item(i)->text();
    });
    child<QPushButton>(w, "Command3D1")->click();  // View Math
    for (int h = 1; h <= 18; ++h) {
        // A 9 on hole 1 (par 4, stroke index 1) counts as par + 2 + 1; a birdie on hole 2.
        const int strokes = h == 1 ? 9 : h == 2 ? 2 : kPars[h];
        QTest::keyClicks(child<QLineEdit>(w, QString("scoretext%1").arg(h).toUtf8().constData()),
                         QString::number(strokes));
    }
    child<QPushButton>(w, "recordbutton")->click();
    w->postShownRound();
    s.dialogs.takeMessages();  // the pause that lets the math be read
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // 74 on 72.0 / 113 is 2.0, 13.0 below her index: every differential drops 2.0.
    for (const char* line :
         {"World Handicap System", "exceptional score: 13.0 below index 15.0, every differential lowered by 2.0",
          "Hcp index = +1.0"})
        EXPECT_TRUE(math.contains(line)) << line << "\n" << math.join("|").toStdString();
}

TEST_F(LeagueRulesTest, LeaguePlayOptionsAreStoredBesideTheRulesWithoutAsking) {
    s.data->options.play.matchPoints = 2;
    auto* settings = new SettingsWindow(s.services, &opener);
    openChild(&opener, settings);
    EXPECT_EQ(child<QDoubleSpinBox>(settings, "matchpointsspin")->value(), 2);
    child<QDoubleSpinBox>(settings, "holepointsspin")->setValue(2);
    child<QDoubleSpinBox>(settings, "halvepointsspin")->setValue(1);
    child<QComboBox>(settings, "forfeitcombo")->setCurrentIndex(1);
    child<QPushButton>(settings, "okbutton")->click();
    EXPECT_TRUE(s.dialogs.takeMessages().empty());
    EXPECT_EQ(readBytes("Test.cfg"),
              "[Handicap]\r\nRules=Classic\r\nAllowance=100\r\n[Play]\r\nHolePoints=2\r\nMatchPoints=2\r\n"
              "TeamTotalPoints=0\r\nAllowance=100\r\nForfeit=none\r\n");
}

}  // namespace
}  // namespace quorval::gui
