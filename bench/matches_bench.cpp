// A season of league matches: 20 teams of 5, 30 weekly dates, every date scored hole by hole and
// the standings over the season, beside the bare cost of reading every hole score once.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "fullleague.hpp"
#include "play/leaguematches.hpp"
#include "play/schedule.hpp"

namespace {

using namespace quorval;

constexpr int kWeeks = 30;
constexpr int kTeams = 20;

struct Season {
    store::LeagueData data;
    store::Schedule schedule;
    std::vector<play::Day> dates;
};

// 100 players on 20 teams; each player's 20 rounds fall on the last 20 dates of the season (the
// first ten dates are played by nobody, as when rounds have aged out), all on course 1.
Season& season() {
    static std::unique_ptr<Season> s = [] {
        auto season = std::make_unique<Season>();
        store::LeagueData& d = season->data;
        samples::FillFullLeague(d);
        for (int h = 1; h <= store::kHoles; ++h) d.strokeIndexes[1][h] = static_cast<int16_t>((h * 7) % 18 + 1);
        d.teams.teamCount = kTeams;
        for (int t = 1; t <= kTeams; ++t) d.teams.teamNames[t] = "Team " + std::to_string(t);
        for (int p = 1; p <= d.playerCount; ++p) d.players[p].team = static_cast<int16_t>((p - 1) % kTeams + 1);
        const play::Day start{std::chrono::year(2026) / 4 / 7};
        play::MakeRequest request{.start = start, .weeks = kWeeks, .kind = store::SideKind::Teams};
        if (!play::MakeSchedule(d, request, season->schedule).ok) throw std::runtime_error("no schedule");
        season->dates = play::ScheduledDates(season->schedule);
        for (int p = 1; p <= d.playerCount; ++p) {
            store::PlayerRecord& player = d.players[p];
            for (int r = 1; r <= player.roundCount; ++r) {
                std::chrono::year_month_day day{season->dates[kWeeks - player.roundCount + r - 1]};
                store::RoundRecord& round = player.rounds[r];
                round.month = static_cast<int16_t>(static_cast<unsigned>(day.month()));
                round.day = static_cast<int16_t>(static_cast<unsigned>(day.day()));
                round.year = static_cast<int16_t>(static_cast<int>(day.year()) % 100);
                round.course = 1;
                round.score[store::kOutSlot] = round.score[store::kInSlot] = 0;
                for (int h = 1; h <= store::kHoles; ++h) {
                    round.score[h] = static_cast<int16_t>(3 + (p * 31 + r * 7 + h * 17) % 5);
                    round.score[h <= 9 ? store::kOutSlot : store::kInSlot] += round.score[h];
                }
            }
        }
        // Guard the figure: the last date must be scored hole by hole, not forfeited.
        std::vector<play::SideMatch> last;
        play::MatchesOn(season->schedule, d, season->dates.back(), last);
        if (last.empty() || !last.front().pairings.front().scored) throw std::runtime_error("nothing scored");
        return season;
    }();
    return *s;
}

void BM_MatchesAndStandingsOfASeason(benchmark::State& state) {
    const Season& s = season();
    for (auto _ : state) {
        std::vector<play::SideMatch> matches;
        for (play::Day date : s.dates) {
            play::MatchesOn(s.schedule, s.data, date, matches);
            benchmark::DoNotOptimize(matches);
        }
        benchmark::DoNotOptimize(play::SeasonStandings(s.schedule, s.data, std::nullopt, std::nullopt));
    }
}
BENCHMARK(BM_MatchesAndStandingsOfASeason)->Unit(benchmark::kMillisecond);

// The lower bound: every hole score of every round read once.
void BM_ReadEverySeasonScore(benchmark::State& state) {
    const Season& s = season();
    for (auto _ : state) {
        int sum = 0;
        for (int p = 1; p <= s.data.playerCount; ++p) {
            for (int r = 1; r <= s.data.players[p].roundCount; ++r) {
                for (int h = 1; h <= store::kHoles; ++h) sum += s.data.players[p].rounds[r].score[h];
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ReadEverySeasonScore)->Unit(benchmark::kMicrosecond);

}  // namespace
