#include <filesystem>

#include "cli/commands.hpp"
#include "league/leagues.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/leagueoptions.hpp"
#include "store/roundrecordfile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"

namespace quorval::cli {

namespace {

bool safeName(Context& ctx, const std::string& league) {
    if (league::SafeLeagueName(league)) return true;
    ctx.err << "quorval-cli: \"" << league << "\" is no league name: it would lead outside the data folder\n";
    return false;
}

bool report(std::ostream& out, const std::string& file, const store::LoadResult& result) {
    if (result.ok) return true;
    out << store::findDataFile(file).string() << ": " << result.problem;
    if (!result.keptCopy.empty()) out << " (kept a copy as " << result.keptCopy << ")";
    out << '\n';
    return false;
}

bool report(Context& ctx, const std::string& file, const store::LoadResult& result) {
    return report(ctx.out, file, result);
}

// Rounds no window could have stored: a date that is no date, or a course slot without a course.
bool reportImpossibleRounds(Context& ctx, const store::LeagueData& data) {
    bool clean = true;
    std::string file = store::findDataFile(data.leagueFileName).string();
    for (int p = 1; p <= data.playerCount; ++p) {
        const store::PlayerRecord& player = data.players[p];
        for (int r = 1; r <= player.roundCount; ++r) {
            const store::RoundRecord& round = player.rounds[r];
            std::string where =
                file + ": player " + std::to_string(p) + " (" + player.name + ") round " + std::to_string(r) + ": ";
            if (round.month < 1 || round.month > 12 || round.day < 1 || round.day > 31) {
                // Named field by field: an impossible date reads the same in every date order.
                ctx.out << where << "the date (month " << round.month << ", day " << round.day << ", year "
                        << round.year << ") is impossible\n";
                clean = false;
            }
            bool courseKnown = round.course >= 1 && round.course <= data.courseCount &&
                               !data.courses[round.course][store::course_field::kName].empty();
            if (!courseKnown) {
                ctx.out << where << "course slot " << round.course << " holds no course\n";
                clean = false;
            }
        }
    }
    return clean;
}

// The round record: it must read, and each line must belong to the league file as it is.
bool checkRoundRecord(Context& ctx, store::LeagueData& data, bool leagueRead) {
    const std::string name = store::RecordFileName(data.leagueFileName);
    std::vector<store::RecordLine> lines;
    auto parse = [&lines](const std::string& text) { return store::ParseRoundRecord(lines, text); };
    if (!CheckDataFile(ctx, name, parse)) return false;
    if (!leagueRead || lines.empty()) return true;
    const std::string file = store::findDataFile(name).string();
    for (int p = 1; p <= data.playerCount; ++p) data.players[p].earlier.clear();
    std::vector<std::string> problems = store::ApplyRoundRecord(data, lines);
    for (const std::string& problem : problems) ctx.out << file << ": " << problem << '\n';
    return problems.empty();
}

}  // namespace

bool TakeFolderLock(store::FolderLock& lock, std::ostream& err) {
    using Result = store::FolderLock::Result;
    Result result = lock.take(std::chrono::seconds(5));
    if (result == Result::Taken) return true;
    if (result == Result::Failed) {
        err << "quorval-cli: cannot lock the data folder (" << store::kLockFileName << ": " << lock.failure()
            << "); nothing was changed\n";
    } else {
        err << "quorval-cli: " << store::HolderText(lock.holder()) << " Nothing was changed.\n";
    }
    return false;
}

std::string LeagueFileOf(const std::string& league) {
    return league + ".LGE";
}

bool LoadLeagueForCommand(Context& ctx, const std::string& league) {
    store::LeagueData& data = ctx.data;
    if (!safeName(ctx, league)) return false;
    store::LoadSettingsFile(data);
    ctx.typedOrder = data.settings.dateOrder;
    if (ctx.iso) data.settings.dateOrder = store::DateOrder::kYearMonthDay;
    // Going on with default settings or without courses would post and list with wrong values.
    if (!report(ctx.err, store::kRegistryFileName, store::LoadLeagueRegistry(data, ctx.dialogs))) return false;
    data.leagueFileName = LeagueFileOf(league);
    if (!store::LoadLeagueFile(data, ctx.dialogs).ok) return false;
    return report(ctx.err, store::kCourseFileName, store::LoadCourseFile(data, ctx.dialogs));
}

bool LoadLeagueOptionsForCommand(Context& ctx, const std::string& league) {
    if (!safeName(ctx, league)) return false;
    ctx.data.leagueFileName = LeagueFileOf(league);
    std::error_code ec;
    if (!std::filesystem::exists(store::findDataFile(ctx.data.leagueFileName), ec)) {
        ctx.err << "quorval-cli: there is no league " << league << '\n';
        return false;
    }
    return store::LoadLeagueOptions(ctx.data, ctx.dialogs).ok;
}

bool CheckDataFile(Context& ctx, const std::string& name,
                   const std::function<store::LoadResult(const std::string&)>& parse) {
    std::filesystem::path file = store::findDataFile(name);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return true;
    auto text = store::readTextFile(file);
    store::LoadResult result = text ? parse(*text) : store::LoadResult{false, "cannot be read", ""};
    if (!result.ok) ctx.out << file.string() << ": " << result.problem << '\n';
    return result.ok;
}

int RunCheck(Context& ctx, const Args& args) {
    if (!args.empty()) return kUsage;
    store::LeagueData& data = ctx.data;
    bool clean = report(ctx, store::kRegistryFileName, store::LoadLeagueRegistry(data, ctx.dialogs));
    clean &= report(ctx, store::kCourseFileName, store::LoadCourseFile(data, ctx.dialogs));
    clean &= CheckSideFiles(ctx);
    for (int k = 1; k <= data.registry.leagueCount; ++k) {
        const std::string& name = data.registry.leagueFiles[k];
        if (!league::SafeLeagueName(name)) {
            ctx.out << store::kRegistryFileName << ": league " << k << " \"" << name
                    << "\" names a file outside the data folder\n";
            clean = false;
            continue;
        }
        data.leagueFileName = LeagueFileOf(name);
        store::LoadResult loaded = store::LoadLeagueFile(data, ctx.dialogs);
        clean &= report(ctx, data.leagueFileName, loaded);
        if (loaded.ok) clean &= reportImpossibleRounds(ctx, data);
        clean &= CheckLeagueOptions(ctx);
        clean &= CheckSchedule(ctx);
        clean &= checkRoundRecord(ctx, data, loaded.ok);
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
    if (!league::SafeLeagueName(args[0])) {
        ctx.err << "quorval-cli: \"" << args[0] << "\" is no league name: it would lead outside the data folder\n";
        return kFailed;
    }
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
