#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

namespace quorval::cli {

inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kUsage = 2;

struct Context {
    store::LeagueData& data;
    platform::Dialogs& dialogs;
    std::ostream& out;
    std::ostream& err;
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
int RunPublish(Context& ctx, const Args& args);

// The league file of a league name: "Fall" is kept in "Fall.LGE".
std::string LeagueFileOf(const std::string& league);

}  // namespace quorval::cli
