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

// The picture's size in twips, on the screen and on paper alike.
inline constexpr double kHcpGraphWidth = 9000;
inline constexpr double kHcpGraphHeight = 4500;

// The values the vertical axis spans: -5 .. 40, widened in steps of 5 until every value plotted
// fits, so no line leaves the grid. The grid keeps its height; the steps get closer.
struct GraphScale {
    int low = -5;
    int high = 40;
    bool operator==(const GraphScale&) const = default;
};
GraphScale HcpGraphScale(const store::PlayerRecord& player);

// The picture's vertical scale at -5 .. 40: twips per index point.
inline constexpr double kTwipsPerIndexPoint = 70;

// Where a value of round slot r stands on the scale.
GraphPoint HcpGraphPoint(int slot, float value, const GraphScale& scale = {});

// The values of the scale in steps of 5 beside the vertical axis, then the slots 20 .. 1 under
// the other.
std::vector<AxisLabel> HcpAxisLabels(const GraphScale& scale = {},
                                     const handicap::Rules& rules = handicap::ClassicRules());

enum class HcpSeries { Differential, Index };
// The points of the player's rounds in slot order.
std::vector<GraphPoint> HcpGraphPoints(const store::PlayerRecord& player, HcpSeries series,
                                       const GraphScale& scale = {});

// The captions beside the graph; without rounds the index reads "--".
std::string RoundsPlayedCaption(const store::PlayerRecord& player);
std::string CurrentIndexCaption(const store::PlayerRecord& player,
                                const handicap::Rules& rules = handicap::ClassicRules());

// The axes, the dotted grid, the labels and both graphs (differential light red, index black),
// with the axis titles.
void DrawHcpGraph(platform::Canvas& canvas, const store::PlayerRecord& player,
                  const handicap::Rules& rules = handicap::ClassicRules());

// "Print", portrait: the graph drawn across the top of the page, a legend of the two lines under
// it, the captions (name, current index, rounds played) and the date at the foot.
void PrintHcpGraph(platform::Printer& printer, const store::LeagueData& data, int player, const std::string& date);

// The longest name the captions of the chart printouts hold on a portrait page at 18 points.
inline constexpr size_t kChartNameWidth = 40;

}  // namespace quorval::analysis
