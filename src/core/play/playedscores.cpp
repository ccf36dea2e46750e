#include "play/playedscores.hpp"

#include "store/roundrecordfile.hpp"

namespace quorval::play {

// The round record keeps what was played; a round it does not know is read from the league file,
// whose scores are the played ones unless hole limits cut them, and whose tee is the player's.
HoleScores HoleScoresAsPlayed(const store::LeagueData& data, int player, int round) {
    HoleScores scores{};
    const std::vector<int> played = store::HoleScoresAsPlayed(data, player, round);
    const store::RoundRecord& record = data.players[player].rounds[round];
    for (int h = 1; h <= store::kHoles; ++h)
        scores[h] = played.size() == store::kHoles ? played[h - 1] : record.score[h];
    return scores;
}

int TeePlayed(const store::LeagueData& data, int player, int round) {
    const store::PlayerRecord& who = data.players[player];
    return who.teePlayed(who.rounds[round]);
}

}  // namespace quorval::play
