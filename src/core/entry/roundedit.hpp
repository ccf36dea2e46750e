#pragma once

#include "entry/posting.hpp"

// Correcting a stored round: its scores and tee, and its date and course as well.
namespace quorval::entry {

// Stores the corrected round in `slot` of `player` and works it out again. When the date or
// course changed, every later round of the player is worked out again too (on his default tee,
// as rounds do not keep theirs); under the World Handicap System the rounds are first put back
// in date order, so the corrected round may move. The calculation list starts with what changed.
// A refused round changes nothing. result.slot is where the round ended up.
PostResult CorrectRound(store::LeagueData& data, int player, const RoundEntry& entry, const RoundPlace& place,
                        int slot);

}  // namespace quorval::entry
