#include "store/leaguedata.hpp"

namespace quorval::store {

void ClearLeagueData(LeagueData& data) {
    data.playerCount = 0;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        PlayerRecord& player = data.players[p];
        int16_t selected = player.selected;
        int16_t team = player.team;
        player = PlayerRecord{};
        player.selected = selected;
        player.team = team;
    }
}

void ResetTeamPart(LeagueData& data) {
    data.teams = TeamPart{};
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

}  // namespace quorval::store
