#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.hpp"
#include "platform/printer.hpp"
#include "store/leaguedata.hpp"

// The point record of each team: the lines of the points window, adding and removing entries, and
// the printed team summary. Teams are slots 1..teamCount of the team part.
namespace quorval::teams {

// "Team # 2 of 5", as both team windows show it.
std::string TeamNumberText(const store::LeagueData& data, int team);

// The team's members in slot order, joined by " , " and ending in the last name and one blank;
// empty for a team without members.
std::string MemberText(const store::LeagueData& data, int team);

// A number column of the team lists: blanks that right-align values up to 9999.9, then the value
// with one decimal.
std::string PointsColumn(float value);

// One line of the points window's list: the description padded to 61 characters, the kept total,
// three blanks, the points.
std::string EntryListLine(const store::TeamEntry& entry);

// The points window's list of the team's entries, oldest first.
std::vector<std::string> listinfo(const store::LeagueData& data, int team);

// The sum of the team's points, added up as the file holds them: in single precision.
float countpoints(const store::LeagueData& data, int team);

enum class AddOutcome {
    Beeped,  // neither a description nor points were typed
    Full,    // the team holds kMaxTeamEntries entries already; the user was told
    Added,
};

// Adds an entry at the end of the team's record. The two values are read as typed numbers: a text
// that does not start with one counts as 0.
AddOutcome AddTeamEntry(store::LeagueData& data, platform::Dialogs& dialogs, int team, const std::string& description,
                        const std::string& pointsText, const std::string& keptText);

// Removes the entries shown on the given list rows (0-based, in any order); the rest close up in
// their order. Returns how many were removed.
int RemoveTeamEntries(store::LeagueData& data, int team, const std::vector<int>& rows);

// Values typed but not added yet: asks whether to add them before the team changes or the window
// closes. True when the user wants them added. Nothing pending asks nothing.
bool checkfornewinfo(platform::Dialogs& dialogs, const std::string& pointsText, const std::string& keptText);

// The printed team summary: for every team a heading, optionally its members, its entries (all
// of them or only the latest) and a footer with the totals.
struct SummaryRun {
    bool names = false;
    bool lastEventOnly = false;
    int lineCount = 6;  // lines printed on the page so far, as the page breaks count them
};

void Teamheading(platform::Printer& printer, const store::LeagueData& data, int TM, SummaryRun& run);
void PrintTeamName(platform::Printer& printer, const store::LeagueData& data, int TM, SummaryRun& run);
void TeamEntries(platform::Printer& printer, const store::LeagueData& data, int TM, SummaryRun& run);
void TeamFooter(platform::Printer& printer, const store::LeagueData& data, int TM, SummaryRun& run);

// The whole job, portrait, with today's date in the title line.
void PrintTeamSummary(platform::Printer& printer, const store::LeagueData& data, bool names, bool lastEventOnly,
                      const std::string& date);

}  // namespace quorval::teams
