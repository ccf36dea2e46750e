// The command-line tool against a folder another program holds, files it must not trust, and
// posts that run side by side.
#include <unistd.h>

#include <algorithm>
#include <sstream>

#include "clifolder.hpp"
#include "store/folderlock.hpp"

namespace quorval {
namespace {

using namespace testing;

const std::string kScores = "5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4";
const std::string kPost = "post Fall --player 1 --course 1 --date 06/15/04 --tee 2 --scores " + kScores;

TEST_F(CliFolder, AWriterWaitsForTheHolderThenStopsWithExit3AndChangesNothing) {
    store::FolderLock held("Quorval");
    ASSERT_EQ(held.tryTake(), store::FolderLock::Result::Taken);
    auto before = folderFiles();
    CliRun run = runCli(kPost);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("This data folder is open in Quorval on " + store::HostName() + " (process " +
                           std::to_string(::getpid()) + ")"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(folderFiles(), before);
    EXPECT_EQ(runCli("csv Fall").exitCode, 0);  // readers need no lock
    held.release();
    EXPECT_EQ(runCli(kPost).exitCode, 0);
}

TEST_F(CliFolder, NamesLeadingOutsideTheFolderAreRefused) {
    fs::create_directories("data");
    fs::create_directories("outside");
    for (const auto& [name, bytes] : folderFiles()) fs::rename(name, fs::path("data") / name);
    writeBytes("outside/Evil.LGE", store::FormatLeague(*data));
    fs::current_path("data");
    for (const std::string& args :
         {std::string("resave ../outside/Evil"), std::string("csv ../outside/Evil"), std::string("listing /etc/passwd"),
          "post ../outside/Evil --player 1 --course 1 --date 06/15/04 --scores " + kScores}) {
        CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 1) << args;
        EXPECT_NE(run.err.find("would lead outside the data folder"), std::string::npos) << args << run.err;
    }
    EXPECT_EQ(readBytes("../outside/Evil.LGE"), store::FormatLeague(*data));

    data->registry.leagueCount = 2;
    data->registry.leagueFiles[2] = "../outside/Evil";
    writeBytes(store::kRegistryFileName, store::FormatRegistry(*data));
    CliRun check = runCli("check");
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("league 2 \"../outside/Evil\" names a file outside the data folder"), std::string::npos)
        << check.out;
}

// A registry or course file that does not load: the tool does not go on with defaults, it refuses
// with exit 1 and changes no file (but keeps a copy of what could not be read).
TEST_F(CliFolder, AnUnreadableRegistryOrCourseFileStopsAWriter) {
    std::string courses = store::FormatCourses(*data);
    size_t end = 0;
    for (int line = 0; line < 1 + 30 + 5; ++line) end = courses.find("\r\n", end) + 2;
    data->settings.hcpFactor = 2;  // out of range
    const std::pair<const char*, std::string> spoiled[] = {
        {store::kRegistryFileName, store::FormatRegistry(*data)},
        {store::kCourseFileName, courses.substr(0, end)}};  // the first course only
    for (const auto& [file, bytes] : spoiled) {
        std::string whole = readBytes(file);
        writeBytes(file, bytes);
        auto before = folderFiles();
        EXPECT_EQ(runCli(kPost).exitCode, 1) << file;
        auto after = folderFiles();
        for (const auto& [name, kept] : before) EXPECT_EQ(after[name], kept) << name;
        writeBytes(file, whole);
        EXPECT_EQ(runCli(kPost).exitCode, 0) << file;
    }
}

TEST_F(CliFolder, CheckReportsImpossibleDatesAndRoundsWithoutACourse) {
    data->players[1].roundCount = std::max<int16_t>(data->players[1].roundCount, 1);
    data->players[1].rounds[1].month = 13;
    data->players[2].rounds[1].day = 0;
    data->players[3].rounds[1].course = static_cast<int16_t>(data->courseCount + 1);
    ASSERT_GT(data->players[3].roundCount, 0);
    writeFall(*data);
    std::string league = readBytes("Fall.LGE");
    CliRun check = runCli("check");
    EXPECT_EQ(check.exitCode, 1);
    for (const std::string& line : {"player 1 (" + data->players[1].name + ") round 1: the date 13/",
                                    "player 2 (" + data->players[2].name + ") round 1: the date ",
                                    "player 3 (" + data->players[3].name + ") round 1: course slot " +
                                        std::to_string(data->courseCount + 1) + " holds no course"})
        EXPECT_NE(check.out.find(line), std::string::npos) << line << "\n" << check.out;
    EXPECT_EQ(readBytes("Fall.LGE"), league);
}

TEST_F(CliTest, AFailedDemoLeavesTheFolderAsItWas) {
    writeBytes("notes.txt", "mine");
    // Room for the course file but not for the league file.
    CliRun run = runCli("demo", "sh -c 'trap \"\" XFSZ; ulimit -f 4; exec \"$0\" \"$@\"' ");
    EXPECT_EQ(run.exitCode, 1) << run.err;
    auto left = folderFiles();
    left.erase(store::kLockFileName);
    EXPECT_EQ(left, (std::map<std::string, std::string>{{"notes.txt", "mine"}}));
    EXPECT_EQ(runCli("demo").exitCode, 0);
    EXPECT_TRUE(fs::exists("Demo League.LGE"));
}

// Twenty pairs of posts at the same moment: every post that says it worked is in the file and
// every other one says it did not. Slow, so it runs only when asked for (./test does).
TEST(CliStress, ParallelPostsLoseNoRound) {
    if (!std::getenv("QUORVAL_STRESS")) GTEST_SKIP() << "set QUORVAL_STRESS=1";
    TempWorkDir dir;
    auto d = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*d, 3, 2);
    for (int p = 1; p <= 2; ++p)
        d->players[p].roundCount = 0, d->players[p].rounds = {}, d->players[p].tee = store::kWhiteTee;
    writeFall(*d);
    std::string post =
        "XDG_CONFIG_HOME=\"$PWD/config\" " + std::string(QUORVAL_CLI) + " post Fall --course 1 --scores " + kScores;
    std::ostringstream script;
    script << "for i in $(seq 1 20); do d=$(printf %02d $i);";
    for (int p = 1; p <= 2; ++p)
        script << " (" << post << " --player " << p << " --date 0" << p << "/$d/26 >/dev/null 2>&1; echo \"" << p
               << " $i $?\" >>codes) &";
    script << " wait; done";
    ASSERT_EQ(std::system(script.str().c_str()), 0);

    auto after = loadLeague();
    std::istringstream codes(readBytes("codes"));
    int player = 0, day = 0, code = 0, lines = 0;
    for (; codes >> player >> day >> code; ++lines) {
        bool stored = false;
        const store::PlayerRecord& who = after->players[player];
        for (int r = 1; r <= who.roundCount; ++r) stored |= who.rounds[r].month == player && who.rounds[r].day == day;
        EXPECT_EQ(stored, code == 0) << "player " << player << " day " << day << " exit " << code;
    }
    EXPECT_EQ(lines, 40);
}

}  // namespace
}  // namespace quorval
