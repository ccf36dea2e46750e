#include "store/settingsfile.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "scripteddialogs.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using quorval::testing::readBytes;
using quorval::testing::ScriptedDialogs;
using quorval::testing::TempWorkDir;
using quorval::testing::writeBytes;

namespace {

// Every test gets its own configuration folder inside its working directory.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) m_oldConfig = old;
        ::setenv("XDG_CONFIG_HOME", (m_dir.path() / "config").c_str(), 1);
        m_data = std::make_unique<store::LeagueData>();
    }
    void TearDown() override {
        if (m_oldConfig) {
            ::setenv("XDG_CONFIG_HOME", m_oldConfig->c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
    }

    fs::path settingsFile() const { return m_dir.path() / "config" / "quorval" / "qvl32.ini"; }
    void writeSettings(const std::string& text) {
        fs::create_directories(settingsFile().parent_path());
        writeBytes(settingsFile(), text);
    }
    store::Settings& settings() { return m_data->settings; }

    TempWorkDir m_dir;
    std::unique_ptr<store::LeagueData> m_data;
    ScriptedDialogs m_dialogs;

private:
    std::optional<std::string> m_oldConfig;
};

const platform::Message kRegistryLoadFailed{
    "Cannot Load Qvleague.DAT, Please check your working\r\ndirectory or Launchers startup directory setting.",
    "Quorval", platform::Buttons::Ok, platform::Icon::None};

}  // namespace

struct SettingsText {
    const char* what;
    std::string text;
    int16_t equitable, average;
    float horizontal, vertical, scaling;
    bool kept;  // unreadable, so a copy is kept before a save can replace it
};

class SettingsLoad : public SettingsTest, public ::testing::WithParamInterface<SettingsText> {};

TEST_P(SettingsLoad, FileGivesItsValuesOrTheDefaults) {
    if (!GetParam().text.empty()) writeSettings(GetParam().text);
    // Whatever was there before must not survive.
    settings().equitableCheck = 5;
    settings().averageCheck = 1;
    settings().cardHorizontalOffset = settings().cardVerticalOffset = settings().cardVerticalScaling = 9;
    store::LoadSettingsFile(*m_data);
    EXPECT_EQ(settings().settingsFilePath, settingsFile().string());
    EXPECT_EQ(settings().equitableCheck, GetParam().equitable);
    EXPECT_EQ(settings().averageCheck, GetParam().average);
    EXPECT_EQ(settings().cardHorizontalOffset, GetParam().horizontal);
    EXPECT_EQ(settings().cardVerticalOffset, GetParam().vertical);
    EXPECT_EQ(settings().cardVerticalScaling, GetParam().scaling);
    EXPECT_EQ(fs::exists(settingsFile().string() + ".unreadable"), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsLoad,
    ::testing::Values(
        SettingsText{"NoFile", "", 0, 0, 0, 0, 1, false},
        SettingsText{"FiveValues", " 5 \r\n-1.3 \r\n .5 \r\n 1.1 \r\n 1 \r\n", 5, 1, -1.3f, .5f, 1.1f, false},
        SettingsText{"FourValuesOfAnOlderVersion", " 5 \r\n 2 \r\n-3 \r\n .9 \r\n", 5, 0, 2, -3, .9f, false},
        SettingsText{"UnreadableAveraging", " 5 \r\n 2 \r\n-3 \r\n .9 \r\nyes\r\n", 5, 0, 2, -3, .9f, false},
        SettingsText{"OnlyThreeValues", " 5 \r\n 2 \r\n-3 \r\n", 0, 0, 0, 0, 1, true},
        SettingsText{"Garbage", "[settings]\r\nesc=on\r\n", 0, 0, 0, 0, 1, true}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SettingsTest, SaveWritesTheFiveValuesInTheConfigurationFolder) {
    settings().equitableCheck = 5;
    settings().cardHorizontalOffset = -1.3f;
    settings().cardVerticalOffset = 0.5f;
    settings().cardVerticalScaling = 1.0f;
    settings().averageCheck = 1;
    settings().windowLeft = -8, settings().windowTop = 30, settings().windowWidth = 1100, settings().windowHeight = 640;
    settings().listingView = 2;
    settings().openLastLeague = 0;
    ASSERT_TRUE(store::SaveSettingsFile(*m_data));
    EXPECT_EQ(readBytes(settingsFile()),
              " 5 \r\n-1.3 \r\n .5 \r\n 1 \r\n 1 \r\nwindow=-8,30,1100,640\r\nview=2\r\nopenlast=0\r\n");
    EXPECT_EQ(settings().settingsFilePath, settingsFile().string());

    // The window's place and the start-up choice come back; a file without them gives the defaults.
    auto again = std::make_unique<store::LeagueData>();
    store::LoadSettingsFile(*again);
    EXPECT_EQ(std::tuple(again->settings.windowLeft, again->settings.windowTop, again->settings.windowWidth,
                         again->settings.windowHeight, again->settings.listingView, again->settings.openLastLeague),
              std::tuple(-8, 30, 1100, 640, int16_t{2}, int16_t{0}));
    writeSettings(" 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\nview=9\r\nwindow=1,2,3,4\r\n");
    store::LoadSettingsFile(*again);
    EXPECT_EQ(std::tuple(again->settings.windowWidth, again->settings.listingView, again->settings.openLastLeague),
              std::tuple(0, int16_t{1}, int16_t{1}));
}

TEST_F(SettingsTest, FailedSaveIsQuietAndKeepsTheOldFile) {
    writeSettings(" 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n");
    fs::permissions(settingsFile(), fs::perms::owner_read);
    settings().equitableCheck = 5;
    EXPECT_FALSE(store::SaveSettingsFile(*m_data));
    EXPECT_EQ(readBytes(settingsFile()), " 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n");
}

TEST_F(SettingsTest, RegistryWithoutLeaguesHasTheFactorOnItsSecondLine) {
    ASSERT_TRUE(store::SaveLeagueRegistry(*m_data, m_dialogs));
    EXPECT_EQ(readBytes("Qvleague.DAT"), " 0 \r\n .96 \r\nCourier New\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST_F(SettingsTest, RegistrySurvivesASaveAndLoad) {
    auto& reg = m_data->registry;
    reg.leagueCount = 3;
    reg.leagueFiles[1] = "Tuesday, Men";
    reg.leagueFiles[2] = " Seniors \"A\"";
    reg.leagueFiles[3] = "Ladies";
    reg.currentLeague = 2;
    settings().hcpFactor = 0.9f;
    settings().printFont = "Lucida Console";
    settings().nineHoleOption = 3;
    settings().hcpLimitCheck = 1;
    settings().dateRemindCheck = 1;
    ASSERT_TRUE(store::SaveLeagueRegistry(*m_data, m_dialogs));
    std::string first = readBytes("Qvleague.DAT");

    // Every value is in the file, so equal bytes after a load mean equal values.
    auto loaded = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::LoadLeagueRegistry(*loaded, m_dialogs).ok);
    EXPECT_EQ(loaded->registry.leagueFiles, reg.leagueFiles);
    ASSERT_TRUE(store::SaveLeagueRegistry(*loaded, m_dialogs));
    EXPECT_EQ(readBytes("Qvleague.DAT"), first);
}

struct RegistryValues {
    const char* factorLine;
    const char* fontLine;
    float factor;
    const char* font;
};

class RegistryDefaults : public SettingsTest, public ::testing::WithParamInterface<RegistryValues> {};

TEST_P(RegistryDefaults, FactorsTheSettingsWindowAcceptsStayAndAnEmptyFontGetsItsDefault) {
    writeBytes("qvleague.dat", std::string(" 1 \r\nFall\r\n") + GetParam().factorLine + "\r\n" + GetParam().fontLine +
                                   "\r\n 2 \r\n 0 \r\n 1 \r\n 0 \r\n");
    ASSERT_TRUE(store::LoadLeagueRegistry(*m_data, m_dialogs).ok);
    EXPECT_EQ(settings().hcpFactor, GetParam().factor);
    EXPECT_EQ(settings().printFont, GetParam().font);
    EXPECT_EQ(settings().nineHoleOption, 2);
    EXPECT_EQ(settings().hcpLimitCheck, 1);
}

INSTANTIATE_TEST_SUITE_P(Lines, RegistryDefaults,
                         ::testing::Values(RegistryValues{"0.5", "Arial", 0.5f, "Arial"},
                                           RegistryValues{" .9 ", "", 0.9f, "Courier New"},
                                           RegistryValues{" 1.1 ", "  ", 1.1f, "Courier New"},
                                           RegistryValues{" .96 ", "Arial, Bold", 0.96f, "Arial"},
                                           RegistryValues{" .96 ", "\"Lucida Console\"", 0.96f, "Lucida Console"}));

// A folder without a registry is a new one: no box, just no leagues (the check still names it).
TEST_F(SettingsTest, MissingRegistryIsQuietAndSettlesTheDefaults) {
    settings().hcpFactor = 0;
    settings().printFont = "";
    EXPECT_FALSE(store::LoadLeagueRegistry(*m_data, m_dialogs).ok);
    EXPECT_TRUE(m_dialogs.takeMessages().empty());
    EXPECT_EQ(settings().hcpFactor, 0.96f);
    EXPECT_EQ(settings().printFont, "Courier New");
    EXPECT_EQ(m_data->registry.leagueCount, 0);
}

struct BrokenRegistry {
    const char* what;
    const char* text;
    int16_t leagueCount;
};

class RegistryFailure : public SettingsTest, public ::testing::WithParamInterface<BrokenRegistry> {};

TEST_P(RegistryFailure, UnreadableRegistryIsKeptAndNamedInTheMessage) {
    writeBytes("Qvleague.DAT", GetParam().text);
    EXPECT_FALSE(store::LoadLeagueRegistry(*m_data, m_dialogs).ok);
    platform::Message expected = kRegistryLoadFailed;
    expected.text += "\r\nThe unreadable file was kept as \"Qvleague.DAT.unreadable\".";
    EXPECT_EQ(m_dialogs.takeMessages(), std::vector<platform::Message>{expected});
    EXPECT_EQ(readBytes("Qvleague.DAT.unreadable"), GetParam().text);
    EXPECT_EQ(m_data->registry.leagueCount, GetParam().leagueCount);
    EXPECT_EQ(settings().hcpFactor, 0.96f);
}

INSTANTIATE_TEST_SUITE_P(Files, RegistryFailure,
                         ::testing::Values(BrokenRegistry{"SixteenLeagues", " 16 \r\n", 0},
                                           BrokenRegistry{"NegativeLeagueCount", "-1 \r\n", 0},
                                           BrokenRegistry{"EndsAfterTheNames", " 2 \r\nFall\r\nSpring\r\n", 2},
                                           BrokenRegistry{"FactorNotANumber", " 0 \r\nabc\r\nArial\r\n", 0}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(SettingsTest, FailedRegistrySaveShowsTheMessageWithoutIcon) {
    fs::create_directory("Qvleague.DAT");
    EXPECT_FALSE(store::SaveLeagueRegistry(*m_data, m_dialogs));
    platform::Message failed{"Cannot Write Qvleague.DAT, Please check disk write protect.", "Quorval",
                             platform::Buttons::Ok, platform::Icon::None};
    EXPECT_EQ(m_dialogs.takeMessages(), std::vector<platform::Message>{failed});
}

class TypedFactor : public ::testing::TestWithParam<std::pair<float, float>> {};

TEST_P(TypedFactor, FactorOutsideOneHalfToOnePointOneBecomesTheDefault) {
    EXPECT_EQ(store::ValidHcpFactor(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Factors, TypedFactor,
                         ::testing::Values(std::pair{1.2f, 0.96f}, std::pair{0.0f, 0.96f}, std::pair{0.49f, 0.96f},
                                           std::pair{0.5f, 0.5f}, std::pair{1.1f, 1.1f}, std::pair{0.9f, 0.9f}));
