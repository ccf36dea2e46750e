#include "teams/teamsetup.hpp"

#include <gtest/gtest.h>

#include "scripteddialogs.hpp"

namespace quorval::teams {
namespace {

using testing::ScriptedDialogs;

store::TeamEntry entry(int e, int t) {
    return {"Week " + std::to_string(e), 10.0f * t, 1.5f * t};
}

// Players named "Ann", "", "Cy", "Di", "Ed", "Di" on the given teams. Team t is "Tn" with t point
// entries, so a moved record shows where it came from.
std::unique_ptr<store::LeagueData> league(const std::vector<int16_t>& playerTeams, int teamCount) {
    static const char* const kNames[] = {"Ann", "", "Cy", "Di", "Ed", "Di"};
    auto data = std::make_unique<store::LeagueData>();
    data->playerCount = static_cast<int16_t>(playerTeams.size());
    for (size_t i = 0; i < playerTeams.size(); ++i) {
        data->players[i + 1].name = kNames[i];
        data->players[i + 1].team = playerTeams[i];
    }
    data->teams.teamCount = static_cast<int16_t>(teamCount);
    data->teams.currentTeam = 1;
    for (int t = 1; t <= teamCount; ++t) {
        data->teams.teamNames[t] = "T" + std::to_string(t);
        data->teams.teamEntryCount[t] = static_cast<int16_t>(t);
        for (int e = 1; e <= t; ++e) data->teams.teamEntries[t][e] = entry(e, t);
    }
    return data;
}

TEST(TeamSetup, FileStaysConsistentBeforeTheFirstTeamIsNamed) {
    auto data = league({0, 0, 0}, 0);
    AssignPlayers(*data, {3});
    RenameTeam(*data, "Eagles\r\nHawks\n");
    EXPECT_EQ(std::tuple(data->teams.teamCount, data->players[3].team, data->teams.teamNames[1]),
              std::tuple(1, 1, "Eagles  Hawks "));
}

TEST(TeamSetup, RemovingOneOfThreeMovesLaterTeamsDownWithTheirPlayersAndRecords) {
    struct Case {
        int removed;
        std::vector<int> from;  // the teams left, by their old number
        std::vector<int16_t> playerTeams;
        int currentAfter;
    };
    for (const Case& c : {Case{1, {2, 3}, {0, 0, 2, 0, 2, 0}, 1}, Case{2, {1, 3}, {1, 0, 2, 1, 2, 0}, 2},
                          Case{3, {1, 2}, {1, 0, 0, 1, 0, 0}, 2}}) {
        SCOPED_TRACE(c.removed);
        // Players on 1, -, 3, 1, 3, 0 but the removed team; the nameless one, listed nowhere, on it.
        std::vector<int16_t> start = {1, 0, 3, 1, 3, 0};
        for (int16_t& t : start) t = t == c.removed ? 0 : t;
        start[1] = static_cast<int16_t>(c.removed);
        auto data = league(start, 3);
        data->teams.currentTeam = static_cast<int16_t>(c.removed);
        ScriptedDialogs dialogs;
        dialogs.answer(platform::Answer::Yes);
        ASSERT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Removed);
        auto asked = dialogs.takeMessages();
        std::string n = std::to_string(c.removed), entries = c.removed == 1 ? " point entry." : " point entries.";
        EXPECT_EQ(asked.at(0).text.find("T" + n + " has " + n + entries), 0u) << asked[0].text;
        EXPECT_EQ(std::tuple(data->teams.teamCount, data->teams.currentTeam), std::tuple(2, c.currentAfter));
        for (int t = 1; t <= 2; ++t) {
            int from = c.from[t - 1];
            EXPECT_EQ(data->teams.teamNames[t], "T" + std::to_string(from));
            ASSERT_EQ(data->teams.teamEntryCount[t], from);
            EXPECT_EQ(data->teams.teamEntries[t][from], entry(from, from));
        }
        EXPECT_EQ(data->teams.teamEntries[3][3], store::TeamEntry{});
        for (int p = 1; p <= 6; ++p) EXPECT_EQ(data->players[p].team, c.playerTeams[p - 1]) << p;
    }
}

TEST(TeamSetup, RemovingTheOnlyTeamKeepsItNamelessWithItsRecord) {
    ScriptedDialogs dialogs;
    auto data = league({0, 1, 0}, 1);
    dialogs.answer(platform::Answer::No);
    EXPECT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Kept);
    EXPECT_EQ(data->teams.teamNames[1], "T1");
    dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(RemoveTeam(*data, dialogs), RemoveTeamOutcome::Removed);
    EXPECT_EQ(dialogs.takeMessages().size(), 2u);
    const store::TeamPart& teams = data->teams;
    EXPECT_EQ(std::tie(teams.teamCount, teams.currentTeam, teams.teamNames[1], teams.teamEntryCount[1]),
              std::tuple(1, 1, "", 1));
    EXPECT_EQ(data->players[2].team, 1);
}

}  // namespace
}  // namespace quorval::teams
