#include "analysis/scoring.hpp"

#include <algorithm>
#include <cmath>

#include "analysis/hcpgraph.hpp"
#include "print/printercanvas.hpp"
#include "print/printfont.hpp"
#include "store/coursefile.hpp"
#include "text/fit.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::analysis {

namespace {

// The full turn as the chart has always measured it, a little short of 2 pi.
constexpr float kFullTurn = 6.283186f;
constexpr float kSmallestAngle = 0.001f;

const char* const kSliceNames[kScoreClasses] = {"Eagles", "Birdies", "Pars", "Bogies", "Double Bogies", "Other"};

float normalised(float angle) {
    if (angle >= kFullTurn) angle -= kFullTurn;
    if (angle < 0) angle += kFullTurn;
    return angle <= kSmallestAngle ? kSmallestAngle : angle;
}

}  // namespace

ScoreClass ClassifyScore(int score, double par) {
    const double s = score;
    if (s == par) return ScoreClass::Par;
    if (s == par - 2) return ScoreClass::Eagle;
    if (s == par - 1) return ScoreClass::Birdie;
    if (s == par + 1) return ScoreClass::Bogey;
    if (s == par + 2) return ScoreClass::DoubleBogey;
    return ScoreClass::Other;
}

ScoreCounts CountScores(const store::LeagueData& data, int player) {
    ScoreCounts counts;
    if (player < 0 || player > store::kMaxPlayers) return counts;
    const store::PlayerRecord& who = data.players[player];
    const int rounds = std::clamp<int>(who.roundCount, 0, store::kMaxRounds);
    static const store::CourseRecord kNoCourse{};
    for (int r = rounds; r >= 1; --r) {
        const store::RoundRecord& round = who.rounds[r];
        // A round whose course slot is out of range has no par for any hole.
        const bool known = round.course >= 0 && round.course <= store::kMaxCourses;
        const store::CourseRecord& course = known ? data.courses[round.course] : kNoCourse;
        for (int h = 1; h <= store::kHoles; ++h) {
            const int s = round.score[h];
            if (s == 0) continue;
            const double par = store::HolePar(course, h);
            ++counts.holes;
            counts.parSum = static_cast<float>(counts.parSum + par);
            counts.scoreSum = static_cast<float>(counts.scoreSum + s);
            ++counts.byClass[static_cast<int>(ClassifyScore(s, par))];
        }
    }
    return counts;
}

std::vector<PieSlice> ScoringSlices(const ScoreCounts& counts) {
    std::vector<PieSlice> slices;
    float total = 0;
    for (int c = 0; c < kScoreClasses; ++c) {
        if (counts.byClass[c] == 0) continue;
        PieSlice slice;
        slice.name = kSliceNames[c];
        slice.value = static_cast<float>(counts.byClass[c]);
        slices.push_back(slice);
        total += slice.value;
    }
    float previousEnd = 0;
    for (size_t i = 0; i < slices.size(); ++i) {
        PieSlice& slice = slices[i];
        const float fraction = slice.value / total;
        slice.legendText = slice.name + " " + text::formatPattern(fraction * 100, "##0.0");
        const float sweep = fraction * kFullTurn;
        float start = i == 0 ? kFullTurn / 4 - sweep / 2 : previousEnd;
        float end = i == 0 ? kFullTurn / 4 + sweep / 2 : start + sweep;
        slice.startAngle = normalised(start);
        slice.endAngle = normalised(end);
        slice.colour = static_cast<int>(i) + 9;
        previousEnd = slice.endAngle;
    }
    return slices;
}

std::string AverageParCaption(const ScoreCounts& counts) {
    if (counts.holes == 0) return kAverageParCaption;
    return "avg. par per hole = " + text::formatPattern(counts.parSum / counts.holes, "0.0");
}

std::string AverageScoreCaption(const ScoreCounts& counts) {
    if (counts.holes == 0) return kAverageScoreCaption;
    return "avg. score per hole = " + text::formatPattern(counts.scoreSum / counts.holes, "0.0");
}

std::string TotalHolesCaption(const ScoreCounts& counts) {
    return "# of scores recorded = " + std::to_string(counts.holes);
}

void DrawScoringChart(platform::Canvas& canvas, const std::vector<PieSlice>& slices) {
    canvas.clear();
    if (slices.empty()) return;
    const double w = canvas.scaleWidth();
    const double h = canvas.scaleHeight();
    for (const PieSlice& slice : slices)
        canvas.pieSector(w / 4.5, h / 2, w / 5, slice.startAngle, slice.endAngle, slice.colour, 0);

    const double th = std::round(canvas.textHeight(slices[0].legendText, kLegendPoints));
    const double step = th * 1.5;
    double y = h / 2 - step * static_cast<double>(slices.size()) / 2;
    for (const PieSlice& slice : slices) {
        canvas.filledBox(w / 2, y, w / 2 + w / 16, y + th, slice.colour);
        canvas.text(w / 2 + w / 14, y, slice.legendText + "%", kLegendPoints, 0);
        y += step;
    }
}

void PrintScoringChart(platform::Printer& printer, const store::LeagueData& data, int player, const std::string& date) {
    const store::Settings& settings = data.settings;
    const ScoreCounts counts = CountScores(data, player);
    const std::array<std::string, 4> captions = {text::ShortenName(data.players[player].name, kChartNameWidth),
                                                 AverageParCaption(counts), AverageScoreCaption(counts),
                                                 TotalHolesCaption(counts)};
    const std::string pad(15, ' ');
    print::BeginJob(printer, platform::Orientation::Portrait, data, "Scoring averages");
    print::SelectPrintFont(printer, settings);
    {
        const double tw = printer.scaleWidth();
        const double th = printer.scaleHeight();
        print::PrinterCanvas canvas(printer, kScoringChartWidth, kScoringChartHeight, tw / 20, th / 10, tw / 1.1,
                                    th / 2.4);
        DrawScoringChart(canvas, ScoringSlices(counts));
    }
    print::RestorePrintFont(printer, settings);
    printer.setScaleMode(platform::ScaleMode::Pixels);
    const double w = printer.scaleWidth();
    const double h = printer.scaleHeight();

    printer.setCurrentX(0.1 * w);
    printer.setCurrentY(0.55 * h);
    printer.print(" ");
    printer.setFontName(settings.printFont);
    printer.setFontSize(18);
    printer.print(captions[0] + pad);
    printer.print("  ");
    printer.print(captions[1] + pad);
    printer.print(" ");
    printer.print(captions[2] + pad);
    printer.print(" ");
    printer.print(captions[3] + pad);

    print::EndChartPage(printer, date);
}

}  // namespace quorval::analysis
