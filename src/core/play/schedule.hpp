#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/leaguedata.hpp"
#include "store/schedulefile.hpp"

// The season schedule: round-robin matchups by the circle method, byes, rain-outs, swaps, edits
// and substitutes, and the schedule as the roster stands today.
namespace quorval::play {

using store::Date;
using store::Schedule;
using store::SideKind;
using store::TeePlan;

// What changed, or why nothing did. A change that went through may still carry a warning.
struct Outcome {
    bool ok = true;
    std::string message;
};

struct MakeRequest {
    Date start{};
    int weeks = 0;
    int every = 7;
    std::vector<Date> skips{};
    SideKind kind = SideKind::Teams;
    TeePlan tees{};
};

// The sides the league would play as: its teams (each with at least one player) or its players.
Outcome LeagueSides(const store::LeagueData& data, SideKind kind, std::vector<store::ScheduledSide>& sides);

// The rounds of the circle method for n sides: n-1 rounds (n rounds when n is odd), each a list of
// (home, away) side indexes; an away of -1 is the home side's bye, listed last.
std::vector<std::vector<std::pair<int, int>>> CircleRounds(int n);

// The week dates: from start every `every` days, passing over the skipped dates.
std::vector<Date> WeekDates(Date start, int weeks, int every, const std::vector<Date>& skips);

Outcome MakeSchedule(const store::LeagueData& data, const MakeRequest& request, Schedule& schedule);

// Moves the matchups (and substitutes) of the date to one new week after the last.
Outcome RainOutDate(Schedule& schedule, Date date, store::DateOrder order);

// Swaps the matchups at two places (0-based, in tee order, byes included) of a date.
Outcome SwapMatchups(Schedule& schedule, Date date, int first, int second, store::DateOrder order);

// Sets the matchup at a place of the date; an empty away makes it a bye. Sides are named as they
// are named today or in the schedule. Warns when a side now plays twice on the date.
Outcome EditMatchup(Schedule& schedule, const store::LeagueData& data, Date date, int place, std::string_view home,
                    std::string_view away);

// Player `byName` plays for player `forName` on the date; replaces an earlier substitute for them.
Outcome AddSubstitute(Schedule& schedule, const store::LeagueData& data, Date date, std::string_view forName,
                      std::string_view byName);
Outcome RemoveSubstitute(Schedule& schedule, Date date, std::string_view forName, store::DateOrder order);

// One matchup as the roster stands today.
struct Matchup {
    int week = 0;
    Date date{};
    std::string home;  // the side's name today, or "(removed)"
    std::string away;  // likewise; empty for a bye
    int homeSlot = 0;  // the team or player slot today, 0 when removed
    int awaySlot = 0;
    bool bye = false;  // no match: a bye, or a side that no longer exists
    std::string tee;   // "17:20", "Hole 3", or empty (byes, no tee plan)
};

inline constexpr const char* kRemovedSide = "(removed)";

// The dates that have matchups, in order.
std::vector<Date> ScheduledDates(const Schedule& schedule);
std::vector<Matchup> MatchupsOn(const Schedule& schedule, const store::LeagueData& data, Date date);
// Substitutes of the date, players named as entered.
std::vector<store::Substitute> SubstitutesOn(const Schedule& schedule, Date date);
// The side names listed more than once on the date (a bye included).
std::vector<std::string> SidesPlayingTwice(const Schedule& schedule, const store::LeagueData& data, Date date);
// The rain-out that moved the date's matchups away, if one did.
std::optional<Date> RainedOutTo(const Schedule& schedule, Date date);

// The schedule date by date as the window and the command line show it: a heading line per date,
// a line per matchup, bye and substitute, a line per rain-out. A matchup's line knows its place.
struct ScheduleLine {
    std::string text;
    Date date{};
    int place = -1;  // the matchup's place on its date; -1 for the other lines
};
std::vector<ScheduleLine> ScheduleLines(const Schedule& schedule, const store::LeagueData& data);
// week,date,side_a,side_b,tee: one row per matchup by date and tee, byes after ("BYE", no tee).
std::string ScheduleCsv(const Schedule& schedule, const store::LeagueData& data);
// "12 teams, every 7 days, first tee 17:00, every 10 minutes"
std::string ScheduleSummary(const Schedule& schedule);

// A tee time or starting hole by place among the date's real matchups.
std::string TeeText(const TeePlan& tees, int place);
std::string TeePlanText(const TeePlan& tees);

// Dates as the user writes them (MM/DD/YY, DD/MM/YY or YYYY-MM-DD); YYYY-MM-DD is always read.
std::string ShortDate(Date date, store::DateOrder order);
std::optional<Date> ParseShortDate(std::string_view text, store::DateOrder order);
// "HH:MM" to minutes after midnight.
std::optional<int> ParseClock(std::string_view text);

}  // namespace quorval::play
