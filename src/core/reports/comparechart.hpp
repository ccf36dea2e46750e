#pragma once

#include <string>
#include <vector>

#include "handicap/rules.hpp"
#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// "Current League Handicaps": every player of the league on one text scale from -5 to 40, lowest
// index first, with a star where the index falls and the index itself at the end of the line.
namespace quorval::reports {

struct CompareEntry {
    float index = 0;
    int player = 0;
    bool operator==(const CompareEntry&) const = default;
};

// Players 1..playerCount with rounds by current index, lowest first; equal indexes by player number.
std::vector<CompareEntry> CompareOrder(const store::LeagueData& data);

// One chart line: the name cut to 20 characters in a 22-column field, the star (index 0 in column 29, clamped to
// -6..41), then the index from column 73, a blank standing for the sign of a non-negative one.
std::string CompareLine(const std::string& name, float index, const handicap::Rules& rules = handicap::ClassicRules(),
                        int slot = store::kMaxRounds);

// The chart's lines in CompareOrder.
std::vector<std::string> CompareLines(const store::LeagueData& data);

// Prints the chart lines, portrait, 50 lines to a page under the heading; the date is PrintDate's.
void PrintCompareChart(platform::Printer& printer, const store::LeagueData& data, const std::vector<std::string>& lines,
                       const std::string& date);

}  // namespace quorval::reports
