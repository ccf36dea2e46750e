#pragma once

#include <random>

#include "entry/posting.hpp"
#include "fullleague.hpp"
#include "store/leaguedata.hpp"

namespace quorval::testing {

// A league whose rounds were all posted through the score window's code, oldest first, on each
// player's own tee: what an exported league holds. The first player has 24 rounds, so his four
// oldest were dropped; the last plays nine-hole rounds; every third round has putts and ticks.
inline void FillPostedLeague(store::LeagueData& data, uint32_t seed) {
    samples::FillRandomLeague(data, seed, 1);  // for its course table
    store::ClearLeagueData(data);
    data.teams = {};
    const char* const names[] = {"Ed, Jr. Long", "Günter Weiß", "Fay Short", "Hal Nine"};
    const int tees[] = {2, 3, 1, 2};
    const int rounds[] = {24, 12, 3, 5};
    std::mt19937 rng(seed);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    data.playerCount = 4;
    for (int p = 1; p <= 4; ++p) {
        data.players[p].name = names[p - 1];
        data.players[p].tee = static_cast<int16_t>(tees[p - 1]);
        for (int k = 0; k < rounds[p - 1]; ++k) {
            entry::RoundEntry round;
            round.tee = tees[p - 1];
            bool nine = p == 4 && k % 2 == 0;
            bool performance = k % 3 == 0;
            for (int h = 1; h <= 18; ++h) {
                if (nine && h > 9) continue;
                round.score[h] = static_cast<int16_t>(pick(3, 8));
                round.score[h <= 9 ? store::kOutSlot : store::kInSlot] += round.score[h];
                if (!performance) continue;
                round.putts[h] = static_cast<int16_t>(pick(1, 3));
                round.fairway[h] = static_cast<int16_t>(pick(1, 2));
                round.green[h] = static_cast<int16_t>(pick(1, 2));
                int slot = h <= 9 ? store::kOutSlot : store::kInSlot;
                round.putts[slot] += round.putts[h];
                round.fairway[slot] += round.fairway[h] == 2;
                round.green[slot] += round.green[h] == 2;
            }
            entry::RoundPlace place{1 + (p + k) % data.courseCount, k % 12 + 1, 1 + (3 * p + k) % 28, 23 + k / 12};
            entry::PostRound(data, p, round, place, 0);
        }
    }
}

}  // namespace quorval::testing
