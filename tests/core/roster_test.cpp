#include "players/roster.hpp"

#include <gtest/gtest.h>

#include "scripteddialogs.hpp"

namespace quorval::players {
namespace {

using platform::Answer;
using testing::ScriptedDialogs;

// Players differing in each field a shift carries: name, tee, rounds down to putts, and team.
std::unique_ptr<store::LeagueData> league(int count) {
    auto data = std::make_unique<store::LeagueData>();
    data->playerCount = static_cast<int16_t>(count);
    for (int16_t p = 1; p <= count; ++p) {
        data->players[p] = {"Player " + std::to_string(p), int16_t(1 + p % 3), int16_t(p % 21), {}, int16_t(p % 4)};
        for (int r = 1; r <= p % 21; ++r) data->players[p].rounds[r].putts[r] = p;
    }
    return data;
}

// The slots hold, in order, the players that were in slots `order` before.
void expectOrder(const store::LeagueData& data, const store::LeagueData& before, const std::vector<int>& order) {
    auto key = [](const store::PlayerRecord& p) { return std::tie(p.name, p.tee, p.roundCount, p.team, p.rounds); };
    ASSERT_EQ(data.playerCount, static_cast<int>(order.size()));
    for (size_t i = 0; i < order.size(); ++i) EXPECT_TRUE(key(data.players[i + 1]) == key(before.players[order[i]]));
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
        EXPECT_EQ(dialogs.beeps(), (added == AddOutcome::Beeped) + (renamed == RenameOutcome::Beeped));
        // Every outcome but these two says why or asks.
        EXPECT_EQ(dialogs.takeMessages().size(), 2u - (added == AddOutcome::Added) - (renamed == RenameOutcome::Kept));
    }
}

TEST(Roster, TheHundredthPlayerIsTheLast) {
    auto data = league(99);
    ScriptedDialogs dialogs;
    EXPECT_EQ(AddPlayer(*data, dialogs, "Number Hundred", store::kBlueTee), AddOutcome::Added);
    EXPECT_EQ(std::tuple(data->currentPlayer, data->players[100].tee), std::tuple(100, store::kBlueTee));
    EXPECT_EQ(AddPlayer(*data, dialogs, "One Too Many", store::kRedTee), AddOutcome::Beeped);
    EXPECT_NE(dialogs.takeMessages().at(0).text.find("100 players"), std::string::npos);
}

TEST(Roster, RenamingToTheSameNameChangesTheTeeAlone) {
    auto data = league(1);
    data->players[1].name = "Al 'Ace' Jones";
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::Yes);
    EXPECT_EQ(RenamePlayerAsked(*data, dialogs, 1, "Al 'Ace' Jones", store::kBlueTee), RenameOutcome::Renamed);
    EXPECT_EQ(data->players[1].tee, store::kBlueTee);
    EXPECT_NE(dialogs.takeMessages().at(0).text.find("default tee of Al 'Ace' Jones to Blue"), std::string::npos);
}

// Added names hold apostrophes for double quotes, renamed ones keep them.
TEST(Roster, AddingTurnsDoubleQuotesIntoApostrophesRenamingKeepsThem) {
    auto data = league(1);
    data->players[1].name = "Al 'Ace' Jones";
    ScriptedDialogs dialogs;
    EXPECT_EQ(AddPlayer(*data, dialogs, "al \"ace\" jones", store::kRedTee), AddOutcome::NameTaken);
    EXPECT_EQ(AddPlayer(*data, dialogs, "Ed \"Lefty\" Ray", store::kRedTee), AddOutcome::Added);
    EXPECT_EQ(data->players[2].name, "Ed 'Lefty' Ray");
    dialogs.answer(Answer::Yes);
    RenamePlayerAsked(*data, dialogs, 2, "Ed \"Lefty\"");
    EXPECT_EQ(data->players[2].name, "Ed \"Lefty\"");
    EXPECT_EQ(dialogs.takeMessages().size(), 2u);  // the name taken, the rename question
}

// The question names the player, his rounds and his team. The next player goes to the slot a
// removal frees and must inherit nothing of the last one.
TEST(Roster, RemovingTheFirstOfFiveMovesTheOthersUpAndTheNextPlayerStartsFromNothing) {
    auto data = league(5);
    data->teams.teamCount = 3;
    data->teams.teamNames[3] = "Eagles";
    ScriptedDialogs dialogs;
    dialogs.answer(Answer::No);
    EXPECT_EQ(RemovePlayerAsked(*data, dialogs, 3), RemoveOutcome::Kept);
    EXPECT_NE(dialogs.takeMessages().at(0).text.find(
                  "Player 3  from your League?\r\nHis 3 rounds and his place on the team Eagles go with him."),
              std::string::npos);
    const std::tuple<int, int, const char*> kGoes[] = {{1, 0, "\nHis only round goes with him.\r"},
                                                       {0, 3, "\nHis place on the team Eagles goes with him.\r"},
                                                       {0, 0, "League?\r\n\r\n"}};
    for (auto [rounds, team, says] : kGoes) {
        store::PlayerRecord copy = data->players[3];
        data->players[3].roundCount = static_cast<int16_t>(rounds), data->players[3].team = static_cast<int16_t>(team);
        dialogs.answer(Answer::No);
        RemovePlayerAsked(*data, dialogs, 3);
        EXPECT_NE(dialogs.takeMessages().at(0).text.find(says), std::string::npos) << says;
        data->players[3] = copy;
    }
    auto before = std::make_unique<store::LeagueData>(*data);
    RemovePlayer(*data, 1);
    expectOrder(*data, *before, {2, 3, 4, 5});
    ASSERT_EQ(AddPlayer(*data, dialogs, "New Player", store::kNoTee), AddOutcome::Added);
    const store::PlayerRecord& added = data->players[5];
    EXPECT_EQ(std::tuple(added.tee, added.roundCount, added.team), std::tuple(store::kNoTee, 0, 0));
    for (const store::RoundRecord& round : added.rounds) EXPECT_EQ(round, store::RoundRecord{});
}

TEST(Roster, MoveShiftsThePlayersBetweenAndLeavesTheRest) {
    for (auto [from, to, order] :
         {std::tuple{5, 2, std::vector{1, 5, 2, 3, 4, 6}}, std::tuple{2, 6, std::vector{1, 3, 4, 5, 6, 2}},
          std::tuple{3, 7, std::vector{1, 2, 3, 4, 5, 6}}}) {
        auto data = league(6);
        auto before = std::make_unique<store::LeagueData>(*data);
        MovePlayer(*data, from, to);
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
