#include "handicap/handicapindex.hpp"

#include <algorithm>

#include "text/numbers.hpp"

namespace quorval::handicap {

namespace {

constexpr float kStandardFactor = 0.96f;
constexpr float kMensLimit = 36.4f;
constexpr float kLadiesLimit = 40.4f;

// Cuts to one decimal toward zero: 12.98 gives 12.9, -0.57 gives -0.5.
float cutToTenth(float x) {
    return x < 0 ? text::Fix(x * 10.0f) / 10.0f : text::Int(x * 10.0f) / 10.0f;
}

}  // namespace

int DifferentialsUsed(int rounds, bool averageAll) {
    if (averageAll && rounds < 9) return rounds;
    if (rounds <= 6) return 1;
    if (rounds <= 16) return (rounds - 3) / 2;  // 7-8: 2, 9-10: 3, ... 15-16: 6
    return rounds - 10;                         // 17: 7 ... 20: 10
}

IndexResult ComputeHandicapIndex(const store::PlayerRecord& player, int slot, const store::Settings& settings,
                                 int tee) {
    IndexResult result;
    slot = std::clamp(slot, 1, store::kMaxRounds);
    std::vector<float> d;
    for (int r = 1; r <= slot; ++r) d.push_back(player.rounds[r].differential);
    std::sort(d.begin(), d.end());

    result.lines.push_back(player.name);
    if (settings.hcpFactor != kStandardFactor) {
        result.lines.push_back("HCP factor " + text::formatPattern(settings.hcpFactor, "0.00"));
    }
    result.lines.push_back("differentials");
    for (float v : d) result.lines.push_back(text::formatPattern(v, "0.0"));

    int used = DifferentialsUsed(slot, settings.averageCheck == 1);
    float sum = 0;
    for (int i = 0; i < used; ++i) sum += d[i];
    result.lines.push_back("total rounds = " + std::to_string(slot));
    result.lines.push_back("# of rounds used = " + std::to_string(used));
    float avg = sum / static_cast<float>(used);
    // Shown as the listing shows figures: one decimal.
    result.lines.push_back("Avg. = " + text::formatPattern(avg, "0.0"));

    float x = cutToTenth(avg * settings.hcpFactor);
    if (settings.hcpLimitCheck == 1) {
        if (tee == store::kWhiteTee && x > kMensLimit) x = kMensLimit;
        if (tee == store::kRedTee && x > kLadiesLimit) x = kLadiesLimit;
    }
    result.index = x;
    result.lines.push_back("Hcp index = " + text::formatPattern(x, "0.0"));
    return result;
}

}  // namespace quorval::handicap
