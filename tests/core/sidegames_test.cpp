#include <gtest/gtest.h>

#include <memory>

#include "leaguebuilder.hpp"
#include "play/money.hpp"
#include "play/skins.hpp"
#include "play/stableford.hpp"
#include "publish/sidegamepages.hpp"
#include "publish/site.hpp"
#include "store/leagueoptions.hpp"

namespace quorval {
namespace {

const results::PlayDate kJune2{6, 2, 26};
const std::string kFours = "444444444444444444";
const std::string kPars = "443443443443443443";  // every third hole is a par 3

class SideGamesTest : public ::testing::Test {
protected:
    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    testing::LeagueBuilder league = testing::LeagueBuilder(data).course("Pine Hills", "PH").course("Oak Run");

    void SetUp() override {
        for (int c = 1; c <= 2; ++c)
            for (int h = 1; h <= 18; ++h) data.strokeIndexes[c][h] = static_cast<int16_t>(h);
    }

    // A player with an earlier round that leaves `index`, then a round of these hole scores (a
    // digit a hole, 0 for a hole not played) on each date given.
    void play(const std::string& name, float index, const std::string& holes,
              const std::vector<std::string>& dates = {"6/2/26"}, int course = 1) {
        league.player(name).round("5/26/26", 40, 40, index);
        for (const std::string& date : dates) {
            league.round(date, 1, 1, index, course);
            holesOf(name, static_cast<int>(&date - dates.data()) + 2, holes);
        }
    }
    void holesOf(const std::string& name, int slot, const std::string& holes) {
        for (int p = 1; p <= data.playerCount; ++p) {
            if (data.players[p].name != name) continue;
            store::RoundRecord& r = data.players[p].rounds[slot];
            r.score[store::kOutSlot] = r.score[store::kInSlot] = 0;
            for (int h = 1; h <= 18; ++h) {
                r.score[h] = static_cast<int16_t>(holes[static_cast<size_t>(h - 1)] - '0');
                r.score[h <= 9 ? store::kOutSlot : store::kInSlot] += r.score[h];
            }
        }
    }
    play::Field field(bool net = true, int allowance = 100) {
        play::FieldResult result = play::FieldOfDate(data, {kJune2, "", {}, net, allowance});
        EXPECT_TRUE(result.field) << result.error;
        return result.field.value_or(play::Field{});
    }
};

std::string with(std::string holes, int hole, char score) {
    holes[static_cast<size_t>(hole - 1)] = score;
    return holes;
}

TEST_F(SideGamesTest, StrokesFollowTheRulesAllowanceAndHolesPlayed) {
    struct Case {
        const char* name;
        float index;
        std::string holes;
        int allowance;
        bool whs;
        int handicap;
        std::string strokes;  // holes 1..18, '-' for a stroke given back
    };
    const std::string front = "444444444000000000", back = "000000000444444444";
    const Case cases[] = {
        {"full handicap", 10, kFours, 100, false, 10, "111111111100000000"},
        {"allowance", 10, kFours, 80, false, 8, "111111110000000000"},
        {"over 18", 25, kFours, 100, false, 25, "222222211111111111"},
        {"plus handicap", -2, kFours, 100, false, -2, "0000000000000000--"},
        {"front nine halves it", 10, front, 100, false, 5, "111110000000000000"},
        {"back nine ranks its own", 10, back, 100, false, 5, "000000000111110000"},
        {"world rules add rating less par", 10, kFours, 90, true, 13, "111111111111100000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::LeagueBuilder(data).course("Pine Hills");
        data.options.rules = c.whs ? store::HandicapRules::WHS : store::HandicapRules::Classic;
        play("Al", c.index, c.holes);
        play::Field f = field(true, c.allowance);
        ASSERT_EQ(f.players.size(), 1u);
        std::string strokes;
        for (int h = 1; h <= 18; ++h)
            strokes += f.players[0].strokes[h] < 0 ? '-' : char('0' + f.players[0].strokes[h]);
        EXPECT_EQ(f.players[0].handicap, c.handicap);
        EXPECT_EQ(strokes, c.strokes);
    }
    data.options.rules = store::HandicapRules::Classic;
    EXPECT_EQ(field(false).players[0].handicap, 0);
}

TEST_F(SideGamesTest, TheFieldIsOneCourseOverTheSameHolesAndBadRequestsAreRefused) {
    play("Al", 5, kFours);
    play("Bo", 5, kFours);
    play("Cy", 5, "444444444000000000");
    play("Di", 5, kFours, {"6/9/26"});
    play::Field f = field();
    EXPECT_EQ(f.players.size(), 2u);
    EXPECT_EQ(f.notInField, std::vector<std::string>{"Cy (front nine)"});
    play::FieldResult narrowed = play::FieldOfDate(data, {kJune2, "pine hills", {2, 4}, true, 100});
    ASSERT_TRUE(narrowed.field);
    EXPECT_EQ(narrowed.field->players.at(0).name + "|" + narrowed.field->notInField.at(0), "Bo|Di (no round)");

    struct Bad {
        play::FieldRequest request;
        std::string says;
    };
    const Bad bad[] = {
        {{{6, 3, 26}, "", {}, true, 100}, "No rounds were played on 06/03/26"},
        {{kJune2, "Nowhere", {}, true, 100}, "no course named Nowhere"},
        {{kJune2, "Oak Run", {}, true, 100}, "No rounds were played at Oak Run"},
        {{kJune2, "", {}, true, 0}, "from 1 to 100"},
        {{kJune2, "", {}, true, 101}, "from 1 to 100"},
        {{kJune2, "", {5}, true, 100}, "no player 5"},
        {{kJune2, "", {4}, true, 100}, "None of the players chosen"},
    };
    for (const Bad& b : bad) {
        play::FieldResult result = play::FieldOfDate(data, b.request);
        EXPECT_FALSE(result.field) << b.says;
        EXPECT_NE(result.error.find(b.says), std::string::npos) << result.error;
    }
    play("Ed", 5, kFours, {"6/2/26"}, 2);
    EXPECT_NE(play::FieldOfDate(data, {kJune2, "", {}, true, 100}).error.find("(Pine Hills, Oak Run)"),
              std::string::npos);
    data.strokeIndexes[2] = {};
    EXPECT_NE(play::FieldOfDate(data, {kJune2, "Oak Run", {}, true, 100}).error.find("no stroke indexes"),
              std::string::npos);
    EXPECT_TRUE(play::FieldOfDate(data, {kJune2, "Oak Run", {}, false, 100}).field);
}

// "3:A1 7:C4 carried 11": the holes won, by whom, for how many skins, and what went off the end.
std::string describe(const play::Field& field, const play::Skins& skins) {
    std::string out;
    for (const play::SkinHole& h : skins.holes) {
        if (h.winner < 0) continue;
        out += std::to_string(h.hole) + ":" + field.players[static_cast<size_t>(h.winner)].name[0] +
               std::to_string(h.skins) + "/" + std::to_string(h.score) + " ";
    }
    return out + "carried " + std::to_string(skins.carriedOff);
}

TEST_F(SideGamesTest, SkinsGoToTheOneLowestScoreOfAHole) {
    struct Case {
        const char* name;
        std::array<std::string, 3> holes;
        std::array<float, 3> indexes;
        bool net;
        play::Ties ties;
        std::string won;
    };
    const std::string front = "444444444000000000";
    const auto none = play::Ties::None, carry = play::Ties::Carry;
    // clang-format off
    const Case cases[] = {
        {"a tie of two wins nothing", {with(kFours, 2, '3'), with(with(kFours, 2, '3'), 5, '3'), kFours}, {0, 0, 0},
         false, none, "5:B1/3 carried 0"},
        {"a three-way tie wins nothing", {kFours, kFours, kFours}, {0, 0, 0}, false, none, "carried 0"},
        {"carried over several holes and off the end", {with(kFours, 3, '2'), kFours, with(kFours, 7, '3')},
         {0, 0, 0}, false, carry, "3:A3/2 7:C4/3 carried 11"},
        {"net: the strokes received win", {kFours, kFours, kFours}, {0, 18, 0}, true, none,
         "1:B1/3 2:B1/3 3:B1/3 4:B1/3 5:B1/3 6:B1/3 7:B1/3 8:B1/3 9:B1/3 10:B1/3 11:B1/3 12:B1/3 13:B1/3 14:B1/3 "
         "15:B1/3 16:B1/3 17:B1/3 18:B1/3 carried 0"},
        {"gross: the same cards win nothing", {kFours, kFours, kFours}, {0, 18, 0}, false, none, "carried 0"},
        {"a plus handicap gives a stroke back on the last index", {with(with(kFours, 1, '3'), 18, '3'), kFours, kFours},
         {-1, 0, 0}, true, none, "1:A1/3 carried 0"},
        {"a nine", {with(front, 9, '3'), front, front}, {0, 0, 0}, false, carry, "9:A9/3 carried 0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::LeagueBuilder(data).course("Pine Hills");
        for (size_t i = 0; i < 3; ++i) play(std::string(1, char('A' + i)) + "l", c.indexes[i], c.holes[i]);
        play::Field f = field(c.net);
        play::SkinsOptions options;
        options.ties = c.ties;
        EXPECT_EQ(describe(f, play::ComputeSkins(data, f, options)), c.won);
    }
}

TEST_F(SideGamesTest, ThePotIsSharedPerSkinToTheCent) {
    struct Case {
        const char* name;
        play::SkinsOptions options;
        std::array<std::string, 3> holes;
        std::string money;  // pot, skin, leftover, then each player's amount
    };
    const std::array<std::string, 3> seven = {with(kFours, 3, '2'), kFours, with(kFours, 7, '3')};
    // clang-format off
    const Case cases[] = {
        {"buy-in", {play::Ties::Carry, 500, std::nullopt}, seven, "1500 214 2: 642 0 856"},
        {"fixed pot", {play::Ties::None, 500, 1000}, {with(kFours, 1, '3'), with(kFours, 2, '3'), with(kFours, 4, '3')},
         "1000 333 1: 333 333 333"},
        {"no skin won", {play::Ties::Carry, 500, std::nullopt}, {kFours, kFours, kFours}, "1500 0 0: 0 0 0 returned"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::LeagueBuilder(data).course("Pine Hills");
        for (size_t i = 0; i < 3; ++i) play(std::string(1, char('A' + i)) + "l", 0, c.holes[i]);
        play::Skins skins = play::ComputeSkins(data, field(false), c.options);
        std::string money = std::to_string(skins.pot) + " " + std::to_string(skins.skinValue) + " " +
                            std::to_string(skins.leftover) + ":";
        for (const play::SkinsWon& won : skins.players) money += " " + std::to_string(won.amount);
        EXPECT_EQ(money + (skins.potReturned() ? " returned" : ""), c.money);
    }
}

TEST_F(SideGamesTest, SeasonTotalsAddUpTheNightsInTheRange) {
    play("Al", 0, kFours, {"6/2/26", "6/9/26"});
    play("Bo", 0, kFours, {"6/2/26", "6/9/26"});
    holesOf("Al", 2, with(kFours, 1, '3'));
    holesOf("Bo", 3, with(with(kFours, 1, '3'), 2, '3'));
    holesOf("Al", 3, with(kFours, 2, '3'));
    play::SkinsOptions options{play::Ties::Carry, 100, std::nullopt};
    auto totals = [&](std::optional<results::PlayDate> from, std::optional<results::PlayDate> to) {
        play::SeasonSkins season = play::SkinsTotals(data, {{}, "", {}, false, 100}, options, from, to);
        std::string out = std::to_string(season.nights.size()) + " nights:";
        for (const play::SkinsWon& won : season.players)
            out += " " + won.name + " " + std::to_string(won.skins) + " " + std::to_string(won.amount);
        return out;
    };
    // 5/26, the rounds before: all tied. 6/9: hole 1 goes to Bo, hole 2 is tied and carries on
    // to the end.
    EXPECT_EQ(totals(std::nullopt, std::nullopt), "3 nights: Al 1 200 Bo 1 200");
    EXPECT_EQ(totals(results::PlayDate{6, 3, 26}, std::nullopt), "1 nights: Al 0 0 Bo 1 200");
    EXPECT_EQ(totals(results::PlayDate{5, 27, 26}, results::PlayDate{6, 2, 26}), "1 nights: Al 1 200 Bo 0 0");
}

TEST_F(SideGamesTest, TheDatePageShowsWhoWonWhichSkinForHowMuchAndTheStablefordTable) {
    data.options.skinsBuyIn = 500;
    data.options.currency = "$";
    play("Al", 0, with(kFours, 1, '3'));
    play("Bo", 0, kFours);
    std::string page;
    for (const publish::SiteFile& file : publish::BuildSite(data))
        if (file.name == "day-2026-06-02.html") page = file.content;
    EXPECT_NE(page.find("<h2>Skins</h2>"), std::string::npos) << page;
    EXPECT_NE(page.find("<tr><td>1</td><td class=\"wide\">4</td><td class=\"name\">Al</td><td>3</td><td>1</td>"
                        "<td>$10.00</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("<h2>Stableford</h2>"), std::string::npos);
    data.strokeIndexes[1] = {};  // gross skins only: no strokes, no points
    const std::string gross = publish::SideGamesHtml(data, kJune2);
    EXPECT_NE(gross.find("Gross, 2 players"), std::string::npos) << gross;
    EXPECT_EQ(gross.find("Stableford"), std::string::npos);
}

TEST(StablefordPointsTest, EveryRowOfTheStandardAndAModifiedTable) {
    const play::PointsTable standard{5, 4, 3, 2, 1, 0}, modified{8, 5, 2, 0, -1, -3};
    // Net score to par: -4 (one better than albatross) .. +3, on a par 5 with a stroke received.
    const int standardPoints[] = {6, 5, 4, 3, 2, 1, 0, 0};
    const int modifiedPoints[] = {11, 8, 5, 2, 0, -1, -3, -3};
    for (int toPar = -4; toPar <= 3; ++toPar) {
        SCOPED_TRACE(toPar);
        EXPECT_EQ(play::StablefordPoints(standard, 5, 1, 6 + toPar), standardPoints[toPar + 4]);
        EXPECT_EQ(play::StablefordPoints(modified, 5, 1, 6 + toPar), modifiedPoints[toPar + 4]);
    }
}

TEST_F(SideGamesTest, StablefordCountsBackOverTheLastHolesAndSharesWhatStaysEqual) {
    struct Case {
        const char* name;
        std::string base;
        std::vector<std::pair<const char*, int>> birdies;  // a player and the hole of his one birdie
        std::string table;
    };
    const std::string frontPars = "443443443000000000";
    // clang-format off
    const Case cases[] = {
        {"eighteen holes", kPars, {{"A", 1}, {"B", 10}, {"C", 13}, {"D", 16}, {"E", 18}, {"F", 18}, {"G", 2}},
         "T1 E 37 19 13 7 3, T1 F 37 19 13 7 3, 3 D 37 19 13 7 2, 4 C 37 19 13 6 2, 5 B 37 19 12 6 2, "
         "T6 A 37 18 12 6 2, T6 G 37 18 12 6 2, "},
        {"a nine", frontPars, {{"H", 1}, {"I", 4}, {"J", 7}, {"K", 9}},
         "1 K 19 - 13 7 3, 2 J 19 - 13 7 2, 3 I 19 - 13 6 2, 4 H 19 - 12 6 2, "},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::LeagueBuilder(data).course("Pine Hills");
        for (const auto& [name, hole] : c.birdies)
            play(name, 0, with(c.base, hole, static_cast<char>(c.base[static_cast<size_t>(hole - 1)] - 1)));
        std::string table;
        for (const play::StablefordRow& r : play::RankStableford(data, field(), {5, 4, 3, 2, 1, 0}))
            table += play::PlaceText(r) + " " + r.name + " " + std::to_string(r.points) + " " +
                     (r.last9 ? std::to_string(*r.last9) : "-") + " " + std::to_string(r.last6) + " " +
                     std::to_string(r.last3) + " " + std::to_string(r.last1) + ", ";
        EXPECT_EQ(table, c.table);
    }
}

TEST(SideGameOptionsTest, TheOptionsFileKeepsThePointsTableTiesAndCurrency) {
    store::LeagueOptions options;
    std::string text =
        "[Handicap]\r\nRules=Classic\r\nAllowance=100\r\n[Stableford]\r\nPoints=8, 5,2,0,-1,-3\r\n"
        "[Skins]\r\nTies=carry\r\nBuyIn=2.5\r\nCurrency=$\r\n";
    ASSERT_TRUE(store::ParseLeagueOptions(options, text).ok);
    EXPECT_EQ(options.stablefordPoints, (play::PointsTable{8, 5, 2, 0, -1, -3}));
    EXPECT_EQ(std::to_string(options.skinsCarry) + " " + std::to_string(options.skinsBuyIn) + " " + options.currency,
              "1 250 $");
    store::LeagueOptions again;
    ASSERT_TRUE(store::ParseLeagueOptions(again, store::FormatLeagueOptions(options)).ok);
    EXPECT_EQ(again, options);
    EXPECT_EQ(store::FormatLeagueOptions(store::LeagueOptions{}).find("Stableford"), std::string::npos);
    for (const char* bad : {"[Stableford]\nPoints=5,4,3,2,1\n", "[Stableford]\nPoints=5,4,3,2,1,0,0\n",
                            "[Skins]\nTies=split\n", "[Skins]\nBuyIn=-1\n"})
        EXPECT_FALSE(store::ParseLeagueOptions(options, bad).ok) << bad;
}

TEST(MoneyTest, AmountsAreWholeCents) {
    const std::pair<const char*, play::Cents> amounts[] = {{"5", 500}, {"2.5", 250}, {"0.05", 5}, {".75", 75}};
    for (const auto& [text, cents] : amounts) EXPECT_EQ(play::ParseAmount(text), cents) << text;
    for (const char* bad : {"-1", "1.234", "5.", "", "1e3", "1000001"}) EXPECT_FALSE(play::ParseAmount(bad)) << bad;
    EXPECT_EQ(play::AmountText(1205) + " " + play::AmountText(7, "$") + " " + play::AmountText(-50, "$"),
              "12.05 $0.07 -$0.50");
}

}  // namespace
}  // namespace quorval
