#include "play/leaguematches.hpp"

#include "play/schedule.hpp"

namespace quorval::play {

LeagueKind KindOf(const store::Schedule& schedule) {
    return schedule.kind == store::SideKind::Players ? LeagueKind::Players : LeagueKind::Teams;
}

std::vector<StandIn> StandInsOn(const store::Schedule& schedule, const store::LeagueData& data, Day date) {
    auto slotOf = [&](const std::string& name) {
        for (int p = 1; p <= data.playerCount && p <= store::kMaxPlayers; ++p) {
            if (data.players[p].name == name) return p;
        }
        return 0;
    };
    std::vector<StandIn> out;
    for (const store::Substitute& sub : SubstitutesOn(schedule, date)) {
        StandIn s{slotOf(sub.forPlayer), slotOf(sub.byPlayer)};
        if (s.regular > 0 && s.by > 0) out.push_back(s);
    }
    return out;
}

std::string MatchesOn(const store::Schedule& schedule, const store::LeagueData& data, Day date,
                      std::vector<SideMatch>& matches) {
    matches.clear();
    std::vector<Matchup> day = MatchupsOn(schedule, data, date);
    if (day.empty()) return "There are no matchups on " + ShortDate(date, data.settings.dateOrder) + ".";
    std::vector<StandIn> standIns = StandInsOn(schedule, data, date);
    for (const Matchup& m : day) {
        if (m.bye) continue;
        matches.push_back(PlayMatchup(data, KindOf(schedule), m.homeSlot, m.awaySlot, date, standIns));
    }
    return {};
}

std::vector<Standing> SeasonStandings(const store::Schedule& schedule, const store::LeagueData& data,
                                      std::optional<Day> from, std::optional<Day> to) {
    std::vector<SideMatch> all;
    std::vector<SideMatch> day;
    for (Day date : ScheduledDates(schedule)) {
        if ((from && date < *from) || (to && date > *to)) continue;
        MatchesOn(schedule, data, date, day);
        all.insert(all.end(), day.begin(), day.end());
    }
    return Standings(all);
}

}  // namespace quorval::play
