#pragma once

#include <cstdint>

#include "store/leaguedata.hpp"

// Leagues filled with made-up but well-formed values, for benchmarks, seeds and round-trip tests.
namespace quorval::samples {

// A league at every limit: 100 players, 20 rounds each, every hole with performance data, plus a
// table of 20 courses and a few teams. The same seed gives the same league.
void FillFullLeague(store::LeagueData& data, uint32_t seed = 1);

// A league of `players` players with random rounds, names and teams: every value a file can hold.
void FillRandomLeague(store::LeagueData& data, uint32_t seed, int players);

}  // namespace quorval::samples
