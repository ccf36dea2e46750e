#include "publish/sidegamepages.hpp"

#include "play/skins.hpp"
#include "play/stableford.hpp"
#include "publish/site.hpp"

namespace quorval::publish {

namespace {

std::string td(const std::string& html, const char* cls = nullptr) {
    return cls ? "<td class=\"" + std::string(cls) + "\">" + html + "</td>" : "<td>" + html + "</td>";
}

std::string tableOf(const std::string& head, const std::string& rows) {
    return "<div class=\"scroll\"><table>\n" + head + rows + "</table></div>\n";
}

std::string skinsHtml(const store::LeagueData& data, const play::Field& field, const std::string& where) {
    play::SkinsOptions options;
    options.ties = data.options.skinsCarry ? play::Ties::Carry : play::Ties::None;
    options.buyIn = data.options.skinsBuyIn;
    const play::Skins skins = play::ComputeSkins(data, field, options);
    const std::string& currency = data.options.currency;
    std::string html = "<h2>Skins" + where + "</h2>\n<p class=\"muted\">" + (field.net ? "Net" : "Gross") + ", " +
                       std::to_string(field.players.size()) + " players" +
                       (options.ties == play::Ties::Carry ? ", ties carry over" : ", a tied hole wins nothing") +
                       (skins.pot > 0 ? ", pot " + HtmlEscape(play::AmountText(skins.pot, currency)) : "") + "</p>\n";
    if (skins.potReturned()) {
        return html + "<p>No skin was won" + (skins.pot > 0 ? std::string(": the pot is returned") : "") + ".</p>\n";
    }
    std::string rows;
    for (const play::SkinHole& h : skins.holes) {
        if (h.winner < 0) continue;
        rows += "<tr>" + td(std::to_string(h.hole)) + td(std::to_string(h.par), "wide") +
                td(HtmlEscape(field.players[static_cast<size_t>(h.winner)].name), "name") +
                td(std::to_string(h.score)) + td(std::to_string(h.skins)) +
                (skins.pot > 0 ? td(HtmlEscape(play::AmountText(h.skins * skins.skinValue, currency))) : "") +
                "</tr>\n";
    }
    html += tableOf(
        "<tr><th>Hole</th><th class=\"wide\">Par</th><th class=\"name\">Winner</th><th>Score</th>"
        "<th>Skins</th>" +
            std::string(skins.pot > 0 ? "<th>Amount</th>" : "") + "</tr>\n",
        rows);
    if (skins.pot > 0 && skins.leftover > 0) {
        html += "<p class=\"muted\">Left over: " + HtmlEscape(play::AmountText(skins.leftover, currency)) + "</p>\n";
    }
    if (skins.carriedOff > 0) {
        html += "<p class=\"muted\">" + std::to_string(skins.carriedOff) +
                " skins carried past the last hole: not won.</p>\n";
    }
    return html;
}

std::string stablefordHtml(const store::LeagueData& data, const play::Field& field, const std::string& where) {
    std::string rows;
    for (const play::StablefordRow& r : play::RankStableford(data, field, data.options.stablefordPoints)) {
        rows += "<tr>" + td(play::PlaceText(r)) + td(HtmlEscape(r.name), "name") + td(std::to_string(r.handicap)) +
                td("<b>" + std::to_string(r.points) + "</b>") + (r.last9 ? td(std::to_string(*r.last9), "wide") : "") +
                td(std::to_string(r.last6), "wide") + td(std::to_string(r.last3), "wide") +
                td(std::to_string(r.last1), "wide") + "</tr>\n";
    }
    return "<h2>Stableford" + where + "</h2>\n" +
           tableOf("<tr><th>Place</th><th class=\"name\">Player</th><th>Hcp</th><th>Points</th>" +
                       std::string(field.nine() ? "" : "<th class=\"wide\">Last 9</th>") +
                       "<th class=\"wide\">Last 6</th><th class=\"wide\">Last 3</th><th class=\"wide\">Last 1</th>"
                       "</tr>\n",
                   rows);
}

}  // namespace

std::string SideGamesHtml(const store::LeagueData& data, const results::PlayDate& date) {
    const std::vector<int> courses = play::CoursesPlayedOn(data, date);
    std::string html;
    for (int course : courses) {
        play::FieldRequest request{date, data.courses[course][store::course_field::kName], {}, true, 100};
        const bool net = store::HasStrokeIndexes(data.strokeIndexes[course]);
        request.net = net;
        const std::string where = courses.size() > 1 ? " at " + HtmlEscape(request.course) : "";
        play::FieldResult skinsField = play::FieldOfDate(data, request);
        if (!skinsField.field) continue;
        html += skinsHtml(data, *skinsField.field, where);
        if (!net) continue;  // without stroke indexes no points can be counted
        request.allowance = play::DefaultStablefordAllowance(data);
        play::FieldResult pointsField = play::FieldOfDate(data, request);
        if (pointsField.field) html += stablefordHtml(data, *pointsField.field, where);
    }
    return html;
}

}  // namespace quorval::publish
