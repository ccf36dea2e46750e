#include "teams/teampoints.hpp"

#include <gtest/gtest.h>

#include "leaguebuilder.hpp"
#include "print/recordingprinter.hpp"
#include "scripteddialogs.hpp"
#include "text/utf8.hpp"

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
    return description + blanks(width - text::CharLength(description) - kept.size()) + kept +
           blanks(9 - points.size()) + points;
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

TEST_F(TeamPointsTest, AddReadsTypedNumbersAndListsThemInColumns) {
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "Week 1", "2.5 pts", ""), AddOutcome::Added);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "", " 0.1", "31"), AddOutcome::Added);
    EXPECT_EQ(std::tie(data->teams.teamEntries[1][1], data->teams.teamEntries[1][2]),
              std::tuple(store::TeamEntry{"Week 1", 0, 2.5f}, store::TeamEntry{"", 31, 0.1f}));
    EXPECT_EQ(teams::countpoints(*data, 1), 2.5f + 0.1f);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 2, "", "", "5"), AddOutcome::Beeped);  // nothing to add
    EXPECT_EQ(std::tuple(dialogs.beeps(), dialogs.takeMessages().size()), std::tuple(1, 1u));
    EXPECT_EQ(teams::EntryListLine({"Final", 1234.56f, 100}), entryLine("Final", "1234.6", "100.0"));
    // A long description is shortened so that the numbers keep their columns; a minus takes a blank's place.
    EXPECT_EQ(teams::EntryListLine({std::string(70, 'x'), 99.5f, -2}),
              entryLine(std::string(59, 'x') + "\u2026", "99.5", "-2.0"));
    // Values typed but not added are offered when leaving.
    dialogs.answer(platform::Answer::Yes);
    EXPECT_EQ(std::tuple(teams::checkfornewinfo(dialogs, "", ""), teams::checkfornewinfo(dialogs, "", "7")),
              std::tuple(false, true));
    EXPECT_TRUE(dialogs.takeMessages().at(0).text.starts_with("Points were entered but not added to the list."));
}

TEST_F(TeamPointsTest, AddRefusesAFullRecordAndRemoveTakesExactlyTheSelectedRows) {
    addEntries(1, store::kMaxTeamEntries);
    EXPECT_EQ(teams::AddTeamEntry(*data, dialogs, 1, "One more", "3", ""), AddOutcome::Full);
    EXPECT_NE(dialogs.takeMessages().at(0).text.find("150"), std::string::npos);
    addEntries(2, 5);
    EXPECT_EQ(teams::RemoveTeamEntries(*data, 2, {3, 1}), 2);
    const auto& e = data->teams.teamEntries[2];
    EXPECT_EQ((Lines{e[1].description, e[2].description, e[3].description}), (Lines{"Week 1", "Week 3", "Week 5"}));
    EXPECT_EQ(std::tuple(data->teams.teamEntryCount[2], e[4]), std::tuple(3, store::TeamEntry{}));
}

TEST_F(TeamPointsTest, SummaryPrintsHeadingMembersEntriesAndTotalsInColumns) {
    data->teams.teamEntries[1][1] = {"Week 1", 12, 4.5f};
    data->teams.teamEntries[1][2] = {"Week 2", 130, 25};
    data->teams.teamEntryCount[1] = 2;
    const auto& pages = printed(true, false);
    ASSERT_EQ(pages.size(), 1u);
    const std::string rule = "|    " + std::string(80, '-'), underline = "|" + blanks(60) + std::string(14, '-');
    const std::string headings = "    Event or comment" + blanks(41) + "Count   Points|";
    // Team 2 has no entries: the kept total of the empty slot 0 and no points.
    EXPECT_EQ(joined(pages[0].lines()),
              " | | | | |" + blanks(49) + "Quorval   " + kDate + "|| " + rule +
                  "|    Team: Eagles| |    Ann Lee, Di Fox| |" + headings + printedEntry("Week 1", "12.0", "4.5") +
                  "|" + printedEntry("Week 2", "130.0", "25.0") + underline + "|" + blanks(53) +
                  "Total:  130.0     29.5| | " + rule + "|    Team: Hawks| |    Cy Young| |" + headings +
                  underline.substr(1) + "|" + blanks(53) + "Total:    0.0      0.0| ");
    // The first blank line comes from the font step, before the size and boldness are set.
    for (size_t i = 1; i < pages[0].texts.size(); ++i) EXPECT_EQ(pages[0].texts[i].font, kFont) << i;
}

// Team 1's block leaves the page count at 45 (no break before the next heading) or at 46 (a break).
TEST_F(TeamPointsTest, AHeadingBelowLineFortyFiveOrAnEntryAfterLineFiftyTwoStartsANewPage) {
    for (int entries : {31, 32}) {
        data->teams.teamEntryCount[1] = data->teams.teamEntryCount[2] = 0;
        addEntries(1, entries);
        addEntries(2, 1);
        const auto& pages = printed(false, false);
        ASSERT_EQ(pages.size(), entries == 32 ? 2u : 1u);
        EXPECT_EQ(pages.back().lines()[entries == 32 ? 5 : 7 + 4 + 1 + 31 + 3 + 2], "    Team: Hawks");
    }
    // The page count starts at 6, the heading adds 4 and the column headings 1: the 42nd entry is
    // line 53. The entries after it go on under the column headings again.
    data->teams.teamCount = 1;
    data->teams.teamEntryCount[1] = 0;
    addEntries(1, 50);
    const auto& pages = printed(false, false);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].lines().back().substr(0, 11), "    Week 42");
    EXPECT_EQ(pages[1].lines()[3].substr(0, 20), "    Event or comment");
    EXPECT_EQ(pages[1].lines()[4].substr(0, 11), "    Week 43");
}

}  // namespace
}  // namespace quorval
