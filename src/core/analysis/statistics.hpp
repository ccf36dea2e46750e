#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// A player's performance statistics, made from the putts, fairways and greens stored with the
// rounds entered with performance data: the overall averages of "Personal Performance" and the
// round-by-round review by course of "Personal Performance Review".
namespace quorval::analysis {

// The running totals the averages are made of. They are Singles, as the averages computed from
// them are.
struct PerformanceStats {
    float puttSum = 0;
    float puttHoles = 0;         // holes with putts not 0
    float fairwaysHit = 0;       // holes with fairway value 2, scored or not
    float fairwaysRecorded = 0;  // scored holes with a fairway value
    float greensRecorded = 0;    // scored holes with a green value
    float greensHit = 0;         // holes with green value 2, scored or not
    float scoredHoles = 0;
    float scoreSum = 0;
    float parSum = 0;  // par of the scored holes
};

// The texts of the summary window's labels.
struct PerformanceSummary {
    std::string hcp;
    std::string averagePar;
    std::string averageScore;
    std::string fairways;
    std::string greens;
    std::string putts;
};

// The averages over all rounds of `player` (1..playerCount).
PerformanceSummary CalcAverages(const store::LeagueData& data, int player);

// The course of each round slot that carries performance data; 0 for the other slots.
struct StatRounds {
    std::array<int16_t, store::kMaxRounds + 1> statCourse{};
    bool statsFound = false;
};

StatRounds FindStatRounds(const store::LeagueData& data, int player);

// The column heading over a course group and its underline.
std::vector<std::string> AddTopHeading();

// The four lines of round `round` (scores, putts, fairways, greens), whose holes are added to
// `stats`.
std::vector<std::string> ListStatLines(const store::LeagueData& data, int player, int round, PerformanceStats& stats);

// The lines that close a course group: the course's name and the group's averages. An average
// without data is left blank.
std::vector<std::string> CalCourseAverages(const store::CourseRecord& course, const PerformanceStats& stats);

inline constexpr const char* kNoStatistics = " No personal statistics found for this player.";

// The review's lines for `player`: one group per course, the course of the latest round with data
// first; within a group the rounds newest first, then the group's averages.
std::vector<std::string> CycleReports(const store::LeagueData& data, int player);

// The summary on one portrait page: heading, name and the averages except the index. `date` is
// PrintDate's.
void PrintStatSummary(platform::Printer& printer, const store::LeagueData& data, const std::string& name,
                      const PerformanceSummary& summary, const std::string& date);

// The review's lines in landscape, 41 on the first page and 40 on each of the next three.
void PrintStatReview(platform::Printer& printer, const store::LeagueData& data, const std::string& name,
                     const std::vector<std::string>& lines);

}  // namespace quorval::analysis
