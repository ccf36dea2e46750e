#include "store/leaguedata.hpp"

#include <algorithm>

#include "text/asciicase.hpp"

namespace quorval::store {

int TeeFromText(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return kNoTee;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    std::string typed = text::AsciiLower(std::string(text));
    for (int t = kRedTee; t <= kBlueTee; ++t)
        if (typed == text::AsciiLower(std::string(TeeName(t))) || typed == std::string(1, static_cast<char>('0' + t)))
            return t;
    return kNoTee;
}

void ClearLeagueData(LeagueData& data) {
    data.playerCount = 0;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRecord& player = data.players[p];
        int16_t selected = player.selected;
        int16_t shownRound = player.shownRound;
        int16_t team = player.team;
        player = PlayerRecord{};
        player.selected = selected;
        player.shownRound = shownRound;
        player.team = team;
    }
}

void ResetTeamPart(LeagueData& data) {
    // In place and only as far as each team's entry count: a whole new part is 15,000 entries.
    TeamPart& teams = data.teams;
    for (int t = 0; t <= kMaxTeams; ++t) {
        teams.teamNames[t].clear();
        int used = std::clamp<int>(teams.teamEntryCount[t], 0, kMaxTeamEntries);
        for (int e = 1; e <= used; ++e) {
            TeamEntry& entry = teams.teamEntries[t][e];
            entry.description.clear();
            entry.keptTotal = 0;
            entry.points = 0;
        }
        teams.teamEntryCount[t] = 0;
    }
    teams.teamCount = 0;
    teams.currentTeam = 0;
    teams.teamsInUse = 0;
    for (auto& player : data.players) player.team = 0;
}

void FillMonthNames(LeagueData& data) {
    static const char* const kNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    for (int m = 1; m <= 12; ++m) data.monthNames[m] = kNames[m - 1];
}

const std::string& MonthName(const LeagueData& data, int month) {
    return month >= 1 && month <= 12 ? data.monthNames[month] : data.monthNames[0];
}

std::string TeamFileName(const std::string& leagueFileName) {
    std::string base = leagueFileName.size() >= 4 ? leagueFileName.substr(0, leagueFileName.size() - 4) : "";
    return base + ".tea";
}

std::string OptionsFileName(const std::string& leagueFileName) {
    std::string base = leagueFileName.size() >= 4 ? leagueFileName.substr(0, leagueFileName.size() - 4) : "";
    return base + ".cfg";
}

std::string RecordFileName(const std::string& leagueFileName) {
    std::string base = leagueFileName.size() >= 4 ? leagueFileName.substr(0, leagueFileName.size() - 4) : "";
    return base + ".hix";
}

int FirstMarkedPlayer(const LeagueData& data) {
    const int count = std::clamp<int>(data.playerCount, 0, kMaxPlayers);
    for (int p = 1; p <= count; ++p) {
        if (data.players[p].selected != 0) return p;
    }
    return 0;
}

}  // namespace quorval::store
