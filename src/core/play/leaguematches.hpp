#pragma once

#include <optional>
#include <string>
#include <vector>

#include "play/matchplay.hpp"
#include "store/leaguedata.hpp"
#include "store/schedulefile.hpp"

// League matches over the season schedule: the matchups of a date scored from the rounds posted,
// and the standings over a range of dates.
namespace quorval::play {

LeagueKind KindOf(const store::Schedule& schedule);

// The substitutes of the date as player slots; names no longer in the league are passed over.
std::vector<StandIn> StandInsOn(const store::Schedule& schedule, const store::LeagueData& data, Day date);

// The scored matchups of a date, byes left out. Empty text when the date has matchups, else why
// there is nothing to score.
std::string MatchesOn(const store::Schedule& schedule, const store::LeagueData& data, Day date,
                      std::vector<SideMatch>& matches);

// The standings over the scheduled dates from..to (either end open).
std::vector<Standing> SeasonStandings(const store::Schedule& schedule, const store::LeagueData& data,
                                      std::optional<Day> from, std::optional<Day> to);

}  // namespace quorval::play
