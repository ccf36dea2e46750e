#include "teams/teamsetup.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "scripteddialogs.hpp"

namespace quorval::teams {
namespace {

using testing::ScriptedDialogs;

// Players 1..6: team numbers as given; player 2 has no name, 4 and 6 share one.
std::unique_ptr<store::LeagueData> league(const std::vector<int16_t>& playerTeams, int teamCount) {
    static const char* const kNames[] = {"Ann", "", "Cy", "Di", "Ed", "Di"};
    auto data = std::make_unique<store::LeagueData>();
    data->playerCount = static_cast<int16_t>(playerTeams.size());
    for (size_t i = 0; i < playerTeams.size(); ++i) {
        data->players[i + 1].name = kNames[i];
        data->players[i + 1].team = playerTeams[i];
    }
    store::TeamPart& teams = data->teams;
    teams.teamCount = static_cast<int16_t>(teamCount);
    teams.currentTeam = 1;
    // Team t is named "Tn" and has t point entries, so a moved record shows where it came from.
    for (int t = 1; t <= teamCount; ++t) {
        teams.teamNames[t] = "T" + std::to_string(t);
        teams.teamEntryCount[t] = static_cast<int16_t>(t);
        for (int e = 1; e <= t; ++e) teams.teamEntries[t][e] = {"Week " + std::to_string(e), 10.0f * t, 1.5f * t};
    }
    return data;
}

std::vector<int16_t> playerTeams(const store::LeagueData& data) {
    std::vector<int16_t> teams;
    for (int p = 1; p <= data.playerCount; ++p) teams.push_back(data.players[p].team);
    return teams;
}

// Neither a pasted line break nor players put on a team before it is named may leave a team file
// that reads back differently.
TEST(TeamSetup, FileStaysConsistentBeforeTheFirstTeamIsNamed) {
    auto data = league({0, 0, 0}, 0);
    AssignPlayers(*data, {3});
    EXPECT_EQ(data->teams.teamCount, 1);
    EXPECT_EQ(data->players[3].team, 1);
    RenameTeam(*data, "Eagles\r\nHawks\n");
    EXPECT_EQ(data->teams.teamNames[1], "Eagles  Hawks ");
}

struct Removal {
    int removed;                       // of teams 1..3
    std::vector<std::string> names;    // of the two teams left
    std::vector<int> entryCounts;      // the records are told apart by their length
    std::vector<int16_t> playerTeams;  // players start on 1, -, 3, 1, 3, 0 but the removed team
    int currentAfter;
};

class RemoveOfThree : public ::testing::TestWithParam<Removal> {};

TEST_P(RemoveOfThree, LaterTeamsMoveDownWithTheirPlayersAndRecords) {
    const Removal& r = GetParam();
    ScriptedDialogs dialogs;
    std::vector<int16_t> start = {1, 0, 3, 1, 3, 0};
    for (int16_t& t : start) {
        if (t == r.removed) t = 0;
    }
    start[1] = static_cast<int16_t>(r.removed);  // the nameless player, listed nowhere
    auto data = league(start, 3);
    data->teams.currentTeam = static_cast<int16_t>(r.removed);
    dialogs.answer(platform::Answer::Yes);  // its point entries go with it
    ASSERT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Removed);
    auto asked = dialogs.takeMessages();
    ASSERT_EQ(asked.size(), 1u);
    std::string entries = r.removed == 1 ? " point entry." : " point entries.";
    EXPECT_EQ(asked[0].text.find("T" + std::to_string(r.removed) + " has " + std::to_string(r.removed) + entries), 0u)
        << asked[0].text;
    EXPECT_EQ(data->teams.teamCount, 2);
    EXPECT_EQ(data->teams.currentTeam, r.currentAfter);
    EXPECT_EQ(data->teams.teamNames[1], r.names[0]);
    EXPECT_EQ(data->teams.teamNames[2], r.names[1]);
    for (int t = 1; t <= 2; ++t) {
        ASSERT_EQ(data->teams.teamEntryCount[t], r.entryCounts[t - 1]) << t;
        int from = std::stoi(r.names[t - 1].substr(1));
        EXPECT_EQ(data->teams.teamEntries[t][from],
                  (store::TeamEntry{"Week " + std::to_string(from), 10.0f * from, 1.5f * from}));
    }
    EXPECT_EQ(playerTeams(*data), r.playerTeams);
    EXPECT_EQ(dialogs.beeps(), 0);
}

INSTANTIATE_TEST_SUITE_P(Teams, RemoveOfThree,
                         ::testing::Values(Removal{1, {"T2", "T3"}, {2, 3}, {0, 0, 2, 0, 2, 0}, 1},
                                           Removal{2, {"T1", "T3"}, {1, 3}, {1, 0, 2, 1, 2, 0}, 2},
                                           Removal{3, {"T1", "T2"}, {1, 2}, {1, 0, 0, 1, 0, 0}, 2}));

TEST(TeamSetup, RemovingTheOnlyTeamKeepsItNamelessWithItsRecord) {
    ScriptedDialogs dialogs;
    auto data = league({0, 1, 0}, 1);
    // Asked about its point entry, the user first keeps the team.
    dialogs.answer(platform::Answer::No);
    EXPECT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Kept);
    EXPECT_EQ(data->teams.teamNames[1], "T1");
    dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Removed);
    EXPECT_EQ(dialogs.takeMessages().size(), 2u);
    EXPECT_EQ(data->teams.teamCount, 1);
    EXPECT_EQ(data->teams.currentTeam, 1);
    EXPECT_EQ(data->teams.teamNames[1], "");
    EXPECT_EQ(data->teams.teamEntryCount[1], 1);
    EXPECT_EQ(data->players[2].team, 1);  // the team still exists
}

}  // namespace
}  // namespace quorval::teams
