#include <charconv>
#include <sstream>

#include "cli/commands.hpp"
#include "entry/recompute.hpp"
#include "handicap/rules.hpp"
#include "league/leagues.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/leagueoptions.hpp"
#include "store/settingsfile.hpp"
#include "store/strokeindexfile.hpp"
#include "text/asciicase.hpp"

namespace quorval::cli {

namespace {

std::optional<int> wholeNumber(std::string_view s) {
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return value;
}

void showOptions(Context& ctx, const store::LeagueOptions& options) {
    ctx.out << "Rules=" << store::RulesName(options.rules) << "\nAllowance=" << options.allowance << '\n';
}

}  // namespace

int RunRules(Context& ctx, const Args& args) {
    if (args.empty()) return kUsage;
    store::LeagueData& data = ctx.data;
    if (!league::SafeLeagueName(args[0])) {
        ctx.err << "quorval-cli: \"" << args[0] << "\" is no league name: it would lead outside the data folder\n";
        return kFailed;
    }
    data.leagueFileName = LeagueFileOf(args[0]);
    std::error_code ec;
    if (!std::filesystem::exists(store::findDataFile(data.leagueFileName), ec)) {
        ctx.err << "quorval-cli: there is no league " << args[0] << '\n';
        return kFailed;
    }
    if (!store::LoadLeagueOptions(data, ctx.dialogs).ok) return kFailed;
    store::LeagueOptions wanted = data.options;
    bool recompute = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--allowance" && i + 1 < args.size()) {
            auto percent = wholeNumber(args[++i]);
            if (!percent || *percent < 1 || *percent > 100) {
                ctx.err << "quorval-cli: the allowance must be a whole percent from 1 to 100; nothing was changed\n";
                return kFailed;
            }
            wanted.allowance = static_cast<int16_t>(*percent);
        } else if (text::AsciiLower(args[i]) == "classic") {
            wanted.rules = store::HandicapRules::Classic;
        } else if (text::AsciiLower(args[i]) == "whs") {
            wanted.rules = store::HandicapRules::WHS;
        } else if (args[i] == "--recompute") {
            recompute = true;
        } else {
            return kUsage;
        }
    }
    if (args.size() > 1) {
        data.options = wanted;
        if (!store::SaveLeagueOptions(data, ctx.dialogs)) return kFailed;
        if (!recompute) {
            ctx.out << "Stored rounds keep the figures they have; nothing was recomputed (--recompute does).\n";
        } else {
            if (!LoadLeagueForCommand(ctx, args[0])) return kFailed;
            if (!entry::RecomputeAllIndexes(data, ctx.dialogs)) return kFailed;
            int rounds = 0;
            for (int p = 1; p <= data.playerCount; ++p)
                rounds += data.players[p].roundCount + static_cast<int>(data.players[p].earlier.size());
            ctx.out << "Every round was worked out again in date order under the " << handicap::RulesOf(data).title()
                    << " rules (" << rounds << " rounds); the league file was first copied to "
                    << entry::RecomputeBackupName(data.leagueFileName) << ".\n";
        }
    }
    showOptions(ctx, data.options);
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
            auto value = wholeNumber(item);
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
    std::string name = store::OptionsFileName(ctx.data.leagueFileName);
    std::error_code ec;
    auto file = store::findDataFile(name);
    if (!std::filesystem::exists(file, ec)) return true;
    auto text = store::readTextFile(file);
    store::LeagueOptions options;
    store::LoadResult result =
        text ? store::ParseLeagueOptions(options, *text) : store::LoadResult{false, "cannot be read", ""};
    if (!result.ok) ctx.out << file.string() << ": " << result.problem << '\n';
    return result.ok;
}

}  // namespace quorval::cli
