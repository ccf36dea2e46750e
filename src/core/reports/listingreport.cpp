#include "reports/listingreport.hpp"

#include <algorithm>

#include "league/leagues.hpp"
#include "print/printfont.hpp"
#include "text/asciicase.hpp"
#include "text/utf8.hpp"

namespace quorval::reports {

namespace {

constexpr size_t kNameWidth = 22;
constexpr size_t kNetWidth = 3;
constexpr const char* kListingTitle = "Handicap listing";

std::string repeat(char c, size_t n) {
    return std::string(n, c);
}

// The net score ends the round line: its last word, whatever its width ("--", "72", "125").
std::string netOf(const std::string& line) {
    size_t end = line.find_last_not_of(' ');
    if (end == std::string::npos) return {};
    size_t start = line.find_last_of(' ', end);
    return line.substr(start == std::string::npos ? 0 : start + 1,
                       end - (start == std::string::npos ? 0 : start + 1) + 1);
}

// Where the 18 hole scores of a round line start: column 41, one later for every character an
// index wider than four (-10.0 and below, 100.0 and up) takes. Each score is a three-column cell
// ("  7 ", "10 ", " - "), with four blanks before the first.
constexpr size_t kHolesAt = 41;
constexpr size_t kHoleBlockWidth = 54;

bool isHoleCell(const std::string& line, size_t at) {
    auto digitOrBlank = [](char c) { return c == ' ' || (c >= '0' && c <= '9'); };
    const char a = line[at], b = line[at + 1];
    return line[at + 2] == ' ' && ((digitOrBlank(a) && b >= '0' && b <= '9') || (a == ' ' && b == '-'));
}

size_t holesAt(const std::string& line) {
    for (size_t at = kHolesAt; at <= kHolesAt + 4 && at + kHoleBlockWidth <= line.size(); ++at) {
        if (line.compare(at - 4, 4, "    ") != 0) continue;
        bool cells = true;
        for (size_t h = 0; h < static_cast<size_t>(store::kHoles) && cells; ++h) cells = isHoleCell(line, at + 3 * h);
        if (cells) return at;
    }
    return kHolesAt;
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
    print::BeginJob(printer, platform::Orientation::Landscape, data, kListingTitle);
    startPage(printer, data);
    printer.print(ReportHeading(data, 6, 80, date));
    printer.print("");
    std::string heading;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 1) {
            printer.print("    " + repeat('-', 129));
        } else {
            const listing::Row& row = rows[i];
            const size_t holes = i == 0 ? kHolesAt : holesAt(row.line);
            std::string line = "    " + text::FitColumn(row.name, kNameWidth) +
                               text::CharSlice(row.line, 0, holes + 61) + " " +
                               text::PadLeft(netOf(row.line), kNetWidth);
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
    print::BeginJob(printer, platform::Orientation::Portrait, data, kListingTitle);
    startPage(printer, data);
    printer.print(ReportHeading(data, 8, 45, date));
    printer.print("");
    std::string heading;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i == 1) {
            printer.print(underscores);
        } else {
            const listing::Row& row = rows[i];
            // The hole scores are left out: what stands before them, then what follows.
            const size_t holes = i == 0 ? kHolesAt : holesAt(row.line);
            const std::string before =
                i == 0 ? text::CharSlice(row.line, 0, holes + 1) : text::CharSlice(row.line, 0, holes) + " ";
            std::string line = "     " + text::FitColumn(row.name, kNameWidth) + before +
                               text::CharSlice(row.line, holes + kHoleBlockWidth - 1, 22);
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
    if (text::AsciiLower(name.size() >= 4 ? name.substr(name.size() - 4) : name) != ".txt") name += ".txt";
    return name;
}

}  // namespace quorval::reports
