#include "store/settingsfile.hpp"

#include <gtest/gtest.h>

#include "configfolder.hpp"
#include "scripteddialogs.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    fs::path settingsFile() const { return dir.path() / "config" / "quorval" / "qvl32.ini"; }
    void writeSettings(const std::string& text) {
        fs::create_directories(settingsFile().parent_path());
        writeBytes(settingsFile(), text);
    }
    std::vector<platform::Message> box(const std::string& text) {
        return {{text, "Quorval", platform::Buttons::Ok, platform::Icon::None}};
    }

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
        if (!text.empty()) writeSettings(text);
        s.equitableCheck = 5, s.averageCheck = 1, s.cardHorizontalOffset = s.cardVerticalOffset = 9;
        s.cardVerticalScaling = 9;
        store::LoadSettingsFile(*data);
        EXPECT_EQ(s.settingsFilePath, settingsFile().string());
        EXPECT_EQ(std::tuple(s.equitableCheck, s.averageCheck, s.cardHorizontalOffset, s.cardVerticalOffset,
                             s.cardVerticalScaling),
                  std::tuple(equitable, average, horizontal, vertical, scaling));
        EXPECT_EQ(fs::exists(settingsFile().string() + ".unreadable"), kept);
    }
}

TEST_F(SettingsTest, SaveWritesTheValuesInTheConfigurationFolderAndAFailedSaveIsQuiet) {
    s.equitableCheck = 5, s.averageCheck = 1, s.cardHorizontalOffset = -1.3f, s.cardVerticalOffset = 0.5f,
    s.cardVerticalScaling = 1.0f, s.windowLeft = -8, s.windowTop = 30, s.windowWidth = 1100, s.windowHeight = 640,
    s.listingView = 2, s.openLastLeague = 0;
    ASSERT_TRUE(store::SaveSettingsFile(*data));
    EXPECT_EQ(readBytes(settingsFile()),
              " 5 \r\n-1.3 \r\n .5 \r\n 1 \r\n 1 \r\nwindow=-8,30,1100,640\r\nview=2\r\nopenlast=0\r\n");

    // The window's place and the start-up choice come back; bad ones give the defaults.
    auto again = std::make_unique<store::LeagueData>();
    const store::Settings& t = again->settings;
    store::LoadSettingsFile(*again);
    EXPECT_EQ(std::tuple(t.windowLeft, t.windowTop, t.windowWidth, t.windowHeight, t.listingView, t.openLastLeague),
              std::tuple(-8, 30, 1100, 640, int16_t{2}, int16_t{0}));
    const std::string plain = " 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n";
    writeSettings(plain + "view=9\r\nwindow=1,2,3,4\r\n");
    store::LoadSettingsFile(*again);
    EXPECT_EQ(std::tuple(t.windowWidth, t.listingView, t.openLastLeague), std::tuple(0, int16_t{1}, int16_t{1}));

    fs::permissions(settingsFile(), fs::perms::owner_read);
    EXPECT_FALSE(store::SaveSettingsFile(*data));
    EXPECT_EQ(readBytes(settingsFile()), plain + "view=9\r\nwindow=1,2,3,4\r\n");
}

TEST_F(SettingsTest, RegistrySurvivesASaveAndLoad) {
    ASSERT_TRUE(store::SaveLeagueRegistry(*data, dialogs));
    EXPECT_EQ(readBytes("Qvleague.DAT"), " 0 \r\n .96 \r\nCourier New\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
    data->registry = {3, {"", "Tuesday, Men", " Seniors \"A\"", "Ladies"}, 2};
    s.hcpFactor = 0.9f, s.printFont = "Lucida Console", s.nineHoleOption = 3, s.hcpLimitCheck = 1;
    ASSERT_TRUE(store::SaveLeagueRegistry(*data, dialogs));
    std::string first = readBytes("Qvleague.DAT");
    // Every value is in the file, so equal bytes after a load mean equal values.
    auto loaded = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadLeagueRegistry(*loaded, dialogs).ok);
    ASSERT_TRUE(store::SaveLeagueRegistry(*loaded, dialogs));
    EXPECT_EQ(readBytes("Qvleague.DAT"), first);
}

TEST_F(SettingsTest, FactorsTheSettingsWindowAcceptsStayAndAnEmptyFontGetsItsDefault) {
    const std::tuple<const char*, const char*, float, const char*> kCases[] = {
        // factor line, font line, read as
        {"0.5", "\"Lucida Console\"", 0.5f, "Lucida Console"},
        {" 1.1 ", "  ", 1.1f, "Courier New"},
        {" .96 ", "Arial, Bold", 0.96f, "Arial"}};
    for (auto [factorLine, fontLine, factor, font] : kCases) {
        writeBytes("qvleague.dat", std::string(" 1 \r\nFall\r\n") + factorLine + "\r\n" + fontLine +
                                       "\r\n 2 \r\n 0 \r\n 1 \r\n 0 \r\n");
        ASSERT_TRUE(store::LoadLeagueRegistry(*data, dialogs).ok);
        EXPECT_EQ(std::tuple(s.hcpFactor, s.printFont, s.nineHoleOption, s.hcpLimitCheck),
                  std::tuple(factor, std::string(font), int16_t{2}, int16_t{1}))
            << factorLine;
    }
    // Typed in the settings window: outside one half to one point one becomes the default.
    for (auto [typed, kept] : {std::pair{1.11f, 0.96f}, {0.49f, 0.96f}, {0.5f, 0.5f}, {1.1f, 1.1f}})
        EXPECT_EQ(store::ValidHcpFactor(typed), kept) << typed;
}

// A folder without a registry is a new one.
TEST_F(SettingsTest, MissingRegistryIsQuietAndSettlesTheDefaults) {
    s.hcpFactor = 0, s.printFont = "";
    EXPECT_FALSE(store::LoadLeagueRegistry(*data, dialogs).ok);
    EXPECT_TRUE(dialogs.takeMessages().empty());
    EXPECT_EQ(std::tuple(s.hcpFactor, s.printFont, data->registry.leagueCount),
              std::tuple(0.96f, "Courier New", int16_t{0}));
}

TEST_F(SettingsTest, UnreadableRegistryIsKeptAndNamedInTheMessage) {
    const std::pair<const char*, int16_t> kCases[] = {
        {" 16 \r\n", 0},
        {" 2 \r\nFall\r\nSpring\r\n", 2},
        {" 0 \r\n 3.5 \r\nArial\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n", 0}};  // a factor the window refuses
    for (auto [text, leagueCount] : kCases) {
        SCOPED_TRACE(text);
        fs::remove("Qvleague.DAT.unreadable");
        writeBytes("Qvleague.DAT", text);
        auto fresh = std::make_unique<store::LeagueData>();
        EXPECT_FALSE(store::LoadLeagueRegistry(*fresh, dialogs).ok);
        EXPECT_EQ(dialogs.takeMessages(),
                  box("Cannot Load Qvleague.DAT, Please check your working\r\ndirectory or Launchers startup directory "
                      "setting.\r\nThe unreadable file was kept as \"Qvleague.DAT.unreadable\"."));
        EXPECT_EQ(readBytes("Qvleague.DAT.unreadable"), text);
        EXPECT_EQ(std::tuple(fresh->registry.leagueCount, fresh->settings.hcpFactor), std::tuple(leagueCount, 0.96f));
    }
    fs::remove("Qvleague.DAT");
    fs::create_directory("Qvleague.DAT");
    EXPECT_FALSE(store::SaveLeagueRegistry(*data, dialogs));
    EXPECT_EQ(dialogs.takeMessages(), box("Cannot Write Qvleague.DAT, Please check disk write protect."));
}
