#pragma once

#include <string>
#include <vector>

#include "play/matchplay.hpp"
#include "store/leaguedata.hpp"

// The matches of a date and the standings as text, CSV and team point entries: the command line,
// the printouts, the pages and the windows show the same lines.
namespace quorval::play {

// MM/DD/YY in every date order: the team point entries keep their dates so, as the team file
// always has.
std::string MatchDateText(Day date);

// "Cy Young", "Flo Kim for Ed Ray", or "(nobody)".
std::string PlayerText(const store::LeagueData& data, const MatchPlayer& m);

// A pairing in one line: the players with their match handicaps, the strokes and who gets them,
// holes won and halved, points; forfeits and refusals say so.
std::string PairingLine(const store::LeagueData& data, const Pairing& p);
// A scored pairing hole by hole: stroke indexes, both players' scores as played, the strokes and
// who gets them, the nets and who won each hole. Empty for a pairing that was not scored.
std::vector<std::string> HoleByHoleLines(const store::LeagueData& data, const Pairing& p);

// "Eagles 24.5 - Hawks 13.5"
std::string MatchHeading(const SideMatch& m);

// The lines of a date: a heading per matchup, then its pairings.
std::vector<std::string> MatchLines(const store::LeagueData& data, const std::vector<SideMatch>& matches);

std::string MatchesCsv(const store::LeagueData& data, Day date, const std::vector<SideMatch>& matches);

// "Pl  Side  Played  Won  Halved  Lost  Points" and a line per side.
std::vector<std::string> StandingLines(const std::vector<Standing>& rows);
std::string StandingsCsv(const std::vector<Standing>& rows);

// Writes each team's points of the date as its point entry "MM/DD/YY vs OPPONENT", replacing the
// team's entry of that description. Empty text when done, else why not (a team's record is full).
std::string RecordTeamPoints(store::LeagueData& data, Day date, const std::vector<SideMatch>& matches);

}  // namespace quorval::play
