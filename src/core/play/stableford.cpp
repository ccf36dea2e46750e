#include "play/stableford.hpp"

#include <algorithm>
#include <tuple>

#include "store/coursefile.hpp"

namespace quorval::play {

int StablefordPoints(const PointsTable& table, int par, int strokes, int score) {
    int toPar = score - strokes - par;  // -3 albatross .. +2 double bogey
    if (toPar >= 2) return table[5];
    if (toPar >= -3) return table[static_cast<size_t>(toPar + 3)];
    return table[0] + (-3 - toPar) * (table[0] - table[1]);
}

namespace {

auto countBack(const StablefordRow& r) {
    return std::make_tuple(r.points, r.last9.value_or(0), r.last6, r.last3, r.last1);
}

}  // namespace

std::vector<StablefordRow> RankStableford(const store::LeagueData& data, const Field& field, const PointsTable& table) {
    std::vector<StablefordRow> rows;
    const store::CourseRecord& course = data.courses[field.course];
    for (const FieldPlayer& p : field.players) {
        StablefordRow row;
        row.player = p.player;
        row.name = p.name;
        row.handicap = p.handicap;
        int last9 = 0;
        for (int h = field.firstHole; h <= field.lastHole; ++h) {
            if (p.scores[h] <= 0) continue;  // a hole without a score earns nothing
            int points =
                StablefordPoints(table, static_cast<int>(store::HolePar(course, h)), p.strokes[h], p.scores[h]);
            int fromEnd = field.lastHole - h;  // 0 on the last hole
            row.points += points;
            if (fromEnd < 9) last9 += points;
            if (fromEnd < 6) row.last6 += points;
            if (fromEnd < 3) row.last3 += points;
            if (fromEnd < 1) row.last1 += points;
        }
        if (!field.nine()) row.last9 = last9;
        rows.push_back(row);
    }
    std::stable_sort(rows.begin(), rows.end(), [](const StablefordRow& a, const StablefordRow& b) {
        if (countBack(a) != countBack(b)) return countBack(a) > countBack(b);
        return a.name < b.name;
    });
    for (size_t i = 0; i < rows.size(); ++i) {
        bool asBefore = i > 0 && countBack(rows[i - 1]) == countBack(rows[i]);
        bool asAfter = i + 1 < rows.size() && countBack(rows[i + 1]) == countBack(rows[i]);
        rows[i].place = asBefore ? rows[i - 1].place : static_cast<int>(i) + 1;
        rows[i].tied = asBefore || asAfter;
    }
    return rows;
}

int DefaultStablefordAllowance(const store::LeagueData& data) {
    return data.options.rules == store::HandicapRules::WHS ? data.options.allowance : 100;
}

std::string PlaceText(const StablefordRow& row) {
    return (row.tied ? "T" : "") + std::to_string(row.place);
}

}  // namespace quorval::play
