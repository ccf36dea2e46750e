#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// The roster of the open league: adding, removing, renaming and re-ordering players. A player
// keeps his rounds and his team through every move, because the team file knows players only by
// their slot.
namespace quorval::players {

inline constexpr int kMinAddedNameLength = 3;
inline constexpr int kMinNewNameLength = 4;

// A name as it is kept: without blanks before or after it.
std::string TidyName(std::string_view name);

// Two names that would print as look-alike lines: equal ignoring case, the blanks around them and
// repeated blanks inside them.
bool LooksTheSame(std::string_view a, std::string_view b);

// The first player other than `except` whose name looks the same as `name`, or 0.
int FindLookAlike(const store::LeagueData& data, std::string_view name, int except = 0);

// The add window keeps no double quotes in a name: each becomes an apostrophe.
std::string WithoutDoubleQuotes(std::string name);

enum class AddOutcome {
    Beeped,     // the name is blank or too short, or the roster is full: the user was told why
    NameTaken,  // the user was told
    Added,      // in slot playerCount, which is also the current player now
};

// Adds a player without rounds or team at the end of the list, under the tidied name. Tee 0 means
// no tee was chosen: the slot keeps the tee it holds.
AddOutcome AddPlayer(store::LeagueData& data, platform::Dialogs& dialogs, const std::string& typed, int tee);

enum class RemoveOutcome { Beeped, Kept, Removed };

// Asks first, naming the player, his rounds and his team, then removes the player in `slot`
// (0 = none highlighted: refused).
RemoveOutcome RemovePlayerAsked(store::LeagueData& data, platform::Dialogs& dialogs, int slot);

// Drops the player in `slot` with his rounds; the players after him move up one slot, taking
// their rounds and teams along. The slot freed at the end is left empty.
void RemovePlayer(store::LeagueData& data, int slot);

enum class RenameOutcome { Beeped, NameInUse, Kept, Renamed };

// Checks the new name, asks, and renames the player in `slot` (0 = none highlighted) and sets his
// default tee (0 keeps it). The name may stay as it is when only the tee changes.
RenameOutcome RenamePlayerAsked(store::LeagueData& data, platform::Dialogs& dialogs, int slot,
                                const std::string& newName, int tee = 0);

// Puts the player in slot `from` at slot `to`; the players between shift by one toward `from`.
void MovePlayer(store::LeagueData& data, int from, int to);

// One line of the ordering window's list: the position right-aligned in three characters, two
// blanks, the name.
inline constexpr int kPositionPrefix = 5;
std::string PositionLine(int position, const std::string& name);

// The position a typed text asks for: its leading whole number, at least 1 and at most `count`.
int PositionFromText(std::string_view text, int count);

// True when the league keeps a team file, whatever the letter case of its name on disk.
bool HasTeamFile(const store::LeagueData& data);

// What a roster window saves when it closes: when the slots changed and the league has a team file,
// the league file and the team file together (its player section stays one line per player, in
// player order), else the league file alone. A league without a team file gets none. True when saved.
bool SaveRoster(store::LeagueData& data, platform::Dialogs& dialogs, bool slotsChanged);

}  // namespace quorval::players
