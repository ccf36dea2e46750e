#include <gtest/gtest.h>

#include <QtWidgets>

#include "leaguebuilder.hpp"
#include "store/schedulefile.hpp"
#include "ui/teams/matcheswindow.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using namespace std::chrono;

// Eagles (Ann 5.2, Cy 2.1) meet Hawks (Di 12.0, Ed 8.0, absent) on 06/02/26.
class MatchesWindowTest : public WindowTest {
protected:
    MatchesWindowTest() {
        LeagueBuilder b(*s.data, "Test");
        b.course("Pine Hills");
        for (auto [name, index, plays] : {std::tuple{"Ann Lee", 5.2f, true}, std::tuple{"Cy Young", 2.1f, true},
                                          std::tuple{"Di Fox", 12.0f, true}, std::tuple{"Ed Ray", 8.0f, false}}) {
            b.player(name).round("5/26/26", 36, 36, index);
            if (plays) b.round("6/2/26", 36, 36, index + 1);
        }
        b.team("Eagles", {1, 2}).team("Hawks", {3, 4}).write();
        for (int h = 1; h <= 18; ++h) s.data->strokeIndexes[1][h] = static_cast<int16_t>(h);
        store::Schedule schedule;
        schedule.sides = {{1, "Eagles"}, {2, "Hawks"}};
        schedule.matches = {{1, sys_days{2026y / 6 / 2}, "Eagles", "Hawks"}};
        store::SaveScheduleFile(*s.data, schedule, s.dialogs);
    }
};

TEST_F(MatchesWindowTest, ShowsRecordsOncePrintsAndHelps) {
    auto* w = open<MatchesWindow>();
    EXPECT_EQ(text(w, "matcheslist"),
              "Eagles 24.5 - Hawks 13.5\n"
              "  Cy Young v Ed Ray: Ed Ray absent, forfeit, 19 - 0\n"
              "  Ann Lee (5) v Di Fox (12): 7 strokes to Di Fox; holes 0-7, 11 halved; net 72-65; 5.5 - 13.5");
    // The one scored pairing, hole by hole: Di Fox receives a stroke on stroke indexes 1..7 and wins those holes.
    QString holes = QString::fromStdString(text(w, "holeslist"));
    EXPECT_TRUE(holes.contains("Strokes       1  1  1  1  1  1  1  .  .")) << holes.toStdString();
    EXPECT_TRUE(holes.contains("Hole won by   B  B  B  B  B  B  B  =  =")) << holes.toStdString();
    EXPECT_TRUE(holes.contains("     7  to B")) << holes.toStdString();
    for (int twice = 0; twice < 2; ++twice) {
        click(w, "recordbutton");
        EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    }
    std::string teams = readBytes("Test.tea");
    EXPECT_NE(teams.find("06/02/26 vs Hawks"), std::string::npos);
    EXPECT_EQ(teams.find("06/02/26 vs Hawks"), teams.rfind("06/02/26 vs Hawks"));
    EXPECT_EQ(s.data->teams.teamEntryCount[1], 1);
    click(w, "printbutton");
    click(w, "cardsbutton");
    EXPECT_EQ(s.printer.documents().size(), 2u);
    click(w, "infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Matches of a Date"});
}

TEST_F(MatchesWindowTest, StandingsCoverTheDatesAsked) {
    auto* w = open<StandingsWindow>();
    EXPECT_NE(text(w, "standingslist").find(" 1  Eagles       1    1       0     0    24.5"), std::string::npos)
        << text(w, "standingslist");
    w->setRange("06/03/26", "");
    EXPECT_EQ(text(w, "standingslist"), "Pl  Side  Played  Won  Halved  Lost  Points");
    click(w, "infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Standings"});
}

}  // namespace
}  // namespace quorval::gui
