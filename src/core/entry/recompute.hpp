#pragma once

#include <string>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// Working every stored round out again under the league's rules, after its rules changed.
namespace quorval::entry {

// The league file is copied to "NAME.LGE.before-recompute" first.
std::string RecomputeBackupName(const std::string& leagueFileName);

// Puts every player's rounds in date order and works out each round's differential, index and
// course handicap again, oldest first, as if they were posted now, on the tee each was played
// from (the player's default tee where the record does not know it). The hole limits of the rules
// in force are applied to every round, from the scores as played where the record has them. Under
// the World Handicap System rules the older scores of the record are worked out too.
void RecomputeLeague(store::LeagueData& data);

// RecomputeLeague after the backup copy; refuses, changing nothing, when the copy cannot be made.
// Saves the league file and its record.
bool RecomputeAllIndexes(store::LeagueData& data, platform::Dialogs& dialogs);

}  // namespace quorval::entry
