#include <optional>

#include "cli/commands.hpp"
#include "cli/options.hpp"
#include "play/leaguematches.hpp"
#include "play/matchreport.hpp"
#include "play/schedule.hpp"
#include "store/teamfile.hpp"

namespace quorval::cli {

namespace {

// The league with its teams and schedule; false, with the reason told, when it has no schedule.
bool loadForMatches(Context& ctx, const std::string& league, store::Schedule& schedule) {
    if (!LoadLeagueForCommand(ctx, league)) return false;
    store::LoadTeamAssignments(ctx.data);
    if (!store::HasScheduleFile(ctx.data)) {
        ctx.err << "quorval-cli: the league " << league << " has no schedule\n";
        return false;
    }
    return store::LoadScheduleFile(ctx.data, schedule, ctx.dialogs).ok;
}

// A date typed in the user's order; the reason told when it does not read.
auto dayReader(Context& ctx) {
    return [&ctx](const std::string& text) { return TypedDate(ctx, text, play::ParseShortDate); };
}

}  // namespace

int RunMatches(Context& ctx, const Args& args) {
    if (args.empty()) return kUsage;
    std::optional<play::Day> date;
    bool csv = false, record = false;
    OptionReader in(args, 1);
    while (in.more()) {
        if (!in.option("--date", date, dayReader(ctx)) && !in.flag("--csv", csv) && !in.flag("--record", record))
            return kUsage;
    }
    if (!date) return kUsage;
    store::Schedule schedule;
    if (!loadForMatches(ctx, args[0], schedule)) return kFailed;
    std::vector<play::SideMatch> matches;
    std::string problem = play::MatchesOn(schedule, ctx.data, *date, matches);
    if (!problem.empty()) {
        ctx.err << "quorval-cli: " << problem << '\n';
        return kFailed;
    }
    if (record) {
        if (play::KindOf(schedule) != play::LeagueKind::Teams) {
            ctx.err << "quorval-cli: the league plays as players; only teams keep point entries\n";
            return kFailed;
        }
        problem = play::RecordTeamPoints(ctx.data, *date, matches);
        if (!problem.empty()) {
            ctx.err << "quorval-cli: " << problem << " Nothing was recorded.\n";
            return kFailed;
        }
        if (!store::SaveTeamFile(ctx.data, ctx.dialogs)) return kFailed;
    }
    if (csv) {
        ctx.out << play::MatchesCsv(ctx.data, *date, matches);
    } else {
        ctx.out << "Matches of " << play::ShortDate(*date, ctx.data.settings.dateOrder) << '\n';
        for (const std::string& line : play::MatchLines(ctx.data, matches)) ctx.out << line << '\n';
        if (record) ctx.out << "The points were recorded as team point entries.\n";
    }
    return kOk;
}

int RunStandings(Context& ctx, const Args& args) {
    if (args.empty()) return kUsage;
    std::optional<play::Day> from, to;
    bool csv = false;
    OptionReader in(args, 1);
    while (in.more()) {
        if (!in.option("--from", from, dayReader(ctx)) && !in.option("--to", to, dayReader(ctx)) &&
            !in.flag("--csv", csv))
            return kUsage;
    }
    if (in.refused()) return kUsage;
    store::Schedule schedule;
    if (!loadForMatches(ctx, args[0], schedule)) return kFailed;
    std::vector<play::Standing> rows = play::SeasonStandings(schedule, ctx.data, from, to);
    if (csv) {
        ctx.out << play::StandingsCsv(rows);
    } else {
        for (const std::string& line : play::StandingLines(rows)) ctx.out << line << '\n';
    }
    return kOk;
}

}  // namespace quorval::cli
