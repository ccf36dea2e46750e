#include "reports/comparechart.hpp"

#include <algorithm>

#include "print/printfont.hpp"
#include "text/numbers.hpp"
#include "text/utf8.hpp"

namespace quorval::reports {

namespace {

constexpr size_t kNameWidth = 22;
constexpr size_t kScaleWidth = 72;
constexpr int kLowestStar = -6;  // one column left of the -5 mark
constexpr int kHighestStar = 41;
constexpr int kZeroColumn = 29;  // 1-based column of the star for index 0
constexpr size_t kLinesPerPage = 50;

// The heading of every page; the font stays bold from here on.
void printHeading(platform::Printer& printer, const std::string& date) {
    print::PrintTitleLine(printer, date);
    printer.print("");
    printer.print("");
    printer.setFontSize(12);
    printer.print(std::string(38, ' ') + "Hcp Index");
    printer.print(" ");
    printer.setFontSize(10);
    printer.print("      Player                -5    0    5   10   15   20   25   30   35   40");
    printer.print("");
    printer.print("");
    printer.print(std::string(5, ' ') + std::string(79, '_'));
    printer.print("");
}

}  // namespace

std::vector<CompareEntry> CompareOrder(const store::LeagueData& data) {
    std::vector<CompareEntry> order;
    // A player without rounds has no index to mark.
    for (int p = 1; p <= data.playerCount; ++p)
        if (data.players[p].roundCount > 0) order.push_back({data.players[p].currentIndex(), p});
    // Sorting pairs keeps each index with its own player whatever its size; the player number
    // breaks ties, so the order never depends on the sort.
    std::sort(order.begin(), order.end(), [](const CompareEntry& a, const CompareEntry& b) {
        return a.index != b.index ? a.index < b.index : a.player < b.player;
    });
    return order;
}

std::string CompareLine(const std::string& name, float index, const handicap::Rules& rules, int slot) {
    // The name is cut to its field, so the star stands at the index whatever the name's length.
    std::string line = " " + text::FitColumn(name, kNameWidth - 1);
    // Clamped before the conversion, so a wild index from a damaged file cannot overflow it.
    float rounded = text::Int(index + 0.5f);
    int star = !(rounded >= kLowestStar) ? kLowestStar
               : rounded > kHighestStar  ? kHighestStar
                                         : static_cast<int>(rounded);
    line.append(static_cast<size_t>(star + kZeroColumn - static_cast<int>(kNameWidth) - 1), ' ');
    line += '*';
    line = text::PadRight(line, kScaleWidth);
    if (index >= 0) line += ' ';
    return line + rules.indexText(index, slot, "0.0");
}

std::vector<std::string> CompareLines(const store::LeagueData& data) {
    std::vector<std::string> lines;
    for (const CompareEntry& entry : CompareOrder(data))
        lines.push_back(CompareLine(data.players[entry.player].name, entry.index, handicap::RulesOf(data),
                                    data.players[entry.player].roundCount));
    return lines;
}

void PrintCompareChart(platform::Printer& printer, const store::LeagueData& data, const std::vector<std::string>& lines,
                       const std::string& date) {
    const store::Settings& settings = data.settings;
    print::BeginJob(printer, platform::Orientation::Portrait, data, "League handicaps");
    printer.setFontName(settings.printFont);
    printHeading(printer, date);
    for (size_t i = 0; i < lines.size(); ++i) {
        printer.print("     " + lines[i]);
        if (i == kLinesPerPage - 1) {
            printer.newPage();
            print::SelectPrintFont(printer, settings);
            printer.setFontName(settings.printFont);
            printHeading(printer, date);
        }
    }
    printer.endDoc();
}

}  // namespace quorval::reports
