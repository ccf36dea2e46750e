#include "play/sidegamereport.hpp"

#include "league/leagues.hpp"
#include "print/printfont.hpp"
#include "text/utf8.hpp"

namespace quorval::play {

namespace {

constexpr size_t kNameWidth = 24;
constexpr int kLinesPerPage = 52;

std::string right(const std::string& text, size_t width) {
    return text::PadLeft(text, width);
}

std::string number(int value, size_t width) {
    return right(std::to_string(value), width);
}

std::string handicapWord(const Field& field) {
    return field.net ? "net at " + std::to_string(field.allowance) + "% of handicap" : "gross";
}

std::string fieldLine(const Field& field) {
    return field.courseName + ", " + field.holesText() + ", " + std::to_string(field.players.size()) +
           (field.players.size() == 1 ? " player" : " players");
}

void notInField(const Field& field, std::vector<std::string>& lines) {
    if (field.notInField.empty()) return;
    std::string names;
    for (const std::string& name : field.notInField) names += (names.empty() ? "" : ", ") + name;
    lines.push_back("");
    lines.push_back("Not in the field: " + names);
}

std::string skinsHeading() {
    return "Hole  Par  " + text::PadRight("Winner", kNameWidth) + "  Score  Skins";
}

std::string standingsHeading(bool nine) {
    return "Place  " + text::PadRight("Player", kNameWidth) + "  Hcp  Points" + (nine ? "" : "  Last 9") +
           "  Last 6  Last 3  Last 1";
}

std::string amountsHeading() {
    return text::PadRight("Player", kNameWidth) + "  Skins     Amount";
}

std::string rule(const std::string& heading) {
    return std::string(text::CharLength(heading), '-');
}

void amountLines(const std::vector<SkinsWon>& players, const std::string& currency, std::vector<std::string>& lines) {
    lines.push_back(amountsHeading());
    lines.push_back(rule(amountsHeading()));
    for (const SkinsWon& won : players) {
        lines.push_back(text::FitColumn(won.name, kNameWidth) + number(won.skins, 7) +
                        right(AmountText(won.amount, currency), 11));
    }
}

}  // namespace

std::vector<std::string> SkinsLines(const store::LeagueData& data, const Field& field, const Skins& skins,
                                    const SkinsOptions& options) {
    const std::string& currency = data.options.currency;
    std::vector<std::string> lines;
    lines.push_back("Skins, " + handicapWord(field) + ", " +
                    (options.ties == Ties::Carry ? "a tied hole's skin carries over" : "a tied hole wins nothing"));
    lines.push_back(fieldLine(field));
    std::string pot = "Pot " + AmountText(skins.pot, currency);
    if (!options.pot) {
        pot += " (" + std::to_string(field.players.size()) + " x " + AmountText(options.buyIn, currency) + ")";
    }
    lines.push_back(pot);
    lines.push_back("");
    lines.push_back(skinsHeading());
    lines.push_back(rule(skinsHeading()));
    for (const SkinHole& hole : skins.holes) {
        std::string line = number(hole.hole, 4) + number(hole.par, 5) + "  ";
        if (hole.winner >= 0) {
            line += text::FitColumn(field.players[static_cast<size_t>(hole.winner)].name, kNameWidth) +
                    number(hole.score, 7) + number(hole.skins, 7);
        } else {
            line += text::PadRight(options.ties == Ties::Carry ? "(tied, carried)" : "(tied)", kNameWidth) +
                    std::string(7, ' ') + number(0, 7);
        }
        lines.push_back(line);
    }
    lines.push_back("");
    if (skins.potReturned()) {
        lines.push_back("No skin was won: the pot of " + AmountText(skins.pot, currency) + " is returned.");
    } else {
        lines.push_back("Skins won: " + std::to_string(skins.skinsWon) + ", " + AmountText(skins.skinValue, currency) +
                        " each; left over: " + AmountText(skins.leftover, currency) + " (" +
                        std::to_string(skins.leftover) + (skins.leftover == 1 ? " cent)" : " cents)"));
    }
    if (skins.carriedOff > 0) {
        lines.push_back(std::to_string(skins.carriedOff) + (skins.carriedOff == 1 ? " skin" : " skins") +
                        " still carried after the last hole: not won.");
    }
    lines.push_back("");
    amountLines(skins.players, currency, lines);
    notInField(field, lines);
    return lines;
}

std::vector<std::string> StablefordLines(const store::LeagueData& data, const Field& field,
                                         const std::vector<StablefordRow>& rows) {
    std::vector<std::string> lines;
    std::string title = "Stableford, " + handicapWord(field);
    if (data.options.stablefordPoints != store::LeagueOptions{}.stablefordPoints) {
        std::string points;
        for (int16_t p : data.options.stablefordPoints) points += (points.empty() ? "" : ",") + std::to_string(p);
        title += ", points " + points;
    }
    lines.push_back(title);
    lines.push_back(fieldLine(field));
    lines.push_back("");
    lines.push_back(standingsHeading(field.nine()));
    lines.push_back(rule(standingsHeading(field.nine())));
    for (const StablefordRow& r : rows) {
        std::string line = text::PadRight(PlaceText(r), 5) + "  " + text::FitColumn(r.name, kNameWidth) +
                           number(r.handicap, 5) + number(r.points, 8);
        if (r.last9) line += number(*r.last9, 8);
        line += number(r.last6, 8) + number(r.last3, 8) + number(r.last1, 8);
        lines.push_back(line);
    }
    notInField(field, lines);
    return lines;
}

std::vector<std::string> SkinsTotalsLines(const store::LeagueData& data, const SeasonSkins& season) {
    std::vector<std::string> lines;
    std::string range = season.nights.empty()
                            ? "no nights"
                            : results::DateText(season.nights.front(), data.settings.dateOrder) + " to " +
                                  results::DateText(season.nights.back(), data.settings.dateOrder) + ", " +
                                  std::to_string(season.nights.size()) +
                                  (season.nights.size() == 1 ? " night" : " nights");
    lines.push_back("Skins of the season: " + range);
    lines.push_back("");
    amountLines(season.players, data.options.currency, lines);
    if (!season.skipped.empty()) {
        lines.push_back("");
        lines.push_back("Not counted:");
        for (const std::string& why : season.skipped) lines.push_back("  " + why);
    }
    return lines;
}

bool PrintSideGame(platform::Printer& printer, const store::LeagueData& data, const SideGamePrint& what,
                   std::string& error) {
    std::vector<std::string> lines;
    std::string title;
    if (what.game == SideGame::SkinsTotals) {
        SeasonSkins season = SkinsTotals(data, what.request, what.skins, what.from, what.to);
        if (season.nights.empty()) {
            error = "No night in that range has a field for skins.";
            return false;
        }
        lines = SkinsTotalsLines(data, season);
        title = "Skins of the Season";
    } else {
        FieldResult result = FieldOfDate(data, what.request);
        if (!result.field) {
            error = result.error;
            return false;
        }
        const Field& field = *result.field;
        bool skins = what.game == SideGame::Skins;
        lines = skins ? SkinsLines(data, field, ComputeSkins(data, field, what.skins), what.skins)
                      : StablefordLines(data, field, RankStableford(data, field, data.options.stablefordPoints));
        title = std::string(skins ? "Skins" : "Stableford") + " of " +
                results::DateText(what.request.date, data.settings.dateOrder);
    }
    // Cut into pages; a table that runs on repeats its heading.
    std::vector<std::vector<std::string>> pages(1);
    std::vector<std::string> heading;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i + 1 < lines.size() && !lines[i].empty() && lines[i + 1] == rule(lines[i]))
            heading = {lines[i], lines[i + 1]};
        if (lines[i].empty()) heading.clear();
        if (pages.back().size() >= static_cast<size_t>(kLinesPerPage)) {
            pages.emplace_back();
            if (!heading.empty() && lines[i] != heading[1]) pages.back() = heading;
        }
        pages.back().push_back(lines[i]);
    }
    print::PrintSheetPages(printer, data, title, pages);
    return true;
}

}  // namespace quorval::play
