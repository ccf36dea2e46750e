#include "listing/listing.hpp"

#include <algorithm>

#include "dates/dateorder.hpp"
#include "handicap/differential.hpp"
#include "handicap/rules.hpp"
#include "store/coursefile.hpp"
#include "text/numbers.hpp"

namespace quorval::listing {

namespace {

using store::kInSlot;
using store::kOutSlot;

std::string format(double x) {
    return text::generalForm(x);
}

// A short number gets one character in front of it, once.
std::string padded(const std::string& s, size_t shorterThan, char fill = ' ') {
    return s.size() < shorterThan ? std::string(1, fill) + s : s;
}

void padTo(std::string& line, size_t width, int most) {
    for (int i = 0; i < most && line.size() < width; ++i) line.push_back(' ');
}

bool belowTen(float x) {
    return x > -0.1f && x < 10.0f;
}

const store::CourseRecord& courseOf(const store::LeagueData& data, const store::RoundRecord& round) {
    int c = round.course >= 0 && round.course <= store::kMaxCourses ? round.course : 0;
    return data.courses[c];
}

std::string countText(const store::PlayerRecord& player, int slot, View view) {
    switch (view) {
        case View::MostRecent:
            return padded(format(player.shownRound), 2);
        case View::ByDate:
            return padded(format(player.roundCount), 2);
        case View::Individual:
            return slot == player.roundCount ? padded(format(player.roundCount), 2) : "";
    }
    return "";
}

}  // namespace

float NetCourseHandicap(const store::LeagueData& data, const store::PlayerRecord& player, int slot) {
    return static_cast<float>(handicap::RulesOf(data).netHandicap(data, player, slot).value_or(0));
}

int DateKey(const store::RoundRecord& round) {
    int year = round.year < 80 ? round.year + 100 : round.year;
    return (year * 12 + round.month) * 31 + round.day;
}

std::string RoundLine(const store::LeagueData& data, int p, int r, View view) {
    const store::PlayerRecord& player = data.players[p];
    const store::RoundRecord& round = player.rounds[r];
    std::string line;
    line.reserve(120);
    // A four-digit year takes two of the three spaces after the date, so the columns stay put.
    const store::DateOrder order = data.settings.dateOrder;
    line += dates::ShortDate(order, round.month, round.day, round.year);
    line += order == store::DateOrder::kYearMonthDay ? " " : "   ";
    line += courseOf(data, round)[store::course_field::kInitials];
    padTo(line, 14, 3);
    // The scores as played where the round record has them; the limited ones serve handicaps only.
    const store::HoleValues& score = round.hasAsPlayed() ? round.asPlayed : round.score;
    line += "   " + padded(format(score[kOutSlot]), 2);
    line += "   " + padded(format(score[kInSlot]), 2);
    auto total = static_cast<int16_t>(score[kOutSlot] + score[kInSlot]);
    line += "  " + padded(format(total), 3);
    line += "    ";
    const handicap::Rules& rules = handicap::RulesOf(data);
    if (belowTen(round.handicapIndex)) line += ' ';
    line += handicap::IndexTextAfter(rules, player, r, "#0.0");
    padTo(line, 37, 3);
    line += "    ";
    for (int h = 1; h <= store::kHoles; ++h) {
        line += score[h] == 0 ? " -" : padded(format(score[h]), 2);
        line += ' ';
    }
    line += "  ";
    if (belowTen(round.courseHandicap)) line += ' ';
    line += rules.courseHandicapText(player, r) + "     ";
    line += countText(player, r, view) + "  ";
    padTo(line, 111, 10);
    line += rules.netText(data, player, r);
    return line;
}

void Listing::ClearListing() {
    m_rows.clear();
    m_rows.push_back(
        {"     Name",
         "  Date   Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18  C "
         "Hcp # rounds Net"});
    m_rows.push_back({std::string(30, '_'), std::string(156, '_')});
}

void Listing::AddRoundLine(const store::LeagueData& data, int player, int slot) {
    m_rows.push_back({data.players[player].name, RoundLine(data, player, slot, m_view)});
}

void Listing::ShowLatestRounds(store::LeagueData& data) {
    for (int p = 1; p <= data.playerCount; ++p) data.players[p].shownRound = data.players[p].roundCount;
}

void Listing::ListMostRecent(const store::LeagueData& data) {
    ClearListing();
    for (int p = 1; p <= data.playerCount; ++p) {
        const store::PlayerRecord& player = data.players[p];
        if (player.shownRound > 0 && player.shownRound <= store::kMaxRounds && !player.name.empty()) {
            AddRoundLine(data, p, player.shownRound);
        }
    }
}

void Listing::ListByDate(const store::LeagueData& data) {
    m_dateKeys.clear();
    for (int p = 1; p <= data.playerCount; ++p) {
        for (int r = 1; r <= data.players[p].roundCount; ++r) m_dateKeys.push_back(DateKey(data.players[p].rounds[r]));
    }
    std::sort(m_dateKeys.begin(), m_dateKeys.end());
    m_dateKeys.erase(std::unique(m_dateKeys.begin(), m_dateKeys.end()), m_dateKeys.end());
    m_currentDate = dateCount();
    ListDate(data);
}

void Listing::ListDate(const store::LeagueData& data) {
    ClearListing();
    if (m_currentDate < 1) return;
    int key = m_dateKeys[m_currentDate - 1];
    for (int p = 1; p <= data.playerCount; ++p) {
        for (int r = 1; r <= data.players[p].roundCount; ++r) {
            if (DateKey(data.players[p].rounds[r]) == key) AddRoundLine(data, p, r);
        }
    }
}

void Listing::ListPlayerRounds(const store::LeagueData& data, int player) {
    ClearListing();
    if (player < 1 || player > data.playerCount) return;
    for (int r = data.players[player].roundCount; r >= 1; --r) AddRoundLine(data, player, r);
}

std::string Listing::SpinDown(store::LeagueData& data) {
    return Spin(data, -1);
}

std::string Listing::SpinUp(store::LeagueData& data) {
    return Spin(data, 1);
}

std::string Listing::Spin(store::LeagueData& data, int steps) {
    if (steps == 0) return {};
    // Each press moves a mark by one until it stops; many presses move it as far at once.
    const int64_t n = steps < 0 ? -static_cast<int64_t>(steps) : steps;
    if (m_view == View::MostRecent) {
        bool movedLast = false;
        for (int p = 1; p <= store::kMaxPlayers; ++p) {
            store::PlayerRecord& player = data.players[p];
            if (steps < 0) {
                if (player.shownRound > 0)
                    player.shownRound = static_cast<int16_t>(std::max<int64_t>(0, player.shownRound - n));
            } else if (player.shownRound < player.roundCount) {
                // The last press moved this mark when it still had a step to go before it.
                movedLast |= player.roundCount - player.shownRound >= n;
                player.shownRound = static_cast<int16_t>(std::min<int64_t>(player.roundCount, player.shownRound + n));
            }
        }
        ListMostRecent(data);
        if (steps < 0) return "Viewing rounds entered earlier";
        return movedLast ? "Viewing more recently entered rounds" : "";
    }
    if (m_view == View::ByDate) {
        int64_t target =
            steps < 0 ? std::max<int64_t>(1, m_currentDate - n) : std::min<int64_t>(dateCount(), m_currentDate + n);
        if (steps < 0 ? m_currentDate < 2 : m_currentDate >= dateCount()) return {};
        bool movedLast = steps < 0 ? m_currentDate - n >= 1 : m_currentDate + n <= dateCount();
        m_currentDate = static_cast<int>(target);
        ListDate(data);
        if (!movedLast) return {};
        return steps < 0 ? "Viewing earlier dates" : "Viewing more recent dates";
    }
    return {};
}

}  // namespace quorval::listing
