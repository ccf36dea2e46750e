#pragma once

#include <string>
#include <vector>

#include "store/leaguedata.hpp"

// The handicap index that belongs to one round slot, with the working lines a user can follow.
namespace quorval::handicap {

struct IndexResult {
    float index = 0;
    std::vector<std::string> lines;  // the calculation list, as "View Math" shows it
};

// How many of the lowest differentials count when `rounds` rounds are taken into account.
int DifferentialsUsed(int rounds, bool averageAll);

// The index after the round in `slot`: the lowest differentials of slots 1..slot, averaged,
// multiplied by the factor and cut to one decimal; limited by tee when the limit is on.
IndexResult ComputeHandicapIndex(const store::PlayerRecord& player, int slot, const store::Settings& settings, int tee);

}  // namespace quorval::handicap
