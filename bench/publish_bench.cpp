// Publishing a 100-player league's pages into a fresh folder, beside copying the same pages as
// plain files (what `cp -r` does).
#include <benchmark/benchmark.h>

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
    Site() {
        samples::FillFullLeague(*data);
        files = publish::BuildSite(*data);
    }
};

Site& site() {
    static Site s;
    fs::current_path(s.place.dir);
    return s;
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
}

}  // namespace

BENCHMARK(BM_Publish100PlayerLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopySamePages)->Unit(benchmark::kMillisecond);
