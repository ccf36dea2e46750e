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
namespace cf = store::course_field;

// 10 * 130 / 113 + 0.5 = 12.004; -1.2 + 0.5 rounds down; halves go up here, unlike on the chart.
TEST(ChcpCalculator, ShowsTheHandicapOrWhatIsMissing) {
    const char* cases[][3] = {
        {"10.0", "130", "Course Handicap = 12"},       {"-1.2", "113", "Course Handicap = -1"},
        {"0.5", "113", "Course Handicap = 1"},         {"1.5", "113", "Course Handicap = 2"},
        {"12abc", " 113", "Course Handicap = 12"},     {"", "", "Enter your Hcp Index"},
        {"10.0", "", "Enter the Slope Value"},         {"10.0", "0", "The Slope must be above 0"},
        {"10.0", "-120", "The Slope must be above 0"}, {"1e39", "113", "Those numbers are too large"}};
    for (const auto& [index, slope, shown] : cases)
        EXPECT_EQ(courses::CalculateCourseHandicap(index, slope).message, shown) << index << " " << slope;
    EXPECT_EQ(courses::CalculateCourseHandicap("1e39", "113").outcome, CalcOutcome::TooLarge);
    EXPECT_EQ(courses::CalculateCourseHandicap("10.0", "0").outcome, CalcOutcome::BadSlope);
}

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

    // Held apart: a fixture holding the whole league is too large for the sanitizer's type checks.
    std::unique_ptr<store::LeagueData> league = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *league;
    AskingDialogs dialogs;
    testing::FakePrinter printer;
};

TEST_F(ChcpChartTest, AtSlope113EveryIndexShowsItselfRoundedHalfToEven) {
    printer.setOrientation(platform::Orientation::Landscape);  // left so by an earlier job
    EXPECT_EQ(print({"2"}), ChartOutcome::Printed);
    ASSERT_EQ(printer.documents().size(), 1u);
    ASSERT_EQ(printer.documents()[0].pages.size(), 1u);
    EXPECT_EQ(lastPage().orientation, platform::Orientation::Portrait);
    std::vector<std::string> lines = lastPage().lines();
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 10),
              (std::vector<std::string>{" ", " ", " ", " ", "   Pine Hills", " ", "     Mens Tee - slope 113", " ", " ",
                                        kHeading}));
    EXPECT_EQ(lines[10], row({{"-5.0", "-5"}, {" 7.5", " 8"}, {"20.0", "20"}, {"32.5", "32"}}));
    EXPECT_EQ(lines[19], row({{"-0.5", " 0"}, {"12.0", "12"}, {"24.5", "24"}, {"37.0", "37"}}));
    EXPECT_EQ(lines[21], row({{" 0.5", " 0"}, {"13.0", "13"}, {"25.5", "26"}, {"38.0", "38"}}));
    EXPECT_EQ(lines[23], row({{" 1.5", " 2"}, {"14.0", "14"}, {"26.5", "26"}, {"39.0", "39"}}));
    EXPECT_EQ(lines[34], row({{" 7.0", " 7"}, {"19.5", "20"}, {"32.0", "32"}, {"44.5", "44"}}));
    for (size_t i = 10; i < 35; ++i) EXPECT_EQ(lines[i].size(), 4u * 19u) << lines[i];
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 35, lines.end()),
              (std::vector<std::string>{" ", " ", " ", " ", kFooter}));

    // At slope 130 the handicaps scale up: -5.75, 8.63, 23.01, 37.39 and 8.05, 22.43, 36.81, 51.19.
    print({"1"});
    lines = lastPage().lines();
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines[6], "     Ladies Tee - slope 130");
    EXPECT_EQ(lines[10], row({{"-5.0", "-6"}, {" 7.5", " 9"}, {"20.0", "23"}, {"32.5", "37"}}));
    EXPECT_EQ(lines[34], row({{" 7.0", " 8"}, {"19.5", "22"}, {"32.0", "37"}, {"44.5", "51"}}));
    EXPECT_EQ(lines[39], kFooter);

    print({"3"});
    const std::vector<print::PrintedText>& texts = lastPage().texts;
    ASSERT_EQ(texts.size(), 40u);
    EXPECT_EQ(texts[4].text, "   Pine Hills");
    EXPECT_EQ(texts[4].font, (print::FontState{"Times New Roman", 24, true}));
    EXPECT_EQ(texts[6].text, "     Pro tee - slope 125.5");
    EXPECT_EQ(texts[6].font, (print::FontState{"Times New Roman", 14, true}));
    EXPECT_EQ(texts[9].font, (print::FontState{"Times New Roman", 12, true}));
    EXPECT_EQ(texts[39].font, (print::FontState{"Times New Roman", 12, true}));
}

TEST_F(ChcpChartTest, AnAnswerThatIsNoTeeIsAskedAgainAndNoneStops) {
    const std::vector<std::string> question{
        "Print Chart relating to which Tee?\r\n\r\nType 1 for Ladies, 2 for Mens or 3 for the Pro tee",
        "Course Handicap Reference Chart for Posting", ""};
    for (const char* refused : {"4", "7", "-1", "2.5", "x", "2x"}) {
        dialogs.asked.clear();
        EXPECT_EQ(print({refused, "2"}), ChartOutcome::Printed) << refused;
        EXPECT_EQ(dialogs.asked, (std::vector<std::vector<std::string>>{question, question})) << refused;
        EXPECT_EQ(lastPage().lines()[6], "     Mens Tee - slope 113") << refused;
    }
    const size_t printed = printer.documents().size(), notes = dialogs.busyNotes().size();
    for (std::optional<std::string> stop : {std::optional<std::string>(), std::optional<std::string>(""),
                                            std::optional<std::string>("  "), std::optional<std::string>("0")}) {
        EXPECT_EQ(print({stop}), ChartOutcome::Stopped) << stop.value_or("Cancel");
    }
    EXPECT_EQ(printer.documents().size(), printed);
    EXPECT_EQ(dialogs.busyNotes().size(), notes);
}

TEST_F(ChcpChartTest, TeeWithoutASlopeIsRefusedByNameAndNothingPrints) {
    for (const char* slope : {"", "0"}) {
        data.courses[2][cf::kSlope0 + 2] = slope;
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
