#pragma once

#include <string>
#include <vector>

#include "store/leaguedata.hpp"

// The league's rounds as a spreadsheet file and back. Export writes one row per stored round;
// import reads that layout (columns found by their heading, in any order) and posts every round
// through the score window's posting code, oldest first.
namespace quorval::exchange {

// Every stored round of the open league: a heading row, then the rounds player by player, oldest
// first. The tee is the one the round was played from, out/in/total and hole1..hole18 the scores
// as played, adjusted1..adjusted18 the scores handicaps use. Lines end in CR LF; a field holding
// a comma, a quote or a line break is quoted.
std::string RoundsCsv(const store::LeagueData& data);

struct ImportProblem {
    int line = 0;  // line of the file where the row starts; 1 is the heading
    std::string reason;
    bool operator==(const ImportProblem&) const = default;
};

struct ImportReport {
    int rows = 0;  // data rows read, blank lines not counted
    int posted = 0;
    int skipped = 0;       // rows of rounds the league already holds
    int olderRefused = 0;  // rows refused for being older than the player's latest round
    std::vector<std::string> playersAdded;
    std::vector<ImportProblem> problems;
    std::vector<std::string> pushedOut;  // "Al Brennan: 5 oldest rounds no longer kept"
    // Rows with a date such as 03/04/26, which the user's date order decided, and the first such date.
    int ambiguousDates = 0;
    std::string ambiguousExample;
    bool dayFirst = false;  // they were read day first
};

struct ImportOptions {
    // In a Classic league a posted round always becomes the player's newest, so a row older than
    // his latest round is refused unless the user allows it.
    bool allowOlder = false;
};

// Reads the bytes of a rounds file (UTF-8 or Windows-1252, comma or semicolon separated) and posts
// every good row into `data`: a player not in the league is added at the end of the list (with the
// row's tee, else White); each round goes on the row's tee, else the player's, with the row's holes
// as played and the league's hole limits applied to them. Rows that cannot be
// posted are left out and reported. The caller decides whether `data` is kept when there are
// problems, so import into a copy when the original must survive.
// A row whose player already holds a round of that date, course and hole scores is skipped and counted.
ImportReport ImportRoundsCsv(store::LeagueData& data, const std::string& bytes, const ImportOptions& options = {});

// The report as lines for a message box or a terminal: the counts, then one line per problem.
std::vector<std::string> DescribeImport(const ImportReport& report);

}  // namespace quorval::exchange
