#include "analysis/statistics.hpp"

#include <cstdio>
#include <cstdlib>

#include "dates/dateorder.hpp"
#include "handicap/rules.hpp"
#include "print/printfont.hpp"
#include "store/coursefile.hpp"
#include "text/fit.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::analysis {

namespace {

using store::kInSlot;
using store::kOutSlot;

using store::kHoles;
constexpr int16_t kHit = 2;

// A Single is shown as it reads to its seven digits: 297 putts on 180 holes show as 1.7, not as
// the 1.6499999 that the Single holds.
std::string oneDecimal(float x) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.7g", static_cast<double>(x));
    return text::formatPattern(std::strtod(digits, nullptr), "0.0");
}

const store::CourseRecord& courseOf(const store::LeagueData& data, int course) {
    return data.courses[course >= 0 && course <= store::kMaxCourses ? course : 0];
}

int roundCountOf(const store::PlayerRecord& player) {
    return player.roundCount < 0 ? 0 : player.roundCount > store::kMaxRounds ? store::kMaxRounds : player.roundCount;
}

void addScores(PerformanceStats& stats, const store::RoundRecord& round, const store::CourseRecord& course) {
    for (int h = 1; h <= kHoles; ++h) {
        if (round.score[h] == 0) continue;
        stats.scoredHoles += 1;
        stats.parSum += static_cast<float>(store::HolePar(course, h));
        stats.scoreSum += round.score[h];
    }
}

void addPutts(PerformanceStats& stats, const store::RoundRecord& round) {
    for (int h = 1; h <= kHoles; ++h) {
        if (round.putts[h] != 0) stats.puttHoles += 1;
        stats.puttSum += round.putts[h];
    }
}

// A value counts as recorded only on a scored hole, but a hit counts whether the hole was scored
// or not: a fairway hit on an unscored hole lifts the percentage, even past 100.
void addHits(const store::RoundRecord& round, const store::HoleValues& values, float& recorded, float& hit) {
    for (int h = 1; h <= kHoles; ++h) {
        if (round.score[h] != 0 && values[h] != 0) recorded += 1;
        if (values[h] == kHit) hit += 1;
    }
}

std::string averageParText(const PerformanceStats& s) {
    return "Avg. par per hole = " + oneDecimal(s.scoredHoles != 0 ? s.parSum / s.scoredHoles : 0.0f);
}

std::string averageScoreText(const PerformanceStats& s) {
    return "Avg. score per hole = " + oneDecimal(s.scoredHoles != 0 ? s.scoreSum / s.scoredHoles : 0.0f);
}

// `none` stands where there is nothing to average.
std::string fairwaysText(const PerformanceStats& s, const std::string& none) {
    if (s.fairwaysRecorded == 0) return none;
    return "Fairways " + oneDecimal(s.fairwaysHit / s.fairwaysRecorded * 100.0f) + " %";
}

std::string greensText(const PerformanceStats& s, const std::string& none) {
    if (s.greensRecorded == 0) return none;
    return "Greens in Regulation " + oneDecimal(s.greensHit / s.greensRecorded * 100.0f) + " %";
}

// A putt sum that is not 0 comes from at least one hole with putts, so the division is safe.
std::string puttsText(const PerformanceStats& s, const std::string& none) {
    if (s.puttSum == 0) return none;
    return "Average # of Putts per Hole = " + oneDecimal(s.puttSum / s.puttHoles);
}

// A short number gets one character in front of it, once.
std::string padded(const std::string& s, size_t shorterThan, char fill = ' ') {
    return s.size() < shorterThan ? std::string(1, fill) + s : s;
}

void padTo(std::string& line, size_t width, int most) {
    for (int i = 0; i < most && text::CharLength(line) < width; ++i) line.push_back(' ');
}

// Hole values in three-character columns under the heading's hole numbers; 0 shows as "-".
std::string holeColumns(const store::HoleValues& values) {
    std::string out;
    for (int h = 1; h <= kHoles; ++h) out += (values[h] == 0 ? " -" : padded(text::generalForm(values[h]), 2)) + " ";
    return out;
}

std::string hitColumns(const store::HoleValues& values) {
    std::string out;
    for (int h = 1; h <= kHoles; ++h) out += values[h] == kHit ? " y " : " - ";
    return out;
}

// Each line's label ends in column 40, so the hole columns of all four lines stand together.
std::string listscores(const store::LeagueData& data, const store::RoundRecord& round, PerformanceStats& stats) {
    const store::CourseRecord& course = courseOf(data, round.course);
    const store::DateOrder order = data.settings.dateOrder;
    std::string line = dates::ShortDate(order, round.month, round.day, round.year) +
                       (order == store::DateOrder::kYearMonthDay ? " " : "  ");
    line += course[store::course_field::kInitials];
    padTo(line, 13, 3);
    line += "   " + padded(text::generalForm(round.score[kOutSlot]), 2);
    line += "   " + padded(text::generalForm(round.score[kInSlot]), 2);
    line += "  " + padded(text::generalForm(round.score[kOutSlot] + round.score[kInSlot]), 3);
    line += "    ";
    if (round.handicapIndex < 10.0f && round.handicapIndex > -0.1f) line += ' ';
    line += text::formatPattern(round.handicapIndex, "#0.0");
    padTo(line, 36, 3);
    line += "    " + holeColumns(round.score);
    addScores(stats, round, course);
    return line;
}

std::string listputts(const store::RoundRecord& round, PerformanceStats& stats) {
    addPutts(stats, round);
    return std::string(34, ' ') + "Putts " + holeColumns(round.putts);
}

std::string listFairways(const store::RoundRecord& round, PerformanceStats& stats) {
    addHits(round, round.fairway, stats.fairwaysRecorded, stats.fairwaysHit);
    return std::string(32, ' ') + "Fairway " + hitColumns(round.fairway);
}

std::string listgreens(const store::RoundRecord& round, PerformanceStats& stats) {
    addHits(round, round.green, stats.greensRecorded, stats.greensHit);
    return std::string(26, ' ') + "Green in Reg. " + hitColumns(round.green);
}

void append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

constexpr size_t kPrintedNameWidth = 56;

void printstatheading(platform::Printer& printer, const std::string& date) {
    print::PrintTitleLine(printer, date);
    printer.print("");
    printer.print("");
    printer.print(std::string(5, ' ') + std::string(79, '_'));
    printer.print("");
}

// Pages of the review after the first start with the print font and two blank lines.
void continueReview(platform::Printer& printer, const store::Settings& settings) {
    printer.newPage();
    print::SelectPrintFont(printer, settings);
    printer.setFontName(settings.printFont);
    printer.print(" ");
    printer.print(" ");
}

}  // namespace

PerformanceSummary CalcAverages(const store::LeagueData& data, int player) {
    const store::PlayerRecord& record = data.players[player];
    int n = roundCountOf(record);
    PerformanceStats stats;
    for (int r = n; r >= 1; --r) {
        const store::RoundRecord& round = record.rounds[r];
        addScores(stats, round, courseOf(data, round.course));
        addHits(round, round.fairway, stats.fairwaysRecorded, stats.fairwaysHit);
        addHits(round, round.green, stats.greensRecorded, stats.greensHit);
        addPutts(stats, round);
    }
    PerformanceSummary summary;
    summary.hcp = "Current Hcp. Index = " + handicap::CurrentIndexText(handicap::RulesOf(data), record);
    summary.averagePar = averageParText(stats);
    summary.averageScore = averageScoreText(stats);
    summary.fairways = fairwaysText(stats, "Fairways - no data");
    summary.greens = greensText(stats, "Greens in Regulation - no data");
    summary.putts = puttsText(stats, "Average # of Putts per Hole - no data");
    return summary;
}

// The putts and fairway totals of the nines mark a round with performance data; the green totals
// are not looked at.
StatRounds FindStatRounds(const store::LeagueData& data, int player) {
    const store::PlayerRecord& record = data.players[player];
    StatRounds found;
    for (int r = 1; r <= roundCountOf(record); ++r) {
        if (!record.rounds[r].hasPerformanceData()) continue;
        found.statCourse[r] = record.rounds[r].course;
        found.statsFound = true;
    }
    return found;
}

std::vector<std::string> AddTopHeading() {
    return {"  Date  Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18",
            std::string(103, '_')};
}

std::vector<std::string> ListStatLines(const store::LeagueData& data, int player, int round, PerformanceStats& stats) {
    const store::RoundRecord& record = data.players[player].rounds[round];
    std::vector<std::string> lines;
    lines.push_back(listscores(data, record, stats));
    lines.push_back(listputts(record, stats));
    lines.push_back(listFairways(record, stats));
    lines.push_back(listgreens(record, stats));
    return lines;
}

std::vector<std::string> CalCourseAverages(const store::CourseRecord& course, const PerformanceStats& stats) {
    return {course[store::course_field::kName],
            averageParText(stats),
            averageScoreText(stats),
            fairwaysText(stats, std::string(15, ' ')),
            greensText(stats, std::string(8, ' ')),
            puttsText(stats, std::string(8, ' ')),
            " "};
}

std::vector<std::string> CycleReports(const store::LeagueData& data, int player) {
    StatRounds found = FindStatRounds(data, player);
    if (!found.statsFound) return {kNoStatistics};
    std::vector<std::string> lines;
    // The newest round not yet listed opens a group that takes every round of its course.
    for (int first = roundCountOf(data.players[player]); first >= 1; --first) {
        int16_t group = found.statCourse[first];
        if (group == 0) continue;
        PerformanceStats stats;  // each group keeps its own totals
        append(lines, AddTopHeading());
        for (int r = first; r >= 1; --r) {
            if (found.statCourse[r] != group) continue;
            if (r != first) lines.push_back(" ");
            append(lines, ListStatLines(data, player, r, stats));
            found.statCourse[r] = 0;
        }
        append(lines, CalCourseAverages(courseOf(data, group), stats));
    }
    return lines;
}

void PrintStatSummary(platform::Printer& printer, const store::LeagueData& data, const std::string& name,
                      const PerformanceSummary& summary, const std::string& date) {
    const store::Settings& settings = data.settings;
    print::BeginJob(printer, platform::Orientation::Portrait, data, "Statistics summary");
    printer.setFontName(settings.printFont);
    printstatheading(printer, date);
    printer.setFontSize(12);
    // A 12-point line of a portrait page holds about 60 characters after the margin.
    printer.print("    " + text::ShortenName(name, kPrintedNameWidth));
    printer.print(" ");
    // The index is left off the paper.
    for (const std::string* label :
         {&summary.averageScore, &summary.averagePar, &summary.fairways, &summary.greens, &summary.putts}) {
        printer.print("    " + *label);
        printer.print(" ");
    }
    printer.endDoc();
}

void PrintStatReview(platform::Printer& printer, const store::LeagueData& data, const std::string& name,
                     const std::vector<std::string>& lines) {
    const store::Settings& settings = data.settings;
    print::BeginJob(printer, platform::Orientation::Landscape, data, "Statistics review");
    print::SelectPrintFont(printer, settings);
    printer.setFontName(settings.printFont);
    printer.setFontSize(10);
    // Other reports leave the printer bold; the review always prints plain.
    printer.setBold(false);
    for (const char* heading : {" ", " ", "  Quorval", " "}) printer.print(heading);
    printer.print("  " + text::ShortenName(name, kPrintedNameWidth));
    printer.print(" ");
    for (size_t i = 0; i < lines.size(); ++i) {
        printer.print("     " + lines[i]);
        if (i == 40 || i == 80 || i == 120) continueReview(printer, settings);
    }
    printer.endDoc();
}

}  // namespace quorval::analysis
