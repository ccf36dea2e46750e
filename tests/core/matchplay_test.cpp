#include "play/matchplay.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "leaguebuilder.hpp"
#include "play/matchprint.hpp"
#include "play/matchreport.hpp"
#include "print/recordingprinter.hpp"
#include "store/leagueoptions.hpp"

namespace quorval {
namespace {

using namespace std::chrono;
using play::Day;

// Stroke indexes of a usual card: odd on the front, even on the back.
const store::StrokeIndexes kSi = {0, 7, 15, 1, 11, 3, 17, 9, 13, 5, 8, 16, 2, 12, 4, 18, 10, 14, 6};
const Day kNight = sys_days{2026y / 6 / 2};

std::string strokesText(const handicap::HoleStrokes& s) {
    std::string out;
    for (int h = 1; h <= 18; ++h) out += std::to_string(s[h]);
    return out;
}

TEST(MatchPlay, StrokesGoToTheHigherHandicapByStrokeIndex) {
    struct Case {
        int a, b, firstHole, holes;
        int difference, to;
        const char* strokes;  // holes 1..18 of the receiver
    } cases[] = {
        {10, 10, 1, 18, 0, 0, "000000000000000000"}, {11, 10, 1, 18, 1, 1, "001000000000000000"},
        {3, 12, 1, 18, 9, 2, "101010101101010001"},  {0, 17, 1, 18, 17, 2, "111111111111110111"},
        {18, 0, 1, 18, 18, 1, "111111111111111111"}, {20, 1, 1, 18, 19, 1, "112111111111111111"},
        {0, 36, 1, 18, 36, 2, "222222222222222222"}, {6, 2, 1, 9, 4, 1, "101010001000000000"},
        {2, 6, 10, 9, 4, 2, "000000000101010001"},   {-2, 7, 1, 18, 9, 2, "101010101101010001"},
        {3, -1, 1, 18, 4, 1, "001010000001010000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " vs " + std::to_string(c.b) + " on " + std::to_string(c.holes));
        play::StrokeGift gift = play::GiveStrokes(c.a, c.b, kSi, c.firstHole, c.holes);
        EXPECT_EQ(gift.difference, c.difference);
        EXPECT_EQ(gift.to, c.to);
        EXPECT_EQ(strokesText(gift.strokes), c.strokes);
    }
}

play::HoleScores scores(int each, std::initializer_list<std::pair<int, int>> holes = {}) {
    play::HoleScores s{};
    for (int h = 1; h <= 18; ++h) s[h] = each;
    for (auto [h, v] : holes) s[h] = v;
    return s;
}

TEST(MatchPlay, HoleByHoleNetsDecideHolesAndPoints) {
    store::PlayOptions twoAHole;
    twoAHole.holePoints = 2;
    twoAHole.matchPoints = 3;
    store::PlayOptions ownHalve;
    ownHalve.halvePoints = 0.25;
    struct Case {
        const char* name;
        play::HoleScores a, b;
        int handicapA, handicapB;
        store::PlayOptions options;
        int wonA, wonB, halved;
        double pointsA, pointsB;
    } cases[] = {
        // B receives 8 (SI 1..8): a 5 there nets 4 and halves, a 4 on hole 3 (SI 1) nets 3 and wins.
        {"strokes level the holes", scores(4), scores(5, {{3, 4}}), 2, 10, {}, 10, 1, 7, 14.5, 4.5},
        {"level nets halve all", scores(4), scores(4), 5, 5, {}, 0, 0, 18, 9.5, 9.5},
        {"points options", scores(4), scores(5, {{3, 4}}), 2, 10, twoAHole, 10, 1, 7, 30, 9},
        {"own halve points", scores(4), scores(4), 5, 5, ownHalve, 0, 0, 18, 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        play::HoleMatch m = play::ScoreHoles(c.a, c.b, c.handicapA, c.handicapB, kSi, 1, 18, c.options);
        EXPECT_EQ(m.wonA, c.wonA);
        EXPECT_EQ(m.wonB, c.wonB);
        EXPECT_EQ(m.halved, c.halved);
        EXPECT_DOUBLE_EQ(m.pointsA, c.pointsA);
        EXPECT_DOUBLE_EQ(m.pointsB, c.pointsB);
    }
}

TEST(MatchPlay, PointsThatDoNotAddUpAreRefused) {
    store::PlayOptions options;
    play::HoleMatch m = play::ScoreHoles(scores(4, {{7, 6}}), scores(5), 0, 3, kSi, 1, 18, options);
    EXPECT_DOUBLE_EQ(m.pointsA + m.pointsB, 19);
    for (auto tamper : {+[](play::HoleMatch& x) { x.pointsA += 1; }, +[](play::HoleMatch& x) { --x.halved; }}) {
        play::HoleMatch bad = m;
        tamper(bad);
        EXPECT_THROW(play::CheckPointsAddUp(bad, options), std::logic_error);
    }
}

// Two teams on a course with stroke indexes; every player has an index from an earlier round.
class MatchNight : public ::testing::Test {
protected:
    MatchNight() {
        testing::LeagueBuilder b(data);
        b.course("Pine Hills");
        struct Member {
            const char* name;
            float index;
            bool plays;
        } members[] = {{"Ann Lee", 5.2f, true}, {"Bo Diaz", 9.6f, true}, {"Cy Young", 2.1f, true},
                       {"Di Fox", 12.0f, true}, {"Ed Ray", 8.0f, false}, {"Flo Kim", 3.0f, true}};
        for (const Member& m : members) {
            b.player(m.name).round("5/26/26", 36, 36, m.index);
            if (m.plays) b.round("6/2/26", 36, 36, m.index + 1);
        }
        b.team("Eagles", {1, 2, 3}).team("Hawks", {4, 5});
        data.strokeIndexes[1] = kSi;
    }
    store::LeagueData data;
};

std::string pairingText(const store::LeagueData& data, const play::Pairing& p) {
    auto name = [&](const play::MatchPlayer& m) {
        std::string s = m.player ? data.players[m.player].name : "-";
        return m.regular ? s + " for " + data.players[m.regular].name : s;
    };
    char points[64];
    std::snprintf(points, sizeof points, " %g-%g", p.pointsA, p.pointsB);
    return name(p.a) + " v " + name(p.b) + (p.forfeit ? " forfeit" : "") + points;
}

TEST_F(MatchNight, RostersPairByIndexWithSubstitutesAndForfeits) {
    struct Case {
        const char* name;
        bool forfeitAll;
        std::vector<play::StandIn> subs;
        std::vector<std::string> pairings;
        double pointsA, pointsB;
    } cases[] = {
        // Cy (2.1) v Ed (8.0, absent), Ann (5.2) v Di (12.0); Bo plays no pairing.
        {"absent, forfeit all", true, {}, {"Cy Young v Ed Ray forfeit 19-0", "Ann Lee v Di Fox 5.5-13.5"}, 24.5, 13.5},
        {"absent, forfeit none", false, {}, {"Cy Young v Ed Ray forfeit 0-0", "Ann Lee v Di Fox 5.5-13.5"}, 5.5, 13.5},
        // Flo (3.0) stands in for Ed and plays Cy: 1 stroke to Flo on SI 1.
        {"substitute", true, {{5, 6}}, {"Cy Young v Flo Kim for Ed Ray 8.5-10.5", "Ann Lee v Di Fox 5.5-13.5"}, 14, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        data.options.play.forfeitAll = c.forfeitAll;
        play::SideMatch m = play::PlayMatchup(data, play::LeagueKind::Teams, 1, 2, kNight, c.subs);
        std::vector<std::string> got;
        for (const play::Pairing& p : m.pairings) got.push_back(pairingText(data, p));
        EXPECT_EQ(got, c.pairings);
        EXPECT_DOUBLE_EQ(m.pointsA, c.pointsA);
        EXPECT_DOUBLE_EQ(m.pointsB, c.pointsB);
    }
}

TEST_F(MatchNight, HandicapsFollowTheLeagueRulesAndRefusalsSayWhy) {
    play::MatchPlayer ann{1, 0, 2, 5.2f}, di{4, 0, 2, 12.0f};
    struct Case {
        const char* name;
        store::HandicapRules rules;
        int allowance;
        std::function<void(store::LeagueData&)> change;
        int handicapA, handicapB;
        const char* refusal;
    } cases[] = {
        {"classic", store::HandicapRules::Classic, 100, [](store::LeagueData&) {}, 5, 12, ""},
        // rating 70.1 - par 66 adds 4.1
        {"world", store::HandicapRules::WHS, 100, [](store::LeagueData&) {}, 9, 16, ""},
        {"allowance", store::HandicapRules::Classic, 90, [](store::LeagueData&) {}, 5, 11, ""},
        {"front nine", store::HandicapRules::Classic, 100,
         [](store::LeagueData& d) {
             for (int p : {1, 4}) d.players[p].rounds[2].score[store::kInSlot] = 0;
         },
         3, 6, ""},
        {"other nine", store::HandicapRules::Classic, 100,
         [](store::LeagueData& d) { d.players[1].rounds[2].score[store::kInSlot] = 0; }, 0, 0,
         "Not scored: Ann Lee and Di Fox did not play the same holes."},
        {"no stroke indexes", store::HandicapRules::Classic, 100, [](store::LeagueData& d) { d.strokeIndexes[1] = {}; },
         0, 0,
         "Not scored: the course Pine Hills has no stroke indexes. Enter them in the Stroke index row with Courses, "
         "Edit Course."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        store::LeagueData copy = data;
        copy.options.rules = c.rules;
        copy.options.play.allowance = static_cast<int16_t>(c.allowance);
        c.change(copy);
        play::Pairing p = play::ScorePairing(copy, ann, di);
        EXPECT_EQ(p.handicapA, c.handicapA);
        EXPECT_EQ(p.handicapB, c.handicapB);
        EXPECT_EQ(p.refusal, c.refusal);
        EXPECT_EQ(p.scored, p.refusal.empty());
    }
}

// A plus handicap on a match card is signed as the league's listing signs it; the holes head their
// columns in order, the front nine's total between 9 and 10.
TEST_F(MatchNight, MatchCardsSignAPlusHandicapAsTheLeagueRulesDo) {
    for (auto [rules, shown] : {std::pair{store::HandicapRules::Classic, "Ann Lee (-3)  v  Di Fox (12)"},
                                {store::HandicapRules::WHS, "Ann Lee (+3)  v  Di Fox (12)"}}) {
        data.options.rules = rules;
        print::RecordingPrinter printer;
        ASSERT_TRUE(
            play::PrintMatchCards(printer, data, {{"06/02/26  Eagles v Hawks", "Ann Lee", "Di Fox", -3, 12, {}}}, 1));
        bool found = false;
        std::vector<std::pair<double, std::string>> heads;  // the bold heads of the first card's columns
        for (const print::PrintedText& t : printer.documents().back().pages.at(0).texts) {
            found |= t.text == shown;
            if (t.font.bold && t.x > 1900 && t.y < 1200) heads.emplace_back(t.x, t.text);
        }
        EXPECT_TRUE(found) << shown;
        std::sort(heads.begin(), heads.end());
        std::string order;
        for (const auto& head : heads) order += head.second + " ";
        EXPECT_EQ(order, "1 2 3 4 5 6 7 8 9 Out 10 11 12 13 14 15 16 17 18 In Tot ");
    }
}

TEST_F(MatchNight, RecordingADateReplacesItsEntriesAndLeavesOthers) {
    data.teams.teamEntries[1][++data.teams.teamEntryCount[1]] = {"Dinner raffle", 0, 2};
    for (bool forfeitAll : {true, false, false}) {
        data.options.play.forfeitAll = forfeitAll;
        std::vector<play::SideMatch> matches = {play::PlayMatchup(data, play::LeagueKind::Teams, 1, 2, kNight, {})};
        EXPECT_EQ(play::RecordTeamPoints(data, kNight, matches), "");
    }
    std::vector<std::string> got;
    for (int t : {1, 2}) {
        for (int e = 1; e <= data.teams.teamEntryCount[t]; ++e) {
            const store::TeamEntry& entry = data.teams.teamEntries[t][e];
            got.push_back(entry.description + " " + store::PointsText(entry.points));
        }
    }
    EXPECT_EQ(got, (std::vector<std::string>{"Dinner raffle 2", "06/02/26 vs Hawks 5.5", "06/02/26 vs Eagles 13.5"}));
}

play::SideMatch night(const std::string& a, const std::string& b, double pa, double pb) {
    play::SideMatch m;
    m.sideA = a;
    m.sideB = b;
    m.pointsA = pa;
    m.pointsB = pb;
    m.pairings.resize(1);
    m.pairings[0].scored = true;
    return m;
}

TEST(MatchPlay, StandingsOrderByPointsThenWinsAndShareTies) {
    play::SideMatch unplayed = night("Eagles", "Owls", 0, 0);
    unplayed.pairings[0].scored = false;
    std::vector<play::SideMatch> nights = {night("Eagles", "Hawks", 12.5, 6.5), night("Owls", "Wrens", 9.5, 7.5),
                                           night("Eagles", "Owls", 4, 15), night("Hawks", "Wrens", 10, 9), unplayed};
    std::vector<std::string> got;
    for (const play::Standing& s : play::Standings(nights)) {
        char line[96];
        std::snprintf(line, sizeof line, "%d %s %d %d %d %d %g", s.place, s.side.c_str(), s.played, s.won, s.halved,
                      s.lost, s.points);
        got.push_back(line);
    }
    EXPECT_EQ(got, (std::vector<std::string>{"1 Owls 2 2 0 0 24.5", "2 Eagles 2 1 0 1 16.5", "2 Hawks 2 1 0 1 16.5",
                                             "4 Wrens 2 0 0 2 16.5"}));
}

TEST(MatchPlay, PlayOptionsReadAndRefuse) {
    struct Case {
        const char* text;
        bool ok;
        double hole, halve, match;
        bool forfeitAll;
    } cases[] = {
        {"[Play]\nHolePoints=2\nMatchPoints=0\nForfeit=none\n", true, 2, 1, 0, false},
        {"[Play]\nHalvePoints=0.25\nAllowance=85\n", true, 1, 0.25, 1, true},
        {"[Play]\nHolePoints=-1\n", false, 1, 0.5, 1, true},
        {"[Play]\nAllowance=0\n", false, 1, 0.5, 1, true},
        {"[Play]\nForfeit=some\n", false, 1, 0.5, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        store::LeagueOptions options;
        EXPECT_EQ(store::ParseLeagueOptions(options, c.text).ok, c.ok);
        EXPECT_DOUBLE_EQ(options.play.holePoints, c.hole);
        EXPECT_DOUBLE_EQ(options.play.halve(), c.halve);
        EXPECT_DOUBLE_EQ(options.play.matchPoints, c.match);
        EXPECT_EQ(options.play.forfeitAll, c.forfeitAll);
        store::LeagueOptions again;
        EXPECT_TRUE(store::ParseLeagueOptions(again, store::FormatLeagueOptions(options)).ok);
        EXPECT_EQ(again, options);
    }
}

}  // namespace
}  // namespace quorval
