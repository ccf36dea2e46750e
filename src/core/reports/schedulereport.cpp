#include "reports/schedulereport.hpp"

#include <algorithm>

#include "play/schedule.hpp"
#include "print/printfont.hpp"
#include "reports/listingreport.hpp"
#include "text/utf8.hpp"

namespace quorval::reports {

namespace {

constexpr size_t kNameWidth = 18;
constexpr size_t kColumnWidth = 48;

// The season as blocks of lines: a date's heading with its matchups, byes and substitutes, or a
// rain-out notice.
std::vector<std::vector<std::string>> blocks(const store::LeagueData& data, const store::Schedule& schedule) {
    std::vector<std::vector<std::string>> out;
    std::vector<play::Date> dates = play::ScheduledDates(schedule);
    for (const store::RainOut& rain : schedule.rainOuts) dates.push_back(rain.from);
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    for (play::Date date : dates) {
        if (auto to = play::RainedOutTo(schedule, date)) {
            out.push_back({play::ShortDate(date, data.settings.dateOrder) + " rained out, moved to " +
                               play::ShortDate(*to, data.settings.dateOrder),
                           ""});
        }
        std::vector<play::Matchup> day = play::MatchupsOn(schedule, data, date);
        if (day.empty()) continue;
        std::vector<std::string> block{"Week " + std::to_string(day.front().week) + "   " +
                                       play::ShortDate(date, data.settings.dateOrder)};
        for (const play::Matchup& m : day) {
            std::string line = "  " + text::PadRight(m.tee, 8) + text::FitColumn(m.home, kNameWidth);
            line += m.away.empty() ? std::string("  bye") : " v " + text::FitColumn(m.away, kNameWidth);
            block.push_back(line);
        }
        for (const store::Substitute& sub : play::SubstitutesOn(schedule, date)) {
            block.push_back(text::FitColumn("  sub " + sub.byPlayer + " for " + sub.forPlayer, kColumnWidth));
        }
        block.push_back("");
        out.push_back(std::move(block));
    }
    return out;
}

void heading(platform::Printer& printer, const store::LeagueData& data, const store::Schedule& schedule,
             const std::string& date) {
    print::SelectPrintFont(printer, data.settings);
    printer.setFontSize(9);
    printer.setBold(true);
    printer.print(ReportHeading(data, 0, 45, date));
    printer.setBold(false);
    printer.print("Season schedule: " + play::ScheduleSummary(schedule));
    printer.print("");
}

}  // namespace

void PrintSchedule(platform::Printer& printer, const store::LeagueData& data, const store::Schedule& schedule,
                   const std::string& date) {
    print::BeginJob(printer, platform::Orientation::Portrait, data, "Season schedule");
    heading(printer, data, schedule, date);
    double top = printer.currentY();
    printer.print("");
    double lineHeight = printer.currentY() - top;
    // Room for the footer the printer adds below the last line.
    double bottom = printer.scaleHeight() - 2 * lineHeight;
    double columnX[2] = {0, printer.scaleWidth() / 2};
    int column = 0;
    double y = top;
    auto nextColumn = [&] {
        if (++column == 2) {
            printer.newPage();
            heading(printer, data, schedule, date);
            column = 0;
        }
        y = top;
    };
    for (const std::vector<std::string>& block : blocks(data, schedule)) {
        // A week that fits a column is kept in one; a longer one runs on.
        double height = static_cast<double>(block.size() - 1) * lineHeight;
        if (y > top && y + height > bottom) nextColumn();
        for (const std::string& line : block) {
            if (line.empty() && y == top) continue;
            if (y + lineHeight > bottom) nextColumn();
            printer.setCurrentX(columnX[column]);
            printer.setCurrentY(y);
            printer.print(line);
            y += lineHeight;
        }
    }
    printer.endDoc();
}

}  // namespace quorval::reports
