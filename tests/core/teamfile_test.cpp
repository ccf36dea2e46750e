#include "store/teamfile.hpp"

#include <gtest/gtest.h>

#include "fullleague.hpp"
#include "scripteddialogs.hpp"
#include "teams/teamsetup.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

// Two teams, three players and one point entry in team 1.
const std::string kSmallTeamFile =
    " 2 \r\nEagles, \"A\"\r\n\r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\nWeek 1 at Oak\r\n 12.5 \r\n-.5 \r\n 0 \r\n";

std::unique_ptr<store::LeagueData> leagueWithPlayers(int players) {
    auto data = std::make_unique<store::LeagueData>();
    data->leagueFileName = "Fall.LGE";
    data->playerCount = static_cast<int16_t>(players);
    return data;
}

class TeamFile : public ::testing::Test {
protected:
    TempWorkDir dir;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(TeamFile, SmallLeagueIsWrittenLineByLineAndReadBackMarkingTeamsInUse) {
    EXPECT_EQ(store::TeamFileName("Fall 2024.lge"), "Fall 2024.tea");
    auto data = leagueWithPlayers(3);
    auto& teams = data->teams;
    teams.teamCount = 2, teams.teamNames[1] = "Eagles, \"A\"", teams.teamEntryCount[1] = 1;
    teams.teamEntries[1][1] = {"Week 1 at Oak", 12.5f, -0.5f};
    data->players[1].team = 1, data->players[3].team = 2;
    data->players[4].team = 2;  // beyond the player count: not written
    ASSERT_TRUE(store::SaveTeamFile(*data, dialogs));
    EXPECT_EQ(readBytes("Fall.tea"), kSmallTeamFile);

    fs::rename("Fall.tea", "FALL.TEA");
    data = leagueWithPlayers(3);
    data->players[2].team = data->players[50].team = 7;  // stale values from before
    EXPECT_TRUE(store::LoadTeamAssignments(*data).ok);
    const auto& read = data->teams;
    EXPECT_EQ(std::tuple(read.teamsInUse, read.teamCount, read.teamNames[1], read.teamNames[2]),
              std::tuple(int16_t{1}, int16_t{2}, std::string("Eagles, \"A\""), std::string()));
    EXPECT_EQ(std::tuple(data->players[1].team, data->players[2].team, data->players[3].team, data->players[50].team),
              std::tuple(1, 0, 2, 0));
    EXPECT_EQ(std::tuple(read.teamEntryCount[1], read.teamEntryCount[2]), std::tuple(1, 0));
    EXPECT_EQ(read.teamEntries[1][1], (store::TeamEntry{"Week 1 at Oak", 12.5f, -0.5f}));
}

TEST_F(TeamFile, NoTeamFileOrTeamsWithoutPlayersMeanNoTeamsInUse) {
    auto data = leagueWithPlayers(3);
    data->players[1].team = data->teams.teamsInUse = 1;
    EXPECT_FALSE(store::LoadTeamAssignments(*data).ok);
    EXPECT_EQ(std::tuple(data->teams.teamsInUse, data->players[1].team), std::tuple(0, 0));
    EXPECT_TRUE(fs::is_empty("."));

    writeBytes("Fall.tea", " 1 \r\nEagles\r\n 0 \r\n 0 \r\n 0 \r\n");
    data = leagueWithPlayers(2);
    EXPECT_TRUE(store::LoadTeamAssignments(*data).ok);
    EXPECT_EQ(std::tuple(data->teams.teamCount, data->teams.teamsInUse), std::tuple(1, 0));
}

TEST_F(TeamFile, ReadingStopsQuietlyAtTheFirstBadValue) {
    for (const char* text : {" 101 \r\n", " 1 \r\nA\r\n 1 \r\n 101 \r\n 0 \r\n", " 1 \r\nA\r\n 1 \r\n 1 \r\n 151 \r\n",
                             " 1 \r\nA\r\n 0 \r\n 0 \r\n 1 \r\nW\r\n 1 \r\nx\r\n"}) {
        SCOPED_TRACE(text);
        fs::remove("Fall.tea.unreadable");
        writeBytes("Fall.tea", text);
        auto data = leagueWithPlayers(2);
        EXPECT_FALSE(store::LoadTeamFile(*data).ok);
        EXPECT_EQ(readBytes("Fall.tea.unreadable"), text);
        EXPECT_TRUE(data->teams.teamCount >= 0 && data->teams.teamCount <= store::kMaxTeams &&
                    data->teams.teamEntryCount[1] >= 0 && data->teams.teamEntryCount[1] <= store::kMaxTeamEntries);
    }
    writeBytes("Fall.tea", " 2 \r\nNew\r\n");  // ends early: what was read, and the rest as before
    auto data = leagueWithPlayers(2);
    data->teams.teamNames[2] = "Old", data->players[1].team = 2;
    EXPECT_FALSE(store::LoadTeamFile(*data).ok);
    EXPECT_EQ(
        std::tuple(data->teams.teamCount, data->teams.teamNames[1], data->teams.teamNames[2], data->players[1].team),
        std::tuple(int16_t{2}, std::string("New"), std::string("Old"), 2));
}

// Emptying touches only the entries in use, so none may linger past a team's count.
TEST_F(TeamFile, ResetEmptiesTheTeamPartWhateverWasReadOrRemovedBefore) {
    auto data = leagueWithPlayers(0);
    samples::FillFullLeague(*data, 3);
    for (int t : {1, 2}) {
        data->teams.teamEntryCount[t] = 5;
        for (int e = 1; e <= 5; ++e) data->teams.teamEntries[t][e] = {"Week", 12.5f, 3};
    }
    data->teams.teamsInUse = 1, data->teams.currentTeam = 2;
    for (int p = 1; p <= data->playerCount; ++p) data->players[p].team = 0;  // an empty team may be removed
    dialogs.answer(platform::Answer::Yes);                                   // the team's entries go with it
    ASSERT_EQ(teams::RemoveTeam(*data, dialogs), teams::RemoveTeamOutcome::Removed);
    dialogs.takeMessages();
    data->playerCount = 0;
    ASSERT_TRUE(store::ParseTeams(*data, " 1 \r\nOnly\r\n 1 \r\nW\r\n 1 \r\n 2 \r\n").ok);
    EXPECT_EQ(data->teams.teamEntries[1][2], store::TeamEntry{});
    data->playerCount = store::kMaxPlayers;
    data->players[7].team = 1;

    store::ResetTeamPart(*data);
    EXPECT_TRUE(data->teams == *std::make_unique<store::TeamPart>());
    for (int p = 1; p <= store::kMaxPlayers; ++p) ASSERT_EQ(data->players[p].team, 0) << p;
    EXPECT_EQ(data->players[1].name, "Player 1");  // the players themselves stay
}
