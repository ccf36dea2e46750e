// The command-line tool end to end: real files in a temporary folder, the real executable.
#include <algorithm>
#include <array>
#include <sstream>

#include "cli/commands.hpp"
#include "cli/options.hpp"
#include "clifolder.hpp"
#include "dates/dateorder.hpp"
#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "listing/listing.hpp"
#include "print/printfont.hpp"
#include "reports/listingreport.hpp"
#include "store/strokeindexfile.hpp"

namespace quorval {
namespace {

using namespace testing;

const std::string k85 = "5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4";  // out 45, in 40
const std::string kZeros = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
const std::string kPost = "post Fall --course 1 --date 06/15/04 --player ";

TEST_F(CliFolder, CheckNamesEachBrokenOrMissingFileInTheFolderGiven) {
    fs::create_directory("sub");
    for (const char* file : {"Qvleague.DAT", "course.dat", "Fall.LGE"}) fs::copy(file, fs::path("sub") / file);
    store::PlayerRecord* p = data->players.data();
    for (int k = 1; k <= 2; ++k) p[k].roundCount = std::max<int16_t>(p[k].roundCount, 1);
    p[1].rounds[1].month = 13, p[2].rounds[1].course = static_cast<int16_t>(data->courseCount + 1);
    writeFall(*data);
    writeBytes("Fall.tea", " 1 \r\nOnly team\r\n 101 \r\n");
    std::string said = runSteps({{"check", 1, "Fall.tea: line 3: team number 101 is outside 0..100"}});
    for (const std::string& says : {"player 1 (" + p[1].name + ") round 1: the date (month 13, day ",
                                    "player 2 (" + p[2].name + ") round 1: course slot " +
                                        std::to_string(data->courseCount + 1) + " holds no course"})
        EXPECT_TRUE(Has(said, says));
    EXPECT_EQ(runSteps({{"-C sub check", 0, ""}}), "");
    for (const char* file : {"Qvleague.DAT", "course.dat"}) fs::remove(file);
    EXPECT_EQ(runCli("check").out, "Qvleague.DAT: the file does not exist\ncourse.dat: the file does not exist\n");
}

TEST_F(CliFolder, HelpAndVersionAnswerOnStandardOutput) {
    CliRun help = runCli("--help"), version = runCli("--version");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(Has(help.out, "  check           load every data file"));
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("quorval-cli ") + QUORVAL_VERSION + "\n");
}

TEST_F(CliFolder, ResaveKeepsAnUnreadableLeagueAsItWas) {
    runSteps({{"resave Fall", 0, ""}});
    writeBytes("Fall.LGE", readBytes("Fall.LGE").substr(0, 5000));
    runSteps({{"resave Fall", 1, "was not written"}});
    EXPECT_EQ(readBytes("Fall.LGE.unreadable"), readBytes("Fall.LGE"));
}
// The listing is the main window's Most Recent view row for row; the export is the window's
// "Export Listing as Text" to the byte, dated by the clock it is given.
TEST_F(CliFolder, ListingAndExportAreTheWindowsListing) {
    listing::Listing listing;
    listing::Listing::ShowLatestRounds(*data);
    listing.ListMostRecent(*data);
    std::string expected;
    for (const auto& row : listing.rows()) expected += row.name + "\t" + row.line + "\n";
    EXPECT_EQ(runCli("listing Fall").out, expected);
    FixedClock clock;
    clock.date = {2027, 3, 9};
    ScriptedDialogs dialogs;
    std::ostringstream out, err;
    auto loaded = std::make_unique<store::LeagueData>();
    cli::Context ctx{*loaded, dialogs, out, err, clock};
    ASSERT_EQ(cli::RunExport(ctx, {"Fall", "out"}), cli::kOk) << err.str();
    EXPECT_EQ(
        readBytes("out.txt"),
        reports::shortprintfile(*data, listing.rows(), print::PrintDate(2027, 3, 9, store::DateOrder::kMonthDayYear)));
}

TEST_F(CliFolder, CsvHasAHeaderAndOneQuotedRowPerRound) {
    store::PlayerRecord& carl = data->players[1];
    carl.name = "Carl \"Chip\", Jr.", carl.tee = store::kBlueTee, carl.roundCount = 1;
    store::RoundRecord& r = carl.rounds[1] = store::RoundRecord{};
    r.month = 12, r.day = 31, r.year = 99, r.course = 2, r.differential = 12.5f, r.handicapIndex = 11.2f;
    r.courseHandicap = 13, r.score[store::kOutSlot] = r.score[store::kInSlot] = 36;
    std::string holes;
    for (int h = 1; h <= 18; ++h) r.score[h] = 4, holes += ",4";
    data->courses[2][store::course_field::kName] = "Pine, Hills";
    data->courses[2][store::course_field::kInitials] = "PH";
    writeFall(*data);
    std::string csv = runCli("csv Fall").out;
    EXPECT_EQ(csv.find("player,slot,date,course,initials,tee,out,in,total,differential,handicap_index,course_handicap,"
                       "hole1,"),
              0u);
    EXPECT_TRUE(
        Has(csv, ",green18\r\n\"Carl \"\"Chip\"\", Jr.\",1,1999-12-31,\"Pine, Hills\",PH,Blue,36,36,72,12.5,11.2,13" +
                     holes + holes + std::string(54, ',') + "\r\n"));
}

// A second run over the same league finds every page as it is and writes nothing.
TEST_F(CliFolder, PublishWritesThePagesOnceAndThenOnlyWhatChanged) {
    runSteps({{"publish Fall web/fall", 0, "wrote index.html\n"}});
    EXPECT_TRUE(Has(readBytes("web/fall/index.html"), "href=\"player-6.html\""));
    EXPECT_EQ(runCli("publish Fall web/fall").out, "");
}

// Ann (white tee, no rounds), Bob (white tee, rounds of 95, 89 and 92 with putts and ticks, last
// course handicap 18) and Cy (no default tee); Pine Hills has every slope, Flat Acres no white one.
struct PostFolder : CliFolder {
    void SetUp() override {
        LeagueBuilder b(*data, "Fall");
        b.course("Pine Hills").tee(1, "70.4", "120").tee(2, "70.1", "125").tee(3, "72.5", "131");
        b.course("Flat Acres").tee(1, "70.4", "118").tee(2, "70.1", "").tee(3, "72.5", "129");
        auto holes = [](int gross) {
            std::vector<int> h(18, gross / 18);
            std::fill_n(h.begin(), gross % 18, gross / 18 + 1);
            return h;
        };
        b.player("Ann Smith").player("Bob Jones").post("5/12/04", holes(95)).post("5/6/04", holes(89));
        b.post("5/9/04", holes(92)).player("Cy Young", store::kNoTee);
        for (store::RoundRecord& r : data->players[2].rounds) r.putts[1] = 2, r.fairway[1] = 1;
        writeFall(*data);
    }
};

TEST_F(PostFolder, PostStoresTheRoundOnTheChosenTeeAndPrintsTheCalculation) {
    EXPECT_EQ(
        runCli(kPost + "1 --scores " + k85).out,
        "Ann Smith\ndifferentials\n13.5\ntotal rounds = 1\n# of rounds used = 1\nAvg. = 13.5\nHcp index = 12.9\n");
    runSteps({{kPost + "1 --tee 3 --scores " + k85 + " --putts 2,1,2,2,3,2,2,1,2,2,2,2,2,2,2,2,2,2" +
                   " --fairways yynnnnnnnynnnnnnnn --greens nnnnnnnnynnnnnnnyy",
               0, ""},
              {"rules Fall", 0, "Rules=Classic\nAllowance=100\n"}});
    EXPECT_FALSE(fs::exists("Fall.cfg") || fs::exists("course.si"));  // a classic league gains no side files
    auto league = loadLeague();
    const store::RoundRecord &r = league->players[1].rounds[1], &t = league->players[1].rounds[2];
    EXPECT_EQ((std::array<int, 8>{league->players[1].roundCount, r.month, r.day, r.year, r.course, r.score[18],
                                  r.score[store::kOutSlot], r.score[store::kInSlot]}),
              (std::array<int, 8>{2, 6, 15, 4, 1, 4, 45, 40}));
    EXPECT_EQ(
        (std::array<float, 5>{r.differential, r.handicapIndex, r.courseHandicap, t.differential, t.courseHandicap}),
        (std::array<float, 5>{13.5f, 12.9f, 14.0f, 10.8f, 12.0f}));  // blue: 72.5 / 131
    // Ticks are stored as 2 or 1 and the nines count them.
    EXPECT_EQ((std::array<int, 10>{r.putts[1], t.fairway[1], t.fairway[3], t.fairway[19], t.fairway[20], t.green[9],
                                   t.green[20], t.putts[5], t.putts[19], t.putts[20]}),
              (std::array<int, 10>{0, 2, 1, 2, 1, 2, 2, 3, 17, 18}));
}

TEST_F(PostFolder, ImportReportsBadRowsAndSavesNothingUnlessTheGoodRowsAreKept) {
    std::string holes, csv = "player;date;course";
    for (int h = 1; h <= 18; ++h) holes += h < 10 ? ";5" : ";4", csv += ";hole" + std::to_string(h);
    csv += "\nNew Man;06/01/2025;Pine Hills" + holes;
    writeBytes("good.csv", csv + "\n");
    writeBytes("rounds.csv",
               csv + "\nNew Man;06/02/2025;Mars" + holes + "\nNew Man;2025-06-31;Pine Hills" + holes + "\n");
    std::string before = readBytes("Fall.LGE"),
                said = runSteps({{"import Fall good.csv --dry-run", 0, ""},
                                 {"import Fall rounds.csv", 1, "1 of 3 rounds posted, 1 player added."}});
    EXPECT_TRUE(Has(said, "line 3: there is no course \"Mars\"") && Has(said, "line 4: the date \"2025-06-31\""));
    EXPECT_EQ(readBytes("Fall.LGE"), before);
    EXPECT_EQ(runCli("import Fall rounds.csv --keep-good-rows").exitCode, 1);
    auto league = loadLeague();
    const store::PlayerRecord& man = league->players[4];
    const store::RoundRecord& r = man.rounds[1];
    EXPECT_EQ((std::array<int, 8>{league->playerCount, man.roundCount, man.tee, r.month, r.day, r.year,
                                  r.score[store::kOutSlot], r.score[store::kInSlot]}),
              (std::array<int, 8>{4, 1, store::kWhiteTee, 6, 1, 25, 45, 36}));
}

TEST_F(PostFolder, EditAndDeleteChangeOnlyTheirSlotAndRecomputeTheLastRound) {
    auto was = loadLeague();
    const store::PlayerRecord& before = was->players[2];
    runSteps({{"post Fall --player 2 --course 2 --date 01/02/05 --edit 2 --scores " + k85, 0, "total rounds = 2\n"}});
    auto edited = loadLeague();
    const store::PlayerRecord& bob = edited->players[2];
    const store::RoundRecord &r = bob.rounds[2], &old = before.rounds[2];
    EXPECT_TRUE(bob.roundCount == 3 && bob.rounds[1] == before.rounds[1] && bob.rounds[3] == before.rounds[3]);
    EXPECT_EQ((std::array<int, 5>{r.month, r.day, r.year, r.course, r.score[store::kOutSlot]}),
              (std::array<int, 5>{old.month, old.day, old.year, old.course, 45}));
    EXPECT_TRUE(r.putts == old.putts && r.fairway == old.fairway && r.differential == 13.5f);

    writeFall(*data);
    runSteps({{"delete-round Fall --player 2 --slot 2", 0, "Hcp index = 19.0\n"}});
    auto deleted = loadLeague();
    const store::PlayerRecord& left = deleted->players[2];
    EXPECT_TRUE(left.roundCount == 2 && left.rounds[1] == before.rounds[1]);
    EXPECT_EQ(left.rounds[2].score, before.rounds[3].score);
    EXPECT_EQ(left.rounds[2].courseHandicap, 21.0f);  // without the 89: (92 - 70.1) * 113 / 125 = 19.8
}

// The user's date order is kept in the settings file: --date reads in it (and as YYYY-MM-DD), the
// listing shows it, --iso shows YYYY-MM-DD, the help names it.
TEST_F(PostFolder, DatesAreTypedAndShownInTheUsersOrder) {
    const std::string s85 = " --scores " + k85 + " --date ";
    struct Case {
        std::string order, typed, shown;
    };
    const Case kCases[] = {{"mdy", "06/15/04", "06/15/04"},
                           {"dmy", "16/06/04", "16/06/04"},
                           {"ymd", "2004-06-17", "2004-06-17"},
                           {"dmy", "2004-06-18", "18/06/04"}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.order + " " + c.typed);
        runSteps({{"date-order " + c.order, 0, c.order + "  "}, {kPost + "1" + s85 + c.typed, 0, ""}});
        std::string listing = runCli("listing Fall --view player --player 1").out;
        EXPECT_TRUE(Has(listing, "Ann Smith\t" + c.shown + " ")) << listing;
        EXPECT_TRUE(Has(runCli("--help").out, "--date " + dates::OrderPattern(*dates::OrderOfKey(c.order))));
    }
    EXPECT_TRUE(Has(readBytes("config/quorval/qvl32.ini"), "\r\ndateorder=dmy\r\n"));
    EXPECT_TRUE(Has(runCli("listing Fall --view player --player 1 --iso").out, "Ann Smith\t2004-06-18 "));
    runSteps({{kPost + "1" + s85 + "06/19/04", 1, "Type it as day/month/year"},
              {"date-order mdy", 0, ""},
              {kPost + "1" + s85 + "31/06/04", 1, "Type it as month/day/year"},
              {"date-order dm", 2, "give mdy, dmy or ymd"}});
}

// Usage errors exit with 2; what is not there or not allowed exits with 1 and says why.
TEST_F(PostFolder, RefusalsSayWhy) {
    const std::string ann = "post Fall --player 1 --scores " + k85 + " --course ", s85 = " --scores " + k85;
    for (const std::string& args : std::initializer_list<std::string>{
             "", "frobnicate", "-C no-such-folder check", "listing Fall --view sideways",
             "delete-round Fall --player 2", "post Fall --player 1 --course 1", kPost + "1 --holes 3" + s85})
        EXPECT_EQ(runCli(args).exitCode, 2) << args;
    runSteps({{"listing Nowhere", 1, ""},
              {kPost + "4" + s85, 1, "no such player"},
              {ann + "3 --date 06/15/04", 1, "no such course"},
              {kPost + "1 --scores 100,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,4,4", 1, "18 whole"},
              {kPost + "1 --scores " + kZeros, 1, "both nine totals are 0"},
              {ann + "2 --date 06/15/04", 1, "white tee of Flat Acres has no slope"},
              {kPost + "3" + s85, 1, "no default tee"},
              {ann + "1 --date 06/15/04 --tee 4", 1, "the tee must be"},
              {ann + "1 --date 06/15/04 --tee Mens", 1, "the tee must be Red, White or Blue"},
              {ann + "1 --date 13/15/04", 1, "month/day/year"},
              {ann + "1 --date 02/31/26", 1, "\"02/31/26\" is not a date"},
              {kPost + "1 --scores 5,5,5,5,5,5,5,5,5,5,5,5,5,4,4,4,0,0", 1,
               "Holes 17 and 18 have no score. Type them, or clear the back nine to post nine holes."},
              {kPost + "1 --scores 5,0,5,5,5,5,5,5,5,0,0,0,0,0,0,0,0,0", 1, "Hole 2 has no score. Type it.;"},
              {ann + "1 --date 06/15/04 --putts 6,1,2,2,3,2,2,1,2,2,2,2,2,2,2,2,2,2 --fairways " +
                   std::string(18, 'y') + " --greens " + std::string(18, 'n'),
               1, "Hole 1 was played in 5 strokes: it cannot take 6 putts."},
              {ann + "1 --date 06/15/04 --putts " + kZeros, 1, "performance data needs"},
              {kPost + "2 --edit 4" + s85, 1, "no such round"}});
}

// Under the world rules a round needs the course's stroke indexes; the side files that hold the
// rules and the indexes are checked like the data files.
TEST_F(PostFolder, WorldRulesNeedStrokeIndexes) {
    const std::string s85 = " --scores " + k85, descending = "18,17,16,15,14,13,12,11,10,9,8,7,6,5,4,3,2,1";
    runSteps({{"rules Fall whs --allowance 85", 0, ""},
              {kPost + "1" + s85, 1, "Pine Hills has no stroke indexes"},
              {"stroke-index \"pine hills\" 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,17", 1,
               "Missing: 18. More than once: 17."}});
    EXPECT_EQ(readBytes("Fall.cfg"), "[Handicap]\r\nRules=WHS\r\nAllowance=85\r\n");
    runSteps({{"-C new/league demo", 0, ""}});  // demo makes the folder it is given
    EXPECT_TRUE(fs::exists("new/league/Qvleague.DAT"));
    EXPECT_FALSE(fs::exists("course.si"));
    EXPECT_TRUE(
        Has(runSteps({{"stroke-index 1 " + descending, 0, ""}, {kPost + "1" + s85, 0, "World Handicap System\n"}}),
            "a first index needs 54, no index yet"));
    EXPECT_EQ(readBytes("course.si"), "1,Pine Hills," + descending + "\r\n");
    runSteps({{"check", 0, ""}});
    writeBytes("Fall.cfg", "[Handicap]\r\nRules=Modern\r\n");
    writeBytes("course.si", "1,Old Pines," + descending + "\r\n");
    runSteps({{"check", 1, "Fall.cfg: line 2"}, {"check", 1, "course 1 is no longer \"Old Pines\""}});
}

// Four teams (players 1..9 in turn), players 10 and 11 on none.
TEST_F(CliFolder, ScheduleIsMadeChangedAndShownAndBadInputChangesNothing) {
    store::ResetTeamPart(*data);
    for (int p = data->playerCount + 1; p <= 11; ++p) data->players[p] = {.name = "Extra " + std::to_string(p)};
    data->playerCount = 11;
    data->teams.teamCount = 4;
    const char* names[] = {"", "Owls", "Hawks", "Crows", "Wrens"};
    for (int t = 1; t <= 4; ++t) data->teams.teamNames[t] = names[t];
    for (int p = 1; p <= 9; ++p) data->players[p].team = static_cast<int16_t>((p - 1) % 4 + 1);
    writeFall(*data);
    const std::string make = "schedule Fall --make --start 10/06/26 ";
    runSteps({
        {"schedule Fall", 0, "Fall has no season schedule"},
        {make + "--weeks 4 --skip 10/13/26 --tee-times 17:00,10", 0,
         "4 weeks scheduled for 4 teams, 10/06/26 to 11/03/26."},
    });
    const std::string made = readBytes("Fall.sch");
    runSteps({
        {make + "--weeks 4", 1, "Fall has a season schedule; give --replace to make a new one"},
        {make + "--weeks 0 --replace", 1, "The number of weeks must be from 1 to 520. Nothing was changed."},
        {"schedule Fall --make --start 02/30/26 --weeks 2 --replace", 1,
         "\"02/30/26\" is not a date. Type it as month/day/year"},
        {make + "--weeks 2 --shotgun --tee-times 17:00,10", 2, "usage:"},
        {"schedule Fall --make --weeks 3", 2, "usage:"},
        {"schedule Fall --rainout 10/13/26", 1, "10/13/26 is not a scheduled date."},
        {"schedule Fall --sub 10/06/26 --for 1 --by 4", 1, "plays on one of the two sides of that matchup."},
        {"schedule Fall --sub 10/06/26 --for 1", 2, "usage:"},
    });
    EXPECT_EQ(readBytes("Fall.sch"), made);
    runSteps({
        {"schedule Fall --rainout 10/20/26", 0, "Rained out: the matchups of 10/20/26 move to week 5, 11/10/26."},
        {"schedule Fall --sub 10/06/26 --for 1 --by 10", 0, "plays for"},
        {"schedule Fall", 0, "substitute: " + data->players[10].name + " plays for " + data->players[1].name},
    });
    EXPECT_EQ(runCli("schedule Fall --csv").out,
              "week,date,side_a,side_b,tee\n"
              "1,10/06/26,Owls,Wrens,17:00\n1,10/06/26,Hawks,Crows,17:10\n"
              "3,10/27/26,Owls,Hawks,17:00\n3,10/27/26,Crows,Wrens,17:10\n"
              "4,11/03/26,Wrens,Owls,17:00\n4,11/03/26,Crows,Hawks,17:10\n"
              "5,11/10/26,Crows,Owls,17:00\n5,11/10/26,Wrens,Hawks,17:10\n");
    runSteps({{make + "--weeks 1 --individual --shotgun --replace", 0, "1 week scheduled for 11 players"},
              {"schedule Fall --csv", 0, "1,10/06/26," + data->players[11].name + ",BYE,\n"}});
    writeBytes("Fall.sch", "Sides\tClubs\r\n");
    runSteps({{"check", 1, "Fall.sch: line 1: Sides is neither Teams nor Players"}});
}

// The side games read the league and write nothing: the tables as CSV, and a message with exit
// status 1 (2 for a wrong command line) for a request they cannot answer.
TEST(CliSideGames, SkinsAndStablefordOfADate) {
    TempWorkDir dir;
    auto data = std::make_unique<store::LeagueData>();
    LeagueBuilder league(*data, "Fall");
    league.course("Pine Hills");
    const std::vector<std::tuple<std::string, float, int>> players = {
        {"Al", 0.0f, 3}, {"Bo", 0.0f, 12}, {"Cy, Jr.", 10.0f, 0}, {"Di", 0.0f, 0}};
    for (const auto& [name, index, birdie] : players) {
        league.player(name).round("5/26/26", 40, 40, index).round("6/2/26", 1, 1, index);
        store::RoundRecord& r = data->players[data->playerCount].rounds[2];
        r.score[store::kOutSlot] = r.score[store::kInSlot] = 0;
        for (int h = 1; h <= (name == "Di" ? 9 : 18); ++h) {
            r.score[h] = static_cast<int16_t>((h % 3 == 0 ? 3 : 4) - (h == birdie ? 1 : 0));
            r.score[h <= 9 ? store::kOutSlot : store::kInSlot] += r.score[h];
        }
    }
    for (int h = 1; h <= 18; ++h) data->strokeIndexes[1][h] = static_cast<int16_t>(h);
    writeFall(*data);
    writeBytes(store::kStrokeIndexFileName, store::FormatStrokeIndexes(*data));
    const auto before = folderFiles();

    const std::string day = "Fall --date 06/02/26 ";
    std::string skins = runSteps({{"skins " + day + "--gross --ties carry --csv", 0, ""}});
    EXPECT_EQ(skins.substr(0, 71), "hole,par,winner,score,skins\n1,4,,,0\n2,4,,,0\n3,3,Al,2,3\n4,4,,,0\n5,4,,,0\n");
    EXPECT_TRUE(Has(skins, "\n12,3,Bo,2,9\n13,4,,,0\n"));
    EXPECT_EQ(runSteps({{"skins " + day + "--gross --totals --csv --buy-in 2.5", 0, ""}}),
              "player,skins,amount\nAl,1,3.75\nBo,1,3.75\n\"Cy, Jr.\",0,0.00\n");
    EXPECT_EQ(runSteps({{"stableford " + day + "--csv", 0, ""}}),
              "place,player,handicap,points,last9,last6,last3,last1\n1,\"Cy, Jr.\",10,46,19,12,6,2\n"
              "2,Bo,0,37,19,12,6,2\n3,Al,0,37,18,12,6,2\n");
    runSteps({{"skins " + day + "--pot 10", 0, "Not in the field: Di (front nine)"},
              {"skins " + day + "--gross", 0, "Skins won: 2, 0.00 each"},
              {"skins Fall --date 06/03/26", 1, "No rounds were played on 06/03/26"},
              {"skins " + day + "--course Nowhere", 1, "no course named Nowhere"},
              {"skins " + day + "--buy-in -5", 1, "buy-in must be an amount"},
              {"stableford " + day + "--allowance 0", 1, "from 1 to 100"},
              {"skins " + day + "--players 1,9", 1, "no player 9"},
              {"skins " + day + "--buy-in 1 --pot 5", 2, "usage"},
              {"skins Fall --date 6/31/26", 2, "\"6/31/26\" is not a date"},
              {"stableford Fall --csv", 2, "usage"}});
    EXPECT_EQ(folderFiles(), before);
}

// rules --recompute after rounds typed out of order under the classic rules: the figures of posting
// the same rounds afresh in date order under the World Handicap System rules, the league file
// copied first; switching without it says the stored figures were kept.
TEST_F(CliFolder, RecomputeUnderTheWorldRulesEqualsAFreshPostingInDateOrder) {
    for (int p = 1; p <= data->playerCount; ++p) data->players[p].roundCount = 0;
    data->players[1].tee = store::kWhiteTee;
    writeFall(*data);
    const std::string si = "stroke-index 1 18,17,16,15,14,13,12,11,10,9,8,7,6,5,4,3,2,1";
    const std::string big = " --scores 9,9,9,9,9,9,9,9,9,5,5,5,5,5,5,5,5,5";  // 126 as played
    const std::vector<std::string> inOrder = {"05/01/26" + big, "05/08/26 --scores " + k85, "05/15/26 --scores " + k85,
                                              "05/22/26" + big};
    auto postAt = [](const std::string& where, const std::string& round) {
        return where + "post Fall --course 1 --player 1 --date " + round;
    };
    fs::create_directory("sub");
    for (const auto& entry : fs::directory_iterator("."))
        if (entry.is_regular_file()) fs::copy(entry.path(), fs::path("sub") / entry.path().filename());
    runSteps({{si, 0, ""}, {"-C sub " + si, 0, ""}, {"-C sub rules Fall whs", 0, "keep the figures they have"}});
    for (const std::string& round : inOrder) runSteps({{postAt("-C sub ", round), 0, "World Handicap System"}});
    for (int k : {3, 1, 0, 2}) runSteps({{postAt("", inOrder[static_cast<size_t>(k)]), 0, ""}});
    std::string before = readBytes("Fall.LGE");
    runSteps({{"rules Fall whs --recompute", 0, "Fall.LGE.before-recompute"}});
    EXPECT_EQ(readBytes("Fall.LGE.before-recompute"), before);
    EXPECT_EQ(runCli("listing Fall").out, runCli("-C sub listing Fall").out);
    EXPECT_TRUE(Has(runCli("listing Fall").out, " 126 "));  // the gross as played
    runSteps({{"check", 0, ""}});
}

// The reader every command walks its arguments with: a value is taken whatever it looks like, an
// option without one at the end is unknown, one word only, and a refused value ends the walk.
TEST(OptionReader, TakesFlagsValuesAndOneWordInOrder) {
    struct Case {
        cli::Args args;
        const char* read;  // what was read, or "usage"
    } const cases[] = {
        {{"Fall", "--csv", "--date", "--csv"}, "Fall csv date=--csv"},
        {{"--n", "7", "Fall", "--n", "-8"}, "Fall n=-8"},
        {{"Fall", "--date"}, "usage"},
        {{"Fall", "Spring"}, "usage"},
        {{"Fall", "--n", "7x"}, "usage"},
        {{"Fall", "--n", "", "--csv"}, "usage"},
        {{"--csv"}, " csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        std::string league, date;
        std::optional<int> n;
        bool csv = false, known = true;
        cli::OptionReader in(c.args);
        while (known && in.more())
            known = in.flag("--csv", csv) || in.option("--date", date) || in.option("--n", n, cli::WholeNumber) ||
                    in.word(league);
        std::string read = league + (csv ? " csv" : "") + (date.empty() ? "" : " date=" + date) +
                           (n ? " n=" + std::to_string(*n) : "");
        EXPECT_EQ(known && !in.refused() ? read : "usage", c.read);
    }
}

}  // namespace
}  // namespace quorval
