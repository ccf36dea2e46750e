#pragma once

#include <string>
#include <string_view>

#include "handicap/rules.hpp"
#include "platform/dialogs.hpp"
#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// Course handicaps worked out for the user without touching any stored data: the calculator's
// answer for one index and slope, and the printed reference chart of a course and tee.
namespace quorval::courses {

enum class CalcOutcome {
    Result,    // the message is the course handicap
    NoIndex,   // the index box is empty
    NoSlope,   // the slope box is empty
    BadSlope,  // the slope is not above 0: there is nothing to divide by
    TooLarge,  // the result does not fit a float
    NoRating,  // the rules need the course rating and par, and a box is empty
};

struct CalcAnswer {
    CalcOutcome outcome = CalcOutcome::Result;
    std::string message;  // what the calculator's panel shows
};

// The calculator's answer for the typed index and slope: Int(index * slope / 113 + 0.5), or the
// prompt for what is missing. Both boxes are read with the leading-number parse.
CalcAnswer CalculateCourseHandicap(std::string_view indexText, std::string_view slopeText);

// The same under the league's rules: where they add rating - par, the rating and par boxes count.
CalcAnswer CalculateCourseHandicap(std::string_view indexText, std::string_view slopeText, std::string_view ratingText,
                                   std::string_view parText, const handicap::Rules& rules);

inline constexpr const char* kChartTitle = "Course Handicap Reference Chart for Posting";

// The question that asks which tee the chart is for.
std::string ChartTeePrompt();

// The refusal shown when the chosen tee of the course has no slope to work with.
std::string ChartNoSlopeMessage(const store::LeagueData& data, int course, int tee);

enum class ChartOutcome {
    Printed,
    Stopped,  // 0, an empty answer or Cancel for the tee
    NoSlope,  // refused with ChartNoSlopeMessage
};

// The indexes a chart covers, in half strokes: -5.0 to 44.5, widened to the league's lowest and
// highest current index rounded out to the half stroke. Four columns share the rows.
struct ChartRange {
    int firstStep = -10;
    int lastStep = 89;

    int rows() const { return (lastStep - firstStep + 4) / 4; }
    bool operator==(const ChartRange&) const = default;
};

ChartRange ChartRangeOf(const store::LeagueData& data);

// Asks for the tee (its number or name) and prints the chart of course handicaps for every index
// of ChartRangeOf on that tee of `course`. The busy pointer is shown while the page is made, not while asking.
ChartOutcome PrintChcpChart(const store::LeagueData& data, platform::Dialogs& dialogs, platform::Printer& printer,
                            int course);

}  // namespace quorval::courses
