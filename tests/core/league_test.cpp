#include "league/leagues.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "scripteddialogs.hpp"
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

    // A league file with one player, Ann.
    void writeLeague(const std::string& file) {
        auto league = std::make_unique<store::LeagueData>();
        league->playerCount = 1;
        league->players[1].name = "Ann";
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

// "FALL" is a new name but would name the same file as "Fall": either could delete the other.
TEST_F(LeagueTest, CreateWritesAnEmptyLeagueAndRegistersItRefusingNamesThatClash) {
    registerLeagues({"Fall"});
    data.playerCount = 1;
    EXPECT_EQ(create("FALL"), CreateOutcome::Created);
    EXPECT_EQ(std::tuple(data.playerCount, data.leagueFileName), std::tuple(0, "FALL.LGE"));
    EXPECT_EQ(readBytes("FALL.LGE"), store::FormatLeague(*std::make_unique<store::LeagueData>()));
    EXPECT_EQ(onDisk(), "FALL.LGE | Fall FALL @0");
    registerLeagues({"Fall"});
    const char* const refused[] = {"Fall", "fall", "Fall\\Men", "../Fall", ".", "   "};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(create(refused[k]), CreateOutcome::Refused) << refused[k];
        EXPECT_EQ(dialogs.takeMessages(), told(k < 2 ? "That name is already in use." : "Illegal Name for file"));
    }
}

TEST_F(LeagueTest, CreateKeepsALeagueFileAlreadyOnDiskAndTheOpenLeague) {
    registerLeagues({"Spring"});
    writeLeague("fall.lge");
    std::string before = readBytes("fall.lge");
    data.leagueFileName = "Spring.LGE";
    EXPECT_EQ(create("Fall"), CreateOutcome::RegisteredExisting);
    EXPECT_NE(dialogs.takeMessages().at(0).text.find("Fall.LGE"), std::string::npos);
    EXPECT_EQ(readBytes("fall.lge"), before);
    EXPECT_EQ(onDisk(), "fall.lge | Spring Fall @0");
    EXPECT_EQ(data.leagueFileName, "Spring.LGE");
}

// The last match of any case goes, with its team file even when no player is on a team, and its
// side files.
TEST_F(LeagueTest, DeleteAsksThenRemovesTheLeagueAndItsTeamFile) {
    registerLeagues({"Spring", "Fall", "Summer", "SPRING"}, 2);
    writeLeague("SPRING.LGE");
    auto teams = std::make_unique<store::LeagueData>();
    teams->playerCount = teams->teams.teamCount = 1;
    writeBytes("SPRING.TEA", store::FormatTeams(*teams));
    for (const char* side : {"SPRING.cfg", "SPRING.hix", "SPRING.sch"}) writeBytes(side, "");
    EXPECT_EQ(remove("spring", platform::Answer::No), DeleteOutcome::Kept);
    EXPECT_EQ(onDisk(), "SPRING.LGE SPRING.TEA SPRING.cfg SPRING.hix SPRING.sch | none");
    data.leagueFileName = "SPRING.LGE";  // the league open in the main window
    EXPECT_EQ(remove("spring", platform::Answer::Yes), DeleteOutcome::Deleted);
    EXPECT_EQ(dialogs.takeMessages(), (Messages{kDeleteQuestion, kDeleteQuestion}));
    EXPECT_EQ(onDisk(), "| Spring Fall Summer @2");  // the current item's position is left as it was
    EXPECT_TRUE(data.leagueFileName.empty());
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
    writeLeague("Spring.LGE");
    data.teams.teamCount = 2;
    data.players[1].team = 2;
    EXPECT_EQ(league::OpenLeague(data, dialogs, 1), OpenOutcome::Opened);
    EXPECT_EQ(std::tuple(data.leagueFileName, data.players[1].name, data.teams.teamCount, data.players[1].team),
              std::tuple("Spring.LGE", "Ann", 0, 0));
    EXPECT_EQ(dialogs.busyNotes(), Names{"Processing, please wait..."});
    EXPECT_EQ(onDisk(), "Spring.LGE | Fall Spring @1");
    // 2: one past the last league.
    data.leagueFileName = "Open.LGE";
    EXPECT_EQ(league::OpenLeague(data, dialogs, 2), OpenOutcome::NoSuchLeague);
    EXPECT_EQ(std::tuple(data.leagueFileName, dialogs.beeps()), std::tuple("Open.LGE", 1));
    EXPECT_EQ(dialogs.takeMessages().size(), 2u);  // the beep says why
}

}  // namespace
