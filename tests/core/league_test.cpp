#include "league/leagues.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "scripteddialogs.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using league::CreateOutcome;
using league::DeleteOutcome;
using league::OpenOutcome;
using quorval::testing::readBytes;
using quorval::testing::ScriptedDialogs;
using quorval::testing::TempWorkDir;
using quorval::testing::writeBytes;

namespace {

const platform::Message kDeleteQuestion{
    "Are you sure you want to Delete the selected\r\n\r\nLeague File and it's Team point data file?\r\n\r\n\r\n"
    "    CONTINUE?    Select 'NO' to Exit",
    "Quorval", platform::Buttons::YesNo, platform::Icon::Critical, 2};

platform::Message told(const std::string& text) {
    return {text, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation};
}

class LeagueTest : public ::testing::Test {
protected:
    store::LeagueData& data() { return *m_data; }

    void registerLeagues(const std::vector<std::string>& names, int current = 0) {
        data().registry.leagueCount = static_cast<int16_t>(names.size());
        for (size_t k = 0; k < names.size(); ++k) data().registry.leagueFiles[k + 1] = names[k];
        data().registry.currentLeague = static_cast<int16_t>(current);
    }

    // The league list as the next start would read it.
    std::vector<std::string> registryOnDisk(int* current = nullptr) {
        auto fresh = std::make_unique<store::LeagueData>();
        EXPECT_TRUE(store::ParseRegistry(*fresh, readBytes(store::kRegistryFileName)).ok);
        if (current) *current = fresh->registry.currentLeague;
        return league::LeagueMenuCaptions(*fresh);
    }

    // A league file with one player called `player`.
    void writeLeague(const std::string& file, const std::string& player) {
        auto league = std::make_unique<store::LeagueData>();
        league->playerCount = 1;
        league->players[1].name = player;
        writeBytes(file, store::FormatLeague(*league));
    }

    TempWorkDir m_dir;
    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    ScriptedDialogs m_dialogs;
};

}  // namespace

TEST_F(LeagueTest, MenuShowsTheRegistryInSlotOrder) {
    EXPECT_EQ(league::LeagueMenuCaptions(data()), std::vector<std::string>{"No Entries"});
    registerLeagues({"Fall", "Spring"});
    EXPECT_EQ(league::LeagueMenuCaptions(data()), (std::vector<std::string>{"Fall", "Spring"}));
}

TEST_F(LeagueTest, NameBoxKeepsBackspaceSpaceAndDigitsUpward) {
    for (char32_t c : {U'\b', U' ', U'0', U'9', U'A', U'z', U'_', U'\u00e9'}) {
        EXPECT_TRUE(league::LeagueNameKeyAccepted(c)) << static_cast<int>(c);
    }
    for (char32_t c : {U'.', U'-', U'/', U'"', U'\'', U'\t', U'\r', U'!', U'\x1b'}) {
        EXPECT_FALSE(league::LeagueNameKeyAccepted(c)) << static_cast<int>(c);
    }
}

TEST_F(LeagueTest, CreateWritesAnEmptyLeagueAndRegistersIt) {
    registerLeagues({"Fall"});
    data().playerCount = 2;
    data().players[1].name = "Ann";
    EXPECT_EQ(league::CreateLeague(data(), m_dialogs, "Tuesday Men"), CreateOutcome::Created);

    EXPECT_EQ(data().playerCount, 0);
    EXPECT_EQ(data().leagueFileName, "Tuesday Men.LGE");
    auto empty = std::make_unique<store::LeagueData>();
    EXPECT_EQ(readBytes("Tuesday Men.LGE"), store::FormatLeague(*empty));
    EXPECT_EQ(registryOnDisk(), (std::vector<std::string>{"Fall", "Tuesday Men"}));
    EXPECT_EQ(m_dialogs.busyDepth(), 0);
}

TEST_F(LeagueTest, CreateComparesKnownNamesWithCase) {
    registerLeagues({"Fall"});
    EXPECT_EQ(league::CreateLeague(data(), m_dialogs, "Fall"), CreateOutcome::Refused);
    EXPECT_EQ(m_dialogs.takeMessages(), std::vector<platform::Message>{told("That name is already in use.")});
    EXPECT_TRUE(fs::is_empty(m_dir.path()));

    EXPECT_EQ(league::CreateLeague(data(), m_dialogs, "FALL"), CreateOutcome::Created);
    EXPECT_TRUE(fs::exists("FALL.LGE"));
    EXPECT_EQ(registryOnDisk(), (std::vector<std::string>{"Fall", "FALL"}));
}

TEST_F(LeagueTest, CreateRefusesACaseVariantOfAKnownLeagueWhoseFileExists) {
    // "FALL" would name the same file as "Fall": a second entry would let either delete the other.
    registerLeagues({"Fall"});
    writeLeague("Fall.LGE", "Ann");
    std::string before = readBytes("Fall.LGE");
    EXPECT_EQ(league::CreateLeague(data(), m_dialogs, "FALL"), CreateOutcome::Refused);
    EXPECT_EQ(m_dialogs.takeMessages(), std::vector<platform::Message>{told("That name is already in use.")});
    EXPECT_EQ(readBytes("Fall.LGE"), before);
    EXPECT_EQ(data().registry.leagueCount, 1);
}

class LeagueIllegalName : public LeagueTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(LeagueIllegalName, IsRefusedAndNothingIsWritten) {
    registerLeagues({"Fall"});
    EXPECT_EQ(league::CreateLeague(data(), m_dialogs, GetParam()), CreateOutcome::Refused);
    EXPECT_EQ(m_dialogs.takeMessages(), std::vector<platform::Message>{told("Illegal Name for file")});
    EXPECT_EQ(data().registry.leagueCount, 1);
    EXPECT_TRUE(fs::is_empty(m_dir.path()));
}

INSTANTIATE_TEST_SUITE_P(LeagueNames, LeagueIllegalName,
                         ::testing::Values("Fall\\Men", "Fall;Men", "C:Fall", "../Fall", "Fall/Men", ".", "..", " . ",
                                           "   "));

TEST_F(LeagueTest, CreateKeepsALeagueFileAlreadyOnDisk) {
    registerLeagues({"Spring"});
    writeLeague("fall.lge", "Ann");
    std::string before = readBytes("fall.lge");
    data().leagueFileName = "Spring.LGE";
    data().playerCount = 3;

    EXPECT_EQ(league::CreateLeague(data(), m_dialogs, "Fall"), CreateOutcome::RegisteredExisting);
    auto shown = m_dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, platform::Icon::Information);
    EXPECT_EQ(shown[0].title, "Quorval");
    EXPECT_NE(shown[0].text.find("Fall.LGE"), std::string::npos) << shown[0].text;

    EXPECT_EQ(readBytes("fall.lge"), before);
    EXPECT_FALSE(fs::exists("Fall.LGE"));
    EXPECT_EQ(registryOnDisk(), (std::vector<std::string>{"Spring", "Fall"}));
    // The open league is not touched.
    EXPECT_EQ(data().leagueFileName, "Spring.LGE");
    EXPECT_EQ(data().playerCount, 3);
}

TEST_F(LeagueTest, CreateRefusesASixteenthLeague) {
    std::vector<std::string> names;
    for (int k = 1; k <= store::kMaxLeagues; ++k) names.push_back("L" + std::to_string(k));
    registerLeagues(names);
    EXPECT_EQ(league::CreateLeague(data(), m_dialogs, "One Too Many"), CreateOutcome::Refused);
    auto shown = m_dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(data().registry.leagueCount, store::kMaxLeagues);
    EXPECT_EQ(league::LeagueMenuCaptions(data()), names);
    EXPECT_TRUE(fs::is_empty(m_dir.path()));
}

TEST_F(LeagueTest, DeleteAsksAndKeepsEverythingOnNo) {
    registerLeagues({"Fall", "Spring"});
    writeLeague("Fall.LGE", "Ann");
    m_dialogs.answer(platform::Answer::No);
    EXPECT_EQ(league::DeleteLeague(data(), m_dialogs, "Fall"), DeleteOutcome::Kept);
    EXPECT_EQ(m_dialogs.takeMessages(), std::vector<platform::Message>{kDeleteQuestion});
    EXPECT_TRUE(fs::exists("Fall.LGE"));
    EXPECT_FALSE(fs::exists(store::kRegistryFileName));
    EXPECT_EQ(league::LeagueMenuCaptions(data()), (std::vector<std::string>{"Fall", "Spring"}));
}

// A team file goes with its league whether or not any player is on a team yet.
class LeagueDeleteTeams : public LeagueTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LeagueDeleteTeams, RemovesTheLeagueAndItsTeamFile) {
    registerLeagues({"Fall", "Spring", "Summer"}, 2);
    writeLeague("Spring.LGE", "Ann");
    auto teams = std::make_unique<store::LeagueData>();
    teams->playerCount = 1;
    teams->teams.teamCount = 1;
    teams->teams.teamNames[1] = "Eagles";
    teams->players[1].team = GetParam() ? 1 : 0;
    writeBytes("Spring.TEA", store::FormatTeams(*teams));
    data().playerCount = 1;  // the league open in the main window

    m_dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(league::DeleteLeague(data(), m_dialogs, "Spring"), DeleteOutcome::Deleted);
    EXPECT_EQ(m_dialogs.takeMessages(), std::vector<platform::Message>{kDeleteQuestion});
    EXPECT_FALSE(fs::exists("Spring.LGE"));
    EXPECT_FALSE(fs::exists("Spring.TEA"));
    EXPECT_TRUE(data().leagueFileName.empty());
    EXPECT_EQ(data().registry.leagueFiles[3], "");
    int current = -1;
    EXPECT_EQ(registryOnDisk(&current), (std::vector<std::string>{"Fall", "Summer"}));
    EXPECT_EQ(current, 2);  // an item position, left as it was
}

INSTANTIATE_TEST_SUITE_P(LeaguePlayersOnTeams, LeagueDeleteTeams, ::testing::Bool());

TEST_F(LeagueTest, DeleteIgnoresCaseAndTakesTheLastMatch) {
    registerLeagues({"Fall", "Spring", "FALL"});
    writeLeague("Fall.LGE", "Ann");
    writeLeague("FALL.LGE", "Bob");
    m_dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(league::DeleteLeague(data(), m_dialogs, "fall"), DeleteOutcome::Deleted);
    m_dialogs.takeMessages();
    EXPECT_EQ(registryOnDisk(), (std::vector<std::string>{"Fall", "Spring"}));
    EXPECT_TRUE(fs::exists("Fall.LGE"));
    EXPECT_FALSE(fs::exists("FALL.LGE"));
}

TEST_F(LeagueTest, EmptyOrUnknownNamesChangeNothing) {
    registerLeagues({"Fall"});
    EXPECT_EQ(league::CreateLeague(data(), m_dialogs, ""), CreateOutcome::Ignored);
    EXPECT_EQ(league::DeleteLeague(data(), m_dialogs, ""), DeleteOutcome::Beeped);
    EXPECT_EQ(m_dialogs.beeps(), 1);
    EXPECT_EQ(m_dialogs.takeMessages().size(), 1u);  // the beep says why
    EXPECT_EQ(league::DeleteLeague(data(), m_dialogs, "Winter"), DeleteOutcome::NotKnown);
    EXPECT_EQ(m_dialogs.takeMessages(), std::vector<platform::Message>{told("That name is not on the active list.")});
    EXPECT_TRUE(fs::is_empty(m_dir.path()));
    EXPECT_EQ(data().registry.leagueCount, 1);
}

TEST_F(LeagueTest, DeletingTheOnlyLeagueLeavesNoEntries) {
    registerLeagues({"Fall"});
    m_dialogs.answer(platform::Answer::Yes);  // no file on disk: nothing to remove
    EXPECT_EQ(league::DeleteLeague(data(), m_dialogs, "Fall"), DeleteOutcome::Deleted);
    m_dialogs.takeMessages();
    EXPECT_EQ(data().registry.leagueCount, 0);
    EXPECT_EQ(registryOnDisk(), std::vector<std::string>{"No Entries"});
}

TEST_F(LeagueTest, UndeletableFileIsReportedAfterTheRegistryChanged) {
    registerLeagues({"Fall"});
    fs::create_directories("Fall.LGE/inside");  // a folder that cannot be removed as a file
    m_dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(league::DeleteLeague(data(), m_dialogs, "Fall"), DeleteOutcome::FileRemains);
    auto shown = m_dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], kDeleteQuestion);
    EXPECT_EQ(shown[1], told("The file Fall.LGE could not be Deleted from disk."));
    EXPECT_EQ(registryOnDisk(), std::vector<std::string>{"No Entries"});
}

TEST_F(LeagueTest, OpenLoadsTheLeagueAndCoursesAndRemembersIt) {
    registerLeagues({"Fall", "Spring"}, 0);
    writeLeague("Spring.LGE", "Ann");
    auto courses = std::make_unique<store::LeagueData>();
    courses->courseCount = 1;
    courses->courses[1][store::course_field::kName] = "Pine Barrens";
    writeBytes(store::kCourseFileName, store::FormatCourses(*courses));
    data().teams.teamCount = 2;
    data().teams.teamsInUse = 1;
    data().players[1].team = 2;

    EXPECT_EQ(league::OpenLeague(data(), m_dialogs, 1), OpenOutcome::Opened);
    EXPECT_EQ(data().leagueFileName, "Spring.LGE");
    EXPECT_EQ(data().playerCount, 1);
    EXPECT_EQ(data().players[1].name, "Ann");
    EXPECT_EQ(data().courses[1][store::course_field::kName], "Pine Barrens");
    EXPECT_EQ(data().teams.teamCount, 0);
    EXPECT_EQ(data().teams.teamsInUse, 0);
    EXPECT_EQ(data().players[1].team, 0);
    EXPECT_EQ(m_dialogs.busyNotes(), std::vector<std::string>{"Processing, please wait..."});
    EXPECT_EQ(data().registry.currentLeague, 1);
    int current = -1;
    EXPECT_EQ(registryOnDisk(&current), (std::vector<std::string>{"Fall", "Spring"}));
    EXPECT_EQ(current, 1);
}

TEST_F(LeagueTest, OpeningTheCurrentLeagueLeavesTheRegistryAlone) {
    registerLeagues({"Fall", "Spring"}, 1);
    writeLeague("Spring.LGE", "Ann");
    writeBytes(store::kCourseFileName, store::FormatCourses(data()));
    EXPECT_EQ(league::OpenLeague(data(), m_dialogs, 1), OpenOutcome::Opened);
    EXPECT_EQ(data().players[1].name, "Ann");
    EXPECT_FALSE(fs::exists(store::kRegistryFileName));
}

class LeagueOpenNothing : public LeagueTest, public ::testing::WithParamInterface<int> {};

TEST_P(LeagueOpenNothing, BeepsSaysWhyAndChangesNothing) {
    int known = GetParam() >= 0 ? 2 : 0;  // item 0 with no leagues at all when negative
    int item = GetParam() >= 0 ? GetParam() : 0;
    registerLeagues(known ? std::vector<std::string>{"Fall", "Spring"} : std::vector<std::string>{}, 0);
    writeLeague("Fall.LGE", "Ann");
    data().leagueFileName = "Open.LGE";
    data().teams.teamCount = 2;
    EXPECT_EQ(league::OpenLeague(data(), m_dialogs, item), OpenOutcome::NoSuchLeague);
    EXPECT_EQ(m_dialogs.beeps(), 1);
    EXPECT_EQ(m_dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(data().leagueFileName, "Open.LGE");
    EXPECT_EQ(data().teams.teamCount, 2);
    EXPECT_EQ(data().registry.currentLeague, 0);
    EXPECT_FALSE(fs::exists(store::kRegistryFileName));
}

// 2: one past the last league; 15: a stale item; -1: no leagues known.
INSTANTIATE_TEST_SUITE_P(LeagueItems, LeagueOpenNothing, ::testing::Values(2, 15, -1));
