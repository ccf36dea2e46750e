#include <filesystem>

#include "cli/commands.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"

namespace quorval::cli {

namespace {

bool report(Context& ctx, const std::string& file, const store::LoadResult& result) {
    if (result.ok) return true;
    ctx.out << store::findDataFile(file).string() << ": " << result.problem;
    if (!result.keptCopy.empty()) ctx.out << " (kept a copy as " << result.keptCopy << ")";
    ctx.out << '\n';
    return false;
}

}  // namespace

std::string LeagueFileOf(const std::string& league) {
    return league + ".LGE";
}

int RunCheck(Context& ctx, const Args& args) {
    if (!args.empty()) return kUsage;
    store::LeagueData& data = ctx.data;
    bool clean = report(ctx, store::kRegistryFileName, store::LoadLeagueRegistry(data, ctx.dialogs));
    clean &= report(ctx, store::kCourseFileName, store::LoadCourseFile(data, ctx.dialogs));
    clean &= CheckSideFiles(ctx);
    for (int k = 1; k <= data.registry.leagueCount; ++k) {
        data.leagueFileName = LeagueFileOf(data.registry.leagueFiles[k]);
        clean &= report(ctx, data.leagueFileName, store::LoadLeagueFile(data, ctx.dialogs));
        clean &= CheckLeagueOptions(ctx);
        std::string teamFile = store::TeamFileName(data.leagueFileName);
        std::error_code ec;
        if (std::filesystem::exists(store::findDataFile(teamFile), ec)) {
            store::ResetTeamPart(data);
            clean &= report(ctx, teamFile, store::LoadTeamFile(data));
        }
    }
    return clean ? kOk : kFailed;
}

int RunResave(Context& ctx, const Args& args) {
    if (args.size() != 1) return kUsage;
    ctx.data.leagueFileName = LeagueFileOf(args[0]);
    store::LoadResult loaded = store::LoadLeagueFile(ctx.data, ctx.dialogs);
    if (!loaded.ok) {
        report(ctx, ctx.data.leagueFileName, loaded);
        ctx.err << "quorval-cli: " << ctx.data.leagueFileName << " was not written\n";
        return kFailed;
    }
    return store::SaveLeagueFile(ctx.data, ctx.dialogs) ? kOk : kFailed;
}

}  // namespace quorval::cli
