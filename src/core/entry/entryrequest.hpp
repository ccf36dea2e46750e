#pragma once

#include "entry/posting.hpp"
#include "store/leaguedata.hpp"

namespace quorval::entry {

// What the score window is opened for: new rounds for the marked players on one date and course, or
// the correction of one player's stored round.
struct EntryRequest {
    RoundPlace place;             // the date and course of new rounds, or those of the stored round
    bool withStatistics = false;  // fairways, greens and putts as well as the scores
    int player = 0;               // the corrected round's player; new rounds go to the marked players
    int slot = 0;                 // the corrected round's slot, 0 for new rounds
    int tee = 0;                  // the tee the corrected round was played from

    bool correcting() const { return slot > 0; }
};

EntryRequest NewRoundsRequest(const RoundPlace& place, bool withStatistics);

// The stored round of `slot` with its date, course and card. The tee is the one it was played from,
// or the player's own for a round stored before the tee played was kept.
EntryRequest CorrectionRequest(const store::LeagueData& data, int player, int slot);

// The tee a player's card opens on: the corrected round's, else the player's own (0 when he has none).
int OpeningTee(const store::LeagueData& data, const EntryRequest& request, int player);

}  // namespace quorval::entry
