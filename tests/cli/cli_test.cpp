// The command-line tool end to end: real files in a temporary folder, the real executable.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <sstream>

#include "cli/commands.hpp"
#include "entry/posting.hpp"
#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "handicap/differential.hpp"
#include "handicap/handicapindex.hpp"
#include "listing/listing.hpp"
#include "postedleague.hpp"
#include "print/printfont.hpp"
#include "reports/listingreport.hpp"
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

// The tool reads its settings from ./config, never from the user's own configuration folder.
CliRun runCli(const std::string& args) {
    std::string command =
        "XDG_CONFIG_HOME=\"$PWD/config\" " + std::string(QUORVAL_CLI) + " " + args + " >cli.out 2>cli.err";
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

// A league made for posting: Ann (white tee, no rounds), Bob (white tee, three rounds, last
// course handicap 18) and Cy (no default tee); Pine Hills has every slope, Flat Acres no white one.
// The export is the main window's "Export Listing as Text" of the Most Recent view, to the byte,
// dated by the clock it is given.
TEST_F(CliFolder, ExportWritesTheListingTextAsTheWindowDoes) {
    testing::FixedClock clock;
    clock.date = {2027, 3, 9};
    testing::ScriptedDialogs dialogs;
    std::ostringstream out, err;
    auto loaded = std::make_unique<store::LeagueData>();
    cli::Context ctx{*loaded, dialogs, out, err, clock};
    ASSERT_EQ(cli::RunExport(ctx, {"Fall", "out"}), cli::kOk) << err.str();
    listing::Listing listing;
    listing::Listing::ShowLatestRounds(*data);
    listing.ListMostRecent(*data);
    EXPECT_EQ(readBytes("out.txt"), reports::shortprintfile(*data, listing.rows(), print::PrintDate(2027, 3, 9)));
    EXPECT_EQ(runCli("export Fall").exitCode, 2);
}

TEST_F(CliFolder, CsvHasAHeaderAndOneQuotedRowPerRound) {
    data->players[1].name = "Carl \"Chip\", Jr.";
    data->players[1].tee = store::kBlueTee;
    data->players[1].roundCount = 1;
    store::RoundRecord& round = data->players[1].rounds[1];
    round = store::RoundRecord{};
    round.month = 12, round.day = 31, round.year = 99, round.course = 2;
    round.differential = 12.5f, round.handicapIndex = 11.2f, round.courseHandicap = 13;
    for (int h = 1; h <= 18; ++h) round.score[h] = 4;
    round.score[store::kOutSlot] = round.score[store::kInSlot] = 36;
    data->courses[2][1] = "Pine, Hills";
    data->courses[2][29] = "PH";
    writeBytes("Fall.LGE", store::FormatLeague(*data));
    writeBytes("course.dat", store::FormatCourses(*data));

    CliRun run = runCli("csv Fall");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::vector<std::string> lines;
    for (size_t pos = 0; pos < run.out.size();) {
        size_t end = run.out.find("\r\n", pos);
        lines.push_back(run.out.substr(pos, end - pos));
        pos = end + 2;
    }
    int rounds = 0;
    for (int p = 1; p <= data->playerCount; ++p) rounds += data->players[p].roundCount;
    ASSERT_EQ(lines.size(), 1u + rounds);
    EXPECT_EQ(lines[0].substr(0, 99),
              "player,slot,date,course,initials,tee,out,in,total,differential,handicap_index,course_handicap,hole1");
    EXPECT_NE(lines[0].find(",hole18,putts1,"), std::string::npos);
    EXPECT_NE(lines[0].find(",green18"), std::string::npos);
    std::string holes;
    for (int h = 1; h <= 18; ++h) holes += ",4";
    EXPECT_EQ(lines[1], "\"Carl \"\"Chip\"\", Jr.\",1,1999-12-31,\"Pine, Hills\",PH,Blue,36,36,72,12.5,11.2,13" +
                            holes + std::string(54, ','));
}

// Two leagues of the same courses: Fall with posted rounds, Empty with no players.
class ImportFolder : public ::testing::Test {
protected:
    void SetUp() override {
        quorval::testing::FillPostedLeague(*data, 9);
        data->registry.leagueCount = 2;
        data->registry.leagueFiles[1] = "Fall";
        data->registry.leagueFiles[2] = "Empty";
        writeBytes("Qvleague.DAT", store::FormatRegistry(*data));
        writeBytes("course.dat", store::FormatCourses(*data));
        writeBytes("Fall.LGE", store::FormatLeague(*data));
        auto empty = std::make_unique<store::LeagueData>();
        writeBytes("Empty.LGE", store::FormatLeague(*empty));
    }

    testing::TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

TEST_F(ImportFolder, AnExportedLeagueImportsIntoAnEmptyOneWithTheSameListingAndIndexes) {
    CliRun csv = runCli("csv Fall");
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    writeBytes("rounds.csv", csv.out);
    CliRun imported = runCli("import Empty rounds.csv");
    ASSERT_EQ(imported.exitCode, 0) << imported.out << imported.err;
    EXPECT_EQ(imported.out, "40 of 40 rounds posted, 4 players added.\n");
    // The listing shows each player's current index: the same, even for the first player, whose
    // history was longer than the 20 rounds kept. Only his net may differ: it is worked out from the
    // round before, whose course handicap was built on rounds the league no longer holds.
    auto withoutHisNet = [](std::string text) {
        size_t line = text.find("\nEd, Jr. Long\t");
        size_t end = text.find('\n', line + 1);
        size_t net = text.rfind(' ', end);
        return line == std::string::npos ? text : text.erase(net, end - net);
    };
    for (const char* view : {"recent", "date"}) {
        std::string options = std::string(" --view ") + view;
        CliRun listed = runCli("listing Empty" + options);
        EXPECT_NE(listed.out.find("Ed, Jr. Long\t"), std::string::npos) << view;
        EXPECT_EQ(withoutHisNet(listed.out), withoutHisNet(runCli("listing Fall" + options).out)) << view;
    }
}

TEST_F(ImportFolder, BadRowsAreReportedAndNothingIsSavedUnlessTheGoodRowsAreKept) {
    std::string holes;
    for (int h = 1; h <= 18; ++h) holes += ";5";
    std::string headings = "player;date;course";
    for (int h = 1; h <= 18; ++h) headings += ";hole" + std::to_string(h);
    writeBytes("rounds.csv", headings + "\nNew Man;06/01/2025;Course 3" + holes + "\nNew Man;06/02/2025;Mars" + holes +
                                 "\nNew Man;2025-06-31;Course 3" + holes + "\n");
    std::string before = readBytes("Empty.LGE");
    for (const char* args : {"import Empty rounds.csv --dry-run", "import Empty rounds.csv"}) {
        CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 1) << args;
        EXPECT_NE(run.out.find("1 of 3 rounds posted, 1 player added."), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("line 3: there is no course \"Mars\""), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("line 4: the date \"2025-06-31\""), std::string::npos) << run.out;
        EXPECT_EQ(readBytes("Empty.LGE"), before) << args;
    }
    EXPECT_EQ(runCli("import Empty rounds.csv --keep-good-rows").exitCode, 1);
    auto league = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::ParseLeague(*league, readBytes("Empty.LGE")).ok);
    ASSERT_EQ(league->playerCount, 1);
    EXPECT_EQ(league->players[1].roundCount, 1);
    EXPECT_EQ(league->players[1].tee, store::kWhiteTee);
    // A clean file on a dry run: told it would work, still nothing saved.
    before = readBytes("Empty.LGE");
    writeBytes("good.csv", headings + "\nNew Man;06/01/2025;Course 3" + holes + "\n");
    CliRun dry = runCli("import Empty good.csv --dry-run");
    EXPECT_EQ(dry.exitCode, 0);
    EXPECT_EQ(readBytes("Empty.LGE"), before);
    EXPECT_EQ(runCli("import Empty").exitCode, 2);
}

class PostFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const int pars[18] = {4, 5, 3, 4, 4, 3, 4, 5, 4, 4, 3, 5, 4, 4, 3, 4, 5, 4};
        const char* ratings[3] = {"70.4", "70.1", "72.5"};
        const char* slopes[2][3] = {{"120", "125", "131"}, {"118", "", "129"}};
        data->courseCount = 2;
        for (int c = 1; c <= 2; ++c) {
            store::CourseRecord& course = data->courses[c];
            course[store::course_field::kName] = c == 1 ? "Pine Hills" : "Flat Acres";
            for (int h = 1; h <= 18; ++h) course[store::course_field::kHolePar0 + h] = std::to_string(pars[h - 1]);
            for (int t = 1; t <= 3; ++t) {
                course[store::course_field::kRating0 + t] = ratings[t - 1];
                course[store::course_field::kSlope0 + t] = slopes[c - 1][t - 1];
            }
        }
        data->playerCount = 3;
        const char* names[3] = {"Ann Smith", "Bob Jones", "Cy Young"};
        for (int p = 1; p <= 3; ++p) {
            data->players[p].name = names[p - 1];
            data->players[p].tee = static_cast<int16_t>(p < 3 ? store::kWhiteTee : store::kNoTee);
        }
        for (int gross : {95, 89, 92}) {
            entry::RoundEntry round;
            for (int h = 1; h <= 18; ++h) round.score[h] = static_cast<int16_t>(gross / 18 + (h <= gross % 18));
            for (int h = 1; h <= 18; ++h) {
                round.score[h <= 9 ? store::kOutSlot : store::kInSlot] += round.score[h];
                round.putts[h] = 2;
                round.fairway[h] = round.green[h] = 1;
            }
            round.putts[store::kOutSlot] = round.putts[store::kInSlot] = 18;
            entry::PostRound(*data, 2, round, {1, 5, gross % 28 + 1, 4}, 0);
        }
        writeFolder();
    }

    void writeFolder() {
        data->leagueFileName = "Fall.LGE";
        data->registry.leagueCount = 1;
        data->registry.leagueFiles[1] = "Fall";
        writeBytes("Qvleague.DAT", store::FormatRegistry(*data));
        writeBytes("course.dat", store::FormatCourses(*data));
        writeBytes("Fall.LGE", store::FormatLeague(*data));
    }

    void writeSettings(int equitable, int average = 0) {
        store::Settings settings;
        settings.equitableCheck = static_cast<int16_t>(equitable);
        settings.averageCheck = static_cast<int16_t>(average);
        std::filesystem::create_directories("config/quorval");
        writeBytes("config/quorval/qvl32.ini", store::FormatSettings(settings));
    }

    static std::unique_ptr<store::LeagueData> stored() {
        auto loaded = std::make_unique<store::LeagueData>();
        EXPECT_TRUE(store::ParseLeague(*loaded, readBytes("Fall.LGE")).ok);
        return loaded;
    }

    testing::TempWorkDir dir;
    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

// 85 as thirteen fives and five fours: out 45, in 40.
const std::string kScores85 = "5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4";
const std::string kZeros = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";

TEST_F(PostFolder, PostStoresTheRoundOnTheChosenTeeAndPrintsTheCalculation) {
    CliRun run = runCli("post Fall --player 1 --course 1 --date 06/15/04 --scores " + kScores85);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "Ann Smith\ndifferentials\n13.5\ntotal rounds = 1\n# of rounds used = 1\nAvg. = 13.5\n"
              "Hcp index = 12.9\n");
    ASSERT_EQ(runCli("post Fall --player 1 --course 1 --date 06/22/04 --tee 3 --scores " + kScores85).exitCode, 0);
    auto league = stored();
    const store::PlayerRecord& ann = league->players[1];
    ASSERT_EQ(ann.roundCount, 2);
    const store::RoundRecord& r = ann.rounds[1];
    EXPECT_EQ((std::array<int, 4>{r.month, r.day, r.year, r.course}), (std::array<int, 4>{6, 15, 4, 1}));
    EXPECT_EQ((std::array<int, 4>{r.score[1], r.score[18], r.score[19], r.score[20]}),
              (std::array<int, 4>{5, 4, 45, 40}));
    EXPECT_FLOAT_EQ(r.differential, 13.5f);
    EXPECT_FLOAT_EQ(r.handicapIndex, 12.9f);
    EXPECT_FLOAT_EQ(r.courseHandicap, 14.0f);
    EXPECT_EQ(r.fairway, store::HoleValues{});
    EXPECT_EQ(r.putts, store::HoleValues{});
    EXPECT_FLOAT_EQ(ann.rounds[2].differential, 10.8f);  // blue: 72.5 / 131
    EXPECT_FLOAT_EQ(ann.rounds[2].courseHandicap, 12.0f);
}

TEST_F(PostFolder, PostWithPerformanceDataStoresTicksAsTwoOrOneAndTheNineCounts) {
    std::string stats =
        " --putts 2,1,2,2,3,2,2,1,2,2,2,2,2,2,2,2,2,2 --fairways yynnnnnnnynnnnnnnn --greens nnnnnnnnynnnnnnnyy";
    CliRun run = runCli("post Fall --player 1 --course 1 --date 06/15/04 --scores " + kScores85 + stats);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    store::RoundRecord r = stored()->players[1].rounds[1];
    EXPECT_EQ((std::array<int, 5>{r.fairway[1], r.fairway[3], r.fairway[10], r.fairway[19], r.fairway[20]}),
              (std::array<int, 5>{2, 1, 2, 2, 1}));
    EXPECT_EQ((std::array<int, 4>{r.green[1], r.green[9], r.green[19], r.green[20]}), (std::array<int, 4>{1, 2, 1, 2}));
    EXPECT_EQ((std::array<int, 4>{r.putts[2], r.putts[5], r.putts[19], r.putts[20]}),
              (std::array<int, 4>{1, 3, 17, 18}));
    EXPECT_FLOAT_EQ(r.differential, 13.5f);
}

// Factor from the registry, averaging from the settings file: Bob's 22.5, 17.1 and 19.8 and the
// new 13.5 are all averaged and not reduced.
TEST_F(PostFolder, IndexUsesTheFactorOfTheRegistryAndTheAveragingOfTheSettingsFile) {
    data->settings.hcpFactor = 1.0f;
    writeFolder();
    writeSettings(0, 1);
    CliRun run = runCli("post Fall --player 2 --course 1 --date 07/01/04 --scores " + kScores85);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("differentials")), "Bob Jones\nHCP factor 1.00\n");
    EXPECT_NE(run.out.find("# of rounds used = 4\n"), std::string::npos) << run.out;
    EXPECT_FLOAT_EQ(stored()->players[2].rounds[4].handicapIndex, 18.2f);
}

struct NineCase {
    const char* name;
    int option;
    std::string args;
    int out, in;
    float differential;
};

class PostNineFolder : public PostFolder, public ::testing::WithParamInterface<NineCase> {};

// Typed nine totals win over the holes; the nine-hole option comes from the league registry.
TEST_P(PostNineFolder, NineTotalsAndNineHoleOption) {
    const NineCase& c = GetParam();
    data->settings.nineHoleOption = static_cast<int16_t>(c.option);
    writeFolder();
    CliRun run = runCli("post Fall --player 1 --course 1 --date 06/15/04 " + c.args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    store::RoundRecord r = stored()->players[1].rounds[1];
    EXPECT_EQ(r.score[store::kOutSlot], c.out);
    EXPECT_EQ(r.score[store::kInSlot], c.in);
    EXPECT_FLOAT_EQ(r.differential, c.differential);
}

INSTANTIATE_TEST_SUITE_P(
    Nines, PostNineFolder,
    ::testing::Values(NineCase{"FrontTypedDoubled", 1, "--scores " + kZeros + " --out 42 --in 0", 42, 0, 12.6f},
                      NineCase{"FrontTypedHalfRating", 2, "--scores " + kZeros + " --out 42", 42, 0, 6.3f},
                      NineCase{"FrontHolesOnly", 1, "--scores 5,5,5,5,5,5,4,4,4,0,0,0,0,0,0,0,0,0", 42, 0, 12.6f},
                      NineCase{"TypedTotalsOverHoles", 1, "--scores " + kScores85 + " --out 44 --in 41", 44, 41,
                               13.5f}),
    [](const auto& info) { return std::string(info.param.name); });

struct EquitableCase {
    const char* name;
    int setting;
    const char* edit;
    int hole1, out;
};

class PostEquitableFolder : public PostFolder, public ::testing::WithParamInterface<EquitableCase> {};

// Bob's last course handicap is 18: a 9 on the par-4 first counts 7 when the settings file turns
// the limits on, and the front nine drops with it; an edited round is never limited.
TEST_P(PostEquitableFolder, SettingsFileSwitchesTheLimitsForNewRounds) {
    const EquitableCase& c = GetParam();
    if (c.setting >= 0) writeSettings(c.setting);
    ASSERT_FLOAT_EQ(data->players[2].rounds[3].courseHandicap, 18.0f);
    CliRun run = runCli(std::string("post Fall --player 2 --course 1 --date 07/01/04 ") + c.edit +
                        " --scores 9,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto league = stored();
    const store::PlayerRecord& bob = league->players[2];
    const store::RoundRecord& r = bob.rounds[*c.edit ? 3 : 4];
    EXPECT_EQ(r.score[1], c.hole1);
    EXPECT_EQ(r.score[store::kOutSlot], c.out);
    EXPECT_EQ(r.score[store::kInSlot], 36);
}

INSTANTIATE_TEST_SUITE_P(Settings, PostEquitableFolder,
                         ::testing::Values(EquitableCase{"On", 5, "", 7, 39}, EquitableCase{"Off", 0, "", 9, 41},
                                           EquitableCase{"NoSettingsFile", -1, "", 9, 41},
                                           EquitableCase{"OnButEditing", 5, "--edit 3", 9, 41}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PostFolder, EditRewritesOnlyThatSlotAndKeepsItsDateCourseAndPerformanceData) {
    auto before = stored();
    CliRun run = runCli("post Fall --player 2 --course 2 --date 01/02/05 --edit 2 --scores " + kScores85);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("total rounds = 2\n"), std::string::npos) << run.out;
    auto league = stored();
    const store::PlayerRecord& bob = league->players[2];
    EXPECT_EQ(bob.roundCount, 3);
    EXPECT_EQ(bob.rounds[1], before->players[2].rounds[1]);
    EXPECT_EQ(bob.rounds[3], before->players[2].rounds[3]);
    const store::RoundRecord& r = bob.rounds[2];
    const store::RoundRecord& old = before->players[2].rounds[2];
    EXPECT_EQ((std::array<int, 4>{r.month, r.day, r.year, r.course}),
              (std::array<int, 4>{old.month, old.day, old.year, old.course}));
    EXPECT_EQ(r.score[store::kOutSlot], 45);
    EXPECT_EQ(r.putts, old.putts);
    EXPECT_EQ(r.fairway, old.fairway);
    EXPECT_FLOAT_EQ(r.differential, 13.5f);
    EXPECT_FLOAT_EQ(r.handicapIndex, 12.9f);
}

struct RefusalCase {
    const char* name;
    std::string args;
    const char* why;
};

class PostRefusalFolder : public PostFolder, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PostRefusalFolder, RefusedRoundSaysWhyAndLeavesTheFileAlone) {
    const RefusalCase& c = GetParam();
    std::string league = readBytes("Fall.LGE");
    CliRun run = runCli(c.args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(c.why), std::string::npos) << run.err;
    EXPECT_EQ(readBytes("Fall.LGE"), league);
}

const std::string kPost = "post Fall --course 1 --date 06/15/04 ";
const std::string kAnn85 = "post Fall --player 1 --scores " + kScores85 + " ";

INSTANTIATE_TEST_SUITE_P(
    Refusals, PostRefusalFolder,
    ::testing::Values(
        RefusalCase{"UnknownPlayer", kPost + "--player 4 --scores " + kScores85, "no such player"},
        RefusalCase{"UnknownCourse", kAnn85 + "--course 3 --date 06/15/04", "no such course"},
        RefusalCase{"SeventeenScores", kPost + "--player 1 --scores 5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4", "18 whole"},
        RefusalCase{"ScoreTooHigh", kPost + "--player 1 --scores 100,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4", "18 whole"},
        RefusalCase{"NegativeScore", kPost + "--player 1 --scores -5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4", "18 whole"},
        RefusalCase{"BothNinesZero", kPost + "--player 1 --scores " + kZeros, "both nine totals are 0"},
        RefusalCase{"NoSlope", kAnn85 + "--course 2 --date 06/15/04", "white tee of Flat Acres has no slope"},
        RefusalCase{"NoDefaultTee", kPost + "--player 3 --scores " + kScores85, "no default tee"},
        RefusalCase{"NoSuchTee", kAnn85 + "--course 1 --date 06/15/04 --tee 4", "the tee must be"},
        RefusalCase{"MonthThirteen", kAnn85 + "--course 1 --date 13/15/04", "MM/DD/YY"},
        RefusalCase{"NegativeYear", kAnn85 + "--course 1 --date 06/15/-4", "MM/DD/YY"},
        RefusalCase{"HalfPerformanceData", kAnn85 + "--course 1 --date 06/15/04 --putts " + kZeros,
                    "performance data needs"},
        RefusalCase{"EditBeyondRounds", kPost + "--player 2 --edit 4 --scores " + kScores85, "no such round"},
        RefusalCase{"DeleteBeyondRounds", "delete-round Fall --player 2 --slot 4", "no such round"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PostFolder, UsageErrorsAndUnknownLeague) {
    EXPECT_EQ(runCli(kPost + "--player 1").exitCode, 2);
    EXPECT_EQ(runCli(kPost + "--player 1 --holes 3 --scores " + kScores85).exitCode, 2);
    EXPECT_EQ(runCli("delete-round Fall --player 2").exitCode, 2);
    EXPECT_EQ(runCli("post Spring --player 1 --course 1 --date 06/15/04 --scores " + kScores85).exitCode, 1);
}

TEST_F(PostFolder, DeleteRoundClosesTheGapAndRecomputesTheNewLastRound) {
    auto before = stored();
    CliRun run = runCli("delete-round Fall --player 2 --slot 2");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto league = stored();
    const store::PlayerRecord& bob = league->players[2];
    EXPECT_EQ(bob.roundCount, 2);
    EXPECT_EQ(bob.rounds[1], before->players[2].rounds[1]);
    EXPECT_EQ(bob.rounds[2].score, before->players[2].rounds[3].score);
    // Without the 89 the lower of 95 and 92 counts: (92 - 70.1) * 113 / 125 = 19.8.
    EXPECT_FLOAT_EQ(bob.rounds[2].handicapIndex, 19.0f);
    EXPECT_FLOAT_EQ(bob.rounds[2].courseHandicap, 21.0f);
    EXPECT_EQ(run.out.substr(run.out.rfind("Hcp index")), "Hcp index = 19\n");
}

// The demo is checked as a user's folder would be: it loads cleanly and every figure is what the
// handicap code gives for it.
TEST(DemoFolder, MakesALeagueWhoseFiguresAreTheHandicapCodesOwn) {
    testing::TempWorkDir dir;
    CliRun run = runCli("demo");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    CliRun check = runCli("check");
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_EQ(check.out, "");

    auto data = std::make_unique<store::LeagueData>();
    ASSERT_TRUE(store::ParseRegistry(*data, readBytes("Qvleague.DAT")).ok);
    ASSERT_EQ(data->registry.leagueCount, 1);
    ASSERT_TRUE(store::ParseCourses(*data, readBytes("course.dat")).ok);
    ASSERT_EQ(data->courseCount, 3);
    for (int c = 1; c <= 3; ++c) {
        const store::CourseRecord& course = data->courses[c];
        int total = 0;
        for (int h = 1; h <= 18; ++h) total += static_cast<int>(store::HolePar(course, h));
        EXPECT_TRUE(total >= 69 && total <= 73 && total == store::CourseNumber(course, store::course_field::kParTotal));
        for (int t = 1; t <= 3; ++t) {
            double rating = store::CourseRating(course, t), slope = store::CourseSlope(course, t);
            EXPECT_TRUE(rating > 64 && rating < 78 && slope >= 100 && slope <= 145) << c << t;
        }
    }
    std::string leagueFile = data->registry.leagueFiles[1] + ".LGE";
    ASSERT_TRUE(store::ParseLeague(*data, readBytes(leagueFile)).ok);
    EXPECT_TRUE(data->playerCount >= 10 && data->playerCount <= 14) << data->playerCount;

    int statisticRounds = 0, nineHoleRounds = 0;
    for (int p = 1; p <= data->playerCount; ++p) {
        const store::PlayerRecord& player = data->players[p];
        ASSERT_GE(player.roundCount, 10) << player.name;
        for (int k = 1; k <= player.roundCount; ++k) {
            const store::RoundRecord& r = player.rounds[k];
            SCOPED_TRACE(player.name + " slot " + std::to_string(k));
            const store::RoundRecord& before = player.rounds[k - 1];
            EXPECT_TRUE(k == 1 || before.month * 100 + before.day < r.month * 100 + r.day);  // oldest first
            ASSERT_TRUE(r.course >= 1 && r.course <= 3);
            int nine[2] = {0, 0};
            for (int h = 1; h <= 18; ++h) nine[h > 9] += r.score[h];
            EXPECT_EQ(r.score[store::kOutSlot], nine[0]);
            EXPECT_EQ(r.score[store::kInSlot], nine[1]);
            nineHoleRounds += handicap::IsNineHoleRound(nine[0], nine[1]);
            const store::CourseRecord& course = data->courses[r.course];
            auto slope = static_cast<float>(store::CourseSlope(course, player.tee));
            EXPECT_EQ(r.differential, handicap::ComputeDifferential(
                                          nine[0], nine[1], static_cast<float>(store::CourseRating(course, player.tee)),
                                          slope, data->settings.nineHoleOption));
            if (r.putts[store::kOutSlot] > 0 || r.fairway[store::kOutSlot] > 0) {
                ++statisticRounds;
                // The window with performance data stores 1 or 2 for every box, played or not.
                for (int h = 1; h <= 18; ++h) {
                    EXPECT_TRUE(r.fairway[h] >= 1 && r.fairway[h] <= 2) << h;
                    EXPECT_TRUE(r.green[h] >= 1 && r.green[h] <= 2) << h;
                }
            }
            if (k == player.roundCount) {
                auto index = handicap::ComputeHandicapIndex(player, k, data->settings, player.tee);
                EXPECT_EQ(r.handicapIndex, index.index);
                EXPECT_EQ(r.courseHandicap, handicap::ComputeCourseHandicap(index.index, slope));
            }
        }
    }
    EXPECT_GT(statisticRounds, 10);
    EXPECT_GT(nineHoleRounds, 5);

    ASSERT_TRUE(store::ParseTeams(*data, readBytes(store::TeamFileName(leagueFile))).ok);
    ASSERT_EQ(data->teams.teamCount, 2);
    for (int t = 1; t <= 2; ++t) {
        EXPECT_FALSE(data->teams.teamNames[t].empty());
        EXPECT_GT(data->teams.teamEntryCount[t], 0);
    }
    for (int p = 1; p <= data->playerCount; ++p) EXPECT_TRUE(data->players[p].team == 1 || data->players[p].team == 2);
}

TEST(DemoFolder, RefusesAFolderThatHoldsAnyOfItsFilesAndWritesNothing) {
    for (const char* existing : {"Qvleague.DAT", "QVLEAGUE.dat", "Course.DAT", "demo league.lge"}) {
        testing::TempWorkDir dir;
        writeBytes(existing, " 0 \r\n");
        CliRun run = runCli("demo");
        EXPECT_EQ(run.exitCode, 1) << existing;
        EXPECT_NE(run.err.find("already holds"), std::string::npos) << run.err;
        auto entries = std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator());
        EXPECT_EQ(entries, 2) << existing;  // the file and the folder's lock
        EXPECT_EQ(readBytes(existing), " 0 \r\n");
    }
}

TEST_F(CliFolder, PublishWritesTheLeaguePagesWithTheTeamsAndAgainChangesNothing) {
    CliRun run = runCli("publish Fall web/fall");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("wrote index.html\n"), std::string::npos);
    EXPECT_NE(readBytes("web/fall/index.html").find("href=\"player-6.html\""), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists("web/fall/teams.html"));
    EXPECT_EQ(runCli("publish Fall web/fall").out, "");
    EXPECT_EQ(runCli("publish Nosuch web/fall").exitCode, 1);
    EXPECT_EQ(runCli("publish Fall").exitCode, 2);
}

}  // namespace
}  // namespace quorval

namespace quorval {
namespace {

const std::string kDescending = "18,17,16,15,14,13,12,11,10,9,8,7,6,5,4,3,2,1";

TEST_F(PostFolder, WorldRulesNeedStrokeIndexesAndCheckReadsBothSideFiles) {
    CliRun set = runCli("rules Fall whs --allowance 85");
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(readBytes("Fall.cfg"), "[Handicap]\r\nRules=WHS\r\nAllowance=85\r\n");

    std::string league = readBytes("Fall.LGE");
    CliRun refused = runCli("post Fall --player 1 --course 1 --date 06/15/04 --scores " + kScores85);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("Pine Hills has no stroke indexes"), std::string::npos) << refused.err;
    EXPECT_EQ(readBytes("Fall.LGE"), league);

    CliRun bad = runCli("stroke-index \"pine hills\" 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,17");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("Missing: 18. More than once: 17."), std::string::npos) << bad.err;
    EXPECT_FALSE(std::filesystem::exists("course.si"));
    ASSERT_EQ(runCli("stroke-index 1 " + kDescending).exitCode, 0);
    EXPECT_EQ(readBytes("course.si"), "1,Pine Hills," + kDescending + "\r\n");

    CliRun posted = runCli("post Fall --player 1 --course 1 --date 06/15/04 --scores " + kScores85);
    ASSERT_EQ(posted.exitCode, 0) << posted.err;
    EXPECT_NE(posted.out.find("World Handicap System\n"), std::string::npos) << posted.out;
    EXPECT_NE(posted.out.find("fewer than 3 rounds: no index yet"), std::string::npos) << posted.out;
    EXPECT_EQ(runCli("check").exitCode, 0);

    writeBytes("Fall.cfg", "[Handicap]\r\nRules=Modern\r\n");
    writeBytes("course.si", "1,Old Pines," + kDescending + "\r\n");
    CliRun check = runCli("check");
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("Fall.cfg: line 2"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("course 1 is no longer \"Old Pines\""), std::string::npos) << check.out;
}

TEST_F(PostFolder, ClassicLeagueGainsNoSideFiles) {
    ASSERT_EQ(runCli("post Fall --player 1 --course 1 --date 06/15/04 --scores " + kScores85).exitCode, 0);
    ASSERT_EQ(runCli("rules Fall").out, "Rules=Classic\nAllowance=100\n");
    EXPECT_FALSE(std::filesystem::exists("Fall.cfg"));
    EXPECT_FALSE(std::filesystem::exists("course.si"));
}

}  // namespace
}  // namespace quorval
