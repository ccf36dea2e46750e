#include "play/schedule.hpp"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <set>

#include "dates/dateorder.hpp"
#include "text/csv.hpp"

namespace quorval::play {

namespace {

using store::ScheduledMatch;
using store::ScheduledSide;

// The latest date the schedule file can hold.
constexpr Date kLastDate{std::chrono::year(2084) / std::chrono::December / 31};
constexpr int kMaxWeeks = 520;

std::string sideWord(SideKind kind) {
    return kind == SideKind::Teams ? "team" : "player";
}

// The name and slot of a listed side today. A side keeps its name while a team or player of that
// name exists; a name that has gone is followed to the slot it had when the slot now holds a name
// the schedule does not know (a rename). Anything else has been removed.
class Roster {
public:
    Roster(const Schedule& schedule, const store::LeagueData& data) {
        auto nameAt = [&](int slot) -> std::string {
            if (schedule.kind == SideKind::Teams) {
                return slot >= 1 && slot <= data.teams.teamCount ? data.teams.teamNames[slot] : std::string();
            }
            return slot >= 1 && slot <= data.playerCount ? data.players[slot].name : std::string();
        };
        int count = schedule.kind == SideKind::Teams ? data.teams.teamCount : data.playerCount;
        std::map<std::string, int> today;
        for (int slot = count; slot >= 1; --slot)
            if (!nameAt(slot).empty()) today[nameAt(slot)] = slot;
        std::set<std::string> listed;
        for (const ScheduledSide& side : schedule.sides) listed.insert(side.name);
        for (const ScheduledSide& side : schedule.sides) {
            auto same = today.find(side.name);
            std::string renamed = nameAt(side.slot);
            if (same != today.end()) {
                m_now[side.name] = {side.name, same->second};
            } else if (!renamed.empty() && !listed.count(renamed)) {
                m_now[side.name] = {renamed, side.slot};
            } else {
                m_now[side.name] = {kRemovedSide, 0};
            }
        }
    }
    std::pair<std::string, int> now(const std::string& stored) const {
        auto it = m_now.find(stored);
        return it == m_now.end() ? std::pair<std::string, int>{kRemovedSide, 0} : it->second;
    }
    // The stored name of a side named as it is today or as stored.
    std::optional<std::string> stored(std::string_view name) const {
        for (const auto& [storedName, side] : m_now)
            if (side.first == name && side.second != 0) return storedName;
        if (m_now.count(std::string(name))) return std::string(name);
        return std::nullopt;
    }

private:
    std::map<std::string, std::pair<std::string, int>> m_now;
};

std::pair<size_t, size_t> dateRange(const Schedule& s, Date date) {
    auto first = std::lower_bound(s.matches.begin(), s.matches.end(), date,
                                  [](const ScheduledMatch& m, Date d) { return m.date < d; });
    auto last =
        std::upper_bound(first, s.matches.end(), date, [](Date d, const ScheduledMatch& m) { return d < m.date; });
    return {static_cast<size_t>(first - s.matches.begin()), static_cast<size_t>(last - s.matches.begin())};
}

Outcome failed(std::string message) {
    return {false, std::move(message)};
}

Outcome notScheduled(Date date, store::DateOrder order) {
    return failed(ShortDate(date, order) + " is not a scheduled date.");
}

int playerSlot(const store::LeagueData& data, std::string_view name) {
    for (int p = 1; p <= data.playerCount; ++p)
        if (data.players[p].name == name) return p;
    return 0;
}

}  // namespace

Outcome LeagueSides(const store::LeagueData& data, SideKind kind, std::vector<ScheduledSide>& sides) {
    sides.clear();
    if (kind == SideKind::Teams) {
        for (int t = 1; t <= data.teams.teamCount; ++t) {
            const std::string& name = data.teams.teamNames[t];
            if (name.empty()) continue;
            bool anyone = false;
            for (int p = 1; p <= data.playerCount && !anyone; ++p) anyone = data.players[p].team == t;
            if (!anyone) return failed("The team " + name + " has no players and cannot be scheduled.");
            sides.push_back({t, name});
        }
    } else {
        for (int p = 1; p <= data.playerCount; ++p)
            if (!data.players[p].name.empty()) sides.push_back({p, data.players[p].name});
    }
    std::set<std::string> names;
    for (const ScheduledSide& side : sides) {
        if (side.name.find('\t') != std::string::npos) return failed("The name " + side.name + " holds a TAB.");
        if (!names.insert(side.name).second) {
            return failed("Two " + sideWord(kind) + "s are named " + side.name + "; rename one first.");
        }
    }
    return {};
}

std::vector<std::vector<std::pair<int, int>>> CircleRounds(int n) {
    std::vector<std::vector<std::pair<int, int>>> rounds;
    if (n < 2) return rounds;
    // With an odd count the bye holds the fixed place of the circle, so its partner in each round
    // sits out; the others turn around it.
    int places = n + n % 2;
    std::vector<int> circle;
    if (n % 2) circle.push_back(-1);
    for (int k = 0; k < n; ++k) circle.push_back(k);
    for (int r = 0; r < places - 1; ++r) {
        std::vector<std::pair<int, int>> round;
        std::pair<int, int> bye{-1, -1};
        for (int i = 0; i < places / 2; ++i) {
            int a = circle[static_cast<size_t>(i)], b = circle[static_cast<size_t>(places - 1 - i)];
            // The fixed place alternates home and away by round; the others by their place, which
            // keeps each side's home and away within one of each other over the cycle.
            bool swap = i == 0 ? r % 2 == 1 : i % 2 == 0;
            if (swap) std::swap(a, b);
            if (a == -1)
                bye = {b, -1};
            else if (b == -1)
                bye = {a, -1};
            else
                round.emplace_back(a, b);
        }
        if (bye.first >= 0) round.push_back(bye);
        rounds.push_back(std::move(round));
        std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
    }
    return rounds;
}

std::vector<Date> WeekDates(Date start, int weeks, int every, const std::vector<Date>& skips) {
    std::vector<Date> dates;
    Date d = start;
    while (static_cast<int>(dates.size()) < weeks) {
        if (std::find(skips.begin(), skips.end(), d) == skips.end()) dates.push_back(d);
        d += std::chrono::days(every);
    }
    return dates;
}

Outcome MakeSchedule(const store::LeagueData& data, const MakeRequest& request, Schedule& schedule) {
    if (request.weeks < 1 || request.weeks > kMaxWeeks) {
        return failed("The number of weeks must be from 1 to " + std::to_string(kMaxWeeks) + ".");
    }
    if (request.every < 1 || request.every > 365) return failed("The interval must be from 1 to 365 days.");
    std::vector<ScheduledSide> sides;
    if (Outcome listed = LeagueSides(data, request.kind, sides); !listed.ok) return listed;
    if (sides.size() < 2) {
        return failed("A schedule needs at least 2 " + sideWord(request.kind) + "s; the league has " +
                      std::to_string(sides.size()) + ".");
    }
    std::vector<Date> dates = WeekDates(request.start, request.weeks, request.every, request.skips);
    if (dates.back() > kLastDate) return failed("The season would end after 2084.");
    Schedule made;
    made.kind = request.kind;
    made.every = request.every;
    made.skips = request.skips;
    std::sort(made.skips.begin(), made.skips.end());
    made.skips.erase(std::unique(made.skips.begin(), made.skips.end()), made.skips.end());
    made.tees = request.tees;
    made.sides = sides;
    auto rounds = CircleRounds(static_cast<int>(sides.size()));
    for (int w = 0; w < request.weeks; ++w) {
        const auto& round = rounds[static_cast<size_t>(w) % rounds.size()];
        // Every other cycle plays the same rounds with home and away changed.
        bool swapped = (static_cast<size_t>(w) / rounds.size()) % 2 == 1;
        for (auto [home, away] : round) {
            if (swapped && away >= 0) std::swap(home, away);
            made.matches.push_back({w + 1, dates[static_cast<size_t>(w)], sides[static_cast<size_t>(home)].name,
                                    away >= 0 ? sides[static_cast<size_t>(away)].name : std::string()});
        }
    }
    schedule = std::move(made);
    return {true, std::to_string(request.weeks) + (request.weeks == 1 ? " week" : " weeks") + " scheduled for " +
                      std::to_string(sides.size()) + " " + sideWord(request.kind) + "s, " +
                      ShortDate(dates.front(), data.settings.dateOrder) + " to " +
                      ShortDate(dates.back(), data.settings.dateOrder) + "."};
}

Outcome RainOutDate(Schedule& schedule, Date date, store::DateOrder order) {
    auto [first, last] = dateRange(schedule, date);
    if (first == last) return notScheduled(date, order);
    std::vector<Date> after =
        WeekDates(schedule.matches.back().date + std::chrono::days(schedule.every), 1, schedule.every, schedule.skips);
    Date to = after.front();
    if (to > kLastDate) return failed("No date after 2084 can be scheduled.");
    int week = schedule.matches.back().week + 1;
    std::vector<ScheduledMatch> moved(schedule.matches.begin() + static_cast<std::ptrdiff_t>(first),
                                      schedule.matches.begin() + static_cast<std::ptrdiff_t>(last));
    schedule.matches.erase(schedule.matches.begin() + static_cast<std::ptrdiff_t>(first),
                           schedule.matches.begin() + static_cast<std::ptrdiff_t>(last));
    for (ScheduledMatch& m : moved) {
        m.date = to;
        m.week = week;
        schedule.matches.push_back(m);
    }
    for (store::Substitute& sub : schedule.substitutes)
        if (sub.date == date) sub.date = to;
    schedule.rainOuts.push_back({date, to});
    return {true, "Rained out: the matchups of " + ShortDate(date, order) + " move to week " + std::to_string(week) +
                      ", " + ShortDate(to, order) + "."};
}

Outcome SwapMatchups(Schedule& schedule, Date date, int first, int second, store::DateOrder order) {
    auto [begin, end] = dateRange(schedule, date);
    if (begin == end) return notScheduled(date, order);
    int count = static_cast<int>(end - begin);
    if (first < 0 || second < 0 || first >= count || second >= count) {
        return failed(ShortDate(date, order) + " has " + std::to_string(count) + " matchups.");
    }
    std::swap(schedule.matches[begin + static_cast<size_t>(first)],
              schedule.matches[begin + static_cast<size_t>(second)]);
    return {};
}

Outcome EditMatchup(Schedule& schedule, const store::LeagueData& data, Date date, int place, std::string_view home,
                    std::string_view away) {
    auto [begin, end] = dateRange(schedule, date);
    if (begin == end) return notScheduled(date, data.settings.dateOrder);
    if (place < 0 || place >= static_cast<int>(end - begin)) return failed("There is no such matchup.");
    Roster roster(schedule, data);
    auto storedHome = roster.stored(home);
    if (!storedHome) return failed(std::string(home) + " is not a side of this schedule.");
    std::optional<std::string> storedAway = std::string();
    if (!away.empty()) {
        storedAway = roster.stored(away);
        if (!storedAway) return failed(std::string(away) + " is not a side of this schedule.");
        if (*storedAway == *storedHome) return failed("A side cannot play itself.");
    }
    ScheduledMatch& m = schedule.matches[begin + static_cast<size_t>(place)];
    m.home = *storedHome;
    m.away = *storedAway;
    Outcome outcome;
    for (const std::string& twice : SidesPlayingTwice(schedule, data, date)) {
        outcome.message += (outcome.message.empty() ? "" : "\n") + twice + " now plays twice on " +
                           ShortDate(date, data.settings.dateOrder) + ".";
    }
    return outcome;
}

Outcome AddSubstitute(Schedule& schedule, const store::LeagueData& data, Date date, std::string_view forName,
                      std::string_view byName) {
    std::vector<Matchup> matchups = MatchupsOn(schedule, data, date);
    if (matchups.empty()) return notScheduled(date, data.settings.dateOrder);
    int forSlot = playerSlot(data, forName), bySlot = playerSlot(data, byName);
    if (!forSlot) return failed(std::string(forName) + " is not a player of this league.");
    if (!bySlot) return failed(std::string(byName) + " is not a player of this league.");
    if (forSlot == bySlot) return failed("A player cannot substitute for themselves.");
    bool teams = schedule.kind == SideKind::Teams;
    // The side slot a player plays for: their team, or the player.
    auto sideOf = [&](int p) { return teams ? static_cast<int>(data.players[static_cast<size_t>(p)].team) : p; };
    const Matchup* game = nullptr;
    for (const Matchup& m : matchups) {
        if (m.bye || sideOf(forSlot) == 0) continue;
        if (m.homeSlot == sideOf(forSlot) || m.awaySlot == sideOf(forSlot)) game = &m;
    }
    if (!game)
        return failed(std::string(forName) + " has no match on " + ShortDate(date, data.settings.dateOrder) + ".");
    if (sideOf(bySlot) != 0) {
        if (sideOf(bySlot) == game->homeSlot || sideOf(bySlot) == game->awaySlot) {
            return failed(std::string(byName) + " plays on one of the two sides of that matchup.");
        }
        for (const Matchup& m : matchups) {
            if (!m.bye && (m.homeSlot == sideOf(bySlot) || m.awaySlot == sideOf(bySlot))) {
                return failed(std::string(byName) + (teams ? "'s team" : "") + " plays on " +
                              ShortDate(date, data.settings.dateOrder) + ".");
            }
        }
    }
    for (const store::Substitute& sub : schedule.substitutes) {
        if (sub.date == date && sub.byPlayer == byName && sub.forPlayer != forName) {
            return failed(std::string(byName) + " already plays for " + sub.forPlayer + " on " +
                          ShortDate(date, data.settings.dateOrder) + ".");
        }
    }
    RemoveSubstitute(schedule, date, forName, data.settings.dateOrder);
    schedule.substitutes.push_back({date, std::string(forName), std::string(byName)});
    std::stable_sort(schedule.substitutes.begin(), schedule.substitutes.end(),
                     [](const store::Substitute& a, const store::Substitute& b) { return a.date < b.date; });
    return {true, std::string(byName) + " plays for " + std::string(forName) + " on " +
                      ShortDate(date, data.settings.dateOrder) + "."};
}

Outcome RemoveSubstitute(Schedule& schedule, Date date, std::string_view forName, store::DateOrder order) {
    auto gone = std::remove_if(schedule.substitutes.begin(), schedule.substitutes.end(),
                               [&](const store::Substitute& s) { return s.date == date && s.forPlayer == forName; });
    bool any = gone != schedule.substitutes.end();
    schedule.substitutes.erase(gone, schedule.substitutes.end());
    return any ? Outcome{} : failed(std::string(forName) + " has no substitute on " + ShortDate(date, order) + ".");
}

std::vector<Date> ScheduledDates(const Schedule& schedule) {
    std::vector<Date> dates;
    for (const ScheduledMatch& m : schedule.matches)
        if (dates.empty() || dates.back() != m.date) dates.push_back(m.date);
    return dates;
}

std::vector<Matchup> MatchupsOn(const Schedule& schedule, const store::LeagueData& data, Date date) {
    Roster roster(schedule, data);
    auto [begin, end] = dateRange(schedule, date);
    std::vector<Matchup> out;
    int place = 0;
    for (size_t k = begin; k < end; ++k) {
        const ScheduledMatch& m = schedule.matches[k];
        Matchup shown{m.week, m.date, {}, {}, 0, 0, false, {}};
        std::tie(shown.home, shown.homeSlot) = roster.now(m.home);
        if (!m.away.empty()) std::tie(shown.away, shown.awaySlot) = roster.now(m.away);
        shown.bye = shown.homeSlot == 0 || shown.awaySlot == 0;
        if (!shown.bye) shown.tee = TeeText(schedule.tees, place++);
        out.push_back(std::move(shown));
    }
    return out;
}

std::vector<store::Substitute> SubstitutesOn(const Schedule& schedule, Date date) {
    std::vector<store::Substitute> out;
    for (const store::Substitute& sub : schedule.substitutes)
        if (sub.date == date) out.push_back(sub);
    return out;
}

std::vector<std::string> SidesPlayingTwice(const Schedule& schedule, const store::LeagueData& data, Date date) {
    std::map<std::string, int> games;
    std::vector<std::string> twice;
    for (const Matchup& m : MatchupsOn(schedule, data, date)) {
        // A bye counts too: a side with a bye and a match is listed twice on the date.
        for (const std::string& side : {m.home, m.away})
            if (!side.empty() && side != kRemovedSide && ++games[side] == 2) twice.push_back(side);
    }
    return twice;
}

std::optional<Date> RainedOutTo(const Schedule& schedule, Date date) {
    for (const store::RainOut& rain : schedule.rainOuts)
        if (rain.from == date) return rain.to;
    return std::nullopt;
}

std::vector<ScheduleLine> ScheduleLines(const Schedule& schedule, const store::LeagueData& data) {
    std::vector<ScheduleLine> lines;
    if (schedule.matches.empty() && schedule.rainOuts.empty()) return lines;
    std::vector<Date> dates = ScheduledDates(schedule);
    for (const store::RainOut& rain : schedule.rainOuts) dates.push_back(rain.from);
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    for (Date date : dates) {
        std::vector<Matchup> day = MatchupsOn(schedule, data, date);
        if (auto to = RainedOutTo(schedule, date)) {
            lines.push_back({ShortDate(date, data.settings.dateOrder) + "  rained out: its matchups moved to " +
                                 ShortDate(*to, data.settings.dateOrder),
                             date});
        }
        if (day.empty()) continue;
        lines.push_back(
            {"Week " + std::to_string(day.front().week) + "  " + ShortDate(date, data.settings.dateOrder), date});
        int place = 0;
        for (const Matchup& m : day) {
            std::string tee = m.tee;
            tee.resize(std::max<size_t>(tee.size(), 8), ' ');
            lines.push_back({"  " + tee + m.home + (m.away.empty() ? " has a bye" : " v " + m.away), date, place++});
        }
        for (const store::Substitute& sub : SubstitutesOn(schedule, date)) {
            lines.push_back({"  substitute: " + sub.byPlayer + " plays for " + sub.forPlayer, date});
        }
    }
    return lines;
}

std::string ScheduleCsv(const Schedule& schedule, const store::LeagueData& data) {
    std::string out = "week,date,side_a,side_b,tee\n";
    for (Date date : ScheduledDates(schedule)) {
        std::vector<Matchup> day = MatchupsOn(schedule, data, date);
        std::string byes;
        for (const Matchup& m : day) {
            std::string row = std::to_string(m.week) + "," + ShortDate(date, data.settings.dateOrder) + ",";
            if (!m.bye) {
                out += row + text::CsvField(m.home) + "," + text::CsvField(m.away) + "," + m.tee + "\n";
            } else {
                // A side whose opponent has gone sits out like a side with a bye.
                for (const std::string* side : {&m.home, &m.away})
                    if (!side->empty() && *side != kRemovedSide) byes += row + text::CsvField(*side) + ",BYE,\n";
            }
        }
        out += byes;
    }
    return out;
}

std::string ScheduleSummary(const Schedule& schedule) {
    std::string sides = std::to_string(schedule.sides.size()) + " " + sideWord(schedule.kind) + "s";
    return sides + ", every " + std::to_string(schedule.every) + " days, " + TeePlanText(schedule.tees);
}

std::string TeeText(const TeePlan& tees, int place) {
    char text[16] = "";
    if (tees.start == store::TeeStart::Times) {
        int minute = (tees.firstMinute + tees.gapMinutes * place) % (24 * 60);
        std::snprintf(text, sizeof text, "%02d:%02d", minute / 60, minute % 60);
    } else if (tees.start == store::TeeStart::Shotgun) {
        // More matchups than holes start a second group on each hole.
        std::snprintf(text, sizeof text, "Hole %d%s", place % store::kHoles + 1, place >= store::kHoles ? "B" : "");
    }
    return text;
}

std::string TeePlanText(const TeePlan& tees) {
    if (tees.start == store::TeeStart::Shotgun) return "shotgun start";
    if (tees.start == store::TeeStart::Times) {
        return "first tee " + TeeText(tees, 0) + ", every " + std::to_string(tees.gapMinutes) + " minutes";
    }
    return "no tee times";
}

std::string ShortDate(Date date, store::DateOrder order) {
    std::chrono::year_month_day ymd(date);
    return dates::ShortDate(order, static_cast<int>(static_cast<unsigned>(ymd.month())),
                            static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(ymd.year()) % 100);
}

std::optional<Date> ParseShortDate(std::string_view text, store::DateOrder order) {
    auto date = dates::ParseDate(order, text);
    if (!date) return std::nullopt;
    return Date(std::chrono::year(store::CalendarYear(date->year)) / date->month / date->day);
}

std::optional<int> ParseClock(std::string_view text) {
    size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3) return std::nullopt;
    int hours = 0, minutes = 0;
    auto [e1, c1] = std::from_chars(text.data(), text.data() + colon, hours);
    auto [e2, c2] = std::from_chars(text.data() + colon + 1, text.data() + text.size(), minutes);
    if (c1 != std::errc() || c2 != std::errc() || e1 != text.data() + colon || e2 != text.data() + text.size()) {
        return std::nullopt;
    }
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return std::nullopt;
    return hours * 60 + minutes;
}

}  // namespace quorval::play
