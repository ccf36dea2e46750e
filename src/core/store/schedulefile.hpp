#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.hpp"
#include "store/datafile.hpp"
#include "store/leaguedata.hpp"

// The league's season schedule beside its league file ("Fall.LGE" keeps it in "Fall.sch"), one
// line per setting, side, matchup, rain-out or substitute, fields apart by TABs:
//   Sides	Teams|Players
//   Every	7
//   Skip	2026-11-26
//   Tees	17:00	10     (or "Tees	Shotgun", or no line: no tee plan)
//   Side	3	Eagles     (the team or player slot when the schedule was made, and the name)
//   Match	1	2026-10-06	Eagles	Hawks     (week, date, home, away; an empty away is a bye)
//   Rainout	2026-10-13	2026-12-22
//   Sub	2026-10-06	Pat Doe	Lee Roe     (date, the player replaced, the substitute)
// Sides are named, not numbered, so that the schedule stays readable when the roster changes.
namespace quorval::store {

using Date = std::chrono::sys_days;

enum class SideKind { Teams, Players };
enum class TeeStart { None, Times, Shotgun };

struct TeePlan {
    TeeStart start = TeeStart::None;
    int firstMinute = 0;  // minutes after midnight of the first tee time
    int gapMinutes = 0;
    bool operator==(const TeePlan&) const = default;
};

struct ScheduledSide {
    int slot = 0;
    std::string name;
    bool operator==(const ScheduledSide&) const = default;
};

// Matchups of one date keep their tee order.
struct ScheduledMatch {
    int week = 0;
    Date date{};
    std::string home;
    std::string away;  // empty: home has a bye
    bool operator==(const ScheduledMatch&) const = default;
};

struct RainOut {
    Date from{};
    Date to{};
    bool operator==(const RainOut&) const = default;
};

struct Substitute {
    Date date{};
    std::string forPlayer;
    std::string byPlayer;
    bool operator==(const Substitute&) const = default;
};

struct Schedule {
    SideKind kind = SideKind::Teams;
    int every = 7;
    std::vector<Date> skips;
    TeePlan tees;
    std::vector<ScheduledSide> sides;
    std::vector<ScheduledMatch> matches;  // by date, then tee order
    std::vector<RainOut> rainOuts;
    std::vector<Substitute> substitutes;
    bool operator==(const Schedule&) const = default;
};

std::string ScheduleFileName(const std::string& leagueFileName);

// Reads a schedule; on failure `schedule` is left empty. Besides the layout the parser checks
// what the rest of the program relies on: matchups in date order, weeks of one date alike, sides
// that are listed, no side twice among the listed sides.
LoadResult ParseSchedule(Schedule& schedule, std::string_view text);
std::string FormatSchedule(const Schedule& schedule);

// Reads the schedule of data.leagueFileName. A missing file is an empty schedule and no message;
// an unreadable one is kept aside and shown to the user.
LoadResult LoadScheduleFile(const LeagueData& data, Schedule& schedule, platform::Dialogs& dialogs);
bool HasScheduleFile(const LeagueData& data);

bool SaveScheduleFile(const LeagueData& data, const Schedule& schedule, platform::Dialogs& dialogs);

// The file form of a date, 2026-10-06.
std::string FileDate(Date date);

}  // namespace quorval::store
