#include "reports/comparechart.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "print/recordingprinter.hpp"

using namespace quorval;
using reports::CompareEntry;
using reports::CompareLine;

namespace {

std::string blanks(size_t n) {
    return std::string(n, ' ');
}

// 1-based column of the star, as the user counts it on paper.
size_t starColumn(const std::string& line) {
    return line.find('*') + 1;
}

class CompareChartTest : public ::testing::Test {
protected:
    store::LeagueData& data() { return *m_data; }

    // A player whose rounds carry these indexes, the last one current.
    int addPlayer(const std::string& name, std::vector<float> indexes = {}) {
        int p = ++data().playerCount;
        store::PlayerRecord& player = data().players[p];
        player.name = name;
        for (float index : indexes) player.rounds[++player.roundCount].handicapIndex = index;
        return p;
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
};

TEST_F(CompareChartTest, OrdersByLatestIndexThenPlayerNumber) {
    addPlayer("Ann", {30.0f, 12.4f});
    addPlayer("Bob", {-1.3f});
    addPlayer("Cy");  // no rounds: no index, so not on the chart
    addPlayer("Di", {5.0f, 0.0f});
    addPlayer("Ed", {12.4f});
    addPlayer("Flo", {-2.0f, -1.3f});
    EXPECT_EQ(reports::CompareOrder(data()),
              (std::vector<CompareEntry>{{-1.3f, 2}, {-1.3f, 6}, {0.0f, 4}, {12.4f, 1}, {12.4f, 5}}));
}

// Packing index and player number into one single-precision key loses the player number once the
// index passes 64: player 2 at 64.2 came back as player 1. Each name must stay beside its own index.
TEST_F(CompareChartTest, HighIndexesKeepTheirOwnNames) {
    addPlayer("Ann", {64.2f});
    addPlayer("Bob", {64.2f});
    for (int p = 3; p <= 18; ++p) addPlayer("P" + std::to_string(p), {10.0f});
    addPlayer("Sue", {64.3f});
    addPlayer("Tom", {41.0f});
    std::vector<std::string> lines = reports::CompareLines(data());
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[16], CompareLine("Tom", 41.0f));
    EXPECT_EQ(lines[17], CompareLine("Ann", 64.2f));
    EXPECT_EQ(lines[18], CompareLine("Bob", 64.2f));
    EXPECT_EQ(lines[19], CompareLine("Sue", 64.3f));
}

TEST(CompareLineTest, NameStarAndIndexStandInTheirColumns) {
    EXPECT_EQ(CompareLine("Ann Smith", 12.4f), " Ann Smith" + blanks(12) + blanks(18) + "*" + blanks(31) + " 12.4");
    // A negative index takes the sign's blank: the value still ends in column 76.
    EXPECT_EQ(CompareLine("Bo", -1.3f), " Bo" + blanks(19) + blanks(5) + "*" + blanks(44) + "-1.3");
    // Columns are characters, not bytes.
    std::string accented = CompareLine("Zoë Ångström", 0.0f);
    EXPECT_EQ(accented, " Zoë Ångström" + blanks(9) + blanks(6) + "*" + blanks(43) + " 0.0");
}

// A damaged file can hold any finite index; the star still stays on the scale.
TEST(CompareLineTest, WildIndexesStayOnTheScale) {
    EXPECT_EQ(starColumn(CompareLine("Ann", 1e30f)), 70u);
    EXPECT_EQ(starColumn(CompareLine("Ann", -1e30f)), 23u);
}

struct StarCase {
    float index;
    size_t column;
    std::string shown;
};

void PrintTo(const StarCase& c, std::ostream* os) {
    *os << "index " << c.index;
}

class CompareStarTest : public ::testing::TestWithParam<StarCase> {};

// Index 0 stands in column 29, each point one column right, rounded half up and held to -6..41.
TEST_P(CompareStarTest, StarsAtTheRoundedIndexWithinTheScale) {
    std::string line = CompareLine("Ann", GetParam().index);
    EXPECT_EQ(starColumn(line), GetParam().column);
    EXPECT_EQ(line.substr(72), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(CompareScale, CompareStarTest,
                         ::testing::Values(StarCase{0.0f, 29, " 0.0"}, StarCase{0.5f, 30, " 0.5"},
                                           StarCase{-0.5f, 29, "-0.5"}, StarCase{-0.6f, 28, "-0.6"},
                                           StarCase{-5.0f, 24, "-5.0"}, StarCase{-8.0f, 23, "-8.0"},
                                           StarCase{40.4f, 69, " 40.4"}, StarCase{40.6f, 70, " 40.6"},
                                           StarCase{45.0f, 70, " 45.0"}, StarCase{100.0f, 70, " 100.0"}));

class ComparePrintTest : public ::testing::Test {
protected:
    ComparePrintTest() { m_printer.setFontNames({"Arial", "Courier New", "Lucida Console"}); }

    std::vector<std::string> chart(int players) {
        std::vector<std::string> lines;
        for (int i = 0; i < players; ++i) lines.push_back(CompareLine("Player " + std::to_string(i), i * 0.5f));
        return lines;
    }

    const print::Document& printed() {
        EXPECT_EQ(m_printer.documents().size(), 1u);
        return m_printer.documents().back();
    }

    std::vector<std::string> heading() {
        return {"",
                "",
                blanks(14) + "Quorval" + blanks(10) + "12-06-2026",
                "",
                "",
                blanks(38) + "Hcp Index",
                " ",
                "      Player                -5    0    5   10   15   20   25   30   35   40",
                "",
                "",
                blanks(5) + std::string(79, '_'),
                ""};
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::Settings& m_settings = m_data->settings;
    print::RecordingPrinter m_printer;
};

TEST_F(ComparePrintTest, OnePageUnderTheHeading) {
    m_settings.printFont = "Lucida Console";
    m_printer.setOrientation(platform::Orientation::Landscape);
    auto lines = chart(3);
    reports::PrintCompareChart(m_printer, *m_data, lines, "12-06-2026");
    const print::Document& doc = printed();
    ASSERT_EQ(doc.pages.size(), 1u);
    const print::Page& page = doc.pages[0];
    EXPECT_EQ(page.orientation, platform::Orientation::Portrait);
    std::vector<std::string> expected = heading();
    for (const auto& line : lines) expected.push_back(blanks(5) + line);
    EXPECT_EQ(page.lines(), expected);
    // The product name is large; everything else is 10 or 12 point, all bold in the print font.
    EXPECT_EQ(page.texts[2].text, blanks(14) + "Quorval");
    EXPECT_EQ(page.texts[2].font, (print::FontState{"Lucida Console", 18, true}));
    EXPECT_EQ(page.texts[6].font, (print::FontState{"Lucida Console", 12, true}));
    EXPECT_EQ(page.texts.back().font, (print::FontState{"Lucida Console", 10, true}));
}

TEST_F(ComparePrintTest, SixtyPlayersBreakAfterFifty) {
    m_settings.printFont = "Lucida Console";
    auto lines = chart(60);
    reports::PrintCompareChart(m_printer, *m_data, lines, "12-06-2026");
    const print::Document& doc = printed();
    ASSERT_EQ(doc.pages.size(), 2u);
    std::vector<std::string> first = heading();
    for (int i = 0; i < 50; ++i) first.push_back(blanks(5) + lines[i]);
    EXPECT_EQ(doc.pages[0].lines(), first);
    // The next page starts as every print job's page does: the print font and a blank line.
    std::vector<std::string> second{" "};
    for (const auto& line : heading()) second.push_back(line);
    for (int i = 50; i < 60; ++i) second.push_back(blanks(5) + lines[i]);
    EXPECT_EQ(doc.pages[1].lines(), second);
    EXPECT_EQ(doc.pages[1].texts.back().font.name, "Lucida Console");
}

}  // namespace
