#include "backup/backup.hpp"

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

const platform::Message kFailure{"Could not complete backup\r\n\r\nPlease check the file location", "Quorval",
                                 platform::Buttons::Ok, platform::Icon::None};
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
    // Spring has no team file; a league missing from the registry and other files stay behind.
    EXPECT_EQ(copied(), (Names{"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"}));
    expectCopiesOfOriginals();
}

TEST_F(BackupTest, FindsEachFileWhateverItsCaseAndKeepsItsName) {
    writeDataFiles({"fall.lge", "SPRING.LGE", "QVLEAGUE.DAT", "Course.DAT", "FALL.TEA", "spring.Tea"});
    EXPECT_EQ(backup(usb.string()), BackupOutcome::Done);
    EXPECT_EQ(copied(), (Names{"fall.lge", "SPRING.LGE", "QVLEAGUE.DAT", "Course.DAT", "FALL.TEA", "spring.Tea"}));
    expectCopiesOfOriginals();
}

TEST_F(BackupTest, ALaterBackupOverwritesTheEarlierCopiesWithoutAQuestion) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"});
    ASSERT_EQ(backup(usb.string()), BackupOutcome::Done);
    // Since then a league changed and another was renamed to other letter case.
    writeBytes("Fall.LGE", "new rounds");
    fs::rename("Spring.LGE", "spring.lge");
    ASSERT_EQ(backup(usb.string()), BackupOutcome::Done);
    EXPECT_EQ(copied(), (Names{"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"}));
    EXPECT_EQ(readBytes(usb / "QVL Backup" / "Fall.LGE"), "new rounds");
    EXPECT_EQ(readBytes(usb / "QVL Backup" / "Spring.LGE"), bytesOf("Spring.LGE"));
}

TEST_F(BackupTest, NoLocationBeepsAndCopiesNothing) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat"});
    for (const char* location : {"", "  "}) EXPECT_EQ(backup(location), BackupOutcome::Beeped) << location;
    EXPECT_EQ(dialogs.beeps(), 2);
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

// A file that cannot be read, or a location that cannot be written, stops the backup with the
// failure message; what was copied before stays.
struct FailureCase {
    const char* what;
    Names present;   // in the data folder
    Names expected;  // in the backup folder afterwards
};

class BackupFailureTest : public BackupTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(BackupFailureTest, ShowsTheFailureMessage) {
    writeDataFiles(GetParam().present);
    EXPECT_EQ(backup(usb.string()), BackupOutcome::Failed);
    EXPECT_EQ(dialogs.takeMessages(), std::vector{kFailure});
    EXPECT_EQ(copied(), GetParam().expected);
    expectCopiesOfOriginals();
}

INSTANTIATE_TEST_SUITE_P(
    MissingFiles, BackupFailureTest,
    ::testing::Values(FailureCase{"league", {"Fall.LGE", "Qvleague.DAT", "course.dat", "Fall.tea"}, {"Fall.LGE"}},
                      FailureCase{"registry", {"Fall.LGE", "Spring.LGE", "course.dat"}, {"Fall.LGE", "Spring.LGE"}},
                      FailureCase{"course",
                                  {"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "Fall.tea"},
                                  {"Fall.LGE", "Spring.LGE", "Qvleague.DAT"}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(BackupTest, ALocationThatIsNoFolderFailsWithoutCreatingIt) {
    writeDataFiles({"Fall.LGE", "Spring.LGE", "Qvleague.DAT", "course.dat"});
    writeBytes(usb.parent_path() / "plain file", "x");
    for (fs::path location : {usb / "missing", usb.parent_path() / "plain file"}) {
        EXPECT_EQ(backup(location.string()), BackupOutcome::Failed) << location;
        EXPECT_EQ(dialogs.takeMessages(), std::vector{kFailure});
        EXPECT_FALSE(fs::exists(location / "QVL Backup"));
    }
    EXPECT_FALSE(fs::exists(usb / "missing"));
}

}  // namespace
