#include "store/namecheck.hpp"

#include "text/names.hpp"

namespace quorval::store {

bool RefuseUnstorableText(const std::vector<const std::string*>& texts, const std::string& file,
                          platform::Dialogs& dialogs) {
    for (const std::string* text : texts) {
        std::string why = text::NameProblem(*text);
        if (why.empty()) continue;
        dialogs.message({platform::joinLines({"The name \"" + text::EscapedName(*text) + "\" " + why + ".",
                                              file + " was not saved: correct the name first."}),
                         "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return true;
    }
    return false;
}

std::vector<const std::string*> PlayerNames(const LeagueData& data) {
    std::vector<const std::string*> names;
    for (int p = 1; p <= data.playerCount && p <= kMaxPlayers; ++p) names.push_back(&data.players[p].name);
    return names;
}

std::vector<const std::string*> TeamNames(const LeagueData& data) {
    std::vector<const std::string*> names;
    for (int t = 1; t <= data.teams.teamCount && t <= kMaxTeams; ++t) {
        names.push_back(&data.teams.teamNames[t]);
        for (int e = 1; e <= data.teams.teamEntryCount[t] && e <= kMaxTeamEntries; ++e) {
            names.push_back(&data.teams.teamEntries[t][e].description);
        }
    }
    return names;
}

std::vector<const std::string*> CourseTexts(const LeagueData& data) {
    std::vector<const std::string*> texts;
    for (int c = 1; c <= data.courseCount && c <= kMaxCourses; ++c) {
        for (int f = 1; f <= kCourseFields; ++f) texts.push_back(&data.courses[c][f]);
    }
    return texts;
}

}  // namespace quorval::store
