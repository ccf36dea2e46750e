// Checking a data folder of 15 full leagues, each with its team file, beside the bare cost of
// reading the same files and splitting them into lines.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "benchfolder.hpp"
#include "cli/commands.hpp"
#include "cli/systemclock.hpp"
#include "fullleague.hpp"
#include "platform/streamdialogs.hpp"
#include "store/coursefile.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"

namespace {

namespace fs = std::filesystem;
using namespace quorval;

constexpr int kLeagues = 15;

struct Folder {
    bench::BenchFolder place{"quorval-bench-folder"};
    const fs::path& dir = place.dir;
    Folder() {
        auto data = std::make_unique<store::LeagueData>();
        auto put = [&](const std::string& name, const std::string& bytes) {
            std::ofstream(dir / name, std::ios::binary) << bytes;
        };
        for (int k = 1; k <= kLeagues; ++k) {
            samples::FillFullLeague(*data, static_cast<uint32_t>(k));
            put("League " + std::to_string(k) + ".LGE", store::FormatLeague(*data));
            put("League " + std::to_string(k) + ".tea", store::FormatTeams(*data));
        }
        put(store::kCourseFileName, store::FormatCourses(*data));
        data->registry.leagueCount = kLeagues;
        for (int k = 1; k <= kLeagues; ++k) data->registry.leagueFiles[k] = "League " + std::to_string(k);
        put(store::kRegistryFileName, store::FormatRegistry(*data));
    }
};

Folder& folder() {
    static Folder f;
    fs::current_path(f.dir);
    return f;
}

void BM_CheckFolderOf15Leagues(benchmark::State& state) {
    folder();
    auto data = std::make_unique<store::LeagueData>();
    std::ostringstream out, err;
    platform::StreamDialogs dialogs(err);
    cli::SystemClock clock;
    cli::Context ctx{*data, dialogs, out, err, clock};
    for (auto _ : state) {
        if (cli::RunCheck(ctx, {}) != cli::kOk) state.SkipWithError("the folder did not check clean");
    }
}

// The lower bound: read every file of the folder and split it into lines.
void BM_ReadFolderAsLines(benchmark::State& state) {
    auto& f = folder();
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(f.dir)) files.push_back(entry.path().filename());
    std::vector<std::string_view> lines;
    lines.reserve(180000);
    for (auto _ : state) {
        for (const auto& file : files) {
            auto text = store::readTextFile(file);
            lines.clear();
            std::string_view rest(*text);
            for (size_t pos = 0; pos < rest.size();) {
                size_t end = rest.find('\n', pos);
                if (end == std::string_view::npos) end = rest.size();
                lines.push_back(rest.substr(pos, end - pos));
                pos = end + 1;
            }
            benchmark::DoNotOptimize(lines.data());
        }
    }
}

}  // namespace

BENCHMARK(BM_CheckFolderOf15Leagues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFolderAsLines)->Unit(benchmark::kMillisecond);
