#include "play/skins.hpp"

#include <algorithm>
#include <map>

#include "store/coursefile.hpp"

namespace quorval::play {

Skins ComputeSkins(const store::LeagueData& data, const Field& field, const SkinsOptions& options) {
    Skins skins;
    for (const FieldPlayer& p : field.players) skins.players.push_back({p.player, p.name, 0, 0});
    int carried = 0;
    for (int h = field.firstHole; h <= field.lastHole; ++h) {
        SkinHole hole;
        hole.hole = h;
        hole.par = static_cast<int>(store::HolePar(data.courses[field.course], h));
        int low = 0, lowCount = 0, lowPlayer = -1;
        for (size_t i = 0; i < field.players.size(); ++i) {
            const FieldPlayer& p = field.players[i];
            if (p.scores[h] <= 0) continue;  // no score on the hole: not in it
            int score = p.scores[h] - p.strokes[h];
            if (lowCount == 0 || score < low) {
                low = score;
                lowCount = 0;
                lowPlayer = static_cast<int>(i);
            }
            if (score == low) ++lowCount;
        }
        if (lowCount == 1) {
            hole.winner = lowPlayer;
            hole.score = low;
            hole.skins = 1 + carried;
            carried = 0;
            skins.players[static_cast<size_t>(lowPlayer)].skins += hole.skins;
            skins.skinsWon += hole.skins;
        } else if (options.ties == Ties::Carry) {
            ++carried;
        }
        skins.holes.push_back(hole);
    }
    skins.carriedOff = carried;
    skins.pot = options.pot ? *options.pot : options.buyIn * static_cast<Cents>(field.players.size());
    if (skins.skinsWon > 0) {
        skins.skinValue = skins.pot / skins.skinsWon;
        skins.leftover = skins.pot - skins.skinValue * skins.skinsWon;
        for (SkinsWon& won : skins.players) won.amount = won.skins * skins.skinValue;
    }
    return skins;
}

SeasonSkins SkinsTotals(const store::LeagueData& data, FieldRequest request, const SkinsOptions& options,
                        std::optional<results::PlayDate> from, std::optional<results::PlayDate> to) {
    SeasonSkins season;
    std::map<int, SkinsWon> byPlayer;
    for (const results::PlayDate& date : results::DatesPlayed(data)) {
        if ((from && DateOrder(date) < DateOrder(*from)) || (to && DateOrder(date) > DateOrder(*to))) continue;
        bool counted = false;
        for (int course : CoursesPlayedOn(data, date)) {
            request.date = date;
            request.course = data.courses[course][store::course_field::kName];
            FieldResult result = FieldOfDate(data, request);
            if (!result.field) {
                season.skipped.push_back(results::DateText(date, data.settings.dateOrder) + " " + request.course +
                                         ": " + result.error);
                continue;
            }
            counted = true;
            Skins night = ComputeSkins(data, *result.field, options);
            for (const SkinsWon& won : night.players) {
                SkinsWon& total = byPlayer.try_emplace(won.player, SkinsWon{won.player, won.name, 0, 0}).first->second;
                total.skins += won.skins;
                total.amount += won.amount;
            }
        }
        if (counted) season.nights.push_back(date);
    }
    for (const auto& [player, won] : byPlayer) season.players.push_back(won);
    return season;
}

}  // namespace quorval::play
