#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "handicap/strokes.hpp"
#include "store/coursefile.hpp"
#include "text/numbers.hpp"

// Every figure here is held in whole tenths and worked out exactly as a fraction, so that halves
// round upward as the rules ask (-1.55 to -1.5, 22.05 to 22.1) whatever binary floats would do.
namespace quorval::handicap {

namespace {

using i64 = long long;

constexpr i64 kMaxIndex = 540;
constexpr i64 kSoftCap = 30;
constexpr i64 kHardCap = 50;

i64 floorDiv(i64 a, i64 b) {
    i64 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// num / den (den > 0) to the nearest whole number, halves upward.
i64 roundHalfUp(i64 num, i64 den) {
    return floorDiv(2 * num + den, 2 * den);
}

i64 tenths(double x) {
    return std::llround(x * 10.0);
}

float fromTenths(i64 t) {
    return static_cast<float>(t) / 10.0f;
}

std::string tenthsText(i64 t) {
    std::string sign = t < 0 ? "-" : "";
    i64 a = t < 0 ? -t : t;
    return sign + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

// An index as the listing shows it: a plus index with its plus sign.
std::string indexTenths(i64 t) {
    return t < 0 ? "+" + tenthsText(-t) : tenthsText(t);
}

// An index inside a sum: a plus index is a negative number there, in brackets so it reads as one.
std::string termTenths(i64 t) {
    return t < 0 ? "(" + tenthsText(t) + ")" : tenthsText(t);
}

const store::CourseRecord& courseAt(const store::LeagueData& data, int course) {
    return data.courses[course >= 1 && course <= store::kMaxCourses ? course : 0];
}

bool nineHoles(const store::RoundRecord& round) {
    return IsNineHoleRound(round.score[store::kOutSlot], round.score[store::kInSlot]);
}

// Whether the round in `slot` issued an index. Rounds stored before the record knew it: a 0 on
// slot 1 or 2 is "no index yet", as the first two rounds give none.
bool issuedIndex(const store::PlayerRecord& player, int slot) {
    const store::RoundRecord& round = player.rounds[slot];
    return !round.noIndex && !(slot <= 2 && round.handicapIndex == 0);
}

// A nine-hole round has one nine total; a round kept without nine totals counts as eighteen.
int holesOf(const store::RoundRecord& round) {
    return (round.score[store::kOutSlot] == 0) != (round.score[store::kInSlot] == 0) ? 9 : 18;
}

// The index before the round in `slot`: the one issued by the score before it, which may be a
// score of the record older than the stored rounds.
std::optional<i64> indexBefore(const store::PlayerRecord& player, int slot) {
    int before = slot - 1;
    if (before < 1) {
        if (slot != 1 || player.earlier.empty() || player.earlier.back().noIndex) return std::nullopt;
        return tenths(player.earlier.back().handicapIndex);
    }
    if (!issuedIndex(player, before)) return std::nullopt;
    return tenths(player.rounds[before].handicapIndex);
}

// The date of a stored round as a day count; two-digit years 85..99 are 1985..1999.
i64 dayNumber(const store::RoundRecord& round) {
    int year = store::CalendarYear(round.year);
    using namespace std::chrono;
    year_month_day ymd{std::chrono::year(year), month(static_cast<unsigned>(std::clamp<int>(round.month, 1, 12))),
                       day(static_cast<unsigned>(std::clamp<int>(round.day, 1, 31)))};
    return sys_days(ymd).time_since_epoch().count();
}

struct TeeFigures {
    i64 slope = 0;    // whole slope
    i64 rating = 0;   // tenths
    i64 par = 0;      // whole strokes, the 18 holes
    i64 ninePar = 0;  // of the nine played, for a nine-hole round
};

TeeFigures teeFigures(const store::CourseRecord& course, int tee, int firstHole) {
    TeeFigures f;
    f.slope = std::llround(store::CourseSlope(course, tee));
    f.rating = tenths(store::CourseRating(course, tee));
    f.par = std::llround(store::CourseNumber(course, store::course_field::kParTotal));
    f.ninePar = std::llround(
        store::CourseNumber(course, firstHole == 10 ? store::course_field::kParIn : store::course_field::kParOut));
    return f;
}

// The unrounded course handicap num / den of an index (tenths) on a tee.
struct Fraction {
    i64 num = 0;
    i64 den = 1;
};

Fraction courseHandicapOf(i64 index, const TeeFigures& f, bool nine, bool nineHoleRatings) {
    if (!nine) return {index * f.slope + (f.rating - 10 * f.par) * 113, 1130};
    // index / 2 * slope / 113 + (rating / 2 - par of the nine), in 2260ths
    i64 ratingTerm = nineHoleRatings ? 2 * f.rating : f.rating;
    return {index * f.slope + (ratingTerm - 20 * f.ninePar) * 113, 2260};
}

struct TableRow {
    int used = 0;
    i64 adjustment = 0;  // tenths
};

TableRow tableRow(int n) {
    if (n <= 2) return {0, 0};
    if (n == 3) return {1, -20};
    if (n == 4) return {1, -10};
    if (n == 5) return {1, 0};
    if (n == 6) return {2, -10};
    if (n <= 8) return {2, 0};
    if (n <= 11) return {3, 0};
    if (n <= 14) return {4, 0};
    if (n <= 16) return {5, 0};
    if (n <= 18) return {6, 0};
    if (n == 19) return {7, 0};
    return {8, 0};
}

int firstHoleOf(const std::array<int, 19>& scores) {
    for (int h = 1; h <= 9; ++h)
        if (scores[h] > 0) return 1;
    return 10;
}

int firstHoleOf(const store::RoundRecord& round) {
    return round.score[store::kOutSlot] == 0 && round.score[store::kInSlot] != 0 ? 10 : 1;
}

class World : public Rules {
public:
    std::string title() const override { return "World Handicap System"; }
    bool usesFactorLimitAndAveraging() const override { return false; }

    bool limitsHoleScores(const store::Settings&) const override { return true; }

    std::string limitCaption() const override { return "Net Double Bogey is active, hole scores will be limited"; }

    std::string courseRefusal(const store::LeagueData& data, int course) const override {
        if (store::HasStrokeIndexes(data.strokeIndexes[course >= 1 && course <= store::kMaxCourses ? course : 0])) {
            return {};
        }
        return "The course " + courseAt(data, course)[store::course_field::kName] +
               " has no stroke indexes, so it cannot take a round under the World Handicap System rules.\r\n" +
               "Enter them in the Stroke index row with Courses, Edit Course.";
    }

    // Net double bogey: par + 2 + the strokes received on the hole; par + 5 without an index.
    bool limitHoleScores(const store::LeagueData& data, int p, int course, int tee, bool nineHoleRound,
                         std::array<int, 19>& scores) const override {
        const store::PlayerRecord& player = data.players[p];
        const store::CourseRecord& record = courseAt(data, course);
        int firstHole = firstHoleOf(scores);
        std::optional<i64> index = indexBefore(player, player.roundCount + 1);
        HoleStrokes strokes{};
        if (index) {
            TeeFigures f = teeFigures(record, tee, firstHole);
            Fraction ch = courseHandicapOf(*index, f, nineHoleRound, data.settings.nineHoleOption == kNineHoleRatings);
            int handicap = static_cast<int>(roundHalfUp(ch.num, ch.den));
            const store::StrokeIndexes& si =
                data.strokeIndexes[course >= 1 && course <= store::kMaxCourses ? course : 0];
            strokes = nineHoleRound ? AllocateNineStrokes(handicap, si, firstHole) : AllocateStrokes(handicap, si);
        }
        bool changed = false;
        for (int h = 1; h <= store::kHoles; ++h) {
            auto par = static_cast<int>(std::clamp(store::HolePar(record, h), -99.0, 99.0));
            int limit = index ? par + 2 + strokes[h] : par + 5;
            if (scores[h] > 0 && scores[h] > limit) {
                scores[h] = limit;
                changed = true;
            }
        }
        return changed;
    }

    bool computeSlot(store::LeagueData& data, int p, int slot, int tee, SlotChange change,
                     IndexResult& result) const override {
        store::PlayerRecord& player = data.players[p];
        store::RoundRecord& round = player.rounds[slot];
        const store::CourseRecord& course = courseAt(data, round.course);
        TeeFigures f = teeFigures(course, tee, firstHoleOf(round));
        if (f.slope <= 0) return false;
        std::optional<i64> before = indexBefore(player, slot);
        result = IndexResult{};
        auto& lines = result.lines;
        lines.push_back(player.name);
        lines.push_back("World Handicap System");

        if (change != SlotChange::Kept) storeDifferential(data, player, slot, f, before, change, lines);
        return finishSlot(player, slot, course, tee, lines, result);
    }

    // The differential of the round in `slot`; an exceptional score lowers every stored
    // differential up to it.
    static void storeDifferential(const store::LeagueData& data, store::PlayerRecord& player, int slot,
                                  const TeeFigures& f, std::optional<i64> before, SlotChange change,
                                  std::vector<std::string>& lines) {
        store::RoundRecord& round = player.rounds[slot];
        bool nineHoleRatings = data.settings.nineHoleOption == kNineHoleRatings;
        // The differential, unrounded, as num / den tenths.
        i64 gross = round.score[store::kOutSlot] + round.score[store::kInSlot];
        Fraction d;
        if (!nineHoles(round)) {
            d = {113 * (10 * gross - f.rating), f.slope};
        } else {
            i64 ratingTerm = nineHoleRatings ? 2 * f.rating : f.rating;
            Fraction nine{113 * (20 * gross - ratingTerm), 2 * f.slope};
            lines.push_back("9-hole differential = " +
                            text::generalForm(static_cast<double>(nine.num) / static_cast<double>(nine.den) / 10.0));
            if (before) {
                // 0.52 x index + 1.2, in tenths: (52 x index + 1200) / 100
                d = {100 * nine.num + (52 * *before + 1200) * nine.den, 100 * nine.den};
                lines.push_back("expected 9-hole differential = 0.52 x " + termTenths(*before) + " + 1.2 = " +
                                text::generalForm((52.0 * static_cast<double>(*before) + 1200.0) / 1000.0) +
                                " (approximation)");
            } else {
                d = {2 * nine.num, nine.den};
                lines.push_back("no index yet: the 9-hole differential counts twice");
            }
        }
        round.differential = fromTenths(roundHalfUp(d.num, d.den));
        round.rawDifferential = round.differential;
        round.exceptionalCut = 0;
        if (!nineHoles(round)) {
            lines.push_back("differential = (113 / " + std::to_string(f.slope) + ") x (" + std::to_string(gross) +
                            " - " + tenthsText(f.rating) + ") = " + tenthsText(roundHalfUp(d.num, d.den)));
        } else {
            // The nine's own figure, then what is added to it, so the line sums to what it shows.
            i64 ratingTerm = nineHoleRatings ? 2 * f.rating : f.rating;
            i64 nineTenths = roundHalfUp(113 * (20 * gross - ratingTerm), 2 * f.slope);
            i64 total = roundHalfUp(d.num, d.den);
            std::string working = "differential = (113 / " + std::to_string(f.slope) + ") x (" + std::to_string(gross) +
                                  " - " + text::generalForm(static_cast<double>(ratingTerm) / 20.0) +
                                  ") = " + tenthsText(nineTenths);
            working += before ? ", + expected " + tenthsText(total - nineTenths) : ", doubled";
            lines.push_back(working + " = " + tenthsText(total));
        }

        if (change == SlotChange::Entered && before) {
            i64 below = *before * d.den - d.num;  // in tenths, times den
            i64 cut = below >= 100 * d.den ? 20 : below >= 70 * d.den ? 10 : 0;
            if (cut > 0) {
                round.exceptionalCut = static_cast<int16_t>(cut);
                for (int r = 1; r <= slot; ++r) {
                    player.rounds[r].differential = fromTenths(tenths(player.rounds[r].differential) - cut);
                }
                lines.push_back("exceptional score: " + tenthsText(below / d.den) + " below index " +
                                indexTenths(*before) + ", every differential lowered by " + tenthsText(cut));
            }
        }
    }

    bool finishSlot(store::PlayerRecord& player, int slot, const store::CourseRecord& course, int tee,
                    std::vector<std::string>& lines, IndexResult& result) const {
        store::RoundRecord& round = player.rounds[slot];

        // The index from the lowest differentials of slots 1..slot.
        int n = slot;
        std::vector<std::pair<i64, int>> ds;  // tenths, slot
        for (int r = 1; r <= n; ++r) ds.push_back({tenths(player.rounds[r].differential), r});
        std::vector<std::pair<i64, int>> sorted = ds;
        std::stable_sort(sorted.begin(), sorted.end());
        TableRow row = tableRow(n);
        std::vector<bool> used(static_cast<size_t>(n) + 1, false);
        i64 sum = 0;
        for (int i = 0; i < row.used; ++i) {
            used[static_cast<size_t>(sorted[static_cast<size_t>(i)].second)] = true;
            sum += sorted[static_cast<size_t>(i)].first;
        }
        lines.push_back("differentials, oldest first (* used)");
        for (auto [t, r] : ds) lines.push_back((used[static_cast<size_t>(r)] ? "* " : "  ") + tenthsText(t));
        lines.push_back("total rounds = " + std::to_string(n));

        // A first index needs 54 holes: 18-hole rounds count 18, nine-hole rounds 9.
        int holes = 0;
        for (const store::RoundRecord& older : player.earlier) holes += holesOf(older);
        for (int r = 1; r <= n && holes < 54; ++r) holes += holesOf(player.rounds[r]);
        if (holes < 54) row = TableRow{};
        i64 index = 0;
        if (row.used == 0) {
            lines.push_back(std::to_string(holes) + " holes: a first index needs 54, no index yet");
        } else {
            std::string rule = row.used == 1 ? "lowest 1" : "average of lowest " + std::to_string(row.used);
            if (row.adjustment != 0) rule += " - " + tenthsText(-row.adjustment);
            lines.push_back(std::to_string(n) + " rounds: " + rule);
            index = roundHalfUp(sum, row.used) + row.adjustment;
            lines.push_back("index before caps = " + indexTenths(index));
            if (n == store::kMaxRounds) index = capped(player, slot, index, lines);
            if (index > kMaxIndex) {
                index = kMaxIndex;
                lines.push_back("limited to 54.0");
            }
        }
        round.handicapIndex = fromTenths(index);
        round.noIndex = row.used == 0;
        result.index = round.handicapIndex;
        lines.push_back("Hcp index = " +
                        (round.noIndex ? std::string("--") : indexText(round.handicapIndex, store::kMaxRounds, "0.0")));

        if (row.used == 0) {
            round.courseHandicap = 0;
        } else {
            TeeFigures f = teeFigures(course, tee, 1);
            Fraction ch = courseHandicapOf(index, f, false, false);
            round.courseHandicap = static_cast<float>(roundHalfUp(ch.num, ch.den));
            char exact[32];
            std::snprintf(exact, sizeof exact, "%.3f", static_cast<double>(ch.num) / 1130.0);
            lines.push_back("course handicap = " + termTenths(index) + " x " + std::to_string(f.slope) + " / 113 + (" +
                            tenthsText(f.rating) + " - " + std::to_string(f.par) + ") = " + exact + " = " +
                            text::generalForm(round.courseHandicap));
        }
        return true;
    }

    std::optional<float> courseHandicap(float index, const store::CourseRecord& course, int tee) const override {
        TeeFigures f = teeFigures(course, tee, 1);
        if (f.slope <= 0) return std::nullopt;
        if (!std::isfinite(index) || std::fabs(index) > 1e6f || f.rating > 1e7 || std::llabs(f.par) > 1000000) {
            return ComputeCourseHandicap(index, static_cast<float>(f.slope));
        }
        Fraction ch = courseHandicapOf(tenths(index), f, false, false);
        return static_cast<float>(roundHalfUp(ch.num, ch.den));
    }

    bool courseHandicapUsesRating() const override { return true; }
    double courseHandicapTerm(const store::CourseRecord& course, int tee) const override {
        return store::CourseRating(course, tee) - store::CourseNumber(course, store::course_field::kParTotal);
    }

    std::string indexText(float index, int slot, std::string_view pattern) const override {
        if (slot == 0 || (index == 0 && slot <= 2)) return kNoFigure;
        std::string_view shown = pattern.empty() ? "0.0" : pattern;
        std::string digits = text::formatPattern(std::fabs(index), shown);
        return index < 0 && digits != text::formatPattern(0, shown) ? "+" + digits : digits;
    }

    std::string handicapText(double strokes) const override {
        return strokes < 0 ? "+" + text::generalForm(-strokes) : text::generalForm(strokes + 0.0);
    }

    std::string playingHandicapCaption(const store::LeagueData& data) const override {
        if (data.options.allowance == 100) return "Course handicap";
        return "Playing handicap (" + std::to_string(data.options.allowance) + " %)";
    }

    // The total less the playing handicap of the index before the round, on the default tee.
    std::optional<int> netHandicap(const store::LeagueData& data, const store::PlayerRecord& player,
                                   int slot) const override {
        const store::RoundRecord& round = player.rounds[slot];
        std::optional<i64> before = indexBefore(player, slot);
        int tee = player.teePlayed(round);
        TeeFigures f = teeFigures(courseAt(data, round.course), tee, firstHoleOf(round));
        if (!before || f.slope <= 0) return std::nullopt;
        Fraction ch = courseHandicapOf(*before, f, nineHoles(round), data.settings.nineHoleOption == kNineHoleRatings);
        return static_cast<int>(roundHalfUp(ch.num * data.options.allowance, ch.den * 100));
    }

    std::optional<int> sideGameHandicap(const store::LeagueData& data, const store::PlayerRecord& player, int slot,
                                        int tee, int allowance) const override {
        const store::RoundRecord& round = player.rounds[slot];
        std::optional<i64> before = indexBefore(player, slot);
        TeeFigures f = teeFigures(courseAt(data, round.course), tee, firstHoleOf(round));
        if (!before || f.slope <= 0) return std::nullopt;
        Fraction ch = courseHandicapOf(*before, f, nineHoles(round), data.settings.nineHoleOption == kNineHoleRatings);
        return static_cast<int>(roundHalfUp(ch.num * allowance, ch.den * 100));
    }

    std::string netText(const store::LeagueData& data, const store::PlayerRecord& player, int slot) const override {
        std::optional<int> playing = netHandicap(data, player, slot);
        if (!playing) return "--";
        return text::generalForm(static_cast<double>(player.rounds[slot].playedGross() - *playing));
    }

    std::optional<int> playingHandicap(const store::LeagueData& data, float index, int slot,
                                       const store::CourseRecord& course, int tee) const override {
        if (index == 0 && slot <= 2) return std::nullopt;
        return PlayingHandicap(index, course, tee, data.options.allowance);
    }

    std::string courseHandicapText(const store::PlayerRecord& player, int slot) const override {
        const store::RoundRecord& round = player.rounds[slot];
        if (slot == 0 || round.noIndex || (round.courseHandicap == 0 && round.handicapIndex == 0 && slot <= 2))
            return kNoFigure;
        return handicapText(round.courseHandicap);
    }

private:
    // Low is the lowest index issued in the 365 days before the date of the most recent score
    // already in the record when this one is added, whatever rounds have left the stored 20; the
    // index may rise 3.0 above it freely, half of anything beyond, and never more than 5.0.
    static i64 capped(const store::PlayerRecord& player, int slot, i64 index, std::vector<std::string>& lines) {
        const store::RoundRecord* previous = slot > 1                 ? &player.rounds[slot - 1]
                                             : player.earlier.empty() ? nullptr
                                                                      : &player.earlier.back();
        if (!previous) return index;
        i64 last = dayNumber(*previous);
        std::optional<i64> low;
        auto consider = [&](const store::RoundRecord& earlier, bool issued) {
            i64 day = dayNumber(earlier);
            if (!issued || day > last || day < last - 365) return;
            i64 x = tenths(earlier.handicapIndex);
            if (!low || x < *low) low = x;
        };
        for (const store::RoundRecord& earlier : player.earlier) consider(earlier, !earlier.noIndex);
        for (int r = 1; r < slot; ++r) consider(player.rounds[r], issuedIndex(player, r));
        if (!low) return index;
        lines.push_back("Low (lowest index of the 365 days before the previous score) = " + indexTenths(*low));
        i64 excess = index - *low;
        if (excess > kSoftCap) {
            index = *low + kSoftCap + roundHalfUp(excess - kSoftCap, 2);
            lines.push_back("soft cap: half of the rise above 3.0 counts = " + indexTenths(index));
        }
        if (index > *low + kHardCap) {
            index = *low + kHardCap;
            lines.push_back("hard cap: Low + 5.0 = " + indexTenths(index));
        }
        return index;
    }
};

}  // namespace

const Rules& WorldRules() {
    static const World rules;
    return rules;
}

// The playing handicap: the unrounded course handicap times the league's allowance.
std::optional<int> PlayingHandicap(float index, const store::CourseRecord& course, int tee, int allowance) {
    TeeFigures f = teeFigures(course, tee, 1);
    if (f.slope <= 0) return std::nullopt;
    Fraction ch = courseHandicapOf(tenths(index), f, false, false);
    return static_cast<int>(roundHalfUp(ch.num * allowance, ch.den * 100));
}

}  // namespace quorval::handicap
