#include "results/dayresults.hpp"

#include <algorithm>
#include <cstdio>

#include "dates/dateorder.hpp"
#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "listing/listing.hpp"
#include "print/printfont.hpp"
#include "text/utf8.hpp"

namespace quorval::results {

namespace {

int roundsOf(const store::PlayerRecord& player) {
    return std::clamp<int>(player.roundCount, 0, store::kMaxRounds);
}

int playersOf(const store::LeagueData& data) {
    return std::clamp<int>(data.playerCount, 0, store::kMaxPlayers);
}

bool playedOn(const store::RoundRecord& round, const PlayDate& date) {
    return round.month == date.month && round.day == date.day && round.year == date.year;
}

// Places by net: equal nets share the place of the first of them; the names order them.
void rank(std::vector<Result>& results) {
    std::stable_sort(results.begin(), results.end(), [](const Result& a, const Result& b) {
        if (a.net != b.net) return a.net < b.net;
        return a.name < b.name;
    });
    for (size_t i = 0; i < results.size(); ++i) {
        Result& r = results[i];
        r.place = i > 0 && results[i - 1].net == r.net ? results[i - 1].place : static_cast<int>(i) + 1;
        r.tied = (i > 0 && results[i - 1].net == r.net) || (i + 1 < results.size() && results[i + 1].net == r.net);
    }
}

template <typename Score>
std::vector<std::string> lowest(const std::vector<Result>& results, Score score, int& low) {
    std::vector<std::string> names;
    for (const Result& r : results) {
        if (names.empty() || score(r) < low) {
            names.clear();
            low = score(r);
        }
        if (score(r) == low) names.push_back(r.name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) out += (out.empty() ? "" : ", ") + name;
    return out;
}

std::string number(int value, int width) {
    std::string s = std::to_string(value);
    return s.size() < static_cast<size_t>(width) ? std::string(width - s.size(), ' ') + s : s;
}

// The name column is as wide as the longest name, from 24 up to 50 characters: with the other
// columns that is 82, what a 10-point line holds on Letter and A4. A longer name is shortened.
constexpr size_t kNameWidth = 24;
constexpr size_t kWidestName = 50;
constexpr size_t kLineWidth = 82;

size_t nameWidth(const DayResults& results) {
    size_t width = kNameWidth;
    for (const auto* section : {&results.eighteen, &results.nine})
        for (const Result& r : *section) width = std::max(width, text::CharLength(r.name) + 1);
    return std::min(width, kWidestName);
}

std::string tableHeading(size_t width) {
    return "Place  " + text::PadRight("Name", width) + " Out  In  Gross  Hcp  Net";
}

// A nine not played is "-", as on every other report.
std::string nine(int total, int width) {
    return total == 0 ? text::PadLeft("-", static_cast<size_t>(width)) : number(total, width);
}

std::string tableRule(size_t width) {
    return std::string(text::CharLength(tableHeading(width)), '-');
}

std::string tableLine(const Result& r, size_t width) {
    return text::PadRight(PlaceText(r), 5) + "  " + text::FitColumn(r.name, width) + nine(r.out, 4) + nine(r.in, 4) +
           number(r.gross, 7) + text::PadLeft(r.handicap, 5) + number(r.net, 5);
}

// A line too long for the page goes on in the next, indented, broken after a ", " or a blank.
void wrapInto(std::string line, std::vector<std::string>& out) {
    while (text::CharLength(line) > kLineWidth) {
        const std::string head = text::CharSlice(line, 0, kLineWidth);
        size_t cut = head.rfind(", ");
        cut = cut == std::string::npos || cut < 12 ? head.rfind(' ') : cut + 1;
        if (cut == std::string::npos || cut < 12) cut = head.size();
        out.push_back(line.substr(0, cut));
        const size_t rest = line.find_first_not_of(' ', cut);
        line = "    " + (rest == std::string::npos ? std::string() : line.substr(rest));
    }
    out.push_back(line);
}

}  // namespace

std::string DateText(const PlayDate& date, store::DateOrder order) {
    return dates::ShortDate(order, date.month, date.day, date.year);
}

std::optional<PlayDate> ParseDate(const std::string& text, store::DateOrder order) {
    auto date = dates::ParseDate(order, text);
    if (!date) return std::nullopt;
    return PlayDate{date->month, date->day, date->year};
}

std::vector<PlayDate> DatesPlayed(const store::LeagueData& data) {
    std::vector<std::pair<int, PlayDate>> keyed;
    for (int p = 1; p <= playersOf(data); ++p) {
        for (int r = 1; r <= roundsOf(data.players[p]); ++r) {
            const store::RoundRecord& round = data.players[p].rounds[r];
            keyed.push_back({listing::DateKey(round), {round.month, round.day, round.year}});
        }
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<PlayDate> dates;
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (i == 0 || keyed[i].first != keyed[i - 1].first) dates.push_back(keyed[i].second);
    }
    return dates;
}

std::optional<PlayDate> DateOfKey(const store::LeagueData& data, int key) {
    for (int p = 1; p <= playersOf(data); ++p) {
        for (int r = 1; r <= roundsOf(data.players[p]); ++r) {
            const store::RoundRecord& round = data.players[p].rounds[r];
            if (listing::DateKey(round) == key) return PlayDate{round.month, round.day, round.year};
        }
    }
    return std::nullopt;
}

DayResults ResultsOfDay(const store::LeagueData& data, const PlayDate& date) {
    DayResults day;
    day.date = date;
    for (int p = 1; p <= playersOf(data); ++p) {
        const store::PlayerRecord& player = data.players[p];
        for (int r = 1; r <= roundsOf(player); ++r) {
            const store::RoundRecord& round = player.rounds[r];
            if (!playedOn(round, date)) continue;
            Result result;
            result.player = p;
            result.slot = r;
            result.name = player.name;
            const store::HoleValues& played = round.hasAsPlayed() ? round.asPlayed : round.score;
            result.out = played[store::kOutSlot];
            result.in = played[store::kInSlot];
            result.gross = result.out + result.in;
            result.courseHandicap = static_cast<int>(listing::NetCourseHandicap(data, player, r));
            result.net = result.gross - result.courseHandicap;
            // Without an index before the round the net is the gross, and the handicap is none, not 0.
            const handicap::Rules& rules = handicap::RulesOf(data);
            result.handicap =
                rules.netHandicap(data, player, r) ? rules.handicapText(result.courseHandicap) : handicap::kNoFigure;
            bool nine = handicap::IsNineHoleRound(result.out, result.in);
            (nine ? day.nine : day.eighteen).push_back(result);
            if (round.course >= 1 && round.course <= store::kMaxCourses) {
                const std::string& course = data.courses[round.course][store::course_field::kName];
                if (!course.empty() && std::find(day.courses.begin(), day.courses.end(), course) == day.courses.end())
                    day.courses.push_back(course);
            }
        }
    }
    rank(day.eighteen);
    rank(day.nine);
    const std::vector<Result>& lowFrom = day.eighteen.empty() ? day.nine : day.eighteen;
    day.lowGrossNames = lowest(
        lowFrom, [](const Result& r) { return r.gross; }, day.lowGross);
    day.lowNetNames = lowest(
        lowFrom, [](const Result& r) { return r.net; }, day.lowNet);
    return day;
}

std::string PlaceText(const Result& result) {
    return (result.tied ? "T" : "") + std::to_string(result.place);
}

std::string LowLine(const DayResults& results) {
    if (results.empty()) return {};
    return "Low gross: " + joined(results.lowGrossNames) + " " + std::to_string(results.lowGross) +
           "   Low net: " + joined(results.lowNetNames) + " " + std::to_string(results.lowNet);
}

std::vector<std::string> ResultLines(const DayResults& results) {
    std::vector<std::string> lines;
    if (results.empty()) return lines;
    const std::string low = LowLine(results);
    if (text::CharLength(low) <= kLineWidth) {
        lines.push_back(low);
    } else {
        // Long names: low gross and low net each on a line of its own.
        const size_t net = low.find("   Low net: ");
        wrapInto(low.substr(0, net), lines);
        wrapInto(low.substr(net + 3), lines);
    }
    lines.push_back("");
    const size_t width = nameWidth(results);
    auto table = [&lines, width](const std::vector<Result>& section) {
        lines.push_back(tableHeading(width));
        lines.push_back(tableRule(width));
        for (const Result& r : section) lines.push_back(tableLine(r, width));
    };
    if (!results.eighteen.empty()) table(results.eighteen);
    if (!results.nine.empty()) {
        if (!results.eighteen.empty()) lines.push_back("");
        lines.push_back("Nine-hole rounds");
        table(results.nine);
    }
    return lines;
}

// The lines of the sheet cut into pages; a table that runs on to a new page repeats its heading.
static std::vector<std::vector<std::string>> resultPages(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> pages(1);
    bool inTable = false;
    std::string heading;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (pages.back().size() >= static_cast<size_t>(kResultLinesPerPage)) {
            pages.emplace_back();
            if (inTable && lines[i] != "") {
                pages.back().push_back(heading);
                pages.back().push_back(std::string(text::CharLength(heading), '-'));
            }
        }
        if (lines[i].starts_with("Place  Name ")) {
            inTable = true;
            heading = lines[i];
        }
        if (lines[i].empty()) inTable = false;
        pages.back().push_back(lines[i]);
    }
    return pages;
}

bool PrintResults(platform::Printer& printer, const store::LeagueData& data, const ResultsOptions& options) {
    const DayResults results = ResultsOfDay(data, options.date);
    if (results.empty()) return false;
    const auto pages = resultPages(ResultLines(results));
    std::string courses;
    for (const std::string& course : results.courses) courses += (courses.empty() ? "" : ", ") + course;

    const print::SheetHead head{"Results of " + DateText(results.date, data.settings.dateOrder),
                                {courses.empty() ? " " : "Course: " + courses},
                                true};
    print::PrintSheetPages(printer, data, "Results of the day", head, pages);
    return true;
}

}  // namespace quorval::results
