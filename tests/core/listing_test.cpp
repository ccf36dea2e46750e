#include "listing/listing.hpp"

#include <gtest/gtest.h>

#include "leaguebuilder.hpp"

using namespace quorval;
using listing::View;
using Names = std::vector<std::string>;

namespace {

class ListingTest : public ::testing::Test {
protected:
    // Pine Barrens: slope 113 from the red tee, 130 from the white one, none from the blue.
    quorval::testing::LeagueBuilder league() {
        return quorval::testing::LeagueBuilder(data).course("Pine", "PB").tee(2, "", "130").tee(3, "", "");
    }

    // The rows below the headings as "name date count".
    Names shown() const {
        Names out;
        for (size_t i = 2; i < m_listing.rows().size(); ++i) {
            const std::string& line = m_listing.rows()[i].line;
            out.push_back(m_listing.rows()[i].name + " " + line.substr(0, 8) + line.substr(104, 2));
        }
        return out;
    }

    // Single presses of the spin button (1 up, -1 down) with the message and rows each leaves.
    void spin(const std::vector<std::tuple<int, std::string, Names>>& steps) {
        for (const auto& [step, message, rows] : steps) {
            EXPECT_EQ(step > 0 ? m_listing.SpinUp(data) : m_listing.SpinDown(data), message);
            EXPECT_EQ(shown(), rows);
        }
    }

    void list(View view) {
        m_listing.setView(view);
        listing::Listing::ShowLatestRounds(data);
        view == View::ByDate ? m_listing.ListByDate(data) : m_listing.ListMostRecent(data);
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    quorval::testing::LeagueBuilder build = league();
    listing::Listing m_listing;
};

TEST_F(ListingTest, HeadingsAreTheFirstTwoRows) {
    m_listing.ClearListing();
    EXPECT_EQ(m_listing.rows(),
              (std::vector<listing::Row>{{"     Name",
                                          "  Date   Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 10 11 "
                                          "12 13 14 15 16 17 18  C Hcp # rounds Net"},
                                         {std::string(30, '_'), std::string(156, '_')}}));
}

TEST_F(ListingTest, RoundLineKeepsItsColumns) {
    build.player("Ann").round("5/7/3", 40, 41, 10.0f).round("5/14/3", 40, 41, 12.3f);
    store::RoundRecord& round = data.players[1].rounds[2];
    round.courseHandicap = 14;
    round.score[1] = round.score[18] = 0;  // not played
    round.score[2] = 10;
    round.score[3] = 20;
    round.score[17] = 5;
    data.players[1].shownRound = 2;
    std::string holes = "  - 10 20";
    for (int h = 4; h <= 16; ++h) holes += "  4";
    // Net: the index before this round (10.0) on slope 130 gives 12 strokes.
    EXPECT_EQ(listing::RoundLine(data, 1, 2, View::MostRecent),
              "05/14/03   PB    40   41   81    12.3   " + holes + "  5  -   14      2     69");
}

TEST_F(ListingTest, NetUsesTheIndexBeforeTheRound) {
    // Slot 1 has no earlier round; nine-hole option 1 doubles a nine, option 2 halves the strokes;
    // a scratch player's net is his gross; tee 3 has no slope.
    const std::tuple<int, float, int, int, int, int16_t, const char*> cases[] = {
        {1, 10.0f, 2, 40, 41, 1, "--"}, {2, 4.5f, 1, 40, 41, 1, "76"}, {2, -2.0f, 2, 40, 41, 1, "83"},
        {2, 10.0f, 2, 0, 42, 1, "36"},  {2, 10.0f, 2, 42, 0, 2, "30"}, {2, 10.0f, 3, 40, 41, 1, "--"},
        {2, 0.0f, 2, 40, 41, 1, "81"},  {2, 0.3f, 2, 40, 41, 1, "81"}};
    for (auto [slot, indexBefore, tee, out, in, option, net] : cases) {
        data.settings.nineHoleOption = option;
        league().player("Ann", tee).round("1/1/4", 40, 41, indexBefore).round("1/8/4", out, in, 0);
        data.players[1].roundCount = static_cast<int16_t>(slot);
        EXPECT_EQ(listing::RoundLine(data, 1, slot, View::ByDate).substr(108), std::string("   ") + net)
            << slot << " " << indexBefore << " " << tee << " " << out << "/" << in << " " << option;
    }
}

TEST_F(ListingTest, MostRecentShowsEachNamedPlayersLatestRoundAndSpins) {
    build.player("Ann").round("6/1/5", 40, 41, 0).round("6/2/5", 40, 41, 0).player("Bob");
    build.player("").round("6/1/5", 40, 41, 0);
    build.player("Cy").round("7/1/5", 40, 41, 0).round("7/2/5", 40, 41, 0).round("7/3/5", 40, 41, 0);
    list(View::MostRecent);
    const std::string earlier = "Viewing rounds entered earlier", later = "Viewing more recently entered rounds";
    const Names latest{"Ann 06/02/05 2", "Cy 07/03/05 3"};
    EXPECT_EQ(shown(), latest);
    spin({{-1, earlier, {"Ann 06/01/05 1", "Cy 07/02/05 2"}},
          {-1, earlier, {"Cy 07/01/05 1"}},
          {-1, earlier, {}},
          {1, later, {"Ann 06/01/05 1", "Cy 07/01/05 1"}}});
    EXPECT_EQ(m_listing.Spin(data, 5), "");
    EXPECT_EQ(shown(), latest);
}

TEST_F(ListingTest, ByDateListsAcrossTheCenturyInCalendarOrder) {
    build.player("Ann").round("1/7/4", 40, 41, 0).round("12/31/99", 40, 41, 0).round("1/1/0", 40, 41, 0);
    build.player("Bob").round("12/31/3", 40, 41, 0).round("12/31/99", 40, 41, 0);
    list(View::ByDate);
    EXPECT_EQ(std::tuple(m_listing.dateCount(), m_listing.currentDate()), std::tuple(4, 4));
    EXPECT_EQ(shown(), Names{"Ann 01/07/04 3"});
    const std::string earlier = "Viewing earlier dates";
    const Names first{"Ann 12/31/99 3", "Bob 12/31/99 2"};
    spin({{1, "", {"Ann 01/07/04 3"}},
          {-1, earlier, {"Bob 12/31/03 2"}},
          {-1, earlier, {"Ann 01/01/00 3"}},
          {-1, earlier, first},
          {-1, "", first},
          {1, "Viewing more recent dates", {"Ann 01/01/00 3"}}});
}

}  // namespace
