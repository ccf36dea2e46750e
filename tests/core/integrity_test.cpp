#include <gtest/gtest.h>

#include <iterator>

#include "backup/backup.hpp"
#include "courses/courseuse.hpp"
#include "fullleague.hpp"
#include "league/leagues.hpp"
#include "scripteddialogs.hpp"
#include "store/coursefile.hpp"
#include "store/folderlock.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

class Integrity : public ::testing::Test {
protected:
    // A registry of the given names, the course table, and a league file for each safe name.
    void writeFolder(const std::vector<std::string>& names) {
        auto league = std::make_unique<store::LeagueData>();
        for (size_t i = 0; i < names.size(); ++i) {
            samples::FillRandomLeague(*league, static_cast<uint32_t>(20 + i), 4);
            if (league::SafeLeagueName(names[i])) writeBytes(names[i] + ".LGE", store::FormatLeague(*league));
            data->registry.leagueFiles[i + 1] = names[i];
        }
        data->registry.leagueCount = static_cast<int16_t>(names.size());
        data->courseCount = league->courseCount;
        data->courses = league->courses;
        writeBytes(store::kRegistryFileName, store::FormatRegistry(*data));
        writeBytes(store::kCourseFileName, store::FormatCourses(*data));
    }

    TempWorkDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

}  // namespace

TEST_F(Integrity, AnUnsafeRegistryNameIsListedButNeverOpenedCopiedOrDeletedOutside) {
    for (const char* dirName : {"data", "outside", "usb"}) fs::create_directories(dirName);
    writeBytes("outside/Evil.LGE", "precious");
    fs::current_path("data");
    for (const std::string& name : {std::string("../outside/Evil"), (dir.path() / "outside" / "Evil").string()}) {
        SCOPED_TRACE(name);
        writeFolder({"Fall", name});
        ASSERT_TRUE(store::LoadLeagueRegistry(*data, dialogs).ok);
        EXPECT_EQ(league::LeagueMenuCaptions(*data), (std::vector<std::string>{"Fall", name}));
        EXPECT_EQ(league::OpenLeague(*data, dialogs, 1), league::OpenOutcome::Refused);
        auto shown = dialogs.takeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_NE(shown[0].text.find("\"" + name + "\" cannot be opened"), std::string::npos) << shown[0].text;
        EXPECT_EQ(backup::BackupDataFiles(*data, dialogs, (dir.path() / "usb").string()), backup::BackupOutcome::Done);
        EXPECT_FALSE(fs::exists(dir.path() / "usb/QVL Backup/Evil.LGE"));
        dialogs.answer(platform::Answer::Yes);
        EXPECT_EQ(league::DeleteLeague(*data, dialogs, name), league::DeleteOutcome::Deleted);
        dialogs.takeMessages();
        EXPECT_EQ(league::LeagueMenuCaptions(*data), (std::vector<std::string>{"Fall"}));
        EXPECT_EQ(readBytes(dir.path() / "outside/Evil.LGE"), "precious");
    }
}

// Every stored round on course 2, then `onLast` of them moved to the last course slot.
void playOnCourses(store::LeagueData& league, int onLast) {
    for (int p = 1; p <= league.playerCount; ++p)
        for (int r = 1; r <= league.players[p].roundCount; ++r)
            league.players[p].rounds[r].course = static_cast<int16_t>(onLast-- > 0 ? store::kMaxCourses : 2);
}

TEST_F(Integrity, ACourseIsInUseWhileAnyRoundOfAnyLeaguePointsAtIt) {
    writeFolder({"Fall", "Spring", "Winter"});
    auto other = std::make_unique<store::LeagueData>();
    for (auto [name, onLast] : {std::pair{"Spring", 2}, std::pair{"Winter", 0}}) {
        store::ParseLeague(*other, readBytes(std::string(name) + ".LGE"));
        playOnCourses(*other, onLast);
        writeBytes(std::string(name) + ".LGE", store::FormatLeague(*other));
    }
    ASSERT_EQ(league::OpenLeague(*data, dialogs, 0), league::OpenOutcome::Opened);
    playOnCourses(*data, 3);  // the open league counts as it is in memory, not as its file was
    data->courses[store::kMaxCourses][store::course_field::kName] = "Last Links";

    courses::CourseUse use = courses::CountCourseUse(*data, store::kMaxCourses);
    EXPECT_EQ(use.leagues, (std::vector<std::pair<std::string, int>>{{"Fall", 3}, {"Spring", 2}}));
    auto message = courses::CourseInUseMessage(*data, store::kMaxCourses);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text.substr(0, message->text.find("\r")), "The course \"Last Links\" cannot be deleted:");
    EXPECT_NE(message->text.find("5 rounds use it (3 in Fall, 2 in Spring)."), std::string::npos) << message->text;
    EXPECT_FALSE(courses::CourseInUseMessage(*data, 3));
}

// Who holds the folder on this machine is known from the OS lock; the text alone can be stale.
TEST(FolderLock, AGoneProcesssLockIsTakenOverAnotherMachinesOnlyWhenAsked) {
    TempWorkDir dir;
    writeBytes(store::kLockFileName, "program=Quorval\nhost=" + store::HostName() + "\npid=999999999\n");
    store::FolderLock lock("Quorval");
    EXPECT_EQ(lock.tryTake(), store::FolderLock::Result::Taken);
    lock.release();

    writeBytes(store::kLockFileName, "program=Quorval\nhost=clubhouse-pc\npid=42\nuser=pro\nsince=2026-12-01 09:00\n");
    store::FolderLock other("Quorval");
    EXPECT_EQ(other.tryTake(), store::FolderLock::Result::OtherHost);
    EXPECT_EQ(store::HolderText(other.holder()),
              "This data folder is open in Quorval on clubhouse-pc (process 42) since 2026-12-01 09:00.");
    EXPECT_EQ(other.tryTake(true), store::FolderLock::Result::Taken);
    other.release();

    // A program that opens folder after folder keeps no lock file open behind it.
    auto openFiles = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator{}); };
    const auto before = openFiles();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(store::FolderLock("Quorval").tryTake(), store::FolderLock::Result::Taken);
    EXPECT_EQ(openFiles(), before);
}
