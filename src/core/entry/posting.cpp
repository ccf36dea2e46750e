#include "entry/posting.hpp"

#include <algorithm>

#include "dates/dateorder.hpp"
#include "entry/roundcard.hpp"
#include "entry/scoringrecord.hpp"

#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "store/coursefile.hpp"
#include "text/asciicase.hpp"

namespace quorval::entry {

namespace {

const store::CourseRecord& courseAt(const store::LeagueData& data, int course) {
    return data.courses[course >= 1 && course <= store::kMaxCourses ? course : 0];
}

bool worldRules(const store::LeagueData& data) {
    return data.options.rules == store::HandicapRules::WHS;
}

// Under the World Handicap System rules: the round goes into the player's record by date, or
// replaces the stored round it edits, and the scores after it are worked out again.
void postToRecord(store::LeagueData& data, int p, const store::RoundRecord& fresh, int editSlot, PostResult& result) {
    store::PlayerRecord& player = data.players[p];
    std::vector<store::RoundRecord> record = RecordOf(player);
    size_t earlier = player.earlier.size();
    auto& lines = result.index.lines;
    if (editSlot >= 1) {
        size_t pos = earlier + static_cast<size_t>(editSlot) - 1;
        UndoLaterReductions(record, pos);
        record[pos] = fresh;
        ReplayRecord(data, p, std::move(record), pos, pos + 1, result.index);
        result.slot = editSlot;
        return;
    }
    size_t pos = PlaceByDate(record, fresh);
    size_t later = record.size() - pos;
    if (later >= static_cast<size_t>(store::kMaxRounds)) {
        // Older than the 20 most recent scores: its differential is worked out with the index
        // before it, and no index changes.
        store::PlayerRecord kept = player;
        player.earlier.clear();
        player.rounds = {};
        int slot = 1;
        if (pos > 0) player.rounds[slot++] = record[pos - 1];
        player.roundCount = static_cast<int16_t>(slot - 1);
        RoundEntry typed;
        typed.score = fresh.asPlayed;
        typed.tee = fresh.teePlayed;
        if (HoleScoresLimited(data)) LimitHoleScores(data, p, fresh.course, typed);
        player.rounds[slot] = fresh;
        player.rounds[slot].score = typed.score;
        player.roundCount = static_cast<int16_t>(slot);
        handicap::IndexResult worked;
        handicap::RulesOf(data).computeSlot(data, p, slot, fresh.teePlayed, handicap::SlotChange::Edited, worked);
        store::RoundRecord placed = player.rounds[slot];
        placed.handicapIndex = pos > 0 ? record[pos - 1].handicapIndex : 0;
        placed.noIndex = pos == 0 || record[pos - 1].noIndex;
        placed.courseHandicap = pos > 0 ? record[pos - 1].courseHandicap : 0;
        player = std::move(kept);
        player.earlier.insert(player.earlier.begin() + static_cast<std::ptrdiff_t>(pos), placed);
        for (const std::string& line : worked.lines) {
            if (line.starts_with("differentials, oldest first")) break;  // the index part does not apply
            lines.push_back(line);
        }
        lines.push_back(PlacedByDateLine(later, true));
        result.slot = 0;
        return;
    }
    UndoLaterReductions(record, pos);
    record.insert(record.begin() + static_cast<std::ptrdiff_t>(pos), fresh);
    ReplayRecord(data, p, std::move(record), pos, pos, result.index);
    TrimRecord(player);
    result.slot = static_cast<int>(pos + 1) - static_cast<int>(player.earlier.size());
    if (later > 0) lines.push_back(PlacedByDateLine(later, false));
}

}  // namespace

void ShiftRoundsDown(store::PlayerRecord& player) {
    for (int k = 1; k < store::kMaxRounds; ++k) player.rounds[k] = player.rounds[k + 1];
}

std::string NoSlopeMessage(const store::LeagueData& data, int course, int tee) {
    std::string name = courseAt(data, course)[store::course_field::kName];
    std::string teeName =
        store::IsTee(tee) ? text::AsciiLower(std::string(store::TeeName(tee))) + " tee" : "tee chosen";
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
    // An edited round keeps what the entry does not set until its figures are worked out again.
    store::RoundRecord fresh = editSlot >= 1 ? player.rounds[editSlot] : store::RoundRecord{};
    fresh.month = static_cast<int16_t>(place.month);
    fresh.day = static_cast<int16_t>(place.day);
    fresh.year = static_cast<int16_t>(place.year);
    fresh.course = static_cast<int16_t>(place.course);
    fresh.score = entry.score;
    fresh.fairway = entry.fairway;
    fresh.green = entry.green;
    fresh.putts = entry.putts;
    fresh.teePlayed = static_cast<int16_t>(entry.tee);
    bool typedSeparately = entry.played[store::kOutSlot] != 0 || entry.played[store::kInSlot] != 0;
    fresh.asPlayed = typedSeparately ? entry.played : entry.score;
    // An edit that leaves the stored (limited) scores as they were keeps the scores as played.
    if (editSlot >= 1 && !typedSeparately && player.rounds[editSlot].score == entry.score &&
        player.rounds[editSlot].hasAsPlayed()) {
        fresh.asPlayed = player.rounds[editSlot].asPlayed;
    }
    result.outcome = PostOutcome::Posted;
    if (worldRules(data)) {
        postToRecord(data, p, fresh, editSlot, result);
        if (!data.recordStartNote.empty()) {
            result.index.lines.push_back(data.recordStartNote);
            data.recordStartNote.clear();
        }
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
    player.rounds[slot] = fresh;
    handicap::RulesOf(data).computeSlot(data, p, slot, entry.tee,
                                        editSlot < 1 ? handicap::SlotChange::Entered : handicap::SlotChange::Edited,
                                        result.index);
    result.slot = slot;
    return result;
}

DeleteResult DeleteRound(store::LeagueData& data, int p, int slot) {
    DeleteResult result;
    store::PlayerRecord& player = data.players[p];
    if (slot < 1 || slot > player.roundCount) return result;
    if (worldRules(data)) {
        std::vector<store::RoundRecord> record = RecordOf(player);
        size_t pos = player.earlier.size() + static_cast<size_t>(slot) - 1;
        UndoLaterReductions(record, pos);
        record.erase(record.begin() + static_cast<std::ptrdiff_t>(pos));
        if (pos < record.size()) {
            ReplayRecord(data, p, std::move(record), pos, pos, result.index);
            result.recomputed = true;
            return result;
        }
        ReplayRecord(data, p, std::move(record), pos, pos, result.index);
        if (player.roundCount < 1) return result;
        data.currentCourse = player.rounds[player.roundCount].course;
        const store::RoundRecord& last = player.rounds[player.roundCount];
        result.recomputed = handicap::RulesOf(data).computeSlot(data, p, player.roundCount, player.teePlayed(last),
                                                                handicap::SlotChange::Kept, result.index);
        return result;
    }
    --player.roundCount;
    store::RoundRecord& gone = player.rounds[slot];
    float keptIndex = gone.handicapIndex;
    gone = store::RoundRecord{};
    gone.handicapIndex = keptIndex;
    for (int k = slot; k <= player.roundCount; ++k) player.rounds[k] = player.rounds[k + 1];
    int last = player.roundCount;
    if (last < 1) return result;
    data.currentCourse = player.rounds[last].course;
    int tee = player.teePlayed(player.rounds[last]);
    result.recomputed =
        handicap::RulesOf(data).computeSlot(data, p, last, tee, handicap::SlotChange::Kept, result.index);
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

std::string shownDate(const store::LeagueData& data, int month, int day, int year) {
    return dates::FieldDate(data.settings.dateOrder, month, day, year);
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
    std::string date = shownDate(data, place.month, place.day, place.year);
    if (order == DateOrder::SameDay) {
        return player.name + " already has a round on " + date + ".\r\n\r\nPost this round as well?";
    }
    const store::RoundRecord* latest = nullptr;
    for (int r = 1; r <= std::min<int>(player.roundCount, store::kMaxRounds); ++r) {
        const store::RoundRecord& round = player.rounds[r];
        if (!latest || dayKey(round.month, round.day, round.year) > dayKey(latest->month, latest->day, latest->year))
            latest = &round;
    }
    std::string last = latest ? shownDate(data, latest->month, latest->day, latest->year) : "";
    return "This round is dated " + date + ", before " + player.name + "'s latest round (" + last +
           ").\r\nOlder rounds are best entered first.\r\n\r\nPost this round anyway?";
}

}  // namespace quorval::entry
