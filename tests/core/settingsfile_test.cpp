#include "store/settingsfile.hpp"

#include <gtest/gtest.h>

#include "configfolder.hpp"
#include "scripteddialogs.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

std::vector<platform::Message> box(const std::string& text) {
    return {{text, "Quorval", platform::Buttons::Ok, platform::Icon::None}};
}

class SettingsTest : public ::testing::Test {
protected:
    fs::path settingsFile() const { return dir.path() / "config" / "quorval" / "qvl32.ini"; }

    TempWorkDir dir;
    ScopedConfigHome home{dir.path() / "config"};
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    store::Settings& s = data->settings;
    ScriptedDialogs dialogs;
};

}  // namespace

TEST_F(SettingsTest, FileGivesItsValuesOrTheDefaults) {
    // The text, the five values read, and whether a copy of an unreadable file is kept.
    const std::tuple<std::string, int16_t, int16_t, float, float, float, bool> kCases[] = {
        {"", 0, 0, 0, 0, 1, false},
        {" 5 \r\n-1.3 \r\n .5 \r\n 1.1 \r\n 1 \r\n", 5, 1, -1.3f, .5f, 1.1f, false},
        {" 5 \r\n 2 \r\n-3 \r\n .9 \r\n", 5, 0, 2, -3, .9f, false},  // an older version's four
        {" 5 \r\n 2 \r\n-3 \r\n", 0, 0, 0, 0, 1, true}};
    for (const auto& [text, equitable, average, horizontal, vertical, scaling, kept] : kCases) {
        SCOPED_TRACE(text);
        fs::remove_all(dir.path() / "config");
        fs::create_directories(settingsFile().parent_path());
        if (!text.empty()) writeBytes(settingsFile(), text);
        s.equitableCheck = 5, s.averageCheck = 1, s.cardHorizontalOffset = s.cardVerticalOffset = 9;
        s.cardVerticalScaling = 9;
        store::LoadSettingsFile(*data);
        EXPECT_EQ(std::tuple(s.equitableCheck, s.averageCheck, s.cardHorizontalOffset, s.cardVerticalOffset,
                             s.cardVerticalScaling, s.settingsFilePath),
                  std::tuple(equitable, average, horizontal, vertical, scaling, settingsFile().string()));
        EXPECT_EQ(fs::exists(settingsFile().string() + ".unreadable"), kept);
    }
}

TEST_F(SettingsTest, SaveWritesTheValuesInTheConfigurationFolderAndAFailedSaveLeavesTheFile) {
    s.equitableCheck = 5, s.averageCheck = 1, s.cardHorizontalOffset = -1.3f, s.cardVerticalOffset = 0.5f,
    s.cardVerticalScaling = 1.0f, s.windowLeft = -8, s.windowTop = 30, s.windowWidth = 1100, s.windowHeight = 640,
    s.listingView = 2, s.openLastLeague = 0;
    ASSERT_TRUE(store::SaveSettingsFile(*data, dialogs));
    EXPECT_EQ(readBytes(settingsFile()),
              " 5 \r\n-1.3 \r\n .5 \r\n 1 \r\n 1 \r\nwindow=-8,30,1100,640\r\nview=2\r\nopenlast=0\r\n"
              "dateorder=mdy\r\n");

    // The window's place and the start-up choice come back; bad ones give the defaults.
    auto again = std::make_unique<store::LeagueData>();
    const store::Settings& t = again->settings;
    store::LoadSettingsFile(*again);
    EXPECT_EQ(std::tuple(t.windowLeft, t.windowTop, t.windowWidth, t.windowHeight, t.listingView, t.openLastLeague),
              std::tuple(-8, 30, 1100, 640, int16_t{2}, int16_t{0}));
    const std::string odd = " 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\nview=9\r\nwindow=1,2,3,4\r\n";
    writeBytes(settingsFile(), odd);
    fs::permissions(settingsFile(), fs::perms::owner_read);
    store::LoadSettingsFile(*again);
    EXPECT_EQ(std::tuple(t.windowWidth, t.listingView, t.openLastLeague), std::tuple(0, int16_t{1}, int16_t{1}));
    EXPECT_FALSE(store::SaveSettingsFile(*again, dialogs));
    EXPECT_EQ(readBytes(settingsFile()), odd);
}

// Every value is in the file, so equal bytes after a load mean equal values.
TEST_F(SettingsTest, RegistrySurvivesASaveAndLoadAndAMissingOneIsQuietWithTheDefaults) {
    s.hcpFactor = 0, s.printFont = "";
    EXPECT_FALSE(store::LoadLeagueRegistry(*data, dialogs).ok);
    EXPECT_TRUE(dialogs.takeMessages().empty());
    ASSERT_TRUE(store::SaveLeagueRegistry(*data, dialogs));
    EXPECT_EQ(readBytes("Qvleague.DAT"), " 0 \r\n .96 \r\nCourier New\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");

    data->registry = {3, {"", "Tuesday, Men", " Seniors \"A\"", "Ladies"}, 2};
    s.hcpFactor = 0.9f, s.printFont = "Lucida Console", s.nineHoleOption = 3, s.hcpLimitCheck = 1;
    ASSERT_TRUE(store::SaveLeagueRegistry(*data, dialogs));
    std::string first = readBytes("Qvleague.DAT");
    auto loaded = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadLeagueRegistry(*loaded, dialogs).ok);
    ASSERT_TRUE(store::SaveLeagueRegistry(*loaded, dialogs));
    EXPECT_EQ(readBytes("Qvleague.DAT"), first);

    // Typed in the settings window: outside one half to one point one becomes the default.
    for (auto [typed, kept] : {std::pair{1.11f, 0.96f}, {0.49f, 0.96f}, {0.5f, 0.5f}, {1.1f, 1.1f}})
        EXPECT_EQ(store::ValidHcpFactor(typed), kept) << typed;
}

TEST_F(SettingsTest, UnreadableRegistryIsKeptAndNamedInTheMessage) {
    // Sixteen leagues, and a factor the settings window refuses.
    for (const char* text : {" 16 \r\n", " 0 \r\n 3.5 \r\nArial\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n"}) {
        SCOPED_TRACE(text);
        fs::remove("Qvleague.DAT.unreadable");
        writeBytes("Qvleague.DAT", text);
        auto fresh = std::make_unique<store::LeagueData>();
        EXPECT_FALSE(store::LoadLeagueRegistry(*fresh, dialogs).ok);
        EXPECT_EQ(dialogs.takeMessages(),
                  box("Cannot Load Qvleague.DAT, Please check your working\r\ndirectory or Launchers startup directory "
                      "setting.\r\nThe unreadable file was kept as \"Qvleague.DAT.unreadable\"."));
        EXPECT_EQ(readBytes("Qvleague.DAT.unreadable"), text);
        EXPECT_EQ(std::tuple(fresh->registry.leagueCount, fresh->settings.hcpFactor), std::tuple(int16_t{0}, 0.96f));
    }
    fs::remove("Qvleague.DAT");
    fs::create_directory("Qvleague.DAT");
    EXPECT_FALSE(store::SaveLeagueRegistry(*data, dialogs));
    EXPECT_EQ(dialogs.takeMessages(), box("Cannot Write Qvleague.DAT, Please check disk write protect.\r\n"
                                          "The reason: Qvleague.DAT is not a plain file."));
}
