#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/filestamp.hpp"

// Everything the program knows while it runs. Arrays are indexed from 1: slot 0 exists and holds
// nothing (the listing reads the index of round slot 0 as "no index yet").
namespace quorval::store {

inline constexpr int kMaxPlayers = 100;
inline constexpr int kMaxRounds = 20;
inline constexpr int kHoles = 18;
inline constexpr int kHoleSlots = 20;  // holes 1..18, then the Out (19) and In (20) totals
inline constexpr int kOutSlot = 19;
inline constexpr int kInSlot = 20;
inline constexpr int kMaxCourses = 200;
inline constexpr int kCourseFields = 30;
inline constexpr int kMaxLeagues = 15;
inline constexpr int kMaxTeams = 100;
inline constexpr int kMaxTeamEntries = 150;
inline constexpr int16_t kLeagueFileMarker = 3000;

// The calendar year of a stored two-digit year: 85..99 are 19xx, 0..84 are 20xx.
inline constexpr int CalendarYear(int twoDigitYear) {
    return (twoDigitYear >= 85 ? 1900 : 2000) + twoDigitYear;
}

// Tee sets: the rating of tee t is course field 22 + t, its slope field 25 + t.
enum TeeColor : int16_t { kNoTee = 0, kRedTee = 1, kWhiteTee = 2, kBlueTee = 3 };

inline constexpr bool IsTee(int tee) {
    return tee >= kRedTee && tee <= kBlueTee;
}

// "Red", "White" or "Blue"; empty text for a number that is no tee.
inline constexpr std::string_view TeeName(int tee) {
    constexpr std::string_view names[] = {"", "Red", "White", "Blue"};
    return IsTee(tee) ? names[tee] : std::string_view();
}

// What the charts once called the tees ("Ladies", "Mens", "Pro"), kept in brackets beside the name.
inline constexpr std::string_view TeeOldName(int tee) {
    constexpr std::string_view names[] = {"", "Ladies", "Mens", "Pro"};
    return IsTee(tee) ? names[tee] : std::string_view();
}

// The tee a user typed: its name in any case or its number, blanks around either; kNoTee for
// anything else.
int TeeFromText(std::string_view text);

using HoleValues = std::array<int16_t, kHoleSlots + 1>;

struct RoundRecord {
    float differential = 0;
    int16_t month = 0;
    int16_t day = 0;
    int16_t year = 0;  // two digits: 85..99 are 1985..1999, 0..84 are 2000..2084
    float handicapIndex = 0;
    float courseHandicap = 0;
    int16_t course = 0;
    HoleValues score{};
    HoleValues fairway{};
    HoleValues green{};
    HoleValues putts{};
    // Kept in the round record beside the league file, never in the league file itself. A round
    // stored before the record existed knows neither: tee 0, scores as played all 0.
    int16_t teePlayed = 0;
    HoleValues asPlayed{};  // the hole scores before the hole limits, nine totals in 19 and 20
    // Under the World Handicap System rules: the differential before any exceptional-score
    // reduction, and the reduction this score itself made (tenths: 0, 10 or 20).
    float rawDifferential = 0;
    int16_t exceptionalCut = 0;
    bool noIndex = false;  // too few holes yet: the index after this round is none

    int gross() const { return score[kOutSlot] + score[kInSlot]; }
    bool hasAsPlayed() const { return asPlayed[kOutSlot] != 0 || asPlayed[kInSlot] != 0; }
    // The gross as played where the record knows it, else the one stored.
    int playedGross() const { return hasAsPlayed() ? asPlayed[kOutSlot] + asPlayed[kInSlot] : gross(); }
    // Entered with fairways, greens and putts: the nine totals of those are kept in slots 19, 20.
    bool hasPerformanceData() const {
        return putts[kOutSlot] > 0 || putts[kInSlot] > 0 || fairway[kOutSlot] > 0 || fairway[kInSlot] > 0;
    }
    bool operator==(const RoundRecord&) const = default;
};

struct PlayerRecord {
    std::string name;
    int16_t tee = 0;
    int16_t roundCount = 0;
    std::array<RoundRecord, kMaxRounds + 1> rounds{};
    int16_t team = 0;
    int16_t selected = 0;  // marked for the job at hand (score entry, cards), never stored
    // The round of his the Most Recent view of the listing shows (its cursor), never stored.
    int16_t shownRound = 0;
    // World Handicap System leagues: the scores of the round record older than the 20 stored
    // rounds, oldest first. Kept in the round record file only.
    std::vector<RoundRecord> earlier{};

    // The index after the most recent round (0 before the first one).
    float currentIndex() const { return rounds[roundCount].handicapIndex; }
    // The tee a round was played from; his own for a round stored before the tee played was kept.
    int teePlayed(const RoundRecord& round) const { return round.teePlayed != 0 ? round.teePlayed : tee; }
};

// A course is 30 text fields; numbers in it are read with the leading-number parse where used.
namespace course_field {
inline constexpr int kName = 1;
inline constexpr int kParOut = 2;
inline constexpr int kParIn = 3;
inline constexpr int kParTotal = 4;
inline constexpr int kHolePar0 = 4;  // par of hole h is field 4 + h
inline constexpr int kRating0 = 22;  // rating of tee t is field 22 + t
inline constexpr int kSlope0 = 25;   // slope of tee t is field 25 + t
inline constexpr int kInitials = 29;
inline constexpr int kReserved = 30;
}  // namespace course_field

using CourseRecord = std::array<std::string, kCourseFields + 1>;

// The stroke index of holes 1..18 (slot 0 unused); all 0 for a course that has none. They live
// in a side file, so the course file keeps its layout.
using StrokeIndexes = std::array<int16_t, 19>;

inline bool HasStrokeIndexes(const StrokeIndexes& si) {
    return si[1] != 0;
}

// The rules a league computes handicaps by, from the league's options file.
enum class HandicapRules : int16_t { Classic, WHS };

// How league matches are scored: points per hole won, per halved hole to each player, to the
// lower net total of a pairing, to the team whose pairings' nets add up lower.
struct PlayOptions {
    double holePoints = 1;
    double halvePoints = -1;  // negative: half of holePoints
    double matchPoints = 1;
    double teamTotalPoints = 0;
    int16_t allowance = 100;  // percent of the course handicap a match is played off, 1..100
    bool forfeitAll = true;   // a forfeit wins every hole and the match points; else nothing
    double halve() const { return halvePoints < 0 ? holePoints / 2 : halvePoints; }
    bool operator==(const PlayOptions&) const = default;
};

struct LeagueOptions {
    HandicapRules rules = HandicapRules::Classic;
    int16_t allowance = 100;  // percent of the course handicap played off, 1..100
    // Stableford points for a net albatross, eagle, birdie, par, bogey, double bogey or worse.
    std::array<int16_t, 6> stablefordPoints{5, 4, 3, 2, 1, 0};
    bool skinsCarry = false;  // a tied hole's skin goes on to the next hole
    int32_t skinsBuyIn = 0;   // cents each player puts in the skins pot
    std::string currency{};   // put before amounts of money; none by default
    PlayOptions play{};
    bool operator==(const LeagueOptions&) const = default;
};

struct TeamEntry {
    std::string description;
    float keptTotal = 0;
    float points = 0;
    bool operator==(const TeamEntry&) const = default;
};

// The settings file stores the hole-score limits as 5 when on, not 1.
inline constexpr int16_t kEscOn = 5;

// How the user writes a date: month/day/year, day/month/year or year-month-day. Only what is shown
// and typed follows it; the data files keep their own fixed forms.
enum class DateOrder : int16_t { kMonthDayYear, kDayMonthYear, kYearMonthDay };

struct Settings {
    int16_t equitableCheck = 0;  // kEscOn or 0
    int16_t averageCheck = 0;
    float cardHorizontalOffset = 0;
    float cardVerticalOffset = 0;
    float cardVerticalScaling = 1.0f;
    float hcpFactor = 0.96f;
    std::string printFont = "Courier New";
    int16_t nineHoleOption = 1;  // 1 double nine-hole scores, 2 halve the rating, 3 nine-hole ratings
    int16_t hcpLimitCheck = 0;
    int16_t dateRemindCheck = 0;
    std::string settingsFilePath;
    std::string pdfFolder;  // where "Save as PDF" saved last; empty until it has
    // How the main window was left (a width of 0: never saved) and what start-up does.
    int windowLeft = 0;
    int windowTop = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    int16_t listingView = 1;     // the VIEW item checked: 1 most recent, 2 by date, 3 one player
    int16_t openLastLeague = 1;  // 1: the league opened last opens again after the splash
    std::string backupFolder;    // where the last backup went, offered again next time
    DateOrder dateOrder = DateOrder::kMonthDayYear;
};

struct LeagueRegistry {
    int16_t leagueCount = 0;
    std::array<std::string, kMaxLeagues + 1> leagueFiles{};
    int16_t currentLeague = 0;  // 0-based item of the league list menu
};

struct TeamPart {
    int16_t teamCount = 0;
    std::array<std::string, kMaxTeams + 1> teamNames{};
    int16_t currentTeam = 0;
    int16_t teamsInUse = 0;
    std::array<int16_t, kMaxTeams + 1> teamEntryCount{};
    // A slot's entries past its entry count are always blank, so that emptying the part touches
    // only the entries in use.
    std::array<std::array<TeamEntry, kMaxTeamEntries + 1>, kMaxTeams + 1> teamEntries{};
    bool operator==(const TeamPart&) const = default;
};

struct LeagueData {
    // The open league.
    int16_t playerCount = 0;
    std::string leagueFileName;
    std::array<PlayerRecord, kMaxPlayers + 1> players{};
    // The league file as it was read or last written, to notice a change made outside the program.
    FileStamp leagueFileStamp;
    // Likewise the team file, the course file and the registry.
    FileStamp teamFileStamp;
    FileStamp courseFileStamp;
    FileStamp registryStamp;
    // And the side files: the league's options, the stroke indexes, the user's settings.
    FileStamp optionsFileStamp;
    FileStamp strokeIndexFileStamp;
    FileStamp settingsFileStamp;
    // The team file failed to load: saving over it would lose what could not be read.
    bool teamFileUnreadable = false;
    LeagueOptions options;
    // The league had no round record: it was built from the stored rounds on loading, and the
    // next posting says where the index history starts.
    std::string recordStartNote;

    // Courses shared by all leagues.
    int16_t courseCount = 0;
    std::array<CourseRecord, kMaxCourses + 1> courses{};
    std::array<StrokeIndexes, kMaxCourses + 1> strokeIndexes{};
    bool courseEditMode = false;  // the course window is editing an existing course

    Settings settings;
    LeagueRegistry registry;
    // Another program holds the data folder: nothing in it may be written.
    bool readOnly = false;
    std::array<std::string, 13> monthNames{};
    TeamPart teams;

    // Working values that the windows hand to each other.
    int16_t currentPlayer = 0;
    int16_t currentCourse = 0;
};

// Empties the player part: no players, every slot blank. The selection marks stay as they are.
void ClearLeagueData(LeagueData& data);

// Empties the team part: no teams, no entries, no player on a team. Opening a league calls it.
void ResetTeamPart(LeagueData& data);

void FillMonthNames(LeagueData& data);

// The month's name, or empty text for a value that is no month.
const std::string& MonthName(const LeagueData& data, int month);

// The team file belongs to the league file: "Fall.LGE" keeps its teams in "Fall.tea".
std::string TeamFileName(const std::string& leagueFileName);

// The league's options sit beside its file: "Fall.LGE" keeps them in "Fall.cfg".
std::string OptionsFileName(const std::string& leagueFileName);

// The round record belongs to the league file: "Fall.LGE" keeps it in "Fall.hix".
std::string RecordFileName(const std::string& leagueFileName);

// The lowest-numbered player marked for the job at hand (score entry, card printing); 0 when none
// is marked. The jobs clear each mark as they take the player, so this walks the marked players.
int FirstMarkedPlayer(const LeagueData& data);

}  // namespace quorval::store
