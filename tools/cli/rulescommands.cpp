#include <sstream>

#include "cli/commands.hpp"
#include "cli/options.hpp"
#include "entry/recompute.hpp"
#include "handicap/rules.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/leagueoptions.hpp"
#include "store/settingsfile.hpp"
#include "store/strokeindexfile.hpp"

namespace quorval::cli {

namespace {

void showOptions(Context& ctx, const store::LeagueOptions& options) {
    ctx.out << "Rules=" << store::RulesName(options.rules) << "\nAllowance=" << options.allowance << '\n';
}

std::optional<int> wholePercent(const std::string& text) {
    std::optional<int> percent = WholeNumber(text);
    return percent && *percent >= 1 && *percent <= 100 ? percent : std::nullopt;
}

// Every round of the league worked out again under the rules just stored, and what was done told.
bool recomputeAll(Context& ctx, const std::string& league) {
    store::LeagueData& data = ctx.data;
    if (!LoadLeagueForCommand(ctx, league)) return false;
    if (!entry::RecomputeAllIndexes(data, ctx.dialogs)) return false;
    int rounds = 0;
    for (int p = 1; p <= data.playerCount; ++p)
        rounds += data.players[p].roundCount + static_cast<int>(data.players[p].earlier.size());
    ctx.out << "Every round was worked out again in date order under the " << handicap::RulesOf(data).title()
            << " rules (" << rounds << " rounds); the league file was first copied to "
            << entry::RecomputeBackupName(data.leagueFileName) << ".\n";
    return true;
}

}  // namespace

int RunRules(Context& ctx, const Args& args) {
    if (args.empty()) return kUsage;
    if (!LoadLeagueOptionsForCommand(ctx, args[0])) return kFailed;
    store::LeagueOptions wanted = ctx.data.options;
    std::optional<int> percent;
    bool recompute = false;
    for (OptionReader in(args, 1); in.more();) {
        if (in.anyCase("classic")) {
            wanted.rules = store::HandicapRules::Classic;
        } else if (in.anyCase("whs")) {
            wanted.rules = store::HandicapRules::WHS;
        } else if (in.option("--allowance", percent, wholePercent)) {
            if (!in.refused()) continue;
            ctx.err << "quorval-cli: the allowance must be a whole percent from 1 to 100; nothing was changed\n";
            return kFailed;
        } else if (!in.flag("--recompute", recompute)) {
            return kUsage;
        }
    }
    if (percent) wanted.allowance = static_cast<int16_t>(*percent);
    if (args.size() > 1) {
        ctx.data.options = wanted;
        if (!store::SaveLeagueOptions(ctx.data, ctx.dialogs)) return kFailed;
        if (!recompute)
            ctx.out << "Stored rounds keep the figures they have; nothing was recomputed (--recompute does).\n";
        else if (!recomputeAll(ctx, args[0]))
            return kFailed;
    }
    showOptions(ctx, ctx.data.options);
    return kOk;
}

int RunStrokeIndex(Context& ctx, const Args& args) {
    if (args.empty() || args.size() > 2) return kUsage;
    store::LeagueData& data = ctx.data;
    if (!store::LoadCourseFile(data, ctx.dialogs).ok) return kFailed;
    const int course = store::FindCourse(data, args[0]);
    if (course == 0) {
        ctx.err << "quorval-cli: there is no course " << args[0] << '\n';
        return kFailed;
    }
    store::StrokeIndexes& si = data.strokeIndexes[course];
    if (args.size() == 2) {
        store::StrokeIndexes typed{};
        std::stringstream list(args[1]);
        std::string item;
        int h = 0;
        while (std::getline(list, item, ',')) {
            auto value = WholeNumber(item);
            if (++h > 18 || !value || *value < -99 || *value > 99) {
                ctx.err << "quorval-cli: give 18 whole numbers separated by commas; nothing was changed\n";
                return kFailed;
            }
            typed[h] = static_cast<int16_t>(*value);
        }
        std::string problem = h == 18 ? store::StrokeIndexProblem(typed) : "Give 18 stroke indexes.";
        if (!problem.empty()) {
            ctx.err << "quorval-cli: " << problem << " Nothing was changed.\n";
            return kFailed;
        }
        si = typed;
        if (!store::SaveStrokeIndexFile(data, ctx.dialogs)) return kFailed;
    }
    ctx.out << course << ' ' << data.courses[course][store::course_field::kName] << ':';
    if (!store::HasStrokeIndexes(si)) {
        ctx.out << " no stroke indexes\n";
        return kOk;
    }
    for (int h = 1; h <= store::kHoles; ++h) ctx.out << (h == 1 ? " " : ",") << si[h];
    ctx.out << '\n';
    return kOk;
}

// The side files: the stroke index lines that cannot be used and league options that do not read.
bool CheckSideFiles(Context& ctx) {
    store::LeagueData& data = ctx.data;
    bool clean = true;
    for (const std::string& problem : store::LoadStrokeIndexFile(data)) {
        ctx.out << problem << '\n';
        clean = false;
    }
    return clean;
}

bool CheckLeagueOptions(Context& ctx) {
    store::LeagueOptions options;
    return CheckDataFile(ctx, store::OptionsFileName(ctx.data.leagueFileName),
                         [&options](const std::string& text) { return store::ParseLeagueOptions(options, text); });
}

}  // namespace quorval::cli
