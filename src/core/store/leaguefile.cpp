#include "store/leaguefile.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "store/atomicsave.hpp"
#include "store/leagueoptions.hpp"
#include "store/namecheck.hpp"
#include "store/outsidechange.hpp"
#include "store/roundrecordfile.hpp"
#include "store/trackedsave.hpp"
#include "text/numbers.hpp"

namespace quorval::store {

// The quick file routes read and write whole words of bytes in little-endian order.
static_assert(std::endian::native == std::endian::little);

namespace {

// The most a round's lines can take: three floats and 4 + 4 * 20 whole numbers of 16 bits.
constexpr size_t kIntLineMax = 9;  // "-32768 " and CR LF
constexpr size_t kFloatLineMax = text::kMaxFileNumber + 2;
constexpr size_t kRoundMax = 3 * kFloatLineMax + (4 + kHoleSlots * 4) * kIntLineMax;

void readRound(LineReader& in, RoundRecord& round, bool withStatistics) {
    round.differential = in.number("differential");
    round.month = in.int16("month");
    round.day = in.int16("day");
    round.year = in.int16("year");
    round.handicapIndex = in.number("handicap index");
    round.courseHandicap = in.number("course handicap");
    round.course = in.int16In("course slot", 0, kMaxCourses);
    for (int h = 1; h <= kHoleSlots; ++h) {
        round.score[h] = in.int16("score");
        if (withStatistics) {
            round.fairway[h] = in.int16("fairway");
            round.green[h] = in.int16("green");
            round.putts[h] = in.int16("putts");
        }
    }
}

void readPlayer(LineReader& in, PlayerRecord& player, bool withStatistics) {
    player.name = std::string(in.line());
    player.tee = in.int16In("tee", kNoTee, kBlueTee);
    player.roundCount = in.int16In("round count", 0, kMaxRounds);
    for (int r = 1; r <= kMaxRounds; ++r) readRound(in, player.rounds[r], withStatistics);
}

void parse(LeagueData& data, LineReader& in) {
    int16_t first = in.int16("player count");
    bool current = first == kLeagueFileMarker;
    int16_t count = current ? in.int16("player count") : first;
    int countLine = in.lineNumber();
    if (count < 0) throw FormatError(countLine, "player count " + std::to_string(count) + " is negative");
    data.playerCount = std::min<int16_t>(count, kMaxPlayers);
    for (int p = 1; p <= data.playerCount; ++p) readPlayer(in, data.players[p], current);
    if (count > kMaxPlayers) {
        throw FormatError(countLine,
                          "player count " + std::to_string(count) + " is more than " + std::to_string(kMaxPlayers));
    }
    // A count too low would drop the players after it at the next save.
    while (!in.atEnd()) {
        if (in.line().find_first_not_of(" \t") != std::string_view::npos) {
            throw FormatError(in.lineNumber(), "lines are left over after the " + std::to_string(count) +
                                                   " players the player count announces");
        }
    }
}

// Nearly every value of a round is below 100: its line, " 4 " or " 12 " and CR LF, is stored as
// one word, looked up in a table so the common value costs no branch beyond the range check. The
// buffer keeps a word's room past the longest round for it.
struct SmallLines {
    uint64_t word[100];
    uint8_t length[100];
};

constexpr SmallLines makeSmallLines() {
    SmallLines lines{};
    for (uint64_t value = 0; value < 100; ++value) {
        if (value < 10) {
            lines.word[value] = 0x0A0D200020ULL | ('0' + value) << 8;
            lines.length[value] = 5;
        } else {
            lines.word[value] = 0x0A0D20000020ULL | ('0' + value / 10) << 8 | ('0' + value % 10) << 16;
            lines.length[value] = 6;
        }
    }
    return lines;
}

constexpr SmallLines kSmallLines = makeSmallLines();

char* intLine(char* p, int16_t value) {
    if (static_cast<uint16_t>(value) < 100) {
        std::memcpy(p, &kSmallLines.word[value], sizeof(uint64_t));
        return p + kSmallLines.length[value];
    }
    p = text::writeFileInt(p, value);
    *p++ = '\r';
    *p++ = '\n';
    return p;
}

char* floatLine(char* p, float value) {
    p = text::writeFileFloat(p, value);
    *p++ = '\r';
    *p++ = '\n';
    return p;
}

// A round's lines are put together in a buffer of their own and added to the text at once.
void writeRoundFast(std::string& out, const RoundRecord& round) {
    char buffer[kRoundMax + sizeof(uint64_t)];
    char* p = floatLine(buffer, round.differential);
    p = intLine(p, round.month);
    p = intLine(p, round.day);
    p = intLine(p, round.year);
    p = floatLine(p, round.handicapIndex);
    p = floatLine(p, round.courseHandicap);
    p = intLine(p, round.course);
    for (int h = 1; h <= kHoleSlots; ++h) {
        p = intLine(p, round.score[h]);
        p = intLine(p, round.fairway[h]);
        p = intLine(p, round.green[h]);
        p = intLine(p, round.putts[h]);
    }
    out.append(buffer, p);
}

void writeRoundGeneral(std::string& out, const RoundRecord& round) {
    auto floatLine = [&](float value) {
        text::appendFileFloatGeneral(out, value);
        endLine(out);
    };
    floatLine(round.differential);
    appendIntLine(out, round.month);
    appendIntLine(out, round.day);
    appendIntLine(out, round.year);
    floatLine(round.handicapIndex);
    floatLine(round.courseHandicap);
    appendIntLine(out, round.course);
    for (int h = 1; h <= kHoleSlots; ++h) {
        appendIntLine(out, round.score[h]);
        appendIntLine(out, round.fairway[h]);
        appendIntLine(out, round.green[h]);
        appendIntLine(out, round.putts[h]);
    }
}

}  // namespace

LoadResult ParseLeague(LeagueData& data, std::string_view text, Conversions conversions) {
    ClearLeagueData(data);
    return parseText(
        text, [&](LineReader& in) { parse(data, in); }, conversions);
}

std::string FormatLeague(const LeagueData& data, Conversions conversions) {
    // Room for the longest text these players can make, so the text is never copied as it grows.
    size_t size = 2 * kIntLineMax;
    for (int p = 1; p <= data.playerCount; ++p) size += data.players[p].name.size() + 2 + 2 * kIntLineMax;
    size += static_cast<size_t>(std::max<int>(data.playerCount, 0)) * kMaxRounds * kRoundMax;
    std::string out;
    out.reserve(size);
    appendIntLine(out, kLeagueFileMarker);
    appendIntLine(out, data.playerCount);
    for (int p = 1; p <= data.playerCount; ++p) {
        const PlayerRecord& player = data.players[p];
        appendLine(out, player.name);
        appendIntLine(out, player.tee);
        appendIntLine(out, player.roundCount);
        for (int r = 1; r <= kMaxRounds; ++r) {
            if (conversions == Conversions::Fast) {
                writeRoundFast(out, player.rounds[r]);
            } else {
                writeRoundGeneral(out, player.rounds[r]);
            }
        }
    }
    return out;
}

LoadResult LoadLeagueFile(LeagueData& data, platform::Dialogs& dialogs) {
    ClearLeagueData(data);
    // Taken before the read: a change made while reading is then noticed at the next save.
    data.leagueFileStamp = StampOf(findDataFile(data.leagueFileName));
    LoadResult result = loadDataFile(data.leagueFileName, [&](LineReader& in) { parse(data, in); });
    if (!result.ok) {
        std::string name = findDataFile(data.leagueFileName).filename().string();
        // The first line says which file and why; the lines after it say where to look.
        std::string text = platform::joinLines(
            {data.leagueFileStamp.exists ? "The league file " + name + " could not be loaded: " + result.problem + "."
                                         : "The league file " + name + " is missing.",
             "Unable to load league file, please check the", "working directory specified by your launcher."});
        dialogs.message({withCopyNote(text, result), "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
    }
    LoadLeagueOptions(data, dialogs);
    if (result.ok) LoadRoundRecord(data, dialogs);
    return result;
}

bool SaveLeagueFile(LeagueData& data, platform::Dialogs& dialogs) {
    if (data.readOnly || data.leagueFileName.empty()) return false;
    std::filesystem::path file = findDataFile(data.leagueFileName);
    if (RefuseUnstorableText(PlayerNames(data), file.filename().string(), dialogs)) return false;
    TrackedSave save{file, &data.leagueFileStamp, [&] {
                         // What the other program left may not load either; then no league stays open to save.
                         if (!LoadLeagueFile(data, dialogs).ok) data.leagueFileName.clear();
                     }};
    save.write = [&] {
        dialogs.beginBusy("Saving League data, Please wait...");
        // The league file and its round record are replaced together: a kill leaves both old or both new.
        std::optional<FileWrite> record = RoundRecordWrite(data);
        std::string error = record ? replaceFilesTogether({{file, FormatLeague(data)}, *record})
                                   : writeFileAtomically(file, FormatLeague(data));
        dialogs.endBusy();
        return error;
    };
    save.failure = {"Error Creating League Record File"};
    return SaveTracked(save, dialogs);
}

}  // namespace quorval::store
