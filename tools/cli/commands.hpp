#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/dialogs.hpp"
#include "platform/seams.hpp"
#include "store/datafile.hpp"
#include "store/folderlock.hpp"
#include "store/leaguedata.hpp"

namespace quorval::cli {

inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;
inline constexpr int kLocked = 3;  // another program holds the data folder; nothing was changed

struct Context {
    store::LeagueData& data;
    platform::Dialogs& dialogs;
    std::ostream& out;
    std::ostream& err;
    platform::Clock& clock;  // dates the export
    // The order dates are typed in (the user's; YYYY-MM-DD always reads too). With --iso the
    // loaded settings show every date as YYYY-MM-DD instead, for scripts.
    store::DateOrder typedOrder = store::DateOrder::kMonthDayYear;
    bool iso = false;
};

using Args = std::vector<std::string>;

int RunCheck(Context& ctx, const Args& args);
int RunResave(Context& ctx, const Args& args);
int RunListing(Context& ctx, const Args& args);
int RunPost(Context& ctx, const Args& args);
int RunDeleteRound(Context& ctx, const Args& args);
int RunDemo(Context& ctx, const Args& args);
int RunExport(Context& ctx, const Args& args);
int RunCsv(Context& ctx, const Args& args);
int RunImport(Context& ctx, const Args& args);

// Takes the data folder's lock, waiting up to 5 seconds for a program that holds it; when it
// stays held, tells who holds it and returns false.
bool TakeFolderLock(store::FolderLock& lock, std::ostream& err);
int RunRules(Context& ctx, const Args& args);
int RunStrokeIndex(Context& ctx, const Args& args);

// For check: each writes what is wrong with the stroke index file or the open league's options
// file and returns whether nothing was.
bool CheckSideFiles(Context& ctx);
bool CheckLeagueOptions(Context& ctx);
int RunPublish(Context& ctx, const Args& args);
int RunPlay(Context& ctx, const Args& args);
int RunMatches(Context& ctx, const Args& args);
int RunStandings(Context& ctx, const Args& args);
int RunSchedule(Context& ctx, const Args& args);
// Whether the schedule command's arguments change the schedule.
bool ScheduleWrites(const Args& args);
// For check: writes what is wrong with the open league's schedule file; false when anything is.
bool CheckSchedule(Context& ctx);
int RunSkins(Context& ctx, const Args& args);
int RunStableford(Context& ctx, const Args& args);
// restore BACKUPDIR [--dry-run]: every file of the backup is loaded first; nothing is written
// unless all load.
int RunRestore(Context& ctx, const Args& args);
// date-order [mdy|dmy|ymd]: shows or sets the user's date order in the settings file.
int RunDateOrder(Context& ctx, const Args& args);
// "MM/DD/YY" in a usage text written in the user's order, and a line saying which order is in force.
std::string UsageInOrder(const std::string& usage, store::DateOrder order);

// The league file of a league name: "Fall" is kept in "Fall.LGE".
std::string LeagueFileOf(const std::string& league);

// Loads what the program loads before it shows a league: settings, registry, the league and the
// courses. False, with the reason told, when any of them fails to load or the name would lead
// outside the data folder.
bool LoadLeagueForCommand(Context& ctx, const std::string& league);

// Loads just the options of a league, for the commands that show or set them: the name must be safe
// and the league file must exist. False, with the reason told, when not, or the options do not load.
bool LoadLeagueOptionsForCommand(Context& ctx, const std::string& league);

// For check: reads the data file NAME with PARSE and writes what is wrong with it; a file that is not
// there is fine. False when it does not read.
bool CheckDataFile(Context& ctx, const std::string& name,
                   const std::function<store::LoadResult(const std::string&)>& parse);

}  // namespace quorval::cli
