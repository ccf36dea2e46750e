#include "teams/teamsetup.hpp"

#include <algorithm>

#include "store/teamfile.hpp"
#include "text/names.hpp"

namespace quorval::teams {

void OpenTeamSetup(store::LeagueData& data) {
    store::LoadTeamFile(data);
    data.teams.currentTeam = 1;
}

SetupLists TeamSetupLists(const store::LeagueData& data) {
    SetupLists lists;
    for (int p = 1; p <= data.playerCount; ++p) {
        const store::PlayerRecord& player = data.players[p];
        if (player.name.empty()) continue;
        if (player.team == 0) lists.unassigned.push_back(p);
        if (player.team == data.teams.currentTeam) lists.members.push_back(p);
    }
    return lists;
}

std::string TeamRecordLabel(const store::TeamPart& teams) {
    return "Team # " + std::to_string(teams.currentTeam) + " of " + std::to_string(teams.teamCount);
}

void RenameTeam(store::LeagueData& data, const std::string& name) {
    store::TeamPart& teams = data.teams;
    teams.teamNames[teams.currentTeam] = name;
    if (!name.empty() && teams.teamCount == 0) teams.teamCount = 1;
}

CreateOutcome CreateTeam(store::LeagueData& data, platform::Dialogs& dialogs) {
    store::TeamPart& teams = data.teams;
    if (teams.teamNames[teams.currentTeam].empty()) {
        platform::Refuse(dialogs, "Type a name for this team before creating another one.", "Quorval");
        return CreateOutcome::Beeped;
    }
    if (std::string why = text::NameProblem(teams.teamNames[teams.currentTeam]); !why.empty()) {
        platform::Refuse(dialogs, "The team's name " + why + ".", "Quorval");
        return CreateOutcome::Beeped;
    }
    if (teams.teamCount >= store::kMaxTeams) {
        dialogs.message({"A league can have no more than 100 teams.", "Quorval", platform::Buttons::Ok,
                         platform::Icon::Exclamation});
        return CreateOutcome::Refused;
    }
    teams.teamCount = static_cast<int16_t>(teams.teamCount + 1);
    teams.currentTeam = teams.teamCount;
    teams.teamNames[teams.currentTeam].clear();
    teams.teamEntryCount[teams.currentTeam] = 0;
    return CreateOutcome::Created;
}

void AssignPlayers(store::LeagueData& data, const std::vector<int>& slots) {
    if (slots.empty()) return;
    // Players put on a team before it has a name make it a team: the file never holds players
    // of a team it does not count.
    if (data.teams.teamCount == 0) data.teams.teamCount = 1;
    for (int p : slots) {
        if (p >= 1 && p <= data.playerCount) data.players[p].team = data.teams.currentTeam;
    }
}

void UnassignPlayers(store::LeagueData& data, const std::vector<int>& slots) {
    for (int p : slots) {
        if (p >= 1 && p <= data.playerCount) data.players[p].team = 0;
    }
}

RemoveTeamOutcome RemoveTeam(store::LeagueData& data, platform::Dialogs& dialogs) {
    if (!TeamSetupLists(data).members.empty()) {
        dialogs.beep();
        dialogs.message({platform::joinLines({"Roster for this team must be empty", "before the team can be removed."}),
                         "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return RemoveTeamOutcome::Refused;
    }
    store::TeamPart& teams = data.teams;
    const int removed = teams.currentTeam;
    const int count = teams.teamCount;
    if (int entries = teams.teamEntryCount[removed]; entries > 0) {
        std::string name = teams.teamNames[removed].empty() ? "This team" : teams.teamNames[removed];
        std::string question = platform::joinLines(
            {name + " has " + std::to_string(entries) + (entries == 1 ? " point entry." : " point entries."),
             "Removing the team removes them too.", "", "Remove the team?"});
        if (dialogs.message({question, "Remove Team", platform::Buttons::YesNo, platform::Icon::Question, 2}) !=
            platform::Answer::Yes) {
            return RemoveTeamOutcome::Kept;
        }
    }
    teams.teamNames[removed].clear();
    for (int t = removed + 1; t <= count; ++t) {
        teams.teamNames[t - 1] = std::move(teams.teamNames[t]);
        teams.teamEntryCount[t - 1] = teams.teamEntryCount[t];
        teams.teamEntries[t - 1] = std::move(teams.teamEntries[t]);
    }
    for (int p = 1; p <= data.playerCount; ++p) {
        int16_t& team = data.players[p].team;
        if (team > removed) {
            --team;
        } else if (team == removed && count >= 2) {
            team = 0;  // an unlisted (nameless) player must not land on the team that moves into this slot
        }
    }
    if (count >= 2) {
        teams.teamNames[count].clear();
        // The last slot's entries have moved down; what the move left behind is blanked.
        for (int e = 1; e <= teams.teamEntryCount[count]; ++e) teams.teamEntries[count][e] = store::TeamEntry{};
        teams.teamEntryCount[count] = 0;
        teams.teamCount = static_cast<int16_t>(count - 1);
    }
    if (teams.currentTeam > teams.teamCount && teams.currentTeam > 1) --teams.currentTeam;
    return RemoveTeamOutcome::Removed;
}

bool NextTeam(store::LeagueData& data) {
    store::TeamPart& teams = data.teams;
    if (teams.currentTeam >= teams.teamCount) return false;
    ++teams.currentTeam;
    return true;
}

bool PreviousTeam(store::LeagueData& data) {
    store::TeamPart& teams = data.teams;
    if (teams.currentTeam <= 1) return false;
    --teams.currentTeam;
    return true;
}

std::vector<std::string> TeamChoices(const store::TeamPart& teams) {
    std::vector<std::string> choices;
    for (int t = 1; t <= teams.teamCount; ++t) {
        choices.push_back(std::to_string(t) + "  " + (teams.teamNames[t].empty() ? "(no name)" : teams.teamNames[t]));
    }
    return choices;
}

}  // namespace quorval::teams
