#include "entry/roundcard.hpp"

#include "handicap/differential.hpp"

namespace quorval::entry {

int16_t NineSum(const store::HoleValues& values, int firstHole) {
    int sum = 0;
    for (int h = firstHole; h < firstHole + 9; ++h) sum += values[h];
    return static_cast<int16_t>(sum);
}

int16_t NineHits(const store::HoleValues& ticks, int firstHole) {
    int count = 0;
    for (int h = firstHole; h < firstHole + 9; ++h) count += ticks[h] == kTickHit ? 1 : 0;
    return static_cast<int16_t>(count);
}

void SumNines(store::HoleValues& values) {
    values[store::kOutSlot] = NineSum(values, 1);
    values[store::kInSlot] = NineSum(values, 10);
}

void CountHits(store::HoleValues& ticks) {
    ticks[store::kOutSlot] = NineHits(ticks, 1);
    ticks[store::kInSlot] = NineHits(ticks, 10);
}

void TotalPerformance(RoundEntry& round) {
    SumNines(round.putts);
    CountHits(round.fairway);
    CountHits(round.green);
}

bool LimitHoleScores(const store::LeagueData& data, int player, int course, RoundEntry& round) {
    std::array<int, store::kHoles + 1> holes{};
    for (int h = 1; h <= store::kHoles; ++h) holes[h] = round.score[h];
    bool nineHoles = handicap::IsNineHoleRound(round.score[store::kOutSlot], round.score[store::kInSlot]);
    if (!EQadjust(data, player, course, nineHoles, holes, round.tee)) return false;
    for (int h = 1; h <= store::kHoles; ++h) {
        if (holes[h] == round.score[h]) continue;
        round.score[h] = static_cast<int16_t>(holes[h]);
        round.score[h <= 9 ? store::kOutSlot : store::kInSlot] = NineSum(round.score, h <= 9 ? 1 : 10);
    }
    return true;
}

std::vector<int> HolesWithoutScore(const store::HoleValues& score) {
    std::vector<int> blank;
    for (int first : {1, 10}) {
        bool typed = false;
        for (int h = first; h < first + 9; ++h) typed = typed || score[h] > 0;
        if (!typed) continue;
        for (int h = first; h < first + 9; ++h) {
            if (score[h] <= 0) blank.push_back(h);
        }
    }
    return blank;
}

std::string HolesWithoutScoreMessage(const store::HoleValues& score) {
    std::vector<int> blank = HolesWithoutScore(score);
    if (blank.empty()) return {};
    std::string list = std::to_string(blank.front());
    for (size_t i = 1; i < blank.size(); ++i) {
        list += (i + 1 == blank.size() ? " and " : ", ") + std::to_string(blank[i]);
    }
    bool one = blank.size() == 1;
    std::string text =
        (one ? "Hole " : "Holes ") + list + (one ? " has" : " have") + " no score. Type " + (one ? "it" : "them");
    bool front = blank.front() <= 9;
    bool back = blank.back() >= 10;
    // Clearing the nine only helps when the gaps are all in one nine and the other nine was played.
    int otherFirst = front ? 10 : 1;
    bool otherPlayed = NineSum(score, otherFirst) > 0;
    if (front != back && otherPlayed) {
        return text + ", or clear the " + (front ? "front" : "back") + " nine to post nine holes.";
    }
    return text + ".";
}

std::string PuttsAboveScoreMessage(const RoundEntry& round) {
    for (int h = 1; h <= store::kHoles; ++h) {
        if (round.putts[h] <= round.score[h] || round.score[h] <= 0) continue;
        return "Hole " + std::to_string(h) + " was played in " + std::to_string(round.score[h]) +
               (round.score[h] == 1 ? " stroke" : " strokes") + ": it cannot take " + std::to_string(round.putts[h]) +
               " putts.";
    }
    return {};
}

std::string CardProblem(const RoundEntry& round) {
    std::string problem = HolesWithoutScoreMessage(round.score);
    return problem.empty() ? PuttsAboveScoreMessage(round) : problem;
}

}  // namespace quorval::entry
