#include "print/printfont.hpp"

#include <cstdio>

#include "league/leagues.hpp"
#include "print/recordingprinter.hpp"

namespace quorval::print {

void BeginJob(platform::Printer& printer, platform::Orientation orientation, const store::LeagueData& data,
              const std::string& report) {
    printer.setJobTitle(league::LeagueName(data), report);
    printer.setScaleMode(platform::ScaleMode::Twips);
    printer.setOrientation(orientation);
    printer.setFontName(FontState{}.name);
    printer.setFontSize(FontState{}.size);
    printer.setBold(false);
    printer.setForeColor(0);
    printer.setDrawWidth(1);
    printer.setDrawStyle(platform::LineStyle::Solid);
    printer.setCurrentX(0);
    printer.setCurrentY(0);
}

void SelectPrintFont(platform::Printer& printer, const store::Settings& settings) {
    for (const std::string& name : printer.fontNames()) {
        if (name == settings.printFont) {
            printer.setFontName(name);
            break;
        }
    }
    printer.print(" ");
}

void RestorePrintFont(platform::Printer& printer, const store::Settings& settings) {
    printer.setFontName(FontState{}.name);
    for (const std::string& name : printer.fontNames()) {
        if (name == settings.printFont) printer.setFontName(name);
    }
}

void PrintTitleLine(platform::Printer& printer, const std::string& date) {
    printer.print("");
    printer.print("");
    printer.setFontSize(18);
    printer.setBold(true);
    printer.printNoEnd(std::string(14, ' ') + "Quorval");
    printer.setFontSize(10);
    printer.print(std::string(10, ' ') + date);
}

std::string PrintDate(int year, int month, int day, store::DateOrder order) {
    char text[24];
    if (order == store::DateOrder::kYearMonthDay) {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year % 10000, month % 100, day % 100);
    } else {
        bool dayFirst = order == store::DateOrder::kDayMonthYear;
        std::snprintf(text, sizeof text, "%02d-%02d-%04d", (dayFirst ? day : month) % 100,
                      (dayFirst ? month : day) % 100, year % 10000);
    }
    return text;
}

void PrintSheetPages(platform::Printer& printer, const store::LeagueData& data, const std::string& job,
                     const SheetHead& head, const std::vector<std::vector<std::string>>& pages) {
    BeginJob(printer, platform::Orientation::Portrait, data, job);
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) printer.newPage();
        SelectPrintFont(printer, data.settings);
        if (head.configuredFont) printer.setFontName(data.settings.printFont);
        printer.setFontSize(14);
        printer.setBold(true);
        printer.print(league::LeagueName(data) + "  -  " + head.title);
        printer.setFontSize(10);
        printer.setBold(false);
        for (const std::string& line : head.under) printer.print(line);
        printer.print(" ");
        for (const std::string& line : pages[page]) printer.print(line);
    }
    printer.endDoc();
}

}  // namespace quorval::print
