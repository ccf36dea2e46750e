#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "handicap/handicapindex.hpp"
#include "store/leaguedata.hpp"

// The handicap rules a league keeps. Windows, reports and the command line ask the league's rules
// for every handicap figure and never look at which rules are in force.
namespace quorval::handicap {

// Why a slot is worked out: a round just entered, a stored round whose scores were edited, or a
// stored round whose neighbours changed (its own differential stands).
enum class SlotChange { Entered, Edited, Kept };

class Rules {
public:
    virtual ~Rules() = default;

    // The rules' name as the windows show it.
    virtual std::string title() const = 0;
    // Whether the handicap factor, the index limits by tee and the averaging switch take part.
    virtual bool usesFactorLimitAndAveraging() const = 0;

    // Whether the hole scores of a new round are limited, and the caption that says so.
    virtual bool limitsHoleScores(const store::Settings& settings) const = 0;
    virtual std::string limitCaption() const = 0;

    // Why no round can be posted on this course, or empty text when one can.
    virtual std::string courseRefusal(const store::LeagueData& data, int course) const = 0;

    // Lowers the hole scores (1..18, 0 = not played) of a new round above their limit; true when
    // any changed.
    virtual bool limitHoleScores(const store::LeagueData& data, int player, int course, int tee, bool nineHoleRound,
                                 std::array<int, 19>& scores) const = 0;

    // Stores the differential, index and course handicap of the round in `slot`, played from
    // `tee`. A round just entered may change the player's other rounds too. False when the tee
    // has no slope: nothing changes then.
    virtual bool computeSlot(store::LeagueData& data, int player, int slot, int tee, SlotChange change,
                             IndexResult& result) const = 0;

    // The course handicap of an index on a course's tee, for the calculator and the chart.
    virtual std::optional<float> courseHandicap(float index, const store::CourseRecord& course, int tee) const = 0;

    // Whether a course handicap needs the course rating and par besides the slope.
    virtual bool courseHandicapUsesRating() const = 0;
    // What a course handicap adds to index x slope / 113 on this tee: rating - par, or nothing.
    virtual double courseHandicapTerm(const store::CourseRecord& course, int tee) const = 0;

    // An index as shown: `pattern` is a display pattern, or empty for one decimal ("0.6", "10.0").
    // `slot` is the round slot it belongs to (0 when not known). A plus index carries the sign the
    // rules write it with; kNoFigure when the slot holds no index.
    virtual std::string indexText(float index, int slot, std::string_view pattern) const = 0;

    // A course or playing handicap as shown, with the sign the rules give a plus index: "+1" under
    // the World Handicap System, "-1" under the classic rules.
    virtual std::string handicapText(double strokes) const = 0;

    // What a scorecard calls the handicap playingHandicap() gives: "Course handicap", or
    // "Playing handicap (95 %)" where the league plays off less than the whole course handicap.
    virtual std::string playingHandicapCaption(const store::LeagueData& data) const = 0;

    // The handicap the listing's net of the round in `slot` is taken with; nothing when the player
    // has none to take it with.
    virtual std::optional<int> netHandicap(const store::LeagueData& data, const store::PlayerRecord& player,
                                           int slot) const = 0;

    // The handicap a side game of the round in `slot` is played off: the course handicap of the
    // index before the round on `tee` (over the nine played, for a nine-hole round) times
    // `allowance` percent, rounded. Nothing when the player has no index yet or the tee no slope.
    virtual std::optional<int> sideGameHandicap(const store::LeagueData& data, const store::PlayerRecord& player,
                                                int slot, int tee, int allowance) const = 0;

    // The net score column of the listing for the round in `slot`.
    virtual std::string netText(const store::LeagueData& data, const store::PlayerRecord& player, int slot) const = 0;

    // The strokes a player of index `index` (`slot`: the round slot it is stored on) receives on a
    // course's tee, as a scorecard shows them; nothing without a slope or an index.
    virtual std::optional<int> playingHandicap(const store::LeagueData& data, float index, int slot,
                                               const store::CourseRecord& course, int tee) const = 0;

    // The course handicap of the round in `slot` for the listing.
    virtual std::string courseHandicapText(const store::PlayerRecord& player, int slot) const = 0;
};

// What every report shows for an index or a course handicap the player does not have.
inline constexpr const char* kNoFigure = "--";

// The index after the player's round in `slot` as shown; kNoFigure where that round left no index.
std::string IndexTextAfter(const Rules& rules, const store::PlayerRecord& player, int slot,
                           std::string_view pattern = "");
// The same after the player's latest round; kNoFigure without rounds.
std::string CurrentIndexText(const Rules& rules, const store::PlayerRecord& player, std::string_view pattern = "");

const Rules& RulesOf(const store::LeagueData& data);
const Rules& RulesFor(store::HandicapRules rules);

// Under the World Handicap System rules: the unrounded course handicap times allowance / 100,
// rounded. Nothing when the tee has no slope.
std::optional<int> PlayingHandicap(float index, const store::CourseRecord& course, int tee, int allowance);

const Rules& ClassicRules();
const Rules& WorldRules();

}  // namespace quorval::handicap
