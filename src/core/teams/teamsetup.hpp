#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// Setting up the teams of the open league: naming, creating and removing teams and putting
// players on them. Every step works on the current team (LeagueData.teams.currentTeam).
namespace quorval::teams {

// Reads the league's team file and starts at team 1.
void OpenTeamSetup(store::LeagueData& data);

// The player slots the set-up window lists, in slot order: players without a team and players
// of the current team. Players without a name are not listed.
struct SetupLists {
    std::vector<int> unassigned;
    std::vector<int> members;
};
SetupLists TeamSetupLists(const store::LeagueData& data);

// "Team # 2 of 3".
std::string TeamRecordLabel(const store::TeamPart& teams);

// Stores the typed name as the current team's name. The first name typed creates team 1.
void RenameTeam(store::LeagueData& data, const std::string& name);

enum class CreateOutcome {
    Beeped,   // the current team has no name yet: the user was told
    Refused,  // all 100 team slots are in use: the user was told
    Created,  // the new team is the last one and the current one
};
CreateOutcome CreateTeam(store::LeagueData& data, platform::Dialogs& dialogs);

// Puts the players in these slots on the current team, or takes them off their team.
void AssignPlayers(store::LeagueData& data, const std::vector<int>& slots);
void UnassignPlayers(store::LeagueData& data, const std::vector<int>& slots);

enum class RemoveTeamOutcome { Refused, Kept, Removed };

// Removes the current team once it has no listed members, asking first when it has point entries
// (they go with it): the later teams move down one slot with their names, players and point
// records. The only team is kept, with an empty name and its point record.
RemoveTeamOutcome RemoveTeam(store::LeagueData& data, platform::Dialogs& dialogs);

// Step the current team within 1..teamCount; false when already at the end.
bool NextTeam(store::LeagueData& data);
bool PreviousTeam(store::LeagueData& data);

// The team list's entries, team 1 first: "3  Eagles", or "3  (no name)".
std::vector<std::string> TeamChoices(const store::TeamPart& teams);

}  // namespace quorval::teams
