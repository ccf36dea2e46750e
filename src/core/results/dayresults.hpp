#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// The results of one day of play: every round played on the date, ranked by net score, with the
// nine-hole rounds in a section of their own. The printed sheet, the window of the By Date view
// and the league pages all show this one ranking.
namespace quorval::results {

struct PlayDate {
    int month = 0;
    int day = 0;
    int year = 0;  // two digits, as the rounds keep it
    bool operator==(const PlayDate&) const = default;
};

// "06/02/26" (or "02/06/26", "2026-06-02" in the other orders), as the listing shows dates.
std::string DateText(const PlayDate& date, store::DateOrder order);
// Reads a date in the order or as YYYY-MM-DD (one-digit parts allowed); nothing for anything else
// or for a day that does not exist.
std::optional<PlayDate> ParseDate(const std::string& text, store::DateOrder order);
// Every date with a round in the league, oldest first.
std::vector<PlayDate> DatesPlayed(const store::LeagueData& data);
// The date of the listing's date key, taken from a round that has it.
std::optional<PlayDate> DateOfKey(const store::LeagueData& data, int key);

struct Result {
    int player = 0;
    int slot = 0;
    std::string name;
    int out = 0;
    int in = 0;
    int gross = 0;
    int courseHandicap = 0;  // the one the net is taken with
    std::string handicap;    // courseHandicap with the sign the league's rules give a plus handicap
    int net = 0;
    int place = 0;  // shared by equal nets
    bool tied = false;
};

struct DayResults {
    PlayDate date;
    std::vector<std::string> courses;  // names of the courses played, in order of first use
    std::vector<Result> eighteen;      // ranked
    std::vector<Result> nine;          // ranked among themselves
    // The lowest gross and net of the day (of the 18-hole rounds, or of the nine-hole rounds
    // when nobody played eighteen); every player sharing the lowest is named.
    std::vector<std::string> lowGrossNames;
    int lowGross = 0;
    std::vector<std::string> lowNetNames;
    int lowNet = 0;

    bool empty() const { return eighteen.empty() && nine.empty(); }
};

DayResults ResultsOfDay(const store::LeagueData& data, const PlayDate& date);

// "1", or "T3" for a place shared with others.
std::string PlaceText(const Result& result);
// "Low gross: Al 78   Low net: Bo, Cy 68", or nothing on a day without rounds.
std::string LowLine(const DayResults& results);

// The sheet as fixed-pitch text lines below the page heading: the low line (two when long names
// make it too long for the page), the table of the 18-hole rounds and, when there are any, the
// nine-hole section. The name column is as wide as the longest name up to 50 characters.
std::vector<std::string> ResultLines(const DayResults& results);

struct ResultsOptions {
    PlayDate date;
};

inline constexpr int kResultLinesPerPage = 52;

// The printed results of a day, portrait: on every page the league name, the date and the
// courses; a sheet of several pages has "Page N of M" in each page's footer. False, and nothing printed, when nobody
// played on that date.
bool PrintResults(platform::Printer& printer, const store::LeagueData& data, const ResultsOptions& options);

}  // namespace quorval::results
