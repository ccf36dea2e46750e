// The command-line tool on a folder held elsewhere, on files it must not trust, and side by side.
#include <unistd.h>

#include <sstream>

#include "clifolder.hpp"
#include "leaguebuilder.hpp"
#include "store/coursefile.hpp"
#include "store/folderlock.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"

namespace quorval {
namespace {

using namespace testing;

const std::string kScores = " --scores 5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4";
const std::string kPost = "post Fall --player 1 --course 1 --date 06/15/04 --tee 2" + kScores;

// A CSV of one new player's round on the first course.
std::string newPlayerCsv(const store::LeagueData& data, const std::string& name) {
    std::string csv = "player,date,course", holes;
    for (int h = 1; h <= 18; ++h) csv += ",hole" + std::to_string(h), holes += ",5";
    return csv + "\n" + name + ",2025-06-01," + data.courses[1][store::course_field::kName] + holes + "\n";
}

// The league file and the team file change together: a league file that cannot be written leaves
// the team file without the new player's line, and the next import still works.
TEST_F(CliFolder, ImportChangesTheLeagueAndTeamFilesTogether) {
    ASSERT_TRUE(fs::exists("Fall.tea"));
    writeBytes("new.csv", newPlayerCsv(*data, "Zed Newman"));
    writeBytes(store::kLockFileName, "");
    auto before = folderFiles();
    fs::permissions("Fall.LGE", fs::perms::owner_write, fs::perm_options::remove);
    runSteps({{"import Fall new.csv", 1, "has no write permission"}});
    fs::permissions("Fall.LGE", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(folderFiles(), before);
    runSteps({{"import Fall new.csv", 0, "1 of 1 round posted"}, {"check", 0, ""}});
    auto league = loadLeague();
    league->leagueFileName = "Fall.LGE";
    EXPECT_TRUE(store::LoadTeamFile(*league).ok);
    EXPECT_EQ(league->playerCount, data->playerCount + 1);
}

// Names leading outside, links planted at side files and pages, devices and full disks: each
// command exits 1 with the reason and writes nothing where it must not.
TEST_F(CliFolder, EveryCommandStaysInsideAndTellsTheTruth) {
    fs::create_directories("secret");
    fs::create_directories("web");
    writeBytes("web/mine.html", "<p>Written by Quorval? No, by me.</p>");
    ::symlink("../secret/page.html", "web/player-1.html");
    writeBytes("utf16.csv", std::string("\xFF\xFEp\0l\0a\0", 8));
    writeBytes("secret/Hidden.LGE", readBytes("Fall.LGE"));
    runSteps({{"rules ../secret/Hidden whs", 1, "would lead outside the data folder"},
              {"play ../secret/Hidden --hole 2", 1, "would lead outside the data folder"},
              {"publish ../secret/Hidden web", 1, "would lead outside the data folder"},
              {"publish Fall web", 1, "web/player-1.html is a link; nothing was published"},
              {"export Fall /dev/full", 1, "cannot write /dev/full"},
              {"import Fall utf16.csv", 1, "the file is UTF-16: save it as UTF-8 or Windows-1252"},
              {"import Fall missing.csv", 1, "cannot read " + (fs::current_path() / "missing.csv").string()}});
    EXPECT_FALSE(fs::exists("secret/page.html") || fs::exists("secret/Hidden.cfg") || fs::exists("web/index.html"));

    fs::remove("web/player-1.html");
    runSteps({{"publish Fall web", 0, "wrote index.html"}});
    EXPECT_TRUE(Has(readBytes("web/.quorval-pages"), "player-1.html\n"));
    // A page of a player who left goes, the user's own page stays whatever it says.
    writeBytes("web/player-99.html", readBytes("web/player-1.html"));
    writeBytes("web/.quorval-pages", readBytes("web/.quorval-pages") + "player-99.html\n");
    runSteps({{"publish Fall web", 0, "removed player-99.html"}});
    EXPECT_TRUE(fs::exists("web/mine.html"));

    std::string registry = readBytes(store::kRegistryFileName);
    writeBytes(store::kRegistryFileName, "garbage");
    runSteps({{"publish Fall web2", 1, ""}});
    EXPECT_FALSE(fs::exists("web2"));
    writeBytes(store::kRegistryFileName, registry);
}

// Restore loads every file of the backup first: a link, a file that does not load or a league
// the backup's list does not name refuses it, and nothing is written.
TEST_F(CliFolder, RestoreChecksTheBackupBeforeItWrites) {
    fs::create_directories("usb/QVL Backup");
    for (const auto& [name, bytes] : folderFiles()) writeBytes("usb/QVL Backup/" + name, bytes);
    writeBytes("outside.LGE", "precious");
    writeBytes(store::kLockFileName, "");  // the restores take the lock, and leave it empty
    auto before = folderFiles();
    struct Case {
        std::string name, planted, bytes, shows;
    };
    for (const Case& c : std::vector<Case>{
             {"garbage registry", store::kRegistryFileName, "garbage", "Qvleague.DAT: it does not load"},
             {"unlisted league", "Spring.LGE", store::FormatLeague(*data), "does not name it"},
             {"team file left over", "Fall.tea", readBytes("Fall.tea") + "9\r\n", "Fall.tea: it does not load"},
             {"link", "Other.LGE", "", "Other.LGE: it is a link"}}) {
        SCOPED_TRACE(c.name);
        fs::path planted = "usb/QVL Backup/" + c.planted;
        std::string kept = fs::exists(planted) ? readBytes(planted) : "";
        if (c.bytes.empty()) {
            fs::create_symlink(fs::absolute("outside.LGE"), planted);
        } else {
            writeBytes(planted, c.bytes);
        }
        runSteps({{"restore usb --dry-run", 1, c.shows}, {"restore usb", 1, c.shows}});
        EXPECT_EQ(folderFiles(), before);
        fs::remove(planted);
        if (!kept.empty()) writeBytes(planted, kept);
    }
    writeBytes("Fall.LGE", "changed since");
    runSteps({{"restore usb --dry-run", 0, "would restore Fall.LGE"}, {"restore usb", 0, "restored Fall.LGE"}});
    EXPECT_EQ(readBytes("Fall.LGE"), before["Fall.LGE"]);
    // The settings file the backup holds comes back only with --settings, and says so either way.
    writeBytes("usb/QVL Backup/qvl32.ini", " 1 \r\n 0 \r\n 0 \r\n 1 \r\n");
    runSteps({{"restore usb", 0, "left your settings file as it is; --settings brings back qvl32.ini"},
              {"restore usb --settings", 0, "restored qvl32.ini (your settings file)"}});
    EXPECT_EQ(readBytes("config/quorval/qvl32.ini"), readBytes("usb/QVL Backup/qvl32.ini"));
}

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
