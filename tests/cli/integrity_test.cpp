// The command-line tool on a folder held elsewhere, on files it must not trust, and side by side.
#include <unistd.h>

#include <sstream>

#include "clifolder.hpp"
#include "leaguebuilder.hpp"
#include "store/coursefile.hpp"
#include "store/folderlock.hpp"
#include "store/settingsfile.hpp"

namespace quorval {
namespace {

using namespace testing;

const std::string kScores = " --scores 5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4";
const std::string kPost = "post Fall --player 1 --course 1 --date 06/15/04 --tee 2" + kScores;

// A writer stops with exit 3 and changes nothing while the folder is held; readers need no lock.
TEST_F(CliFolder, AHeldFolderStopsWritersOnly) {
    store::FolderLock held("Quorval");
    ASSERT_EQ(held.tryTake(), store::FolderLock::Result::Taken);
    auto before = folderFiles();
    runSteps({{kPost, 3,
               "This data folder is open in Quorval on " + store::HostName() + " (process " +
                   std::to_string(::getpid()) + ")"},
              {"csv Fall", 0, ""}});
    EXPECT_EQ(folderFiles(), before);
    held.release();
    runSteps({{kPost, 0, ""}});
}

TEST_F(CliFolder, NamesLeadingOutsideTheFolderAreRefused) {
    fs::create_directories("data");
    for (const auto& [name, bytes] : folderFiles()) fs::rename(name, fs::path("data") / name);
    writeBytes("Evil.LGE", store::FormatLeague(*data));
    fs::current_path("data");
    runSteps({{"resave ../Evil", 1, "would lead outside the data folder"},
              {"listing /etc/passwd", 1, "would lead outside the data folder"}});
    EXPECT_EQ(readBytes("../Evil.LGE"), store::FormatLeague(*data));
}

// A registry or course file that does not load stops a writer rather than letting it go on with
// defaults, and no file changes but for the copy of what could not be read.
TEST_F(CliFolder, AnUnreadableRegistryOrCourseFileStopsAWriter) {
    std::string courses = store::FormatCourses(*data);
    data->settings.hcpFactor = 2;  // out of range
    for (const auto& [file, bytes] :
         {std::pair<std::string, std::string>{store::kRegistryFileName, store::FormatRegistry(*data)},
          {store::kCourseFileName, courses.substr(0, courses.size() / 2)}}) {
        std::string whole = readBytes(file);
        writeBytes(file, bytes);
        auto before = folderFiles();
        runSteps({{kPost, 1, ""}});
        for (const auto& [name, kept] : before) EXPECT_EQ(folderFiles()[name], kept) << name;
        writeBytes(file, whole);
    }
    runSteps({{kPost, 0, ""}});
}

// A demo that fails leaves the folder as it was; a folder that holds any of its files, whatever
// their case, is left alone.
TEST_F(CliFolder, DemoMakesACleanFolderButNeverOverAnother) {
    TempWorkDir clean;
    writeBytes("notes.txt", "mine");
    // Room for the course file but not for the league file.
    EXPECT_EQ(runCli("demo", "sh -c 'trap \"\" XFSZ; ulimit -f 4; exec \"$0\" \"$@\"' ").exitCode, 1);
    auto left = folderFiles();
    left.erase(store::kLockFileName);
    EXPECT_EQ(left, (std::map<std::string, std::string>{{"notes.txt", "mine"}}));
    EXPECT_EQ(runSteps({{"demo", 0, ""}, {"check", 0, ""}}), "");
    TempWorkDir other;
    writeBytes("QVLEAGUE.dat", " 0 \r\n");
    runSteps({{"demo", 1, "already holds"}});
    EXPECT_EQ(folderFiles().size(), 2u);  // and the lock
}

// Twenty pairs of posts at the same moment: every post that says it worked is in the file and
// every other one says it did not. Slow, so it runs only when asked for (./test does).
TEST(CliStress, ParallelPostsLoseNoRound) {
    if (!std::getenv("QUORVAL_STRESS")) GTEST_SKIP() << "set QUORVAL_STRESS=1";
    TempWorkDir dir;
    auto data = std::make_unique<store::LeagueData>();
    LeagueBuilder(*data, "Fall").course("Pine Hills").player("Ann Lee").player("Bo Cruz").write();
    std::ostringstream script;
    script << "for i in $(seq 1 20); do d=$(printf %02d $i);";
    for (int p = 1; p <= 2; ++p)
        script << " (XDG_CONFIG_HOME=\"$PWD/config\" " << QUORVAL_CLI << " post Fall --course 1" << kScores
               << " --player " << p << " --date 0" << p << "/$d/26 >/dev/null 2>&1; echo \"" << p
               << " $i $?\" >>codes) &";
    ASSERT_EQ(std::system((script.str() + " wait; done").c_str()), 0);
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
