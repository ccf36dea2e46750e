#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// The reports quorval-print knows, each the same print code the program's windows run.
namespace quorval::printtool {

// What the command line chose besides the league and the report.
struct Options {
    std::vector<int> players;  // --player / --players
    int course = 0;            // --course
    int tee = 0;               // --tee
    std::string date;          // the printed date, as the reports print it
    std::string playDate;      // --date as YYYY-MM-DD: the day a results sheet or a scorecard is for
    std::string fromDate;      // --from and --to as YYYY-MM-DD: the dates the standings cover
    std::string toDate;
    // The side games: --gross, --allowance P, --ties none|carry, --buy-in AMOUNT, --pot AMOUNT.
    bool gross = false;
    int allowance = 0;  // 0: the game's default
    std::string ties, buyIn, pot;
};

enum class Outcome { Printed, NothingToPrint, Usage };

struct Report {
    // Prints onto the printer, or says on `error` why there is nothing to print.
    Outcome (*print)(platform::Printer& printer, store::LeagueData& data, const Options& options, std::string& error);
    const char* arguments;  // for the usage text
};

// Report name -> what prints it. Adding a report is one entry here and its function.
const std::map<std::string, Report>& Reports();

}  // namespace quorval::printtool
