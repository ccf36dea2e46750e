#pragma once

#include <string>
#include <vector>
#include "platform/printer.hpp"
#include "platform/seams.hpp"

#include "store/leaguedata.hpp"

namespace quorval::print {

// Starts every print job from the same printer state, whatever the job before left behind: its
// own orientation, the plain 10-point font, twips, black thin solid lines, and its title.
void BeginJob(platform::Printer& printer, platform::Orientation orientation, const store::LeagueData& data,
              const std::string& report);

// Starts a print job or a new page: the configured print font when the printer has it, then a
// line holding one space.
void SelectPrintFont(platform::Printer& printer, const store::Settings& settings);

// The print font again after a chart has drawn its own labels, without the blank line.
void RestorePrintFont(platform::Printer& printer, const store::Settings& settings);

// The title of the chart and statistics reports: two empty lines, then "Quorval" large and bold
// with the date beside it in 10 points.
void PrintTitleLine(platform::Printer& printer, const std::string& date);

// Today as the reports print it, in the user's order: "12-06-2026", "06-12-2026" or "2026-12-06".
std::string PrintDate(int year, int month, int day, store::DateOrder order);
inline std::string PrintDate(const platform::Date& date, store::DateOrder order) {
    return PrintDate(date.year, date.month, date.day, order);
}

// What heads every page of a sheet: "LEAGUE  -  TITLE" in 14 pt bold, then the lines UNDER it and a
// blank line in 10 pt.
struct SheetHead {
    std::string title;
    std::vector<std::string> under;
    // The settings' print font is asked for even where the printer does not list it.
    bool configuredFont = false;
};

// A text sheet already cut into pages, in portrait, as the print job JOB: each page headed by HEAD,
// then its lines in 10 pt; the page numbers go in the footer.
void PrintSheetPages(platform::Printer& printer, const store::LeagueData& data, const std::string& job,
                     const SheetHead& head, const std::vector<std::vector<std::string>>& pages);
// The same for a sheet whose pages are headed by the job's title alone.
inline void PrintSheetPages(platform::Printer& printer, const store::LeagueData& data, const std::string& title,
                            const std::vector<std::vector<std::string>>& pages) {
    PrintSheetPages(printer, data, title, SheetHead{title, {}}, pages);
}

}  // namespace quorval::print
