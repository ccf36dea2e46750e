#include "courses/chcpchart.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fakeseams.hpp"

namespace quorval {
namespace {

using courses::CalcOutcome;
using courses::ChartOutcome;

struct CalcCase {
    const char* index;
    const char* slope;
    CalcOutcome outcome;
    const char* shown;
};

class CalculatorAnswers : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalculatorAnswers, ShowTheHandicapOrWhatIsMissing) {
    const CalcCase& c = GetParam();
    courses::CalcAnswer answer = courses::CalculateCourseHandicap(c.index, c.slope);
    EXPECT_EQ(answer.outcome, c.outcome);
    EXPECT_EQ(answer.message, c.shown);
}

INSTANTIATE_TEST_SUITE_P(ChcpCalculator, CalculatorAnswers,
                         ::testing::Values(
                             // 10 * 130 / 113 + 0.5 = 12.004
                             CalcCase{"10.0", "130", CalcOutcome::Result, "Course Handicap = 12"},
                             // a plus handicap: -1.2 + 0.5 = -0.7 rounds down to -1
                             CalcCase{"-1.2", "113", CalcOutcome::Result, "Course Handicap = -1"},
                             // halves go up here, unlike on the chart
                             CalcCase{"0.5", "113", CalcOutcome::Result, "Course Handicap = 1"},
                             CalcCase{"1.5", "113", CalcOutcome::Result, "Course Handicap = 2"},
                             CalcCase{"12abc", " 113", CalcOutcome::Result, "Course Handicap = 12"},
                             CalcCase{"", "", CalcOutcome::NoIndex, "Enter your Hcp Index"},
                             CalcCase{"10.0", "", CalcOutcome::NoSlope, "Enter the Slope Value"},
                             CalcCase{"10.0", "0", CalcOutcome::BadSlope, "The Slope must be above 0"},
                             CalcCase{"10.0", "-120", CalcOutcome::BadSlope, "The Slope must be above 0"},
                             CalcCase{"1e39", "113", CalcOutcome::TooLarge, "Those numbers are too large"}));

// Records the input boxes asked, then answers them from the script.
class AskingDialogs : public testing::ScriptedDialogs {
public:
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override {
        asked.push_back({prompt, title, defaultText});
        return ScriptedDialogs::input(prompt, title, defaultText);
    }
    std::vector<std::vector<std::string>> asked;
};

const std::string kHeading = "     Hcp Index  CHcp    Hcp Index  CHcp    Hcp Index  CHcp   Hcp Index   CHcp";
const std::string kFooter = "    Use your Hcp index to find the course handicap.";

// Seven blanks, the index, six blanks, the handicap: four times.
std::string row(std::initializer_list<std::pair<const char*, const char*>> cells) {
    std::string line;
    for (const auto& [index, handicap] : cells) line += std::string("       ") + index + "      " + handicap;
    return line;
}

class ChcpChartTest : public ::testing::Test {
protected:
    ChcpChartTest() {
        store::LeagueData& data = *league;
        data.settings.printFont = "Times New Roman";
        data.courseCount = 2;
        data.courses[2][store::course_field::kName] = "Pine Hills";
        data.courses[2][26] = "130";
        data.courses[2][27] = "113";
        data.courses[2][28] = "125.5";
    }

    ChartOutcome print(std::initializer_list<std::optional<std::string>> answers) {
        for (const auto& a : answers) dialogs.answerInput(a);
        return courses::PrintChcpChart(*league, dialogs, printer, 2);
    }

    const print::Page& onlyPage() {
        EXPECT_EQ(printer.documents().size(), 1u);
        EXPECT_EQ(printer.documents().at(0).pages.size(), 1u);
        return printer.documents().at(0).pages.at(0);
    }

    // Held apart: a fixture holding the whole league is too large for the sanitizer's type checks.
    std::unique_ptr<store::LeagueData> league = std::make_unique<store::LeagueData>();
    AskingDialogs dialogs;
    testing::FakePrinter printer;
};

TEST_F(ChcpChartTest, AtSlope113EveryIndexShowsItselfRoundedHalfToEven) {
    printer.setOrientation(platform::Orientation::Landscape);  // left so by an earlier job
    EXPECT_EQ(print({"2"}), ChartOutcome::Printed);
    const print::Page& page = onlyPage();
    EXPECT_EQ(page.orientation, platform::Orientation::Portrait);
    std::vector<std::string> lines = page.lines();
    ASSERT_EQ(lines.size(), 40u);
    std::vector<std::string> top(lines.begin(), lines.begin() + 10);
    EXPECT_EQ(top, (std::vector<std::string>{" ", " ", " ", " ", "   Pine Hills", " ", "     Mens Tee - slope 113", " ",
                                             " ", kHeading}));
    EXPECT_EQ(lines[10], row({{"-5.0", "-5"}, {" 7.5", " 8"}, {"20.0", "20"}, {"32.5", "32"}}));
    EXPECT_EQ(lines[19], row({{"-0.5", " 0"}, {"12.0", "12"}, {"24.5", "24"}, {"37.0", "37"}}));
    EXPECT_EQ(lines[21], row({{" 0.5", " 0"}, {"13.0", "13"}, {"25.5", "26"}, {"38.0", "38"}}));
    EXPECT_EQ(lines[23], row({{" 1.5", " 2"}, {"14.0", "14"}, {"26.5", "26"}, {"39.0", "39"}}));
    EXPECT_EQ(lines[34], row({{" 7.0", " 7"}, {"19.5", "20"}, {"32.0", "32"}, {"44.5", "44"}}));
    for (size_t i = 10; i < 35; ++i) EXPECT_EQ(lines[i].size(), 4u * 19u) << lines[i];
    std::vector<std::string> bottom(lines.begin() + 35, lines.end());
    EXPECT_EQ(bottom, (std::vector<std::string>{" ", " ", " ", " ", kFooter}));
}

TEST_F(ChcpChartTest, PrintsInThePrintFontBoldAtTheSizesOfEachPart) {
    print({"3"});
    const print::Page& page = onlyPage();
    ASSERT_EQ(page.texts.size(), 40u);
    const print::FontState heading{"Times New Roman", 24, true};
    const print::FontState tee{"Times New Roman", 14, true};
    const print::FontState table{"Times New Roman", 12, true};
    EXPECT_EQ(page.texts[4].text, "   Pine Hills");
    EXPECT_EQ(page.texts[4].font, heading);
    EXPECT_EQ(page.texts[6].text, "     Pro tee - slope 125.5");
    EXPECT_EQ(page.texts[6].font, tee);
    EXPECT_EQ(page.texts[9].font, table);
    EXPECT_EQ(page.texts[39].font, table);
}

TEST_F(ChcpChartTest, AtSlope130TheHandicapsScaleUp) {
    print({"1"});
    std::vector<std::string> lines = onlyPage().lines();
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines[6], "     Ladies Tee - slope 130");
    // -5.75, 8.63, 23.01, 37.39
    EXPECT_EQ(lines[10], row({{"-5.0", "-6"}, {" 7.5", " 9"}, {"20.0", "23"}, {"32.5", "37"}}));
    // 8.05, 22.43, 36.81, 51.19
    EXPECT_EQ(lines[34], row({{" 7.0", " 8"}, {"19.5", "22"}, {"32.0", "37"}, {"44.5", "51"}}));
    EXPECT_EQ(lines[39], kFooter);
}

class ChartTeeRefused : public ChcpChartTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ChartTeeRefused, IsAskedAgain) {
    EXPECT_EQ(print({GetParam(), "2"}), ChartOutcome::Printed);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    const std::vector<std::string> question{
        "Print Chart relating to which Tee?\r\n\r\nType 1 for Ladies, 2 for Mens or 3 for the Pro tee",
        "Course Handicap Reference Chart for Posting", ""};
    EXPECT_EQ(dialogs.asked[0], question);
    EXPECT_EQ(dialogs.asked[1], question);
    EXPECT_EQ(onlyPage().lines()[6], "     Mens Tee - slope 113");
}

INSTANTIATE_TEST_SUITE_P(ChcpChart, ChartTeeRefused, ::testing::Values("4", "7", "-1", "2.5", "x", "2x"));

class ChartTeeStops : public ChcpChartTest, public ::testing::WithParamInterface<std::optional<std::string>> {};

TEST_P(ChartTeeStops, PrintsNothing) {
    EXPECT_EQ(print({GetParam()}), ChartOutcome::Stopped);
    EXPECT_TRUE(printer.documents().empty());
    EXPECT_EQ(dialogs.busyNotes().size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(ChcpChart, ChartTeeStops,
                         ::testing::Values(std::nullopt, std::optional<std::string>(""),
                                           std::optional<std::string>("  "), std::optional<std::string>("0")));

TEST_F(ChcpChartTest, TeeWithoutASlopeIsRefusedByNameAndNothingPrints) {
    for (const char* slope : {"", "0"}) {
        league->courses[2][27] = slope;
        EXPECT_EQ(print({"2"}), ChartOutcome::NoSlope) << slope;
        EXPECT_EQ(dialogs.takeMessages(),
                  (std::vector<platform::Message>{
                      {"The Mens tee of Pine Hills has no slope, so no chart can be printed for it.\r\n"
                       "Enter the slope with Courses, Edit Course, or choose another tee.",
                       "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation}}));
    }
    EXPECT_TRUE(printer.documents().empty());
}

}  // namespace
}  // namespace quorval
