#pragma once

#include "entry/posting.hpp"
#include "platform/dialogs.hpp"

// The questions the score window asks before it posts a card, asked through the Dialogs seam.
namespace quorval::entry {

// A corrected hole takes its digits as typed, so a slip such as 65 for 5 is asked about: each
// hole more than 10 over its par, first hole first, "Keep 65 on hole 4?". Returns 0 when every
// such score is kept, else the hole whose score the user did not keep.
int AskAboutHighScores(platform::Dialogs& dialogs, const store::HoleValues& score, const store::HoleValues& par);

// A new round dated before the player's latest round, or on a day he already played, is asked
// about (No by default). True to post it.
bool AskAboutDateOrder(platform::Dialogs& dialogs, const store::LeagueData& data, int player, const RoundPlace& place);

}  // namespace quorval::entry
