#include "backup/backup.hpp"
#include "backup/restore.hpp"
#include "fullleague.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"

#include <gtest/gtest.h>

#include <set>

#include "configfolder.hpp"
#include "scripteddialogs.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;
using backup::BackupOutcome;
using Names = std::set<std::string>;

namespace {

std::vector<platform::Message> box(const std::string& text, platform::Icon icon = platform::Icon::Exclamation) {
    return {{text, "Quorval", platform::Buttons::Ok, icon}};
}
std::vector<platform::Message> failure(const std::string& what, const fs::path& folder) {
    return box("Could not complete backup\r\n\r\n" + what + "\r\n" + folder.string() +
               "\r\n\r\nPlease check the file location");
}

// Contents no text reader would pass through unchanged.
std::string bytesOf(const std::string& name) {
    return name + std::string("\0\xff\r\n\xe9\n", 6) + name;
}

void writeDataFiles(const Names& names) {
    for (const auto& name : names) writeBytes(name, bytesOf(name));
}

std::unique_ptr<store::LeagueData> registryOf(std::initializer_list<const char*> leagues) {
    auto data = std::make_unique<store::LeagueData>();
    for (const char* league : leagues) data->registry.leagueFiles[++data->registry.leagueCount] = league;
    return data;
}

class BackupTest : public ::testing::Test {
protected:
    BackupTest() { fs::create_directories(usb); }

    BackupOutcome backup(const std::string& location) {
        BackupOutcome outcome = backup::BackupDataFiles(*data, dialogs, location);
        EXPECT_EQ(dialogs.busyDepth(), 0);
        return outcome;
    }

    // The copies made, each checked to hold exactly the bytes of the file it was made from.
    Names copied(bool compare = true) const {
        Names names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename());
            EXPECT_TRUE(!compare || readBytes(entry.path()) == readBytes(entry.path().filename())) << entry.path();
        }
        return names;
    }

    // A backup of a league, after which a league changed and its team file went.
    // The files are real ones, since a restore loads every file before it writes.
    void backUpThenPlayOn() {
        auto league = std::make_unique<store::LeagueData>();
        samples::FillRandomLeague(*league, 4, 3);
        league->registry = data->registry;
        kept = {{"Fall.LGE", store::FormatLeague(*league)},
                {"Qvleague.DAT", store::FormatRegistry(*league)},
                {"course.dat", store::FormatCourses(*league)},
                {"Fall.tea", store::FormatTeams(*league)}};
        for (const auto& [name, bytes] : kept) writeBytes(name, bytes);
        ASSERT_EQ(backup(usb.string()), BackupOutcome::Done);
        dialogs.takeMessages();
        writeBytes("Fall.LGE", "later rounds");
        fs::remove("Fall.tea");
    }

    TempWorkDir dir;
    ScopedConfigHome config{dir.path() / "config"};
    fs::path usb = dir.path() / "media" / "usb", folder = usb / "QVL Backup";
    std::unique_ptr<store::LeagueData> data = registryOf({"Fall", "Spring"});
    ScriptedDialogs dialogs;
    std::map<std::string, std::string> kept;
};

}  // namespace

// Each file is found whatever its letter case and keeps its name; a later backup overwrites.
TEST_F(BackupTest, CopiesLeaguesRegistryCourseAndTheTeamFilesThatExistAndOverwritesEarlierCopies) {
    writeDataFiles({"fall.lge", "SPRING.LGE", "QVLEAGUE.DAT", "Course.DAT", "Fall.TEA", "Winter.LGE", "notes.txt"});
    EXPECT_EQ(backup(usb.string()), BackupOutcome::Done);
    EXPECT_EQ(dialogs.takeMessages(),
              box("Backup complete: 5 files were copied to\r\n" + folder.string(), platform::Icon::Information));
    // Spring has no team file; a league missing from the registry and other files stay behind.
    const Names five{"fall.lge", "SPRING.LGE", "QVLEAGUE.DAT", "Course.DAT", "Fall.TEA"};
    EXPECT_EQ(copied(), five);
    writeBytes("fall.lge", "new rounds");
    fs::rename("SPRING.LGE", "Spring.LGE");
    ASSERT_EQ(backup(usb.string()), BackupOutcome::Done);
    dialogs.takeMessages();
    EXPECT_EQ(copied(false), five);
    EXPECT_EQ(std::tuple(readBytes(folder / "fall.lge"), readBytes(folder / "SPRING.LGE")),
              std::tuple("new rounds", bytesOf("SPRING.LGE")));
}

// Seen from a data folder that is itself a "QVL Backup" folder in TOP.
TEST(BackupIntoDataFolder, IsRefusedWithAMessage) {
    for (std::string location : {"TOP/QVL Backup/", ".."}) {
        TempWorkDir top;
        fs::create_directories("QVL Backup");
        fs::current_path("QVL Backup");
        writeDataFiles({"Fall.LGE", "Qvleague.DAT"});
        if (location.starts_with("TOP")) location = (top.path() / location.substr(4)).string();
        ScriptedDialogs dialogs;
        EXPECT_EQ(backup::BackupDataFiles(*registryOf({"Fall"}), dialogs, location), BackupOutcome::Refused);
        EXPECT_EQ(dialogs.takeMessages(),
                  box("The backup location is the data folder itself.\r\n\r\nPlease choose another folder"));
        EXPECT_FALSE(fs::exists("QVL Backup"));
    }
}

TEST_F(BackupTest, AnUnreadableFileOrAMissingLocationFails) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT"});
    EXPECT_EQ(backup((usb / "missing").string()), BackupOutcome::Failed);
    EXPECT_EQ(dialogs.takeMessages(), failure("This folder could not be made:", usb / "missing" / "QVL Backup"));
    EXPECT_FALSE(fs::exists(usb / "missing"));
    fs::create_directory("course.dat");
    EXPECT_EQ(backup(usb.string()), BackupOutcome::Failed);
    EXPECT_EQ(dialogs.takeMessages(), failure("course.dat could not be copied to", folder));
    EXPECT_EQ(copied(), (Names{"Fall.LGE", "Spring.LGE", "Qvleague.DAT"}));
}

// Listing and restoring from a location are shown through the main window.
TEST_F(BackupTest, RestorePutsTheBackupBackUnderTheNamesInUseAndKeepsEachFileItReplaces) {
    backUpThenPlayOn();
    fs::rename("course.dat", "COURSE.DAT");
    writeBytes(folder / "notes.txt", "not the program's");
    backup::RestoreResult restored = backup::RestoreBackup(backup::FindBackupFolder(folder));
    EXPECT_TRUE(restored.ok && restored.restored == 4) << restored.failedFile << restored.error;
    for (const char* name : {"Fall.LGE", "Qvleague.DAT", "Fall.tea"}) EXPECT_EQ(readBytes(name), kept[name]);
    EXPECT_EQ(std::tuple(readBytes("COURSE.DAT"), readBytes("Fall.LGE.before-restore")),
              std::tuple(kept["course.dat"], "later rounds"));
    EXPECT_FALSE(fs::exists("course.dat") || fs::exists("Fall.tea.before-restore") || fs::exists("notes.txt"));
}

TEST_F(BackupTest, ARestoreThatFailsHalfWayLeavesEveryDataFileAsItWas) {
    backUpThenPlayOn();
    fs::create_directory("Qvleague.DAT.before-restore");  // the league list comes last
    backup::RestoreResult restored = backup::RestoreBackup(folder);
    EXPECT_FALSE(restored.ok);
    EXPECT_EQ(fs::path(restored.failedFile).filename(), "Qvleague.DAT.before-restore");
    EXPECT_EQ(readBytes("Fall.LGE"), "later rounds");
    EXPECT_FALSE(fs::exists("Fall.tea"));
    for (const char* name : {"Qvleague.DAT", "course.dat"}) EXPECT_EQ(readBytes(name), kept[name]);
}

// The per-user settings file goes into every backup and comes back only when asked, with the rest
// (kept as before-restore) or not at all when its copy does not load.
TEST_F(BackupTest, TheSettingsFileIsBackedUpAndComesBackOnlyWhenAsked) {
    const fs::path settings = store::SettingsFilePath();
    fs::create_directories(settings.parent_path());
    auto read = std::make_unique<store::LeagueData>();
    read->settings.equitableCheck = 1, read->settings.backupFolder = usb.string();
    const std::string backedUp = store::FormatSettings(read->settings);
    writeBytes(settings, backedUp);
    backUpThenPlayOn();
    EXPECT_EQ(readBytes(folder / "qvl32.ini"), backedUp);
    struct Case {
        const char* name;
        bool asked;
        std::string copy;
        bool ok;
        std::string after;
    };
    for (const Case& c : std::vector<Case>{{"not asked", false, backedUp, true, "later settings"},
                                           {"asked", true, backedUp, true, backedUp},
                                           {"asked, copy unreadable", true, "garbage", false, "later settings"}}) {
        SCOPED_TRACE(c.name);
        writeBytes(settings, "later settings");
        writeBytes(folder / "qvl32.ini", c.copy);
        writeBytes("Fall.LGE", "later rounds");
        backup::RestoreResult restored = backup::RestoreBackup(folder, c.asked);
        EXPECT_EQ(std::tuple(restored.ok, restored.settingsRestored), std::tuple(c.ok, c.ok && c.asked));
        EXPECT_EQ(readBytes(settings), c.after);
        EXPECT_EQ(readBytes("Fall.LGE"), c.ok ? kept["Fall.LGE"] : "later rounds");
        EXPECT_EQ(fs::exists(settings.string() + ".before-restore"), c.ok && c.asked);
        fs::remove(settings.string() + ".before-restore");
    }
}

// The restore list shows each file's time with its date in the user's order.
TEST(BackupEntryTime, FollowsTheDateOrder) {
    const backup::BackupEntry entry{"Spring.LGE", "2026-06-02 14:03"};
    EXPECT_EQ(backup::ModifiedText(entry, store::DateOrder::kMonthDayYear), "06/02/26 14:03");
    EXPECT_EQ(backup::ModifiedText(entry, store::DateOrder::kDayMonthYear), "02/06/26 14:03");
    EXPECT_EQ(backup::ModifiedText(entry, store::DateOrder::kYearMonthDay), "2026-06-02 14:03");
}
