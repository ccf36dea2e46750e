#include "entry/entryquestions.hpp"

namespace quorval::entry {

int AskAboutHighScores(platform::Dialogs& dialogs, const store::HoleValues& score, const store::HoleValues& par) {
    for (int k = 1; k <= store::kHoles; ++k) {
        if (score[k] <= par[k] + 10) continue;
        platform::Message question{"Keep " + std::to_string(score[k]) + " on hole " + std::to_string(k) + "?",
                                   "Quorval", platform::Buttons::YesNo, platform::Icon::Question, 2};
        if (dialogs.message(question) != platform::Answer::Yes) return k;
    }
    return 0;
}

bool AskAboutDateOrder(platform::Dialogs& dialogs, const store::LeagueData& data, int player, const RoundPlace& place) {
    const DateOrder order = CheckRoundDate(data, player, place);
    if (order == DateOrder::InOrder) return true;
    platform::Message question{DateOrderQuestion(data, player, place, order), "Date of the Round",
                               platform::Buttons::YesNo, platform::Icon::Question, 2};
    return dialogs.message(question) == platform::Answer::Yes;
}

}  // namespace quorval::entry
