#pragma once

#include <string>
#include <vector>

#include "handicap/rules.hpp"
#include "platform/canvas.hpp"
#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// "Individual Handicap Trends": a player's handicap index and differential after each stored
// round as two line graphs over the 20 round slots, oldest on the left.
namespace quorval::analysis {

struct GraphPoint {
    double x = 0;  // twips of the picture
    double y = 0;
    bool operator==(const GraphPoint&) const = default;
};

struct AxisLabel {
    double x = 0;
    double y = 0;
    std::string text;
    bool operator==(const AxisLabel&) const = default;
};

// The picture's vertical scale: twips per index point.
inline constexpr double kTwipsPerIndexPoint = 70;

// Where a value of round slot r stands; values outside -5 .. 40 fall off the grid.
GraphPoint HcpGraphPoint(int slot, float value);

// The index values -5 .. 40 beside the vertical axis, then the slots 20 .. 1 under the other.
std::vector<AxisLabel> HcpAxisLabels();

enum class HcpSeries { Differential, Index };
// The points of the player's rounds in slot order.
std::vector<GraphPoint> HcpGraphPoints(const store::PlayerRecord& player, HcpSeries series);

// The captions beside the graph.
std::string RoundsPlayedCaption(const store::PlayerRecord& player);
std::string CurrentIndexCaption(const store::PlayerRecord& player,
                                const handicap::Rules& rules = handicap::ClassicRules());

// The axes, the dotted grid, the labels and both graphs (differential light red, index black),
// with the axis titles.
void DrawHcpGraph(platform::Canvas& canvas, const store::PlayerRecord& player);

// "Print": the drawn picture across the top of the page, a legend of the two lines under it, the
// captions (name, current index, rounds played) and the date at the foot.
void PrintHcpGraph(platform::Printer& printer, const store::Settings& settings, const platform::Picture& picture,
                   const std::string& name, const std::string& indexCaption, const std::string& roundsCaption,
                   const std::string& date);

}  // namespace quorval::analysis
