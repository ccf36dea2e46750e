#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "entry/posting.hpp"
#include "store/leaguedata.hpp"

namespace quorval::testing {

// Builds the league a test needs from a short table of courses, players, rounds and teams:
//
//   LeagueBuilder(data).course("Pine Hills", "PH")
//       .player("Ann Lee").round("5/4/26", 40, 41, 12.3f)
//       .player("Bo Cruz", store::kBlueTee).post("5/4/26", Holes(5));
//
// A course is par 4 with every third hole par 3 (33 out, 33 in), every tee rated 70.1 with slope
// 113, so the course handicap is the index rounded. Rounds and teams go to the last player added.
class LeagueBuilder {
public:
    explicit LeagueBuilder(store::LeagueData& data, const std::string& league = "Tuesday Men");

    LeagueBuilder& course(const std::string& name, const std::string& initials = "");
    // Rating and slope of one tee of the last course; an empty text leaves the tee unrated.
    LeagueBuilder& tee(int tee, const std::string& rating, const std::string& slope);
    LeagueBuilder& par(int hole, int par);

    LeagueBuilder& player(const std::string& name, int tee = store::kWhiteTee);
    // A round as the league file holds it, with the index and course handicap after it; every
    // played hole is 4 and `in` 0 makes it a front-nine round. Dates read "m/d/yy".
    LeagueBuilder& round(const std::string& date, int out, int in, float index, int course = 1);
    // A round posted as the score window posts it: the scores of holes 1..18 (nine for a
    // nine-hole round), on the player's tee.
    LeagueBuilder& post(const std::string& date, const std::vector<int>& holes, int course = 1);

    // A team of the given players (1-based), with point entries added by `points`.
    LeagueBuilder& team(const std::string& name, std::initializer_list<int> players);
    LeagueBuilder& points(const std::string& description, float points);

    // Writes the league, team, course and registry files into the working folder.
    LeagueBuilder& write();

    store::LeagueData& data;
    std::string leagueName;
};

// Writes `data` as league `name`, the only one of the folder: the registry naming it, the course
// table, the league file and, when it has teams, the team file.
void WriteLeagueFolder(store::LeagueData& data, const std::string& name);

// Eighteen holes of the same score.
std::vector<int> Holes(int each, int count = 18);

}  // namespace quorval::testing
