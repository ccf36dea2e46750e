#pragma once

#include <string>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// Working every stored round out again under the league's rules, after its rules changed.
namespace quorval::entry {

// The league file is copied to "NAME.LGE.before-recompute" first.
std::string RecomputeBackupName(const std::string& leagueFileName);

// Puts every player's rounds in date order and works out each round's differential, index and
// course handicap again, oldest first, as if they were posted now; the tee is the player's
// default tee, as the rounds do not keep the tee they were played from. Hole scores stay as
// stored. Refuses, changing nothing, when the backup copy cannot be made. Saves the league file.
bool RecomputeAllIndexes(store::LeagueData& data, platform::Dialogs& dialogs);

}  // namespace quorval::entry
