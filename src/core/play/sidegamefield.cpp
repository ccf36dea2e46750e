#include "play/sidegamefield.hpp"

#include <algorithm>
#include <array>

#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "store/coursefile.hpp"

namespace quorval::play {

namespace {

bool playedOn(const store::RoundRecord& round, const results::PlayDate& date) {
    return round.month == date.month && round.day == date.day && round.year == date.year;
}

int playersOf(const store::LeagueData& data) {
    return std::clamp<int>(data.playerCount, 0, store::kMaxPlayers);
}

// The first round of the player on the date and course, or 0.
int roundOn(const store::LeagueData& data, int p, const results::PlayDate& date, int course) {
    const store::PlayerRecord& player = data.players[p];
    for (int r = 1; r <= std::clamp<int>(player.roundCount, 0, store::kMaxRounds); ++r) {
        if (playedOn(player.rounds[r], date) && (course == 0 || player.rounds[r].course == course)) return r;
    }
    return 0;
}

// 0: 18 holes, 1: front nine, 2: back nine.
int holeSet(const store::RoundRecord& round) {
    if (!handicap::IsNineHoleRound(round.score[store::kOutSlot], round.score[store::kInSlot])) return 0;
    return round.score[store::kOutSlot] != 0 ? 1 : 2;
}

const char* const kHoleSetNames[] = {"18 holes", "front nine", "back nine"};

}  // namespace

std::string Field::holesText() const {
    return kHoleSetNames[!nine() ? 0 : firstHole == 1 ? 1 : 2];
}

int DateOrder(const results::PlayDate& date) {
    int year = date.year < 80 ? date.year + 100 : date.year;
    return (year * 12 + date.month) * 31 + date.day;
}

std::vector<int> CoursesPlayedOn(const store::LeagueData& data, const results::PlayDate& date) {
    std::vector<int> courses;
    for (int p = 1; p <= playersOf(data); ++p) {
        const store::PlayerRecord& player = data.players[p];
        for (int r = 1; r <= std::clamp<int>(player.roundCount, 0, store::kMaxRounds); ++r) {
            int c = player.rounds[r].course;
            if (playedOn(player.rounds[r], date) && c >= 1 && c <= store::kMaxCourses &&
                std::find(courses.begin(), courses.end(), c) == courses.end()) {
                courses.push_back(c);
            }
        }
    }
    return courses;
}

FieldResult FieldOfDate(const store::LeagueData& data, const FieldRequest& request) {
    const std::string day = results::DateText(request.date, data.settings.dateOrder);
    if (request.allowance < 1 || request.allowance > 100)
        return {std::nullopt, "The allowance must be a whole percent from 1 to 100."};
    for (int p : request.players) {
        if (p < 1 || p > playersOf(data)) return {std::nullopt, "There is no player " + std::to_string(p) + "."};
    }
    std::vector<int> courses = CoursesPlayedOn(data, request.date);
    if (courses.empty()) return {std::nullopt, "No rounds were played on " + day + "."};
    int course = 0;
    if (!request.course.empty()) {
        course = store::FindCourse(data, request.course);
        if (course == 0) return {std::nullopt, "There is no course named " + request.course + "."};
        if (std::find(courses.begin(), courses.end(), course) == courses.end())
            return {std::nullopt, "No rounds were played at " + request.course + " on " + day + "."};
    } else if (courses.size() > 1) {
        std::string names;
        for (int c : courses) names += (names.empty() ? "" : ", ") + data.courses[c][store::course_field::kName];
        return {std::nullopt, "Several courses were played on " + day + " (" + names + "); choose one."};
    } else {
        course = courses.front();
    }
    const store::StrokeIndexes& si = data.strokeIndexes[course];
    const std::string& courseName = data.courses[course][store::course_field::kName];
    if (request.net && !store::HasStrokeIndexes(si)) {
        return {std::nullopt, "The course " + courseName +
                                  " has no stroke indexes, so nobody's strokes can be placed; enter them with "
                                  "Courses, Edit Course."};
    }

    auto wanted = [&](int p) {
        return request.players.empty() ||
               std::find(request.players.begin(), request.players.end(), p) != request.players.end();
    };
    std::array<int, 3> counts{};
    for (int p = 1; p <= playersOf(data); ++p) {
        int r = wanted(p) ? roundOn(data, p, request.date, course) : 0;
        if (r > 0) ++counts[static_cast<size_t>(holeSet(data.players[p].rounds[r]))];
    }
    int set = 0;
    for (int s = 1; s < 3; ++s)
        if (counts[static_cast<size_t>(s)] > counts[static_cast<size_t>(set)]) set = s;

    Field field;
    field.date = request.date;
    field.course = course;
    field.courseName = courseName;
    field.firstHole = set == 2 ? 10 : 1;
    field.lastHole = set == 1 ? 9 : 18;
    field.net = request.net;
    field.allowance = request.allowance;
    const handicap::Rules& rules = handicap::RulesOf(data);
    for (int p = 1; p <= playersOf(data); ++p) {
        if (!wanted(p)) continue;
        const store::PlayerRecord& player = data.players[p];
        int r = roundOn(data, p, request.date, course);
        if (r == 0) {
            if (!request.players.empty()) field.notInField.push_back(player.name + " (no round)");
            continue;
        }
        int holes = holeSet(player.rounds[r]);
        if (holes != set) {
            field.notInField.push_back(player.name + " (" + kHoleSetNames[holes] + ")");
            continue;
        }
        FieldPlayer entry;
        entry.player = p;
        entry.slot = r;
        entry.name = player.name;
        entry.tee = TeePlayed(data, p, r);
        entry.scores = HoleScoresAsPlayed(data, p, r);
        if (request.net) {
            entry.handicap = rules.sideGameHandicap(data, player, r, entry.tee, request.allowance).value_or(0);
            entry.strokes = field.nine() ? handicap::AllocateNineStrokes(entry.handicap, si, field.firstHole)
                                         : handicap::AllocateStrokes(entry.handicap, si);
        }
        field.players.push_back(entry);
    }
    if (field.players.empty()) return {std::nullopt, "None of the players chosen played on " + day + "."};
    return {field, {}};
}

}  // namespace quorval::play
