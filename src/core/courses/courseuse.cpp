#include "courses/courseuse.hpp"

#include <algorithm>
#include <memory>

#include "store/datafile.hpp"
#include "store/leaguefile.hpp"

namespace quorval::courses {

namespace {

int roundsOn(const store::LeagueData& league, int slot) {
    int count = 0;
    for (int p = 1; p <= league.playerCount; ++p) {
        const store::PlayerRecord& player = league.players[p];
        for (int r = 1; r <= player.roundCount && r <= store::kMaxRounds; ++r)
            count += player.rounds[r].course == slot ? 1 : 0;
    }
    return count;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

}  // namespace

CourseUse CountCourseUse(const store::LeagueData& data, int slot) {
    CourseUse use;
    auto other = std::make_unique<store::LeagueData>();
    for (int k = 1; k <= data.registry.leagueCount && k <= store::kMaxLeagues; ++k) {
        const std::string& name = data.registry.leagueFiles[k];
        std::string file = name + ".LGE";
        // Names that lead outside the data folder are never read.
        if (name.empty() || name.find_first_of("\\/:;") != std::string::npos) continue;
        int count = 0;
        if (!data.leagueFileName.empty() && sameIgnoringCase(data.leagueFileName, file)) {
            count = roundsOn(data, slot);
        } else {
            auto text = store::readTextFile(store::findDataFile(file));
            if (!text) continue;
            store::ParseLeague(*other, *text);
            count = roundsOn(*other, slot);
        }
        if (count > 0) {
            use.rounds += count;
            use.leagues.emplace_back(name, count);
        }
    }
    return use;
}

std::optional<platform::Message> CourseInUseMessage(const store::LeagueData& data, int slot) {
    CourseUse use = CountCourseUse(data, slot);
    if (use.rounds == 0) return std::nullopt;
    std::string where;
    for (const auto& [league, count] : use.leagues) {
        if (!where.empty()) where += ", ";
        where += std::to_string(count) + " in " + league;
    }
    std::string name = slot >= 1 && slot <= store::kMaxCourses ? data.courses[slot][store::course_field::kName] : "";
    return platform::Message{
        platform::joinLines(
            {"The course \"" + name + "\" cannot be deleted:",
             std::to_string(use.rounds) + (use.rounds == 1 ? " round uses" : " rounds use") + " it (" + where + ").",
             "Only a course that no round uses may be deleted."}),
        "Confirm Delete", platform::Buttons::Ok, platform::Icon::Exclamation};
}

}  // namespace quorval::courses
