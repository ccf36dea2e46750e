#include "teams/teampoints.hpp"

#include <gtest/gtest.h>

#include <cstdio>

#include "leaguebuilder.hpp"
#include "print/recordingprinter.hpp"
#include "scripteddialogs.hpp"

namespace quorval {
namespace {

using teams::AddOutcome;
using Lines = std::vector<std::string>;

const std::string kDate = "12-06-2026";
const print::FontState kFont{"Courier New", 10, true};

std::string blanks(size_t n) {
    return std::string(n, ' ');
}

std::string joined(const Lines& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) out += (i ? "|" : "") + lines[i];
    return out;
}

// An entry: description and kept total to `width` characters, points to nine more.
std::string entryLine(const std::string& description, const std::string& kept, const std::string& points,
                      size_t width = 67) {
    return description + blanks(width - description.size() - kept.size()) + kept + blanks(9 - points.size()) + points;
}

// An entry as printed: indented by four, the kept total ending in column 66.
std::string printedEntry(const std::string& description, const std::string& kept, const std::string& points) {
    return "    " + entryLine(description, kept, points, 62);
}

class TeamPointsTest : public ::testing::Test {
protected:
    TeamPointsTest() {
        testing::LeagueBuilder(*data)
            .player("Ann Lee")
            .player("Bo Diaz")
            .player("Cy Young")
            .player("Di Fox")
            .team("Eagles", {1, 4})
            .team("Hawks", {3});
    }

    // Entries "Week n" with kept total n.
    void addEntries(int team, int count, float points = 1) {
        for (int e = 0; e < count; ++e) {
            int n = ++data->teams.teamEntryCount[team];
            data->teams.teamEntries[team][n] = {"Week " + std::to_string(n), static_cast<float>(n), points};
        }
    }

    const std::vector<print::Page>& printed(bool names, bool lastOnly) {
        printer = std::make_unique<print::RecordingPrinter>();
        teams::PrintTeamSummary(*printer, *data, names, lastOnly, kDate);
        EXPECT_EQ(printer->documents().size(), 1u);
        return printer->documents().back().pages;
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<print::RecordingPrinter> printer;
};

TEST(TeamPoints, EntryNumberColumnsLineUpInTheList) {
    EXPECT_EQ(teams::EntryListLine({"Week 1", 12, 4.5f}), entryLine("Week 1", "12.0", "4.5"));
    EXPECT_EQ(teams::EntryListLine({"", 0, 0}), entryLine("", "0.0", "0.0"));
    EXPECT_EQ(teams::EntryListLine({"Final", 1234.56f, 100}), entryLine("Final", "1234.6", "100.0"));
    // A long description is cut so that the numbers keep their columns; a minus takes a blank's place.
    EXPECT_EQ(teams::EntryListLine({std::string(70, 'x'), 99.5f, -2}), entryLine(std::string(60, 'x'), "99.5", "-2.0"));
}

TEST_F(TeamPointsTest, AddReadsTypedNumbersAndCountpointsTotalsInSinglePrecision) {
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "Week 1", "2.5 pts", ""), AddOutcome::Added);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "Rain out", "", "none"), AddOutcome::Added);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "", " 0.1", "31"), AddOutcome::Added);
    ASSERT_EQ(data->teams.teamEntryCount[1], 3);
    EXPECT_EQ(std::tie(data->teams.teamEntries[1][1], data->teams.teamEntries[1][2], data->teams.teamEntries[1][3]),
              std::tuple(store::TeamEntry{"Week 1", 0, 2.5f}, store::TeamEntry{"Rain out", 0, 0},
                         store::TeamEntry{"", 31, 0.1f}));
    EXPECT_EQ(teams::countpoints(*data, 1), 2.5f + 0.1f);
    EXPECT_EQ(teams::listinfo(*data, 1).size(), 3u);
    EXPECT_EQ(teams::countpoints(*data, 2), 0.0f);
    EXPECT_EQ(dialogs.beeps(), 0);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 2, "", "", "5"), AddOutcome::Beeped);  // nothing to add
    EXPECT_EQ(dialogs.beeps(), 1);
    EXPECT_EQ(dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(data->teams.teamEntryCount[2], 0);
}

TEST_F(TeamPointsTest, AddRefusesAFullRecordAndRemoveTakesExactlyTheSelectedRows) {
    addEntries(1, store::kMaxTeamEntries);
    const auto before = std::make_unique<store::TeamPart>(data->teams);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "One more", "3", ""), AddOutcome::Full);
    auto shown = dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(std::tie(shown[0].title, shown[0].icon), std::tuple("Team Point Records", platform::Icon::Exclamation));
    EXPECT_NE(shown[0].text.find("150"), std::string::npos);
    EXPECT_EQ(data->teams.teamEntryCount[1], store::kMaxTeamEntries);
    EXPECT_EQ(data->teams.teamEntries, before->teamEntries);
    addEntries(2, 5);
    EXPECT_EQ(teams::RemoveTeamEntries(*data, 2, {3, 1}), 2);
    const auto& e = data->teams.teamEntries[2];
    EXPECT_EQ((Lines{e[1].description, e[2].description, e[3].description}), (Lines{"Week 1", "Week 3", "Week 5"}));
    EXPECT_EQ(data->teams.teamEntryCount[2], 3);
    EXPECT_EQ(e[4], store::TeamEntry{});
}

TEST_F(TeamPointsTest, PendingValuesAreOfferedOnlyWhenAValueBoxHoldsText) {
    const std::vector<platform::Message> pending{
        {"Points were entered but not added to the list.   Do you want to add "
         "them to this team's Record before switching to another team or "
         "exiting?",
         "Team Point Records", platform::Buttons::YesNo, platform::Icon::Question}};
    EXPECT_FALSE(teams::checkfornewinfo(dialogs, "", ""));
    EXPECT_TRUE(dialogs.takeMessages().empty());
    for (platform::Answer answer : {platform::Answer::Yes, platform::Answer::No}) {
        dialogs.answer(answer);
        EXPECT_EQ(teams::checkfornewinfo(dialogs, "", "7"), answer == platform::Answer::Yes);
        EXPECT_EQ(dialogs.takeMessages(), pending);
    }
}

TEST_F(TeamPointsTest, SummaryPrintsHeadingMembersEntriesAndTotalsInColumns) {
    data->teams.teamEntries[1][1] = {"Week 1", 12, 4.5f};
    data->teams.teamEntries[1][2] = {"Week 2", 130, 25};
    data->teams.teamEntryCount[1] = 2;
    const auto& pages = printed(true, false);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].orientation, platform::Orientation::Portrait);
    const std::string rule = "|    " + std::string(80, '-'), underline = "|" + blanks(60) + std::string(14, '-');
    // Team 2 has no entries: the kept total of the empty slot 0 and no points.
    EXPECT_EQ(joined(pages[0].lines()), " | | | | |" + blanks(49) + "Quorval   " + kDate + "|| " + rule +
                                            "|    Team: Eagles| |    Ann Lee , Di Fox | |" +
                                            printedEntry("Week 1", "12.0", "4.5") + "|" +
                                            printedEntry("Week 2", "130.0", "25.0") + underline + "|" + blanks(53) +
                                            "Total:  130.0     29.5| | " + rule + "|    Team: Hawks| |    Cy Young | " +
                                            underline + "|" + blanks(53) + "Total:    0.0      0.0| ");
    // The first blank line comes from the font step, before the size and boldness are set.
    for (size_t i = 1; i < pages[0].texts.size(); ++i) EXPECT_EQ(pages[0].texts[i].font, kFont) << i;
}

TEST_F(TeamPointsTest, LastEventOnlyPrintsTheLatestEntryButTotalsThemAll) {
    addEntries(1, 3, 2);
    addEntries(2, 1, 5);
    Lines lines = printed(false, true)[0].lines();
    ASSERT_EQ(lines.size(), 7u + 2 * 8u);
    EXPECT_EQ(lines[11], printedEntry("Week 3", "3.0", "2.0"));
    EXPECT_EQ(lines[13], blanks(53) + "Total:    3.0" + blanks(6) + "6.0");
    EXPECT_EQ(lines[19], printedEntry("Week 1", "1.0", "5.0"));
}

// Team 1's block leaves the page count at 45 (no break before the next heading) or at 46 (a break).
TEST_F(TeamPointsTest, AHeadingBelowLineFortyFiveStartsANewPage) {
    for (int entries : {32, 33}) {
        data->teams.teamEntryCount[1] = data->teams.teamEntryCount[2] = 0;
        addEntries(1, entries);
        addEntries(2, 1);
        const auto& pages = printed(false, false);
        ASSERT_EQ(pages.size(), entries == 33 ? 2u : 1u);
        Lines last = pages.back().lines();
        if (entries == 33) {
            EXPECT_EQ(joined(Lines(last.begin(), last.begin() + 6)),
                      " | | | |    " + std::string(80, '-') + "|    Team: Hawks");
            EXPECT_EQ(pages[0].lines().back(), " ");  // team 1's footer ends the first page
        } else {
            EXPECT_EQ(last[7 + 4 + 32 + 3 + 2], "    Team: Hawks");
        }
    }
}

TEST_F(TeamPointsTest, EntriesBreakToANewPageAfterLineFiftyTwo) {
    data->teams.teamCount = 1;
    addEntries(1, 50);
    const auto& pages = printed(false, false);
    ASSERT_EQ(pages.size(), 2u);
    // The page count starts at 6 and the heading adds 4: the 43rd entry is line 53.
    Lines first = pages[0].lines(), second = pages[1].lines();
    ASSERT_EQ(first.size(), 7u + 4u + 43u);
    EXPECT_EQ(first.back().substr(0, 11), "    Week 43");
    ASSERT_EQ(second.size(), 3u + 7u + 3u);
    EXPECT_EQ(second[3].substr(0, 11), "    Week 44");
    EXPECT_EQ(pages[1].texts.back().font, kFont);
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
    Lines first = pages[0].lines();
    for (int l = 0; l < 15; ++l) {
        EXPECT_EQ(first[11 + l], "    Member number " + std::to_string(1000001 + 2 * l).substr(1) +
                                     " , Member number " + std::to_string(1000002 + 2 * l).substr(1) +
                                     (l < 14 ? " , " : " "));
        EXPECT_LT(first[11 + l].size(), 70u);
    }
    // The count goes on from the member lines: 6 + 4 + 16 lines, so the 27th entry reaches 53.
    EXPECT_EQ(first.back().substr(0, 11), "    Week 27");
    EXPECT_EQ(pages[1].lines()[3].substr(0, 11), "    Week 28");
}

TEST_F(TeamPointsTest, SummaryWithoutTeamsPrintsOnlyTheTitle) {
    data->teams.teamCount = 0;
    EXPECT_EQ(joined(printed(true, false)[0].lines()), " | | | | |" + blanks(49) + "Quorval   " + kDate + "|");
}

}  // namespace
}  // namespace quorval
