#include "entry/roundedit.hpp"

#include <algorithm>
#include <numeric>
#include <vector>

#include "entry/rounddate.hpp"
#include "handicap/rules.hpp"
#include "listing/listing.hpp"

namespace quorval::entry {

namespace {

std::string courseName(const store::LeagueData& data, int course) {
    return data.courses[course >= 1 && course <= store::kMaxCourses ? course : 0][store::course_field::kName];
}

}  // namespace

PostResult CorrectRound(store::LeagueData& data, int p, const RoundEntry& entry, const RoundPlace& place, int slot) {
    store::PlayerRecord& player = data.players[p];
    if (slot < 1 || slot > player.roundCount) return {};
    const store::RoundRecord before = player.rounds[slot];
    PostResult result = PostRound(data, p, entry, place, slot);
    if (result.outcome != PostOutcome::Posted) return result;

    std::vector<std::string> changes;
    bool dateChanged = before.month != place.month || before.day != place.day || before.year != place.year;
    if (dateChanged) {
        changes.push_back("date changed from " +
                          ShownRoundDate(data.settings.dateOrder, before.month, before.day, before.year) + " to " +
                          ShownRoundDate(data.settings.dateOrder, place.month, place.day, place.year));
    }
    if (before.course != place.course) {
        changes.push_back("course changed from " + courseName(data, before.course) + " to " +
                          courseName(data, place.course));
    }
    if (changes.empty()) return result;

    const handicap::Rules& rules = handicap::RulesOf(data);
    int from = slot;
    int moved = slot;
    if (dateChanged && data.options.rules == store::HandicapRules::WHS) {
        // Each index is built on the rounds played before it, so the rounds go back in date order.
        std::vector<int> order(static_cast<size_t>(player.roundCount));
        std::iota(order.begin(), order.end(), 1);
        std::stable_sort(order.begin(), order.end(), [&player](int a, int b) {
            return listing::DateKey(player.rounds[a]) < listing::DateKey(player.rounds[b]);
        });
        std::vector<store::RoundRecord> sorted;
        for (int r : order) sorted.push_back(player.rounds[r]);
        for (int r = 1; r <= player.roundCount; ++r) player.rounds[r] = sorted[static_cast<size_t>(r - 1)];
        moved = static_cast<int>(std::find(order.begin(), order.end(), slot) - order.begin()) + 1;
        from = std::min(slot, moved);
    }
    int others = 0;
    for (int r = from; r <= player.roundCount; ++r) {
        if (r == moved) {
            if (moved != slot) {
                result.index = {};
                rules.computeSlot(data, p, r, entry.tee, handicap::SlotChange::Edited, result.index);
            }
            continue;
        }
        handicap::IndexResult ignored;
        ++others;
        rules.computeSlot(data, p, r, player.teePlayed(player.rounds[r]), handicap::SlotChange::Kept, ignored);
    }
    result.slot = moved;
    if (others > 0) {
        changes.push_back(std::to_string(others) + (others == 1 ? " other round" : " other rounds") +
                          " worked out again");
    }
    result.index.lines.insert(result.index.lines.begin(), changes.begin(), changes.end());
    return result;
}

}  // namespace quorval::entry
