#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/printer.hpp"
#include "results/dayresults.hpp"
#include "store/leaguedata.hpp"

// Scorecards to play with: one per player, four to a page, each a strip across the page with the
// holes, their par and stroke index, empty boxes for the scores and a dot on every hole where the
// player receives a stroke.
namespace quorval::reports {

inline constexpr int kScorecardsPerPage = 4;

using HoleNumbers = std::array<int, 19>;  // holes 1..18; slot 0 unused

struct ScorecardOptions {
    int course = 0;  // course slot
    int tee = store::kWhiteTee;
    results::PlayDate date;
    std::vector<int> players;  // player slots in the order to print; empty for every player
};

// What one card shows.
struct Scorecard {
    std::string title;  // league, course, tee and date
    std::string player;
    std::string index;  // "12.3" with the sign the league's rules give a plus index; "--" without one
    int courseHandicap = 0;
    bool handicapKnown = false;                       // false when the tee has no slope or the player no index
    std::string handicapCaption = "Course handicap";  // or "Playing handicap (95 %)"
    std::string handicap = "--";                      // courseHandicap as printed: "+1" or "-1" by the rules
    HoleNumbers par{};
    std::optional<HoleNumbers> strokeIndex;
    HoleNumbers strokes{};  // received (negative: given back), all 0 without stroke indexes
};

// The card of a player for the options' course, tee and date. The course handicap is the one the
// player's current index gives on that tee.
Scorecard MakeScorecard(const store::LeagueData& data, int player, const ScorecardOptions& options);

// Card `position` (0 to 3) of the current page.
void PrintScorecard(platform::Printer& printer, const store::Settings& settings, const Scorecard& card, int position);

// The whole job, portrait. False, and nothing printed, when the course is not in the table or
// there is no player to print a card for.
bool PrintScorecards(platform::Printer& printer, const store::LeagueData& data, const ScorecardOptions& options);

}  // namespace quorval::reports
