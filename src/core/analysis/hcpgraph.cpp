#include "analysis/hcpgraph.hpp"

#include <algorithm>
#include <cmath>

#include "print/printercanvas.hpp"
#include "print/printfont.hpp"
#include "text/fit.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::analysis {

namespace {

constexpr double kAxisX = 660;
constexpr double kAxisTop = 150;
constexpr double kAxisY = 3720;
constexpr double kRight = 8800;
constexpr double kSlotWidth = 380;
constexpr float kLabelPoints = 8;  // the picture's own font
constexpr float kArrowPoints = 6;
constexpr float kTitlePoints = 9;
constexpr int kBlack = 0;
constexpr int kLightRed = 12;
// The grid runs from the lowest value at this height up to the highest.
constexpr double kGridBottom = 3350;
constexpr double kGridTop = 200;
constexpr int kScaleStep = 5;

int roundsOf(const store::PlayerRecord& player) {
    return std::clamp<int>(player.roundCount, 0, store::kMaxRounds);
}

// Each point joined to the one before; the first is a dot of its own.
void plot(platform::Canvas& canvas, const std::vector<GraphPoint>& points, const platform::Pen& pen) {
    for (size_t i = 0; i < points.size(); ++i) {
        const GraphPoint& from = points[i == 0 ? 0 : i - 1];
        canvas.line(from.x, from.y, points[i].x, points[i].y, pen);
    }
}

}  // namespace

GraphScale HcpGraphScale(const store::PlayerRecord& player) {
    GraphScale scale;
    for (int r = 1; r <= roundsOf(player); ++r) {
        for (float value : {player.rounds[r].differential, player.rounds[r].handicapIndex}) {
            // A value from a damaged file may be anything; the scale stops growing at +-1000.
            if (!std::isfinite(value)) continue;
            const double v = std::clamp<double>(value, -1000, 1000);
            scale.low = std::min(scale.low, static_cast<int>(std::floor(v / kScaleStep)) * kScaleStep);
            scale.high = std::max(scale.high, static_cast<int>(std::ceil(v / kScaleStep)) * kScaleStep);
        }
    }
    return scale;
}

static double valueY(float value, const GraphScale& scale) {
    const double perPoint = (kGridBottom - kGridTop) / (scale.high - scale.low);
    return kGridBottom - perPoint * (static_cast<double>(value) - scale.low);
}

GraphPoint HcpGraphPoint(int slot, float value, const GraphScale& scale) {
    return {700 + kSlotWidth * slot, valueY(value, scale)};
}

std::vector<AxisLabel> HcpAxisLabels(const GraphScale& scale, const handicap::Rules& rules) {
    std::vector<AxisLabel> labels;
    // Each label ends at the axis: a digit is 90 twips wide, a sign 50 (a plus sign, under rules
    // that write plus indexes so, as wide as a digit).
    for (int v = scale.low; v <= scale.high; v += kScaleStep) {
        const std::string text = rules.handicapText(v);
        const bool sign = text[0] == '-' || text[0] == '+';
        const auto digits = static_cast<double>(text.size() - (sign ? 1 : 0));
        const double signWidth = !sign ? 0 : text[0] == '+' ? 90 : 50;
        labels.push_back({430 - 90 * (digits - 1) - signWidth, valueY(static_cast<float>(v), scale) - 90, text});
    }
    for (int k = store::kMaxRounds; k >= 1; --k)
        labels.push_back({600 + kSlotWidth * k + (k < 10 ? 45 : 0), 3800, std::to_string(k)});
    return labels;
}

std::vector<GraphPoint> HcpGraphPoints(const store::PlayerRecord& player, HcpSeries series, const GraphScale& scale) {
    std::vector<GraphPoint> points;
    for (int r = 1; r <= roundsOf(player); ++r) {
        const store::RoundRecord& round = player.rounds[r];
        points.push_back(
            HcpGraphPoint(r, series == HcpSeries::Differential ? round.differential : round.handicapIndex, scale));
    }
    return points;
}

std::string RoundsPlayedCaption(const store::PlayerRecord& player) {
    return std::to_string(roundsOf(player)) + " rounds played";
}

std::string CurrentIndexCaption(const store::PlayerRecord& player, const handicap::Rules& rules) {
    return "Current Hcp. Index = " + handicap::CurrentIndexText(rules, player);
}

void DrawHcpGraph(platform::Canvas& canvas, const store::PlayerRecord& player, const handicap::Rules& rules) {
    canvas.clear();
    const platform::Pen axis{kBlack, 2};
    canvas.line(kAxisX, kAxisTop, kAxisX, kAxisY, axis);
    canvas.line(kAxisX, kAxisY, kRight, kAxisY, axis);

    const GraphScale scale = HcpGraphScale(player);
    const std::vector<AxisLabel> labels = HcpAxisLabels(scale, rules);
    for (const AxisLabel& label : labels) canvas.text(label.x, label.y, label.text, kLabelPoints, kBlack);
    // The grid stands at every labelled value.
    const platform::Pen grid{kBlack, 1, platform::LineStyle::Dotted};
    for (int v = scale.low; v <= scale.high; v += kScaleStep) {
        const double y = valueY(static_cast<float>(v), scale);
        canvas.line(kAxisX + 10, y, kRight, y, grid);
    }

    plot(canvas, HcpGraphPoints(player, HcpSeries::Differential, scale), {kLightRed, 2});
    plot(canvas, HcpGraphPoints(player, HcpSeries::Index, scale), {kBlack, 2});

    const double w = canvas.scaleWidth();
    const double h = canvas.scaleHeight();
    canvas.text(0.12 * w, 0.94 * h, "<--  Earlier Rounds         More recent Rounds  -->", kArrowPoints, kBlack);
    const std::string title = "HANDICAP";
    for (size_t i = 0; i < title.size(); ++i)
        canvas.text(0.013 * w, 0.2 * h + 200.0 * static_cast<double>(i + 1), title.substr(i, 1), kTitlePoints, kBlack);
}

void PrintHcpGraph(platform::Printer& printer, const store::LeagueData& data, int player, const std::string& date) {
    const store::Settings& settings = data.settings;
    const store::PlayerRecord& who = data.players[player];
    const std::string pad(15, ' ');
    print::BeginJob(printer, platform::Orientation::Portrait, data, "Handicap trend");
    print::SelectPrintFont(printer, settings);
    {
        const double tw = printer.scaleWidth();
        const double th = printer.scaleHeight();
        print::PrinterCanvas canvas(printer, kHcpGraphWidth, kHcpGraphHeight, tw / 20, th / 10, tw / 1.1, th / 2.5);
        DrawHcpGraph(canvas, who, handicap::RulesOf(data));
    }
    print::RestorePrintFont(printer, settings);
    printer.setScaleMode(platform::ScaleMode::Pixels);
    const double w = printer.scaleWidth();
    const double h = printer.scaleHeight();

    // The legend: a short thick line of each graph's colour before its name.
    auto legend = [&](double x, int colour, const std::string& text) {
        printer.setCurrentX(x);
        printer.setCurrentY(h / 1.9);
        printer.setDrawWidth(8);
        printer.setBold(true);
        printer.setForeColor(colour);
        printer.line(printer.currentX(), printer.currentY(), printer.currentX() + w / 50, printer.currentY());
        printer.setFontName(settings.printFont);
        printer.setFontSize(10);
        printer.setCurrentY(0.518 * h);
        printer.setForeColor(kBlack);
        printer.printNoEnd(text);
    };
    legend(0.2 * w, kBlack, " Hcp Index");
    legend(0.55 * w, kLightRed, " Hcp Differential");

    printer.setCurrentX(0.1 * w);
    printer.setCurrentY(0.55 * h);
    printer.setFontName(settings.printFont);
    printer.setFontSize(18);
    printer.print(" ");
    printer.print(text::ShortenName(who.name, kChartNameWidth) + pad);
    printer.print(" ");
    printer.print(CurrentIndexCaption(who, handicap::RulesOf(data)) + pad);
    printer.print(" ");
    printer.print(RoundsPlayedCaption(who) + pad);

    print::EndChartPage(printer, date);
}

}  // namespace quorval::analysis
