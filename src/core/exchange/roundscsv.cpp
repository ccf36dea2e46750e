#include "exchange/roundscsv.hpp"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <tuple>
#include <variant>

#include "dates/dateorder.hpp"
#include "entry/posting.hpp"
#include "entry/roundcard.hpp"
#include "handicap/differential.hpp"
#include "players/roster.hpp"
#include "store/coursefile.hpp"
#include "text/asciicase.hpp"
#include "text/encoding.hpp"
#include "text/names.hpp"
#include "text/numbers.hpp"

namespace quorval::exchange {

namespace f = store::course_field;

namespace {

const char* const kPerformanceKinds[] = {"putts", "fairway", "green"};

// A field is quoted, with quotes doubled, when it holds a separator, a quote or a line break.
std::string csvField(const std::string& value) {
    if (value.find_first_of(",;\"\r\n") == std::string::npos) return value;
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void appendRow(std::string& out, const std::vector<std::string>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        out += csvField(fields[i]);
    }
    out += "\r\n";
}

std::vector<std::string> heading() {
    std::vector<std::string> names = {"player", "slot", "date",  "course",       "initials",       "tee",
                                      "out",    "in",   "total", "differential", "handicap_index", "course_handicap"};
    for (const char* kind : {"hole", "adjusted", "putts", "fairway", "green"})
        for (int h = 1; h <= store::kHoles; ++h) names.push_back(kind + std::to_string(h));
    return names;
}

std::vector<std::string> roundFields(const store::LeagueData& data, int p, int r) {
    const store::PlayerRecord& player = data.players[p];
    const store::RoundRecord& round = player.rounds[r];
    int c = round.course >= 0 && round.course <= store::kMaxCourses ? round.course : 0;
    const store::CourseRecord& course = data.courses[c];
    const store::HoleValues& played = round.hasAsPlayed() ? round.asPlayed : round.score;
    // A control character a name holds from an older version is written escaped: the file stays
    // one row per round, and a terminal shows it rather than obeys it.
    std::vector<std::string> fields = {text::EscapedName(player.name),
                                       std::to_string(r),
                                       dates::IsoDate(round.month, round.day, round.year),
                                       course[f::kName],
                                       course[f::kInitials],
                                       std::string(store::TeeName(player.teePlayed(round))),
                                       std::to_string(played[store::kOutSlot]),
                                       std::to_string(played[store::kInSlot]),
                                       std::to_string(round.playedGross()),
                                       text::generalForm(round.differential),
                                       text::generalForm(round.handicapIndex),
                                       text::generalForm(round.courseHandicap)};
    // The holes as played, then as limited for handicaps.
    for (int h = 1; h <= store::kHoles; ++h) fields.push_back(std::to_string(played[h]));
    for (int h = 1; h <= store::kHoles; ++h) fields.push_back(std::to_string(round.score[h]));
    // Performance values only where the round was entered with them.
    bool statistics = round.hasPerformanceData();
    for (const store::HoleValues* values : {&round.putts, &round.fairway, &round.green})
        for (int h = 1; h <= store::kHoles; ++h) fields.push_back(statistics ? std::to_string((*values)[h]) : "");
    return fields;
}

// ---- reading ----

struct Row {
    int line = 0;
    std::vector<std::string> fields;
};

// Splits the text into rows of fields. A quoted field may hold separators, doubled quotes and line
// breaks; each row remembers the line it starts on.
std::vector<Row> splitRows(const std::string& text, char separator) {
    std::vector<Row> rows;
    Row row{1, {}};
    std::string field;
    bool quoted = false, anything = false;
    int line = 1;
    auto endRow = [&] {
        if (anything) {
            row.fields.push_back(field);
            rows.push_back(std::move(row));
        }
        row = Row{line, {}};
        field.clear();
        anything = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                field += c;
            }
        } else if (c == '"') {
            quoted = anything = true;
        } else if (c == separator) {
            row.fields.push_back(field);
            field.clear();
            anything = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            ++line;
            endRow();
        } else {
            field += c;
            if (c != ' ' && c != '\t') anything = true;
        }
    }
    endRow();
    return rows;
}

// The heading decides the separator: a semicolon file has more semicolons than commas there.
char separatorOf(const std::string& text) {
    std::string first = text.substr(0, text.find('\n'));
    return std::count(first.begin(), first.end(), ';') > std::count(first.begin(), first.end(), ',') ? ';' : ',';
}

std::string trimmed(std::string_view s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return std::string(s.substr(b, e - b + 1));
}

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

// MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD, within the years the league file can hold (1985..2084). The
// two numbers before the year are day and month where the user writes the day first.
std::optional<entry::RoundPlace> parseDate(const std::string& text, store::DateOrder order) {
    bool slashes = std::count(text.begin(), text.end(), '/') == 2;
    bool iso = text.size() == 10 && text[4] == '-' && text[7] == '-';
    if (!slashes && !iso) return std::nullopt;
    // Year first has no two-number form of its own, so those rows keep the file's month first.
    auto date =
        dates::ParseDate(order == store::DateOrder::kDayMonthYear ? order : store::DateOrder::kMonthDayYear, text);
    if (!date) return std::nullopt;
    return entry::RoundPlace{0, date->month, date->day, date->year};
}

// A row that passed every check, waiting to be posted.
struct Candidate {
    int line = 0;
    std::string player;
    std::optional<int> tee;
    entry::RoundPlace place;
    entry::RoundEntry round;
    int sortDate = 0;
    bool ambiguousDate = false;  // 03/04/26: read in the user's order
};

class RowReader {
public:
    RowReader(const store::LeagueData& data, const std::vector<std::string>& names) : m_data(data) {
        for (size_t i = 0; i < names.size(); ++i) m_columns.emplace(text::AsciiLower(trimmed(names[i])), i);
    }

    // The headings every row needs; empty when the file has them all.
    std::string missingHeadings() const {
        std::string missing;
        auto need = [&](const std::string& name) {
            if (!m_columns.count(name)) missing += (missing.empty() ? "" : ", ") + name;
        };
        need("player");
        need("date");
        if (!m_columns.count("course") && !m_columns.count("initials")) need("course");
        for (int h = 1; h <= store::kHoles; ++h) need("hole" + std::to_string(h));
        return missing;
    }

    std::string dateOf(const Row& row) const {
        m_row = &row;
        return field("date");
    }

    // The candidate, or the reason the row cannot be posted.
    std::variant<Candidate, std::string> read(const Row& row) const {
        m_row = &row;
        if (row.fields.size() > m_columns.size()) {
            return "the row has " + std::to_string(row.fields.size()) + " fields, the heading " +
                   std::to_string(m_columns.size());
        }
        Candidate c;
        c.line = row.line;
        // A quote stays as written; a line break or other control character would break the league file.
        c.player = players::TidyName(field("player"));
        if (c.player.empty()) return std::string("no player name");
        if (std::string why = text::NameProblem(c.player); !why.empty()) return "the player name " + why;
        auto place = parseDate(field("date"), m_data.settings.dateOrder);
        if (!place) return "the date \"" + field("date") + "\" is not MM/DD/YY, MM/DD/YYYY or YYYY-MM-DD";
        c.place = *place;
        c.ambiguousDate = dates::AmbiguousDate(field("date"));
        c.sortDate = store::CalendarYear(place->year) * 10000 + place->month * 100 + place->day;
        std::string course = field("course"), initials = field("initials");
        c.place.course = store::FindCourse(m_data, course);
        if (c.place.course == 0) c.place.course = store::FindCourse(m_data, initials);
        if (c.place.course == 0) return "there is no course \"" + (course.empty() ? initials : course) + "\"";
        if (!field("tee").empty()) {
            c.tee = store::TeeFromText(field("tee"));
            if (*c.tee == store::kNoTee) return "the tee \"" + field("tee") + "\" is not Red, White or Blue";
        }
        for (int h = 1; h <= store::kHoles; ++h) {
            auto value = number("hole" + std::to_string(h), 99);
            if (!value)
                return "hole " + std::to_string(h) + ": \"" + field("hole" + std::to_string(h)) +
                       "\" is not a score from 0 to 99";
            c.round.score[h] = static_cast<int16_t>(*value);
        }
        for (auto [name, slot, first] : {std::tuple{"out", store::kOutSlot, 1}, {"in", store::kInSlot, 10}}) {
            auto value =
                field(name).empty() ? std::optional<int>(entry::NineSum(c.round.score, first)) : number(name, 999);
            if (!value) return std::string(name) + ": \"" + field(name) + "\" is not a total from 0 to 999";
            c.round.score[slot] = static_cast<int16_t>(*value);
        }
        if (c.round.score[store::kOutSlot] == 0 && c.round.score[store::kInSlot] == 0) {
            return std::string("the round has no score");
        }
        if (std::string blank = entry::HolesWithoutScoreMessage(c.round.score); !blank.empty()) return blank;
        if (std::string problem = readPerformance(c.round); !problem.empty()) return problem;
        if (std::string problem = entry::PuttsAboveScoreMessage(c.round); !problem.empty()) return problem;
        return c;
    }

private:
    std::string field(const std::string& name) const {
        auto column = m_columns.find(name);
        if (column == m_columns.end() || column->second >= m_row->fields.size()) return {};
        return trimmed(m_row->fields[column->second]);
    }

    // An empty field counts as 0, as a hole not played does.
    std::optional<int> number(const std::string& name, int most) const {
        std::string text = field(name);
        if (text.empty()) return 0;
        auto value = wholeNumber(text);
        if (!value || *value < 0 || *value > most) return std::nullopt;
        return value;
    }

    // Putts, fairways and greens, when the row has any: fairways and greens are 2 for a hit and 1
    // for a miss (y and n read the same), and their nine totals count the hits, as the window does.
    std::string readPerformance(entry::RoundEntry& round) const {
        bool any = false;
        for (const char* kind : kPerformanceKinds)
            for (int h = 1; h <= store::kHoles; ++h) any |= !field(kind + std::to_string(h)).empty();
        if (!any) return {};
        for (int h = 1; h <= store::kHoles; ++h) {
            std::string name = "putts" + std::to_string(h);
            auto putts = number(name, 99);
            if (!putts) return name + ": \"" + field(name) + "\" is not a number of putts";
            round.putts[h] = static_cast<int16_t>(*putts);
            for (auto [kind, values] : {std::pair{"fairway", &round.fairway}, {"green", &round.green}}) {
                name = kind + std::to_string(h);
                std::string text = text::AsciiLower(field(name));
                int tick = text == "y"   ? entry::kTickHit
                           : text == "n" ? entry::kTickMissed
                                         : wholeNumber(text).value_or(-1);
                if (text.empty()) tick = 0;
                if (tick < 0 || tick > 2) return name + ": \"" + field(name) + "\" is not y, n, 2 or 1";
                (*values)[h] = static_cast<int16_t>(tick);
            }
        }
        entry::TotalPerformance(round);
        return {};
    }

    const store::LeagueData& m_data;
    std::map<std::string, size_t> m_columns;
    mutable const Row* m_row = nullptr;
};

// The same round: date, course and every hole score.
bool holdsRound(const store::PlayerRecord& player, const Candidate& c) {
    for (int r = 1; r <= player.roundCount && r <= store::kMaxRounds; ++r) {
        const store::RoundRecord& round = player.rounds[r];
        if (store::CalendarYear(round.year) != store::CalendarYear(static_cast<int16_t>(c.place.year)) ||
            round.month != c.place.month || round.day != c.place.day || round.course != c.place.course) {
            continue;
        }
        // The file holds the scores as played; a stored round keeps them beside its limited ones.
        const store::HoleValues& played = round.hasAsPlayed() ? round.asPlayed : round.score;
        bool same = true;
        for (int h = 1; h <= store::kHoles && same; ++h) same = played[h] == c.round.score[h];
        if (same) return true;
    }
    return false;
}

int latestDate(const store::PlayerRecord& player) {
    int latest = 0;
    for (int r = 1; r <= player.roundCount && r <= store::kMaxRounds; ++r) {
        const store::RoundRecord& round = player.rounds[r];
        latest = std::max(latest, store::CalendarYear(round.year) * 10000 + round.month * 100 + round.day);
    }
    return latest;
}

std::string shownDate(const store::LeagueData& data, int date) {
    return dates::ShortDate(data.settings.dateOrder, date / 100 % 100, date % 100, date / 10000 % 100);
}

int findPlayer(const store::LeagueData& data, const std::string& name) {
    for (int p = 1; p <= data.playerCount; ++p)
        if (players::LooksTheSame(data.players[p].name, name)) return p;
    return 0;
}

}  // namespace

std::string RoundsCsv(const store::LeagueData& data) {
    std::string out;
    appendRow(out, heading());
    for (int p = 1; p <= data.playerCount; ++p) {
        for (int r = 1; r <= data.players[p].roundCount; ++r) appendRow(out, roundFields(data, p, r));
    }
    return out;
}

ImportReport ImportRoundsCsv(store::LeagueData& data, const std::string& bytes, const ImportOptions& options) {
    ImportReport report;
    report.dayFirst = data.settings.dateOrder == store::DateOrder::kDayMonthYear;
    // A byte order mark, or a zero byte beside each letter of the first line: read as one of the
    // 8-bit forms it would give names full of NULs.
    bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
                 (bytes.size() >= 4 && (bytes[1] == '\0' || bytes[0] == '\0'));
    if (utf16) {
        report.problems.push_back({1, "the file is UTF-16: save it as UTF-8 or Windows-1252"});
        return report;
    }
    std::string text = text::decodeToUtf8(bytes);
    std::vector<Row> rows = splitRows(text, separatorOf(text));
    if (rows.empty()) {
        report.problems.push_back({1, "the file is empty"});
        return report;
    }
    RowReader reader(data, rows.front().fields);
    if (std::string missing = reader.missingHeadings(); !missing.empty()) {
        report.problems.push_back({rows.front().line, "the heading has no column " + missing});
        return report;
    }

    std::vector<Candidate> good;
    for (size_t i = 1; i < rows.size(); ++i) {
        ++report.rows;
        auto read = reader.read(rows[i]);
        if (auto* why = std::get_if<std::string>(&read)) {
            report.problems.push_back({rows[i].line, *why});
        } else {
            Candidate& c = good.emplace_back(std::get<Candidate>(std::move(read)));
            if (c.ambiguousDate && report.ambiguousDates++ == 0) report.ambiguousExample = reader.dateOf(rows[i]);
        }
    }

    // New players join in the order the file first names them, so an exported league comes back
    // in its own order. A round is checked for a slope before its player is added, so that a
    // refused row never leaves a player without rounds behind.
    std::vector<Candidate> placed;
    bool classic = data.options.rules == store::HandicapRules::Classic;
    std::map<int, int> roundsBefore;
    for (Candidate& c : good) {
        int p = findPlayer(data, c.player);
        if (p != 0 && holdsRound(data.players[p], c)) {
            ++report.skipped;
            continue;
        }
        if (p != 0 && classic && !options.allowOlder && c.sortDate < latestDate(data.players[p])) {
            ++report.olderRefused;
            report.problems.push_back({c.line, "the round is older than " + data.players[p].name + "'s latest (" +
                                                   shownDate(data, latestDate(data.players[p])) +
                                                   "), and would become the newest; allow older rounds to post it"});
            continue;
        }
        int playerTee = p == 0 ? c.tee.value_or(store::kWhiteTee) : data.players[p].tee;
        if (!store::IsTee(playerTee)) playerTee = store::kWhiteTee;
        c.round.tee = c.tee.value_or(playerTee);
        const store::CourseRecord& course = data.courses[c.place.course];
        if (!handicap::HasSlope(static_cast<float>(store::CourseSlope(course, c.round.tee)))) {
            std::string why = entry::NoSlopeMessage(data, c.place.course, c.round.tee);
            report.problems.push_back({c.line, why.substr(0, why.find('\r'))});
            continue;
        }
        if (p == 0) {
            if (data.playerCount >= store::kMaxPlayers) {
                report.problems.push_back({c.line, "the league is full: there is no room for " + c.player});
                continue;
            }
            p = ++data.playerCount;
            data.players[p] = store::PlayerRecord{};
            data.players[p].name = c.player;
            data.players[p].tee = static_cast<int16_t>(playerTee);
            report.playersAdded.push_back(c.player);
        }
        roundsBefore.emplace(p, data.players[p].roundCount);
        placed.push_back(std::move(c));
    }

    // Oldest first, so that each round's index is built on the rounds before it.
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Candidate& a, const Candidate& b) { return a.sortDate < b.sortDate; });
    std::map<int, int> postedFor;
    for (Candidate& c : placed) {
        int p = findPlayer(data, c.player);
        // The same row twice in the file posts once.
        if (holdsRound(data.players[p], c)) {
            ++report.skipped;
            continue;
        }
        // The file's holes are the scores as played; the league's hole limits apply as in the window.
        c.round.played = c.round.score;
        if (entry::HoleScoresLimited(data)) entry::LimitHoleScores(data, p, c.place.course, c.round);
        entry::PostResult posted = entry::PostRound(data, p, c.round, c.place, 0);
        if (posted.outcome == entry::PostOutcome::Posted) {
            ++report.posted;
            ++postedFor[p];
        } else {
            std::string why = entry::NoSlopeMessage(data, c.place.course, c.round.tee);
            report.problems.push_back({c.line, why.substr(0, why.find('\r'))});
        }
    }
    for (auto [p, count] : postedFor) {
        int dropped = roundsBefore[p] + count - store::kMaxRounds;
        if (dropped <= 0) continue;
        report.pushedOut.push_back(data.players[p].name + ": " + std::to_string(dropped) +
                                   (dropped == 1 ? " oldest round" : " oldest rounds") + " no longer kept");
    }
    std::sort(report.problems.begin(), report.problems.end(),
              [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
    return report;
}

std::vector<std::string> DescribeImport(const ImportReport& report) {
    std::vector<std::string> lines;
    auto count = [](size_t n, const std::string& one, const std::string& many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    lines.push_back(std::to_string(report.posted) + " of " + count(report.rows, "round", "rounds") + " posted, " +
                    count(report.playersAdded.size(), "player", "players") + " added.");
    if (report.skipped > 0) {
        lines.push_back(count(report.skipped, "round", "rounds") + (report.skipped == 1
                                                                        ? " already in the league was skipped."
                                                                        : " already in the league were skipped."));
    }
    for (const std::string& line : report.pushedOut) lines.push_back(line + ".");
    if (report.ambiguousDates > 0) {
        lines.push_back("Dates such as " + report.ambiguousExample + " (" +
                        count(static_cast<size_t>(report.ambiguousDates), "row", "rows") + ") were read as " +
                        (report.dayFirst ? "day/month/year" : "month/day/year") + ", the date order in Settings.");
    }
    if (!report.problems.empty()) {
        lines.push_back(count(report.problems.size(), "row", "rows") + " could not be imported:");
        for (const ImportProblem& problem : report.problems)
            lines.push_back("line " + std::to_string(problem.line) + ": " + problem.reason);
    }
    return lines;
}

}  // namespace quorval::exchange
