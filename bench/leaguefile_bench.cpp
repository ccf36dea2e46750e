// Loading and saving a full league, each beside the bare cost of moving the same bytes, so the
// ratio shows what the parsing and formatting add.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

#include "benchfolder.hpp"
#include "fullleague.hpp"
#include "listing/listing.hpp"
#include "platform/streamdialogs.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/roundrecordfile.hpp"

namespace {

namespace fs = std::filesystem;
using namespace quorval;

struct Workspace {
    bench::BenchFolder place{"quorval-bench"};
    const fs::path& dir = place.dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    Workspace() {
        fs::current_path(dir);
        samples::FillFullLeague(*data);
        data->leagueFileName = "Full.LGE";
        std::ofstream("Full.LGE", std::ios::binary) << store::FormatLeague(*data);
    }
};

Workspace& workspace() {
    static Workspace w;
    fs::current_path(w.dir);  // other benchmarks work in folders of their own
    return w;
}

void BM_LoadFullLeague(benchmark::State& state) {
    auto& w = workspace();
    platform::StreamDialogs dialogs(std::cerr);
    for (auto _ : state) {
        auto result = store::LoadLeagueFile(*w.data, dialogs);
        benchmark::DoNotOptimize(result);
    }
}

// The lower bound of a load: read the same file and split it into lines.
void BM_ReadSameBytesAsLines(benchmark::State& state) {
    workspace();
    for (auto _ : state) {
        auto text = store::readTextFile("Full.LGE");
        std::vector<std::string_view> lines;
        lines.reserve(180000);
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

void BM_SaveFullLeague(benchmark::State& state) {
    auto& w = workspace();
    platform::StreamDialogs dialogs(std::cerr);
    for (auto _ : state) benchmark::DoNotOptimize(store::SaveLeagueFile(*w.data, dialogs));
}

// The lower bound of a save: write the same bytes to a file and flush them to disk.
void BM_WriteSameBytesWithFsync(benchmark::State& state) {
    auto& w = workspace();
    std::string bytes = store::FormatLeague(*w.data);
    for (auto _ : state) {
        int fd = ::open("Bare.LGE", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
    }
}

// What a durable replace must do at the least with the same bytes: a new file, written, flushed,
// renamed over the old one, and the folder flushed. The save's bound.
void BM_DurableReplaceSameBytes(benchmark::State& state) {
    auto& w = workspace();
    std::string bytes = store::FormatLeague(*w.data);
    for (auto _ : state) {
        int fd = ::open("Bare.LGE.new", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
        ::rename("Bare.LGE.new", "Bare.LGE");
        int dir = ::open(".", O_RDONLY | O_DIRECTORY);
        ::fsync(dir);
        ::close(dir);
    }
}

void BM_FormatFullLeague(benchmark::State& state) {
    auto& w = workspace();
    for (auto _ : state) benchmark::DoNotOptimize(store::FormatLeague(*w.data));
}

// The league with what its round record keeps: each round's tee and scores as played.
std::unique_ptr<store::LeagueData> withRecord(const store::LeagueData& league) {
    auto data = std::make_unique<store::LeagueData>(league);
    for (int p = 1; p <= data->playerCount; ++p) {
        for (int r = 1; r <= data->players[p].roundCount; ++r) {
            data->players[p].rounds[r].teePlayed = 2;
            data->players[p].rounds[r].asPlayed = data->players[p].rounds[r].score;
        }
    }
    return data;
}

// A league kept by this program: every round knows its tee and its scores as played, so each save
// replaces the league file and its round record together. Two versions take turns, so every save
// changes both files.
void BM_SaveFullLeagueWithRecord(benchmark::State& state) {
    auto& w = workspace();
    auto data = withRecord(*w.data);
    data->leagueFileName = "Kept.LGE";
    data->leagueFileStamp = store::StampOf("Kept.LGE");
    platform::StreamDialogs dialogs(std::cerr);
    int turn = 0;
    for (auto _ : state) {
        data->players[1].rounds[1].teePlayed = static_cast<int16_t>(1 + turn % 2);
        data->players[1].rounds[1].differential = static_cast<float>(turn++ % 2);
        if (!store::SaveLeagueFile(*data, dialogs)) state.SkipWithError("the save failed");
    }
}

// The bound of that save without its all-or-nothing: both files' bytes, each replaced durably,
// the folder flushed once.
void BM_DurableReplaceBothSameBytes(benchmark::State& state) {
    auto& w = workspace();
    auto data = withRecord(*w.data);
    const std::pair<const char*, std::string> files[] = {{"Bare.LGE", store::FormatLeague(*data)},
                                                         {"Bare.hix", store::FormatRoundRecord(*data)}};
    for (auto _ : state) {
        for (const auto& [name, bytes] : files) {
            std::string temp = std::string(name) + ".new";
            int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
            ::fsync(fd);
            ::close(fd);
            ::rename(temp.c_str(), name);
        }
        int dir = ::open(".", O_RDONLY | O_DIRECTORY);
        ::fsync(dir);
        ::close(dir);
    }
}

// What the save with its record formats: both files' text.
void BM_FormatFullLeagueWithRecord(benchmark::State& state) {
    auto& w = workspace();
    auto data = withRecord(*w.data);
    for (auto _ : state) {
        benchmark::DoNotOptimize(store::FormatLeague(*data));
        benchmark::DoNotOptimize(store::FormatRoundRecord(*data));
    }
}

BENCHMARK(BM_LoadFullLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSameBytesAsLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteSameBytesWithFsync)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DurableReplaceSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatFullLeague)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFullLeagueWithRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DurableReplaceBothSameBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatFullLeagueWithRecord)->Unit(benchmark::kMillisecond);

// The By Date view of the full league, stepped back to its earliest date.
void BM_ListByDateFullLeague(benchmark::State& state) {
    auto& w = workspace();
    for (auto _ : state) {
        listing::Listing listing;
        listing.setView(listing::View::ByDate);
        listing.ListByDate(*w.data);
        benchmark::DoNotOptimize(listing.Spin(*w.data, -listing.dateCount()));
        benchmark::DoNotOptimize(listing.rows().data());
    }
}

// Its lower bound: copy as many rows of the same text as the listing shows over its dates.
void BM_CopySameRows(benchmark::State& state) {
    auto& w = workspace();
    listing::Listing listing;
    listing.setView(listing::View::ByDate);
    listing.ListByDate(*w.data);
    std::vector<listing::Row> shown = listing.rows();
    listing.Spin(*w.data, -listing.dateCount());
    shown.insert(shown.end(), listing.rows().begin(), listing.rows().end());
    for (auto _ : state) {
        std::vector<listing::Row> rows = shown;
        benchmark::DoNotOptimize(rows.data());
    }
}

}  // namespace

BENCHMARK(BM_ListByDateFullLeague)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CopySameRows)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
