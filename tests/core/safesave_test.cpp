#include <gtest/gtest.h>

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
using namespace quorval::testing;

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

}  // namespace

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
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(".")) left.insert(entry.path().filename().string());
    EXPECT_EQ(left, (std::set<std::string>{"Fall.LGE", "Spring.LGE.999999998-2.tmp", "victim"}));
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
    const std::string readOnly = " is read-only: it has no write permission.";
    const std::tuple<const char*, bool (*)(store::LeagueData&, platform::Dialogs&), platform::Message> kFiles[] = {
        {"Fall.LGE",
         store::SaveLeagueFile,
         {"Error Creating League Record File\r\nThe file Fall.LGE" + readOnly, "Quorval", platform::Buttons::Ok,
          platform::Icon::Exclamation}},
        {"course.dat",
         store::SaveCourseFile,
         {"Unable to save settings to disk\r\nThe file course.dat" + readOnly, "Course Setup", platform::Buttons::Ok,
          platform::Icon::Exclamation}},
        {"Fall.tea",
         store::SaveTeamFile,
         {"Cannot Write filename$, Please check disk write protect, freespace etc.\r\nThe file Fall.tea" + readOnly,
          "Quorval", platform::Buttons::Ok, platform::Icon::None}}};
    for (const auto& [name, save, box] : kFiles) {
        writeBytes(name, "old");
        fs::permissions(name, fs::perms::owner_read | fs::perms::group_read);
        data->leagueFileStamp = store::StampOf("Fall.LGE");
        EXPECT_FALSE(save(*data, dialogs)) << name;
        EXPECT_EQ(dialogs.takeMessages(), std::vector{box});
        EXPECT_EQ(readBytes(name), "old");
    }
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions("Fall.LGE", perms);
    data->leagueFileStamp = store::StampOf("Fall.LGE");
    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(fs::status("Fall.LGE").permissions(), perms);
}

// Either way the file and memory agree again: the next save goes through without a question.
TEST_F(SafeSave, AFileChangedOnDiskIsNeverOverwrittenSilently) {
    struct SharedFile {
        const char* name;
        std::string (*format)(const store::LeagueData&);
        void (*load)(store::LeagueData&, platform::Dialogs&);
        bool (*save)(store::LeagueData&, platform::Dialogs&);
    };
    const SharedFile kFiles[] = {
        {"Fall.LGE", [](const store::LeagueData& d) { return store::FormatLeague(d); },
         [](store::LeagueData& d, platform::Dialogs& g) { store::LoadLeagueFile(d, g); }, store::SaveLeagueFile},
        {"Fall.tea", store::FormatTeams,
         [](store::LeagueData& d, platform::Dialogs&) { store::LoadTeamAssignments(d); }, store::SaveTeamFile},
        {"course.dat", store::FormatCourses,
         [](store::LeagueData& d, platform::Dialogs& g) { store::LoadCourseFile(d, g); }, store::SaveCourseFile},
        {"Qvleague.DAT", store::FormatRegistry,
         [](store::LeagueData& d, platform::Dialogs& g) { store::LoadLeagueRegistry(d, g); },
         store::SaveLeagueRegistry},
    };
    for (const SharedFile& file : kFiles) {
        SCOPED_TRACE(file.name);
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
        EXPECT_EQ(dialogs.takeMessages(),
                  (std::vector<platform::Message>{
                      {std::string(file.name) + " was changed outside Quorval since it was opened.\r\n"
                                                "Reload it (your unsaved change is lost) or overwrite it?",
                       "Quorval", platform::Buttons::ReloadOverwrite, platform::Icon::Question, 1}}));
        EXPECT_EQ(readBytes(file.name), theirs);
        EXPECT_EQ(file.format(*data), theirs);  // what is shown is what is on disk
        EXPECT_TRUE(file.save(*data, dialogs));

        data->players[1].name = "Changed In Memory";
        writeBytes(file.name, file.format(*data) + "\r\n");  // changed again, then overwritten
        dialogs.answer(platform::Answer::Overwrite);
        EXPECT_TRUE(file.save(*data, dialogs));
        EXPECT_EQ(dialogs.takeMessages().size(), 1u);
        EXPECT_EQ(readBytes(file.name), file.format(*data));
        EXPECT_EQ(data->players[1].name, "Changed In Memory");
        EXPECT_TRUE(file.save(*data, dialogs));  // unchanged since: no question
    }
}
