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

using Save = bool (*)(store::LeagueData&, platform::Dialogs&);

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

TEST_F(SafeSave, NeverWritesThroughALinkPlantedAtATemporaryNameAndClearsOnlyItsOwnKilledTemporaries) {
    writeBytes("victim", "untouched");
    // The fixed name older versions used, and the unique name of a save whose process is gone.
    fs::create_symlink("victim", "Fall.LGE.tmp");
    fs::create_symlink("victim", "Fall.LGE.999999999-1.tmp");
    writeBytes("Fall.LGE.999999998-2.tmp", "half a save");
    for (const char* other : {"Fall.tea.999999998-2.tmp", "Fall.LGE.999999998-2.bak"}) writeBytes(other, "other");

    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(readBytes("victim"), "untouched");
    EXPECT_EQ(readBytes("Fall.LGE"), store::FormatLeague(*data));
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(".")) left.insert(entry.path().filename().string());
    EXPECT_EQ(left,
              (std::set<std::string>{"Fall.LGE", "Fall.LGE.999999998-2.bak", "Fall.tea.999999998-2.tmp", "victim"}));
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
    const std::tuple<const char*, Save, std::string, const char*, platform::Icon> kFiles[] = {
        {"Fall.LGE", store::SaveLeagueFile, "Error Creating League Record File", "Quorval",
         platform::Icon::Exclamation},
        {"course.dat", store::SaveCourseFile, "Unable to save settings to disk", "Course Setup",
         platform::Icon::Exclamation},
        {"Fall.tea", store::SaveTeamFile, "Cannot Write filename$, Please check disk write protect, freespace etc.",
         "Quorval", platform::Icon::None}};
    for (const auto& [name, save, text, title, icon] : kFiles) {
        writeBytes(name, "old");
        fs::permissions(name, fs::perms::owner_read | fs::perms::group_read);
        data->leagueFileStamp = store::StampOf("Fall.LGE");
        EXPECT_FALSE(save(*data, dialogs)) << name;
        EXPECT_EQ(dialogs.takeMessages(),
                  (std::vector<platform::Message>{
                      {text + "\r\nThe file " + name + " is read-only: it has no write permission.", title,
                       platform::Buttons::Ok, icon}}));
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
    using Load = void (*)(store::LeagueData&, platform::Dialogs&);
    const std::tuple<const char*, std::string (*)(const store::LeagueData&), Load, Save> kFiles[] = {
        {"Fall.LGE", [](const store::LeagueData& d) { return store::FormatLeague(d); },
         [](store::LeagueData& d, platform::Dialogs& g) { store::LoadLeagueFile(d, g); }, store::SaveLeagueFile},
        {"Fall.tea", store::FormatTeams,
         [](store::LeagueData& d, platform::Dialogs&) { store::LoadTeamAssignments(d); }, store::SaveTeamFile},
        {"course.dat", store::FormatCourses,
         [](store::LeagueData& d, platform::Dialogs& g) { store::LoadCourseFile(d, g); }, store::SaveCourseFile},
        {"Qvleague.DAT", store::FormatRegistry,
         [](store::LeagueData& d, platform::Dialogs& g) { store::LoadLeagueRegistry(d, g); },
         store::SaveLeagueRegistry}};
    auto outside = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*outside, 9, data->playerCount);
    outside->leagueFileName = "Fall.LGE";
    outside->registry.leagueCount = 1, outside->registry.leagueFiles[1] = "Spring";
    for (const auto& [name, format, load, save] : kFiles) {
        SCOPED_TRACE(name);
        writeBytes(name, format(*data));
        load(*data, dialogs);
        const std::string theirs = format(*outside);
        ASSERT_NE(theirs, format(*data));
        writeBytes(name, theirs);

        dialogs.answer(platform::Answer::Reload);
        EXPECT_FALSE(save(*data, dialogs));
        EXPECT_EQ(dialogs.takeMessages(),
                  (std::vector<platform::Message>{
                      {std::string(name) + " was changed outside Quorval since it was opened.\r\n"
                                           "Reload it (your unsaved change is lost) or overwrite it?",
                       "Quorval", platform::Buttons::ReloadOverwrite, platform::Icon::Question, 1}}));
        EXPECT_EQ(readBytes(name), theirs);
        EXPECT_EQ(format(*data), theirs);  // what is shown is what is on disk
        EXPECT_TRUE(save(*data, dialogs));

        data->players[1].name = "Changed In Memory";
        writeBytes(name, format(*data) + "\r\n");  // changed again, then overwritten
        dialogs.answer(platform::Answer::Overwrite);
        EXPECT_TRUE(save(*data, dialogs));
        EXPECT_EQ(dialogs.takeMessages().size(), 1u);
        EXPECT_EQ(readBytes(name), format(*data));
        EXPECT_TRUE(save(*data, dialogs));  // unchanged since: no question
    }
}
