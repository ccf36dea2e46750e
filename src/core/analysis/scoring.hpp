#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// "Individual Scoring Averages": how a player's hole scores stand to par over all his stored
// rounds, as a pie of at most six slices with a legend, and the per-hole averages.
namespace quorval::analysis {

enum class ScoreClass { Eagle, Birdie, Par, Bogey, DoubleBogey, Other };
inline constexpr int kScoreClasses = 6;

// Exact matches only: three or more under or over par, or a par that is no whole number, is Other.
ScoreClass ClassifyScore(int score, double par);

struct ScoreCounts {
    std::array<int, kScoreClasses> byClass{};  // indexed by ScoreClass
    int16_t holes = 0;
    float parSum = 0;
    float scoreSum = 0;
};

// Every played hole (score not 0) of the player's stored rounds against its course's par.
ScoreCounts CountScores(const store::LeagueData& data, int player);

struct PieSlice {
    std::string name;
    float value = 0;         // holes in the category
    std::string legendText;  // name and share, "Pars 62.5"
    float startAngle = 0;    // radians, counter-clockwise from three o'clock
    float endAngle = 0;
    int colour = 0;  // console colour, by the slice's position: 9, 10, 11 ...
};

// One slice per category that has holes, in the order eagles, birdies, pars, bogies, double bogies,
// other; the first is centred at the top and each next one follows counter-clockwise.
std::vector<PieSlice> ScoringSlices(const ScoreCounts& counts);

// The window's captions; without holes the two averages keep the design captions.
inline constexpr const char* kAverageParCaption = "Avg. Par per hole =";
inline constexpr const char* kAverageScoreCaption = "Avg. Score per hole =";
std::string AverageParCaption(const ScoreCounts& counts);
std::string AverageScoreCaption(const ScoreCounts& counts);
std::string TotalHolesCaption(const ScoreCounts& counts);

// The picture's size in twips, on the screen and on paper alike.
inline constexpr double kScoringChartWidth = 7200;
inline constexpr double kScoringChartHeight = 4335;

// The legend's font size on the picture.
inline constexpr float kLegendPoints = 9;

// The pie on the left half of the picture and its legend, centred on the right half.
void DrawScoringChart(platform::Canvas& canvas, const std::vector<PieSlice>& slices);

// "Print Chart", portrait: the chart drawn across the top of the page, the captions (name, the two
// averages, the hole count) under it and the date at the foot.
void PrintScoringChart(platform::Printer& printer, const store::LeagueData& data, int player, const std::string& date);

}  // namespace quorval::analysis
