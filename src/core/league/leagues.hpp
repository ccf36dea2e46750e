#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// Opening, creating and deleting leagues: the league registry, the league files and the team files.
namespace quorval::league {

inline constexpr const char* kNoEntries = "No Entries";

// The captions of the league list menu: one per known league in registry order, or "No Entries".
std::vector<std::string> LeagueMenuCaptions(const store::LeagueData& data);

// The league's name as the user knows it: the league file's name without ".LGE".
std::string LeagueName(const store::LeagueData& data);

enum class OpenOutcome {
    Opened,
    NoSuchLeague,
    Refused,     // the name would lead outside the data folder; the user was told
    LoadFailed,  // the league file could not be read; the user was told and no league is open
};

// Opens league item k (0-based) of the league list: its players and rounds, the course table, no
// teams until a team window reads them, and k as the league opened last. An item that names no
// league beeps and changes nothing. A league that does not load leaves no league open.
OpenOutcome OpenLeague(store::LeagueData& data, platform::Dialogs& dialogs, int k);

// The league item (0-based) whose file is `leagueFileName` ("Fall.LGE"), or -1: after a restore
// the league that was open is opened again from its restored file, if the list still has it.
int LeagueItemOf(const store::LeagueData& data, const std::string& leagueFileName);

// A name that can only name a file in the data folder: no "/", "\\", ":" or ";", not dots and
// blanks alone. Names read from the registry are held to the same rule as names typed.
bool SafeLeagueName(const std::string& name);

// A typed character the league name box keeps: Backspace, Space, or a code of "0" or above.
bool LeagueNameKeyAccepted(char32_t c);

enum class CreateOutcome {
    Ignored,             // no name typed
    Refused,             // the user was told why; the name box is emptied
    Created,             // a new, empty league file
    RegisteredExisting,  // a league file of that name was already on disk: registered, unchanged
};

CreateOutcome CreateLeague(store::LeagueData& data, platform::Dialogs& dialogs, const std::string& name);

enum class DeleteOutcome {
    Beeped,    // no name typed
    NotKnown,  // the name is not on the league list
    Kept,      // the user said No
    Deleted,
    FileRemains,  // removed from the list, but a file could not be deleted (the user was told)
};

DeleteOutcome DeleteLeague(store::LeagueData& data, platform::Dialogs& dialogs, const std::string& name);

}  // namespace quorval::league
