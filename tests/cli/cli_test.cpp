// The command-line tool end to end: real files in a temporary folder, the real executable.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "fullleague.hpp"
#include "listing/listing.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace quorval {
namespace {

using testing::readBytes;
using testing::writeBytes;

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun runCli(const std::string& args) {
    std::string command = std::string(QUORVAL_CLI) + " " + args + " >cli.out 2>cli.err";
    int status = std::system(command.c_str());
    CliRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes("cli.out"), readBytes("cli.err")};
    std::remove("cli.out");
    std::remove("cli.err");
    return run;
}

// A folder as the program leaves it: registry, courses, one league with teams.
class CliFolder : public ::testing::Test {
protected:
    void SetUp() override {
        samples::FillRandomLeague(*data, 11, 6);
        data->leagueFileName = "Fall.LGE";
        data->registry.leagueCount = 1;
        data->registry.leagueFiles[1] = "Fall";
        writeBytes("Qvleague.DAT", store::FormatRegistry(*data));
        writeBytes("course.dat", store::FormatCourses(*data));
        writeBytes("Fall.LGE", store::FormatLeague(*data));
        writeBytes("Fall.tea", store::FormatTeams(*data));
    }

    testing::TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST_F(CliFolder, CheckPassesQuietlyOnAFolderTheProgramWrote) {
    CliRun run = runCli("check");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST_F(CliFolder, CheckNamesEachBrokenFileWithItsProblemAndTheMessageGoesToStderr) {
    std::string league = readBytes("Fall.LGE");
    writeBytes("Fall.LGE", league.substr(0, league.size() / 2));
    writeBytes("Fall.tea", " 1 \r\nOnly team\r\n 101 \r\n");
    CliRun run = runCli("check");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("Fall.LGE: line "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("the file ends early"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Fall.tea: line 3: team number 101 is outside 0..100"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("Unable to load league file, please check the"), std::string::npos) << run.err;
}

TEST_F(CliFolder, CheckReportsMissingRegistryAndCourseFile) {
    std::remove("Qvleague.DAT");
    std::remove("course.dat");
    CliRun run = runCli("check");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out,
              "Qvleague.DAT: the file does not exist\n"
              "course.dat: the file does not exist\n");
}

TEST_F(CliFolder, DirectoryOptionAndUsageErrors) {
    std::filesystem::create_directory("sub");
    std::filesystem::rename("Qvleague.DAT", "sub/Qvleague.DAT");
    std::filesystem::rename("course.dat", "sub/course.dat");
    std::filesystem::rename("Fall.LGE", "sub/Fall.LGE");
    EXPECT_EQ(runCli("-C sub check").exitCode, 0);
    EXPECT_EQ(runCli("").exitCode, 2);
    EXPECT_EQ(runCli("frobnicate").exitCode, 2);
    EXPECT_EQ(runCli("check extra").exitCode, 2);
    EXPECT_EQ(runCli("resave").exitCode, 2);
    EXPECT_EQ(runCli("-C no-such-folder check").exitCode, 2);
}

TEST_F(CliFolder, ResaveConvertsALegacyLeagueToTheCurrentLayout) {
    // Two players without rounds in the old layout: count, then per player name, tee, count and
    // 20 rounds of 7 values and 20 scores.
    std::string legacy = " 2 \r\n";
    for (const char* name : {"Ann, \"Shorty\"", "Bob"}) {
        legacy += std::string(name) + "\r\n 2 \r\n 0 \r\n";
        for (int line = 0; line < 20 * 27; ++line) legacy += " 0 \r\n";
    }
    writeBytes("Old.LGE", legacy);
    CliRun run = runCli("resave Old");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string written = readBytes("Old.LGE");
    EXPECT_EQ(written.substr(0, 13), " 3000 \r\n 2 \r\n");
    EXPECT_EQ(static_cast<size_t>(std::count(written.begin(), written.end(), '\n')), 2u + 2u * 1743u);
    auto loaded = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::ParseLeague(*loaded, written).ok);
    EXPECT_EQ(loaded->players[1].name, "Ann, \"Shorty\"");
}

TEST_F(CliFolder, ResaveOfAnUnreadableLeagueWritesNothingAndKeepsACopy) {
    std::string broken = readBytes("Fall.LGE").substr(0, 5000);
    writeBytes("Fall.LGE", broken);
    CliRun run = runCli("resave Fall");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(readBytes("Fall.LGE"), broken);
    EXPECT_EQ(readBytes("Fall.LGE.unreadable"), broken);
    EXPECT_NE(run.err.find("was not written"), std::string::npos);
}

// The listing printed by the tool is the listing the main window builds, row for row.
std::string expectedListing(store::LeagueData& data, listing::View view, int player, int step) {
    listing::Listing listing;
    listing.setView(view);
    if (view == listing::View::MostRecent) {
        listing::Listing::ShowLatestRounds(data);
        listing.ListMostRecent(data);
    } else if (view == listing::View::ByDate) {
        listing.ListByDate(data);
    } else {
        listing.ListPlayerRounds(data, player);
    }
    for (int k = 0; k < step; ++k) listing.SpinUp(data);
    for (int k = 0; k > step; --k) listing.SpinDown(data);
    std::string text;
    for (const auto& row : listing.rows()) text += row.name + "\t" + row.line + "\n";
    return text;
}

TEST_F(CliFolder, ListingPrintsEachViewAsTheWindowBuildsIt) {
    struct Case {
        const char* args;
        listing::View view;
        int player;
        int step;
    };
    for (const Case& c : {Case{"listing Fall", listing::View::MostRecent, 0, 0},
                          Case{"listing Fall --step -2", listing::View::MostRecent, 0, -2},
                          Case{"listing Fall --view date --step -1", listing::View::ByDate, 0, -1},
                          Case{"listing Fall --view player --player 3", listing::View::Individual, 3, 0}}) {
        CliRun run = runCli(c.args);
        ASSERT_EQ(run.exitCode, 0) << c.args << run.err;
        EXPECT_EQ(run.out, expectedListing(*data, c.view, c.player, c.step)) << c.args;
    }
}

TEST_F(CliFolder, ListingRefusesBadArguments) {
    EXPECT_EQ(runCli("listing").exitCode, 2);
    EXPECT_EQ(runCli("listing Fall --view sideways").exitCode, 2);
    EXPECT_EQ(runCli("listing Fall --step x").exitCode, 2);
    EXPECT_EQ(runCli("listing Fall --view player --player 99").exitCode, 1);
    EXPECT_EQ(runCli("listing Nowhere").exitCode, 1);
}

}  // namespace
}  // namespace quorval
