#pragma once

#include <array>

#include "store/leaguedata.hpp"

// What a round was played as: the hole scores and the tee. League play reads a round only through
// these, so that where they are kept can change without touching the games.
namespace quorval::play {

// Scores of holes 1..18 (slot 0 unused); 0 on a hole not played.
using HoleScores = std::array<int, 19>;

HoleScores HoleScoresAsPlayed(const store::LeagueData& data, int player, int round);

// The tee the round was played from.
int TeePlayed(const store::LeagueData& data, int player, int round);

}  // namespace quorval::play
