#include "store/datafile.hpp"

#include <gtest/gtest.h>

#include <set>

#include "configfolder.hpp"
#include "fullleague.hpp"
#include "scripteddialogs.hpp"
#include "store/atomicsave.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/leagueoptions.hpp"
#include "store/settingsfile.hpp"
#include "store/strokeindexfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

// A loader that wants a number on its first line.
store::LoadResult loadNumber(const std::string& name) {
    return store::loadDataFile(name, [](store::LineReader& in) { in.int16("count"); });
}

std::set<std::string> folderContents() {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.insert(entry.path().filename().string());
    return names;
}

class DataFile : public ::testing::Test {
protected:
    TempWorkDir dir;
};

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

TEST_F(DataFile, LinesReadTheSameWhateverTheLineEndsAndEncoding) {
    const std::pair<std::string, std::vector<std::string>> kCases[] = {
        {" 2 \r\nAl\r\n\r\n", {" 2 ", "Al", ""}},
        {" 2 \nAl", {" 2 ", "Al"}},
        {"\xEF\xBB\xBF 1 \r\nG\xC3\xBCnter\r\n", {" 1 ", "Günter"}},
        {" 1 \r\nG\xFCnter \x80\r\n", {" 1 ", "Günter €"}}};
    for (const auto& [bytes, expected] : kCases) {
        writeBytes("names.dat", bytes);
        std::vector<std::string> lines;
        EXPECT_TRUE(store::loadDataFile("names.dat", [&](store::LineReader& in) {
                        while (!in.atEnd()) lines.emplace_back(in.line());
                    }).ok);
        EXPECT_EQ(lines, expected) << bytes;
    }
}

// Each different content once: the same bytes failing again reuse their copy.
TEST_F(DataFile, UnreadableFileIsKeptOnceForEachDifferentContent) {
    store::LoadResult missing = loadNumber("x.dat");
    EXPECT_EQ(std::tuple(missing.ok, missing.keptCopy), std::tuple(false, ""));

    writeBytes("x.dat", "bad\r\n");
    store::LoadResult first = loadNumber("x.dat");
    EXPECT_EQ(std::tuple(first.ok, first.keptCopy), std::tuple(false, "x.dat.unreadable"));
    EXPECT_EQ(store::withCopyNote("Text", first), "Text\r\nThe unreadable file was kept as \"x.dat.unreadable\".");
    writeBytes("x.dat", "worse\r\n");
    EXPECT_EQ(loadNumber("x.dat").keptCopy, "x.dat.unreadable2");
    writeBytes("x.dat", "bad\r\n");
    EXPECT_EQ(loadNumber("x.dat").keptCopy, "x.dat.unreadable");
    EXPECT_EQ(std::tuple(readBytes("x.dat.unreadable"), readBytes("x.dat.unreadable2")),
              std::tuple("bad\r\n", "worse\r\n"));
    writeBytes("x.dat", " 7 \r\n");
    EXPECT_TRUE(loadNumber("x.dat").ok);
    EXPECT_EQ(folderContents().size(), 3u);

    fs::create_directory("Fall.LGE");  // a folder in place of the file fails without a copy
    EXPECT_EQ(store::readTextFile("Fall.LGE"), std::nullopt);
    EXPECT_EQ(loadNumber("fall.lge").keptCopy, "");
    EXPECT_EQ(folderContents().size(), 4u);
}

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

// A linked data file is replaced at its target and stays a link.
TEST_F(SafeSave, AFileWithoutWritePermissionIsRefusedAndOthersKeepTheirPermissionsAndLinks) {
    for (auto [name, save] : {std::pair<const char*, Save>{"course.dat", store::SaveCourseFile},
                              {"Fall.tea", store::SaveTeamFile},
                              {"Fall.LGE", store::SaveLeagueFile}}) {
        writeBytes(name, "old");
        fs::permissions(name, fs::perms::owner_read | fs::perms::group_read);
        data->leagueFileStamp = store::StampOf("Fall.LGE");
        EXPECT_FALSE(save(*data, dialogs)) << name;
        const std::string text = dialogs.takeMessages().at(0).text;
        EXPECT_NE(text.find("\r\nThe file " + std::string(name) + " is read-only: it has no write permission."),
                  std::string::npos)
            << text;
        EXPECT_EQ(readBytes(name), "old");
    }
    fs::create_directory("elsewhere");
    fs::rename("Fall.LGE", "elsewhere/Fall.LGE");
    fs::create_symlink("elsewhere/Fall.LGE", "Fall.LGE");
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions("Fall.LGE", perms);
    data->leagueFileStamp = store::StampOf("Fall.LGE");
    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_TRUE(fs::is_symlink("Fall.LGE"));
    EXPECT_EQ(fs::status("Fall.LGE").permissions(), perms);
    EXPECT_EQ(readBytes("elsewhere/Fall.LGE"), store::FormatLeague(*data));
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
         store::SaveLeagueRegistry},
        {"Fall.cfg", [](const store::LeagueData& d) { return store::FormatLeagueOptions(d.options); },
         [](store::LeagueData& d, platform::Dialogs& g) { store::LoadLeagueOptions(d, g); }, store::SaveLeagueOptions},
        {"course.si", store::FormatStrokeIndexes,
         [](store::LeagueData& d, platform::Dialogs&) { store::LoadStrokeIndexFile(d); }, store::SaveStrokeIndexFile},
        {"quorval/qvl32.ini", [](const store::LeagueData& d) { return store::FormatSettings(d.settings); },
         [](store::LeagueData& d, platform::Dialogs&) { store::LoadSettingsFile(d); }, store::SaveSettingsFile}};
    ScopedConfigHome config(".");
    fs::create_directories("quorval");
    auto outside = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*outside, 9, data->playerCount);
    outside->leagueFileName = "Fall.LGE";
    outside->registry.leagueCount = 1, outside->registry.leagueFiles[1] = "Spring";
    outside->options.allowance = 80, outside->settings.listingView = 2;
    for (int h = 1; h <= store::kHoles; ++h) outside->strokeIndexes[1][h] = static_cast<int16_t>(19 - h);
    for (const auto& [name, format, load, save] : kFiles) {
        SCOPED_TRACE(name);
        writeBytes(name, format(*data));
        load(*data, dialogs);
        const std::string theirs = format(*outside);
        writeBytes(name, theirs);
        dialogs.answer(platform::Answer::Reload);
        EXPECT_FALSE(save(*data, dialogs));
        EXPECT_EQ(dialogs.takeMessages(),
                  (std::vector<platform::Message>{
                      {fs::path(name).filename().string() + " was changed outside Quorval since it was opened.\r\n"
                                                            "Reload it (your unsaved change is lost) or overwrite it?",
                       "Quorval", platform::Buttons::ReloadOverwrite, platform::Icon::Question, 1}}));
        EXPECT_EQ(std::tuple(readBytes(name), format(*data)), std::tuple(theirs, theirs));  // shown as on disk
        EXPECT_TRUE(save(*data, dialogs));

        data->players[1].name = "Changed In Memory";
        writeBytes(name, theirs + "\r\n");  // changed again, then overwritten
        dialogs.answer(platform::Answer::Overwrite);
        EXPECT_TRUE(save(*data, dialogs));
        EXPECT_EQ(std::tuple(dialogs.takeMessages().size(), readBytes(name)), std::tuple(1u, format(*data)));
        EXPECT_TRUE(save(*data, dialogs));  // unchanged since: no question
    }
}
