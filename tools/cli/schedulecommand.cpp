// schedule: show, make and change the league's season schedule.
#include <map>

#include "cli/commands.hpp"
#include "cli/options.hpp"
#include "play/schedule.hpp"
#include "store/teamfile.hpp"

namespace quorval::cli {

namespace {

// Options with their values; flags map to an empty text. False for an unknown option, a missing
// value or an option given twice.
bool readOptions(const Args& args, std::map<std::string, std::string>& options) {
    static const std::map<std::string, bool> kTakesValue = {
        {"--csv", false},    {"--make", false},       {"--start", true},     {"--weeks", true},    {"--every", true},
        {"--skip", true},    {"--individual", false}, {"--tee-times", true}, {"--shotgun", false}, {"--replace", false},
        {"--rainout", true}, {"--sub", true},         {"--for", true},       {"--by", true},
    };
    for (size_t i = 1; i < args.size(); ++i) {
        auto known = kTakesValue.find(args[i]);
        if (known == kTakesValue.end() || options.count(args[i])) return false;
        if (known->second && i + 1 >= args.size()) return false;
        const std::string& name = args[i];
        options[name] = known->second ? args[i + 1] : "";
        i += known->second ? 1 : 0;
    }
    return true;
}

bool date(Context& ctx, const std::string& text, play::Date& out) {
    auto parsed = TypedDate(ctx, text, play::ParseShortDate, " Nothing was changed.");
    if (parsed) out = *parsed;
    return parsed.has_value();
}

// A player named, or given by slot number.
std::string playerName(const store::LeagueData& data, const std::string& given) {
    auto slot = WholeNumber(given);
    if (slot && *slot >= 1 && *slot <= data.playerCount) return data.players[static_cast<size_t>(*slot)].name;
    return given;
}

int make(Context& ctx, std::map<std::string, std::string>& o, play::Schedule& schedule, const std::string& league) {
    if (!o.count("--start") || !o.count("--weeks") || (o.count("--tee-times") && o.count("--shotgun"))) return kUsage;
    if (!schedule.matches.empty() && !o.count("--replace")) {
        ctx.err << "quorval-cli: " << league << " has a season schedule; give --replace to make a new one\n";
        return kFailed;
    }
    play::MakeRequest request;
    auto weeks = WholeNumber(o["--weeks"]);
    auto every = o.count("--every") ? WholeNumber(o["--every"]) : std::optional<int>(7);
    if (!weeks || !every) return kUsage;
    request.weeks = *weeks;
    request.every = *every;
    if (!date(ctx, o["--start"], request.start)) return kFailed;
    for (const std::string& item : o.count("--skip") ? CommaItems(o["--skip"]) : Args{}) {
        play::Date skip;
        if (!date(ctx, item, skip)) return kFailed;
        request.skips.push_back(skip);
    }
    request.kind = o.count("--individual") ? play::SideKind::Players : play::SideKind::Teams;
    if (o.count("--shotgun")) request.tees.start = store::TeeStart::Shotgun;
    if (o.count("--tee-times")) {
        const std::string& tees = o["--tee-times"];
        size_t comma = tees.find(',');
        auto first = play::ParseClock(tees.substr(0, comma));
        auto gap = comma == std::string::npos ? std::nullopt : WholeNumber(tees.substr(comma + 1));
        if (!first || !gap || *gap < 0 || *gap > 240) {
            ctx.err << "quorval-cli: --tee-times takes HH:MM,MINUTES (0..240), not " << tees
                    << "; nothing was changed\n";
            return kFailed;
        }
        request.tees = {store::TeeStart::Times, *first, *gap};
    }
    play::Outcome outcome = play::MakeSchedule(ctx.data, request, schedule);
    if (!outcome.ok) {
        ctx.err << "quorval-cli: " << outcome.message << " Nothing was changed.\n";
        return kFailed;
    }
    ctx.out << outcome.message << '\n';
    return kOk;
}

}  // namespace

bool ScheduleWrites(const Args& args) {
    for (const std::string& arg : args)
        if (arg == "--make" || arg == "--rainout" || arg == "--sub") return true;
    return false;
}

bool CheckSchedule(Context& ctx) {
    play::Schedule schedule;
    return CheckDataFile(ctx, store::ScheduleFileName(ctx.data.leagueFileName),
                         [&schedule](const std::string& text) { return store::ParseSchedule(schedule, text); });
}

int RunSchedule(Context& ctx, const Args& args) {
    std::map<std::string, std::string> o;
    if (args.empty() || !readOptions(args, o)) return kUsage;
    int actions = static_cast<int>(o.count("--make") + o.count("--rainout") + o.count("--sub") + o.count("--csv"));
    if (actions > 1) return kUsage;
    bool subbing = o.count("--sub") > 0;
    if (subbing != (o.count("--for") && o.count("--by"))) return kUsage;
    bool making = o.count("--make") > 0;
    for (const char* option :
         {"--start", "--weeks", "--every", "--skip", "--individual", "--tee-times", "--shotgun", "--replace"}) {
        if (!making && o.count(option)) return kUsage;
    }
    if (!LoadLeagueForCommand(ctx, args[0])) return kFailed;
    store::LeagueData& data = ctx.data;
    store::LoadTeamAssignments(data);
    play::Schedule schedule;
    if (!store::LoadScheduleFile(data, schedule, ctx.dialogs).ok) return kFailed;

    play::Outcome outcome;
    if (making) {
        int made = make(ctx, o, schedule, args[0]);
        if (made != kOk) return made;
    } else if (o.count("--rainout") || subbing) {
        play::Date when;
        if (!date(ctx, o.count("--rainout") ? o["--rainout"] : o["--sub"], when)) return kFailed;
        outcome = subbing ? play::AddSubstitute(schedule, data, when, playerName(data, o["--for"]),
                                                playerName(data, o["--by"]))
                          : play::RainOutDate(schedule, when, data.settings.dateOrder);
        if (!outcome.ok) {
            ctx.err << "quorval-cli: " << outcome.message << " Nothing was changed.\n";
            return kFailed;
        }
        ctx.out << outcome.message << '\n';
    } else if (o.count("--csv")) {
        ctx.out << play::ScheduleCsv(schedule, data);
        return kOk;
    } else {
        if (schedule.matches.empty()) {
            ctx.out << args[0] << " has no season schedule\n";
            return kOk;
        }
        ctx.out << play::ScheduleSummary(schedule) << '\n';
        for (const play::ScheduleLine& line : play::ScheduleLines(schedule, data)) ctx.out << line.text << '\n';
        return kOk;
    }
    return store::SaveScheduleFile(data, schedule, ctx.dialogs) ? kOk : kFailed;
}

}  // namespace quorval::cli
