#include "players/roster.hpp"

#include <gtest/gtest.h>

#include "scripteddialogs.hpp"

namespace quorval::players {
namespace {

using platform::Answer;
using testing::ScriptedDialogs;

// Every player differs from the others in each field a shift has to carry: name, tee, rounds
// down to the putts of a hole, and team.
std::unique_ptr<store::LeagueData> league(int count) {
    auto data = std::make_unique<store::LeagueData>();
    data->playerCount = static_cast<int16_t>(count);
    for (int p = 1; p <= count; ++p) {
        store::PlayerRecord& player = data->players[p];
        player.name = "Player " + std::to_string(p);
        player.tee = static_cast<int16_t>(1 + p % 3);
        player.roundCount = static_cast<int16_t>(p % 21);
        player.team = static_cast<int16_t>(p % 4);
        for (int r = 1; r <= player.roundCount; ++r) {
            player.rounds[r].differential = static_cast<float>(p) + static_cast<float>(r) / 10;
            player.rounds[r].score[r] = static_cast<int16_t>(p);
            player.rounds[r].putts[r] = static_cast<int16_t>(p % 4);
        }
    }
    return data;
}

// The slots hold, in order, the players that were in slots `order` before.
void expectOrder(const store::LeagueData& data, const store::LeagueData& before, const std::vector<int>& order) {
    ASSERT_EQ(data.playerCount, static_cast<int>(order.size()));
    for (size_t i = 0; i < order.size(); ++i) {
        const store::PlayerRecord &now = data.players[i + 1], &was = before.players[order[i]];
        EXPECT_TRUE(std::tie(now.name, now.tee, now.roundCount, now.team, now.rounds) ==
                    std::tie(was.name, was.tee, was.roundCount, was.team, was.rounds))
            << "slot " << i + 1 << " is not " << was.name;
    }
}

// Names are trimmed. Adding needs 3 characters, renaming 4; neither takes a name that looks like
// another player's (letter case and repeated blanks aside). Every refusal beeps and says why.
TEST(Roster, NameRuleDecidesAddingAndRenaming) {
    const std::tuple<const char*, AddOutcome, RenameOutcome> cases[] = {
        {"Ré", AddOutcome::Beeped, RenameOutcome::Beeped},  // 2 characters in 3 bytes
        {"Zoë", AddOutcome::Added, RenameOutcome::Beeped},
        {"  Anne  ", AddOutcome::Added, RenameOutcome::Renamed},
        {"bob  SMITH", AddOutcome::NameTaken, RenameOutcome::Renamed},
        {" Bob Smith ", AddOutcome::NameTaken, RenameOutcome::Kept},
        {"ÉLODIE ", AddOutcome::NameTaken, RenameOutcome::NameInUse},
        {"èlodie", AddOutcome::Added, RenameOutcome::Renamed},  // é and è share their first byte
    };
    for (auto [name, added, renamed] : cases) {
        SCOPED_TRACE(name);
        auto data = league(2);
        data->players[1].name = "Bob Smith";
        data->players[2].name = "élodie";
        ScriptedDialogs dialogs;
        EXPECT_EQ(AddPlayer(*data, dialogs, name, store::kWhiteTee), added);
        EXPECT_EQ(data->playerCount, added == AddOutcome::Added ? 3 : 2);
        data->playerCount = 2;
        if (renamed == RenameOutcome::Renamed) dialogs.answer(Answer::Yes);
        EXPECT_EQ(RenamePlayerAsked(*data, dialogs, 1, name), renamed);
        EXPECT_EQ(data->players[1].name, renamed == RenameOutcome::Renamed ? TidyName(name) : "Bob Smith");
        int refusals = (added == AddOutcome::Beeped) + (renamed == RenameOutcome::Beeped);
        EXPECT_EQ(dialogs.beeps(), refusals);
        EXPECT_EQ(dialogs.takeMessages().size(),
                  static_cast<size_t>(refusals + (added == AddOutcome::NameTaken) +
                                      (renamed == RenameOutcome::NameInUse) + (renamed == RenameOutcome::Renamed)));
    }
}

TEST(Roster, TheHundredthPlayerIsTheLast) {
    auto data = league(99);
    ScriptedDialogs dialogs;
    EXPECT_EQ(AddPlayer(*data, dialogs, "Number Hundred", store::kBlueTee), AddOutcome::Added);
    EXPECT_EQ(std::tuple(data->currentPlayer, data->players[100].tee), std::tuple(100, store::kBlueTee));
    EXPECT_EQ(AddPlayer(*data, dialogs, "One Too Many", store::kRedTee), AddOutcome::Beeped);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("100 players"), std::string::npos);
    EXPECT_EQ(data->playerCount, 100);
}

// Added names hold apostrophes for double quotes, renamed ones keep them.
TEST(Roster, RenamingCanChangeTheTeeAloneOrWithTheNameAndKeepsDoubleQuotes) {
    auto data = league(1);
    data->players[1].name = "Al 'Ace' Jones";
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(RenamePlayerAsked(*data, dialogs, 1, "Al 'Ace' Jones", store::kBlueTee), RenameOutcome::Renamed);
    dialogs.answer(Answer::No);
    EXPECT_EQ(RenamePlayerAsked(*data, dialogs, 1, "Ann Young", store::kWhiteTee), RenameOutcome::Kept);
    EXPECT_EQ(data->players[1].tee, store::kBlueTee);
    auto asked = dialogs.takeMessages();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_NE(asked[0].text.find("default tee of Al 'Ace' Jones to Blue"), std::string::npos) << asked[0].text;
    EXPECT_NE(asked[1].text.find("Al 'Ace' Jones to Ann Young, tee White"), std::string::npos) << asked[1].text;
    EXPECT_EQ(AddPlayer(*data, dialogs, "al \"ace\" jones", store::kRedTee), AddOutcome::NameTaken);
    EXPECT_EQ(AddPlayer(*data, dialogs, "Ed \"Lefty\" Ray", store::kRedTee), AddOutcome::Added);
    EXPECT_EQ(data->players[2].name, "Ed 'Lefty' Ray");
    dialogs.answer(Answer::Yes);
    RenamePlayerAsked(*data, dialogs, 2, "Ed \"Lefty\"");
    EXPECT_EQ(data->players[2].name, "Ed \"Lefty\"");
    EXPECT_EQ(dialogs.takeMessages().size(), 2u);  // the name taken, the rename question
}

TEST(Roster, TheRemoveQuestionNamesThePlayerHisRoundsAndHisTeam) {
    auto data = league(5);
    data->teams.teamCount = 3;
    data->teams.teamNames[3] = "Eagles";
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::No);
    EXPECT_EQ(RemovePlayerAsked(*data, dialogs, 3), RemoveOutcome::Kept);
    auto asked = dialogs.takeMessages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].text.find("Player 3"), std::string::npos);
    EXPECT_NE(asked[0].text.find("His 3 rounds and his place on the team Eagles go with him."), std::string::npos);
    EXPECT_EQ(RemovePlayerAsked(*data, dialogs, 0), RemoveOutcome::Beeped);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
}

// The slot a removal frees is where the next player goes: he must not inherit the leftovers of
// the last player, tee and hole statistics included.
TEST(Roster, RemovingTheFirstOfFiveMovesTheOthersUpAndTheNextPlayerStartsFromNothing) {
    auto data = league(5);
    auto before = std::make_unique<store::LeagueData>(*data);
    RemovePlayer(*data, 1);
    expectOrder(*data, *before, {2, 3, 4, 5});
    ScriptedDialogs dialogs;
    ASSERT_EQ(AddPlayer(*data, dialogs, "New Player", store::kNoTee), AddOutcome::Added);
    const store::PlayerRecord& added = data->players[5];
    EXPECT_EQ(std::tuple(added.tee, added.roundCount, added.team), std::tuple(store::kNoTee, 0, 0));
    for (const store::RoundRecord& round : added.rounds) EXPECT_EQ(round, store::RoundRecord{});
}

TEST(Roster, MoveShiftsThePlayersBetweenAndLeavesTheRest) {
    const std::pair<std::pair<int, int>, std::vector<int>> cases[] = {
        {{5, 2}, {1, 5, 2, 3, 4, 6, 7, 8}}, {{2, 8}, {1, 3, 4, 5, 6, 7, 8, 2}}, {{3, 9}, {1, 2, 3, 4, 5, 6, 7, 8}}};
    for (const auto& [move, order] : cases) {
        SCOPED_TRACE(move.first * 10 + move.second);
        auto data = league(8);
        auto before = std::make_unique<store::LeagueData>(*data);
        MovePlayer(*data, move.first, move.second);
        expectOrder(*data, *before, order);
    }
}

TEST(Roster, PositionsAreRightAlignedAndTypedOnesStayWithinTheList) {
    EXPECT_EQ(PositionLine(7, "Ann") + "|" + PositionLine(100, "Cy"), "  7  Ann|100  Cy");
    for (auto [typed, position] : {std::pair{"150", 30}, std::pair{"4.9", 4}, std::pair{"x7", 1}, std::pair{"-3", 1}})
        EXPECT_EQ(PositionFromText(typed, 30), position) << typed;
}

}  // namespace
}  // namespace quorval::players
