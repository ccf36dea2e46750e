#include "courses/chcpchart.hpp"

#include <cmath>
#include <optional>

#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "print/printfont.hpp"
#include "store/coursefile.hpp"
#include "text/numbers.hpp"

namespace quorval::courses {

namespace {

constexpr int kRows = 25;
constexpr float kFirstIndex = -5.0f;
constexpr float kIndexStep = 0.5f;
constexpr float kColumnStep = 12.5f;  // each of the four columns starts 25 rows further on

const char* const kTeeNames[] = {"", "Ladies", "Mens", "Pro"};

std::string general(double value) {
    return text::generalForm(value);
}

// The tee an answer names, 0 to stop, or nothing when it has to be asked again: a number above 3,
// below 0, with a fraction, or no number at all.
std::optional<int> teeOf(const std::optional<std::string>& answer) {
    if (!answer || answer->find_first_not_of(" \t") == std::string::npos) return 0;
    std::optional<double> number = text::parseFileNumber(*answer);
    if (!number || *number < 0 || *number > 3 || *number != std::floor(*number)) return std::nullopt;
    return static_cast<int>(*number);
}

std::string indexText(float index) {
    return (index >= 0 && index < 10 ? " " : "") + text::formatPattern(index, "0.0");
}

std::string handicapText(float index, float slope, double term) {
    double exact = index * slope / 113.0f + term;
    // Adding 0 turns the -0 that a small negative index rounds to into 0.
    double whole = text::roundHalfEven(exact) + 0.0;
    return (whole >= 0 && whole < 10 ? " " : "") + general(whole);
}

std::string chartRow(float first, float slope, double term) {
    std::string row;
    for (int column = 0; column < 4; ++column) {
        float index = first + kColumnStep * static_cast<float>(column);
        row += "       " + indexText(index) + "      " + handicapText(index, slope, term);
    }
    return row;
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
    printer.setBold(true);
    printer.print("     " + std::string(kTeeNames[tee]) + (tee == 3 ? " tee - slope " : " Tee - slope ") +
                  general(slope));
    printer.print(" ");
    printer.print(" ");

    printer.setFontSize(12);
    printer.setBold(true);
    double term = handicap::RulesOf(data).courseHandicapTerm(course, tee);
    printer.print("     Hcp Index  CHcp    Hcp Index  CHcp    Hcp Index  CHcp   Hcp Index   CHcp");
    for (int r = 0; r < kRows; ++r)
        printer.print(chartRow(kFirstIndex + kIndexStep * static_cast<float>(r), slope, term));

    for (int i = 0; i < 4; ++i) printer.print(" ");
    printer.print("    Use your Hcp index to find the course handicap.");
    printer.endDoc();
}

}  // namespace

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
    return platform::joinLines(
        {"Print Chart relating to which Tee?", "", "Type 1 for Ladies, 2 for Mens or 3 for the Pro tee"});
}

std::string ChartNoSlopeMessage(const store::LeagueData& data, int course, int tee) {
    const std::string& name =
        data.courses[course >= 1 && course <= store::kMaxCourses ? course : 0][store::course_field::kName];
    std::string teeName = tee >= 1 && tee <= 3 ? std::string(kTeeNames[tee]) + " tee" : "tee chosen";
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
