#include "store/roundrecordfile.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "dates/dateorder.hpp"

namespace quorval::store {

namespace {

constexpr std::string_view kHeading = "Quorval round record 1";

std::vector<std::string_view> split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == separator) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

int wholeNumber(std::string_view s, int low, int high, int line, const char* what) {
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || value < low || value > high) {
        throw FormatError(line, std::string(what) + " \"" + std::string(s) + "\" is not a whole number " +
                                    std::to_string(low) + ".." + std::to_string(high));
    }
    return value;
}

float decimal(std::string_view s, int line, const char* what) {
    std::string text(s);
    char* end = nullptr;
    double value = text.empty() ? 0 : std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(value >= -999 && value <= 999)) {
        throw FormatError(line, std::string(what) + " \"" + text + "\" is not a number from -999 to 999");
    }
    return static_cast<float>(value);
}

void holeList(std::string_view s, HoleValues& values, int line, const char* what) {
    std::vector<std::string_view> parts = split(s, ' ');
    if (parts.size() != kHoleSlots) throw FormatError(line, std::string(what) + " are not 20 numbers");
    for (int h = 1; h <= kHoleSlots; ++h) {
        values[h] = static_cast<int16_t>(wholeNumber(parts[static_cast<size_t>(h - 1)], 0, 999, line, what));
    }
}

bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

void readDate(std::string_view s, RoundRecord& round, int line) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') throw FormatError(line, "the date is not YYYY-MM-DD");
    int year = wholeNumber(s.substr(0, 4), 1985, 2084, line, "the year");
    int month = wholeNumber(s.substr(5, 2), 1, 12, line, "the month");
    static const int kDays[] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int day = wholeNumber(s.substr(8, 2), 1, kDays[month], line, "the day");
    if (month == 2 && day == 29 && !leapYear(year)) throw FormatError(line, "the date is no day of the year");
    round.year = static_cast<int16_t>(year % 100);
    round.month = static_cast<int16_t>(month);
    round.day = static_cast<int16_t>(day);
}

void parse(std::vector<RecordLine>& lines, LineReader& in) {
    if (in.atEnd() || in.line() != kHeading)
        throw FormatError(1, "the first line is not \"" + std::string(kHeading) + "\"");
    while (!in.atEnd()) {
        std::string_view text = in.line();
        int n = in.lineNumber();
        if (text.empty() || text.front() == '#') continue;
        std::vector<std::string_view> f = split(text, '\t');
        if (f.size() != 15) throw FormatError(n, "the line has " + std::to_string(f.size()) + " fields, not 15");
        RecordLine r;
        r.line = n;
        r.player = wholeNumber(f[0], 1, kMaxPlayers, n, "the player");
        r.name = std::string(f[1]);
        r.slot = wholeNumber(f[2], 0, kMaxRounds, n, "the slot");
        RoundRecord& round = r.round;
        readDate(f[3], round, n);
        round.course = static_cast<int16_t>(wholeNumber(f[4], 0, kMaxCourses, n, "the course"));
        round.teePlayed = static_cast<int16_t>(wholeNumber(f[5], kNoTee, kBlueTee, n, "the tee"));
        int holes = wholeNumber(f[6], 9, 18, n, "the holes played");
        int gross = wholeNumber(f[7], 0, 1998, n, "the gross");
        round.differential = decimal(f[8], n, "the differential");
        round.noIndex = f[9] == "-";
        round.handicapIndex = round.noIndex ? 0 : decimal(f[9], n, "the index");
        round.courseHandicap = decimal(f[10], n, "the course handicap");
        round.rawDifferential = decimal(f[11], n, "the unreduced differential");
        round.exceptionalCut = static_cast<int16_t>(wholeNumber(f[12], 0, 20, n, "the reduction"));
        holeList(f[13], round.score, n, "the adjusted hole scores");
        if (f[14] != "-") holeList(f[14], round.asPlayed, n, "the hole scores as played");
        if (gross != round.gross()) throw FormatError(n, "the gross is not the sum of the nine totals");
        bool nine = round.score[kOutSlot] == 0 || round.score[kInSlot] == 0;
        if (holes != (nine ? 9 : 18)) throw FormatError(n, "the holes played do not match the nine totals");
        lines.push_back(std::move(r));
    }
}

// A round's line is put together in a buffer of its own: a full league's record is formatted at
// every save, beside the league file.
class LineBuffer {
public:
    void number(long value) { m_p = std::to_chars(m_p, m_end, value).ptr; }
    // The shortest text that reads back as the same float.
    void decimal(float value) { m_p = std::to_chars(m_p, m_end, value).ptr; }
    void twoDigits(int value) {
        *m_p++ = static_cast<char>('0' + value / 10);
        *m_p++ = static_cast<char>('0' + value % 10);
    }
    void text(std::string_view s) { m_p = std::copy(s.begin(), s.end(), m_p); }
    void put(char c) { *m_p++ = c; }
    void holes(const HoleValues& values) {
        for (int h = 1; h <= kHoleSlots; ++h) {
            if (h > 1) put(' ');
            number(values[h]);
        }
    }
    std::string_view view() const { return {m_buffer, static_cast<size_t>(m_p - m_buffer)}; }

private:
    // Everything of a line but the name, which is appended by itself: 15 fields of at most 20 numbers.
    char m_buffer[512];
    char* m_p = m_buffer;
    char* m_end = m_buffer + sizeof m_buffer;
};

void appendRound(std::string& out, int p, const std::string& name, int slot, const RoundRecord& round) {
    bool nine = round.score[kOutSlot] == 0 || round.score[kInSlot] == 0;
    LineBuffer head;
    head.number(p);
    head.put('\t');
    out.append(head.view());
    size_t nameAt = out.size();
    out.append(name);
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(nameAt), out.end(), '\t', ' ');
    LineBuffer line;
    line.put('\t');
    line.number(slot);
    line.put('\t');
    // The record takes only recordable rounds: year, month and day are in range.
    line.number(CalendarYear(round.year));
    line.put('-');
    line.twoDigits(round.month);
    line.put('-');
    line.twoDigits(round.day);
    line.put('\t');
    line.number(round.course);
    line.put('\t');
    line.number(round.teePlayed);
    line.put('\t');
    line.text(nine ? "9" : "18");
    line.put('\t');
    line.number(round.gross());
    line.put('\t');
    line.decimal(round.differential);
    line.put('\t');
    if (round.noIndex) {
        line.put('-');
    } else {
        line.decimal(round.handicapIndex);
    }
    line.put('\t');
    line.decimal(round.courseHandicap);
    line.put('\t');
    line.decimal(round.rawDifferential);
    line.put('\t');
    line.number(round.exceptionalCut);
    line.put('\t');
    line.holes(round.score);
    line.put('\t');
    if (round.hasAsPlayed()) {
        line.holes(round.asPlayed);
    } else {
        line.put('-');
    }
    out.append(line.view());
    endLine(out);
}

// A round the file can hold: a real date, and values within the file's ranges. A league file
// edited elsewhere may hold others; the record leaves them out rather than become unreadable.
bool recordable(const RoundRecord& round) {
    static const int kDays[] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (round.year < 0 || round.year > 99 || round.month < 1 || round.month > 12 || round.day < 1 ||
        round.day > kDays[round.month] ||
        (round.month == 2 && round.day == 29 && !leapYear(CalendarYear(round.year)))) {
        return false;
    }
    if (round.course < 0 || round.course > kMaxCourses || round.teePlayed < kNoTee || round.teePlayed > kBlueTee ||
        round.exceptionalCut < 0 || round.exceptionalCut > 20) {
        return false;
    }
    for (int h = 1; h <= kHoleSlots; ++h)
        if (round.score[h] < 0 || round.score[h] > 999 || round.asPlayed[h] < 0 || round.asPlayed[h] > 999)
            return false;
    for (float x : {round.differential, round.handicapIndex, round.courseHandicap, round.rawDifferential})
        if (!(x >= -999 && x <= 999)) return false;
    return true;
}

bool sameRound(const RoundRecord& a, const RoundRecord& b) {
    return a.month == b.month && a.day == b.day && a.year == b.year && a.course == b.course && a.score == b.score;
}

int dayKey(const RoundRecord& round) {
    return (CalendarYear(round.year) * 13 + round.month) * 32 + round.day;
}

}  // namespace

LoadResult ParseRoundRecord(std::vector<RecordLine>& lines, std::string_view text) {
    std::vector<RecordLine> read;
    LoadResult result = parseText(text, [&](LineReader& in) { parse(read, in); });
    lines = result.ok ? std::move(read) : std::vector<RecordLine>{};
    return result;
}

std::string FormatRoundRecord(const LeagueData& data) {
    std::string out;
    size_t rounds = 0;
    for (int p = 1; p <= std::clamp<int>(data.playerCount, 0, kMaxPlayers); ++p)
        rounds += data.players[p].earlier.size() + static_cast<size_t>(std::max<int>(data.players[p].roundCount, 0));
    out.reserve(64 + rounds * 192);
    appendLine(out, kHeading);
    for (int p = 1; p <= std::clamp<int>(data.playerCount, 0, kMaxPlayers); ++p) {
        const PlayerRecord& player = data.players[p];
        for (const RoundRecord& round : player.earlier)
            if (recordable(round)) appendRound(out, p, player.name, 0, round);
        for (int r = 1; r <= std::clamp<int>(player.roundCount, 0, kMaxRounds); ++r) {
            if (recordable(player.rounds[r])) appendRound(out, p, player.name, r, player.rounds[r]);
        }
    }
    return out;
}

std::vector<std::string> ApplyRoundRecord(LeagueData& data, const std::vector<RecordLine>& lines) {
    std::vector<std::string> problems;
    for (const RecordLine& line : lines) {
        std::string where = "line " + std::to_string(line.line) + ": ";
        if (line.player > data.playerCount || data.players[line.player].name != line.name) {
            problems.push_back(where + "player " + std::to_string(line.player) + " is not " + line.name +
                               " in the league file");
            continue;
        }
        PlayerRecord& player = data.players[line.player];
        if (line.slot == 0) {
            player.earlier.push_back(line.round);
            continue;
        }
        RoundRecord& stored = player.rounds[line.slot];
        if (line.slot > player.roundCount || !sameRound(stored, line.round)) {
            problems.push_back(where + "round " + std::to_string(line.slot) + " of " + line.name +
                               " does not match the league file");
            continue;
        }
        stored.teePlayed = line.round.teePlayed;
        stored.asPlayed = line.round.asPlayed;
        stored.rawDifferential = line.round.rawDifferential;
        stored.exceptionalCut = line.round.exceptionalCut;
        stored.noIndex = line.round.noIndex;
    }
    for (int p = 1; p <= data.playerCount; ++p) {
        auto& earlier = data.players[p].earlier;
        std::stable_sort(earlier.begin(), earlier.end(),
                         [](const RoundRecord& a, const RoundRecord& b) { return dayKey(a) < dayKey(b); });
    }
    return problems;
}

LoadResult LoadRoundRecord(LeagueData& data, platform::Dialogs& dialogs) {
    data.recordStartNote.clear();
    std::string name = RecordFileName(data.leagueFileName);
    std::error_code ec;
    if (!std::filesystem::exists(findDataFile(name), ec)) {
        if (data.options.rules != HandicapRules::WHS) return {};
        const RoundRecord* first = nullptr;
        for (int p = 1; p <= data.playerCount; ++p) {
            const PlayerRecord& player = data.players[p];
            for (int r = 1; r <= player.roundCount; ++r)
                if (!first || dayKey(player.rounds[r]) < dayKey(*first)) first = &player.rounds[r];
        }
        if (first) {
            data.recordStartNote = "the index history starts on " +
                                   dates::ShortDate(data.settings.dateOrder, first->month, first->day, first->year);
        }
        return {};
    }
    std::vector<RecordLine> lines;
    LoadResult result = loadDataFile(name, [&](LineReader& in) { parse(lines, in); });
    if (result.ok) {
        ApplyRoundRecord(data, lines);
    } else {
        std::string text = platform::joinLines(
            {"Unable to read the round record in " + name + ";", "it starts again from the stored rounds."});
        dialogs.message({withCopyNote(text, result), "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
    }
    return result;
}

std::optional<FileWrite> RoundRecordWrite(const LeagueData& data) {
    std::filesystem::path file = findDataFile(RecordFileName(data.leagueFileName));
    bool anything = false;
    for (int p = 1; p <= data.playerCount && !anything; ++p) {
        const PlayerRecord& player = data.players[p];
        anything = !player.earlier.empty();
        for (int r = 1; r <= player.roundCount && !anything; ++r)
            anything = player.rounds[r].teePlayed != 0 || player.rounds[r].hasAsPlayed();
    }
    // A league that never kept a tee or a score as played gets no record until it does.
    std::error_code ec;
    if (!anything && !std::filesystem::exists(file, ec)) return std::nullopt;
    return FileWrite{file, FormatRoundRecord(data)};
}

std::vector<int> HoleScoresAsPlayed(const LeagueData& data, int player, int slot) {
    if (player < 1 || player > data.playerCount) return {};
    const PlayerRecord& who = data.players[player];
    if (slot < 1 || slot > who.roundCount || !who.rounds[slot].hasAsPlayed()) return {};
    return std::vector<int>(who.rounds[slot].asPlayed.begin() + 1, who.rounds[slot].asPlayed.begin() + 1 + kHoles);
}

}  // namespace quorval::store
