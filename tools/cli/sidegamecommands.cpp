// skins and stableford: the side games of a date, read only.
#include <algorithm>
#include <functional>

#include "cli/commands.hpp"
#include "cli/options.hpp"
#include "play/sidegamereport.hpp"
#include "text/csv.hpp"

namespace quorval::cli {

namespace {

struct SideGameArgs {
    std::string league;
    std::optional<results::PlayDate> date, from, to;
    play::FieldRequest request;
    std::optional<int> allowance;
    std::optional<play::Ties> ties;
    std::optional<std::string> buyIn, pot;
    bool csv = false;
    bool gross = false;
    bool totals = false;
};

using DateReader = std::function<std::optional<results::PlayDate>(const std::string&)>;

std::optional<play::Ties> tiesOf(const std::string& text) {
    if (text == "carry") return play::Ties::Carry;
    if (text == "none") return play::Ties::None;
    return std::nullopt;
}

// The options only skins take; whether the argument at hand was one.
bool skinsOption(OptionReader& in, const DateReader& date, SideGameArgs& out) {
    auto text = [](const std::string& value) { return std::optional<std::string>(value); };
    return in.flag("--gross", out.gross) || in.flag("--totals", out.totals) || in.option("--from", out.from, date) ||
           in.option("--to", out.to, date) || in.option("--ties", out.ties, tiesOf) ||
           in.option("--buy-in", out.buyIn, text) || in.option("--pot", out.pot, text);
}

// Reads the arguments; kOk or kUsage, with the reason told for a date that does not read.
int parse(Context& ctx, const Args& args, bool skins, SideGameArgs& out) {
    DateReader date = [&ctx](const std::string& text) { return TypedDate(ctx, text, results::ParseDate); };
    OptionReader in(args);
    for (std::string players; in.more();) {
        if (in.option("--players", players)) {
            if (!AddWholeNumbers(players, out.request.players)) return kUsage;
        } else if (!in.flag("--csv", out.csv) && !in.option("--date", out.date, date) &&
                   !in.option("--course", out.request.course) &&
                   !in.option("--allowance", out.allowance, WholeNumber) && !in.word(out.league) &&
                   !(skins && skinsOption(in, date, out))) {
            return kUsage;
        }
    }
    if (in.refused() || out.league.empty() || (out.buyIn && out.pot) || (!out.date && !out.totals)) return kUsage;
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

int writeLines(Context& ctx, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) ctx.out << line << '\n';
    return kOk;
}

// --totals: each player's skins and money over the nights in range.
int seasonSkins(Context& ctx, SideGameArgs& a, const play::SkinsOptions& options) {
    const store::LeagueData& data = ctx.data;
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
    if (!a.csv) return writeLines(ctx, play::SkinsTotalsLines(data, season));
    ctx.out << "player,skins,amount\n";
    for (const play::SkinsWon& won : season.players)
        ctx.out << text::CsvField(won.name) << ',' << won.skins << ',' << play::AmountText(won.amount) << '\n';
    return kOk;
}

int skinsOfField(Context& ctx, const play::Field& field, const play::SkinsOptions& options, bool csv) {
    play::Skins won = play::ComputeSkins(ctx.data, field, options);
    if (!csv) return writeLines(ctx, play::SkinsLines(ctx.data, field, won, options));
    ctx.out << "hole,par,winner,score,skins\n";
    for (const play::SkinHole& h : won.holes) {
        ctx.out << h.hole << ',' << h.par << ',';
        if (h.winner >= 0)
            ctx.out << text::CsvField(field.players[static_cast<size_t>(h.winner)].name) << ',' << h.score;
        else
            ctx.out << ',';
        ctx.out << ',' << h.skins << '\n';
    }
    return kOk;
}

int stablefordOfField(Context& ctx, const play::Field& field, bool csv) {
    std::vector<play::StablefordRow> rows = play::RankStableford(ctx.data, field, ctx.data.options.stablefordPoints);
    if (!csv) return writeLines(ctx, play::StablefordLines(ctx.data, field, rows));
    ctx.out << "place,player,handicap,points,last9,last6,last3,last1\n";
    for (const play::StablefordRow& r : rows) {
        ctx.out << play::PlaceText(r) << ',' << text::CsvField(r.name) << ',' << r.handicap << ',' << r.points << ','
                << (r.last9 ? std::to_string(*r.last9) : "") << ',' << r.last6 << ',' << r.last3 << ',' << r.last1
                << '\n';
    }
    return kOk;
}

int runSideGame(Context& ctx, const Args& args, bool skins) {
    SideGameArgs a;
    int parsed = parse(ctx, args, skins, a);
    if (parsed != kOk) return parsed;
    a.request.net = !a.gross;
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
    if (a.totals) return seasonSkins(ctx, a, options);

    a.request.date = *a.date;
    play::FieldResult result = play::FieldOfDate(data, a.request);
    if (!result.field) {
        ctx.err << "quorval-cli: " << result.error << '\n';
        return kFailed;
    }
    return skins ? skinsOfField(ctx, *result.field, options, a.csv) : stablefordOfField(ctx, *result.field, a.csv);
}

}  // namespace

int RunSkins(Context& ctx, const Args& args) {
    return runSideGame(ctx, args, true);
}

int RunStableford(Context& ctx, const Args& args) {
    return runSideGame(ctx, args, false);
}

}  // namespace quorval::cli
