// publish: the league's pages for the players, written into a folder.
#include "cli/commands.hpp"
#include "publish/site.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"

namespace quorval::cli {

int RunPublish(Context& ctx, const Args& args) {
    if (args.size() != 2) return kUsage;
    store::LeagueData& data = ctx.data;
    // The same loads and name check as every other command: pages of default settings or without
    // courses would be wrong pages.
    if (!LoadLeagueForCommand(ctx, args[0])) return kFailed;
    store::LoadTeamAssignments(data);
    publish::PublishResult result = publish::PublishSite(data, args[1]);
    if (!result.ok) {
        ctx.err << "quorval-cli: " << result.problem << '\n';
        return kFailed;
    }
    for (const std::string& name : result.written) ctx.out << "wrote " << name << '\n';
    for (const std::string& name : result.removed) ctx.out << "removed " << name << '\n';
    return kOk;
}

}  // namespace quorval::cli
