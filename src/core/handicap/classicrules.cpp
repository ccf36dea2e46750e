#include <algorithm>
#include <cmath>

#include "handicap/differential.hpp"
#include "handicap/equitable.hpp"
#include "handicap/rules.hpp"
#include "store/coursefile.hpp"
#include "text/numbers.hpp"

namespace quorval::handicap {

namespace {

const store::CourseRecord& courseAt(const store::LeagueData& data, int course) {
    return data.courses[course >= 1 && course <= store::kMaxCourses ? course : 0];
}

// Equitable stroke control, the lowest differentials times the league's factor, and the course
// handicap without the rating term: the rules the program has always kept.
class Classic : public Rules {
public:
    std::string title() const override { return "Classic"; }
    bool usesFactorLimitAndAveraging() const override { return true; }

    bool limitsHoleScores(const store::Settings& settings) const override {
        return settings.equitableCheck == store::kEscOn;
    }

    std::string limitCaption() const override {
        return "Equitable Stroke Control is active, hole scores will be limited if necessary";
    }

    std::string courseRefusal(const store::LeagueData&, int) const override { return {}; }

    bool limitHoleScores(const store::LeagueData& data, int p, int course, int, bool nineHoleRound,
                         std::array<int, 19>& scores) const override {
        const store::PlayerRecord& player = data.players[p];
        EquitableBasis basis;
        basis.hasRounds = player.roundCount >= 1;
        basis.lastCourseHandicap = player.rounds[player.roundCount].courseHandicap;
        basis.nineHoleRound = nineHoleRound;
        basis.nineHoleOption = data.settings.nineHoleOption;
        std::array<double, 19> pars{};
        for (int h = 1; h <= store::kHoles; ++h) pars[h] = store::HolePar(courseAt(data, course), h);
        return ApplyEquitableLimits(scores, pars, basis);
    }

    bool computeSlot(store::LeagueData& data, int p, int slot, int tee, SlotChange, IndexResult& index) const override {
        store::PlayerRecord& player = data.players[p];
        store::RoundRecord& round = player.rounds[slot];
        const store::CourseRecord& course = courseAt(data, round.course);
        auto rating = static_cast<float>(store::CourseRating(course, tee));
        auto slope = static_cast<float>(store::CourseSlope(course, tee));
        auto differential = ComputeDifferential(round.score[store::kOutSlot], round.score[store::kInSlot], rating,
                                                slope, data.settings.nineHoleOption);
        if (!differential) return false;
        round.differential = *differential;
        index = ComputeHandicapIndex(player, slot, data.settings, tee);
        round.handicapIndex = index.index;
        round.courseHandicap = *ComputeCourseHandicap(round.handicapIndex, slope);
        return true;
    }

    std::optional<float> courseHandicap(float index, const store::CourseRecord& course, int tee) const override {
        return ComputeCourseHandicap(index, static_cast<float>(store::CourseSlope(course, tee)));
    }

    bool courseHandicapUsesRating() const override { return false; }
    double courseHandicapTerm(const store::CourseRecord&, int) const override { return 0.0; }

    std::string indexText(float index, int slot, std::string_view pattern) const override {
        if (slot == 0) return kNoFigure;
        return text::formatPattern(index, pattern.empty() ? "0.0" : pattern);
    }

    std::string handicapText(double strokes) const override { return text::generalForm(strokes + 0.0); }

    std::string playingHandicapCaption(const store::LeagueData&) const override { return "Course handicap"; }

    // The total less the course handicap that the index before this round gives on the player's
    // default tee.
    std::optional<int> netHandicap(const store::LeagueData& data, const store::PlayerRecord& player,
                                   int slot) const override {
        const store::RoundRecord& round = player.rounds[slot];
        int tee = player.teePlayed(round);
        auto slope = static_cast<float>(store::CourseSlope(courseAt(data, round.course), tee));
        if (!HasSlope(slope)) return std::nullopt;
        float ch = player.rounds[slot - 1].handicapIndex * slope / 113.0f;
        if (IsNineHoleRound(round.score[store::kOutSlot], round.score[store::kInSlot]) &&
            data.settings.nineHoleOption == kDoubleNineHoleScores) {
            ch /= 2.0f;
        }
        return static_cast<int>(text::Int(ch + 0.5f));
    }

    // As the listing's net, on the tee played and times the allowance; halves upward.
    std::optional<int> sideGameHandicap(const store::LeagueData& data, const store::PlayerRecord& player, int slot,
                                        int tee, int allowance) const override {
        const store::RoundRecord& round = player.rounds[slot];
        auto slope = static_cast<float>(store::CourseSlope(courseAt(data, round.course), tee));
        if (!HasSlope(slope)) return std::nullopt;
        float ch = player.rounds[slot - 1].handicapIndex * slope / 113.0f;
        if (IsNineHoleRound(round.score[store::kOutSlot], round.score[store::kInSlot]) &&
            data.settings.nineHoleOption == kDoubleNineHoleScores) {
            ch /= 2.0f;
        }
        return static_cast<int>(std::floor(static_cast<double>(ch) * allowance / 100.0 + 0.5));
    }

    std::string netText(const store::LeagueData& data, const store::PlayerRecord& player, int slot) const override {
        const store::RoundRecord& round = player.rounds[slot];
        // Before the first round there is no index to take a net with; after it a course handicap
        // of 0 is a scratch player's, whose net is his gross.
        std::optional<int> handicap = netHandicap(data, player, slot);
        if (slot <= 1 || !handicap) return kNoFigure;
        auto ch = static_cast<float>(*handicap);
        auto total = static_cast<int16_t>(round.playedGross());
        return text::generalForm(total - ch);
    }

    std::optional<int> playingHandicap(const store::LeagueData&, float index, int, const store::CourseRecord& course,
                                       int tee) const override {
        auto ch = ComputeCourseHandicap(index, static_cast<float>(store::CourseSlope(course, tee)));
        if (!ch) return std::nullopt;
        return static_cast<int>(*ch);
    }

    std::string courseHandicapText(const store::PlayerRecord& player, int slot) const override {
        if (slot == 0) return kNoFigure;
        return handicapText(player.rounds[slot].courseHandicap);
    }
};

}  // namespace

std::string IndexTextAfter(const Rules& rules, const store::PlayerRecord& player, int slot, std::string_view pattern) {
    if (slot < 1 || slot > store::kMaxRounds || player.rounds[slot].noIndex) return kNoFigure;
    return rules.indexText(player.rounds[slot].handicapIndex, slot, pattern);
}

std::string CurrentIndexText(const Rules& rules, const store::PlayerRecord& player, std::string_view pattern) {
    return IndexTextAfter(rules, player, std::clamp<int>(player.roundCount, 0, store::kMaxRounds), pattern);
}

const Rules& ClassicRules() {
    static const Classic rules;
    return rules;
}

const Rules& RulesFor(store::HandicapRules rules) {
    return rules == store::HandicapRules::WHS ? WorldRules() : ClassicRules();
}

const Rules& RulesOf(const store::LeagueData& data) {
    return RulesFor(data.options.rules);
}

}  // namespace quorval::handicap
