// What the command-line tests share: running the real tool in a temporary data folder.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "fullleague.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace quorval::testing {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode;
    std::string out, err;
};

// The tool reads its settings from ./config, never from the user's own; `prefix` goes before its path.
inline CliRun runCli(const std::string& args, const std::string& prefix = "") {
    std::string command =
        "XDG_CONFIG_HOME=\"$PWD/config\" " + prefix + QUORVAL_CLI + " " + args + " >cli.out 2>cli.err";
    int status = std::system(command.c_str());
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes("cli.out"), readBytes("cli.err")};
    fs::remove("cli.out");
    fs::remove("cli.err");
    return run;
}

// Every file of the folder with its bytes, to see that a refused command changed nothing.
inline std::map<std::string, std::string> folderFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.is_regular_file()) files[entry.path().filename().string()] = readBytes(entry.path());
    return files;
}

inline std::unique_ptr<store::LeagueData> loadLeague(const std::string& file = "Fall.LGE") {
    auto loaded = std::make_unique<store::LeagueData>();
    EXPECT_TRUE(store::ParseLeague(*loaded, readBytes(file)).ok) << file;
    return loaded;
}

// The league as the program leaves it under the name "Fall": registry, courses, league and teams.
inline void writeFall(store::LeagueData& data) {
    data.leagueFileName = "Fall.LGE";
    data.registry.leagueCount = 1;
    data.registry.leagueFiles[1] = "Fall";
    writeBytes(store::kRegistryFileName, store::FormatRegistry(data));
    writeBytes(store::kCourseFileName, store::FormatCourses(data));
    writeBytes("Fall.LGE", store::FormatLeague(data));
    if (data.teams.teamCount > 0) writeBytes("Fall.tea", store::FormatTeams(data));
}

class CliTest : public ::testing::Test {
protected:
    TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

// A random league with teams, as the program wrote it.
class CliFolder : public CliTest {
protected:
    void SetUp() override {
        samples::FillRandomLeague(*data, 11, 6);
        writeFall(*data);
    }
};

}  // namespace quorval::testing
