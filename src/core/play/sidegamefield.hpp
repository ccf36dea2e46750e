#pragma once

#include <optional>
#include <string>
#include <vector>

#include "handicap/strokes.hpp"
#include "play/playedscores.hpp"
#include "results/dayresults.hpp"
#include "store/leaguedata.hpp"

// The field of a side game: the players of one date who played the same course over the same
// holes, each with the strokes he receives hole by hole.
namespace quorval::play {

struct FieldRequest {
    results::PlayDate date;
    std::string course;        // a course name; empty: the only course played that day
    std::vector<int> players;  // player numbers; empty: everybody who played
    bool net = true;           // strokes received count; false: gross
    int allowance = 100;       // percent of the course handicap, 1..100
};

struct FieldPlayer {
    int player = 0;
    int slot = 0;
    std::string name;
    int tee = 0;
    int handicap = 0;  // the playing handicap; 0 for gross games and players without an index
    handicap::HoleStrokes strokes{};
    HoleScores scores{};
};

struct Field {
    results::PlayDate date;
    int course = 0;
    std::string courseName;
    int firstHole = 1;
    int lastHole = 18;
    bool net = true;
    int allowance = 100;
    std::vector<FieldPlayer> players;     // in the order of the player list
    std::vector<std::string> notInField;  // "Name (back nine)", "Name (no round)"

    bool nine() const { return lastHole - firstHole < 9; }
    // "18 holes", "front nine", "back nine"
    std::string holesText() const;
};

// Either the field or why there is none.
struct FieldResult {
    std::optional<Field> field;
    std::string error;
};

// The courses played on a date, in order of first use.
std::vector<int> CoursesPlayedOn(const store::LeagueData& data, const results::PlayDate& date);

// The holes most of the course's players played that day make the field; a tie goes to 18 holes,
// then the front nine.
FieldResult FieldOfDate(const store::LeagueData& data, const FieldRequest& request);

// Orders dates as the listing does (two-digit years 80..99 before 00..79).
int DateOrder(const results::PlayDate& date);

}  // namespace quorval::play
