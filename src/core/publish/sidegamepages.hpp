#pragma once

#include <string>

#include "results/dayresults.hpp"
#include "store/leaguedata.hpp"

// The side games on a date's page: for each course played, who won which skin for how much and
// the Stableford table, with the league's own options (net where the course has stroke indexes).
namespace quorval::publish {

std::string SideGamesHtml(const store::LeagueData& data, const results::PlayDate& date);

}  // namespace quorval::publish
