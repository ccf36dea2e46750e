#pragma once

#include <string>
#include <vector>

#include "platform/printer.hpp"
#include "play/matchplay.hpp"
#include "store/leaguedata.hpp"

// The printed matches of a date, the standings and the match cards.
namespace quorval::play {

// Fixed-pitch lines under a heading ("LEAGUE - TITLE") with "Page N of M" on every page.
void PrintSheet(platform::Printer& printer, const store::LeagueData& data, const std::string& title,
                const std::vector<std::string>& lines);

// A card to play a pairing on: both names with their match handicaps, the stroke index row, each
// player's strokes as dots on the holes where he receives them, and empty score boxes.
struct MatchCard {
    std::string heading;  // "06/02/26  Eagles v Hawks"
    std::string nameA, nameB;
    int handicapA = 0, handicapB = 0;
    StrokeGift gift;
};

// The cards of a date's pairings on a course, each player off his own tee. Pairings without both
// players get no card.
std::vector<MatchCard> MatchCards(const store::LeagueData& data, Day date, const std::vector<SideMatch>& matches,
                                  int course);

// Three cards a page; false when there is none to print.
bool PrintMatchCards(platform::Printer& printer, const store::LeagueData& data, const std::vector<MatchCard>& cards,
                     int course);

}  // namespace quorval::play
