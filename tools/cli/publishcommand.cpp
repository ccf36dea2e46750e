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
    store::LoadSettingsFile(data);
    store::LoadLeagueRegistry(data, ctx.dialogs);
    data.leagueFileName = LeagueFileOf(args[0]);
    if (!store::LoadLeagueFile(data, ctx.dialogs).ok) return kFailed;
    store::LoadCourseFile(data, ctx.dialogs);
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
