// Recomputing a World Handicap System league from its scoring record: 100 players with 20 stored
// rounds each and a year of older scores, worked out again in date order.
#include <benchmark/benchmark.h>

#include <memory>

#include "entry/recompute.hpp"
#include "fullleague.hpp"

namespace {

using namespace quorval;

std::unique_ptr<store::LeagueData> recordLeague() {
    auto data = std::make_unique<store::LeagueData>();
    samples::FillFullLeague(*data);
    data->options.rules = store::HandicapRules::WHS;
    for (int c = 1; c <= data->courseCount; ++c)
        for (int h = 1; h <= store::kHoles; ++h) data->strokeIndexes[c][h] = static_cast<int16_t>(h);
    // The year before: the same rounds once more, a year earlier, kept in the record only.
    for (int p = 1; p <= data->playerCount; ++p) {
        store::PlayerRecord& player = data->players[p];
        for (int r = 1; r <= player.roundCount; ++r) {
            store::RoundRecord older = player.rounds[r];
            older.year = static_cast<int16_t>((older.year + 99) % 100);
            older.asPlayed = older.score;
            player.earlier.push_back(older);
        }
    }
    return data;
}

void BM_RecomputeLeagueWithAYearOfRecord(benchmark::State& state) {
    auto original = recordLeague();
    auto data = std::make_unique<store::LeagueData>();
    for (auto _ : state) {
        state.PauseTiming();
        *data = *original;
        state.ResumeTiming();
        entry::RecomputeLeague(*data);
        benchmark::DoNotOptimize(data->players[1].rounds[20].handicapIndex);
    }
}
BENCHMARK(BM_RecomputeLeagueWithAYearOfRecord)->Unit(benchmark::kMillisecond);

}  // namespace
