#include "store/leagueoptions.hpp"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "play/money.hpp"
#include "store/trackedsave.hpp"

namespace quorval::store {

namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// [Stableford] Points=5,4,3,2,1,0 and [Skins] Ties=none|carry, BuyIn=5.00, Currency=$.
void parseSideGames(LeagueOptions& options, std::string_view section, std::string_view key, std::string_view value,
                    int lineNumber) {
    if (sameIgnoringCase(section, "[Stableford]") && sameIgnoringCase(key, "Points")) {
        std::array<int16_t, 6> points{};
        size_t n = 0;
        const char* at = value.data();
        const char* end = value.data() + value.size();
        while (n < points.size()) {
            while (at < end && *at == ' ') ++at;
            int v = 0;
            auto [next, ec] = std::from_chars(at, end, v);
            if (ec != std::errc() || v < -99 || v > 99) break;
            points[n++] = static_cast<int16_t>(v);
            at = next;
            while (at < end && *at == ' ') ++at;
            if (at == end || *at != ',') break;
            ++at;
        }
        if (n != points.size() || at != end)
            throw FormatError(lineNumber, "Points=" + std::string(value) + " is not six whole numbers -99..99");
        options.stablefordPoints = points;
    } else if (sameIgnoringCase(section, "[Skins]") && sameIgnoringCase(key, "Ties")) {
        if (!sameIgnoringCase(value, "none") && !sameIgnoringCase(value, "carry"))
            throw FormatError(lineNumber, "Ties=" + std::string(value) + " is neither none nor carry");
        options.skinsCarry = sameIgnoringCase(value, "carry");
    } else if (sameIgnoringCase(section, "[Skins]") && sameIgnoringCase(key, "BuyIn")) {
        std::optional<play::Cents> cents = play::ParseAmount(value);
        if (!cents) throw FormatError(lineNumber, "BuyIn=" + std::string(value) + " is not an amount like 5.00");
        options.skinsBuyIn = static_cast<int32_t>(*cents);
    } else if (sameIgnoringCase(section, "[Skins]") && sameIgnoringCase(key, "Currency")) {
        if (value.size() > 8) throw FormatError(lineNumber, "Currency=" + std::string(value) + " is too long");
        options.currency = std::string(value);
    }
}

void parse(LeagueOptions& options, LineReader& in) {
    bool inHandicap = false;
    std::string_view section;
    bool inPlay = false;
    while (!in.atEnd()) {
        std::string_view line = trimmed(in.line());
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            inHandicap = sameIgnoringCase(line, "[Handicap]");
            section = line;
            inPlay = sameIgnoringCase(line, "[Play]");
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) throw FormatError(in.lineNumber(), "\"" + std::string(line) + "\" has no =");
        std::string_view key = trimmed(line.substr(0, eq));
        std::string_view value = trimmed(line.substr(eq + 1));
        if (inPlay) {
            std::string error = SetPlayOption(options.play, key, value);
            if (!error.empty()) throw FormatError(in.lineNumber(), error);
            continue;
        }
        if (!inHandicap) {
            parseSideGames(options, section, key, value, in.lineNumber());
            continue;  // a section this program does not know is left alone
        }
        if (sameIgnoringCase(key, "Rules")) {
            if (sameIgnoringCase(value, "Classic")) {
                options.rules = HandicapRules::Classic;
            } else if (sameIgnoringCase(value, "WHS")) {
                options.rules = HandicapRules::WHS;
            } else {
                throw FormatError(in.lineNumber(), "Rules=" + std::string(value) + " is neither Classic nor WHS");
            }
        } else if (sameIgnoringCase(key, "Allowance")) {
            int percent = 0;
            auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), percent);
            if (ec != std::errc() || end != value.data() + value.size() || percent < 1 || percent > 100) {
                throw FormatError(in.lineNumber(),
                                  "Allowance=" + std::string(value) + " is not a whole percent 1..100");
            }
            options.allowance = static_cast<int16_t>(percent);
        }
    }
}

std::optional<double> pointsValue(std::string_view value) {
    double v = 0;
    auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    if (ec != std::errc() || end != value.data() + value.size() || !(v >= 0) || v > 1000) return std::nullopt;
    return v;
}

void appendPlayOptions(std::string& out, const PlayOptions& play) {
    appendLine(out, "[Play]");
    appendLine(out, "HolePoints=" + PointsText(play.holePoints));
    if (play.halvePoints >= 0) appendLine(out, "HalvePoints=" + PointsText(play.halvePoints));
    appendLine(out, "MatchPoints=" + PointsText(play.matchPoints));
    appendLine(out, "TeamTotalPoints=" + PointsText(play.teamTotalPoints));
    appendLine(out, "Allowance=" + std::to_string(play.allowance));
    appendLine(out, std::string("Forfeit=") + (play.forfeitAll ? "all" : "none"));
}

}  // namespace

std::string PointsText(double points) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", points);
    std::string s = buffer;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string SetPlayOption(PlayOptions& play, std::string_view key, std::string_view value) {
    auto bad = [&](const char* what) { return std::string(key) + "=" + std::string(value) + " is not " + what; };
    if (sameIgnoringCase(key, "Allowance")) {
        int percent = 0;
        auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), percent);
        if (ec != std::errc() || end != value.data() + value.size() || percent < 1 || percent > 100) {
            return bad("a whole percent 1..100");
        }
        play.allowance = static_cast<int16_t>(percent);
    } else if (sameIgnoringCase(key, "Forfeit")) {
        if (sameIgnoringCase(value, "all")) {
            play.forfeitAll = true;
        } else if (sameIgnoringCase(value, "none")) {
            play.forfeitAll = false;
        } else {
            return bad("all or none");
        }
    } else {
        double* target = sameIgnoringCase(key, "HolePoints")        ? &play.holePoints
                         : sameIgnoringCase(key, "HalvePoints")     ? &play.halvePoints
                         : sameIgnoringCase(key, "MatchPoints")     ? &play.matchPoints
                         : sameIgnoringCase(key, "TeamTotalPoints") ? &play.teamTotalPoints
                                                                    : nullptr;
        if (target == nullptr) return {};  // a key this program does not know is left alone
        std::optional<double> points = pointsValue(value);
        if (!points) return bad("a number of points 0..1000");
        *target = *points;
    }
    return {};
}

const char* RulesName(HandicapRules rules) {
    return rules == HandicapRules::WHS ? "WHS" : "Classic";
}

LoadResult ParseLeagueOptions(LeagueOptions& options, std::string_view text) {
    LeagueOptions read;
    LoadResult result = parseText(text, [&](LineReader& in) { parse(read, in); });
    options = result.ok ? read : LeagueOptions{};
    return result;
}

std::string FormatLeagueOptions(const LeagueOptions& options) {
    std::string out;
    appendLine(out, "[Handicap]");
    appendLine(out, std::string("Rules=") + RulesName(options.rules));
    appendLine(out, "Allowance=" + std::to_string(options.allowance));
    // The side game sections are written only when they differ from the defaults.
    const LeagueOptions defaults;
    if (options.stablefordPoints != defaults.stablefordPoints) {
        std::string points;
        for (int16_t p : options.stablefordPoints) points += (points.empty() ? "" : ",") + std::to_string(p);
        appendLine(out, "[Stableford]");
        appendLine(out, "Points=" + points);
    }
    if (options.skinsCarry || options.skinsBuyIn != 0 || !options.currency.empty()) {
        appendLine(out, "[Skins]");
        appendLine(out, std::string("Ties=") + (options.skinsCarry ? "carry" : "none"));
        if (options.skinsBuyIn != 0) appendLine(out, "BuyIn=" + play::AmountText(options.skinsBuyIn));
        if (!options.currency.empty()) appendLine(out, "Currency=" + options.currency);
    }
    if (options.play != PlayOptions{}) appendPlayOptions(out, options.play);
    return out;
}

LoadResult LoadLeagueOptions(LeagueData& data, platform::Dialogs& dialogs) {
    data.options = LeagueOptions{};
    std::string name = OptionsFileName(data.leagueFileName);
    data.optionsFileStamp = StampOf(findDataFile(name));
    std::error_code ec;
    if (!std::filesystem::exists(findDataFile(name), ec)) return {};
    LeagueOptions read;
    LoadResult result = loadDataFile(name, [&](LineReader& in) { parse(read, in); });
    if (result.ok) {
        data.options = read;
    } else {
        std::string text = platform::joinLines(
            {"Unable to read the league options in " + name + ";", "the classic handicap rules are used."});
        dialogs.message({withCopyNote(text, result), "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
    }
    return result;
}

bool SaveLeagueOptions(LeagueData& data, platform::Dialogs& dialogs) {
    std::string name = OptionsFileName(data.leagueFileName);
    TrackedSave save{findDataFile(name), &data.optionsFileStamp, [&] { LoadLeagueOptions(data, dialogs); }};
    save.content = FormatLeagueOptions(data.options);
    save.failure = {"Unable to save the league options to " + name, "Quorval", platform::Icon::Exclamation, false};
    return SaveTracked(save, dialogs);
}

}  // namespace quorval::store
