#include "store/teamfile.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "fullleague.hpp"
#include "scripteddialogs.hpp"
#include "teams/teamsetup.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using quorval::testing::readBytes;
using quorval::testing::ScriptedDialogs;
using quorval::testing::TempWorkDir;
using quorval::testing::writeBytes;

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

}  // namespace

TEST(TeamFile, SmallLeagueIsWrittenLineByLine) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    auto data = leagueWithPlayers(3);
    data->teams.teamCount = 2;
    data->teams.teamNames[1] = "Eagles, \"A\"";
    data->players[1].team = 1;
    data->players[3].team = 2;
    data->players[4].team = 2;  // beyond the player count: not written
    data->teams.teamEntryCount[1] = 1;
    data->teams.teamEntries[1][1] = {"Week 1 at Oak", 12.5f, -0.5f};
    ASSERT_TRUE(store::SaveTeamFile(*data, dialogs));
    EXPECT_EQ(readBytes("Fall.tea"), kSmallTeamFile);
}

TEST(TeamFile, AssignmentsAreReadBackAndMarkTeamsInUse) {
    TempWorkDir dir;
    writeBytes("FALL.TEA", kSmallTeamFile);
    auto data = leagueWithPlayers(3);
    data->players[2].team = 7;  // stale values from before
    data->players[50].team = 7;
    store::LoadResult result = store::LoadTeamAssignments(*data);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(data->teams.teamsInUse, 1);
    EXPECT_EQ(data->teams.teamCount, 2);
    EXPECT_EQ(data->teams.teamNames[1], "Eagles, \"A\"");
    EXPECT_EQ(data->teams.teamNames[2], "");
    EXPECT_EQ(data->players[1].team, 1);
    EXPECT_EQ(data->players[2].team, 0);
    EXPECT_EQ(data->players[3].team, 2);
    EXPECT_EQ(data->players[50].team, 0);
    EXPECT_EQ(data->teams.teamEntryCount[1], 1);
    EXPECT_EQ(data->teams.teamEntryCount[2], 0);
    EXPECT_EQ(data->teams.teamEntries[1][1], (store::TeamEntry{"Week 1 at Oak", 12.5f, -0.5f}));
}

TEST(TeamFile, LeagueWithoutTeamFileHasNoTeamsInUse) {
    TempWorkDir dir;
    auto data = leagueWithPlayers(3);
    data->players[1].team = 2;
    data->teams.teamsInUse = 1;
    EXPECT_FALSE(store::LoadTeamAssignments(*data).ok);
    EXPECT_EQ(data->teams.teamsInUse, 0);
    EXPECT_EQ(data->players[1].team, 0);
    EXPECT_TRUE(fs::is_empty("."));
}

TEST(TeamFile, TeamsWithoutPlayersAreNotInUse) {
    TempWorkDir dir;
    writeBytes("Fall.tea", " 1 \r\nEagles\r\n 0 \r\n 0 \r\n 0 \r\n");
    auto data = leagueWithPlayers(2);
    EXPECT_TRUE(store::LoadTeamAssignments(*data).ok);
    EXPECT_EQ(data->teams.teamCount, 1);
    EXPECT_EQ(data->teams.teamsInUse, 0);
}

class TeamRoundTrip : public ::testing::TestWithParam<uint32_t> {};

TEST_P(TeamRoundTrip, SavedTeamsLoadEqualAndSaveToTheSameBytes) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    auto original = leagueWithPlayers(0);
    samples::FillRandomLeague(*original, GetParam(), 40);
    if (original->teams.teamEntryCount[2] == 0) original->teams.teamEntryCount[2] = 1;
    original->teams.teamEntries[2][1].description = " a, \"b\" ";
    ASSERT_TRUE(store::SaveTeamFile(*original, dialogs));
    std::string first = readBytes("Fall.tea");

    auto loaded = leagueWithPlayers(40);
    ASSERT_TRUE(store::LoadTeamAssignments(*loaded).ok);
    EXPECT_EQ(loaded->teams.teamCount, original->teams.teamCount);
    EXPECT_EQ(loaded->teams.teamNames, original->teams.teamNames);
    EXPECT_EQ(loaded->teams.teamEntryCount, original->teams.teamEntryCount);
    EXPECT_EQ(loaded->teams.teamEntries, original->teams.teamEntries);
    for (int p = 1; p <= 40; ++p) EXPECT_EQ(loaded->players[p].team, original->players[p].team) << p;
    ASSERT_TRUE(store::SaveTeamFile(*loaded, dialogs));
    EXPECT_EQ(readBytes("Fall.tea"), first);
}

INSTANTIATE_TEST_SUITE_P(Seeds, TeamRoundTrip, ::testing::Values(1u, 2u, 3u));

struct BrokenTeams {
    const char* what;
    std::string text;
};

class TeamFileFailure : public ::testing::TestWithParam<BrokenTeams> {};

// A broken team file is quiet, and a value the team part cannot hold never gets into it.
TEST_P(TeamFileFailure, ReadingStopsQuietlyAtTheFirstBadValue) {
    TempWorkDir dir;
    writeBytes("Fall.tea", GetParam().text);
    auto data = leagueWithPlayers(2);
    EXPECT_FALSE(store::LoadTeamFile(*data).ok);
    EXPECT_EQ(readBytes("Fall.tea.unreadable"), GetParam().text);
    EXPECT_TRUE(data->teams.teamCount >= 0 && data->teams.teamCount <= store::kMaxTeams);
    EXPECT_TRUE(data->teams.teamEntryCount[1] >= 0 && data->teams.teamEntryCount[1] <= store::kMaxTeamEntries);
}

INSTANTIATE_TEST_SUITE_P(Files, TeamFileFailure,
                         ::testing::Values(BrokenTeams{"TeamCount101", " 101 \r\n"},
                                           BrokenTeams{"TeamNumber101", " 1 \r\nA\r\n 1 \r\n 101 \r\n 0 \r\n"},
                                           BrokenTeams{"EntryCount151", " 1 \r\nA\r\n 1 \r\n 1 \r\n 151 \r\n"},
                                           BrokenTeams{"PointsNotANumber",
                                                       " 1 \r\nA\r\n 0 \r\n 0 \r\n 1 \r\nW\r\n 1 \r\nx\r\n"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(TeamFile, EarlyEndKeepsWhatWasReadAndTheRestAsBefore) {
    TempWorkDir dir;
    writeBytes("Fall.tea", " 2 \r\nNew\r\n");
    auto data = leagueWithPlayers(2);
    data->teams.teamNames[2] = "Old";
    data->players[1].team = 2;
    EXPECT_FALSE(store::LoadTeamFile(*data).ok);
    EXPECT_EQ(data->teams.teamCount, 2);
    EXPECT_EQ(data->teams.teamNames[1], "New");
    EXPECT_EQ(data->teams.teamNames[2], "Old");
    EXPECT_EQ(data->players[1].team, 2);
}

// Emptying the part touches only the entries in use, so nothing may linger past a team's count:
// not after a shorter file is read over a longer one, nor after a team is removed.
TEST(TeamFile, ResetEmptiesTheTeamPartWhateverWasReadOrRemovedBefore) {
    auto data = leagueWithPlayers(0);
    samples::FillFullLeague(*data, 3);
    for (int t : {1, 2}) {
        data->teams.teamEntryCount[t] = 5;
        for (int e = 1; e <= 5; ++e) data->teams.teamEntries[t][e] = {"Week", 12.5f, 3};
    }
    data->teams.teamsInUse = 1;
    data->teams.currentTeam = 2;
    ScriptedDialogs dialogs;
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
    auto fresh = std::make_unique<store::TeamPart>();
    EXPECT_TRUE(data->teams == *fresh);
    for (int p = 1; p <= store::kMaxPlayers; ++p) ASSERT_EQ(data->players[p].team, 0) << p;
    EXPECT_EQ(data->players[1].name, "Player 1");  // the players themselves stay
}

TEST(TeamFile, FileNameIsTheLeagueFileWithTheTeamExtension) {
    EXPECT_EQ(store::TeamFileName("Fall.LGE"), "Fall.tea");
    EXPECT_EQ(store::TeamFileName("Fall 2024.lge"), "Fall 2024.tea");
}

TEST(TeamFile, FailedSaveShowsTheMessageWithoutIconAndKeepsTheOldFile) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    writeBytes("Fall.tea", kSmallTeamFile);
    fs::permissions("Fall.tea", fs::perms::owner_read);
    auto data = leagueWithPlayers(1);
    EXPECT_FALSE(store::SaveTeamFile(*data, dialogs));
    platform::Message failed{
        "Cannot Write filename$, Please check disk write protect, freespace etc.\r\n"
        "The file Fall.tea is read-only: it has no write permission.",
        "Quorval", platform::Buttons::Ok, platform::Icon::None};
    EXPECT_EQ(dialogs.takeMessages(), std::vector<platform::Message>{failed});
    EXPECT_EQ(readBytes("Fall.tea"), kSmallTeamFile);
}
