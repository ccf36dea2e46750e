// The command-line tool against a folder another program holds, files it must not trust, and
// posts that run side by side.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "fullleague.hpp"
#include "store/coursefile.hpp"
#include "store/folderlock.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "tempdir.hpp"

namespace quorval {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;

const std::string kScores = "5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4";

struct Outcome {
    int exitCode;
    std::string err;
};

// `prefix` goes before the tool's path in the shell line (limits, variables).
Outcome cli(const std::string& args, const std::string& prefix = "") {
    std::string command =
        "XDG_CONFIG_HOME=\"$PWD/config\" " + prefix + std::string(QUORVAL_CLI) + " " + args + " >/dev/null 2>cli.err";
    int status = std::system(command.c_str());
    Outcome run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes("cli.err")};
    fs::remove("cli.err");
    return run;
}

// Every file of the folder with its bytes, to see that a refused command changed nothing.
std::map<std::string, std::string> folder() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.is_regular_file()) files[entry.path().filename().string()] = readBytes(entry.path());
    return files;
}

class CliIntegrity : public ::testing::Test {
protected:
    void SetUp() override {
        samples::FillRandomLeague(*data, 5, 4);
        data->registry.leagueCount = 1;
        data->registry.leagueFiles[1] = "Fall";
        writeBytes(store::kRegistryFileName, store::FormatRegistry(*data));
        writeBytes(store::kCourseFileName, store::FormatCourses(*data));
        writeBytes("Fall.LGE", store::FormatLeague(*data));
    }

    testing::TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST_F(CliIntegrity, AWriterWaitsForTheHolderThenStopsWithExit3AndChangesNothing) {
    store::FolderLock held("Quorval");
    ASSERT_EQ(held.tryTake(), store::FolderLock::Result::Taken);
    auto before = folder();
    Outcome run = cli("post Fall --player 1 --course 1 --date 06/15/04 --scores " + kScores);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("This data folder is open in Quorval on " + store::HostName() + " (process " +
                           std::to_string(::getpid()) + ")"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(folder(), before);
    // Readers need no lock.
    EXPECT_EQ(cli("csv Fall").exitCode, 0);
    held.release();
    Outcome posted = cli("post Fall --player 1 --course 1 --date 06/15/04 --tee 2 --scores " + kScores);
    EXPECT_EQ(posted.exitCode, 0) << posted.err;
}

TEST_F(CliIntegrity, NamesLeadingOutsideTheFolderAreRefused) {
    fs::create_directories("data");
    fs::create_directories("outside");
    for (const char* file : {store::kRegistryFileName, store::kCourseFileName, "Fall.LGE"})
        fs::rename(file, fs::path("data") / file);
    writeBytes("outside/Evil.LGE", store::FormatLeague(*data));
    fs::current_path("data");
    for (const std::string& args :
         std::vector<std::string>{"resave ../outside/Evil", "csv ../outside/Evil", "listing /etc/passwd",
                                  "post ../outside/Evil --player 1 --course 1 --date 06/15/04 --scores " + kScores}) {
        Outcome run = cli(args);
        EXPECT_EQ(run.exitCode, 1) << args;
        EXPECT_NE(run.err.find("would lead outside the data folder"), std::string::npos) << args << run.err;
    }
    EXPECT_EQ(readBytes("../outside/Evil.LGE"), store::FormatLeague(*data));

    data->registry.leagueCount = 2;
    data->registry.leagueFiles[2] = "../outside/Evil";
    writeBytes(store::kRegistryFileName, store::FormatRegistry(*data));
    int status = std::system((std::string(QUORVAL_CLI) + " check >check.out 2>&1").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(readBytes("check.out").find("league 2 \"../outside/Evil\" names a file outside the data folder"),
              std::string::npos)
        << readBytes("check.out");
}

// The text up to and including line n.
std::string firstLines(const std::string& text, int n) {
    size_t end = 0;
    for (int i = 0; i < n; ++i) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

// A registry or course file that does not load: the tool does not go on with defaults, it refuses
// with exit 1 and changes no file (but keeps a copy of what could not be read).
struct BadFolder {
    const char* name;
    void (*spoil)(store::LeagueData&);
};

class CliRefusesToGoOn : public CliIntegrity, public ::testing::WithParamInterface<BadFolder> {};

TEST_P(CliRefusesToGoOn, WithExit1) {
    GetParam().spoil(*data);
    auto before = folder();
    Outcome run = cli("post Fall --player 1 --course 1 --date 06/15/04 --scores " + kScores);
    EXPECT_EQ(run.exitCode, 1) << run.err;
    auto after = folder();
    for (const auto& [name, bytes] : before) EXPECT_EQ(after[name], bytes) << name;
}

INSTANTIATE_TEST_SUITE_P(Files, CliRefusesToGoOn,
                         ::testing::Values(BadFolder{"RegistryFactorOutOfRange",
                                                     [](store::LeagueData& d) {
                                                         d.settings.hcpFactor = 2;
                                                         writeBytes(store::kRegistryFileName, store::FormatRegistry(d));
                                                     }},
                                           // The first course is whole, the rest of the table is gone.
                                           BadFolder{"CourseFileCutShort",
                                                     [](store::LeagueData& d) {
                                                         writeBytes(store::kCourseFileName,
                                                                    firstLines(store::FormatCourses(d), 1 + 30 + 5));
                                                     }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliIntegrity, CheckReportsImpossibleDatesAndRoundsWithoutACourse) {
    data->players[1].rounds[1].month = 13;
    data->players[2].rounds[1].day = 0;
    data->players[3].rounds[1].course = static_cast<int16_t>(data->courseCount + 1);
    ASSERT_GT(data->players[3].roundCount, 0);
    std::string league = store::FormatLeague(*data);
    writeBytes("Fall.LGE", league);
    int status = std::system((std::string(QUORVAL_CLI) + " check >check.out 2>&1").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1);
    std::string out = readBytes("check.out");
    for (const std::string& line :
         std::vector<std::string>{"player 1 (" + data->players[1].name + ") round 1: the date 13/",
                                  "player 2 (" + data->players[2].name + ") round 1: the date ",
                                  "player 3 (" + data->players[3].name + ") round 1: course slot " +
                                      std::to_string(data->courseCount + 1) + " holds no course"}) {
        EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
    }
    EXPECT_EQ(readBytes("Fall.LGE"), league);
}

TEST(CliDemo, AFailedDemoLeavesTheFolderAsItWas) {
    testing::TempWorkDir dir;
    writeBytes("notes.txt", "mine");
    // Room for the course file but not for the league file.
    Outcome run = cli("demo", "sh -c 'trap \"\" XFSZ; ulimit -f 4; exec \"$0\" \"$@\"' ");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    auto left = folder();
    left.erase(store::kLockFileName);
    EXPECT_EQ(left, (std::map<std::string, std::string>{{"notes.txt", "mine"}}));
    EXPECT_EQ(cli("demo").exitCode, 0);
    EXPECT_TRUE(fs::exists("Demo League.LGE"));
}

// Twenty pairs of posts at the same moment: every post that says it worked is in the file and
// every other one says it did not. Slow, so it runs only when asked for (./test does).
TEST(CliStress, ParallelPostsLoseNoRound) {
    if (!std::getenv("QUORVAL_STRESS")) GTEST_SKIP() << "set QUORVAL_STRESS=1";
    testing::TempWorkDir dir;
    auto d = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*d, 3, 2);
    for (int p = 1; p <= 2; ++p) {
        d->players[p].roundCount = 0;
        d->players[p].rounds = {};
        d->players[p].tee = store::kWhiteTee;
    }
    d->registry.leagueCount = 1;
    d->registry.leagueFiles[1] = "Fall";
    writeBytes(store::kRegistryFileName, store::FormatRegistry(*d));
    writeBytes(store::kCourseFileName, store::FormatCourses(*d));
    writeBytes("Fall.LGE", store::FormatLeague(*d));

    std::string post =
        "XDG_CONFIG_HOME=\"$PWD/config\" " + std::string(QUORVAL_CLI) + " post Fall --course 1 --scores " + kScores;
    std::ostringstream script;
    script << "for i in $(seq 1 20); do d=$(printf %02d $i);"
           << " (" << post << " --player 1 --date 01/$d/26 >/dev/null 2>&1; echo \"1 $i $?\" >>codes) &"
           << " (" << post << " --player 2 --date 02/$d/26 >/dev/null 2>&1; echo \"2 $i $?\" >>codes) &"
           << " wait; done";
    ASSERT_EQ(std::system(script.str().c_str()), 0);

    auto after = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::ParseLeague(*after, readBytes("Fall.LGE")).ok);
    std::istringstream codes(readBytes("codes"));
    int player = 0, day = 0, code = 0, lines = 0;
    while (codes >> player >> day >> code) {
        ++lines;
        bool stored = false;
        const store::PlayerRecord& who = after->players[player];
        for (int r = 1; r <= who.roundCount; ++r) stored |= who.rounds[r].month == player && who.rounds[r].day == day;
        EXPECT_EQ(stored, code == 0) << "player " << player << " day " << day << " exit " << code;
    }
    EXPECT_EQ(lines, 40);
}

}  // namespace
}  // namespace quorval
