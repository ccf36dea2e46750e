#include "store/teamfile.hpp"

#include "store/atomicsave.hpp"
#include "store/filecommit.hpp"
#include "store/leaguefile.hpp"
#include "store/namecheck.hpp"
#include "store/outsidechange.hpp"
#include "store/roundrecordfile.hpp"
#include "store/trackedsave.hpp"

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
    // Too many player lines (a league that lost players) shifts every count after them.
    expectEnd(in, "the teams' point entries");
}

}  // namespace

LoadResult LoadTeamFile(LeagueData& data) {
    data.teamFileStamp = StampOf(findDataFile(TeamFileName(data.leagueFileName)));
    LoadResult result = loadDataFile(TeamFileName(data.leagueFileName), [&](LineReader& in) { parse(data, in); });
    data.teamFileUnreadable = !result.ok && data.teamFileStamp.exists;
    return result;
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

namespace {

bool refuseUnreadable(const LeagueData& data, const std::filesystem::path& file, platform::Dialogs& dialogs) {
    if (!data.teamFileUnreadable) return false;
    dialogs.message({platform::joinLines({"The team file " + file.filename().string() + " could not be read.",
                                          "It was not saved over: mend it or remove it first."}),
                     "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
    return true;
}

std::string teamSaveFailure(const std::filesystem::path& file) {
    return "Cannot Write " + file.filename().string() + ", Please check disk write protect, freespace etc.";
}

}  // namespace

bool SaveTeamFile(LeagueData& data, platform::Dialogs& dialogs) {
    if (data.readOnly) return false;
    std::filesystem::path file = findDataFile(TeamFileName(data.leagueFileName));
    if (refuseUnreadable(data, file, dialogs)) return false;
    if (RefuseUnstorableText(TeamNames(data), file.filename().string(), dialogs)) return false;
    TrackedSave save{file, &data.teamFileStamp, [&] { LoadTeamAssignments(data); }};
    save.content = FormatTeams(data);
    save.failure = {teamSaveFailure(file), "Quorval", platform::Icon::None};
    return SaveTracked(save, dialogs);
}

bool SaveLeagueAndTeamFiles(LeagueData& data, platform::Dialogs& dialogs) {
    if (data.readOnly || data.leagueFileName.empty()) return false;
    std::filesystem::path league = findDataFile(data.leagueFileName);
    std::filesystem::path teams = findDataFile(TeamFileName(data.leagueFileName));
    if (refuseUnreadable(data, teams, dialogs)) return false;
    if (RefuseUnstorableText(PlayerNames(data), league.filename().string(), dialogs) ||
        RefuseUnstorableText(TeamNames(data), teams.filename().string(), dialogs)) {
        return false;
    }
    // Either file changed outside: the user's answer decides for both, so the pair stays matched.
    if (!MayReplace(league, data.leagueFileStamp, dialogs, [] {}) ||
        !MayReplace(teams, data.teamFileStamp, dialogs, [] {})) {
        return false;
    }
    dialogs.beginBusy("Saving League data, Please wait...");
    std::vector<FileWrite> files = {{league, FormatLeague(data)}, {teams, FormatTeams(data)}};
    if (std::optional<FileWrite> record = RoundRecordWrite(data)) files.push_back(*record);
    std::string error = replaceFilesTogether(files);
    dialogs.endBusy();
    if (!error.empty()) {
        dialogs.message({platform::joinLines({"Error Creating League Record File", saveFailureLine(error),
                                              "Neither the league file nor the team file was changed."}),
                         "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return false;
    }
    data.leagueFileStamp = StampOf(league);
    data.teamFileStamp = StampOf(teams);
    return true;
}

}  // namespace quorval::store
