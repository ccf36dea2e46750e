#include "reports/listingreport.hpp"

#include <algorithm>

#include "league/leagues.hpp"
#include "print/printfont.hpp"
#include "text/utf8.hpp"

namespace quorval::reports {

namespace {

constexpr size_t kNameWidth = 22;

std::string repeat(char c, size_t n) {
    return std::string(n, c);
}

// The last two characters of a round line: the net score.
std::string netOf(const std::string& line) {
    size_t n = text::CharLength(line);
    return text::CharSlice(line, n >= 2 ? n - 2 : 0);
}

// Starts a job or a page: print font, size 9, bold, and four blank lines.
void startPage(platform::Printer& printer, const store::LeagueData& data) {
    print::SelectPrintFont(printer, data.settings);
    printer.setFontName(data.settings.printFont);
    printer.setFontSize(9);
    printer.setBold(true);
    for (int i = 0; i < 4; ++i) printer.print(" ");
}

// The same job's later pages repeat the kept heading and a separator.
void continuePage(platform::Printer& printer, const store::LeagueData& data, const std::string& heading,
                  const std::string& separator) {
    printer.newPage();
    startPage(printer, data);
    printer.print(heading);
    printer.print(separator);
    printer.print(" ");
}

}  // namespace

std::string ReportHeading(const store::LeagueData& data, int lead, int fill, const std::string& date) {
    int gap = std::max(0, fill - static_cast<int>(text::CharLength(data.leagueFileName)));
    return repeat(' ', lead) + league::LeagueName(data) + repeat(' ', gap) + "Quorval   " + date;
}

void printlongreport(platform::Printer& printer, const store::LeagueData& data, const std::vector<listing::Row>& rows,
                     const std::string& date) {
    printer.setOrientation(platform::Orientation::Landscape);
    startPage(printer, data);
    printer.print(ReportHeading(data, 6, 80, date));
    printer.print("");
    std::string heading;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 1) {
            printer.print("    " + repeat('-', 129));
        } else {
            const listing::Row& row = rows[i];
            std::string line = "    " + text::PadRight(row.name, kNameWidth) + text::CharSlice(row.line, 0, 102) + " " +
                               netOf(row.line);
            if (i == 0) {
                line = text::CharSlice(line, 0, 128) + " Net";
                heading = line;
            }
            printer.print(line);
        }
        if (i == 43) continuePage(printer, data, heading, "    " + repeat('-', 129));
        if (i == 86) continuePage(printer, data, heading, "      " + repeat('-', 129));
    }
    printer.endDoc();
}

void printshortreport(platform::Printer& printer, const store::LeagueData& data, const std::vector<listing::Row>& rows,
                      const std::string& date) {
    const std::string underscores = "    " + repeat('_', 85);
    printer.setOrientation(platform::Orientation::Portrait);
    startPage(printer, data);
    printer.print(ReportHeading(data, 8, 45, date));
    printer.print("");
    std::string heading;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 1) {
            printer.print(underscores);
        } else {
            const listing::Row& row = rows[i];
            std::string line = "     " + text::PadRight(row.name, kNameWidth) + text::CharSlice(row.line, 0, 42) +
                               text::CharSlice(row.line, 94, 22);
            if (i == 0) heading = line;
            printer.print(line);
        }
        if (i == 54) continuePage(printer, data, heading, underscores);
    }
    printer.endDoc();
}

std::string shortprintfile(const store::LeagueData& data, const std::vector<listing::Row>& rows,
                           const std::string& date) {
    std::string out = ReportHeading(data, 6, 45, date) + "\r\n \r\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 1) {
            out += "      " + repeat('_', 82);
        } else {
            const listing::Row& row = rows[i];
            out += "       " + text::PadRight(row.name, kNameWidth) + text::CharSlice(row.line, 0, 42) +
                   text::CharSlice(row.line, 94, 16);
        }
        out += "\r\n";
    }
    return out;
}

std::string ExportFileName(const std::string& chosen) {
    if (chosen.empty()) return {};  // the dialog was cancelled
    std::string name = chosen;
    std::string ending = name.size() >= 4 ? name.substr(name.size() - 4) : name;
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::toupper(c); });
    if (ending != ".TXT") name += ".txt";
    return name;
}

}  // namespace quorval::reports
