#include "entry/recompute.hpp"

#include <algorithm>
#include <filesystem>

#include "handicap/rules.hpp"
#include "listing/listing.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"

namespace quorval::entry {

std::string RecomputeBackupName(const std::string& leagueFileName) {
    return leagueFileName + ".before-recompute";
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
    const handicap::Rules& rules = handicap::RulesOf(data);
    dialogs.beginBusy("Processing, please wait...");
    for (int p = 1; p <= data.playerCount; ++p) {
        store::PlayerRecord& player = data.players[p];
        auto first = player.rounds.begin() + 1;
        std::stable_sort(first, first + player.roundCount,
                         [](const store::RoundRecord& a, const store::RoundRecord& b) {
                             return listing::DateKey(a) < listing::DateKey(b);
                         });
        for (int slot = 1; slot <= player.roundCount; ++slot) {
            handicap::IndexResult ignored;
            rules.computeSlot(data, p, slot, player.tee, handicap::SlotChange::Entered, ignored);
        }
    }
    dialogs.endBusy();
    return store::SaveLeagueFile(data, dialogs);
}

}  // namespace quorval::entry
