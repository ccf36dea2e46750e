#pragma once

#include <string>
#include <vector>

#include "handicap/rules.hpp"
#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// "Current League Handicaps": every player of the league on one text scale, lowest index first,
// with a star where the index falls and the index itself at the end of the line. The scale runs
// from -5 to 40, one column a stroke, and widens by fives to hold every index of the league,
// taking two strokes or more a column where 46 columns no longer hold it.
namespace quorval::reports {

struct CompareEntry {
    float index = 0;
    int player = 0;
    bool operator==(const CompareEntry&) const = default;
};

struct CompareScale {
    int low = -5;       // the first mark
    int high = 40;      // the last mark
    int perColumn = 1;  // strokes a column; marks stand every five columns

    bool operator==(const CompareScale&) const = default;
};

// The scale that holds every index of the chart.
CompareScale CompareScaleOf(const std::vector<CompareEntry>& order);

// The mark line of the heading: the marks' values right-aligned over their stars, plus indexes
// written with the sign the league's rules give them.
std::string CompareMarks(const CompareScale& scale, const handicap::Rules& rules);

// Players 1..playerCount with rounds by current index, lowest first; equal indexes by player number.
std::vector<CompareEntry> CompareOrder(const store::LeagueData& data);

// One chart line: the name cut to 20 characters in a 22-column field, the star (the scale's first mark in
// column 24, held to one column either side of the scale), then the index from column 73, a blank standing for
// the sign of a non-negative one.
std::string CompareLine(const std::string& name, float index, const handicap::Rules& rules = handicap::ClassicRules(),
                        int slot = store::kMaxRounds, const CompareScale& scale = {});

// The chart's lines in CompareOrder.
std::vector<std::string> CompareLines(const store::LeagueData& data);

// Prints the chart lines, portrait, 50 lines to a page under the heading; the date is PrintDate's.
void PrintCompareChart(platform::Printer& printer, const store::LeagueData& data, const std::vector<std::string>& lines,
                       const std::string& date);

}  // namespace quorval::reports
