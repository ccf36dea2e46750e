#pragma once

#include <array>
#include <string>

#include "handicap/handicapindex.hpp"
#include "store/leaguedata.hpp"

// What the score entry windows do to the data: posting a round into its slot, deleting a round
// with the recalculation that follows, and the equitable stroke limits of a new round.
namespace quorval::entry {

// A round as the score window holds it when Record is pressed. Hole slots 1..18 are the holes,
// 19 and 20 the nine totals as typed. Without performance data fairway, green and putts stay 0.
struct RoundEntry {
    store::HoleValues score{};
    store::HoleValues fairway{};
    store::HoleValues green{};
    store::HoleValues putts{};
    int tee = store::kWhiteTee;
    // The hole scores as typed, before the hole limits lowered `score`; all 0: as `score`.
    store::HoleValues played{};
};

// Where and when the round was played.
struct RoundPlace {
    int course = 0;
    int month = 0;
    int day = 0;
    int year = 0;
};

enum class PostOutcome {
    Posted,
    NoScore,        // both nine totals are 0: nothing is posted
    NoSlope,        // the tee played has no slope on this course: nothing is posted
    CourseRefused,  // the league's rules cannot take a round on this course: nothing is posted
};

struct PostResult {
    PostOutcome outcome = PostOutcome::NoScore;
    int slot = 0;                 // 0: kept in the round record only, older than the 20 stored rounds
    handicap::IndexResult index;  // the calculation list of the index
};

// Moves rounds 2..20 down to 1..19, dropping the oldest; slot 20 keeps its contents until the
// posting overwrites it.
void ShiftRoundsDown(store::PlayerRecord& player);

// Posts the round for `player`: a new round (editSlot 0) goes into the next slot, or into slot 20
// after the oldest is dropped; an edited round (editSlot 1..20) replaces that slot only. Stores
// date, course and hole values, then the differential, the index for that slot and the course
// handicap, and the tee and scores as played for the round record. Under the World Handicap
// System rules a new round takes its place by date, and an edited one keeps it: every later score
// is worked out again. A refused round changes nothing.
PostResult PostRound(store::LeagueData& data, int player, const RoundEntry& entry, const RoundPlace& place,
                     int editSlot);

struct DeleteResult {
    // The new last round got a new differential, index and course handicap. Not so when there is
    // no round left, or when the player's default tee has no slope on its course: then the round
    // keeps the values it had.
    bool recomputed = false;
    handicap::IndexResult index;  // its calculation list
};

// Deletes round `slot` of `player` and closes the gap. Under the World Handicap System rules the
// rounds after it are worked out again; otherwise the new last round is, on the tee it was played
// from.
DeleteResult DeleteRound(store::LeagueData& data, int player, int slot);

// The hole limits of a new round for `player` on `course` from `tee` (0: his default tee), as
// the league's rules set them: every hole score above its limit is lowered. scores[1..18] are the
// holes, 0 = not played. Returns whether any changed.
bool EQadjust(const store::LeagueData& data, int player, int course, bool nineHoleRound, std::array<int, 19>& scores,
              int tee = 0);

// Whether the hole scores of new rounds are limited in this league, and the caption saying so.
bool HoleScoresLimited(const store::LeagueData& data);
std::string HoleLimitCaption(const store::LeagueData& data);

// Why the league's rules refuse a round on this course (empty text when they take it).
std::string CourseRefusedMessage(const store::LeagueData& data, int course);

// The text of the refusal shown when the tee played has no slope on the course.
std::string NoSlopeMessage(const store::LeagueData& data, int course, int tee);

// Shown after a deletion whose recalculation could not run: the default tee has no slope there.
std::string NotRecalculatedMessage(const store::LeagueData& data, int player);

// A new round dated before the player's latest round, or on a day he already has a round, is
// most likely a typing slip in the date: the window asks before posting it.
enum class DateOrder { InOrder, BeforeLatest, SameDay };
DateOrder CheckRoundDate(const store::LeagueData& data, int player, const RoundPlace& place);
// The question for a date out of order, naming the player and the dates ("6/15/2026").
std::string DateOrderQuestion(const store::LeagueData& data, int player, const RoundPlace& place, DateOrder order);
using store::CalendarYear;

inline constexpr const char* kChooseTeeMessage =
    "Choose the tee this round was played from (Red, White or Blue) before writing the scores.";

}  // namespace quorval::entry
