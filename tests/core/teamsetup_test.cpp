#include "teams/teamsetup.hpp"

#include <gtest/gtest.h>

#include "scripteddialogs.hpp"

namespace quorval::teams {
namespace {

// Players on the given teams, the second nameless; team t is "Tt" with t entries kept at 10 x t.
std::unique_ptr<store::LeagueData> league(const std::vector<int16_t>& playerTeams, int teamCount, int current) {
    auto data = std::make_unique<store::LeagueData>();
    data->playerCount = static_cast<int16_t>(playerTeams.size());
    for (size_t i = 0; i < playerTeams.size(); ++i)
        data->players[i + 1] = {.name = i == 1 ? "" : "P" + std::to_string(i + 1), .team = playerTeams[i]};
    data->teams.teamCount = static_cast<int16_t>(teamCount);
    data->teams.currentTeam = static_cast<int16_t>(current);
    for (int t = 1; t <= teamCount; ++t) {
        data->teams.teamNames[t] = "T" + std::to_string(t);
        data->teams.teamEntryCount[t] = static_cast<int16_t>(t);
        for (int e = 1; e <= t; ++e) data->teams.teamEntries[t][e] = {"Week", 10.0f * static_cast<float>(t), 1};
    }
    return data;
}

// Each team as "name:entries:kept total of its third entry", then each player's team.
std::string teamsOf(const store::LeagueData& data) {
    std::string out;
    for (int t = 1; t <= 3; ++t) {
        const int n = data.teams.teamEntryCount[t];
        out += data.teams.teamNames[t] + ":" + std::to_string(n) + ":" +
               std::to_string(static_cast<int>(data.teams.teamEntries[t][3].keptTotal)) + " ";
    }
    for (int p = 1; p <= data.playerCount; ++p) out += std::to_string(data.players[p].team);
    return out;
}

// Players on 1, -, 3, 1, 3, 0 but the removed team; the nameless one, listed nowhere, on it.
TEST(TeamSetup, RemovingOneOfThreeMovesLaterTeamsDownWithTheirPlayersAndRecords) {
    const std::tuple<int16_t, const char*, int> cases[] = {{1, "T2:2:0 T3:3:30 :0:0 002020", 1},
                                                           {2, "T1:1:0 T3:3:30 :0:0 102120", 2},
                                                           {3, "T1:1:0 T2:2:0 :0:0 100100", 2}};
    for (auto [removed, after, currentAfter] : cases) {
        std::vector<int16_t> start = {1, removed, 3, 1, 3, 0};
        for (size_t p : {0, 2, 3, 4}) start[p] = start[p] == removed ? 0 : start[p];
        auto data = league(start, 3, removed);
        testing::ScriptedDialogs dialogs;
        dialogs.answer(platform::Answer::Yes);
        ASSERT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Removed);
        std::string n = std::to_string(removed), entries = removed == 1 ? " point entry." : " point entries.";
        EXPECT_EQ(dialogs.takeMessages().at(0).text.find("T" + n + " has " + n + entries), 0u);
        EXPECT_EQ(std::tuple(teamsOf(*data), data->teams.teamCount, data->teams.currentTeam),
                  std::tuple(after, 2, currentAfter));
    }
}

TEST(TeamSetup, RemovingTheOnlyTeamKeepsItNamelessWithItsRecord) {
    testing::ScriptedDialogs dialogs;
    auto data = league({0, 1, 0}, 1, 1);
    dialogs.answer(platform::Answer::No);
    EXPECT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Kept);
    dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Removed);
    EXPECT_EQ(dialogs.takeMessages().size(), 2u);
    EXPECT_EQ(std::tuple(teamsOf(*data), data->teams.teamCount, data->teams.currentTeam),
              std::tuple(":1:0 :0:0 :0:0 010", 1, 1));
    // Before the first team is named the file stays consistent; a line break is refused, not changed.
    data = league({0, 0, 0}, 0, 1);
    AssignPlayers(*data, {3});
    RenameTeam(*data, "Eagles\r\nHawks\n");
    EXPECT_EQ(std::tuple(data->teams.teamCount, data->players[3].team), std::tuple(1, 1));
    EXPECT_EQ(CreateTeam(*data, dialogs), CreateOutcome::Beeped);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
}

}  // namespace
}  // namespace quorval::teams
