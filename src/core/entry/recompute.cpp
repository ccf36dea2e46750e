#include "entry/recompute.hpp"

#include <algorithm>
#include <filesystem>

#include "entry/posting.hpp"
#include "entry/roundcard.hpp"
#include "entry/scoringrecord.hpp"
#include "handicap/rules.hpp"
#include "listing/listing.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"

namespace quorval::entry {

std::string RecomputeBackupName(const std::string& leagueFileName) {
    return leagueFileName + ".before-recompute";
}

void RecomputeLeague(store::LeagueData& data) {
    if (data.options.rules == store::HandicapRules::WHS) {
        ReplayLeague(data);
        return;
    }
    const handicap::Rules& rules = handicap::RulesOf(data);
    bool limited = rules.limitsHoleScores(data.settings);
    for (int p = 1; p <= data.playerCount; ++p) {
        store::PlayerRecord& player = data.players[p];
        auto first = player.rounds.begin() + 1;
        std::stable_sort(first, first + player.roundCount,
                         [](const store::RoundRecord& a, const store::RoundRecord& b) {
                             return listing::DateKey(a) < listing::DateKey(b);
                         });
        int count = player.roundCount;
        for (int slot = 1; slot <= count; ++slot) {
            store::RoundRecord& round = player.rounds[slot];
            int tee = player.teePlayed(round);
            if (limited) {
                // The limits in force, from the scores as played, with the rounds before this one.
                RoundEntry typed;
                typed.score = round.hasAsPlayed() ? round.asPlayed : round.score;
                typed.tee = tee;
                player.roundCount = static_cast<int16_t>(slot - 1);
                LimitHoleScores(data, p, round.course, typed);
                round.score = typed.score;
            }
            player.roundCount = static_cast<int16_t>(slot);
            handicap::IndexResult ignored;
            rules.computeSlot(data, p, slot, tee, handicap::SlotChange::Entered, ignored);
        }
    }
}

bool RecomputeAllIndexes(store::LeagueData& data, platform::Dialogs& dialogs) {
    std::error_code ec;
    std::filesystem::path file = store::findDataFile(data.leagueFileName);
    std::filesystem::copy_file(file, RecomputeBackupName(file.string()),
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
        dialogs.message({"Unable to copy " + file.string() + " before recomputing; nothing was changed.", "Quorval",
                         platform::Buttons::Ok, platform::Icon::Exclamation});
        return false;
    }
    dialogs.beginBusy("Processing, please wait...");
    RecomputeLeague(data);
    dialogs.endBusy();
    return store::SaveLeagueFile(data, dialogs);
}

}  // namespace quorval::entry
