#include "play/matchplay.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <stdexcept>

#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "play/playedscores.hpp"
#include "store/coursefile.hpp"

namespace quorval::play {

namespace {

Day dayOf(const store::RoundRecord& round) {
    using namespace std::chrono;
    return sys_days{year{store::CalendarYear(round.year)} / month{static_cast<unsigned>(round.month)} /
                    day{static_cast<unsigned>(round.day)}};
}

bool validCourse(int course) {
    return course >= 1 && course <= store::kMaxCourses;
}

// 1 or 10 for a nine-hole round, 1 for eighteen.
int firstHoleOf(const store::RoundRecord& round) {
    return round.score[store::kOutSlot] == 0 && round.score[store::kInSlot] > 0 ? 10 : 1;
}

int holesOf(const store::RoundRecord& round) {
    return handicap::IsNineHoleRound(round.score[store::kOutSlot], round.score[store::kInSlot]) ? 9 : 18;
}

}  // namespace

int RoundOn(const store::PlayerRecord& player, Day date) {
    int found = 0;
    for (int r = 1; r <= player.roundCount && r <= store::kMaxRounds; ++r) {
        const store::RoundRecord& round = player.rounds[r];
        if (round.month >= 1 && round.month <= 12 && round.day >= 1 && round.day <= 31 && dayOf(round) == date) {
            found = r;
        }
    }
    return found;
}

float MatchIndex(const store::PlayerRecord& player, Day date) {
    int slot = RoundOn(player, date);
    return slot > 0 ? player.rounds[slot - 1].handicapIndex : player.currentIndex();
}

int MatchHandicap(const store::LeagueData& data, float index, int course, int tee, bool nine, int allowance) {
    const store::CourseRecord& record = data.courses[validCourse(course) ? course : 0];
    const handicap::Rules& rules = handicap::RulesOf(data);
    double courseHandicap = index * store::CourseSlope(record, tee) / 113.0 + rules.courseHandicapTerm(record, tee);
    if (nine) courseHandicap /= 2;
    return static_cast<int>(std::floor(courseHandicap * allowance / 100.0 + 0.5));
}

StrokeGift GiveStrokes(int handicapA, int handicapB, const store::StrokeIndexes& si, int firstHole, int holes) {
    StrokeGift gift;
    gift.difference = std::abs(handicapA - handicapB);
    if (gift.difference == 0) return gift;
    gift.to = handicapA > handicapB ? 1 : 2;
    gift.strokes = holes == 9 ? handicap::AllocateNineStrokes(gift.difference, si, firstHole)
                              : handicap::AllocateStrokes(gift.difference, si);
    return gift;
}

HoleMatch ScoreHoles(const HoleScores& grossA, const HoleScores& grossB, int handicapA, int handicapB,
                     const store::StrokeIndexes& si, int firstHole, int holes, const store::PlayOptions& options) {
    HoleMatch m;
    m.firstHole = firstHole;
    m.holes = holes;
    m.gift = GiveStrokes(handicapA, handicapB, si, firstHole, holes);
    for (int h = firstHole; h < firstHole + holes; ++h) {
        m.netA[h] = grossA[h] - (m.gift.to == 1 ? m.gift.strokes[h] : 0);
        m.netB[h] = grossB[h] - (m.gift.to == 2 ? m.gift.strokes[h] : 0);
        m.netTotalA += m.netA[h];
        m.netTotalB += m.netB[h];
        if (m.netA[h] < m.netB[h]) {
            ++m.wonA;
        } else if (m.netB[h] < m.netA[h]) {
            ++m.wonB;
        } else {
            ++m.halved;
        }
    }
    m.pointsA = m.wonA * options.holePoints + m.halved * options.halve();
    m.pointsB = m.wonB * options.holePoints + m.halved * options.halve();
    if (m.netTotalA < m.netTotalB) {
        m.pointsA += options.matchPoints;
    } else if (m.netTotalB < m.netTotalA) {
        m.pointsB += options.matchPoints;
    } else {
        m.pointsA += options.matchPoints / 2;
        m.pointsB += options.matchPoints / 2;
    }
    CheckPointsAddUp(m, options);
    return m;
}

void CheckPointsAddUp(const HoleMatch& m, const store::PlayOptions& options) {
    // A halved hole gives each player HalvePoints, so with the usual half a hole's worth it is
    // holes x HolePoints + MatchPoints; a league that sets its own HalvePoints moves the total.
    double expected = (m.holes - m.halved) * options.holePoints + m.halved * 2 * options.halve() + options.matchPoints;
    bool holesAddUp = m.wonA + m.wonB + m.halved == m.holes;
    if (!holesAddUp || std::fabs(m.pointsA + m.pointsB - expected) > 1e-9) {
        throw std::logic_error("the points of a pairing do not add up");
    }
}

Pairing ScorePairing(const store::LeagueData& data, const MatchPlayer& a, const MatchPlayer& b) {
    Pairing p;
    p.a = a;
    p.b = b;
    const store::PlayOptions& options = data.options.play;
    bool hasA = a.player > 0 && a.round > 0;
    bool hasB = b.player > 0 && b.round > 0;
    if (hasA != hasB) {
        // A player present against nobody: his opponent forfeits.
        p.forfeit = true;
        const MatchPlayer& present = hasA ? a : b;
        const store::RoundRecord& round = data.players[present.player].rounds[present.round];
        p.course = round.course;
        double points = options.forfeitAll ? holesOf(round) * options.holePoints + options.matchPoints : 0;
        (hasA ? p.pointsA : p.pointsB) = points;
        return p;
    }
    if (!hasA) return p;

    const store::RoundRecord& ra = data.players[a.player].rounds[a.round];
    const store::RoundRecord& rb = data.players[b.player].rounds[b.round];
    p.course = ra.course;
    auto courseName = [&](int course) {
        return validCourse(course) ? data.courses[course][store::course_field::kName] : std::string("(unknown)");
    };
    if (ra.course != rb.course) {
        p.refusal = "Not scored: " + data.players[a.player].name + " played " + courseName(ra.course) + " and " +
                    data.players[b.player].name + " played " + courseName(rb.course) + ".";
        return p;
    }
    int holes = holesOf(ra);
    int firstHole = holes == 9 ? firstHoleOf(ra) : 1;
    if (holes != holesOf(rb) || (holes == 9 && firstHole != firstHoleOf(rb))) {
        p.refusal = "Not scored: " + data.players[a.player].name + " and " + data.players[b.player].name +
                    " did not play the same holes.";
        return p;
    }
    const store::StrokeIndexes& si = data.strokeIndexes[validCourse(ra.course) ? ra.course : 0];
    if (!validCourse(ra.course) || !store::HasStrokeIndexes(si)) {
        p.refusal = "Not scored: the course " + courseName(ra.course) +
                    " has no stroke indexes. Enter them in the Stroke index row with Courses, Edit Course.";
        return p;
    }
    bool nine = holes == 9;
    p.handicapA = MatchHandicap(data, a.index, ra.course, TeePlayed(data, a.player, a.round), nine, options.allowance);
    p.handicapB = MatchHandicap(data, b.index, rb.course, TeePlayed(data, b.player, b.round), nine, options.allowance);
    p.match = ScoreHoles(HoleScoresAsPlayed(data, a.player, a.round), HoleScoresAsPlayed(data, b.player, b.round),
                         p.handicapA, p.handicapB, si, firstHole, holes, options);
    p.scored = true;
    p.pointsA = p.match.pointsA;
    p.pointsB = p.match.pointsB;
    return p;
}

std::vector<MatchPlayer> NightRoster(const store::LeagueData& data, LeagueKind kind, int side, Day date,
                                     const std::vector<StandIn>& standIns) {
    std::vector<MatchPlayer> roster;
    for (int p = 1; p <= data.playerCount && p <= store::kMaxPlayers; ++p) {
        bool member = kind == LeagueKind::Teams ? data.players[p].team == side : p == side;
        if (!member) continue;
        MatchPlayer m;
        m.player = p;
        for (const StandIn& s : standIns) {
            if (s.regular == p && s.by >= 1 && s.by <= data.playerCount) {
                m.player = s.by;
                m.regular = p;
            }
        }
        const store::PlayerRecord& who = data.players[m.player];
        m.round = RoundOn(who, date);
        m.index = MatchIndex(who, date);
        roster.push_back(m);
    }
    std::stable_sort(roster.begin(), roster.end(),
                     [](const MatchPlayer& x, const MatchPlayer& y) { return x.index < y.index; });
    return roster;
}

SideMatch PlayMatchup(const store::LeagueData& data, LeagueKind kind, int slotA, int slotB, Day date,
                      const std::vector<StandIn>& standIns) {
    SideMatch match;
    match.slotA = slotA;
    match.slotB = slotB;
    auto sideName = [&](int slot) {
        if (kind == LeagueKind::Teams) return slot >= 1 && slot <= store::kMaxTeams ? data.teams.teamNames[slot] : "";
        return slot >= 1 && slot <= store::kMaxPlayers ? data.players[slot].name : "";
    };
    match.sideA = sideName(slotA);
    match.sideB = sideName(slotB);
    std::vector<MatchPlayer> a = NightRoster(data, kind, slotA, date, standIns);
    std::vector<MatchPlayer> b = NightRoster(data, kind, slotB, date, standIns);
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        Pairing p = ScorePairing(data, a[i], b[i]);
        match.pointsA += p.pointsA;
        match.pointsB += p.pointsB;
        if (p.scored) {
            match.teamTotalScored = true;
            match.netA += p.match.netTotalA;
            match.netB += p.match.netTotalB;
        }
        match.pairings.push_back(std::move(p));
    }
    double total = data.options.play.teamTotalPoints;
    if (match.teamTotalScored && total > 0) {
        if (match.netA < match.netB) {
            match.pointsA += total;
        } else if (match.netB < match.netA) {
            match.pointsB += total;
        } else {
            match.pointsA += total / 2;
            match.pointsB += total / 2;
        }
    }
    return match;
}

std::vector<Standing> Standings(const std::vector<SideMatch>& matches) {
    std::vector<Standing> rows;
    std::map<std::string, size_t> at;
    auto row = [&](const std::string& side) -> Standing& {
        auto [it, added] = at.try_emplace(side, rows.size());
        if (added) rows.push_back(Standing{side});
        return rows[it->second];
    };
    for (const SideMatch& m : matches) {
        bool played =
            std::any_of(m.pairings.begin(), m.pairings.end(), [](const Pairing& p) { return p.scored || p.forfeit; });
        row(m.sideA);
        Standing& b = row(m.sideB);  // both rows exist now, so the first reference stays valid
        Standing& a = row(m.sideA);
        if (!played) continue;
        ++a.played;
        ++b.played;
        a.points += m.pointsA;
        b.points += m.pointsB;
        if (std::fabs(m.pointsA - m.pointsB) < 1e-9) {
            ++a.halved;
            ++b.halved;
        } else if (m.pointsA > m.pointsB) {
            ++a.won;
            ++b.lost;
        } else {
            ++b.won;
            ++a.lost;
        }
    }
    auto same = [](const Standing& x, const Standing& y) {
        return std::fabs(x.points - y.points) < 1e-9 && x.won == y.won;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const Standing& x, const Standing& y) {
        if (std::fabs(x.points - y.points) >= 1e-9) return x.points > y.points;
        return x.won > y.won;
    });
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].place = i > 0 && same(rows[i], rows[i - 1]) ? rows[i - 1].place : static_cast<int>(i) + 1;
    }
    return rows;
}

}  // namespace quorval::play
