#include "cli/commands.hpp"
#include "store/leagueoptions.hpp"

namespace quorval::cli {

namespace {

void showPlayOptions(Context& ctx, const store::PlayOptions& play) {
    ctx.out << "HolePoints=" << store::PointsText(play.holePoints)
            << "\nHalvePoints=" << store::PointsText(play.halve())
            << "\nMatchPoints=" << store::PointsText(play.matchPoints)
            << "\nTeamTotalPoints=" << store::PointsText(play.teamTotalPoints) << "\nAllowance=" << play.allowance
            << "\nForfeit=" << (play.forfeitAll ? "all" : "none") << '\n';
}

}  // namespace

int RunPlay(Context& ctx, const Args& args) {
    if (args.empty() || args.size() % 2 == 0) return kUsage;
    store::LeagueData& data = ctx.data;
    if (!LoadLeagueOptionsForCommand(ctx, args[0])) return kFailed;
    static const std::pair<const char*, const char*> kFlags[] = {
        {"--hole", "HolePoints"},     {"--halve", "HalvePoints"},
        {"--match", "MatchPoints"},   {"--team-total", "TeamTotalPoints"},
        {"--allowance", "Allowance"}, {"--forfeit", "Forfeit"},
    };
    store::PlayOptions wanted = data.options.play;
    for (size_t i = 1; i + 1 < args.size(); i += 2) {
        const char* key = nullptr;
        for (auto [flag, name] : kFlags)
            if (args[i] == flag) key = name;
        if (key == nullptr) return kUsage;
        std::string error = store::SetPlayOption(wanted, key, args[i + 1]);
        if (!error.empty()) {
            ctx.err << "quorval-cli: " << error << "; nothing was changed\n";
            return kFailed;
        }
    }
    if (args.size() > 1) {
        data.options.play = wanted;
        if (!store::SaveLeagueOptions(data, ctx.dialogs)) return kFailed;
    }
    showPlayOptions(ctx, data.options.play);
    return kOk;
}

}  // namespace quorval::cli
