// Running the command-line tool in a temporary data folder.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>

#include "fullleague.hpp"
#include "leaguebuilder.hpp"
#include "store/leaguefile.hpp"
#include "tempdir.hpp"

namespace quorval::testing {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode;
    std::string out, err;
};

// The tool reads its settings from ./config, never from the user's own; `prefix` goes before its path.
inline CliRun runCli(const std::string& args, const std::string& prefix = "") {
    int status = std::system(
        ("XDG_CONFIG_HOME=\"$PWD/config\" " + prefix + QUORVAL_CLI + " " + args + " >cli.out 2>cli.err").c_str());
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes("cli.out"), readBytes("cli.err")};
    fs::remove("cli.out");
    fs::remove("cli.err");
    return run;
}

inline ::testing::AssertionResult Has(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no \"" << part << "\" in:\n" << text;
}

// A command, its exit status and a text its output holds; a failed one leaves Fall.LGE as it was.
struct Step {
    std::string args;
    int exitCode;
    std::string shows;
};

// Runs the steps and returns what the last one wrote.
inline std::string runSteps(const std::vector<Step>& steps) {
    std::string output;
    for (const Step& step : steps) {
        std::string league = readBytes("Fall.LGE");
        CliRun run = runCli(step.args);
        output = run.out + run.err;
        EXPECT_EQ(run.exitCode, step.exitCode) << step.args << "\n" << run.err;
        EXPECT_TRUE(Has(output, step.shows)) << step.args;
        EXPECT_TRUE(step.exitCode == 0 || readBytes("Fall.LGE") == league) << step.args;
    }
    return output;
}

// Every file of the folder with its bytes.
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

inline void writeFall(store::LeagueData& data) {
    WriteLeagueFolder(data, "Fall");
}

struct CliFolder : ::testing::Test {
    void SetUp() override {
        samples::FillRandomLeague(*data, 11, 6);
        writeFall(*data);
    }
    TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

}  // namespace quorval::testing
