#include "players/roster.hpp"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/teamfile.hpp"
#include "text/casefold.hpp"
#include "text/names.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::players {

namespace {

// Runs of blanks count as one.
std::string collapsed(std::string_view name) {
    std::string out;
    for (char c : TidyName(name)) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out += c;
    }
    return out;
}

bool validSlot(const store::LeagueData& data, int slot) {
    return slot >= 1 && slot <= data.playerCount;
}

}  // namespace

std::string TidyName(std::string_view name) {
    size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    size_t last = name.find_last_not_of(" \t");
    return std::string(name.substr(first, last - first + 1));
}

bool LooksTheSame(std::string_view a, std::string_view b) {
    return text::SameNameIgnoringCase(collapsed(a), collapsed(b));
}

int FindLookAlike(const store::LeagueData& data, std::string_view name, int except) {
    for (int p = 1; p <= data.playerCount; ++p) {
        if (p != except && LooksTheSame(data.players[p].name, name)) return p;
    }
    return 0;
}

std::string WithoutDoubleQuotes(std::string name) {
    std::replace(name.begin(), name.end(), '"', '\'');
    return name;
}

AddOutcome AddPlayer(store::LeagueData& data, platform::Dialogs& dialogs, const std::string& typed, int tee) {
    std::string name = TidyName(WithoutDoubleQuotes(typed));
    std::string refusal = data.playerCount >= store::kMaxPlayers
                              ? "The league is full: it holds 100 players.\r\nRemove a player to make room."
                          : name.empty() ? "Type the player's name first."
                          : text::CharLength(name) < kMinAddedNameLength
                              ? "A player's name needs at least " + std::to_string(kMinAddedNameLength) + " characters."
                          : !text::NameProblem(name).empty() ? "The player's name " + text::NameProblem(name) + "."
                                                             : "";
    if (!refusal.empty()) {
        platform::Refuse(dialogs, refusal, "Player entry error");
        return AddOutcome::Beeped;
    }
    if (FindLookAlike(data, name) != 0) {
        dialogs.message(
            {"That name is already taken!", "Player entry error", platform::Buttons::Ok, platform::Icon::Exclamation});
        return AddOutcome::NameTaken;
    }
    int slot = data.playerCount + 1;
    store::PlayerRecord& player = data.players[slot];
    player.name = name;
    if (store::IsTee(tee)) player.tee = static_cast<int16_t>(tee);
    player.roundCount = 0;
    player.rounds = {};
    player.team = 0;
    data.currentPlayer = static_cast<int16_t>(slot);
    data.playerCount = static_cast<int16_t>(slot);
    return AddOutcome::Added;
}

RemoveOutcome RemovePlayerAsked(store::LeagueData& data, platform::Dialogs& dialogs, int slot) {
    if (!validSlot(data, slot)) {
        platform::Refuse(dialogs, "Click the player to remove in the list first.", "Remove Player");
        return RemoveOutcome::Beeped;
    }
    const store::PlayerRecord& player = data.players[slot];
    int rounds = player.roundCount;
    // "His only round goes with him.", "His 3 rounds and his place on the team Eagles go with him."
    std::vector<std::string> parts;
    if (rounds == 1) parts.push_back("only round");
    if (rounds > 1) parts.push_back(std::to_string(rounds) + " rounds");
    if (player.team >= 1 && player.team <= data.teams.teamCount) {
        parts.push_back("place on the team " + data.teams.teamNames[player.team]);
    }
    std::string goes;
    if (!parts.empty()) {
        goes = "His " + parts[0] + (parts.size() > 1 ? " and his " + parts[1] + " go" : " goes") + " with him.";
    }
    std::string question =
        platform::joinLines({"Are you sure you want to remove the player", player.name + "  from your League?", goes,
                             "", "     CONTINUE?          Select 'NO' to cancel"});
    if (dialogs.message({question, "Confirm Removal", platform::Buttons::YesNo, platform::Icon::Critical, 2}) !=
        platform::Answer::Yes) {
        return RemoveOutcome::Kept;
    }
    RemovePlayer(data, slot);
    return RemoveOutcome::Removed;
}

void RemovePlayer(store::LeagueData& data, int slot) {
    if (!validSlot(data, slot)) return;
    auto first = data.players.begin();
    std::rotate(first + slot, first + slot + 1, first + data.playerCount + 1);
    // A player added later starts from a clean slot, not from the removed player's leftovers.
    data.players[data.playerCount] = store::PlayerRecord{};
    --data.playerCount;
}

RenameOutcome RenamePlayerAsked(store::LeagueData& data, platform::Dialogs& dialogs, int slot, const std::string& typed,
                                int tee) {
    std::string newName = TidyName(typed);
    std::string refusal = !validSlot(data, slot) ? "Click the player to rename in the list first."
                          : newName.empty()      ? "Type the player's new name first."
                          : text::CharLength(newName) < kMinNewNameLength
                              ? "A new name needs at least " + std::to_string(kMinNewNameLength) + " characters."
                          : !text::NameProblem(newName).empty() ? "The new name " + text::NameProblem(newName) + "."
                                                                : "";
    if (!refusal.empty()) {
        platform::Refuse(dialogs, refusal, "Change Player Name");
        return RenameOutcome::Beeped;
    }
    store::PlayerRecord& player = data.players[slot];
    bool newTee = store::IsTee(tee) && tee != player.tee;
    if (newName == player.name && !newTee) return RenameOutcome::Kept;
    if (FindLookAlike(data, newName, slot) != 0) {
        dialogs.message({platform::joinLines({"This name is already in use", "and cannot be used again."}), "Q.V.L.",
                         platform::Buttons::Ok, platform::Icon::None});
        return RenameOutcome::NameInUse;
    }
    std::string what = newName == player.name
                           ? "the default tee of " + player.name + " to " + std::string(store::TeeName(tee))
                       : newTee ? player.name + " to " + newName + ", tee " + std::string(store::TeeName(tee))
                                : player.name + " to " + newName;
    std::string question = platform::joinLines(
        {"Are you sure you want to change", what + "?", "", "     CONTINUE?          Select 'NO' to cancel"});
    if (dialogs.message({question, "Q.V.L.", platform::Buttons::YesNo, platform::Icon::Question, 2}) !=
        platform::Answer::Yes) {
        return RenameOutcome::Kept;
    }
    player.name = newName;
    if (newTee) player.tee = static_cast<int16_t>(tee);
    return RenameOutcome::Renamed;
}

void MovePlayer(store::LeagueData& data, int from, int to) {
    if (!validSlot(data, from) || !validSlot(data, to) || from == to) return;
    auto first = data.players.begin();
    if (from < to) {
        std::rotate(first + from, first + from + 1, first + to + 1);
    } else {
        std::rotate(first + to, first + from, first + from + 1);
    }
}

std::string PositionLine(int position, const std::string& name) {
    std::string number = std::to_string(position);
    if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
    return number + "  " + name;
}

int PositionFromText(std::string_view text, int count) {
    double value = text::leadingNumber(text);
    if (value > count) value = count;
    if (!(value >= 1)) return 1;
    return static_cast<int>(value);
}

bool HasTeamFile(const store::LeagueData& data) {
    std::error_code ec;
    return std::filesystem::is_regular_file(store::findDataFile(store::TeamFileName(data.leagueFileName)), ec);
}

bool SaveRoster(store::LeagueData& data, platform::Dialogs& dialogs, bool slotsChanged) {
    // The team file keeps a line per player slot, so the two change together or not at all.
    if (slotsChanged && HasTeamFile(data)) return store::SaveLeagueAndTeamFiles(data, dialogs);
    return store::SaveLeagueFile(data, dialogs);
}

}  // namespace quorval::players
