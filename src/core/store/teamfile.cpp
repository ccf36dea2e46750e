#include "store/teamfile.hpp"

#include "store/atomicsave.hpp"
#include "store/outsidechange.hpp"

namespace quorval::store {

namespace {

void parse(LeagueData& data, LineReader& in) {
    TeamPart& teams = data.teams;
    int16_t count = in.int16In("team count", 0, kMaxTeams);
    teams.teamCount = count;
    for (int t = 1; t <= count; ++t) teams.teamNames[t] = std::string(in.line());
    for (int p = 1; p <= data.playerCount; ++p) data.players[p].team = in.int16In("team number", 0, kMaxTeams);
    for (int t = 1; t <= count; ++t) {
        int16_t entries = in.int16In("entry count", 0, kMaxTeamEntries);
        // Entries of a part read before that this file no longer has are blanked, not left past the count.
        for (int e = entries + 1; e <= teams.teamEntryCount[t]; ++e) teams.teamEntries[t][e] = TeamEntry{};
        teams.teamEntryCount[t] = entries;
        for (int e = 1; e <= entries; ++e) {
            TeamEntry& entry = teams.teamEntries[t][e];
            entry.description = std::string(in.line());
            entry.keptTotal = in.number("kept total");
            entry.points = in.number("points");
        }
    }
}

}  // namespace

LoadResult LoadTeamFile(LeagueData& data) {
    data.teamFileStamp = StampOf(findDataFile(TeamFileName(data.leagueFileName)));
    return loadDataFile(TeamFileName(data.leagueFileName), [&](LineReader& in) { parse(data, in); });
}

LoadResult LoadTeamAssignments(LeagueData& data) {
    for (int p = 1; p <= kMaxPlayers; ++p) data.players[p].team = 0;
    data.teams.teamsInUse = 0;
    LoadResult result = LoadTeamFile(data);
    for (int p = 1; p <= kMaxPlayers; ++p) {
        if (data.players[p].team > 0) data.teams.teamsInUse = 1;
    }
    return result;
}

LoadResult ParseTeams(LeagueData& data, std::string_view text, Conversions conversions) {
    return parseText(
        text, [&](LineReader& in) { parse(data, in); }, conversions);
}

std::string FormatTeams(const LeagueData& data) {
    const TeamPart& teams = data.teams;
    std::string out;
    appendIntLine(out, teams.teamCount);
    for (int t = 1; t <= teams.teamCount; ++t) appendLine(out, teams.teamNames[t]);
    for (int p = 1; p <= data.playerCount; ++p) appendIntLine(out, data.players[p].team);
    for (int t = 1; t <= teams.teamCount; ++t) {
        appendIntLine(out, teams.teamEntryCount[t]);
        for (int e = 1; e <= teams.teamEntryCount[t]; ++e) {
            const TeamEntry& entry = teams.teamEntries[t][e];
            appendLine(out, entry.description);
            appendFloatLine(out, entry.keptTotal);
            appendFloatLine(out, entry.points);
        }
    }
    return out;
}

bool SaveTeamFile(LeagueData& data, platform::Dialogs& dialogs) {
    if (data.readOnly) return false;
    std::filesystem::path file = findDataFile(TeamFileName(data.leagueFileName));
    if (!MayReplace(file, data.teamFileStamp, dialogs, [&] { LoadTeamAssignments(data); })) return false;
    std::string error = writeFileAtomically(file, FormatTeams(data));
    if (!error.empty()) {
        // The wording, placeholder included, is the message users of this program have always seen.
        std::string text = "Cannot Write filename$, Please check disk write protect, freespace etc.";
        if (std::string line = permissionLine(error); !line.empty()) text = platform::joinLines({text, line});
        dialogs.message({text, "Quorval", platform::Buttons::Ok, platform::Icon::None});
        return false;
    }
    data.teamFileStamp = StampOf(file);
    return true;
}

}  // namespace quorval::store
