#include "league/leagues.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

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
using quorval::testing::writeBytes;
using Names = std::vector<std::string>;
using Messages = std::vector<platform::Message>;

namespace {

const platform::Message kDeleteQuestion{
    "Are you sure you want to Delete the selected\r\n\r\nLeague File and it's Team point data file?\r\n\r\n\r\n"
    "    CONTINUE?    Select 'NO' to Exit",
    "Quorval", platform::Buttons::YesNo, platform::Icon::Critical, 2};

Messages told(const std::string& text) {
    return {{text, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation}};
}

class LeagueTest : public ::testing::Test {
protected:
    void registerLeagues(const Names& names, int current = 0) {
        data.registry.leagueCount = static_cast<int16_t>(names.size());
        for (size_t k = 0; k < names.size(); ++k) data.registry.leagueFiles[k + 1] = names[k];
        data.registry.currentLeague = static_cast<int16_t>(current);
    }

    // The other files of the folder, then the league list and current item the next start reads.
    std::string onDisk() {
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(".")) files.insert(entry.path().filename().string());
        std::string out;
        for (const std::string& file : files) out += file == store::kRegistryFileName ? "" : file + " ";
        if (!files.count(store::kRegistryFileName)) return out + "| none";
        auto fresh = std::make_unique<store::LeagueData>();
        EXPECT_TRUE(store::ParseRegistry(*fresh, readBytes(store::kRegistryFileName)).ok);
        out += "|";
        for (const std::string& caption : league::LeagueMenuCaptions(*fresh)) out += " " + caption;
        return out + " @" + std::to_string(fresh->registry.currentLeague);
    }

    // A league file with one player called `player`.
    void writeLeague(const std::string& file, const std::string& player) {
        auto league = std::make_unique<store::LeagueData>();
        league->playerCount = 1;
        league->players[1].name = player;
        writeBytes(file, store::FormatLeague(*league));
    }

    CreateOutcome create(const std::string& name) { return league::CreateLeague(data, dialogs, name); }
    DeleteOutcome remove(const std::string& name, platform::Answer answer) {
        dialogs.answer(answer);
        return league::DeleteLeague(data, dialogs, name);
    }

    quorval::testing::TempWorkDir dir;
    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    quorval::testing::ScriptedDialogs dialogs;
};

TEST_F(LeagueTest, NameBoxKeepsBackspaceSpaceAndDigitsUpward) {
    for (char32_t c : {U'\b', U' ', U'0', U'z', U'_', U'\u00e9'})
        EXPECT_TRUE(league::LeagueNameKeyAccepted(c)) << int(c);
    for (char32_t c : {U'.', U'-', U'/', U'\t', U'!'}) EXPECT_FALSE(league::LeagueNameKeyAccepted(c)) << int(c);
}

// "FALL" is a new name but would name the same file as "Fall": either could delete the other.
TEST_F(LeagueTest, CreateWritesAnEmptyLeagueAndRegistersItRefusingNamesThatClash) {
    EXPECT_EQ(league::LeagueMenuCaptions(data), Names{"No Entries"});
    registerLeagues({"Fall"});
    EXPECT_EQ(create("Fall"), CreateOutcome::Refused);
    EXPECT_EQ(dialogs.takeMessages(), told("That name is already in use."));
    data.players[1].name = "Ann";
    data.playerCount = 1;
    EXPECT_EQ(create("FALL"), CreateOutcome::Created);
    EXPECT_EQ(std::tuple(data.playerCount, data.leagueFileName), std::tuple(0, "FALL.LGE"));
    EXPECT_EQ(readBytes("FALL.LGE"), store::FormatLeague(*std::make_unique<store::LeagueData>()));
    EXPECT_EQ(onDisk(), "FALL.LGE | Fall FALL @0");
    EXPECT_EQ(dialogs.busyDepth(), 0);
    registerLeagues({"Fall"});
    EXPECT_EQ(create("fall"), CreateOutcome::Refused);
    EXPECT_EQ(dialogs.takeMessages(), told("That name is already in use."));
    for (const char* name : {"Fall\\Men", "C:Fall", "../Fall", ".", "   "}) {
        EXPECT_EQ(create(name), CreateOutcome::Refused) << name;
        EXPECT_EQ(dialogs.takeMessages(), told("Illegal Name for file"));
    }
    Names names;
    for (int k = 1; k <= store::kMaxLeagues; ++k) names.push_back("L" + std::to_string(k));
    registerLeagues(names);
    EXPECT_EQ(create("One Too Many"), CreateOutcome::Refused);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(league::LeagueMenuCaptions(data), names);
}

TEST_F(LeagueTest, CreateKeepsALeagueFileAlreadyOnDiskAndTheOpenLeague) {
    registerLeagues({"Spring"});
    writeLeague("fall.lge", "Ann");
    std::string before = readBytes("fall.lge");
    data.leagueFileName = "Spring.LGE";
    EXPECT_EQ(create("Fall"), CreateOutcome::RegisteredExisting);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, platform::Icon::Information);
    EXPECT_NE(shown[0].text.find("Fall.LGE"), std::string::npos) << shown[0].text;
    EXPECT_EQ(readBytes("fall.lge"), before);
    EXPECT_EQ(onDisk(), "fall.lge | Spring Fall @0");
    EXPECT_EQ(data.leagueFileName, "Spring.LGE");
}

// A team file goes with its league even when no player is on a team yet.
TEST_F(LeagueTest, DeleteAsksThenRemovesTheLeagueAndItsTeamFile) {
    registerLeagues({"Fall", "Spring", "Summer"}, 2);
    writeLeague("Spring.LGE", "Ann");
    auto teams = std::make_unique<store::LeagueData>();
    teams->playerCount = teams->teams.teamCount = 1;
    teams->teams.teamNames[1] = "Eagles";
    writeBytes("Spring.TEA", store::FormatTeams(*teams));
    EXPECT_EQ(remove("Spring", platform::Answer::No), DeleteOutcome::Kept);
    EXPECT_EQ(onDisk(), "Spring.LGE Spring.TEA | none");
    data.leagueFileName = "Spring.LGE";  // the league open in the main window
    EXPECT_EQ(remove("Spring", platform::Answer::Yes), DeleteOutcome::Deleted);
    EXPECT_EQ(dialogs.takeMessages(), (Messages{kDeleteQuestion, kDeleteQuestion}));
    EXPECT_EQ(onDisk(), "| Fall Summer @2");  // the current item's position is left as it was
    EXPECT_TRUE(data.leagueFileName.empty());
    EXPECT_EQ(data.registry.leagueFiles[3], "");
}

TEST_F(LeagueTest, DeleteIgnoresCaseAndTakesTheLastMatch) {
    registerLeagues({"Fall", "Spring", "FALL"});
    writeLeague("Fall.LGE", "Ann");
    writeLeague("FALL.LGE", "Bob");
    EXPECT_EQ(remove("fall", platform::Answer::Yes), DeleteOutcome::Deleted);
    EXPECT_EQ(dialogs.takeMessages(), Messages{kDeleteQuestion});
    EXPECT_EQ(onDisk(), "Fall.LGE | Fall Spring @0");
}

TEST_F(LeagueTest, EmptyOrUnknownNamesChangeNothing) {
    registerLeagues({"Fall"});
    EXPECT_EQ(create(""), CreateOutcome::Ignored);
    EXPECT_EQ(league::DeleteLeague(data, dialogs, ""), DeleteOutcome::Beeped);
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);  // the beep says why
    EXPECT_EQ(league::DeleteLeague(data, dialogs, "Winter"), DeleteOutcome::NotKnown);
    EXPECT_EQ(dialogs.takeMessages(), told("That name is not on the active list."));
    EXPECT_EQ(onDisk(), "| none");
}

TEST_F(LeagueTest, DeletingTheOnlyLeagueLeavesNoEntriesAndAnUndeletableFileIsReported) {
    registerLeagues({"Fall"});
    fs::create_directories("Fall.LGE/inside");  // a folder that cannot be removed as a file
    EXPECT_EQ(remove("Fall", platform::Answer::Yes), DeleteOutcome::FileRemains);
    EXPECT_EQ(dialogs.takeMessages(),
              (Messages{kDeleteQuestion, told("The file Fall.LGE could not be Deleted from disk.")[0]}));
    EXPECT_EQ(onDisk(), "Fall.LGE | No Entries @0");
}

TEST_F(LeagueTest, OpenLoadsTheLeagueAndCoursesAndRemembersIt) {
    registerLeagues({"Fall", "Spring"}, 0);
    writeLeague("Spring.LGE", "Ann");
    auto courses = std::make_unique<store::LeagueData>();
    courses->courseCount = 1;
    courses->courses[1][store::course_field::kName] = "Pine Barrens";
    writeBytes(store::kCourseFileName, store::FormatCourses(*courses));
    data.teams.teamCount = 2;
    data.players[1].team = 2;
    EXPECT_EQ(league::OpenLeague(data, dialogs, 1), OpenOutcome::Opened);
    EXPECT_EQ(std::tuple(data.leagueFileName, data.playerCount, data.players[1].name),
              std::tuple("Spring.LGE", 1, "Ann"));
    EXPECT_EQ(data.courses[1][store::course_field::kName], "Pine Barrens");
    EXPECT_EQ(std::tuple(data.teams.teamCount, data.players[1].team), std::tuple(0, 0));
    EXPECT_EQ(dialogs.busyNotes(), Names{"Processing, please wait..."});
    EXPECT_EQ(onDisk(), "Spring.LGE course.dat | Fall Spring @1");
}

// 2: one past the last league; 15: a stale item.
TEST_F(LeagueTest, OpeningNoLeagueBeepsSaysWhyAndChangesNothing) {
    writeLeague("Fall.LGE", "Ann");
    for (int item : {2, 15}) {
        registerLeagues(Names{"Fall", "Spring"}, 0);
        data.leagueFileName = "Open.LGE";
        EXPECT_EQ(league::OpenLeague(data, dialogs, item), OpenOutcome::NoSuchLeague) << item;
        EXPECT_EQ(dialogs.takeMessages().size(), 1u);
        EXPECT_EQ(std::tuple(data.leagueFileName, data.registry.currentLeague), std::tuple("Open.LGE", 0));
        EXPECT_EQ(onDisk(), "Fall.LGE | none");
    }
    EXPECT_EQ(dialogs.beeps(), 2);
}

}  // namespace
