#include "publish/site.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <system_error>

#include "dates/dateorder.hpp"
#include "handicap/rules.hpp"
#include "league/leagues.hpp"
#include "listing/listing.hpp"
#include "play/leaguematches.hpp"
#include "play/matchreport.hpp"
#include "play/schedule.hpp"
#include "publish/playerindex.hpp"
#include "publish/sidegamepages.hpp"
#include "publish/sitewrite.hpp"
#include "results/dayresults.hpp"
#include "store/datafile.hpp"
#include "store/leagueoptions.hpp"
#include "teams/teampoints.hpp"
#include "text/html.hpp"
#include "text/numbers.hpp"

namespace quorval::publish {

namespace {

using results::PlayDate;

constexpr const char* kMark = "Written by Quorval";

int roundsOf(const store::PlayerRecord& player) {
    return std::clamp<int>(player.roundCount, 0, store::kMaxRounds);
}

int playersOf(const store::LeagueData& data) {
    return std::clamp<int>(data.playerCount, 0, store::kMaxPlayers);
}

std::string playerPage(int player) {
    return "player-" + std::to_string(player) + ".html";
}

std::string datePage(const PlayDate& date) {
    return "day-" + dates::IsoDate(date.month, date.day, date.year) + ".html";
}

PlayDate dateOf(const store::RoundRecord& round) {
    return {round.month, round.day, round.year};
}

// An index as the league's rules show it (a plus index as "+1.2" where the rules say so).
std::string indexText(const store::LeagueData& data, float index, int slot) {
    return handicap::RulesOf(data).indexText(index, slot, "#0.0");
}

// A course handicap with the sign the league's rules give a plus handicap.
std::string handicapText(const store::LeagueData& data, double strokes) {
    return handicap::RulesOf(data).handicapText(strokes);
}

// A nine total; a nine not played is "-", as on paper.
std::string nineText(int total) {
    return total == 0 ? "-" : std::to_string(total);
}

std::string courseName(const store::LeagueData& data, const store::RoundRecord& round) {
    if (round.course < 1 || round.course > store::kMaxCourses) return {};
    return data.courses[round.course][store::course_field::kName];
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) out += (out.empty() ? "" : ", ") + name;
    return out;
}

std::string link(const std::string& href, const std::string& text) {
    return "<a href=\"" + href + "\">" + HtmlEscape(text) + "</a>";
}

std::string cell(const std::string& html, const char* cls = nullptr) {
    return cls ? "<td class=\"" + std::string(cls) + "\">" + html + "</td>" : "<td>" + html + "</td>";
}

std::string table(const std::string& head, const std::string& rows) {
    return "<div class=\"scroll\"><table>\n" + head + rows + "</table></div>\n";
}

// The newest date with a round, as the pages say how recent they are.
std::string dataDate(const store::LeagueData& data, const std::vector<PlayDate>& dates) {
    return dates.empty() ? "no rounds yet" : "scores up to " + results::DateText(dates.back(), data.settings.dateOrder);
}

std::string page(const store::LeagueData& data, const std::string& title, const std::string& body,
                 const std::string& footer) {
    std::string league = HtmlEscape(league::LeagueName(data));
    return "<!DOCTYPE html>\n<!-- " + std::string(kMark) +
           ": publishing the league again replaces this file. -->\n"
           "<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>" +
           HtmlEscape(title) + " - " + league +
           "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n"
           "<header><a href=\"index.html\">" +
           league + "</a></header>\n<main>\n" + body + "</main>\n<footer>" + HtmlEscape(footer) +
           // A reader elsewhere would take 03/04/26 the way their own country writes it.
           "<br><small>Dates are " + dates::OrderWords(data.settings.dateOrder) +
           ".</small></footer>\n</body>\n</html>\n";
}

std::string styleSheet() {
    return "/* " + std::string(kMark) +
           ": publishing the league again replaces this file. */\n"
           "body { margin: 0; font-family: system-ui, -apple-system, \"Segoe UI\", Roboto, sans-serif;\n"
           "       color: #1b1b1b; background: #f5f6f2; line-height: 1.4; }\n"
           "header { background: #1f5130; padding: .7rem 1rem; }\n"
           "header a { color: #fff; font-weight: 600; text-decoration: none; font-size: 1.1rem; }\n"
           "main { max-width: 60rem; margin: 0 auto; padding: .25rem .75rem 2rem; }\n"
           "h1 { font-size: 1.4rem; margin: .9rem 0 .3rem; }\n"
           "h2 { font-size: 1.1rem; margin: 1.5rem 0 .5rem; }\n"
           "p { margin: .3rem 0; }\n"
           "a { color: #1f5130; }\n"
           ".scroll { overflow-x: auto; }\n"
           "table { border-collapse: collapse; width: 100%; background: #fff; }\n"
           "th, td { padding: .4rem .5rem; border-bottom: 1px solid #dde3da;\n"
           "         text-align: right; white-space: nowrap; }\n"
           "th { background: #e6eee3; font-weight: 600; }\n"
           ".name { text-align: left; white-space: normal; overflow-wrap: anywhere; }\n"
           "td.name a, nav.letters a, ul.dates a { display: inline-flex; align-items: center;\n"
           "           min-height: 44px; min-width: 44px; box-sizing: border-box; }\n"
           "nav.letters { display: flex; flex-wrap: wrap; gap: .2rem; margin: .4rem 0 .6rem; }\n"
           "nav.letters a { justify-content: center; background: #fff; border: 1px solid #c9d3c5;\n"
           "                border-radius: 4px; text-decoration: none; font-weight: 600; }\n"
           ".wrap { white-space: normal; }\n"
           ".low { background: #fff; border-left: 4px solid #1f5130; padding: .5rem .75rem; margin: .6rem 0; }\n"
           ".down { color: #1d7a36; }\n"
           ".up { color: #b3261e; }\n"
           ".muted { color: #5d6b5f; }\n"
           "nav.steps { display: flex; justify-content: space-between; margin: .8rem 0; }\n"
           "ul.dates { list-style: none; padding: 0; display: flex; flex-wrap: wrap; gap: .4rem; }\n"
           "ul.dates a { padding: .3rem .55rem; background: #fff; border: 1px solid #c9d3c5;\n"
           "             border-radius: 4px; text-decoration: none; }\n"
           "svg { display: block; width: 100%; max-width: 34rem; height: auto; background: #fff;\n"
           "      border: 1px solid #dde3da; }\n"
           "svg text { font-size: 14px; fill: #5d6b5f; }\n"
           "footer { max-width: 60rem; margin: 0 auto; padding: 1rem .75rem 2rem;\n"
           "         color: #5d6b5f; font-size: .85rem; }\n"
           "@media (max-width: 520px) {\n"
           "  table { font-size: .88rem; }\n"
           "  th, td { padding: .4rem .25rem; }\n"
           "  .wide { display: none; }\n"
           "}\n"
           "@media (min-width: 700px) { body { font-size: 1.05rem; } h1 { font-size: 1.7rem; } }\n";
}

// The arrow beside a player's index: down is better.
std::string trend(const store::PlayerRecord& player) {
    const int n = roundsOf(player);
    if (n < 2) return "";
    const float now = player.rounds[n].handicapIndex;
    const float before = player.rounds[n - 1].handicapIndex;
    if (now < before) return "<span class=\"down\" title=\"index down\">&#8595;</span>";
    if (now > before) return "<span class=\"up\" title=\"index up\">&#8593;</span>";
    return "<span class=\"muted\" title=\"index unchanged\">&#8594;</span>";
}

// The season schedule: a page for the season and one per scheduled date, its matchups in tee order.
std::string weekPage(store::Date date) {
    return "week-" + store::FileDate(date) + ".html";
}

std::string matchupTable(const std::vector<play::Matchup>& day) {
    std::string rows;
    for (const play::Matchup& m : day) {
        rows += "<tr>" + cell(HtmlEscape(m.tee)) + cell(HtmlEscape(m.home), "name") +
                cell(m.away.empty() ? "<span class=\"muted\">bye</span>" : HtmlEscape(m.away), "name") + "</tr>\n";
    }
    return table("<tr><th>Tee</th><th class=\"name\">Home</th><th class=\"name\">Away</th></tr>\n", rows);
}

std::string weekHeading(const store::LeagueData& data, const std::vector<play::Matchup>& day) {
    return "Week " + std::to_string(day.front().week) + ", " +
           play::ShortDate(day.front().date, data.settings.dateOrder);
}

std::string schedulePage(const store::LeagueData& data, const store::Schedule& schedule,
                         const std::vector<PlayDate>& dates) {
    std::string body =
        "<h1>Season schedule</h1>\n<p class=\"muted\">" + HtmlEscape(play::ScheduleSummary(schedule)) + "</p>\n";
    for (const store::RainOut& rain : schedule.rainOuts) {
        body += "<p>" + play::ShortDate(rain.from, data.settings.dateOrder) +
                " was rained out; its matchups moved to " +
                link(weekPage(rain.to), play::ShortDate(rain.to, data.settings.dateOrder)) + ".</p>\n";
    }
    for (store::Date date : play::ScheduledDates(schedule)) {
        std::vector<play::Matchup> day = play::MatchupsOn(schedule, data, date);
        body += "<h2>" + link(weekPage(date), weekHeading(data, day)) + "</h2>\n" + matchupTable(day);
    }
    return page(data, "Season schedule", body, dataDate(data, dates));
}

// The matches of a scheduled date with their points, once any pairing has been played.
std::string matchesSection(const store::LeagueData& data, const store::Schedule& schedule, store::Date date) {
    std::vector<play::SideMatch> matches;
    play::MatchesOn(schedule, data, date, matches);
    std::string body;
    for (const play::SideMatch& m : matches) {
        bool played = false;
        std::string rows;
        for (const play::Pairing& p : m.pairings) {
            played = played || p.scored || p.forfeit;
            auto who = [&](const play::MatchPlayer& x, int handicap) {
                return HtmlEscape(play::PlayerText(data, x)) + (p.scored ? " (" + std::to_string(handicap) + ")" : "");
            };
            std::string result = p.forfeit            ? "forfeit"
                                 : !p.refusal.empty() ? "not scored"
                                 : p.scored ? std::to_string(p.match.wonA) + "-" + std::to_string(p.match.wonB) + ", " +
                                                  std::to_string(p.match.halved) + " halved"
                                            : "";
            rows += "<tr>" + cell(who(p.a, p.handicapA), "name") + cell(who(p.b, p.handicapB), "name") +
                    cell(HtmlEscape(result), "wrap") +
                    cell(store::PointsText(p.pointsA) + "-" + store::PointsText(p.pointsB)) + "</tr>\n";
        }
        if (!played) continue;
        body += "<h3>" + HtmlEscape(play::MatchHeading(m)) + "</h3>\n" +
                table("<tr><th class=\"name\">" + HtmlEscape(m.sideA) + "</th><th class=\"name\">" +
                          HtmlEscape(m.sideB) + "</th><th>Holes</th><th>Points</th></tr>\n",
                      rows);
    }
    return body.empty() ? body : "<h2>Matches</h2>\n" + body;
}

std::string standingsPage(const store::LeagueData& data, const store::Schedule& schedule,
                          const std::vector<PlayDate>& dates) {
    std::string rows;
    for (const play::Standing& st : play::SeasonStandings(schedule, data, std::nullopt, std::nullopt)) {
        rows += "<tr>" + cell(std::to_string(st.place)) + cell(HtmlEscape(st.side), "name") +
                cell(std::to_string(st.played)) + cell(std::to_string(st.won)) + cell(std::to_string(st.halved)) +
                cell(std::to_string(st.lost)) + cell(store::PointsText(st.points)) + "</tr>\n";
    }
    std::string body = "<h1>Standings</h1>\n" +
                       table(
                           "<tr><th>Pl</th><th class=\"name\">Side</th><th>P</th><th>W</th><th>H</th><th>L</th>"
                           "<th>Pts</th></tr>\n",
                           rows);
    return page(data, "Standings", body, dataDate(data, dates));
}

std::string scheduleDatePage(const store::LeagueData& data, const store::Schedule& schedule,
                             const std::vector<store::Date>& scheduled, size_t i, const std::vector<PlayDate>& dates) {
    std::vector<play::Matchup> day = play::MatchupsOn(schedule, data, scheduled[i]);
    std::string body = "<h1>" + HtmlEscape(weekHeading(data, day)) + "</h1>\n<p class=\"muted\">" +
                       HtmlEscape(play::TeePlanText(schedule.tees)) + "</p>\n" + matchupTable(day);
    body += matchesSection(data, schedule, scheduled[i]);
    std::vector<store::Substitute> subs = play::SubstitutesOn(schedule, scheduled[i]);
    if (!subs.empty()) {
        body += "<h2>Substitutes</h2>\n<ul>\n";
        for (const store::Substitute& sub : subs)
            body += "<li>" + HtmlEscape(sub.byPlayer) + " plays for " + HtmlEscape(sub.forPlayer) + "</li>\n";
        body += "</ul>\n";
    }
    std::chrono::year_month_day ymd(scheduled[i]);
    PlayDate played{static_cast<int>(static_cast<unsigned>(ymd.month())),
                    static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(ymd.year()) % 100};
    if (std::find(dates.begin(), dates.end(), played) != dates.end()) {
        body += "<p>" + link(datePage(played), "Results of " + results::DateText(played, data.settings.dateOrder)) +
                "</p>\n";
    }
    body += "<nav class=\"steps\"><span>";
    if (i > 0)
        body +=
            link(weekPage(scheduled[i - 1]), "\u2190 " + play::ShortDate(scheduled[i - 1], data.settings.dateOrder));
    body += "</span><span>" + link("schedule.html", "Season") + "</span><span>";
    if (i + 1 < scheduled.size())
        body +=
            link(weekPage(scheduled[i + 1]), play::ShortDate(scheduled[i + 1], data.settings.dateOrder) + " \u2192");
    body += "</span></nav>\n";
    return page(data, weekHeading(data, day), body, dataDate(data, dates));
}

std::string indexPage(const store::LeagueData& data, const std::vector<PlayDate>& dates, bool scheduled) {
    std::string body = "<h1>" + HtmlEscape(league::LeagueName(data)) + "</h1>\n<p class=\"muted\">" +
                       HtmlEscape(dataDate(data, dates)) + "</p>\n";
    // The dates first: on a phone the table of a large league is many screens long.
    if (!dates.empty()) {
        body += "<h2>Results by date</h2>\n<ul class=\"dates\">\n";
        for (auto d = dates.rbegin(); d != dates.rend(); ++d)
            body += "<li>" + link(datePage(*d), results::DateText(*d, data.settings.dateOrder)) + "</li>\n";
        body += "</ul>\n";
    }
    body += "<h2>Handicap indexes</h2>\n";
    const std::vector<LetterGroup> groups = PlayersByLetter(data);
    std::string letters, rows;
    for (size_t g = 0; g < groups.size(); ++g) {
        const std::string anchor = "letter-" + std::to_string(g + 1);
        letters += "<a href=\"#" + anchor + "\">" + HtmlEscape(groups[g].letter) + "</a>";
        for (int p : groups[g].players) {
            const store::PlayerRecord& player = data.players[p];
            const int n = roundsOf(player);
            std::string last;
            if (n > 0) {
                const store::RoundRecord& round = player.rounds[n];
                last = link(datePage(dateOf(round)), results::DateText(dateOf(round), data.settings.dateOrder)) + " " +
                       std::to_string(round.playedGross());
            }
            const bool first = p == groups[g].players.front();
            const std::string index = handicap::CurrentIndexText(handicap::RulesOf(data), player, "#0.0");
            rows += (first ? "<tr id=\"" + anchor + "\">" : std::string("<tr>")) +
                    cell(link(playerPage(p), player.name), "name") +
                    cell(index == handicap::kNoFigure ? index : index + " " + trend(player)) + cell(std::to_string(n)) +
                    cell(last, "wrap") + "</tr>\n";
        }
    }
    if (groups.size() > 1) body += "<nav class=\"letters\" aria-label=\"Players by letter\">" + letters + "</nav>\n";
    body += table("<tr><th class=\"name\">Player</th><th>Index</th><th>Rounds</th><th>Last round</th></tr>\n", rows);
    if (data.teams.teamCount > 0) body += "<h2>Teams</h2>\n<p>" + link("teams.html", "Team points") + "</p>\n";
    if (scheduled) {
        body += "<h2>Schedule</h2>\n<p>" + link("schedule.html", "Season schedule") + " \u00b7 " +
                link("standings.html", "Standings") + "</p>\n";
    }
    return page(data, "Handicaps", body, dataDate(data, dates));
}

std::string resultRows(const std::vector<results::Result>& section) {
    std::string rows;
    for (const results::Result& r : section) {
        rows += "<tr>" + cell(results::PlaceText(r)) + cell(link(playerPage(r.player), r.name), "name") +
                cell(nineText(r.out), "wide") + cell(nineText(r.in), "wide") + cell(std::to_string(r.gross)) +
                cell(HtmlEscape(r.handicap)) + cell("<b>" + std::to_string(r.net) + "</b>") + "</tr>\n";
    }
    return rows;
}

std::string dayPage(const store::LeagueData& data, const std::vector<PlayDate>& dates, size_t i) {
    const results::DayResults day = results::ResultsOfDay(data, dates[i]);
    const std::string courses = joined(day.courses);
    std::string body = "<h1>Results of " + results::DateText(day.date, data.settings.dateOrder) + "</h1>\n";
    if (!courses.empty()) body += "<p>" + HtmlEscape(courses) + "</p>\n";
    body += "<p class=\"low\">Low gross: <b>" + HtmlEscape(joined(day.lowGrossNames)) + " " +
            std::to_string(day.lowGross) + "</b><br>Low net: <b>" + HtmlEscape(joined(day.lowNetNames)) + " " +
            std::to_string(day.lowNet) + "</b></p>\n";
    // The first column is the place; the name column is the one that wraps.
    const std::string fixedHead =
        "<tr><th>Place</th><th class=\"name\">Player</th><th class=\"wide\">Out</th>"
        "<th class=\"wide\">In</th>"
        "<th>Gross</th><th>Hcp</th><th>Net</th></tr>\n";
    if (!day.eighteen.empty()) body += table(fixedHead, resultRows(day.eighteen));
    if (!day.nine.empty()) body += "<h2>Nine-hole rounds</h2>\n" + table(fixedHead, resultRows(day.nine));
    body += SideGamesHtml(data, day.date);
    body += "<nav class=\"steps\"><span>";
    if (i > 0)
        body += link(datePage(dates[i - 1]), "\u2190 " + results::DateText(dates[i - 1], data.settings.dateOrder));
    body += "</span><span>";
    if (i + 1 < dates.size())
        body += link(datePage(dates[i + 1]), results::DateText(dates[i + 1], data.settings.dateOrder) + " \u2192");
    body += "</span></nav>\n";
    return page(data, "Results of " + results::DateText(day.date, data.settings.dateOrder), body,
                dataDate(data, dates));
}

// The player's index after each stored round, oldest on the left.
std::string historyChart(const store::LeagueData& data, const store::PlayerRecord& player) {
    const int n = roundsOf(player);
    if (n == 0) return "";
    float low = player.rounds[1].handicapIndex;
    float high = low;
    for (int r = 1; r <= n; ++r) {
        low = std::min(low, player.rounds[r].handicapIndex);
        high = std::max(high, player.rounds[r].handicapIndex);
    }
    const double bottom = std::floor(low) - 1;
    const double top = std::ceil(high) + 1;
    constexpr double kLeft = 44, kRight = 388, kTop = 16, kBottom = 172;
    auto x = [&](int r) { return n == 1 ? (kLeft + kRight) / 2 : kLeft + (kRight - kLeft) * (r - 1) / (n - 1); };
    auto y = [&](double v) { return kBottom - (kBottom - kTop) * (v - bottom) / (top - bottom); };
    auto num = [](double v) {
        char s[32];
        std::snprintf(s, sizeof s, "%.1f", v);
        return std::string(s);
    };
    std::string svg = "<svg viewBox=\"0 0 400 200\" role=\"img\" aria-label=\"Handicap index after each round\">\n";
    for (double v : {bottom, (bottom + top) / 2, top}) {
        svg += "<line x1=\"" + num(kLeft) + "\" y1=\"" + num(y(v)) + "\" x2=\"" + num(kRight) + "\" y2=\"" + num(y(v)) +
               "\" stroke=\"#dde3da\"/>\n<text x=\"4\" y=\"" + num(y(v) + 4) + "\">" +
               indexText(data, static_cast<float>(v), store::kMaxRounds) + "</text>\n";
    }
    std::string points;
    for (int r = 1; r <= n; ++r)
        points += (r > 1 ? " " : "") + num(x(r)) + "," + num(y(player.rounds[r].handicapIndex));
    svg += "<polyline fill=\"none\" stroke=\"#1f5130\" stroke-width=\"2.5\" points=\"" + points + "\"/>\n";
    for (int r = 1; r <= n; ++r) {
        const store::RoundRecord& round = player.rounds[r];
        svg += "<circle cx=\"" + num(x(r)) + "\" cy=\"" + num(y(round.handicapIndex)) +
               "\" r=\"4\" fill=\"#1f5130\"><title>" + results::DateText(dateOf(round), data.settings.dateOrder) +
               ": " + indexText(data, round.handicapIndex, r) + "</title></circle>\n";
    }
    svg += "<text x=\"" + num(kLeft) + "\" y=\"196\">" +
           results::DateText(dateOf(player.rounds[1]), data.settings.dateOrder) + "</text>\n";
    if (n > 1) {
        svg += "<text x=\"" + num(kRight) + "\" y=\"196\" text-anchor=\"end\">" +
               results::DateText(dateOf(player.rounds[n]), data.settings.dateOrder) + "</text>\n";
    }
    return svg + "</svg>\n";
}

std::string playerPageContent(const store::LeagueData& data, int p, const std::vector<PlayDate>& dates) {
    const store::PlayerRecord& player = data.players[p];
    const int n = roundsOf(player);
    std::string body = "<h1>" + HtmlEscape(player.name) + "</h1>\n<p>Index <b>" +
                       handicap::CurrentIndexText(handicap::RulesOf(data), player, "#0.0") + "</b> " + trend(player) +
                       " &middot; " + std::to_string(n) + (n == 1 ? " round" : " rounds") + " stored</p>\n";
    if (n > 0) {
        body += "<h2>Index history</h2>\n" + historyChart(data, player) + "<h2>Rounds</h2>\n";
        std::string rows;
        for (int r = n; r >= 1; --r) {
            const store::RoundRecord& round = player.rounds[r];
            const float ch = listing::NetCourseHandicap(data, player, r);
            const store::HoleValues& played = round.hasAsPlayed() ? round.asPlayed : round.score;
            rows +=
                "<tr>" +
                cell(link(datePage(dateOf(round)), results::DateText(dateOf(round), data.settings.dateOrder)), "name") +
                cell(HtmlEscape(courseName(data, round)), "name") + cell(nineText(played[store::kOutSlot]), "wide") +
                cell(nineText(played[store::kInSlot]), "wide") + cell(std::to_string(round.playedGross())) +
                cell(handicapText(data, ch)) + cell(text::generalForm(round.playedGross() - ch)) +
                cell(handicap::IndexTextAfter(handicap::RulesOf(data), player, r, "#0.0")) + "</tr>\n";
        }
        body += table(
            "<tr><th class=\"name\">Date</th><th class=\"name\">Course</th><th class=\"wide\">Out</th>"
            "<th class=\"wide\">In</th><th>Gross</th>"
            "<th>Hcp</th><th>Net</th><th>Index</th></tr>\n",
            rows);
    }
    return page(data, player.name, body, dataDate(data, dates));
}

std::string teamsPage(const store::LeagueData& data, const std::vector<PlayDate>& dates) {
    const int count = std::clamp<int>(data.teams.teamCount, 0, store::kMaxTeams);
    std::vector<std::pair<float, int>> standings;
    for (int t = 1; t <= count; ++t) standings.push_back({teams::countpoints(data, t), t});
    std::stable_sort(standings.begin(), standings.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::string rows;
    for (const auto& [points, t] : standings) {
        std::string members;
        for (int p = 1; p <= playersOf(data); ++p) {
            if (data.players[p].team != t) continue;
            members += (members.empty() ? "" : ", ") + link(playerPage(p), data.players[p].name);
        }
        rows += "<tr>" + cell(HtmlEscape(data.teams.teamNames[t]), "name") + cell(members, "name") +
                cell(text::formatPattern(points, "0.0")) + "</tr>\n";
    }
    std::string body =
        "<h1>Team points</h1>\n" +
        table("<tr><th class=\"name\">Team</th><th class=\"name\">Players</th><th>Points</th></tr>\n", rows);
    return page(data, "Team points", body, dataDate(data, dates));
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
    return text::HtmlEscape(text);
}

bool WrittenByQuorval(const std::string& content) {
    return content.substr(0, 200).find(kMark) != std::string::npos;
}

std::vector<SiteFile> BuildSite(const store::LeagueData& data, const store::Schedule& schedule) {
    const std::vector<PlayDate> dates = results::DatesPlayed(data);
    const std::vector<store::Date> scheduled = play::ScheduledDates(schedule);
    std::vector<SiteFile> files;
    files.push_back({"index.html", indexPage(data, dates, !scheduled.empty())});
    files.push_back({"style.css", styleSheet()});
    for (size_t i = 0; i < dates.size(); ++i) files.push_back({datePage(dates[i]), dayPage(data, dates, i)});
    for (int p = 1; p <= playersOf(data); ++p) files.push_back({playerPage(p), playerPageContent(data, p, dates)});
    if (data.teams.teamCount > 0) files.push_back({"teams.html", teamsPage(data, dates)});
    if (!scheduled.empty()) files.push_back({"schedule.html", schedulePage(data, schedule, dates)});
    if (!scheduled.empty()) files.push_back({"standings.html", standingsPage(data, schedule, dates)});
    for (size_t i = 0; i < scheduled.size(); ++i)
        files.push_back({weekPage(scheduled[i]), scheduleDatePage(data, schedule, scheduled, i, dates)});
    return files;
}

PublishResult PublishSite(const store::LeagueData& data, const std::filesystem::path& folder) {
    store::Schedule schedule;
    if (auto text = store::readTextFile(store::findDataFile(store::ScheduleFileName(data.leagueFileName)))) {
        store::ParseSchedule(schedule, *text);
    }
    return WriteSite(BuildSite(data, schedule), folder);
}

}  // namespace quorval::publish
