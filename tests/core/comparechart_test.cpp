#include "reports/comparechart.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "print/recordingprinter.hpp"

using namespace quorval;
using reports::CompareLine;

namespace {

std::string blanks(size_t n) {
    return std::string(n, ' ');
}

class CompareChartTest : public ::testing::Test {
protected:
    void addPlayer(const std::string& name, std::vector<float> indexes = {}) {
        store::PlayerRecord& player = data.players[++data.playerCount];
        player.name = name;
        for (float index : indexes) player.rounds[++player.roundCount].handicapIndex = index;
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
};

TEST_F(CompareChartTest, OrdersByLatestIndexThenPlayerNumber) {
    addPlayer("Ann", {30.0f, 12.4f});
    addPlayer("Bob", {-1.3f});
    addPlayer("Cy");  // no rounds: no index, so not on the chart
    addPlayer("Di", {5.0f, 0.0f});
    addPlayer("Ed", {64.2f});
    addPlayer("Flo", {-2.0f, -1.3f});
    for (int p = 7; p <= 18; ++p) addPlayer("P" + std::to_string(p), {12.4f});
    addPlayer("Sue", {64.3f});
    addPlayer("Tom", {64.2f});
    const std::vector<reports::CompareEntry> order = reports::CompareOrder(data);
    EXPECT_EQ(std::vector<reports::CompareEntry>(order.begin(), order.begin() + 5),
              (std::vector<reports::CompareEntry>{{-1.3f, 2}, {-1.3f, 6}, {0.0f, 4}, {12.4f, 1}, {12.4f, 7}}));
    // A single-precision key of index and player number lost the player once the index passed 64.
    const std::vector<std::string> lines = reports::CompareLines(data);
    const reports::CompareScale scale = reports::CompareScaleOf(order);
    const handicap::Rules& rules = handicap::ClassicRules();
    EXPECT_EQ(
        std::vector<std::string>(lines.end() - 3, lines.end()),
        (std::vector<std::string>{CompareLine("Ed", 64.2f, rules, 1, scale), CompareLine("Tom", 64.2f, rules, 1, scale),
                                  CompareLine("Sue", 64.3f, rules, 1, scale)}));
}

// Index 0 stands in column 29, each point one column right, rounded half up and held to -6..41;
// the value ends in column 76 whatever its sign, and columns are characters, not bytes.
TEST(CompareLineTest, NameStarAndIndexStandInTheirColumns) {
    EXPECT_EQ(CompareLine("Zoë Ångström", 0.0f), " Zoë Ångström" + blanks(15) + "*" + blanks(43) + " 0.0");
    EXPECT_EQ(CompareLine("Bartholomew Fitzgerald-Huntington", 12.3f),
              " Bartholomew\u2026" + blanks(27) + "*" + blanks(31) + " 12.3");
    const std::pair<float, size_t> columns[] = {{0.5f, 30},  {-0.5f, 29}, {-0.6f, 28}, {-8.0f, 23},
                                                {40.4f, 69}, {40.6f, 70}, {1e30f, 70}, {-1e30f, 23}};
    for (auto [index, column] : columns) EXPECT_EQ(CompareLine("Ann", index).find('*') + 1, column) << index;
    EXPECT_EQ(CompareLine("Ann", 100.0f).substr(72), " 100.0");
}

// The scale widens to hold every index, taking two strokes a column once its 45 columns no longer
// hold one stroke each; its marks carry the sign the league's rules give a plus index.
TEST(CompareScaleTest, HoldsEveryIndexOfTheLeague) {
    const struct {
        std::vector<float> indexes;
        reports::CompareScale scale;
        const char* classicMarks;  // the heading from the first mark on
        const char* worldMarks;
    } cases[] = {
        {{},
         {-5, 40, 1},
         "-5    0    5   10   15   20   25   30   35   40",
         "+5    0    5   10   15   20   25   30   35   40"},
        {{-7.3f, 12.0f}, {-10, 40, 2}, "-10    0   10   20   30   40", "+10    0   10   20   30   40"},
        {{3.0f, 45.3f}, {-10, 50, 2}, "-10    0   10   20   30   40   50", "+10    0   10   20   30   40   50"},
        {{-7.3f, 54.0f}, {-10, 60, 2}, "-10    0   10   20", "+10    0   10   20"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.indexes));
        std::vector<reports::CompareEntry> order;
        for (float index : c.indexes) order.push_back({index, 1});
        const reports::CompareScale scale = reports::CompareScaleOf(order);
        EXPECT_EQ(scale, c.scale);
        const std::string classic = reports::CompareMarks(scale, handicap::ClassicRules());
        const std::string world = reports::CompareMarks(scale, handicap::WorldRules());
        EXPECT_EQ(classic.substr(classic.find_first_not_of(' ', 12), std::string(c.classicMarks).size()),
                  c.classicMarks);
        EXPECT_EQ(world.substr(world.find_first_not_of(' ', 12), std::string(c.worldMarks).size()), c.worldMarks);
        // Every index gets its star inside the scale, the lowest on the first mark's column.
        for (float index : c.indexes) {
            const size_t star = CompareLine("Ann", index, handicap::ClassicRules(), 1, scale).find('*') + 1;
            EXPECT_GE(star, 24u);
            EXPECT_LE(star, 24u + 45u);
        }
        // The first mark's last character stands over the star of an index on that mark.
        const size_t markEnd = classic.find(std::to_string(scale.low)) + std::to_string(scale.low).size();
        EXPECT_EQ(
            markEnd,
            CompareLine("Ann", static_cast<float>(scale.low), handicap::ClassicRules(), 1, scale).find('*') + 1 + 5);
    }
}

TEST(ComparePrintTest, PagesOfFiftyUnderTheHeading) {
    print::RecordingPrinter printer;
    printer.setFontNames({"Arial", "Courier New", "Lucida Console"});
    printer.setOrientation(platform::Orientation::Landscape);
    auto data = std::make_unique<store::LeagueData>();
    data->settings.printFont = "Lucida Console";
    // clang-format off
    std::vector<std::string> lines, first{"", "", blanks(14) + "Quorval" + blanks(10) + "12-06-2026", "", "",
        blanks(38) + "Hcp Index", " ", "      Player               -5    0    5   10   15   20   25   30   35   40",
        "", "", blanks(5) + std::string(79, '_'), ""};
    // clang-format on
    std::vector<std::string> second = first;
    second.insert(second.begin(), " ");
    for (int i = 0; i < 60; ++i) lines.push_back("Player " + std::to_string(i));
    for (int i = 0; i < 60; ++i) (i < 50 ? first : second).push_back(blanks(5) + lines[i]);
    reports::PrintCompareChart(printer, *data, lines, "12-06-2026");
    const print::Document& doc = printer.documents().back();
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.pages[0].orientation, platform::Orientation::Portrait);
    EXPECT_EQ(doc.pages[0].lines(), first);
    EXPECT_EQ(doc.pages[1].lines(), second);
    EXPECT_EQ(doc.pages[0].texts[2].font, (print::FontState{"Lucida Console", 18, true}));
    EXPECT_EQ(doc.pages[1].texts.back().font, (print::FontState{"Lucida Console", 10, true}));
}

}  // namespace
