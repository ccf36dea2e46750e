#include "entry/posting.hpp"

#include <algorithm>

#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "store/coursefile.hpp"

namespace quorval::entry {

namespace {

const store::CourseRecord& courseAt(const store::LeagueData& data, int course) {
    return data.courses[course >= 1 && course <= store::kMaxCourses ? course : 0];
}

}  // namespace

void ShiftRoundsDown(store::PlayerRecord& player) {
    for (int k = 1; k < store::kMaxRounds; ++k) player.rounds[k] = player.rounds[k + 1];
}

std::string NoSlopeMessage(const store::LeagueData& data, int course, int tee) {
    static const char* const kTees[] = {"", "red", "white", "blue"};
    std::string name = courseAt(data, course)[store::course_field::kName];
    std::string teeName = tee >= 1 && tee <= 3 ? std::string(kTees[tee]) + " tee" : "tee chosen";
    return "The " + teeName + " of " + name + " has no slope, so no handicap can be worked out for this round.\r\n" +
           "Enter the slope with Courses, Edit Course, or choose another tee.";
}

PostResult PostRound(store::LeagueData& data, int p, const RoundEntry& entry, const RoundPlace& place, int editSlot) {
    PostResult result;
    store::PlayerRecord& player = data.players[p];
    if (editSlot > player.roundCount) return result;
    if (entry.score[store::kOutSlot] == 0 && entry.score[store::kInSlot] == 0) return result;
    if (!handicap::HasSlope(static_cast<float>(store::CourseSlope(courseAt(data, place.course), entry.tee)))) {
        result.outcome = PostOutcome::NoSlope;
        return result;
    }
    if (!handicap::RulesOf(data).courseRefusal(data, place.course).empty()) {
        result.outcome = PostOutcome::CourseRefused;
        return result;
    }
    int slot = editSlot;
    if (editSlot < 1) {
        if (player.roundCount >= store::kMaxRounds) {
            ShiftRoundsDown(player);
            slot = store::kMaxRounds;
        } else {
            slot = ++player.roundCount;
        }
    }
    store::RoundRecord& round = player.rounds[slot];
    round.month = static_cast<int16_t>(place.month);
    round.day = static_cast<int16_t>(place.day);
    round.year = static_cast<int16_t>(place.year);
    round.course = static_cast<int16_t>(place.course);
    round.score = entry.score;
    round.fairway = entry.fairway;
    round.green = entry.green;
    round.putts = entry.putts;
    handicap::RulesOf(data).computeSlot(data, p, slot, entry.tee,
                                        editSlot < 1 ? handicap::SlotChange::Entered : handicap::SlotChange::Edited,
                                        result.index);
    result.outcome = PostOutcome::Posted;
    result.slot = slot;
    return result;
}

DeleteResult DeleteRound(store::LeagueData& data, int p, int slot) {
    DeleteResult result;
    store::PlayerRecord& player = data.players[p];
    if (slot < 1 || slot > player.roundCount) return result;
    --player.roundCount;
    store::RoundRecord& gone = player.rounds[slot];
    float keptIndex = gone.handicapIndex;
    gone = store::RoundRecord{};
    gone.handicapIndex = keptIndex;
    for (int k = slot; k <= player.roundCount; ++k) player.rounds[k] = player.rounds[k + 1];
    int last = player.roundCount;
    if (last < 1) return result;
    data.currentCourse = player.rounds[last].course;
    result.recomputed =
        handicap::RulesOf(data).computeSlot(data, p, last, player.tee, handicap::SlotChange::Kept, result.index);
    return result;
}

std::string NotRecalculatedMessage(const store::LeagueData& data, int p) {
    const store::PlayerRecord& player = data.players[p];
    const store::RoundRecord& last = player.rounds[player.roundCount];
    return "The round was deleted, but the handicap index could not be recalculated:\r\n" +
           NoSlopeMessage(data, last.course, player.tee);
}

bool EQadjust(const store::LeagueData& data, int p, int course, bool nineHoleRound, std::array<int, 19>& scores,
              int tee) {
    if (tee == 0) tee = data.players[p].tee;
    return handicap::RulesOf(data).limitHoleScores(data, p, course, tee, nineHoleRound, scores);
}

bool HoleScoresLimited(const store::LeagueData& data) {
    return handicap::RulesOf(data).limitsHoleScores(data.settings);
}

std::string HoleLimitCaption(const store::LeagueData& data) {
    return handicap::RulesOf(data).limitCaption();
}

std::string CourseRefusedMessage(const store::LeagueData& data, int course) {
    return handicap::RulesOf(data).courseRefusal(data, course);
}

namespace {

int dayKey(int month, int day, int year) {
    return (CalendarYear(year) * 13 + month) * 32 + day;
}

std::string shownDate(int month, int day, int year) {
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(CalendarYear(year));
}

}  // namespace

DateOrder CheckRoundDate(const store::LeagueData& data, int p, const RoundPlace& place) {
    const store::PlayerRecord& player = data.players[p];
    int key = dayKey(place.month, place.day, place.year);
    int latest = 0;
    for (int r = 1; r <= std::min<int>(player.roundCount, store::kMaxRounds); ++r) {
        const store::RoundRecord& round = player.rounds[r];
        int stored = dayKey(round.month, round.day, round.year);
        if (stored == key) return DateOrder::SameDay;
        latest = std::max(latest, stored);
    }
    return key < latest ? DateOrder::BeforeLatest : DateOrder::InOrder;
}

std::string DateOrderQuestion(const store::LeagueData& data, int p, const RoundPlace& place, DateOrder order) {
    const store::PlayerRecord& player = data.players[p];
    std::string date = shownDate(place.month, place.day, place.year);
    if (order == DateOrder::SameDay) {
        return player.name + " already has a round on " + date + ".\r\n\r\nPost this round as well?";
    }
    const store::RoundRecord* latest = nullptr;
    for (int r = 1; r <= std::min<int>(player.roundCount, store::kMaxRounds); ++r) {
        const store::RoundRecord& round = player.rounds[r];
        if (!latest || dayKey(round.month, round.day, round.year) > dayKey(latest->month, latest->day, latest->year))
            latest = &round;
    }
    std::string last = latest ? shownDate(latest->month, latest->day, latest->year) : "";
    return "This round is dated " + date + ", before " + player.name + "'s latest round (" + last +
           ").\r\nOlder rounds are best entered first.\r\n\r\nPost this round anyway?";
}

}  // namespace quorval::entry
