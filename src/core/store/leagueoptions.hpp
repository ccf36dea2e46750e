#pragma once

#include <string>
#include <string_view>

#include "platform/dialogs.hpp"
#include "store/datafile.hpp"
#include "store/leaguedata.hpp"

// The league's options file beside its league file, in INI form:
//   [Handicap]
//   Rules=Classic|WHS
//   Allowance=1..100
//   [Stableford]
//   Points=5,4,3,2,1,0      (net albatross .. net double bogey or worse)
//   [Skins]
//   Ties=none|carry
//   BuyIn=5.00
//   Currency=$
//   [Play]
//   HolePoints=1, HalvePoints=0.5, MatchPoints=1, TeamTotalPoints=0, Allowance=100, Forfeit=all|none
// A league without the file keeps the classic rules at 100 percent.
namespace quorval::store {

// Reads the options; on failure `options` keeps the defaults.
LoadResult ParseLeagueOptions(LeagueOptions& options, std::string_view text);
std::string FormatLeagueOptions(const LeagueOptions& options);

// Reads the options of data.leagueFileName into data.options. A missing file gives the defaults
// and no message; an unreadable one is kept aside, shown to the user, and gives the defaults.
LoadResult LoadLeagueOptions(LeagueData& data, platform::Dialogs& dialogs);

// Writes data.options atomically beside the league file.
bool SaveLeagueOptions(LeagueData& data, platform::Dialogs& dialogs);

// Sets one [Play] option from its text; the reason when the value is refused, else empty text.
std::string SetPlayOption(PlayOptions& play, std::string_view key, std::string_view value);

// Points as the files and the command line write them: a plain decimal, "4.5", "1".
std::string PointsText(double points);

// "Classic" or "WHS", as the file and the command line name the rules.
const char* RulesName(HandicapRules rules);

}  // namespace quorval::store
