#pragma once

#include <string>

#include "platform/printer.hpp"
#include "store/leaguedata.hpp"
#include "store/schedulefile.hpp"

namespace quorval::reports {

// The whole season on paper: portrait, two columns a page, a week kept in one column where it fits,
// one line per matchup with its tee, byes, substitutes and rain-outs listed.
void PrintSchedule(platform::Printer& printer, const store::LeagueData& data, const store::Schedule& schedule,
                   const std::string& date);

}  // namespace quorval::reports
