// Saving data files: private temporary files, links, permissions and changes made by others.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "fullleague.hpp"
#include "scripteddialogs.hpp"
#include "store/atomicsave.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using quorval::testing::readBytes;
using quorval::testing::ScriptedDialogs;
using quorval::testing::TempWorkDir;
using quorval::testing::writeBytes;

namespace {

class SafeSave : public ::testing::Test {
protected:
    void SetUp() override {
        samples::FillRandomLeague(*data, 7, 3);
        data->leagueFileName = "Fall.LGE";
        writeBytes("Fall.LGE", store::FormatLeague(*data));
        ASSERT_TRUE(store::LoadLeagueFile(*data, dialogs).ok);
        data->players[1].name = "Changed In Memory";
    }

    TempWorkDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST_F(SafeSave, NeverWritesThroughALinkPlantedAtATemporaryNameAndClearsKilledSavesTemporaries) {
    writeBytes("victim", "untouched");
    // The fixed name older versions used, and the unique name of a save whose process is gone.
    fs::create_symlink("victim", "Fall.LGE.tmp");
    fs::create_symlink("victim", "Fall.LGE.999999999-1.tmp");
    writeBytes("Fall.LGE.999999998-2.tmp", "half a save");
    writeBytes("Spring.LGE.999999998-2.tmp", "another file's");

    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(readBytes("victim"), "untouched");
    EXPECT_EQ(readBytes("Fall.LGE"), store::FormatLeague(*data));
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(".")) left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Fall.LGE", "Spring.LGE.999999998-2.tmp", "victim"}));
}

TEST_F(SafeSave, ALinkedDataFileIsReplacedAtItsTargetAndStaysALink) {
    fs::create_directory("elsewhere");
    fs::rename("Fall.LGE", "elsewhere/Fall.LGE");
    fs::create_symlink("elsewhere/Fall.LGE", "Fall.LGE");
    data->leagueFileStamp = store::StampOf("Fall.LGE");

    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_TRUE(fs::is_symlink("Fall.LGE"));
    EXPECT_EQ(readBytes("elsewhere/Fall.LGE"), store::FormatLeague(*data));
}

TEST_F(SafeSave, AFileWithoutWritePermissionIsRefusedAndOthersKeepTheirPermissions) {
    std::string before = readBytes("Fall.LGE");
    fs::permissions("Fall.LGE", fs::perms::owner_read | fs::perms::group_read);
    data->leagueFileStamp = store::StampOf("Fall.LGE");
    EXPECT_FALSE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(readBytes("Fall.LGE"), before);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "Error Creating League Record File\r\nThe file Fall.LGE is read-only: it has no write permission.");

    fs::permissions("Fall.LGE", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    data->leagueFileStamp = store::StampOf("Fall.LGE");
    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(fs::status("Fall.LGE").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Another program rewrote the file after it was read: the user chooses whose rounds survive.
class ChangedOnDisk : public SafeSave, public ::testing::WithParamInterface<platform::Answer> {};

TEST_P(ChangedOnDisk, IsNeverOverwrittenSilently) {
    auto outside = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*outside, 8, 4);
    std::string theirs = store::FormatLeague(*outside);
    writeBytes("Fall.LGE", theirs);

    dialogs.answer(GetParam());
    bool saved = store::SaveLeagueFile(*data, dialogs);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0],
              (platform::Message{"Fall.LGE was changed outside Quorval since it was opened.\r\n"
                                 "Reload it (your unsaved change is lost) or overwrite it?",
                                 "Quorval", platform::Buttons::ReloadOverwrite, platform::Icon::Question, 1}));
    if (GetParam() == platform::Answer::Overwrite) {
        EXPECT_TRUE(saved);
        EXPECT_EQ(readBytes("Fall.LGE"), store::FormatLeague(*data));
        EXPECT_EQ(data->players[1].name, "Changed In Memory");
    } else {
        EXPECT_FALSE(saved);
        EXPECT_EQ(readBytes("Fall.LGE"), theirs);
        EXPECT_EQ(store::FormatLeague(*data), theirs);  // what is shown is what is on disk
    }
    // Either way the file and memory agree again: the next save goes through without a question.
    EXPECT_TRUE(store::SaveLeagueFile(*data, dialogs));
}

INSTANTIATE_TEST_SUITE_P(Answers, ChangedOnDisk,
                         ::testing::Values(platform::Answer::Reload, platform::Answer::Overwrite));

// The team file, the course file and the registry are guarded the same way.
struct SharedFile {
    const char* name;
    std::string (*format)(const store::LeagueData&);
    void (*load)(store::LeagueData&, platform::Dialogs&);
    bool (*save)(store::LeagueData&, platform::Dialogs&);
};

const SharedFile kSharedFiles[] = {
    {"Fall.tea", store::FormatTeams, [](store::LeagueData& d, platform::Dialogs&) { store::LoadTeamAssignments(d); },
     store::SaveTeamFile},
    {"course.dat", store::FormatCourses,
     [](store::LeagueData& d, platform::Dialogs& g) { store::LoadCourseFile(d, g); }, store::SaveCourseFile},
    {"Qvleague.DAT", store::FormatRegistry,
     [](store::LeagueData& d, platform::Dialogs& g) { store::LoadLeagueRegistry(d, g); }, store::SaveLeagueRegistry},
};

class SharedFileChangedOnDisk : public SafeSave, public ::testing::WithParamInterface<SharedFile> {};

TEST_P(SharedFileChangedOnDisk, AsksAndReloadsOrOverwrites) {
    const SharedFile& file = GetParam();
    writeBytes(file.name, file.format(*data));
    file.load(*data, dialogs);
    auto outside = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*outside, 9, data->playerCount);
    outside->leagueFileName = "Fall.LGE";
    outside->registry.leagueCount = 1;
    outside->registry.leagueFiles[1] = "Spring";
    const std::string theirs = file.format(*outside);
    ASSERT_NE(theirs, file.format(*data));
    writeBytes(file.name, theirs);

    dialogs.answer(platform::Answer::Reload);
    EXPECT_FALSE(file.save(*data, dialogs));
    ASSERT_EQ(dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(readBytes(file.name), theirs);
    EXPECT_EQ(file.format(*data), theirs);  // reloaded

    writeBytes(file.name, file.format(*data) + "\r\n");  // changed again, then overwritten
    dialogs.answer(platform::Answer::Overwrite);
    EXPECT_TRUE(file.save(*data, dialogs));
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(readBytes(file.name), file.format(*data));
    EXPECT_TRUE(file.save(*data, dialogs));  // unchanged since: no question
}

INSTANTIATE_TEST_SUITE_P(Files, SharedFileChangedOnDisk, ::testing::ValuesIn(kSharedFiles), [](const auto& info) {
    std::string name = info.param.name;
    return name.substr(0, name.find('.'));
});

}  // namespace
