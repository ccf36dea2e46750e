// Publishing a 100-player league's pages into a fresh folder, beside copying the same pages as
// plain files (what `cp -r` does) and beside `cp -r` itself.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "benchfolder.hpp"
#include "fullleague.hpp"
#include "publish/site.hpp"

namespace {

namespace fs = std::filesystem;
using namespace quorval;

struct Site {
    bench::BenchFolder place{"quorval-bench-publish"};
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    std::vector<publish::SiteFile> files;
    size_t bytes = 0;
    Site() {
        samples::FillFullLeague(*data);
        files = publish::BuildSite(*data);
        for (const publish::SiteFile& file : files) bytes += file.content.size();
    }
};

Site& site() {
    static Site s;
    fs::current_path(s.place.dir);
    return s;
}

void countPages(benchmark::State& state, const Site& s) {
    state.counters["pages"] = static_cast<double>(s.files.size());
    state.counters["MB"] = static_cast<double>(s.bytes) / 1e6;
}

void BM_Publish100PlayerLeague(benchmark::State& state) {
    auto& s = site();
    int run = 0;
    for (auto _ : state) {
        fs::path folder = "web" + std::to_string(run++);
        publish::PublishResult result = publish::PublishSite(*s.data, folder);
        if (!result.ok) state.SkipWithError(result.problem.c_str());
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
    }
    countPages(state, s);
}

// The pages made again each time, written nowhere: what publishing adds beyond the files.
void BM_Build100PlayerSite(benchmark::State& state) {
    auto& s = site();
    for (auto _ : state) benchmark::DoNotOptimize(publish::BuildSite(*s.data));
}

// The bound: the same pages written as plain files, each closed, nothing flushed.
void BM_CopySamePages(benchmark::State& state) {
    auto& s = site();
    int run = 0;
    for (auto _ : state) {
        fs::path folder = "copy" + std::to_string(run++);
        fs::create_directories(folder);
        for (const publish::SiteFile& file : s.files)
            std::ofstream(folder / file.name, std::ios::binary) << file.content;
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
    }
    countPages(state, s);
}

// `cp -r` of the published pages into a fresh folder, as a user would copy them.
void BM_CpRSamePages(benchmark::State& state) {
    auto& s = site();
    if (!fs::exists("published")) publish::PublishSite(*s.data, "published");
    int run = 0;
    for (auto _ : state) {
        std::string folder = "cp" + std::to_string(run++);
        if (std::system(("cp -r published " + folder).c_str()) != 0) state.SkipWithError("cp -r failed");
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
    }
    countPages(state, s);
}

}  // namespace

BENCHMARK(BM_Publish100PlayerLeague)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Build100PlayerSite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopySamePages)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CpRSamePages)->Unit(benchmark::kMillisecond)->UseRealTime();
