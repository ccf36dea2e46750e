// post and delete-round: what the score entry windows do, from the command line.
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <sstream>

#include "cli/commands.hpp"
#include "cli/options.hpp"
#include "dates/dateorder.hpp"
#include "entry/posting.hpp"
#include "entry/roundcard.hpp"
#include "entry/rounddate.hpp"
#include "handicap/differential.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"

namespace quorval::cli {

namespace {

// Eighteen comma-separated whole numbers from 0 to 99 (0 = hole not played).
std::optional<store::HoleValues> holeList(const std::string& text) {
    store::HoleValues values{};
    std::stringstream in(text);
    std::string item;
    int h = 0;
    while (std::getline(in, item, ',')) {
        auto value = WholeNumber(item);
        if (!value || *value < 0 || *value > 99 || ++h > store::kHoles) return std::nullopt;
        values[h] = static_cast<int16_t>(*value);
    }
    if (h != store::kHoles) return std::nullopt;
    return values;
}

// Eighteen characters y or n: 2 for a hit, 1 for a miss, as the window stores ticks.
std::optional<store::HoleValues> tickList(const std::string& text) {
    if (text.size() != store::kHoles) return std::nullopt;
    store::HoleValues values{};
    for (int h = 1; h <= store::kHoles; ++h) {
        char c = text[h - 1];
        if (c != 'y' && c != 'n') return std::nullopt;
        values[h] = entry::TickValue(c == 'y');
    }
    return values;
}

struct Options {
    std::map<std::string, std::string> values;
    std::string league;
};

bool parseOptions(const Args& args, const std::vector<std::string>& known, Options& options) {
    std::string value;
    for (OptionReader in(args); in.more();) {
        // The first option the argument at hand is, reading its value.
        auto name = std::find_if(known.begin(), known.end(), [&](const std::string& n) { return in.option(n, value); });
        if (name != known.end()) {
            options.values[*name] = value;
        } else if (!in.word(options.league)) {
            return false;
        }
    }
    return !options.league.empty();
}

// A message box text on one line of the terminal.
std::string oneLine(std::string text) {
    for (size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos;) text.replace(i, 2, " ");
    return text;
}

int refuse(Context& ctx, const std::string& why) {
    ctx.err << "quorval-cli: " << why << "; nothing was changed\n";
    return kFailed;
}

void printLines(Context& ctx, const handicap::IndexResult& index) {
    for (const auto& line : index.lines) ctx.out << line << '\n';
}

// The hole scores, summed into the nines unless a nine total is given; the refusal when they are unusable.
std::string readScores(Options& o, entry::RoundEntry& round) {
    auto scores = holeList(o.values["--scores"]);
    if (!scores) return "the scores must be 18 whole numbers from 0 to 99, separated by commas";
    round.score = *scores;
    entry::SumNines(round.score);
    for (int slot : {store::kOutSlot, store::kInSlot}) {
        const std::string key = slot == store::kOutSlot ? "--out" : "--in";
        if (!o.values.count(key)) continue;
        auto value = WholeNumber(o.values[key]);
        if (!value || *value < 0 || *value > 999) return key.substr(2) + " must be a total from 0 to 999";
        round.score[slot] = static_cast<int16_t>(*value);
    }
    return {};
}

// Putts, fairways and greens with their nine totals; the refusal when they are incomplete.
std::string readPerformance(Options& o, const store::PlayerRecord& who, int editSlot, entry::RoundEntry& round) {
    bool statistics = o.values.count("--putts") || o.values.count("--fairways") || o.values.count("--greens");
    if (!statistics && editSlot > 0) {
        // Edit mode shows the stored putts and ticks again, so a round posted without them keeps them.
        const store::RoundRecord& stored = who.rounds[editSlot];
        round.putts = stored.putts;
        round.fairway = stored.fairway;
        round.green = stored.green;
    } else if (statistics) {
        auto putts = holeList(o.values.count("--putts") ? o.values["--putts"] : "");
        auto fairways = tickList(o.values.count("--fairways") ? o.values["--fairways"] : "");
        auto greens = tickList(o.values.count("--greens") ? o.values["--greens"] : "");
        if (!putts || !fairways || !greens) {
            return "performance data needs --putts (18 numbers) and --fairways and --greens (18 y or n)";
        }
        round.putts = *putts;
        round.fairway = *fairways;
        round.green = *greens;
        entry::TotalPerformance(round);
    }
    return {};
}

}  // namespace

int RunPost(Context& ctx, const Args& args) {
    Options o;
    if (!parseOptions(args,
                      {"--player", "--course", "--date", "--scores", "--tee", "--out", "--in", "--putts", "--fairways",
                       "--greens", "--edit"},
                      o) ||
        !o.values.count("--player") || !o.values.count("--course") || !o.values.count("--scores")) {
        return kUsage;
    }
    if (!LoadLeagueForCommand(ctx, o.league)) return kFailed;
    store::LeagueData& data = ctx.data;

    auto player = WholeNumber(o.values["--player"]);
    if (!player || *player < 1 || *player > data.playerCount) return refuse(ctx, "the league has no such player");
    store::PlayerRecord& who = data.players[*player];
    const int course = store::FindCourse(data, o.values["--course"]);
    if (course == 0) {
        return refuse(ctx, "there is no such course");
    }
    int editSlot = 0;
    if (o.values.count("--edit")) {
        auto slot = WholeNumber(o.values["--edit"]);
        if (!slot || *slot < 1 || *slot > who.roundCount) return refuse(ctx, "the player has no such round");
        editSlot = *slot;
    }
    entry::RoundPlace place;
    if (editSlot > 0) {
        const store::RoundRecord& stored = who.rounds[editSlot];
        place = {stored.course, stored.month, stored.day, stored.year};
    } else {
        if (!o.values.count("--date")) {
            return refuse(ctx, "the date must be given as " + dates::OrderPattern(ctx.typedOrder) + " or YYYY-MM-DD");
        }
        auto date = entry::ParseRoundDate(o.values["--date"], ctx.typedOrder);
        if (!date) return refuse(ctx, entry::DateRefusedMessage(o.values["--date"], ctx.typedOrder));
        place = *date;
        place.course = course;
    }

    entry::RoundEntry round;
    round.tee = who.tee;
    if (o.values.count("--tee")) {
        round.tee = store::TeeFromText(o.values["--tee"]);
        if (round.tee == store::kNoTee) return refuse(ctx, "the tee must be Red, White or Blue (or 1, 2 or 3)");
    }
    if (!store::IsTee(round.tee)) return refuse(ctx, "the player has no default tee: give --tee");
    if (std::string why = readScores(o, round); !why.empty()) return refuse(ctx, why);
    if (std::string why = entry::HolesWithoutScoreMessage(round.score); !why.empty()) return refuse(ctx, why);
    // Only new rounds are limited, as in the window; the record keeps the scores as typed.
    if (editSlot == 0) round.played = round.score;
    if (editSlot == 0 && entry::HoleScoresLimited(data)) entry::LimitHoleScores(data, *player, place.course, round);

    if (std::string why = readPerformance(o, who, editSlot, round); !why.empty()) return refuse(ctx, why);
    if (std::string why = entry::PuttsAboveScoreMessage(round); !why.empty()) return refuse(ctx, why);

    entry::PostResult posted = entry::PostRound(data, *player, round, place, editSlot);
    if (posted.outcome == entry::PostOutcome::NoScore) return refuse(ctx, "both nine totals are 0");
    if (posted.outcome == entry::PostOutcome::NoSlope) {
        return refuse(ctx, oneLine(entry::NoSlopeMessage(data, place.course, round.tee)));
    }
    if (posted.outcome == entry::PostOutcome::CourseRefused) {
        return refuse(ctx, oneLine(entry::CourseRefusedMessage(data, place.course)));
    }
    if (!store::SaveLeagueFile(data, ctx.dialogs)) return refuse(ctx, data.leagueFileName + " was not written");
    printLines(ctx, posted.index);
    return kOk;
}

int RunDeleteRound(Context& ctx, const Args& args) {
    Options o;
    if (!parseOptions(args, {"--player", "--slot"}, o) || !o.values.count("--player") || !o.values.count("--slot")) {
        return kUsage;
    }
    if (!LoadLeagueForCommand(ctx, o.league)) return kFailed;
    store::LeagueData& data = ctx.data;
    auto player = WholeNumber(o.values["--player"]);
    if (!player || *player < 1 || *player > data.playerCount) return refuse(ctx, "the league has no such player");
    auto slot = WholeNumber(o.values["--slot"]);
    if (!slot || *slot < 1 || *slot > data.players[*player].roundCount) {
        return refuse(ctx, "the player has no such round");
    }
    entry::DeleteResult deleted = entry::DeleteRound(data, *player, *slot);
    if (!store::SaveLeagueFile(data, ctx.dialogs)) return refuse(ctx, data.leagueFileName + " was not written");
    if (!deleted.recomputed && data.players[*player].roundCount > 0) {
        ctx.err << "quorval-cli: " << oneLine(entry::NotRecalculatedMessage(data, *player)) << '\n';
    }
    printLines(ctx, deleted.index);
    return kOk;
}

}  // namespace quorval::cli
