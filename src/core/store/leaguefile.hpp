#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.hpp"
#include "store/datafile.hpp"
#include "store/leaguedata.hpp"

// The league file: every player of a league and his last 20 rounds, one value per line.
namespace quorval::store {

// Clears the player part and reads a league file's text into it, in either layout. On failure the
// values read so far stay; nothing beyond the arrays is ever written.
LoadResult ParseLeague(LeagueData& data, std::string_view text, Conversions conversions = Conversions::Fast);

// The file's text in the current layout.
std::string FormatLeague(const LeagueData& data, Conversions conversions = Conversions::Fast);

// Reads the file named by data.leagueFileName. A failure is shown to the user and returned.
LoadResult LoadLeagueFile(LeagueData& data, platform::Dialogs& dialogs);

// Writes data.leagueFileName atomically, and its round record beside it; a failure is shown and the old file stays as
// it was. A file changed on disk since it was read is not overwritten unless the user says so; otherwise it is read
// again and nothing is written. Nothing is written while the folder is read-only.
bool SaveLeagueFile(LeagueData& data, platform::Dialogs& dialogs);

}  // namespace quorval::store
