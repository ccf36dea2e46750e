#include "reports/comparechart.hpp"

#include <algorithm>
#include <cmath>

#include "print/printfont.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::reports {

namespace {

constexpr size_t kNameWidth = 22;
constexpr size_t kScaleWidth = 72;
constexpr int kFirstMarkColumn = 24;  // 1-based column of the star on the scale's first mark
constexpr int kMarkColumns = 45;      // columns from the first mark to the last
constexpr int kLineIndent = 5;        // the printed lines stand this far right of the heading
constexpr size_t kLinesPerPage = 50;

// The heading of every page; the font stays bold from here on.
void printHeading(platform::Printer& printer, const std::string& date, const std::string& marks) {
    print::PrintTitleLine(printer, date);
    printer.print("");
    printer.print("");
    printer.setFontSize(12);
    printer.print(std::string(38, ' ') + "Hcp Index");
    printer.print(" ");
    printer.setFontSize(10);
    printer.print(marks);
    printer.print("");
    printer.print("");
    printer.print(std::string(5, ' ') + std::string(79, '_'));
    printer.print("");
}

int floorTo(int value, int step) {
    return static_cast<int>(std::floor(static_cast<double>(value) / step)) * step;
}

int ceilTo(int value, int step) {
    return static_cast<int>(std::ceil(static_cast<double>(value) / step)) * step;
}

}  // namespace

CompareScale CompareScaleOf(const std::vector<CompareEntry>& order) {
    // Held to what an index can be, so a wild value from a damaged file cannot stretch the scale.
    double lowest = -5, highest = 40;
    for (const CompareEntry& entry : order) {
        if (!std::isfinite(entry.index)) continue;
        lowest = std::min(lowest, std::max<double>(entry.index, -100));
        highest = std::max(highest, std::min<double>(entry.index, 100));
    }
    CompareScale scale;
    for (scale.perColumn = 1;; ++scale.perColumn) {
        const int mark = 5 * scale.perColumn;
        scale.low = floorTo(static_cast<int>(std::floor(lowest)), mark);
        scale.high = ceilTo(static_cast<int>(std::ceil(highest)), mark);
        if ((scale.high - scale.low) / scale.perColumn <= kMarkColumns) return scale;
    }
}

std::string CompareMarks(const CompareScale& scale, const handicap::Rules& rules) {
    std::string line = "      Player";
    for (int value = scale.low, k = 0; value <= scale.high; value += 5 * scale.perColumn, ++k) {
        std::string label = rules.handicapText(value);
        const size_t end = static_cast<size_t>(kLineIndent + kFirstMarkColumn + 5 * k);
        if (line.size() + label.size() < end) line.append(end - line.size() - label.size(), ' ');
        line += label;
    }
    return line;
}

std::vector<CompareEntry> CompareOrder(const store::LeagueData& data) {
    std::vector<CompareEntry> order;
    // A player without an index has nothing to mark.
    const handicap::Rules& rules = handicap::RulesOf(data);
    for (int p = 1; p <= data.playerCount; ++p)
        if (handicap::CurrentIndexText(rules, data.players[p]) != handicap::kNoFigure)
            order.push_back({data.players[p].currentIndex(), p});
    // Sorting pairs keeps each index with its own player whatever its size; the player number
    // breaks ties, so the order never depends on the sort.
    std::sort(order.begin(), order.end(), [](const CompareEntry& a, const CompareEntry& b) {
        return a.index != b.index ? a.index < b.index : a.player < b.player;
    });
    return order;
}

std::string CompareLine(const std::string& name, float index, const handicap::Rules& rules, int slot,
                        const CompareScale& scale) {
    // The name is cut to its field, so the star stands at the index whatever the name's length.
    std::string line = " " + text::FitColumn(name, kNameWidth - 1);
    // Clamped before the conversion, so a wild index from a damaged file cannot overflow it.
    const int last = (scale.high - scale.low) / scale.perColumn + 1;
    double steps = std::floor((static_cast<double>(index) - scale.low) / scale.perColumn + 0.5);
    int star = !(steps >= -1) ? -1 : steps > last ? last : static_cast<int>(steps);
    line.append(static_cast<size_t>(star + kFirstMarkColumn - static_cast<int>(kNameWidth) - 1), ' ');
    line += '*';
    line = text::PadRight(line, kScaleWidth);
    if (index >= 0) line += ' ';
    return line + rules.indexText(index, slot, "0.0");
}

std::vector<std::string> CompareLines(const store::LeagueData& data) {
    std::vector<std::string> lines;
    const std::vector<CompareEntry> order = CompareOrder(data);
    const CompareScale scale = CompareScaleOf(order);
    for (const CompareEntry& entry : order)
        lines.push_back(CompareLine(data.players[entry.player].name, entry.index, handicap::RulesOf(data),
                                    data.players[entry.player].roundCount, scale));
    return lines;
}

void PrintCompareChart(platform::Printer& printer, const store::LeagueData& data, const std::vector<std::string>& lines,
                       const std::string& date) {
    const store::Settings& settings = data.settings;
    print::BeginJob(printer, platform::Orientation::Portrait, data, "League handicaps");
    printer.setFontName(settings.printFont);
    const std::string marks = CompareMarks(CompareScaleOf(CompareOrder(data)), handicap::RulesOf(data));
    printHeading(printer, date, marks);
    for (size_t i = 0; i < lines.size(); ++i) {
        printer.print("     " + lines[i]);
        if (i == kLinesPerPage - 1) {
            printer.newPage();
            print::SelectPrintFont(printer, settings);
            printer.setFontName(settings.printFont);
            printHeading(printer, date, marks);
        }
    }
    printer.endDoc();
}

}  // namespace quorval::reports
