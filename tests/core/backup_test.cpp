#include "backup/backup.hpp"
#include "backup/restore.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "scripteddialogs.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using backup::BackupOutcome;
using quorval::testing::readBytes;
using quorval::testing::ScriptedDialogs;
using quorval::testing::TempWorkDir;
using quorval::testing::writeBytes;
using Names = std::set<std::string>;

namespace {

platform::Message failure(const std::string& what, const fs::path& folder) {
    return {"Could not complete backup\r\n\r\n" + what + "\r\n" + folder.string() +
                "\r\n\r\nPlease check the file location",
            "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation};
}

platform::Message success(int files, const fs::path& folder) {
    return {"Backup complete: " + std::to_string(files) + " files were copied to\r\n" + folder.string(), "Quorval",
            platform::Buttons::Ok, platform::Icon::Information};
}
const platform::Message kIntoDataFolder{
    "The backup location is the data folder itself.\r\n\r\nPlease choose another folder", "Quorval",
    platform::Buttons::Ok, platform::Icon::Exclamation};

// Contents no text reader would pass through unchanged.
std::string bytesOf(const std::string& name) {
    return name + std::string("\0\xff\r\n\xe9\n", 6) + name;
}

class BackupTest : public ::testing::Test {
protected:
    BackupTest() {
        data->registry.leagueCount = 2;
        data->registry.leagueFiles[1] = "Fall";
        data->registry.leagueFiles[2] = "Spring";
        fs::create_directories(usb);
    }

    // The data folder's files, each holding bytes of its own.
    void writeDataFiles(const Names& names) {
        for (const auto& name : names) writeBytes(name, bytesOf(name));
    }

    BackupOutcome backup(const std::string& location) {
        BackupOutcome outcome = backup::BackupDataFiles(*data, dialogs, location);
        EXPECT_EQ(dialogs.busyDepth(), 0);
        return outcome;
    }

    Names copied() const {
        Names names;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(usb / "QVL Backup", ec)) names.insert(entry.path().filename());
        return names;
    }

    // Each copy holds exactly the bytes of the file it was made from.
    void expectCopiesOfOriginals() {
        for (const auto& name : copied()) EXPECT_EQ(readBytes(usb / "QVL Backup" / name), readBytes(name)) << name;
    }

    TempWorkDir dir;
    fs::path usb = dir.path() / "media" / "usb";
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    ScriptedDialogs dialogs;
};

TEST_F(BackupTest, CopiesLeaguesRegistryCourseAndTheTeamFilesThatExist) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat", "Fall.tea", "Winter.LGE", "notes.txt"});
    EXPECT_EQ(backup(usb.string()), BackupOutcome::Done);
    EXPECT_EQ(dialogs.takeMessages(), std::vector{success(5, usb / "QVL Backup")});
    // Spring has no team file; a league missing from the registry and other files stay behind.
    EXPECT_EQ(copied(), (Names{"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"}));
    expectCopiesOfOriginals();
}

TEST_F(BackupTest, FindsEachFileWhateverItsCaseAndKeepsItsName) {
    writeDataFiles({"fall.lge", "SPRING.LGE", "QVLEAGUE.DAT", "Course.DAT", "FALL.TEA", "spring.Tea"});
    EXPECT_EQ(backup(usb.string()), BackupOutcome::Done);
    dialogs.takeMessages();
    EXPECT_EQ(copied(), (Names{"fall.lge", "SPRING.LGE", "QVLEAGUE.DAT", "Course.DAT", "FALL.TEA", "spring.Tea"}));
    expectCopiesOfOriginals();
}

TEST_F(BackupTest, ALaterBackupOverwritesTheEarlierCopiesWithoutAQuestion) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"});
    ASSERT_EQ(backup(usb.string()), BackupOutcome::Done);
    dialogs.takeMessages();
    // Since then a league changed and another was renamed to other letter case.
    writeBytes("Fall.LGE", "new rounds");
    fs::rename("Spring.LGE", "spring.lge");
    ASSERT_EQ(backup(usb.string()), BackupOutcome::Done);
    EXPECT_EQ(copied(), (Names{"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"}));
    EXPECT_EQ(readBytes(usb / "QVL Backup" / "Fall.LGE"), "new rounds");
    EXPECT_EQ(readBytes(usb / "QVL Backup" / "Spring.LGE"), bytesOf("Spring.LGE"));
    dialogs.takeMessages();
}

TEST_F(BackupTest, NoLocationBeepsSaysWhyAndCopiesNothing) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat"});
    for (const char* location : {"", "  "}) EXPECT_EQ(backup(location), BackupOutcome::Beeped) << location;
    EXPECT_EQ(dialogs.beeps(), 2);
    EXPECT_EQ(dialogs.takeMessages().size(), 2u);
    EXPECT_FALSE(fs::exists("QVL Backup"));
}

// Locations whose backup would land in the data folder, seen from a data folder that is itself a
// "QVL Backup" folder ("TOP" stands for the folder it is in).
class BackupIntoDataFolderTest : public ::testing::TestWithParam<std::string> {};

TEST_P(BackupIntoDataFolderTest, IsRefusedWithAMessage) {
    TempWorkDir top;
    fs::create_directories("QVL Backup");
    fs::current_path("QVL Backup");
    for (const char* name : {"Fall.LGE", "Qvleague.DAT", "course.dat"}) writeBytes(name, bytesOf(name));
    auto data = std::make_unique<store::LeagueData>();
    data->registry.leagueCount = 1;
    data->registry.leagueFiles[1] = "Fall";
    std::string location = GetParam();
    if (location.starts_with("TOP")) location = (top.path() / location.substr(4)).string();
    ScriptedDialogs dialogs;
    EXPECT_EQ(backup::BackupDataFiles(*data, dialogs, location), BackupOutcome::Refused);
    EXPECT_EQ(dialogs.takeMessages(), std::vector{kIntoDataFolder});
    EXPECT_FALSE(fs::exists("QVL Backup"));
    EXPECT_EQ(readBytes("Fall.LGE"), bytesOf("Fall.LGE"));
}

INSTANTIATE_TEST_SUITE_P(Locations, BackupIntoDataFolderTest, ::testing::Values(".", "TOP/QVL Backup/", ".."));

// A league just started has no course file and no team file yet: there is simply less to copy.
TEST_F(BackupTest, AFileNotMadeYetIsLeftOutNotAFailure) {
    writeDataFiles({"Fall.LGE", "Qvleague.DAT"});
    EXPECT_EQ(backup(usb.string()), BackupOutcome::Done);
    EXPECT_EQ(dialogs.takeMessages(), std::vector{success(2, usb / "QVL Backup")});
    EXPECT_EQ(copied(), (Names{"Fall.LGE", "Qvleague.DAT"}));
}

// A file that is there but cannot be read stops the backup, naming it; what was copied before stays.
TEST_F(BackupTest, AnUnreadableFileIsNamedInTheFailure) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT"});
    fs::create_directory("course.dat");
    EXPECT_EQ(backup(usb.string()), BackupOutcome::Failed);
    EXPECT_EQ(dialogs.takeMessages(), std::vector{failure("course.dat could not be copied to", usb / "QVL Backup")});
    EXPECT_EQ(copied(), (Names{"Fall.LGE", "Spring.LGE", "Qvleague.DAT"}));
    expectCopiesOfOriginals();
}

TEST_F(BackupTest, ALocationThatIsNoFolderFailsWithoutCreatingIt) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat"});
    writeBytes(usb.parent_path() / "plain file", "x");
    for (fs::path location : {usb / "missing", usb.parent_path() / "plain file"}) {
        EXPECT_EQ(backup(location.string()), BackupOutcome::Failed) << location;
        EXPECT_EQ(dialogs.takeMessages(),
                  std::vector{failure("This folder could not be made:", location / "QVL Backup")});
        EXPECT_FALSE(fs::exists(location / "QVL Backup"));
    }
    EXPECT_FALSE(fs::exists(usb / "missing"));
}

TEST_F(BackupTest, RestorePutsTheBackupBackAndKeepsEachFileItReplaces) {
    writeDataFiles({"Fall.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"});
    ASSERT_EQ(backup(usb.string()), BackupOutcome::Done);
    dialogs.takeMessages();
    // Since then a league changed, its team file went and the course file was renamed.
    writeBytes("Fall.LGE", "later rounds");
    fs::remove("Fall.tea");
    fs::rename("course.dat", "COURSE.DAT");
    writeBytes(usb / "QVL Backup" / "notes.txt", "not the program's");

    fs::path folder = usb / "QVL Backup";
    EXPECT_EQ(backup::FindBackupFolder(usb), folder);
    EXPECT_EQ(backup::FindBackupFolder(folder), folder);
    EXPECT_TRUE(backup::FindBackupFolder(usb.parent_path()).empty());
    std::vector<std::string> listed;
    for (const auto& entry : backup::BackupContents(folder)) {
        listed.push_back(entry.name);
        EXPECT_EQ(entry.modified.size(), std::string("MM/DD/YYYY HH:MM").size()) << entry.modified;
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"course.dat", "Fall.LGE", "Fall.tea", "Qvleague.DAT"}));

    backup::RestoreResult restored = backup::RestoreBackup(folder);
    EXPECT_TRUE(restored.ok) << restored.failedFile << restored.error;
    EXPECT_EQ(restored.restored, 4);
    for (const char* name : {"Fall.LGE", "Qvleague.DAT", "Fall.tea"}) EXPECT_EQ(readBytes(name), bytesOf(name));
    EXPECT_EQ(readBytes("COURSE.DAT"), bytesOf("course.dat"));
    EXPECT_EQ(readBytes("Fall.LGE.before-restore"), "later rounds");
    EXPECT_EQ(readBytes("COURSE.DAT.before-restore"), bytesOf("course.dat"));
    EXPECT_FALSE(fs::exists("Fall.tea.before-restore"));
    EXPECT_FALSE(fs::exists("notes.txt"));
}

TEST_F(BackupTest, ARestoreThatFailsHalfWayLeavesEveryDataFileAsItWas) {
    writeDataFiles({"Fall.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"});
    ASSERT_EQ(backup(usb.string()), BackupOutcome::Done);
    dialogs.takeMessages();
    writeBytes("Fall.LGE", "later rounds");
    fs::remove("Fall.tea");
    // The league list comes last, and its kept copy cannot be written.
    fs::create_directory("Qvleague.DAT.before-restore");

    backup::RestoreResult restored = backup::RestoreBackup(usb / "QVL Backup");
    EXPECT_FALSE(restored.ok);
    EXPECT_EQ(fs::path(restored.failedFile).filename(), "Qvleague.DAT.before-restore");
    EXPECT_EQ(readBytes("Fall.LGE"), "later rounds");
    EXPECT_FALSE(fs::exists("Fall.tea"));
    for (const char* name : {"Qvleague.DAT", "course.dat"}) EXPECT_EQ(readBytes(name), bytesOf(name));
}

}  // namespace
