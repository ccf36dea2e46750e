#pragma once

#include <string>
#include <vector>

#include "store/leaguedata.hpp"

// The order of the index page: players alphabetically, in groups by first letter, so that a phone
// can jump to a letter instead of scrolling through a hundred rows.
namespace quorval::publish {

struct LetterGroup {
    std::string letter;        // the first character of the names, a capital where there is one
    std::vector<int> players;  // player slots, by name without regard to case, then by slot
};

// Every named player of the league in LetterGroup order; no group is empty.
std::vector<LetterGroup> PlayersByLetter(const store::LeagueData& data);

}  // namespace quorval::publish
