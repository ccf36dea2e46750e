// What keeps rounds from being lost or misplaced: loads that refuse leftovers, league names that
// stay inside the data folder, courses that keep their rounds, the data folder's lock.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

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
using quorval::testing::readBytes;
using quorval::testing::ScriptedDialogs;
using quorval::testing::TempWorkDir;
using quorval::testing::writeBytes;

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

TEST_F(Integrity, APlayerCountTooLowFailsTheLoadAndNoLeagueStaysOpen) {
    writeFolder({"Fall"});
    std::string text = readBytes("Fall.LGE");
    // The count line follows the layout marker.
    size_t countLine = text.find("\r\n") + 2;
    std::string lowered = text.substr(0, countLine) + " 3 " + text.substr(text.find("\r\n", countLine));
    writeBytes("Fall.LGE", lowered);

    EXPECT_EQ(league::OpenLeague(*data, dialogs, 0), league::OpenOutcome::LoadFailed);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("The league file is Fall.LGE."), std::string::npos) << shown[0].text;
    EXPECT_NE(shown[0].text.find("kept as \"Fall.LGE.unreadable\""), std::string::npos) << shown[0].text;
    EXPECT_EQ(readBytes("Fall.LGE.unreadable"), lowered);
    EXPECT_EQ(data->leagueFileName, "");
    EXPECT_EQ(data->playerCount, 0);
    // Trailing blank lines are no players.
    writeBytes("Fall.LGE", text + "\r\n \r\n");
    EXPECT_TRUE(store::ParseLeague(*data, readBytes("Fall.LGE")).ok);
}

TEST_F(Integrity, AMissingLeagueFileIsNamed) {
    writeFolder({"Fall"});
    fs::remove("Fall.LGE");
    EXPECT_EQ(league::OpenLeague(*data, dialogs, 0), league::OpenOutcome::LoadFailed);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("The league file Fall.LGE is missing."), std::string::npos) << shown[0].text;
}

// Registry entries that would lead outside the data folder: listed, never opened, read or written.
class UnsafeRegistryName : public Integrity, public ::testing::WithParamInterface<std::string> {};

TEST_P(UnsafeRegistryName, IsListedButNeverOpenedCopiedOrDeletedOutside) {
    fs::create_directories("data");
    fs::create_directories("outside");
    fs::create_directories("usb");
    writeBytes("outside/Evil.LGE", "precious");
    fs::current_path("data");
    std::string name = GetParam();
    if (name.starts_with("/")) name = (dir.path() / "outside" / "Evil").string();
    writeFolder({"Fall", name});
    ASSERT_TRUE(store::LoadLeagueRegistry(*data, dialogs).ok);
    EXPECT_EQ(league::LeagueMenuCaptions(*data), (std::vector<std::string>{"Fall", name}));

    EXPECT_EQ(league::OpenLeague(*data, dialogs, 1), league::OpenOutcome::Refused);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("\"" + name + "\" cannot be opened"), std::string::npos);
    EXPECT_EQ(data->leagueFileName, "");

    EXPECT_EQ(backup::BackupDataFiles(*data, dialogs, (dir.path() / "usb").string()), backup::BackupOutcome::Done);
    EXPECT_FALSE(fs::exists(dir.path() / "usb/QVL Backup/Evil.LGE"));

    dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(league::DeleteLeague(*data, dialogs, name), league::DeleteOutcome::Deleted);
    dialogs.takeMessages();
    EXPECT_EQ(league::LeagueMenuCaptions(*data), (std::vector<std::string>{"Fall"}));
    EXPECT_EQ(readBytes(dir.path() / "outside/Evil.LGE"), "precious");
}

INSTANTIATE_TEST_SUITE_P(Names, UnsafeRegistryName, ::testing::Values("../outside/Evil", "/absolute"));

TEST_F(Integrity, ARegistryHandicapFactorTheSettingsWindowRefusesFailsTheLoad) {
    writeFolder({"Fall"});
    data->settings.hcpFactor = 3.5f;
    std::string bad = store::FormatRegistry(*data);
    writeBytes(store::kRegistryFileName, bad);
    auto fresh = std::make_unique<store::LeagueData>();
    EXPECT_FALSE(store::LoadLeagueRegistry(*fresh, dialogs).ok);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
    EXPECT_FLOAT_EQ(fresh->settings.hcpFactor, 0.96f);
    EXPECT_EQ(readBytes("Qvleague.DAT.unreadable"), bad);
}

TEST_F(Integrity, ALeagueWhoseFileCannotBeWrittenIsNotRegistered) {
    writeFolder({"Fall"});
    std::string registry = readBytes(store::kRegistryFileName);
    fs::create_symlink("no/such/folder/New.LGE", "New.LGE");
    EXPECT_EQ(league::CreateLeague(*data, dialogs, "New"), league::CreateOutcome::Refused);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(readBytes(store::kRegistryFileName), registry);
    EXPECT_EQ(data->registry.leagueCount, 1);
}

TEST_F(Integrity, ACourseIsInUseWhileAnyRoundOfAnyLeaguePointsAtIt) {
    writeFolder({"Fall", "Spring"});
    ASSERT_EQ(league::OpenLeague(*data, dialogs, 0), league::OpenOutcome::Opened);
    dialogs.takeMessages();
    auto count = [&](const store::LeagueData& league, int slot) {
        int n = 0;
        for (int p = 1; p <= league.playerCount; ++p)
            for (int r = 1; r <= league.players[p].roundCount; ++r) n += league.players[p].rounds[r].course == slot;
        return n;
    };
    auto spring = std::make_unique<store::LeagueData>();
    store::ParseLeague(*spring, readBytes("Spring.LGE"));
    ASSERT_GT(spring->players[1].roundCount, 0);
    ASSERT_GT(data->players[1].roundCount, 0);
    int slot = spring->players[1].rounds[1].course;
    // The open league counts as it is in memory, not as its file was.
    data->players[1].rounds[1].course = static_cast<int16_t>(slot);
    int fall = count(*data, slot), other = count(*spring, slot);

    courses::CourseUse use = courses::CountCourseUse(*data, slot);
    EXPECT_EQ(use.rounds, fall + other);
    EXPECT_EQ(use.leagues, (std::vector<std::pair<std::string, int>>{{"Fall", fall}, {"Spring", other}}));
    auto refusal = courses::CourseInUseMessage(*data, slot);
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->text.find("\"" + data->courses[slot][1] + "\" cannot be deleted"), std::string::npos);
    EXPECT_NE(refusal->text.find(std::to_string(fall + other) + " rounds use it (" + std::to_string(fall) +
                                 " in Fall, " + std::to_string(other) + " in Spring)"),
              std::string::npos)
        << refusal->text;

    int unused = data->courseCount + 1;
    EXPECT_FALSE(courses::CourseInUseMessage(*data, unused));
}

TEST(FolderLock, OneHolderAtATimeAndAGoneHoldersLockIsTakenOver) {
    TempWorkDir dir;
    store::FolderLock first("Quorval");
    ASSERT_EQ(first.tryTake(), store::FolderLock::Result::Taken);
    store::FolderLock second("quorval-cli");
    EXPECT_EQ(second.tryTake(), store::FolderLock::Result::Busy);
    EXPECT_EQ(second.holder().program, "Quorval");
    EXPECT_EQ(second.holder().pid, ::getpid());
    EXPECT_EQ(store::HolderText(second.holder()), "This data folder is open in Quorval on " + store::HostName() +
                                                      " (process " + std::to_string(::getpid()) + ") since " +
                                                      second.holder().since + ".");
    first.release();
    EXPECT_EQ(second.tryTake(), store::FolderLock::Result::Taken);
    second.release();

    // A process of this machine that is gone left its text but holds no lock: stale.
    writeBytes(store::kLockFileName, "program=Quorval\nhost=" + store::HostName() + "\npid=999999999\n");
    store::FolderLock third("Quorval");
    EXPECT_EQ(third.tryTake(), store::FolderLock::Result::Taken);
    EXPECT_NE(readBytes(store::kLockFileName).find("pid=" + std::to_string(::getpid())), std::string::npos);
}

TEST(FolderLock, AnotherMachinesLockIsTakenOverOnlyWhenAsked) {
    TempWorkDir dir;
    writeBytes(store::kLockFileName, "program=Quorval\nhost=clubhouse-pc\npid=42\nuser=pro\nsince=2026-12-01 09:00\n");
    store::FolderLock lock("Quorval");
    EXPECT_EQ(lock.tryTake(), store::FolderLock::Result::OtherHost);
    EXPECT_EQ(store::HolderText(lock.holder()),
              "This data folder is open in Quorval on clubhouse-pc (process 42) since 2026-12-01 09:00.");
    EXPECT_EQ(lock.tryTake(true), store::FolderLock::Result::Taken);
    EXPECT_NE(readBytes(store::kLockFileName).find("host=" + store::HostName()), std::string::npos);
}

}  // namespace
