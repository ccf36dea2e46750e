// League matches from the command line: options, a date's pairings as CSV, recording, standings.
#include <gtest/gtest.h>

#include "clifolder.hpp"
#include "leaguebuilder.hpp"
#include "platform/streamdialogs.hpp"
#include "store/schedulefile.hpp"
#include "tempdir.hpp"

namespace quorval {
namespace {

using namespace testing;
using namespace std::chrono;

// Eagles (Ann 5.2, Bo 9.6, Cy 2.1) meet Hawks (Di 12.0, Ed 8.0, absent) on 06/02/26.
class MatchesCli : public ::testing::Test {
protected:
    MatchesCli() {
        LeagueBuilder b(*data, "Fall");
        b.course("Pine Hills");
        struct Member {
            const char* name;
            float index;
            bool plays;
        } members[] = {{"Ann Lee", 5.2f, true},
                       {"Bo Diaz", 9.6f, true},
                       {"Cy Young", 2.1f, true},
                       {"Di Fox", 12.0f, true},
                       {"Ed Ray", 8.0f, false}};
        for (const Member& m : members) {
            b.player(m.name).round("5/26/26", 36, 36, m.index);
            if (m.plays) b.round("6/2/26", 36, 36, m.index + 1);
        }
        b.team("Eagles", {1, 2, 3}).team("Hawks", {4, 5}).write();
        store::Schedule schedule;
        schedule.sides = {{1, "Eagles"}, {2, "Hawks"}};
        schedule.matches = {{1, sys_days{2026y / 6 / 2}, "Eagles", "Hawks"}};
        platform::StreamDialogs dialogs(std::cerr);
        store::SaveScheduleFile(*data, schedule, dialogs);
    }

    TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST_F(MatchesCli, PairingsPointsRecordingAndStandingsFollowTheOptions) {
    runSteps({{"stroke-index 1 7,15,1,11,3,17,9,13,5,8,16,2,12,4,18,10,14,6", 0, "1 Pine Hills: 7,15"}});
    const std::string heading =
        "date,side_a,player_a,side_b,player_b,handicap_a,handicap_b,strokes_to,strokes,holes_a,holes_b,halved,"
        "points_a,points_b,note\n";
    struct Case {
        const char* play;
        const char* csv;
        const char* standings;
    } cases[] = {
        {"play Fall --forfeit all",
         "06/02/26,Eagles,Cy Young,Hawks,Ed Ray,,,,,,,,19,0,forfeit\n"
         "06/02/26,Eagles,Ann Lee,Hawks,Di Fox,5,12,b,7,0,7,11,5.5,13.5,\n",
         "1,Eagles,1,1,0,0,24.5\n2,Hawks,1,0,0,1,13.5\n"},
        {"play Fall --forfeit none --hole 2",
         "06/02/26,Eagles,Cy Young,Hawks,Ed Ray,,,,,,,,0,0,forfeit\n"
         "06/02/26,Eagles,Ann Lee,Hawks,Di Fox,5,12,b,7,0,7,11,11,26,\n",
         "1,Hawks,1,1,0,0,26\n2,Eagles,1,0,0,1,11\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.play);
        runSteps({{c.play, 0, "Forfeit="}});
        EXPECT_EQ(runCli("matches Fall --date 06/02/26 --csv").out, heading + c.csv);
        EXPECT_EQ(runCli("standings Fall --csv").out,
                  std::string("place,side,played,won,halved,lost,points\n") + c.standings);
        for (int twice = 0; twice < 2; ++twice) runSteps({{"matches Fall --date 06/02/26 --record", 0, "recorded"}});
        std::string teams = readBytes("Fall.tea");
        EXPECT_EQ(teams.find("06/02/26 vs Hawks"), teams.rfind("06/02/26 vs Hawks"));
    }
    EXPECT_EQ(runCli("standings Fall --from 06/03/26 --csv").out, "place,side,played,won,halved,lost,points\n");
    runSteps({{"play Fall --allowance 0", 1, "is not a whole percent 1..100"},
              {"play Fall --match -1", 1, "is not a number of points"},
              {"matches Fall --date 06/09/26", 1, "There are no matchups on 06/09/26."},
              {"matches Fall", 2, "usage"}});
    EXPECT_TRUE(Has(readBytes("Fall.cfg"), "HolePoints=2"));
    std::filesystem::remove("Fall.sch");
    runSteps({{"standings Fall", 1, "the league Fall has no schedule"}});
}

}  // namespace
}  // namespace quorval
