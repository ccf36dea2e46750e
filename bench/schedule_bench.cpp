// A season of 30 weeks for 100 individual players: made, written and read again, beside the bare
// cost of writing the same matchups as text.
#include <benchmark/benchmark.h>

#include <memory>

#include "fullleague.hpp"
#include "play/schedule.hpp"

namespace {

using namespace quorval;

const play::MakeRequest kSeason{.start = store::Date{std::chrono::year(2026) / 4 / 7},
                                .weeks = 30,
                                .kind = store::SideKind::Players,
                                .tees = {store::TeeStart::Times, 7 * 60, 8}};

std::unique_ptr<store::LeagueData> fullLeague() {
    auto data = std::make_unique<store::LeagueData>();
    samples::FillFullLeague(*data, 1);
    return data;
}

void BM_Season30WeeksOf100Players(benchmark::State& state) {
    auto data = fullLeague();
    for (auto _ : state) {
        store::Schedule schedule, read;
        play::MakeSchedule(*data, kSeason, schedule);
        store::ParseSchedule(read, store::FormatSchedule(schedule));
        benchmark::DoNotOptimize(play::ScheduleCsv(read, *data));
    }
}
BENCHMARK(BM_Season30WeeksOf100Players)->Unit(benchmark::kMillisecond);

void BM_BareSeasonText(benchmark::State& state) {
    auto data = fullLeague();
    store::Schedule schedule;
    play::MakeSchedule(*data, kSeason, schedule);
    for (auto _ : state) {
        std::string text;
        for (const store::ScheduledMatch& m : schedule.matches) text += m.home + '\t' + m.away + "\r\n";
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_BareSeasonText)->Unit(benchmark::kMillisecond);

}  // namespace
