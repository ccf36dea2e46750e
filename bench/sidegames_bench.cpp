// The side games of a full night: 100 players on one course, each with the strokes he receives,
// beside the bare cost of reading every hole score once.
#include <benchmark/benchmark.h>

#include <memory>

#include "fullleague.hpp"
#include "play/skins.hpp"
#include "play/stableford.hpp"

namespace {

using namespace quorval;

const results::PlayDate kNight{6, 2, 26};

// Every player's last round moved to one night on course 1, with scores that leave few ties.
store::LeagueData& night() {
    static std::unique_ptr<store::LeagueData> data = [] {
        auto d = std::make_unique<store::LeagueData>();
        samples::FillFullLeague(*d);
        for (int h = 1; h <= store::kHoles; ++h) d->strokeIndexes[1][h] = static_cast<int16_t>((h * 7) % 18 + 1);
        for (int p = 1; p <= d->playerCount; ++p) {
            store::RoundRecord& r = d->players[p].rounds[d->players[p].roundCount];
            r.month = kNight.month, r.day = kNight.day, r.year = kNight.year, r.course = 1;
            r.score[store::kOutSlot] = r.score[store::kInSlot] = 0;
            for (int h = 1; h <= store::kHoles; ++h) {
                r.score[h] = static_cast<int16_t>(3 + (p * 31 + h * 17) % 5);
                r.score[h <= 9 ? store::kOutSlot : store::kInSlot] += r.score[h];
            }
        }
        return d;
    }();
    return *data;
}

void BM_SkinsOfANight(benchmark::State& state) {
    const store::LeagueData& data = night();
    for (auto _ : state) {
        play::FieldResult field =
            play::FieldOfDate(data, {kNight, data.courses[1][store::course_field::kName], {}, true, 100});
        play::Skins skins = play::ComputeSkins(data, *field.field, {play::Ties::Carry, 500, std::nullopt});
        benchmark::DoNotOptimize(skins);
    }
}

void BM_StablefordOfANight(benchmark::State& state) {
    const store::LeagueData& data = night();
    for (auto _ : state) {
        play::FieldResult field =
            play::FieldOfDate(data, {kNight, data.courses[1][store::course_field::kName], {}, true, 100});
        auto rows = play::RankStableford(data, *field.field, data.options.stablefordPoints);
        benchmark::DoNotOptimize(rows);
    }
}

// The lower bound: every hole score of every round read once.
void BM_ReadEveryHoleScore(benchmark::State& state) {
    const store::LeagueData& data = night();
    for (auto _ : state) {
        int sum = 0;
        for (int p = 1; p <= data.playerCount; ++p)
            for (int r = 1; r <= data.players[p].roundCount; ++r)
                for (int h = 1; h <= store::kHoles; ++h) sum += data.players[p].rounds[r].score[h];
        benchmark::DoNotOptimize(sum);
    }
}

BENCHMARK(BM_SkinsOfANight)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StablefordOfANight)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadEveryHoleScore)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
