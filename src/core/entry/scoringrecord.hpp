#pragma once

#include <string>
#include <vector>

#include "handicap/handicapindex.hpp"
#include "store/leaguedata.hpp"

// The scoring record of a World Handicap System league: every player's scores in date order, the
// 20 most recent in the league file and the older ones in the round record. A score placed among
// others, edited or deleted has every later figure worked out again as if the scores had been
// posted in date order.
namespace quorval::entry {

// A player's whole record, oldest first: the older scores, then the stored rounds.
std::vector<store::RoundRecord> RecordOf(const store::PlayerRecord& player);

// Where a score of this date goes in the record: after every score of that day or before.
size_t PlaceByDate(const std::vector<store::RoundRecord>& record, const store::RoundRecord& round);

// Replaces the player's record with `record` (oldest first) and works out every score from
// position `from` on again, posting them one after the other on the tee each was played from.
// Hole limits are applied again, from the scores as played, to the scores from `relimitFrom` on.
// The calculation list of the last score worked out goes to `last`.
void ReplayRecord(store::LeagueData& data, int player, std::vector<store::RoundRecord> record, size_t from,
                  size_t relimitFrom, handicap::IndexResult& last);

// Gives the scores before `from` back what the exceptional scores from `from` on took off them,
// so that they stand as they did when the score before `from` was posted. Called before a score
// is put in, changed or taken out at `from`.
void UndoLaterReductions(std::vector<store::RoundRecord>& record, size_t from);

// The whole league again, oldest score first, as if every round were posted afresh in date order.
void ReplayLeague(store::LeagueData& data);

// Older scores are kept for at least the 365 days before the player's latest score.
void TrimRecord(store::PlayerRecord& player);

// The line View Math and post show when a score went in before others.
std::string PlacedByDateLine(size_t later, bool recordOnly);

}  // namespace quorval::entry
