// skins and stableford: the side games of a date, read only.
#include <algorithm>
#include <charconv>

#include "cli/commands.hpp"
#include "dates/dateorder.hpp"
#include "play/sidegamereport.hpp"

namespace quorval::cli {

namespace {

std::optional<int> wholeNumber(std::string_view s) {
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
    return value;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

struct SideGameArgs {
    std::string league;
    std::optional<results::PlayDate> date, from, to;
    play::FieldRequest request;
    std::optional<int> allowance;
    std::optional<play::Ties> ties;
    std::optional<std::string> buyIn, pot;
    bool csv = false;
    bool totals = false;
};

// Reads the arguments; kOk, kUsage, or kFailed with the reason told.
int parse(Context& ctx, const Args& args, bool skins, SideGameArgs& out) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool hasValue = i + 1 < args.size();
        auto date = [&](std::optional<results::PlayDate>& into) {
            into = results::ParseDate(args[++i], ctx.typedOrder);
            if (!into) ctx.err << "quorval-cli: " << dates::RefusedMessage(ctx.typedOrder, args[i]) << '\n';
            return into.has_value();
        };
        if (arg == "--csv") {
            out.csv = true;
        } else if (skins && arg == "--gross") {
            out.request.net = false;
        } else if (skins && arg == "--totals") {
            out.totals = true;
        } else if (!hasValue && arg.starts_with("--")) {
            return kUsage;
        } else if (arg == "--date" || (skins && (arg == "--from" || arg == "--to"))) {
            if (!date(arg == "--date" ? out.date : arg == "--from" ? out.from : out.to)) return kUsage;
        } else if (arg == "--course") {
            out.request.course = args[++i];
        } else if (arg == "--allowance") {
            out.allowance = wholeNumber(args[++i]);
            if (!out.allowance) return kUsage;
        } else if (skins && arg == "--ties") {
            const std::string& value = args[++i];
            if (value != "none" && value != "carry") return kUsage;
            out.ties = value == "carry" ? play::Ties::Carry : play::Ties::None;
        } else if (skins && (arg == "--buy-in" || arg == "--pot")) {
            (arg == "--pot" ? out.pot : out.buyIn) = args[++i];
        } else if (arg == "--players") {
            std::string list = args[++i];
            for (size_t start = 0; start <= list.size();) {
                size_t comma = std::min(list.find(',', start), list.size());
                std::optional<int> n = wholeNumber(std::string_view(list).substr(start, comma - start));
                if (!n) return kUsage;
                out.request.players.push_back(*n);
                start = comma + 1;
            }
        } else if (arg.starts_with("--") || !out.league.empty()) {
            return kUsage;
        } else {
            out.league = arg;
        }
    }
    if (out.league.empty() || (out.buyIn && out.pot) || (!out.date && !out.totals)) return kUsage;
    return kOk;
}

// The amount of --buy-in or --pot, or why it is refused.
bool amount(Context& ctx, const std::optional<std::string>& text, const char* what, play::Cents& cents) {
    if (!text) return true;
    std::optional<play::Cents> read = play::ParseAmount(*text);
    if (!read) {
        ctx.err << "quorval-cli: the " << what << " must be an amount of 0 or more, like 5 or 2.50\n";
        return false;
    }
    cents = *read;
    return true;
}

int runSideGame(Context& ctx, const Args& args, bool skins) {
    SideGameArgs a;
    int parsed = parse(ctx, args, skins, a);
    if (parsed != kOk) return parsed;
    if (!LoadLeagueForCommand(ctx, a.league)) return kFailed;
    store::LeagueData& data = ctx.data;
    a.request.allowance = a.allowance.value_or(skins ? 100 : play::DefaultStablefordAllowance(data));
    if (a.request.allowance < 1 || a.request.allowance > 100) {
        ctx.err << "quorval-cli: the allowance must be a whole percent from 1 to 100\n";
        return kFailed;
    }
    play::SkinsOptions options;
    options.ties = a.ties.value_or(data.options.skinsCarry ? play::Ties::Carry : play::Ties::None);
    options.buyIn = data.options.skinsBuyIn;
    play::Cents pot = 0;
    if (!amount(ctx, a.buyIn, "buy-in", options.buyIn) || !amount(ctx, a.pot, "pot", pot)) return kFailed;
    if (a.pot) options.pot = pot;

    if (a.totals) {
        for (int p : a.request.players) {
            if (p < 1 || p > data.playerCount) {
                ctx.err << "quorval-cli: there is no player " << p << '\n';
                return kFailed;
            }
        }
        if (a.date && !a.from && !a.to) a.from = a.to = a.date;
        play::SeasonSkins season = play::SkinsTotals(data, a.request, options, a.from, a.to);
        if (season.nights.empty()) {
            ctx.err << "quorval-cli: no night in that range has a field for skins\n";
            for (const std::string& why : season.skipped) ctx.err << "  " << why << '\n';
            return kFailed;
        }
        if (!a.csv) {
            for (const std::string& line : play::SkinsTotalsLines(data, season)) ctx.out << line << '\n';
            return kOk;
        }
        ctx.out << "player,skins,amount\n";
        for (const play::SkinsWon& won : season.players)
            ctx.out << csvField(won.name) << ',' << won.skins << ',' << play::AmountText(won.amount) << '\n';
        return kOk;
    }

    a.request.date = *a.date;
    play::FieldResult result = play::FieldOfDate(data, a.request);
    if (!result.field) {
        ctx.err << "quorval-cli: " << result.error << '\n';
        return kFailed;
    }
    const play::Field& field = *result.field;
    if (skins) {
        play::Skins won = play::ComputeSkins(data, field, options);
        if (!a.csv) {
            for (const std::string& line : play::SkinsLines(data, field, won, options)) ctx.out << line << '\n';
            return kOk;
        }
        ctx.out << "hole,par,winner,score,skins\n";
        for (const play::SkinHole& h : won.holes) {
            ctx.out << h.hole << ',' << h.par << ',';
            if (h.winner >= 0)
                ctx.out << csvField(field.players[static_cast<size_t>(h.winner)].name) << ',' << h.score;
            else
                ctx.out << ',';
            ctx.out << ',' << h.skins << '\n';
        }
        return kOk;
    }
    std::vector<play::StablefordRow> rows = play::RankStableford(data, field, data.options.stablefordPoints);
    if (!a.csv) {
        for (const std::string& line : play::StablefordLines(data, field, rows)) ctx.out << line << '\n';
        return kOk;
    }
    ctx.out << "place,player,handicap,points,last9,last6,last3,last1\n";
    for (const play::StablefordRow& r : rows) {
        ctx.out << play::PlaceText(r) << ',' << csvField(r.name) << ',' << r.handicap << ',' << r.points << ','
                << (r.last9 ? std::to_string(*r.last9) : "") << ',' << r.last6 << ',' << r.last3 << ',' << r.last1
                << '\n';
    }
    return kOk;
}

}  // namespace

int RunSkins(Context& ctx, const Args& args) {
    return runSideGame(ctx, args, true);
}

int RunStableford(Context& ctx, const Args& args) {
    return runSideGame(ctx, args, false);
}

}  // namespace quorval::cli
