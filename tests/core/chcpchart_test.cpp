#include "courses/chcpchart.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "fakeseams.hpp"

namespace quorval {
namespace {

using courses::ChartOutcome;
namespace cf = store::course_field;

// 10 * 130 / 113 + 0.5 = 12.004; -1.2 + 0.5 rounds down; halves go up here, unlike on the chart.
TEST(ChcpCalculator, ShowsTheHandicapOrWhatIsMissing) {
    const char* cases[][3] = {
        {"10.0", "130", "Course Handicap = 12"},       {"-1.2", "113", "Course Handicap = -1"},
        {"0.5", "113", "Course Handicap = 1"},         {"", "", "Enter your Hcp Index"},
        {"10.0", "", "Enter the Slope Value"},         {"10.0", "-120", "The Slope must be above 0"},
        {"1e39", "113", "Those numbers are too large"}};
    for (const auto& [index, slope, shown] : cases)
        EXPECT_EQ(courses::CalculateCourseHandicap(index, slope).message, shown) << index << " " << slope;
    EXPECT_EQ(courses::CalculateCourseHandicap("1e39", "113").outcome, courses::CalcOutcome::TooLarge);
    EXPECT_EQ(courses::CalculateCourseHandicap("10.0", "0").outcome, courses::CalcOutcome::BadSlope);
}

// Seven blanks, the index, six blanks, the handicap: four times.
std::string row(std::initializer_list<std::pair<const char*, const char*>> cells) {
    std::string line;
    for (const auto& [index, handicap] : cells) line += std::string("       ") + index + "      " + handicap;
    return line;
}

class ChcpChartTest : public ::testing::Test {
protected:
    ChcpChartTest() {
        data.settings.printFont = "Times New Roman";
        data.courseCount = 2;
        data.courses[2][cf::kName] = "Pine Hills";
        data.courses[2][cf::kSlope0 + 1] = "130";
        data.courses[2][cf::kSlope0 + 2] = "113";
        data.courses[2][cf::kSlope0 + 3] = "125.5";
    }

    ChartOutcome print(std::initializer_list<std::optional<std::string>> answers) {
        for (const auto& a : answers) dialogs.answerInput(a);
        return courses::PrintChcpChart(data, dialogs, printer, 2);
    }
    const print::Page& lastPage() { return printer.documents().back().pages.at(0); }

    std::unique_ptr<store::LeagueData> league = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *league;
    testing::ScriptedDialogs dialogs;
    testing::FakePrinter printer;
};

TEST_F(ChcpChartTest, AtSlope113EveryIndexShowsItselfRoundedHalfToEven) {
    EXPECT_EQ(print({"2"}), ChartOutcome::Printed);
    std::vector<std::string> lines = lastPage().lines();
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10),
              (std::vector<std::string>{
                  " ", " ", " ", " ", "   Pine Hills", " ", "     White (Mens) tee - slope 113", " ", " ",
                  "     Hcp Index  CHcp    Hcp Index  CHcp    Hcp Index  CHcp   Hcp Index   CHcp"}));
    EXPECT_EQ(lines[10], row({{"-5.0", "-5"}, {" 7.5", " 8"}, {"20.0", "20"}, {"32.5", "32"}}));
    EXPECT_EQ(lines[19], row({{"-0.5", " 0"}, {"12.0", "12"}, {"24.5", "24"}, {"37.0", "37"}}));
    EXPECT_EQ(lines[34], row({{" 7.0", " 7"}, {"19.5", "20"}, {"32.0", "32"}, {"44.5", "44"}}));
    EXPECT_EQ(lines[38] + lines[39], "     Use your Hcp index to find the course handicap.");

    // At slope 130: -5.75, 8.63, 23.01, 37.39.
    print({"1"});
    EXPECT_EQ(lastPage().lines()[6], "     Red (Ladies) tee - slope 130");
    EXPECT_EQ(lastPage().lines()[10], row({{"-5.0", "-6"}, {" 7.5", " 9"}, {"20.0", "23"}, {"32.5", "37"}}));

    print({"3"});
    const std::vector<print::PrintedText>& texts = lastPage().texts;
    EXPECT_EQ(texts[6].text, "     Blue (Pro) tee - slope 125.5");
    EXPECT_EQ(texts.at(4).font, (print::FontState{"Times New Roman", 24, true}));
    EXPECT_EQ(texts.at(39).font, (print::FontState{"Times New Roman", 12, true}));
}

TEST_F(ChcpChartTest, AnAnswerThatIsNoTeeIsAskedAgainAndNoneStops) {
    for (const char* refused : {"4", "-1", "2.5", "2x", "Mens"}) {
        EXPECT_EQ(print({refused, " white "}), ChartOutcome::Printed) << refused;
        EXPECT_EQ(lastPage().lines()[6], "     White (Mens) tee - slope 113") << refused;
    }
    const size_t printed = printer.documents().size();
    for (const char* stop : {"", "  ", "0"}) EXPECT_EQ(print({stop}), ChartOutcome::Stopped) << stop;
    EXPECT_EQ(print({std::nullopt}), ChartOutcome::Stopped);  // Cancel
    EXPECT_EQ(printer.documents().size(), printed);
}

TEST_F(ChcpChartTest, TeeWithoutASlopeIsRefusedByNameAndNothingPrints) {
    for (const char* slope : {"", "0"}) {
        data.courses[2][cf::kSlope0 + 2] = slope;
        EXPECT_EQ(print({"2"}), ChartOutcome::NoSlope) << slope;
        const auto shown = dialogs.takeMessages();  // a warning naming the tee, the course and where to mend it
        ASSERT_TRUE(shown.size() == 1 && shown[0].icon == platform::Icon::Exclamation);
        EXPECT_THAT(shown[0].text, ::testing::AllOf(::testing::HasSubstr("White (Mens) tee of Pine Hills has no slope"),
                                                    ::testing::HasSubstr("Edit Course")));
    }
    EXPECT_TRUE(printer.documents().empty());
}

// The chart reaches the league's lowest and highest current index, rounded out to the half
// stroke, and writes plus figures as the league's rules write them.
TEST_F(ChcpChartTest, RangeHoldsTheLeagueInItsOwnSigns) {
    const struct {
        store::HandicapRules rules;
        std::vector<float> indexes;  // current indexes of the league's players
        courses::ChartRange range;
        const char* firstRow;  // index and handicap of the chart's first cell
        const char* last;      // the last index with its handicap
        const char* beyond;    // the index after it
    } cases[] = {
        {store::HandicapRules::Classic, {}, {-10, 89}, "-5.0      -5", "44.5      44", "45.0"},
        {store::HandicapRules::Classic, {3.1f, 12.0f}, {-10, 89}, "-5.0      -5", "44.5      44", "45.0"},
        {store::HandicapRules::Classic, {-7.3f, 45.3f}, {-15, 91}, "-7.5      -8", "45.5      46", "46.0"},
        {store::HandicapRules::WHS, {-7.3f, 45.3f}, {-15, 91}, "+7.5      +8", "45.5      46", "46.0"},
        {store::HandicapRules::WHS, {-2.0f, 54.0f}, {-10, 108}, "+5.0      +5", "54.0      54", "54.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.indexes) + (c.rules == store::HandicapRules::WHS ? " WHS" : ""));
        data.options.rules = c.rules;
        data.courses[2][cf::kRating0 + 2] = "72";
        data.courses[2][cf::kParTotal] = "72";
        data.playerCount = 0;
        for (float index : c.indexes) {
            store::PlayerRecord& player = data.players[++data.playerCount];
            player.name = "P" + std::to_string(data.playerCount);
            player.roundCount = 5;
            player.rounds[5].handicapIndex = index;
        }
        EXPECT_EQ(courses::ChartRangeOf(data), c.range);
        ASSERT_EQ(print({"2"}), ChartOutcome::Printed);
        const std::vector<std::string> lines = lastPage().lines();
        EXPECT_EQ(lines.size(), 15u + static_cast<size_t>(c.range.rows()));
        EXPECT_EQ(lines[10].substr(7, 12), c.firstRow);
        // The range's end is on the chart and the half stroke after it is not.
        std::string page;
        for (const std::string& line : lines) page += line + "|";
        EXPECT_NE(page.find(c.last), std::string::npos);
        EXPECT_EQ(page.find(c.beyond), std::string::npos);
    }
}

}  // namespace
}  // namespace quorval
