// Files that change together: all old or all new after a failure or a kill, and side files that
// say more than their counts announce are unreadable.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fullleague.hpp"
#include "scripteddialogs.hpp"
#include "store/coursefile.hpp"
#include "store/filecommit.hpp"
#include "store/folderlock.hpp"
#include "store/leaguefile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

std::vector<std::string> temporaries() {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(".")) {
        std::string name = entry.path().filename().string();
        if (name.ends_with(".tmp") || name == store::kCommitRecordName) found.push_back(name);
    }
    return found;
}

}  // namespace

// A kill after any rename is finished by the next writer that takes the folder; a failure before
// the record leaves both files old.
TEST(FileCommit, APairIsBothOldOrBothNew) {
    struct Case {
        const char* name;
        size_t stopAfter;  // renames done before the simulated kill; 0 runs to the end
        bool readOnlySecond;
        const char* first;
        const char* second;
    };
    for (const Case& c : std::vector<Case>{{"whole", 0, false, "new A", "new B"},
                                           {"killed after the first rename", 1, false, "new A", "new B"},
                                           {"killed after the last rename", 2, false, "new A", "new B"},
                                           {"second file refused", 0, true, "old A", "old B"}}) {
        SCOPED_TRACE(c.name);
        TempWorkDir dir;
        writeBytes("Fall.LGE", "old A");
        writeBytes("Fall.tea", "old B");
        if (c.readOnlySecond) ::chmod("Fall.tea", 0444);
        std::string error = store::replaceFilesTogether({{"Fall.LGE", "new A"}, {"Fall.tea", "new B"}}, {},
                                                        [&](size_t renamed) { return renamed == c.stopAfter; });
        EXPECT_EQ(error.empty(), c.stopAfter == 0 && !c.readOnlySecond) << error;
        if (c.stopAfter == 1) {
            EXPECT_EQ(readBytes("Fall.tea"), "old B");
        }
        {
            store::FolderLock lock("test");
            ASSERT_EQ(lock.tryTake(), store::FolderLock::Result::Taken);
        }
        EXPECT_EQ(readBytes("Fall.LGE"), c.first);
        EXPECT_EQ(readBytes("Fall.tea"), c.second);
        EXPECT_TRUE(temporaries().empty());
    }
}

// Lines after what the counts announce make a team file or the course file unreadable: a copy is
// kept and the team file is not saved over.
TEST(FileCommit, LinesLeftOverMakeASideFileUnreadable) {
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    auto data = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*data, 7, 5);
    data->leagueFileName = "Fall.LGE";
    data->teams.teamCount = 1;
    data->teams.teamNames[1] = "Eagles";
    std::string teams = store::FormatTeams(*data);
    std::string courses = store::FormatCourses(*data);
    for (const std::string& tail : {std::string(""), std::string("\r\n \r\n"), std::string("2\r\n")}) {
        SCOPED_TRACE(tail);
        bool bad = tail.find('2') != std::string::npos;
        writeBytes("Fall.tea", teams + tail);
        writeBytes("course.dat", courses + tail);
        EXPECT_EQ(store::LoadTeamFile(*data).ok, !bad);
        EXPECT_EQ(store::LoadCourseFile(*data, dialogs).ok, !bad);
        if (bad) {
            EXPECT_EQ(dialogs.takeMessages().size(), 1u);
            EXPECT_TRUE(fs::exists("Fall.tea.unreadable"));
            EXPECT_TRUE(fs::exists("course.dat.unreadable"));
            EXPECT_FALSE(store::SaveTeamFile(*data, dialogs));
            EXPECT_FALSE(store::SaveLeagueAndTeamFiles(*data, dialogs));
            auto shown = dialogs.takeMessages();
            ASSERT_EQ(shown.size(), 2u);
            EXPECT_NE(shown[0].text.find("The team file Fall.tea could not be read"), std::string::npos);
            EXPECT_EQ(readBytes("Fall.tea"), teams + tail);
        }
    }
}

// A lock file deleted under a held lock: whichever writer comes first holds the new file, and the
// other one learns it before it writes.
TEST(FileCommit, ADeletedLockFileNeverLetsTwoWritersIn) {
    for (bool holderChecksFirst : {true, false}) {
        SCOPED_TRACE(holderChecksFirst);
        TempWorkDir dir;
        store::FolderLock first("first");
        ASSERT_EQ(first.tryTake(), store::FolderLock::Result::Taken);
        std::filesystem::remove(store::kLockFileName);
        store::FolderLock second("second");
        if (holderChecksFirst) {
            EXPECT_TRUE(first.stillHeld());
            EXPECT_EQ(second.tryTake(), store::FolderLock::Result::Busy);
            EXPECT_EQ(store::CheckHeldFolderLock(), "");
        } else {
            EXPECT_EQ(second.tryTake(), store::FolderLock::Result::Taken);
            EXPECT_FALSE(first.stillHeld());
            EXPECT_TRUE(second.stillHeld());
        }
    }
}
