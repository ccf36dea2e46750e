#include "store/schedulefile.hpp"
#include "store/trackedsave.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>

namespace quorval::store {

namespace {

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    size_t start = 0;
    while (true) {
        size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return out;
        start = tab + 1;
    }
}

std::optional<int> wholeNumber(std::string_view s) {
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::optional<Date> fileDate(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return std::nullopt;
    auto y = wholeNumber(s.substr(0, 4)), m = wholeNumber(s.substr(5, 2)), d = wholeNumber(s.substr(8, 2));
    if (!y || !m || !d || *y < 1985 || *y > 2084) return std::nullopt;
    std::chrono::year_month_day ymd{std::chrono::year(*y), std::chrono::month(static_cast<unsigned>(*m)),
                                    std::chrono::day(static_cast<unsigned>(*d))};
    if (!ymd.ok()) return std::nullopt;
    return Date(ymd);
}

struct Reader {
    LineReader& in;
    std::vector<std::string_view> f;

    [[noreturn]] void fail(const std::string& what) const { throw FormatError(in.lineNumber(), what); }
    void expect(size_t count) const {
        if (f.size() != count) fail(std::string(f[0]) + " takes " + std::to_string(count - 1) + " fields");
    }
    Date date(size_t k) const {
        auto d = fileDate(f[k]);
        if (!d) fail("\"" + std::string(f[k]) + "\" is no date of the form 2026-10-06");
        return *d;
    }
    int number(size_t k, int low, int high) const {
        auto n = wholeNumber(f[k]);
        if (!n || *n < low || *n > high) {
            fail("\"" + std::string(f[k]) + "\" is not a whole number " + std::to_string(low) + ".." +
                 std::to_string(high));
        }
        return *n;
    }
    std::string name(size_t k) const {
        if (f[k].empty()) fail(std::string(f[0]) + " has an empty name");
        return std::string(f[k]);
    }
};

void parse(Schedule& s, LineReader& in) {
    std::set<std::string> sideNames;
    std::vector<int> matchLines;
    while (!in.atEnd()) {
        std::string_view line = in.line();
        if (line.empty()) continue;
        Reader r{in, fields(line)};
        std::string_view key = r.f[0];
        if (key == "Sides") {
            r.expect(2);
            if (r.f[1] == "Teams") {
                s.kind = SideKind::Teams;
            } else if (r.f[1] == "Players") {
                s.kind = SideKind::Players;
            } else {
                r.fail("Sides is neither Teams nor Players");
            }
        } else if (key == "Every") {
            r.expect(2);
            s.every = r.number(1, 1, 365);
        } else if (key == "Skip") {
            r.expect(2);
            s.skips.push_back(r.date(1));
        } else if (key == "Tees") {
            if (r.f.size() == 2 && r.f[1] == "Shotgun") {
                s.tees = {TeeStart::Shotgun, 0, 0};
                continue;
            }
            r.expect(3);
            std::string_view time = r.f[1];
            auto hours = time.size() == 5 && time[2] == ':' ? wholeNumber(time.substr(0, 2)) : std::nullopt;
            auto minutes = hours ? wholeNumber(time.substr(3, 2)) : std::nullopt;
            if (!hours || !minutes || *hours > 23 || *minutes > 59) r.fail("\"" + std::string(time) + "\" is no HH:MM");
            s.tees = {TeeStart::Times, *hours * 60 + *minutes, r.number(2, 0, 240)};
        } else if (key == "Side") {
            r.expect(3);
            ScheduledSide side{r.number(1, 1, kMaxPlayers > kMaxTeams ? kMaxPlayers : kMaxTeams), r.name(2)};
            if (!sideNames.insert(side.name).second) r.fail("the side \"" + side.name + "\" is listed twice");
            s.sides.push_back(std::move(side));
        } else if (key == "Match") {
            r.expect(5);
            ScheduledMatch m{r.number(1, 1, 9999), r.date(2), r.name(3), std::string(r.f[4])};
            if (m.home == m.away) r.fail("\"" + m.home + "\" plays itself");
            if (!s.matches.empty()) {
                const ScheduledMatch& last = s.matches.back();
                if (m.date < last.date) r.fail("the matchups are not in date order");
                if (m.date == last.date && m.week != last.week) r.fail("one date has two week numbers");
                if (m.date != last.date && m.week <= last.week) r.fail("the week numbers do not rise");
            }
            s.matches.push_back(std::move(m));
            matchLines.push_back(in.lineNumber());
        } else if (key == "Rainout") {
            r.expect(3);
            RainOut rain{r.date(1), r.date(2)};
            if (rain.to <= rain.from) r.fail("a rain-out must move its matchups to a later date");
            s.rainOuts.push_back(rain);
        } else if (key == "Sub") {
            r.expect(4);
            Substitute sub{r.date(1), r.name(2), r.name(3)};
            if (sub.forPlayer == sub.byPlayer) r.fail("\"" + sub.byPlayer + "\" substitutes for themselves");
            s.substitutes.push_back(std::move(sub));
        } else {
            r.fail("\"" + std::string(key) + "\" is not a schedule line");
        }
    }
    for (size_t k = 0; k < s.matches.size(); ++k) {
        const ScheduledMatch& m = s.matches[k];
        for (const std::string* name : {&m.home, &m.away}) {
            if (!name->empty() && !sideNames.count(*name)) {
                throw FormatError(matchLines[k], "the side \"" + *name + "\" is not listed");
            }
        }
    }
}

}  // namespace

std::string FileDate(Date date) {
    std::chrono::year_month_day ymd(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()));
    return text;
}

std::string ScheduleFileName(const std::string& leagueFileName) {
    std::string base = leagueFileName.size() >= 4 ? leagueFileName.substr(0, leagueFileName.size() - 4) : "";
    return base + ".sch";
}

LoadResult ParseSchedule(Schedule& schedule, std::string_view text) {
    Schedule read;
    LoadResult result = parseText(text, [&](LineReader& in) { parse(read, in); });
    schedule = result.ok ? std::move(read) : Schedule{};
    return result;
}

std::string FormatSchedule(const Schedule& s) {
    std::string out;
    auto line = [&](std::initializer_list<std::string_view> parts) {
        std::string text;
        for (std::string_view part : parts) {
            if (!text.empty()) text += '\t';
            text += part;
        }
        appendLine(out, text);
    };
    line({"Sides", s.kind == SideKind::Teams ? "Teams" : "Players"});
    line({"Every", std::to_string(s.every)});
    for (Date skip : s.skips) line({"Skip", FileDate(skip)});
    if (s.tees.start == TeeStart::Shotgun) line({"Tees", "Shotgun"});
    if (s.tees.start == TeeStart::Times) {
        char time[8];
        std::snprintf(time, sizeof time, "%02d:%02d", s.tees.firstMinute / 60 % 24, s.tees.firstMinute % 60);
        line({"Tees", time, std::to_string(s.tees.gapMinutes)});
    }
    for (const ScheduledSide& side : s.sides) line({"Side", std::to_string(side.slot), side.name});
    for (const ScheduledMatch& m : s.matches) {
        std::string away = m.away;
        // A last empty field is kept by the TAB before it.
        out += "Match\t" + std::to_string(m.week) + '\t' + FileDate(m.date) + '\t' + m.home + '\t' + away;
        endLine(out);
    }
    for (const RainOut& rain : s.rainOuts) line({"Rainout", FileDate(rain.from), FileDate(rain.to)});
    for (const Substitute& sub : s.substitutes) line({"Sub", FileDate(sub.date), sub.forPlayer, sub.byPlayer});
    return out;
}

bool HasScheduleFile(const LeagueData& data) {
    std::error_code ec;
    return std::filesystem::exists(findDataFile(ScheduleFileName(data.leagueFileName)), ec);
}

LoadResult LoadScheduleFile(const LeagueData& data, Schedule& schedule, platform::Dialogs& dialogs) {
    schedule = Schedule{};
    if (!HasScheduleFile(data)) return {};
    std::string name = ScheduleFileName(data.leagueFileName);
    Schedule read;
    LoadResult result = loadDataFile(name, [&](LineReader& in) { parse(read, in); });
    if (result.ok) {
        schedule = std::move(read);
    } else {
        std::string text = platform::joinLines({"Unable to read the season schedule in " + name + ":", result.problem});
        dialogs.message({withCopyNote(text, result), "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
    }
    return result;
}

bool SaveScheduleFile(const LeagueData& data, const Schedule& schedule, platform::Dialogs& dialogs) {
    std::string name = ScheduleFileName(data.leagueFileName);
    // Only the schedule window and the schedule command write it, each from the schedule it just read.
    TrackedSave save{findDataFile(name)};
    save.content = FormatSchedule(schedule);
    save.failure = {"Unable to save the season schedule to " + name, "Quorval", platform::Icon::Exclamation, false};
    return SaveTracked(save, dialogs);
}

}  // namespace quorval::store
