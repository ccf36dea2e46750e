#include "listing/listing.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "handicap/differential.hpp"

using namespace quorval;
using listing::View;

namespace {

// Columns are counted from 1, as on the screen.
std::string col(const std::string& line, size_t first, size_t last) {
    return line.substr(first - 1, last - first + 1);
}

class ListingTest : public ::testing::Test {
protected:
    ListingTest() {
        store::CourseRecord& course = data().courses[1];
        course[store::course_field::kInitials] = "PB";
        course[store::course_field::kSlope0 + store::kRedTee] = "113";
        course[store::course_field::kSlope0 + store::kWhiteTee] = "130";
        data().courseCount = 1;
    }

    store::LeagueData& data() { return *m_data; }

    int addPlayer(const std::string& name, int16_t tee = store::kWhiteTee) {
        int p = ++data().playerCount;
        data().players[p].name = name;
        data().players[p].tee = tee;
        return p;
    }

    // An 18-hole round of 4s and 5s: 40 out, 41 in.
    store::RoundRecord& addRound(int p, int month, int day, int year) {
        store::PlayerRecord& player = data().players[p];
        store::RoundRecord& round = player.rounds[++player.roundCount];
        round.month = static_cast<int16_t>(month);
        round.day = static_cast<int16_t>(day);
        round.year = static_cast<int16_t>(year);
        round.course = 1;
        for (int h = 1; h <= 18; ++h) round.score[h] = h % 2 ? 4 : 5;
        round.score[store::kOutSlot] = 40;
        round.score[store::kInSlot] = 41;
        return round;
    }

    // The rows below the headings as "name date".
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (size_t i = 2; i < m_listing.rows().size(); ++i) {
            out.push_back(m_listing.rows()[i].name + " " + m_listing.rows()[i].line.substr(0, 8));
        }
        return out;
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    listing::Listing m_listing;
};

}  // namespace

TEST_F(ListingTest, HeadingsAreTheFirstTwoRows) {
    m_listing.ClearListing();
    ASSERT_EQ(m_listing.rows().size(), 2u);
    EXPECT_EQ(m_listing.rows()[0].name, "     Name");
    EXPECT_EQ(m_listing.rows()[0].line,
              "  Date   Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 10 11 12 13 14 15 16 17 18  C Hcp "
              "# rounds Net");
    EXPECT_EQ(m_listing.rows()[1].name, std::string(30, '_'));
    EXPECT_EQ(m_listing.rows()[1].line, std::string(156, '_'));
}

TEST_F(ListingTest, OrdinaryRoundLandsUnderTheHeadings) {
    int p = addPlayer("Ann");
    addRound(p, 5, 7, 3).handicapIndex = 10.0f;
    store::RoundRecord& round = addRound(p, 5, 14, 3);
    round.handicapIndex = 12.3f;
    round.courseHandicap = 14;
    data().players[p].selected = 2;

    std::string line = listing::RoundLine(data(), p, 2, View::MostRecent);
    EXPECT_EQ(col(line, 1, 8), "05/14/03");
    EXPECT_EQ(col(line, 9, 11), "   ");
    EXPECT_EQ(col(line, 12, 17), "PB    ");
    EXPECT_EQ(col(line, 18, 19), "40");
    EXPECT_EQ(col(line, 23, 24), "41");
    EXPECT_EQ(col(line, 25, 29), "   81");
    EXPECT_EQ(col(line, 30, 37), "    12.3");
    for (int h = 1; h <= 18; ++h) EXPECT_EQ(col(line, 38 + 3 * h, 40 + 3 * h), h % 2 ? "  4" : "  5") << "hole " << h;
    EXPECT_EQ(col(line, 95, 99), "   14");
    EXPECT_EQ(col(line, 100, 106), "      2");
    // Net: the index before this round (10.0) on slope 130 gives 12 strokes.
    EXPECT_EQ(line.substr(106), "     69");
}

TEST_F(ListingTest, HolesNotPlayedShowAHyphenAndTwoDigitScoresFit) {
    int p = addPlayer("Ann");
    store::RoundRecord& round = addRound(p, 1, 2, 4);
    round.score[1] = 0;
    round.score[2] = 10;
    round.score[3] = 20;
    round.score[18] = 0;
    std::string line = listing::RoundLine(data(), p, 1, View::ByDate);
    EXPECT_EQ(col(line, 42, 52), " - 10 20  5");
    EXPECT_EQ(col(line, 93, 95), " - ");
    EXPECT_EQ(line.size(), 113u);
}

struct NumberForms {
    float index;
    float courseHandicap;
    const char* indexText;  // columns 34-37
    const char* chText;     // columns 98-99
};

class ListingNumberForms : public ListingTest, public ::testing::WithParamInterface<NumberForms> {};

TEST_P(ListingNumberForms, ShortValuesGetOneSpaceAndKeepTheColumns) {
    int p = addPlayer("Ann");
    store::RoundRecord& round = addRound(p, 1, 2, 4);
    round.handicapIndex = GetParam().index;
    round.courseHandicap = GetParam().courseHandicap;
    std::string line = listing::RoundLine(data(), p, 1, View::ByDate);
    EXPECT_EQ(col(line, 30, 37), std::string("    ") + GetParam().indexText);
    EXPECT_EQ(col(line, 42, 43), " 4");
    EXPECT_EQ(col(line, 96, 104), std::string("  ") + GetParam().chText + "     ");
    EXPECT_EQ(col(line, 105, 106), " 1");
}

INSTANTIATE_TEST_SUITE_P(ListingForms, ListingNumberForms,
                         ::testing::Values(NumberForms{9.5f, 9, " 9.5", " 9"}, NumberForms{12.0f, 12, "12.0", "12"},
                                           NumberForms{-1.0f, -1, "-1.0", "-1"}, NumberForms{0, 0, " 0.0", " 0"}));

struct NetCase {
    const char* what;
    int slot;  // 1: no earlier round
    float indexBefore;
    int16_t tee;
    int16_t out, in;
    int16_t nineHoleOption;
    const char* net;
};

class ListingNet : public ListingTest, public ::testing::WithParamInterface<NetCase> {};

TEST_P(ListingNet, UsesTheIndexBeforeTheRound) {
    const NetCase& c = GetParam();
    int p = addPlayer("Ann", c.tee);
    data().settings.nineHoleOption = c.nineHoleOption;
    addRound(p, 1, 1, 4).handicapIndex = c.indexBefore;
    if (c.slot == 2) addRound(p, 1, 8, 4);
    store::RoundRecord& round = data().players[p].rounds[c.slot];
    round.score[store::kOutSlot] = c.out;
    round.score[store::kInSlot] = c.in;
    std::string line = listing::RoundLine(data(), p, c.slot, View::ByDate);
    EXPECT_EQ(line.substr(111), c.net);
    EXPECT_EQ(col(line, 109, 111), "   ");
}

INSTANTIATE_TEST_SUITE_P(ListingCases, ListingNet,
                         ::testing::Values(NetCase{"first_round", 1, 10.0f, store::kWhiteTee, 40, 41, 1, "--"},
                                           NetCase{"eighteen", 2, 10.0f, store::kWhiteTee, 40, 41, 1, "69"},
                                           NetCase{"half_rounds_up", 2, 4.5f, store::kRedTee, 40, 41, 1, "76"},
                                           NetCase{"plus_index", 2, -2.0f, store::kWhiteTee, 40, 41, 1, "83"},
                                           NetCase{"rounds_to_zero", 2, 0.4f, store::kWhiteTee, 40, 41, 1, "--"},
                                           NetCase{"nine_doubled", 2, 10.0f, store::kWhiteTee, 42, 0, 1, "36"},
                                           NetCase{"back_nine_doubled", 2, 10.0f, store::kWhiteTee, 0, 42, 1, "36"},
                                           NetCase{"nine_other_option", 2, 10.0f, store::kWhiteTee, 42, 0, 2, "30"},
                                           NetCase{"no_tee", 2, 10.0f, store::kNoTee, 40, 41, 1, "--"},
                                           NetCase{"tee_without_slope", 2, 10.0f, store::kBlueTee, 40, 41, 1, "--"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(ListingDateKey, YearsBelowEightyFollowTheNineties) {
    auto key = [](int16_t m, int16_t d, int16_t y) {
        store::RoundRecord r;
        r.month = m, r.day = d, r.year = y;
        return listing::DateKey(r);
    };
    EXPECT_LT(key(1, 1, 80), key(12, 31, 99));
    EXPECT_LT(key(12, 31, 99), key(1, 1, 0));
    EXPECT_LT(key(1, 1, 0), key(12, 31, 79));
}

TEST_F(ListingTest, MostRecentShowsEachNamedPlayersLatestRound) {
    int ann = addPlayer("Ann");
    addPlayer("Bob");  // no rounds
    int nameless = addPlayer("");
    int cy = addPlayer("Cy");
    for (int d = 1; d <= 2; ++d) addRound(ann, 6, d, 5);
    addRound(nameless, 6, 1, 5);
    for (int d = 1; d <= 3; ++d) addRound(cy, 6, d, 5);

    m_listing.setView(View::MostRecent);
    listing::Listing::ShowLatestRounds(data());
    m_listing.ListMostRecent(data());
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 06/02/05", "Cy 06/03/05"}));
    EXPECT_EQ(col(m_listing.rows()[3].line, 105, 106), " 3");
}

TEST_F(ListingTest, SpinWalksMostRecentBackAndForward) {
    int ann = addPlayer("Ann");
    int bob = addPlayer("Bob");
    for (int d = 1; d <= 2; ++d) addRound(ann, 6, d, 5);
    for (int d = 1; d <= 3; ++d) addRound(bob, 7, d, 5);
    m_listing.setView(View::MostRecent);
    listing::Listing::ShowLatestRounds(data());
    m_listing.ListMostRecent(data());

    const std::string earlier = "Viewing rounds entered earlier";
    EXPECT_EQ(m_listing.SpinDown(data()), earlier);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 06/01/05", "Bob 07/02/05"}));
    EXPECT_EQ(col(m_listing.rows()[2].line, 105, 106), " 1");
    EXPECT_EQ(m_listing.SpinDown(data()), earlier);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Bob 07/01/05"}));
    EXPECT_EQ(m_listing.SpinDown(data()), earlier);
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(m_listing.SpinDown(data()), earlier);
    EXPECT_TRUE(shown().empty());

    const std::string later = "Viewing more recently entered rounds";
    EXPECT_EQ(m_listing.SpinUp(data()), later);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 06/01/05", "Bob 07/01/05"}));
    EXPECT_EQ(m_listing.SpinUp(data()), later);
    EXPECT_EQ(m_listing.SpinUp(data()), later);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 06/02/05", "Bob 07/03/05"}));
    EXPECT_EQ(m_listing.SpinUp(data()), "");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 06/02/05", "Bob 07/03/05"}));
}

// A count of presses is applied in one go: rows, marks, date and message end as that many single
// presses leave them, from the newest position and from one part-way back.
TEST_F(ListingTest, ManyPressesAtOnceEndAsThatManySinglePresses) {
    int ann = addPlayer("Ann"), bob = addPlayer("Bob");
    addPlayer("Cy");  // no rounds
    for (int d = 1; d <= 2; ++d) addRound(ann, 6, d, 5);
    for (int d = 1; d <= 5; ++d) addRound(bob, 7, d, 5);
    for (View view : {View::MostRecent, View::ByDate}) {
        for (int back : {0, 2}) {
            for (int steps : {-9, -4, -1, 0, 1, 3, 4, 9}) {
                SCOPED_TRACE(std::to_string(static_cast<int>(view)) + " back " + std::to_string(back) + " steps " +
                             std::to_string(steps));
                auto atOnce = std::make_unique<store::LeagueData>(data());
                auto single = std::make_unique<store::LeagueData>(data());
                listing::Listing a, b;
                for (auto [listing, league] : {std::pair{&a, atOnce.get()}, std::pair{&b, single.get()}}) {
                    listing->setView(view);
                    listing::Listing::ShowLatestRounds(*league);
                    listing->ListMostRecent(*league);
                    if (view == View::ByDate) listing->ListByDate(*league);
                    for (int k = 0; k < back; ++k) listing->SpinDown(*league);
                }
                std::string message = a.Spin(*atOnce, steps), last;
                for (int k = 0; k < std::abs(steps); ++k) last = steps > 0 ? b.SpinUp(*single) : b.SpinDown(*single);
                EXPECT_EQ(message, last);
                EXPECT_EQ(a.rows(), b.rows());
                EXPECT_EQ(a.currentDate(), b.currentDate());
                for (int p = 1; p <= store::kMaxPlayers; ++p)
                    ASSERT_EQ(atOnce->players[p].selected, single->players[p].selected);
            }
        }
    }
}

TEST_F(ListingTest, ByDateListsAcrossTheCenturyInCalendarOrder) {
    int ann = addPlayer("Ann");
    int bob = addPlayer("Bob");
    addRound(ann, 1, 7, 4);
    addRound(ann, 12, 31, 99);
    addRound(ann, 1, 1, 0);
    addRound(bob, 12, 31, 3);
    addRound(bob, 12, 31, 99);
    m_listing.setView(View::ByDate);
    m_listing.ListByDate(data());
    EXPECT_EQ(m_listing.dateCount(), 4);
    EXPECT_EQ(m_listing.currentDate(), 4);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 01/07/04"}));
    EXPECT_EQ(col(m_listing.rows()[2].line, 105, 106), " 3");
    EXPECT_EQ(m_listing.SpinUp(data()), "");

    const std::string earlier = "Viewing earlier dates";
    EXPECT_EQ(m_listing.SpinDown(data()), earlier);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Bob 12/31/03"}));
    EXPECT_EQ(m_listing.SpinDown(data()), earlier);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 01/01/00"}));
    EXPECT_EQ(m_listing.SpinDown(data()), earlier);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 12/31/99", "Bob 12/31/99"}));
    EXPECT_EQ(m_listing.SpinDown(data()), "");
    EXPECT_EQ(m_listing.currentDate(), 1);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 12/31/99", "Bob 12/31/99"}));

    EXPECT_EQ(m_listing.SpinUp(data()), "Viewing more recent dates");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Ann 01/01/00"}));
}

TEST_F(ListingTest, ByDateKeepsEveryDateOfAFullLeague) {
    // 15 players with 20 rounds each, no two on the same day: 300 dates.
    for (int p = 1; p <= 15; ++p) {
        addPlayer("P" + std::to_string(p));
        for (int r = 1; r <= 20; ++r) addRound(p, 1 + (p - 1) % 12, r, 80 + (p - 1) / 12);
    }
    m_listing.setView(View::ByDate);
    m_listing.ListByDate(data());
    EXPECT_EQ(m_listing.dateCount(), 300);
    EXPECT_EQ(shown(), (std::vector<std::string>{"P15 03/20/81"}));
    int steps = 0;
    while (!m_listing.SpinDown(data()).empty()) ++steps;
    EXPECT_EQ(steps, 299);
    EXPECT_EQ(shown(), (std::vector<std::string>{"P1 01/01/80"}));
}

TEST_F(ListingTest, IndividualIsNewestFirstWithTheCountOnTheLatestOnly) {
    addPlayer("Ann");
    int bob = addPlayer("Bob");
    for (int d = 1; d <= 3; ++d) addRound(bob, 8, d, 6);
    m_listing.setView(View::Individual);
    m_listing.ListPlayerRounds(data(), bob);
    EXPECT_EQ(shown(), (std::vector<std::string>{"Bob 08/03/06", "Bob 08/02/06", "Bob 08/01/06"}));
    EXPECT_EQ(col(m_listing.rows()[2].line, 105, 106), " 3");
    EXPECT_EQ(col(m_listing.rows()[3].line, 100, 111), std::string(12, ' '));
    EXPECT_EQ(col(m_listing.rows()[4].line, 100, 111), std::string(12, ' '));

    m_listing.ListPlayerRounds(data(), 3);
    EXPECT_EQ(m_listing.rows().size(), 2u);
}
