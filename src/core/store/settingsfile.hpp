#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.hpp"
#include "store/datafile.hpp"
#include "store/leaguedata.hpp"

// The per-machine settings file and the league registry beside the league files.
namespace quorval::store {

inline constexpr const char* kSettingsFileName = "qvl32.ini";
inline constexpr const char* kRegistryFileName = "Qvleague.DAT";

// $XDG_CONFIG_HOME/quorval/qvl32.ini, or ~/.config/quorval/qvl32.ini.
std::string SettingsFilePath();

// Reads the settings file; a missing or unreadable file quietly gives the defaults (an unreadable
// one is kept beside it first, as every data file is).
void LoadSettingsFile(LeagueData& data);
// Writes the settings file; a failure is quiet. Returns whether it was written.
bool SaveSettingsFile(LeagueData& data, platform::Dialogs& dialogs);
// False when the first four values cannot be read and the defaults apply instead.
bool ParseSettings(Settings& settings, std::string_view text);
std::string FormatSettings(const Settings& settings);

LoadResult LoadLeagueRegistry(LeagueData& data, platform::Dialogs& dialogs);
bool SaveLeagueRegistry(LeagueData& data, platform::Dialogs& dialogs);
LoadResult ParseRegistry(LeagueData& data, std::string_view text);
std::string FormatRegistry(const LeagueData& data);

// A handicap factor typed by the user: 0.5 to 1.1 stays, anything else becomes 0.96.
float ValidHcpFactor(float factor);

}  // namespace quorval::store
