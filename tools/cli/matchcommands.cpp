#include <optional>

#include "cli/commands.hpp"
#include "dates/dateorder.hpp"
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

// Reads "--name DATE" in the user's order; false for a date that does not read.
bool dateOption(Context& ctx, const Args& args, size_t& i, std::optional<play::Day>& date) {
    date = play::ParseShortDate(args[++i], ctx.typedOrder);
    if (!date) ctx.err << "quorval-cli: " << dates::RefusedMessage(ctx.typedOrder, args[i]) << '\n';
    return date.has_value();
}

}  // namespace

int RunMatches(Context& ctx, const Args& args) {
    if (args.empty()) return kUsage;
    std::optional<play::Day> date;
    bool csv = false;
    bool record = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--date" && i + 1 < args.size()) {
            if (!dateOption(ctx, args, i, date)) return kUsage;
        } else if (args[i] == "--csv") {
            csv = true;
        } else if (args[i] == "--record") {
            record = true;
        } else {
            return kUsage;
        }
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
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--from" && i + 1 < args.size()) {
            if (!dateOption(ctx, args, i, from)) return kUsage;
        } else if (args[i] == "--to" && i + 1 < args.size()) {
            if (!dateOption(ctx, args, i, to)) return kUsage;
        } else if (args[i] == "--csv") {
            csv = true;
        } else {
            return kUsage;
        }
    }
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
