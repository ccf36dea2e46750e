// The command-line tool end to end: real files in a temporary folder, the real executable.
#include <algorithm>
#include <array>
#include <iterator>
#include <sstream>

#include "cli/commands.hpp"
#include "clifolder.hpp"
#include "entry/posting.hpp"
#include "fakeseams.hpp"
#include "handicap/differential.hpp"
#include "handicap/handicapindex.hpp"
#include "leaguebuilder.hpp"
#include "listing/listing.hpp"
#include "postedleague.hpp"
#include "print/printfont.hpp"
#include "reports/listingreport.hpp"

namespace quorval {
namespace {

using namespace testing;
namespace cf = store::course_field;

TEST_F(CliFolder, CheckNamesEachBrokenOrMissingFileInTheFolderGiven) {
    CliRun run = runCli("check");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
    fs::create_directory("sub");
    for (const char* file : {"Qvleague.DAT", "course.dat", "Fall.LGE"}) fs::copy(file, fs::path("sub") / file);
    std::string league = readBytes("Fall.LGE");
    writeBytes("Fall.LGE", league.substr(0, league.size() / 2));
    writeBytes("Fall.tea", " 1 \r\nOnly team\r\n 101 \r\n");
    run = runCli("check");
    EXPECT_EQ(run.exitCode, 1);
    for (const char* line :
         {"Fall.LGE: line ", "the file ends early", "Fall.tea: line 3: team number 101 is outside 0..100"})
        EXPECT_NE(run.out.find(line), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("Unable to load league file, please check the"), std::string::npos) << run.err;
    EXPECT_EQ(runCli("-C sub check").exitCode, 0);
    fs::remove("Qvleague.DAT");
    fs::remove("course.dat");
    run = runCli("check");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Qvleague.DAT: the file does not exist\ncourse.dat: the file does not exist\n");
}

// 85 as thirteen fives and five fours: out 45, in 40.
const std::string kScores85 = "5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4";
const std::string kZeros = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
const std::string kPost = "post Fall --course 1 --date 06/15/04 ";

TEST_F(CliFolder, UsageErrorsExitWith2AndMissingThingsWith1) {
    const std::pair<std::string, int> cases[] = {
        {"", 2},
        {"frobnicate", 2},
        {"check extra", 2},
        {"resave", 2},
        {"-C no-such-folder check", 2},
        {"listing", 2},
        {"listing Fall --view sideways", 2},
        {"listing Fall --step x", 2},
        {"export Fall", 2},
        {"publish Fall", 2},
        {"import Fall", 2},
        {kPost + "--player 1", 2},
        {kPost + "--player 1 --holes 3 --scores " + kScores85, 2},
        {"delete-round Fall --player 2", 2},
        {"listing Fall --view player --player 99", 1},
        {"listing Nowhere", 1},
        {"publish Nosuch web/fall", 1},
        {"post Spring --player 1 --course 1 --date 06/15/04 --scores " + kScores85, 1}};
    for (const auto& [args, code] : cases) EXPECT_EQ(runCli(args).exitCode, code) << args;
}

TEST_F(CliFolder, ResaveConvertsALegacyLeagueAndKeepsAnUnreadableOneAsItWas) {
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
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 2 + 2 * 1743);
    EXPECT_EQ(loadLeague("Old.LGE")->players[1].name, "Ann, \"Shorty\"");

    std::string broken = readBytes("Fall.LGE").substr(0, 5000);
    writeBytes("Fall.LGE", broken);
    run = runCli("resave Fall");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(readBytes("Fall.LGE"), broken);
    EXPECT_EQ(readBytes("Fall.LGE.unreadable"), broken);
    EXPECT_NE(run.err.find("was not written"), std::string::npos);
}

// The rows the main window lists for that view.
std::vector<listing::Row> windowRows(store::LeagueData& data, listing::View view, int player = 0, int spinDown = 0) {
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
    for (int k = 0; k < spinDown; ++k) listing.SpinDown(data);
    return listing.rows();
}

TEST_F(CliFolder, ListingPrintsEachViewAsTheWindowBuildsIt) {
    struct Case {
        const char* args;
        listing::View view;
        int player, spinDown;
    };
    for (const Case& c : {Case{"listing Fall", listing::View::MostRecent, 0, 0},
                          Case{"listing Fall --step -2", listing::View::MostRecent, 0, 2},
                          Case{"listing Fall --view date --step -1", listing::View::ByDate, 0, 1},
                          Case{"listing Fall --view player --player 3", listing::View::Individual, 3, 0}}) {
        CliRun run = runCli(c.args);
        ASSERT_EQ(run.exitCode, 0) << c.args << run.err;
        std::string expected;
        for (const auto& row : windowRows(*data, c.view, c.player, c.spinDown))
            expected += row.name + "\t" + row.line + "\n";
        EXPECT_EQ(run.out, expected) << c.args;
    }
}

// The export is the window's "Export Listing as Text" of the Most Recent view, to the byte, dated
// by the clock it is given.
TEST_F(CliFolder, ExportWritesTheListingTextAsTheWindowDoes) {
    FixedClock clock;
    clock.date = {2027, 3, 9};
    ScriptedDialogs dialogs;
    std::ostringstream out, err;
    auto loaded = std::make_unique<store::LeagueData>();
    cli::Context ctx{*loaded, dialogs, out, err, clock};
    ASSERT_EQ(cli::RunExport(ctx, {"Fall", "out"}), cli::kOk) << err.str();
    EXPECT_EQ(readBytes("out.txt"), reports::shortprintfile(*data, windowRows(*data, listing::View::MostRecent),
                                                            print::PrintDate(2027, 3, 9)));
}

TEST_F(CliFolder, CsvHasAHeaderAndOneQuotedRowPerRound) {
    store::PlayerRecord& carl = data->players[1];
    carl.name = "Carl \"Chip\", Jr.";
    carl.tee = store::kBlueTee;
    carl.roundCount = 1;
    store::RoundRecord& round = carl.rounds[1];
    round = store::RoundRecord{};
    round.month = 12, round.day = 31, round.year = 99, round.course = 2;
    round.differential = 12.5f, round.handicapIndex = 11.2f, round.courseHandicap = 13;
    for (int h = 1; h <= 18; ++h) round.score[h] = 4;
    round.score[store::kOutSlot] = round.score[store::kInSlot] = 36;
    data->courses[2][cf::kName] = "Pine, Hills";
    data->courses[2][cf::kInitials] = "PH";
    writeFall(*data);

    CliRun run = runCli("csv Fall");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    int rounds = 0;
    for (int p = 1; p <= data->playerCount; ++p) rounds += data->players[p].roundCount;
    std::istringstream lines(run.out);
    std::string header, first;
    std::getline(lines, header);
    std::getline(lines, first);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1 + rounds);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\r'), 1 + rounds);
    EXPECT_EQ(header.substr(0, 99),
              "player,slot,date,course,initials,tee,out,in,total,differential,handicap_index,course_handicap,hole1");
    EXPECT_NE(header.find(",hole18,putts1,"), std::string::npos);
    EXPECT_NE(header.find(",green18\r"), std::string::npos);
    std::string holes;
    for (int h = 1; h <= 18; ++h) holes += ",4";
    EXPECT_EQ(first, "\"Carl \"\"Chip\"\", Jr.\",1,1999-12-31,\"Pine, Hills\",PH,Blue,36,36,72,12.5,11.2,13" + holes +
                         std::string(54, ',') + "\r");
}

TEST_F(CliFolder, PublishWritesTheLeaguePagesWithTheTeamsAndAgainChangesNothing) {
    CliRun run = runCli("publish Fall web/fall");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("wrote index.html\n"), std::string::npos);
    EXPECT_NE(readBytes("web/fall/index.html").find("href=\"player-6.html\""), std::string::npos);
    EXPECT_TRUE(fs::exists("web/fall/teams.html"));
    EXPECT_EQ(runCli("publish Fall web/fall").out, "");
}

// Two leagues of the same courses: Fall with posted rounds, Empty with no players.
class ImportFolder : public CliTest {
protected:
    void SetUp() override {
        FillPostedLeague(*data, 9);
        writeFall(*data);
        data->registry.leagueCount = 2;
        data->registry.leagueFiles[2] = "Empty";
        writeBytes("Qvleague.DAT", store::FormatRegistry(*data));
        writeBytes("Empty.LGE", store::FormatLeague(*std::make_unique<store::LeagueData>()));
    }
};

TEST_F(ImportFolder, AnExportedLeagueImportsIntoAnEmptyOneWithTheSameListingAndIndexes) {
    CliRun csv = runCli("csv Fall");
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    writeBytes("rounds.csv", csv.out);
    CliRun imported = runCli("import Empty rounds.csv");
    ASSERT_EQ(imported.exitCode, 0) << imported.out << imported.err;
    EXPECT_EQ(imported.out, "40 of 40 rounds posted, 4 players added.\n");
    // Every player's current index is the same, even the first one's, whose history was longer than
    // the 20 rounds kept. Only his net may differ: it comes from a course handicap built on rounds
    // the league no longer holds.
    auto withoutHisNet = [](std::string text) {
        size_t line = text.find("\nEd, Jr. Long\t");
        size_t end = text.find('\n', line + 1), net = text.rfind(' ', end);
        return line == std::string::npos ? text : text.erase(net, end - net);
    };
    for (std::string view : {" --view recent", " --view date"}) {
        CliRun listed = runCli("listing Empty" + view);
        EXPECT_NE(listed.out.find("Ed, Jr. Long\t"), std::string::npos) << view;
        EXPECT_EQ(withoutHisNet(listed.out), withoutHisNet(runCli("listing Fall" + view).out)) << view;
    }
}

TEST_F(ImportFolder, BadRowsAreReportedAndNothingIsSavedUnlessTheGoodRowsAreKept) {
    std::string holes, headings = "player;date;course";
    for (int h = 1; h <= 18; ++h) holes += ";5", headings += ";hole" + std::to_string(h);
    const std::string good = "\nNew Man;06/01/2025;Course 3" + holes;
    writeBytes("rounds.csv",
               headings + good + "\nNew Man;06/02/2025;Mars" + holes + "\nNew Man;2025-06-31;Course 3" + holes + "\n");
    writeBytes("good.csv", headings + good + "\n");
    std::string before = readBytes("Empty.LGE");
    for (const char* args : {"import Empty rounds.csv --dry-run", "import Empty rounds.csv"}) {
        CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 1) << args;
        for (const char* line : {"1 of 3 rounds posted, 1 player added.", "line 3: there is no course \"Mars\"",
                                 "line 4: the date \"2025-06-31\""})
            EXPECT_NE(run.out.find(line), std::string::npos) << run.out;
        EXPECT_EQ(readBytes("Empty.LGE"), before) << args;
    }
    EXPECT_EQ(runCli("import Empty good.csv --dry-run").exitCode, 0);
    EXPECT_EQ(readBytes("Empty.LGE"), before);
    EXPECT_EQ(runCli("import Empty rounds.csv --keep-good-rows").exitCode, 1);
    auto league = loadLeague("Empty.LGE");
    ASSERT_EQ(league->playerCount, 1);
    EXPECT_EQ(league->players[1].roundCount, 1);
    EXPECT_EQ(league->players[1].tee, store::kWhiteTee);
}

// Ann (white tee, no rounds), Bob (white tee, rounds of 95, 89 and 92 with putts and ticks, last
// course handicap 18) and Cy (no default tee); Pine Hills has every slope, Flat Acres no white one.
class PostFolder : public CliTest {
protected:
    void SetUp() override {
        LeagueBuilder(*data, "Fall")
            .course("Pine Hills")
            .tee(1, "70.4", "120")
            .tee(2, "70.1", "125")
            .tee(3, "72.5", "131")
            .course("Flat Acres")
            .tee(1, "70.4", "118")
            .tee(2, "70.1", "")
            .tee(3, "72.5", "129")
            .player("Ann Smith")
            .player("Bob Jones")
            .player("Cy Young", store::kNoTee);
        for (int gross : {95, 89, 92}) {
            entry::RoundEntry round;
            for (int h = 1; h <= 18; ++h) {
                round.score[h] = static_cast<int16_t>(gross / 18 + (h <= gross % 18));
                round.score[h <= 9 ? store::kOutSlot : store::kInSlot] += round.score[h];
                round.putts[h] = 2;
                round.fairway[h] = round.green[h] = 1;
            }
            round.putts[store::kOutSlot] = round.putts[store::kInSlot] = 18;
            entry::PostRound(*data, 2, round, {1, 5, gross % 28 + 1, 4}, 0);
        }
        writeFall(*data);
    }

    static void writeSettings(int equitable, int average = 0) {
        store::Settings settings;
        settings.equitableCheck = static_cast<int16_t>(equitable);
        settings.averageCheck = static_cast<int16_t>(average);
        fs::create_directories("config/quorval");
        writeBytes("config/quorval/qvl32.ini", store::FormatSettings(settings));
    }
};

TEST_F(PostFolder, PostStoresTheRoundOnTheChosenTeeAndPrintsTheCalculation) {
    CliRun run = runCli(kPost + "--player 1 --scores " + kScores85);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(
        run.out,
        "Ann Smith\ndifferentials\n13.5\ntotal rounds = 1\n# of rounds used = 1\nAvg. = 13.5\nHcp index = 12.9\n");
    ASSERT_EQ(runCli("post Fall --player 1 --course 1 --date 06/22/04 --tee 3 --scores " + kScores85).exitCode, 0);
    auto league = loadLeague();
    const store::PlayerRecord& ann = league->players[1];
    ASSERT_EQ(ann.roundCount, 2);
    const store::RoundRecord& r = ann.rounds[1];
    EXPECT_EQ((std::array<int, 8>{r.month, r.day, r.year, r.course, r.score[1], r.score[18], r.score[19], r.score[20]}),
              (std::array<int, 8>{6, 15, 4, 1, 5, 4, 45, 40}));
    EXPECT_FLOAT_EQ(r.differential, 13.5f);
    EXPECT_FLOAT_EQ(r.handicapIndex, 12.9f);
    EXPECT_FLOAT_EQ(r.courseHandicap, 14.0f);
    EXPECT_EQ(r.fairway, store::HoleValues{});
    EXPECT_EQ(r.putts, store::HoleValues{});
    EXPECT_FLOAT_EQ(ann.rounds[2].differential, 10.8f);  // blue: 72.5 / 131
    EXPECT_FLOAT_EQ(ann.rounds[2].courseHandicap, 12.0f);
    // A classic league gains no side files.
    EXPECT_EQ(runCli("rules Fall").out, "Rules=Classic\nAllowance=100\n");
    EXPECT_FALSE(fs::exists("Fall.cfg"));
    EXPECT_FALSE(fs::exists("course.si"));
}

TEST_F(PostFolder, PostWithPerformanceDataStoresTicksAsTwoOrOneAndTheNineCounts) {
    CliRun run = runCli(kPost + "--player 1 --scores " + kScores85 +
                        " --putts 2,1,2,2,3,2,2,1,2,2,2,2,2,2,2,2,2,2 --fairways yynnnnnnnynnnnnnnn"
                        " --greens nnnnnnnnynnnnnnnyy");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    store::RoundRecord r = loadLeague()->players[1].rounds[1];
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
    writeFall(*data);
    writeSettings(0, 1);
    CliRun run = runCli("post Fall --player 2 --course 1 --date 07/01/04 --scores " + kScores85);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("differentials")), "Bob Jones\nHCP factor 1.00\n");
    EXPECT_NE(run.out.find("# of rounds used = 4\n"), std::string::npos) << run.out;
    EXPECT_FLOAT_EQ(loadLeague()->players[2].rounds[4].handicapIndex, 18.2f);
}

// Typed nine totals win over the holes; the nine-hole option comes from the league registry.
TEST_F(PostFolder, NineTotalsAndNineHoleOption) {
    struct Case {
        int option;
        std::string scores;
        int out, in;
        float differential;
    };
    const Case cases[] = {{1, kZeros + " --out 42 --in 0", 42, 0, 12.6f},
                          {2, kZeros + " --out 42", 42, 0, 6.3f},
                          {1, "5,5,5,5,5,5,4,4,4,0,0,0,0,0,0,0,0,0", 42, 0, 12.6f},
                          {1, kScores85 + " --out 44 --in 41", 44, 41, 13.5f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scores);
        data->settings.nineHoleOption = static_cast<int16_t>(c.option);
        writeFall(*data);
        CliRun run = runCli(kPost + "--player 1 --scores " + c.scores);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        store::RoundRecord r = loadLeague()->players[1].rounds[1];
        EXPECT_EQ(r.score[store::kOutSlot], c.out);
        EXPECT_EQ(r.score[store::kInSlot], c.in);
        EXPECT_FLOAT_EQ(r.differential, c.differential);
    }
}

// Bob's last course handicap is 18: a 9 on the par-4 first counts 7 when the settings file turns
// the limits on, and the front nine drops with it; an edited round is never limited.
TEST_F(PostFolder, SettingsFileSwitchesTheLimitsForNewRounds) {
    struct Case {
        int setting;
        const char* edit;
        int hole1, out;
    };
    ASSERT_FLOAT_EQ(data->players[2].rounds[3].courseHandicap, 18.0f);
    for (const Case& c : {Case{5, "", 7, 39}, Case{0, "", 9, 41}, Case{-1, "", 9, 41}, Case{5, "--edit 3", 9, 41}}) {
        SCOPED_TRACE(std::to_string(c.setting) + c.edit);
        writeFall(*data);
        fs::remove_all("config");
        if (c.setting >= 0) writeSettings(c.setting);
        CliRun run = runCli(std::string("post Fall --player 2 --course 1 --date 07/01/04 ") + c.edit +
                            " --scores 9,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4,4");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const store::RoundRecord r = loadLeague()->players[2].rounds[*c.edit ? 3 : 4];
        EXPECT_EQ((std::array<int, 3>{r.score[1], r.score[store::kOutSlot], r.score[store::kInSlot]}),
                  (std::array<int, 3>{c.hole1, c.out, 36}));
    }
}

TEST_F(PostFolder, EditRewritesOnlyThatSlotAndKeepsItsDateCourseAndPerformanceData) {
    auto was = loadLeague();
    CliRun run = runCli("post Fall --player 2 --course 2 --date 01/02/05 --edit 2 --scores " + kScores85);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("total rounds = 2\n"), std::string::npos) << run.out;
    const store::PlayerRecord& before = was->players[2];
    auto league = loadLeague();
    const store::PlayerRecord& bob = league->players[2];
    EXPECT_EQ(bob.roundCount, 3);
    EXPECT_EQ(bob.rounds[1], before.rounds[1]);
    EXPECT_EQ(bob.rounds[3], before.rounds[3]);
    const store::RoundRecord &r = bob.rounds[2], &old = before.rounds[2];
    EXPECT_EQ((std::array<int, 4>{r.month, r.day, r.year, r.course}),
              (std::array<int, 4>{old.month, old.day, old.year, old.course}));
    EXPECT_EQ(r.score[store::kOutSlot], 45);
    EXPECT_EQ(r.putts, old.putts);
    EXPECT_EQ(r.fairway, old.fairway);
    EXPECT_FLOAT_EQ(r.differential, 13.5f);
    EXPECT_FLOAT_EQ(r.handicapIndex, 12.9f);
}

TEST_F(PostFolder, RefusedRoundSaysWhyAndLeavesTheFileAlone) {
    const std::string ann85 = "post Fall --player 1 --scores " + kScores85 + " ";
    const std::pair<std::string, const char*> cases[] = {
        {kPost + "--player 4 --scores " + kScores85, "no such player"},
        {ann85 + "--course 3 --date 06/15/04", "no such course"},
        {kPost + "--player 1 --scores 5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4", "18 whole"},
        {kPost + "--player 1 --scores 100,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4", "18 whole"},
        {kPost + "--player 1 --scores -5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4", "18 whole"},
        {kPost + "--player 1 --scores " + kZeros, "both nine totals are 0"},
        {ann85 + "--course 2 --date 06/15/04", "white tee of Flat Acres has no slope"},
        {kPost + "--player 3 --scores " + kScores85, "no default tee"},
        {ann85 + "--course 1 --date 06/15/04 --tee 4", "the tee must be"},
        {ann85 + "--course 1 --date 13/15/04", "MM/DD/YY"},
        {ann85 + "--course 1 --date 06/15/-4", "MM/DD/YY"},
        {ann85 + "--course 1 --date 06/15/04 --putts " + kZeros, "performance data needs"},
        {kPost + "--player 2 --edit 4 --scores " + kScores85, "no such round"},
        {"delete-round Fall --player 2 --slot 4", "no such round"}};
    std::string league = readBytes("Fall.LGE");
    for (const auto& [args, why] : cases) {
        CliRun run = runCli(args);
        EXPECT_EQ(run.exitCode, 1) << args;
        EXPECT_NE(run.err.find(why), std::string::npos) << args << run.err;
        EXPECT_EQ(readBytes("Fall.LGE"), league) << args;
    }
}

TEST_F(PostFolder, DeleteRoundClosesTheGapAndRecomputesTheNewLastRound) {
    auto before = loadLeague();
    CliRun run = runCli("delete-round Fall --player 2 --slot 2");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto league = loadLeague();
    const store::PlayerRecord& bob = league->players[2];
    EXPECT_EQ(bob.roundCount, 2);
    EXPECT_EQ(bob.rounds[1], before->players[2].rounds[1]);
    EXPECT_EQ(bob.rounds[2].score, before->players[2].rounds[3].score);
    // Without the 89 the lower of 95 and 92 counts: (92 - 70.1) * 113 / 125 = 19.8.
    EXPECT_FLOAT_EQ(bob.rounds[2].handicapIndex, 19.0f);
    EXPECT_FLOAT_EQ(bob.rounds[2].courseHandicap, 21.0f);
    EXPECT_EQ(run.out.substr(run.out.rfind("Hcp index")), "Hcp index = 19\n");
}

TEST_F(PostFolder, WorldRulesNeedStrokeIndexesAndCheckReadsBothSideFiles) {
    const std::string descending = "18,17,16,15,14,13,12,11,10,9,8,7,6,5,4,3,2,1";
    CliRun set = runCli("rules Fall whs --allowance 85");
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(readBytes("Fall.cfg"), "[Handicap]\r\nRules=WHS\r\nAllowance=85\r\n");
    std::string league = readBytes("Fall.LGE");
    CliRun refused = runCli(kPost + "--player 1 --scores " + kScores85);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("Pine Hills has no stroke indexes"), std::string::npos) << refused.err;
    EXPECT_EQ(readBytes("Fall.LGE"), league);

    CliRun bad = runCli("stroke-index \"pine hills\" 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,17");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("Missing: 18. More than once: 17."), std::string::npos) << bad.err;
    EXPECT_FALSE(fs::exists("course.si"));
    ASSERT_EQ(runCli("stroke-index 1 " + descending).exitCode, 0);
    EXPECT_EQ(readBytes("course.si"), "1,Pine Hills," + descending + "\r\n");

    CliRun posted = runCli(kPost + "--player 1 --scores " + kScores85);
    ASSERT_EQ(posted.exitCode, 0) << posted.err;
    EXPECT_NE(posted.out.find("World Handicap System\n"), std::string::npos) << posted.out;
    EXPECT_NE(posted.out.find("fewer than 3 rounds: no index yet"), std::string::npos) << posted.out;
    EXPECT_EQ(runCli("check").exitCode, 0);

    writeBytes("Fall.cfg", "[Handicap]\r\nRules=Modern\r\n");
    writeBytes("course.si", "1,Old Pines," + descending + "\r\n");
    CliRun check = runCli("check");
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("Fall.cfg: line 2"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("course 1 is no longer \"Old Pines\""), std::string::npos) << check.out;
}

// The demo is checked as a user's folder would be: it loads cleanly and every figure is what the
// handicap code gives for it.
TEST_F(CliTest, DemoMakesALeagueWhoseFiguresAreTheHandicapCodesOwn) {
    ASSERT_EQ(runCli("demo").exitCode, 0);
    CliRun check = runCli("check");
    EXPECT_EQ(check.exitCode, 0);
    EXPECT_EQ(check.out, "");
    ASSERT_TRUE(store::ParseRegistry(*data, readBytes("Qvleague.DAT")).ok);
    ASSERT_TRUE(store::ParseCourses(*data, readBytes("course.dat")).ok);
    ASSERT_EQ(data->registry.leagueCount, 1);
    ASSERT_EQ(data->courseCount, 3);
    for (int c = 1; c <= 3; ++c) {
        const store::CourseRecord& course = data->courses[c];
        int total = 0;
        for (int h = 1; h <= 18; ++h) total += static_cast<int>(store::HolePar(course, h));
        EXPECT_TRUE(total >= 69 && total <= 73 && total == store::CourseNumber(course, cf::kParTotal));
        for (int t = 1; t <= 3; ++t) {
            double rating = store::CourseRating(course, t), slope = store::CourseSlope(course, t);
            EXPECT_TRUE(rating > 64 && rating < 78 && slope >= 100 && slope <= 145) << c << t;
        }
    }
    std::string leagueFile = data->registry.leagueFiles[1] + ".LGE";
    ASSERT_TRUE(store::ParseLeague(*data, readBytes(leagueFile)).ok);
    ASSERT_TRUE(store::ParseTeams(*data, readBytes(store::TeamFileName(leagueFile))).ok);
    EXPECT_TRUE(data->playerCount >= 10 && data->playerCount <= 14) << data->playerCount;
    ASSERT_EQ(data->teams.teamCount, 2);
    for (int t = 1; t <= 2; ++t) EXPECT_TRUE(!data->teams.teamNames[t].empty() && data->teams.teamEntryCount[t] > 0);

    int statisticRounds = 0, nineHoleRounds = 0;
    for (int p = 1; p <= data->playerCount; ++p) {
        const store::PlayerRecord& player = data->players[p];
        EXPECT_TRUE(player.team == 1 || player.team == 2);
        ASSERT_GE(player.roundCount, 10) << player.name;
        for (int k = 1; k <= player.roundCount; ++k) {
            SCOPED_TRACE(player.name + " slot " + std::to_string(k));
            const store::RoundRecord &r = player.rounds[k], &before = player.rounds[k - 1];
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
                for (int h = 1; h <= 18; ++h)
                    EXPECT_TRUE(r.fairway[h] >= 1 && r.fairway[h] <= 2 && r.green[h] >= 1 && r.green[h] <= 2) << h;
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
}

TEST(DemoFolder, RefusesAFolderThatHoldsAnyOfItsFilesAndWritesNothing) {
    for (const char* existing : {"Qvleague.DAT", "QVLEAGUE.dat", "Course.DAT", "demo league.lge"}) {
        TempWorkDir dir;
        writeBytes(existing, " 0 \r\n");
        CliRun run = runCli("demo");
        EXPECT_EQ(run.exitCode, 1) << existing;
        EXPECT_NE(run.err.find("already holds"), std::string::npos) << run.err;
        EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2) << existing;  // and the lock
        EXPECT_EQ(readBytes(existing), " 0 \r\n");
    }
}

}  // namespace
}  // namespace quorval
