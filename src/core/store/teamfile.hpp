#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.hpp"
#include "store/datafile.hpp"
#include "store/leaguedata.hpp"

// The league's team file: team names, each player's team by player slot, and the point entries.
namespace quorval::store {

// Reads the league's team file into the team part. Failures are quiet: what was read stays and
// the rest keeps its previous value. A league without teams simply has no team file.
LoadResult LoadTeamFile(LeagueData& data);

// Clears every player's team, reads the team file and notes whether any player has a team.
LoadResult LoadTeamAssignments(LeagueData& data);

// Writes the team file; refused while the folder is read-only or the file on disk failed to load.
bool SaveTeamFile(LeagueData& data, platform::Dialogs& dialogs);

// Writes the league file and the team file together, all or nothing: for every change that adds,
// removes or moves players, since the team file keeps one line per player slot.
bool SaveLeagueAndTeamFiles(LeagueData& data, platform::Dialogs& dialogs);

LoadResult ParseTeams(LeagueData& data, std::string_view text, Conversions conversions = Conversions::Fast);
std::string FormatTeams(const LeagueData& data);

}  // namespace quorval::store
