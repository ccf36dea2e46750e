#include "play/playedscores.hpp"

namespace quorval::play {

HoleScores HoleScoresAsPlayed(const store::LeagueData& data, int player, int round) {
    HoleScores scores{};
    const store::RoundRecord& record = data.players[player].rounds[round];
    for (int h = 1; h <= store::kHoles; ++h) scores[h] = record.score[h];
    return scores;
}

int TeePlayed(const store::LeagueData& data, int player, int) {
    return data.players[player].tee;
}

}  // namespace quorval::play
