#pragma once

#include <string>
#include <vector>

#include "store/leaguedata.hpp"

// The round listing of the main window: one line per stored round, in three views, with the
// player's name beside each line. Built here as text so the window, the reports and the
// command-line tool show the same characters.
namespace quorval::listing {

enum class View { MostRecent = 1, ByDate = 2, Individual = 3 };

// Every listing starts with these rows: the column titles and their underline.
inline constexpr int kHeadingRows = 2;

struct Row {
    std::string name;  // the left list
    std::string line;  // the right list
    bool operator==(const Row&) const = default;
};

// The text of one round's line; `view` decides the count column.
std::string RoundLine(const store::LeagueData& data, int player, int slot, View view);

// The handicap the net of a round is taken with, under the league's rules: the index before the
// round (none before slot 1) on the player's default tee of the round's course; 0 when there is none.
float NetCourseHandicap(const store::LeagueData& data, const store::PlayerRecord& player, int slot);

// Orders rounds by calendar date; two-digit years below 80 count as 20xx.
int DateKey(const store::RoundRecord& round);

class Listing {
public:
    View view() const { return m_view; }
    void setView(View view) { m_view = view; }
    const std::vector<Row>& rows() const { return m_rows; }

    // Both lists emptied down to their headings.
    void ClearListing();
    void AddRoundLine(const store::LeagueData& data, int player, int slot);

    // Most Recent view: every player's shown slot (his selection mark) starts at his last round.
    static void ShowLatestRounds(store::LeagueData& data);
    void ListMostRecent(const store::LeagueData& data);
    // By Date view: the dates of all rounds, the current one the most recent.
    void ListByDate(const store::LeagueData& data);
    void ListDate(const store::LeagueData& data);
    // Individual view: the player's rounds, newest first.
    void ListPlayerRounds(const store::LeagueData& data, int player);

    // The spin button: earlier rounds or dates ("down") and later ones ("up"). Returns the
    // message to show for a moment, empty when nothing moved.
    std::string SpinDown(store::LeagueData& data);
    std::string SpinUp(store::LeagueData& data);
    // `steps` presses at once (up when positive, down when negative), listed once at the end: the
    // rows and marks come out as that many presses leave them. Returns what the last press shows.
    std::string Spin(store::LeagueData& data, int steps);

    int dateCount() const { return static_cast<int>(m_dateKeys.size()); }
    int currentDate() const { return m_currentDate; }
    // The date key of the date the By Date view shows; 0 when there is none.
    int currentDateKey() const { return m_currentDate >= 1 ? m_dateKeys[m_currentDate - 1] : 0; }

private:
    View m_view = View::MostRecent;
    std::vector<Row> m_rows;
    std::vector<int> m_dateKeys;  // ascending
    int m_currentDate = 0;        // 1-based position in m_dateKeys, 0 when there are none
};

}  // namespace quorval::listing
