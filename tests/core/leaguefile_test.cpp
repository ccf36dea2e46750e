#include "store/leaguefile.hpp"

#include <gtest/gtest.h>

#include <bit>

#include "fullleague.hpp"
#include "scripteddialogs.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"

namespace fs = std::filesystem;
using namespace quorval;
using namespace quorval::testing;

namespace {

constexpr int kLinesPerPlayer = 1743;
// Line offsets (0-based) inside the file of the first player and his first round.
constexpr int kName1 = 2, kTee1 = 3, kRoundCount1 = 4, kDiff1 = 5, kMonth1 = 6, kIndex1 = 9, kChcp1 = 10, kCourse1 = 11,
              kScore1 = 12, kFairway1 = 13;

// The first line names the file and the reason, then where to look, then the copy kept.
platform::Message loadFailed(const std::string& first, const std::string& copy = "") {
    return {first +
                "\r\nUnable to load league file, please check the\r\nworking directory specified by your launcher." +
                copy,
            "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation};
}

platform::Message unreadable(const std::string& reason) {
    return loadFailed("The league file Fall.LGE could not be loaded: " + reason + ".",
                      "\r\nThe unreadable file was kept as \"Fall.LGE.unreadable\".");
}

std::unique_ptr<store::LeagueData> newLeague() {
    auto data = std::make_unique<store::LeagueData>();
    data->leagueFileName = "Fall.LGE";
    return data;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t pos = 0, end; pos < text.size(); pos = end + 2) {
        end = text.find("\r\n", pos);
        lines.push_back(text.substr(pos, end - pos));
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// Equal to the bit: a float read one way as -0 or one ulp off would not show in the saved text.
void expectSamePlayers(const store::LeagueData& got, const store::LeagueData& want, int players) {
    auto bits = [](const store::RoundRecord& z) {
        return std::bit_cast<std::array<uint32_t, 3>>(std::array{z.differential, z.handicapIndex, z.courseHandicap});
    };
    for (int p = 1; p <= players; ++p) {
        const auto &a = got.players[p], &b = want.players[p];
        EXPECT_TRUE(a.name == b.name && a.tee == b.tee && a.roundCount == b.roundCount && a.rounds == b.rounds)
            << "player " << p;
        for (int r = 1; r <= store::kMaxRounds; ++r) ASSERT_EQ(bits(a.rounds[r]), bits(b.rounds[r])) << p << "/" << r;
    }
}

class LeagueFile : public ::testing::Test {
protected:
    TempWorkDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<store::LeagueData> data = newLeague(), original = newLeague();
};

// Two teams, three players and one point entry in team 1.
const std::string kSmallTeamFile =
    " 2 \r\nEagles, \"A\"\r\n\r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\nWeek 1 at Oak\r\n 12.5 \r\n-.5 \r\n 0 \r\n";

std::unique_ptr<store::LeagueData> leagueWithPlayers(int players) {
    auto data = std::make_unique<store::LeagueData>();
    data->leagueFileName = "Fall.LGE";
    data->playerCount = static_cast<int16_t>(players);
    return data;
}

using TeamFile = LeagueFile;

}  // namespace

TEST_F(LeagueFile, NewLeagueIsTheMarkerAndACountOfZeroAndAPlayerTakes1743LinesInTheirFileForm) {
    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(readBytes("Fall.LGE"), " 3000 \r\n 0 \r\n");

    data->playerCount = 1;
    auto& player = data->players[1];
    player.name = "Al", player.tee = store::kWhiteTee;
    player.selected = 1;  // a window's mark is not part of the file
    auto& round = player.rounds[1];
    round.differential = -1.3f, round.month = 12, round.handicapIndex = 0.5f, round.courseHandicap = 16;
    round.course = 200, round.fairway[1] = -2;
    auto lines = splitLines(store::FormatLeague(*data));
    ASSERT_EQ(lines.size(), 2u + kLinesPerPlayer);
    std::map<int, std::string> expected{{kName1, "Al"},    {kTee1, " 2 "},   {kDiff1, "-1.3 "},   {kMonth1, " 12 "},
                                        {kIndex1, " .5 "}, {kChcp1, " 16 "}, {kCourse1, " 200 "}, {kFairway1, "-2 "}};
    for (int i = kName1; i < static_cast<int>(lines.size()); ++i) {
        ASSERT_EQ(lines[i], expected.count(i) ? expected[i] : " 0 ") << "line " << i + 1;
    }
}

// Names are lines as they are: blanks, quotes, commas, numbers and nothing at all.
TEST_F(LeagueFile, FullLeagueLoadsEqualAndSavesToTheSameBytesBothWaysAndAPlayerMoreFailsTheLoad) {
    samples::FillFullLeague(*original, 2);
    const char* const names[] = {"Hal  ", "", "\"Quoted\"", "12", "3000", "Ed, Jr.", "  Dot"};
    for (int p = 1; p <= 7; ++p) original->players[p].name = names[p - 1];
    ASSERT_TRUE(store::SaveLeagueFile(*original, dialogs));
    std::string first = readBytes("Fall.LGE");
    EXPECT_EQ(first, store::FormatLeague(*original, store::Conversions::General));
    EXPECT_TRUE(store::ParseLeague(*data, first + "\r\n \r\n").ok);  // trailing blank lines are no players
    ASSERT_TRUE(store::LoadLeagueFile(*data, dialogs).ok);
    ASSERT_EQ(data->playerCount, store::kMaxPlayers);
    expectSamePlayers(*data, *original, store::kMaxPlayers);

    auto lines = splitLines(first);
    lines[1] = " 101 ";
    for (int i = 0; i < kLinesPerPlayer; ++i) lines.push_back(lines[kName1 + i]);  // a complete 101st player
    writeBytes("Fall.LGE", joinLines(lines));
    EXPECT_FALSE(store::LoadLeagueFile(*data, dialogs).ok);
    EXPECT_EQ(dialogs.takeMessages(), std::vector{unreadable("line 2: player count 101 is more than 100")});
    EXPECT_EQ(data->playerCount, store::kMaxPlayers);
    expectSamePlayers(*data, *original, store::kMaxPlayers);
}

// A file of the older layout has no marker line and no fairways, greens or putts; it loads with
// those empty and is saved back in the current layout.
TEST_F(LeagueFile, OlderLayoutLoadsWithoutThePerformanceDataAndSavesInTheCurrentOne) {
    samples::FillRandomLeague(*original, 4, 2);
    auto lines = splitLines(store::FormatLeague(*original));
    std::vector<std::string> old{lines[1]};
    for (size_t i = 2; i < lines.size(); ++i) {
        int inRound = static_cast<int>((i - 2) % kLinesPerPlayer) - 3;
        if (inRound < 0 || inRound % 87 < 7 || (inRound % 87 - 7) % 4 == 0) old.push_back(lines[i]);
    }
    writeBytes("Fall.LGE", joinLines(old));
    ASSERT_EQ(old.size(), 1u + 2 * 543);
    ASSERT_TRUE(store::LoadLeagueFile(*data, dialogs).ok);
    for (int p = 1; p <= 2; ++p)
        for (auto& round : original->players[p].rounds) round.fairway = round.green = round.putts = {};
    expectSamePlayers(*data, *original, 2);
    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_EQ(readBytes("Fall.LGE"), store::FormatLeague(*data));
    EXPECT_EQ(readBytes("Fall.LGE").rfind(" 3000 \r\n 2 \r\n", 0), 0u);
}

TEST_F(LeagueFile, FileEndingInsideAPlayerKeepsWhatWasRead) {
    samples::FillRandomLeague(*original, 5, 5);
    auto& want = original->players[3];
    want.roundCount = 4, want.rounds[2].score[1] = 6, want.rounds[2].putts[1] = 2;
    auto lines = splitLines(store::FormatLeague(*original));
    lines.resize(2 + 2 * kLinesPerPlayer + 3 + 87 + 10);  // inside the third player's second round
    std::string cut = joinLines(lines);
    writeBytes("Fall.LGE", cut);

    EXPECT_FALSE(store::LoadLeagueFile(*data, dialogs).ok);
    EXPECT_EQ(dialogs.takeMessages(),
              std::vector{unreadable("line " + std::to_string(lines.size() + 1) + ": the file ends early")});
    EXPECT_EQ(std::tuple(readBytes("Fall.LGE.unreadable"), data->playerCount), std::tuple(cut, int16_t{5}));
    expectSamePlayers(*data, *original, 2);
    const auto& got = data->players[3];
    // The putts are the line after the last one read.
    EXPECT_EQ(std::tuple(got.rounds[1], got.roundCount, got.rounds[2].score[1], got.rounds[2].putts[1]),
              std::tuple(want.rounds[1], int16_t{4}, int16_t{6}, int16_t{0}));
    EXPECT_EQ(std::tuple(got.rounds[3], data->players[4].name), std::tuple(store::RoundRecord{}, std::string()));
}

// The quick readers must agree with the general ones on any line, as league and as team file.
TEST_F(LeagueFile, ValueOutsideWhatTheLeagueHoldsFailsTheLoadAndOddNumbersReadAsTheGeneralRulesDo) {
    // clang-format off
    const std::tuple<int, const char*, bool> kCases[] = {  // 0-based line of a one-player league, text, loads
        {1, "-1 ", false}, {1, " 0 ", false}, {1, "+1", true}, {1, "1.4", true}, {1, "1e0", true}, {1, "12abc", false},
        {kTee1, " 0 ", true}, {kTee1, " 4 ", false}, {kTee1, "2.5", true}, {kTee1, "\t3 ", true}, {kTee1, "0x1", false},
        {kRoundCount1, " 21 ", false}, {kRoundCount1, "-1 ", false}, {kCourse1, " 200 ", true},
        {kCourse1, " 201 ", false}, {kMonth1, " 32768 ", false}, {kMonth1, "-32768.5", true}, {kScore1, " x ", false},
        {kDiff1, "-0", true}, {kDiff1, " 1E+07 ", true}, {kDiff1, "1e400", false}, {kDiff1, "-1e-400", true},
        {kDiff1, "16777217", true}, {kDiff1, "3.4028236e38", false}, {kDiff1, "", false}, {kDiff1, "5.", true}};
    // clang-format on
    samples::FillRandomLeague(*original, 9, 1);
    const auto lines = splitLines(store::FormatLeague(*original));
    for (auto [line, text, loads] : kCases) {
        SCOPED_TRACE(std::to_string(line) + ": \"" + text + "\"");
        auto changed = lines;
        changed[line] = text;
        const std::string file = joinLines(changed);
        auto a = store::ParseLeague(*data, file), b = store::ParseLeague(*original, file, store::Conversions::General);
        EXPECT_EQ(a.ok, loads);
        ASSERT_EQ(std::tuple(a.ok, a.problem, data->playerCount), std::tuple(b.ok, b.problem, original->playerCount));
        expectSamePlayers(*data, *original, 1);
        const auto& player = data->players[1];
        EXPECT_TRUE(data->playerCount >= 0 && data->playerCount <= store::kMaxPlayers && player.roundCount >= 0 &&
                    player.roundCount <= store::kMaxRounds && player.rounds[1].course >= 0 &&
                    player.rounds[1].course <= store::kMaxCourses);
        store::ResetTeamPart(*data), store::ResetTeamPart(*original);
        a = store::ParseTeams(*data, file), b = store::ParseTeams(*original, file, store::Conversions::General);
        ASSERT_EQ(std::tuple(a.ok, a.problem, data->players[1].team),
                  std::tuple(b.ok, b.problem, original->players[1].team));
        ASSERT_TRUE(data->teams == original->teams);
    }
}

TEST_F(LeagueFile, MissingFileShowsTheMessageAndWindows1252NamesAreReadAndWrittenBackAsUtf8) {
    samples::FillRandomLeague(*data, 3, 4);
    EXPECT_FALSE(store::LoadLeagueFile(*data, dialogs).ok);
    EXPECT_EQ(dialogs.takeMessages(), std::vector{loadFailed("The league file Fall.LGE is missing.")});
    EXPECT_EQ(std::tuple(data->playerCount, data->players[1].name), std::tuple(int16_t{0}, std::string()));
    EXPECT_FALSE(fs::exists("Fall.LGE.unreadable"));

    data->playerCount = 1;
    data->players[1].name = "M\xFCller";  // as an older system wrote it
    writeBytes("Fall.LGE", store::FormatLeague(*data));
    ASSERT_TRUE(store::LoadLeagueFile(*data, dialogs).ok);
    EXPECT_EQ(data->players[1].name, "Müller");
    ASSERT_TRUE(store::SaveLeagueFile(*data, dialogs));
    EXPECT_NE(readBytes("Fall.LGE").find("\r\nM\xC3\xBCller\r\n"), std::string::npos);
}

TEST_F(TeamFile, SmallLeagueIsWrittenLineByLineAndReadBackMarkingTeamsInUse) {
    auto data = leagueWithPlayers(3);
    auto& teams = data->teams;
    teams.teamCount = 2, teams.teamNames[1] = "Eagles, \"A\"", teams.teamEntryCount[1] = 1;
    teams.teamEntries[1][1] = {"Week 1 at Oak", 12.5f, -0.5f};
    data->players[1].team = 1, data->players[3].team = 2;
    data->players[4].team = 2;  // beyond the player count: not written
    ASSERT_TRUE(store::SaveTeamFile(*data, dialogs));
    EXPECT_EQ(readBytes("Fall.tea"), kSmallTeamFile);
    auto written = std::make_unique<store::TeamPart>(teams);
    written->teamsInUse = 1;

    fs::rename("Fall.tea", "FALL.TEA");
    data = leagueWithPlayers(3);
    data->players[2].team = data->players[50].team = 7;  // stale values from before
    EXPECT_TRUE(store::LoadTeamAssignments(*data).ok);
    EXPECT_TRUE(data->teams == *written);
    EXPECT_EQ(std::tuple(data->players[1].team, data->players[2].team, data->players[3].team, data->players[50].team),
              std::tuple(1, 0, 2, 0));
}

TEST_F(TeamFile, ReadingStopsQuietlyAtTheFirstBadValue) {
    for (const char* text :
         {" 101 \r\n", " 1 \r\nA\r\n 1 \r\n 1 \r\n 151 \r\n", " 1 \r\nA\r\n 0 \r\n 0 \r\n 1 \r\nW\r\n 1 \r\nx\r\n"}) {
        SCOPED_TRACE(text);
        fs::remove("Fall.tea.unreadable");
        writeBytes("Fall.tea", text);
        auto data = leagueWithPlayers(2);
        EXPECT_FALSE(store::LoadTeamFile(*data).ok);
        EXPECT_EQ(readBytes("Fall.tea.unreadable"), text);
        EXPECT_TRUE(data->teams.teamCount >= 0 && data->teams.teamCount <= store::kMaxTeams &&
                    data->teams.teamEntryCount[1] >= 0 && data->teams.teamEntryCount[1] <= store::kMaxTeamEntries);
    }
}
