#include "play/matchreport.hpp"

#include <algorithm>
#include <cstdio>

#include "play/schedule.hpp"
#include "store/leagueoptions.hpp"

namespace quorval::play {

namespace {

std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string pad(const std::string& s, size_t width) {
    return s.size() >= width ? s : s + std::string(width - s.size(), ' ');
}

std::string padLeft(const std::string& s, size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

}  // namespace

std::string MatchDateText(Day date) {
    std::chrono::year_month_day ymd{date};
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02u/%02u/%02d", static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(ymd.year()) % 100);
    return buffer;
}

std::string PlayerText(const store::LeagueData& data, const MatchPlayer& m) {
    if (m.player == 0) return "(nobody)";
    std::string name = data.players[m.player].name;
    return m.regular ? name + " for " + data.players[m.regular].name : name;
}

std::string PairingLine(const store::LeagueData& data, const Pairing& p) {
    std::string a = PlayerText(data, p.a);
    std::string b = PlayerText(data, p.b);
    std::string points = store::PointsText(p.pointsA) + " - " + store::PointsText(p.pointsB);
    if (p.forfeit) {
        bool aPresent = p.a.round > 0;
        return a + " v " + b + ": " + (aPresent ? b : a) + " absent, forfeit, " + points;
    }
    if (!p.refusal.empty()) return a + " v " + b + ": " + p.refusal;
    if (!p.scored) return a + " v " + b + ": no rounds";
    const HoleMatch& m = p.match;
    std::string strokes = m.gift.to == 0 ? "no strokes"
                                         : std::to_string(m.gift.difference) +
                                               (m.gift.difference == 1 ? " stroke to " : " strokes to ") +
                                               (m.gift.to == 1 ? a : b);
    return a + " (" + std::to_string(p.handicapA) + ") v " + b + " (" + std::to_string(p.handicapB) + "): " + strokes +
           "; holes " + std::to_string(m.wonA) + "-" + std::to_string(m.wonB) + ", " + std::to_string(m.halved) +
           " halved; net " + std::to_string(m.netTotalA) + "-" + std::to_string(m.netTotalB) + "; " + points;
}

std::vector<std::string> HoleByHoleLines(const store::LeagueData& data, const Pairing& p) {
    if (!p.scored) return {};
    const HoleMatch& m = p.match;
    const int first = m.firstHole, last = m.firstHole + m.holes - 1;
    std::string a = PlayerText(data, p.a), b = PlayerText(data, p.b);
    const size_t width = std::min<size_t>(std::max({a.size() + 2, b.size() + 2, size_t{12}}), 30);
    auto row = [&](const std::string& label, auto cell, const std::string& total) {
        std::string line = pad(label.substr(0, width), width);
        for (int h = first; h <= last; ++h) line += padLeft(cell(h), 3);
        line += padLeft(total, 6);
        return line.erase(line.find_last_not_of(' ') + 1);
    };
    auto number = [](int n) { return std::to_string(n); };
    auto strokesTo = [&](int who) { return [&, who](int h) { return m.gift.to == who ? m.gift.strokes[h] : 0; }; };
    auto gross = [&](const HoleScores& net, int who) {
        int total = 0;
        for (int h = first; h <= last; ++h) total += net[h] + strokesTo(who)(h);
        return row((who == 1 ? "A " + a : "B " + b), [&](int h) { return number(net[h] + strokesTo(who)(h)); },
                   number(total));
    };
    const store::StrokeIndexes& si = data.strokeIndexes[p.course >= 1 && p.course <= store::kMaxCourses ? p.course : 0];
    std::vector<std::string> lines;
    lines.push_back(row("Hole", number, "Total"));
    lines.push_back(row(
        "Stroke index", [&](int h) { return number(si[h]); }, ""));
    lines.push_back(gross(m.netA, 1));
    lines.push_back(gross(m.netB, 2));
    if (m.gift.to != 0) {
        lines.push_back(row(
            "Strokes", [&](int h) { return m.gift.strokes[h] ? number(m.gift.strokes[h]) : std::string("."); },
            number(m.gift.difference)));
        lines.back() += "  to " + std::string(m.gift.to == 1 ? "A" : "B");
    }
    lines.push_back(row(
        "A net", [&](int h) { return number(m.netA[h]); }, number(m.netTotalA)));
    lines.push_back(row(
        "B net", [&](int h) { return number(m.netB[h]); }, number(m.netTotalB)));
    lines.push_back(row(
        "Hole won by",
        [&](int h) { return std::string(m.netA[h] < m.netB[h]   ? "A"
                                        : m.netB[h] < m.netA[h] ? "B"
                                                                : "="); }, ""));
    lines.push_back("= halved. Holes won " + number(m.wonA) + "-" + number(m.wonB) + ", " + number(m.halved) +
                    " halved; points " + store::PointsText(p.pointsA) + " - " + store::PointsText(p.pointsB) + ".");
    return lines;
}

std::string MatchHeading(const SideMatch& m) {
    return m.sideA + " " + store::PointsText(m.pointsA) + " - " + m.sideB + " " + store::PointsText(m.pointsB);
}

std::vector<std::string> MatchLines(const store::LeagueData& data, const std::vector<SideMatch>& matches) {
    std::vector<std::string> lines;
    for (const SideMatch& m : matches) {
        lines.push_back(MatchHeading(m));
        for (const Pairing& p : m.pairings) lines.push_back("  " + PairingLine(data, p));
        if (m.teamTotalScored && data.options.play.teamTotalPoints > 0) {
            lines.push_back("  team nets " + std::to_string(m.netA) + "-" + std::to_string(m.netB));
        }
    }
    return lines;
}

std::string MatchesCsv(const store::LeagueData& data, Day date, const std::vector<SideMatch>& matches) {
    std::string out =
        "date,side_a,player_a,side_b,player_b,handicap_a,handicap_b,strokes_to,strokes,holes_a,holes_b,halved,"
        "points_a,points_b,note\n";
    std::string day = ShortDate(date, data.settings.dateOrder);
    for (const SideMatch& m : matches) {
        for (const Pairing& p : m.pairings) {
            bool s = p.scored;
            std::string to = s && p.match.gift.to ? (p.match.gift.to == 1 ? "a" : "b") : "";
            std::string note = p.forfeit ? "forfeit" : (!p.refusal.empty() ? "not scored" : "");
            std::vector<std::string> row = {day,
                                            m.sideA,
                                            p.a.player ? PlayerText(data, p.a) : "",
                                            m.sideB,
                                            p.b.player ? PlayerText(data, p.b) : "",
                                            s ? std::to_string(p.handicapA) : "",
                                            s ? std::to_string(p.handicapB) : "",
                                            to,
                                            s ? std::to_string(p.match.gift.difference) : "",
                                            s ? std::to_string(p.match.wonA) : "",
                                            s ? std::to_string(p.match.wonB) : "",
                                            s ? std::to_string(p.match.halved) : "",
                                            store::PointsText(p.pointsA),
                                            store::PointsText(p.pointsB),
                                            note};
            for (size_t i = 0; i < row.size(); ++i) out += (i ? "," : "") + csvField(row[i]);
            out += '\n';
        }
    }
    return out;
}

std::vector<std::string> StandingLines(const std::vector<Standing>& rows) {
    size_t width = 4;
    for (const Standing& s : rows) width = std::max(width, s.side.size());
    std::vector<std::string> lines;
    lines.push_back("Pl  " + pad("Side", width) + "  Played  Won  Halved  Lost  Points");
    for (const Standing& s : rows) {
        lines.push_back(padLeft(std::to_string(s.place), 2) + "  " + pad(s.side, width) + "  " +
                        padLeft(std::to_string(s.played), 6) + "  " + padLeft(std::to_string(s.won), 3) + "  " +
                        padLeft(std::to_string(s.halved), 6) + "  " + padLeft(std::to_string(s.lost), 4) + "  " +
                        padLeft(store::PointsText(s.points), 6));
    }
    return lines;
}

std::string StandingsCsv(const std::vector<Standing>& rows) {
    std::string out = "place,side,played,won,halved,lost,points\n";
    for (const Standing& s : rows) {
        out += std::to_string(s.place) + "," + csvField(s.side) + "," + std::to_string(s.played) + "," +
               std::to_string(s.won) + "," + std::to_string(s.halved) + "," + std::to_string(s.lost) + "," +
               store::PointsText(s.points) + "\n";
    }
    return out;
}

std::string RecordTeamPoints(store::LeagueData& data, Day date, const std::vector<SideMatch>& matches) {
    store::TeamPart& teams = data.teams;
    auto record = [&](int team, const std::string& opponent, double points) -> std::string {
        if (team < 1 || team > teams.teamCount || team > store::kMaxTeams) return {};
        std::string description = MatchDateText(date) + " vs " + opponent;
        int count = teams.teamEntryCount[team];
        for (int e = 1; e <= count; ++e) {
            if (teams.teamEntries[team][e].description == description) {
                teams.teamEntries[team][e].points = static_cast<float>(points);
                return {};
            }
        }
        if (count >= store::kMaxTeamEntries) {
            return "The point record of " + teams.teamNames[team] + " is full; " + description + " was not recorded.";
        }
        teams.teamEntries[team][++teams.teamEntryCount[team]] = {description, 0, static_cast<float>(points)};
        return {};
    };
    // Check room first, so that a full record leaves every team as it was.
    for (const SideMatch& m : matches) {
        for (auto [team, opponent] : {std::pair{m.slotA, m.sideB}, std::pair{m.slotB, m.sideA}}) {
            if (team < 1 || team > teams.teamCount || team > store::kMaxTeams) continue;
            std::string description = MatchDateText(date) + " vs " + opponent;
            bool present = false;
            for (int e = 1; e <= teams.teamEntryCount[team]; ++e) {
                present = present || teams.teamEntries[team][e].description == description;
            }
            if (!present && teams.teamEntryCount[team] >= store::kMaxTeamEntries) {
                return "The point record of " + teams.teamNames[team] + " is full; " + description +
                       " was not recorded.";
            }
        }
    }
    for (const SideMatch& m : matches) {
        std::string error = record(m.slotA, m.sideB, m.pointsA);
        if (error.empty()) error = record(m.slotB, m.sideA, m.pointsB);
        if (!error.empty()) return error;
    }
    return {};
}

}  // namespace quorval::play
