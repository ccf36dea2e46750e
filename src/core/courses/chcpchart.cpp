#include "courses/chcpchart.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "print/printfont.hpp"
#include "store/coursefile.hpp"
#include "text/numbers.hpp"

namespace quorval::courses {

namespace {

constexpr int kColumns = 4;
constexpr int kFirstStep = -10;  // -5.0 and 44.5 in half strokes: the chart's least range
constexpr int kLastStep = 89;
constexpr float kIndexStep = 0.5f;
constexpr int kStepLimit = 400;  // 200 strokes either way: more than any index, less than a damaged file

// "Red (Ladies)": the tee as the program names it, with the chart's old name beside it.
std::string teeTitle(int tee) {
    return std::string(store::TeeName(tee)) + " (" + std::string(store::TeeOldName(tee)) + ")";
}

std::string padLeft(std::string text, size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string general(double value) {
    return text::generalForm(value);
}

// The tee an answer names, 0 to stop, or nothing when it has to be asked again: a number above 3,
// below 0, with a fraction, or neither a number nor a tee's name.
std::optional<int> teeOf(const std::optional<std::string>& answer) {
    if (!answer || answer->find_first_not_of(" \t") == std::string::npos) return 0;
    if (int named = store::TeeFromText(*answer); named != store::kNoTee) return named;
    std::optional<double> number = text::parseFileNumber(*answer);
    if (!number || *number < 0 || *number > 3 || *number != std::floor(*number)) return std::nullopt;
    return static_cast<int>(*number);
}

std::string handicapText(const handicap::Rules& rules, float index, float slope, double term) {
    double exact = index * slope / 113.0f + term;
    // Adding 0 turns the -0 that a small negative index rounds to into 0.
    double whole = text::roundHalfEven(exact) + 0.0;
    return padLeft(rules.handicapText(whole), 2);
}

std::string chartRow(const handicap::Rules& rules, const ChartRange& range, int row, float slope, double term) {
    std::string line;
    for (int column = 0; column < kColumns; ++column) {
        const int step = range.firstStep + row + range.rows() * column;
        if (step > range.lastStep) break;
        const float index = kIndexStep * static_cast<float>(step);
        line += "       " + padLeft(rules.indexText(index, store::kMaxRounds, "0.0"), 4) + "      " +
                handicapText(rules, index, slope, term);
    }
    return line;
}

void printChart(const store::LeagueData& data, platform::Printer& printer, const store::CourseRecord& course, int tee,
                float slope) {
    print::BeginJob(printer, platform::Orientation::Portrait, data, "Course handicap chart");
    print::SelectPrintFont(printer, data.settings);
    printer.setFontName(data.settings.printFont);
    printer.setFontSize(24);
    printer.setBold(true);
    for (int i = 0; i < 3; ++i) printer.print(" ");
    printer.print("   " + course[store::course_field::kName]);
    printer.print(" ");

    printer.setFontSize(14);
    printer.print("     " + teeTitle(tee) + " tee - slope " + general(slope));
    printer.print(" ");
    printer.print(" ");

    // A league of very low and very high indexes makes a long chart: smaller print keeps it on one page.
    const ChartRange range = ChartRangeOf(data);
    printer.setFontSize(range.rows() <= 28 ? 12 : range.rows() <= 34 ? 10 : range.rows() <= 44 ? 8 : 6);
    const handicap::Rules& rules = handicap::RulesOf(data);
    double term = rules.courseHandicapTerm(course, tee);
    printer.print("     Hcp Index  CHcp    Hcp Index  CHcp    Hcp Index  CHcp   Hcp Index   CHcp");
    for (int r = 0; r < range.rows(); ++r) printer.print(chartRow(rules, range, r, slope, term));

    for (int i = 0; i < 4; ++i) printer.print(" ");
    printer.print("    Use your Hcp index to find the course handicap.");
    printer.endDoc();
}

}  // namespace

ChartRange ChartRangeOf(const store::LeagueData& data) {
    ChartRange range{kFirstStep, kLastStep};
    const handicap::Rules& rules = handicap::RulesOf(data);
    for (int p = 1; p <= std::min<int>(data.playerCount, store::kMaxPlayers); ++p) {
        const store::PlayerRecord& player = data.players[p];
        const int n = std::clamp<int>(player.roundCount, 0, store::kMaxRounds);
        const float index = player.rounds[n].handicapIndex;
        if (n == 0 || !std::isfinite(index) || rules.indexText(index, n, "") == handicap::kNoFigure) continue;
        // Rounded out to the chart's half-stroke step.
        const double steps = static_cast<double>(index) / kIndexStep;
        range.firstStep = std::max(-kStepLimit, std::min(range.firstStep, static_cast<int>(std::floor(steps))));
        range.lastStep = std::min(kStepLimit, std::max(range.lastStep, static_cast<int>(std::ceil(steps))));
    }
    return range;
}

CalcAnswer CalculateCourseHandicap(std::string_view indexText, std::string_view slopeText) {
    if (indexText.empty()) return {CalcOutcome::NoIndex, "Enter your Hcp Index"};
    if (slopeText.empty()) return {CalcOutcome::NoSlope, "Enter the Slope Value"};
    auto index = static_cast<float>(text::leadingNumber(indexText));
    auto slope = static_cast<float>(text::leadingNumber(slopeText));
    std::optional<float> handicap = handicap::ComputeCourseHandicap(index, slope);
    if (!handicap) return {CalcOutcome::BadSlope, "The Slope must be above 0"};
    // Numbers beyond what a float holds have no handicap to show.
    if (!std::isfinite(*handicap)) return {CalcOutcome::TooLarge, "Those numbers are too large"};
    return {CalcOutcome::Result, "Course Handicap = " + general(*handicap)};
}

CalcAnswer CalculateCourseHandicap(std::string_view indexText, std::string_view slopeText, std::string_view ratingText,
                                   std::string_view parText, const handicap::Rules& rules) {
    if (!rules.courseHandicapUsesRating()) return CalculateCourseHandicap(indexText, slopeText);
    if (indexText.empty()) return {CalcOutcome::NoIndex, "Enter your Hcp Index"};
    if (slopeText.empty()) return {CalcOutcome::NoSlope, "Enter the Slope Value"};
    if (ratingText.empty() || parText.empty()) return {CalcOutcome::NoRating, "Enter the Course Rating and Par"};
    store::CourseRecord course{};
    course[store::course_field::kRating0 + store::kWhiteTee] = std::string(ratingText);
    course[store::course_field::kSlope0 + store::kWhiteTee] = std::string(slopeText);
    course[store::course_field::kParTotal] = std::string(parText);
    auto index = static_cast<float>(text::leadingNumber(indexText));
    std::optional<float> handicap = rules.courseHandicap(index, course, store::kWhiteTee);
    if (!handicap) return {CalcOutcome::BadSlope, "The Slope must be above 0"};
    if (!std::isfinite(*handicap)) return {CalcOutcome::TooLarge, "Those numbers are too large"};
    return {CalcOutcome::Result, "Course Handicap = " + general(*handicap)};
}

std::string ChartTeePrompt() {
    return platform::joinLines({"Print Chart relating to which Tee?", "",
                                "Type 1 or " + teeTitle(store::kRedTee) + ", 2 or " + teeTitle(store::kWhiteTee) +
                                    ", 3 or " + teeTitle(store::kBlueTee)});
}

std::string ChartNoSlopeMessage(const store::LeagueData& data, int course, int tee) {
    const std::string& name =
        data.courses[course >= 1 && course <= store::kMaxCourses ? course : 0][store::course_field::kName];
    std::string teeName = store::IsTee(tee) ? teeTitle(tee) + " tee" : "tee chosen";
    return "The " + teeName + " of " + name + " has no slope, so no chart can be printed for it.\r\n" +
           "Enter the slope with Courses, Edit Course, or choose another tee.";
}

ChartOutcome PrintChcpChart(const store::LeagueData& data, platform::Dialogs& dialogs, platform::Printer& printer,
                            int course) {
    if (course < 1 || course > store::kMaxCourses) return ChartOutcome::Stopped;
    std::optional<int> tee;
    do {
        tee = teeOf(dialogs.input(ChartTeePrompt(), kChartTitle, ""));
    } while (!tee);
    if (*tee == 0) return ChartOutcome::Stopped;

    const store::CourseRecord& record = data.courses[course];
    auto slope = static_cast<float>(store::CourseSlope(record, *tee));
    if (!handicap::HasSlope(slope)) {
        dialogs.message(
            {ChartNoSlopeMessage(data, course, *tee), "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return ChartOutcome::NoSlope;
    }
    dialogs.beginBusy("");
    printChart(data, printer, record, *tee, slope);
    dialogs.endBusy();
    return ChartOutcome::Printed;
}

}  // namespace quorval::courses
