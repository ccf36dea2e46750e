#include "analysis/hcpgraph.hpp"

#include <algorithm>

#include "print/printfont.hpp"
#include "text/numbers.hpp"

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

GraphPoint HcpGraphPoint(int slot, float value) {
    return {700 + kSlotWidth * slot, 3000 - kTwipsPerIndexPoint * value};
}

std::vector<AxisLabel> HcpAxisLabels() {
    std::vector<AxisLabel> labels;
    // Shifted right by a digit's width so that the numbers end at the axis.
    for (int v = -5; v <= 40; v += 5) {
        double x = 340 + (v == -5 ? 40 : v < 10 ? 90 : 0);
        labels.push_back({x, 2910 - kTwipsPerIndexPoint * v, std::to_string(v)});
    }
    for (int k = store::kMaxRounds; k >= 1; --k)
        labels.push_back({600 + kSlotWidth * k + (k < 10 ? 45 : 0), 3800, std::to_string(k)});
    return labels;
}

std::vector<GraphPoint> HcpGraphPoints(const store::PlayerRecord& player, HcpSeries series) {
    std::vector<GraphPoint> points;
    for (int r = 1; r <= roundsOf(player); ++r) {
        const store::RoundRecord& round = player.rounds[r];
        points.push_back(
            HcpGraphPoint(r, series == HcpSeries::Differential ? round.differential : round.handicapIndex));
    }
    return points;
}

std::string RoundsPlayedCaption(const store::PlayerRecord& player) {
    return std::to_string(roundsOf(player)) + " rounds played";
}

std::string CurrentIndexCaption(const store::PlayerRecord& player, const handicap::Rules& rules) {
    int n = roundsOf(player);
    return "Current Hcp. Index = " + rules.indexText(player.rounds[n].handicapIndex, n, "");
}

void DrawHcpGraph(platform::Canvas& canvas, const store::PlayerRecord& player) {
    canvas.clear();
    const platform::Pen axis{kBlack, 2};
    canvas.line(kAxisX, kAxisTop, kAxisX, kAxisY, axis);
    canvas.line(kAxisX, kAxisY, kRight, kAxisY, axis);

    const std::vector<AxisLabel> labels = HcpAxisLabels();
    for (const AxisLabel& label : labels) canvas.text(label.x, label.y, label.text, kLabelPoints, kBlack);
    // The grid stands at the index values -5, 0, 5 ... 40.
    const platform::Pen grid{kBlack, 1, platform::LineStyle::Dotted};
    for (int w = 5; w <= 50; w += 5) {
        const double y = 3700 - kTwipsPerIndexPoint * w;
        canvas.line(kAxisX + 10, y, kRight, y, grid);
    }

    plot(canvas, HcpGraphPoints(player, HcpSeries::Differential), {kLightRed, 2});
    plot(canvas, HcpGraphPoints(player, HcpSeries::Index), {kBlack, 2});

    const double w = canvas.scaleWidth();
    const double h = canvas.scaleHeight();
    canvas.text(0.12 * w, 0.94 * h, "<--  Earlier Rounds         More recent Rounds  -->", kArrowPoints, kBlack);
    const std::string title = "HANDICAP";
    for (size_t i = 0; i < title.size(); ++i)
        canvas.text(0.013 * w, 0.2 * h + 200.0 * static_cast<double>(i + 1), title.substr(i, 1), kTitlePoints, kBlack);
}

void PrintHcpGraph(platform::Printer& printer, const store::Settings& settings, const platform::Picture& picture,
                   const std::string& name, const std::string& indexCaption, const std::string& roundsCaption,
                   const std::string& date) {
    const std::string pad(15, ' ');
    print::SelectPrintFont(printer, settings);
    printer.setScaleMode(platform::ScaleMode::Pixels);
    const double w = printer.scaleWidth();
    const double h = printer.scaleHeight();
    printer.paintPicture(picture, w / 20, h / 10, w / 1.1, h / 2.5);

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
    printer.print(name + pad);
    printer.print(" ");
    printer.print(indexCaption + pad);
    printer.print(" ");
    printer.print(roundsCaption + pad);

    printer.setCurrentX(0.85 * w);
    printer.setCurrentY(0.9 * h);
    printer.setFontSize(9);
    printer.print(date);
    printer.endDoc();
    // The next job places its text in twips again.
    printer.setScaleMode(platform::ScaleMode::Twips);
}

}  // namespace quorval::analysis
