#include "teams/teampoints.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "print/recordingprinter.hpp"
#include "scripteddialogs.hpp"

namespace quorval {
namespace {

using platform::Answer;
using teams::AddOutcome;

const std::string kDate = "12-06-2026";

std::string blanks(size_t n) {
    return std::string(n, ' ');
}

class TeamPointsTest : public ::testing::Test {
protected:
    TeamPointsTest() {
        store::LeagueData& d = *data;
        d.teams.teamCount = 2;
        d.teams.teamNames[1] = "Eagles";
        d.teams.teamNames[2] = "Hawks";
        const char* names[] = {"Ann Lee", "Bo Diaz", "Cy Young", "Di Fox"};
        d.playerCount = 4;
        for (int p = 1; p <= 4; ++p) {
            d.players[p].name = names[p - 1];
            d.players[p].team = static_cast<int16_t>(p == 2 ? 0 : p == 3 ? 2 : 1);
        }
    }

    void addEntries(int team, int count, float points = 1) {
        for (int e = 0; e < count; ++e) {
            int n = ++data->teams.teamEntryCount[team];
            data->teams.teamEntries[team][n] = {"Week " + std::to_string(n), static_cast<float>(n), points};
        }
    }

    std::vector<std::string> descriptions(int team) const {
        std::vector<std::string> out;
        for (int e = 1; e <= data->teams.teamEntryCount[team]; ++e)
            out.push_back(data->teams.teamEntries[team][e].description);
        return out;
    }

    const std::vector<print::Page>& printed(bool names, bool lastOnly) {
        teams::PrintTeamSummary(printer, *data, names, lastOnly, kDate);
        EXPECT_EQ(printer.documents().size(), 1u);
        return printer.documents().back().pages;
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    testing::ScriptedDialogs dialogs;
    print::RecordingPrinter printer;
};

struct LineCase {
    store::TeamEntry entry;
    std::string line;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << '"' << c.entry.description << "\" " << c.entry.keptTotal << ' ' << c.entry.points;
}

class EntryLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(EntryLineTest, NumberColumnsLineUpInTheList) {
    EXPECT_EQ(teams::EntryListLine(GetParam().entry), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, EntryLineTest,
    ::testing::Values(LineCase{{"Week 1", 12, 4.5f}, "Week 1" + blanks(55) + "  12.0" + blanks(6) + "4.5"},
                      LineCase{{"", 0, 0}, blanks(61) + "   0.0" + blanks(6) + "0.0"},
                      LineCase{{"Final", 1234.56f, 100}, "Final" + blanks(56) + "1234.6" + blanks(4) + "100.0"},
                      // A long description is cut so that the numbers keep their columns; a minus
                      // sign takes a blank's place.
                      LineCase{{std::string(70, 'x'), 99.5f, -2},
                               std::string(60, 'x') + blanks(1) + "  99.5" + blanks(5) + "-2.0"}));

TEST_F(TeamPointsTest, AddReadsTypedNumbersAndCountpointsTotalsInSinglePrecision) {
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "Week 1", "2.5 pts", ""), AddOutcome::Added);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "Rain out", "", "none"), AddOutcome::Added);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "", " 0.1", "31"), AddOutcome::Added);
    ASSERT_EQ(data->teams.teamEntryCount[1], 3);
    EXPECT_EQ(data->teams.teamEntries[1][1], (store::TeamEntry{"Week 1", 0, 2.5f}));
    EXPECT_EQ(data->teams.teamEntries[1][2], (store::TeamEntry{"Rain out", 0, 0}));
    EXPECT_EQ(data->teams.teamEntries[1][3], (store::TeamEntry{"", 31, 0.1f}));
    EXPECT_EQ(teams::countpoints(*data, 1), 2.5f + 0.1f);
    EXPECT_EQ(teams::listinfo(*data, 1).size(), 3u);
    EXPECT_EQ(teams::countpoints(*data, 2), 0.0f);
    EXPECT_EQ(dialogs.beeps(), 0);
}

TEST_F(TeamPointsTest, AddRefusesAnEmptyEntryAndAFullRecord) {
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "", "", "5"), AddOutcome::Beeped);
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_EQ(data->teams.teamEntryCount[1], 0);

    addEntries(1, store::kMaxTeamEntries);
    const store::LeagueData before = *data;
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "One more", "3", ""), AddOutcome::Full);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Team Point Records");
    EXPECT_EQ(shown[0].icon, platform::Icon::Exclamation);
    EXPECT_NE(shown[0].text.find("150"), std::string::npos);
    EXPECT_EQ(data->teams.teamEntryCount[1], store::kMaxTeamEntries);
    EXPECT_EQ(data->teams.teamEntries, before.teams.teamEntries);
}

TEST_F(TeamPointsTest, RemoveTakesExactlyTheSelectedRowsAndClosesUp) {
    addEntries(1, 5);
    EXPECT_EQ(teams::RemoveTeamEntries(*data, 1, {3, 1}), 2);
    EXPECT_EQ(descriptions(1), (std::vector<std::string>{"Week 1", "Week 3", "Week 5"}));
    EXPECT_EQ(data->teams.teamEntries[1][4], store::TeamEntry{});
}

TEST_F(TeamPointsTest, PendingValuesAreOfferedOnlyWhenAValueBoxHoldsText) {
    EXPECT_FALSE(teams::checkfornewinfo(dialogs, "", ""));
    EXPECT_TRUE(dialogs.takeMessages().empty());
    for (Answer answer : {Answer::Yes, Answer::No}) {
        dialogs.answer(answer);
        EXPECT_EQ(teams::checkfornewinfo(dialogs, "", "7"), answer == Answer::Yes);
        auto shown = dialogs.takeMessages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0],
                  (platform::Message{"Points were entered but not added to the list.   Do you want to add "
                                     "them to this team's Record before switching to another team or "
                                     "exiting?",
                                     "Team Point Records", platform::Buttons::YesNo, platform::Icon::Question}));
    }
}

TEST_F(TeamPointsTest, SummaryPrintsHeadingMembersEntriesAndTotalsInColumns) {
    data->teams.teamEntries[1][1] = {"Week 1", 12, 4.5f};
    data->teams.teamEntries[1][2] = {"Week 2", 130, 25};
    data->teams.teamEntryCount[1] = 2;
    const auto& pages = printed(true, false);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].orientation, platform::Orientation::Portrait);
    const std::string rule = "    " + std::string(80, '-');
    const std::string underline = blanks(60) + std::string(14, '-');
    std::vector<std::string> expected = {" ", " ", " ", " ", " ", blanks(49) + "Quorval   " + kDate, "",
                                         // Team 1: heading, members, entries, footer.
                                         " ", rule, "    Team: Eagles", " ", "    Ann Lee , Di Fox ", " ",
                                         "    Week 1" + blanks(50) + "  12.0" + blanks(6) + "4.5",
                                         "    Week 2" + blanks(50) + " 130.0" + blanks(5) + "25.0", underline,
                                         blanks(53) + "Total:  130.0" + blanks(5) + "29.5", " ",
                                         // Team 2 has no entries: the kept total of the empty slot 0 and no points.
                                         " ", rule, "    Team: Hawks", " ", "    Cy Young ", " ", underline,
                                         blanks(53) + "Total:    0.0" + blanks(6) + "0.0", " "};
    EXPECT_EQ(pages[0].lines(), expected);
    // The first blank line comes from the font step, before the size and boldness are set.
    for (size_t i = 1; i < pages[0].texts.size(); ++i) {
        EXPECT_EQ(pages[0].texts[i].font, (print::FontState{"Courier New", 10, true})) << i;
    }
}

TEST_F(TeamPointsTest, LastEventOnlyPrintsTheLatestEntryButTotalsThemAll) {
    addEntries(1, 3, 2);
    addEntries(2, 1, 5);
    auto lines = printed(false, true)[0].lines();
    ASSERT_EQ(lines.size(), 7u + 2 * 8u);
    EXPECT_EQ(lines[11], "    Week 3" + blanks(50) + "   3.0" + blanks(6) + "2.0");
    EXPECT_EQ(lines[13], blanks(53) + "Total:    3.0" + blanks(6) + "6.0");
    EXPECT_EQ(lines[19], "    Week 1" + blanks(50) + "   1.0" + blanks(6) + "5.0");
}

// Team 1's block leaves the page count at 45 (no break before the next heading) or at 46 (a break).
class HeadingBreakTest : public TeamPointsTest, public ::testing::WithParamInterface<int> {};

TEST_P(HeadingBreakTest, AHeadingBelowLineFortyFiveStartsANewPage) {
    addEntries(1, GetParam());
    addEntries(2, 1);
    const auto& pages = printed(false, false);
    bool breaks = GetParam() == 33;
    ASSERT_EQ(pages.size(), breaks ? 2u : 1u);
    auto last = pages.back().lines();
    if (breaks) {
        EXPECT_EQ(std::vector<std::string>(last.begin(), last.begin() + 6),
                  (std::vector<std::string>{" ", " ", " ", " ", "    " + std::string(80, '-'), "    Team: Hawks"}));
        EXPECT_EQ(pages[0].lines().back(), " ");  // team 1's footer ends the first page
    } else {
        EXPECT_EQ(last[7 + 4 + 32 + 3 + 2], "    Team: Hawks");
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, HeadingBreakTest, ::testing::Values(32, 33));

TEST_F(TeamPointsTest, EntriesBreakToANewPageAfterLineFiftyTwo) {
    data->teams.teamCount = 1;
    addEntries(1, 50);
    const auto& pages = printed(false, false);
    ASSERT_EQ(pages.size(), 2u);
    auto first = pages[0].lines();
    // The page count starts at 6 and the heading adds 4: the 43rd entry is line 53.
    ASSERT_EQ(first.size(), 7u + 4u + 43u);
    EXPECT_EQ(first.back().substr(0, 11), "    Week 43");
    auto second = pages[1].lines();
    ASSERT_EQ(second.size(), 3u + 7u + 3u);
    EXPECT_EQ(second[3].substr(0, 11), "    Week 44");
    EXPECT_EQ(pages[1].texts.back().font, (print::FontState{"Courier New", 10, true}));
}

TEST_F(TeamPointsTest, EveryMemberIsPrintedInLinesShorterThanSeventyCharacters) {
    // 30 members of 20 characters: two to a line, 15 lines, more than the old limit of 11.
    data->playerCount = 30;
    for (int p = 1; p <= 30; ++p) {
        char name[24];
        std::snprintf(name, sizeof name, "Member number %06d", p);
        data->players[p].name = name;
        data->players[p].team = 1;
    }
    addEntries(1, 30);
    const auto& pages = printed(true, false);
    ASSERT_EQ(pages.size(), 2u);
    auto first = pages[0].lines();
    for (int l = 0; l < 15; ++l) {
        std::string expected = "    Member number " + std::to_string(1000001 + 2 * l).substr(1) + " , Member number " +
                               std::to_string(1000002 + 2 * l).substr(1) + (l < 14 ? " , " : " ");
        EXPECT_EQ(first[11 + l], expected);
        EXPECT_LT(first[11 + l].size(), 70u);
    }
    // The count goes on from the member lines: 6 + 4 + 16 lines, so the 27th entry reaches 53.
    EXPECT_EQ(first.back().substr(0, 11), "    Week 27");
    EXPECT_EQ(pages[1].lines()[3].substr(0, 11), "    Week 28");
}

TEST_F(TeamPointsTest, SummaryWithoutTeamsPrintsOnlyTheTitle) {
    data->teams.teamCount = 0;
    auto lines = printed(true, false)[0].lines();
    EXPECT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], blanks(49) + "Quorval   " + kDate);
}

}  // namespace
}  // namespace quorval
