#include "entry/entryrequest.hpp"

namespace quorval::entry {

EntryRequest NewRoundsRequest(const RoundPlace& place, bool withStatistics) {
    EntryRequest request;
    request.place = place;
    request.withStatistics = withStatistics;
    return request;
}

EntryRequest CorrectionRequest(const store::LeagueData& data, int player, int slot) {
    const store::RoundRecord& round = data.players[player].rounds[slot];
    EntryRequest request;
    request.place = {round.course, round.month, round.day, round.year};
    request.withStatistics = round.hasPerformanceData();
    request.player = player;
    request.slot = slot;
    request.tee = data.players[player].teePlayed(round);
    return request;
}

int OpeningTee(const store::LeagueData& data, const EntryRequest& request, int player) {
    return request.correcting() ? request.tee : data.players[player].tee;
}

}  // namespace quorval::entry
