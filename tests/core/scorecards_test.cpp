#include "reports/scorecards.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "leaguebuilder.hpp"
#include "print/recordingprinter.hpp"

namespace quorval {
namespace {

using print::RecordingPrinter;
using testing::LeagueBuilder;

print::PrintedText find(const print::Page& page, const std::string& text) {
    for (const auto& t : page.texts)
        if (t.text == text) return t;
    ADD_FAILURE() << text << " is not printed";
    return {};
}
double centre(const print::PrintedText& t) {
    return t.x + print::CharWidth(t.font.size) * static_cast<double>(t.text.size()) / 2;
}
bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class ScorecardTest : public ::testing::Test {
protected:
    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    LeagueBuilder league = LeagueBuilder(data).course("Pine Hills", "PH");
};

TEST_F(ScorecardTest, StrokesGoToTheHardestHolesFirstAndAreGivenBackOnTheEasiest) {
    // Stroke indexes that differ from the hole numbers, so a mix-up shows.
    constexpr int kStrokeIndex[19] = {0, 7, 15, 1, 11, 3, 17, 9, 13, 5, 8, 16, 2, 12, 4, 18, 10, 14, 6};
    league.player("Al").round("6/2/26", 40, 40, 0);
    for (int h = 1; h <= 18; ++h) data.strokeIndexes[1][h] = static_cast<int16_t>(kStrokeIndex[h]);
    const struct {
        int courseHandicap;
        const char* bySI;  // strokes on the holes of stroke index 1..18, '-' for one given back
    } cases[] = {{22, "222211111111111111"}, {-2, "0000000000000000--"}};  // AllocateStrokes has the rest
    for (const auto& c : cases) {
        SCOPED_TRACE(c.courseHandicap);
        data.players[1].rounds[1].handicapIndex = static_cast<float>(c.courseHandicap);
        const reports::Scorecard card = reports::MakeScorecard(data, 1, {1, store::kWhiteTee, {6, 9, 26}, {}});
        EXPECT_EQ(card.courseHandicap, c.courseHandicap);
        ASSERT_TRUE(card.strokeIndex.has_value());
        for (int h = 1; h <= 18; ++h) {
            EXPECT_EQ((*card.strokeIndex)[h], kStrokeIndex[h]) << "hole " << h;
            const char mark = c.bySI[kStrokeIndex[h] - 1];
            EXPECT_EQ(card.strokes[h], mark == '-' ? -1 : mark - '0') << "hole " << h;
        }
    }
}

TEST_F(ScorecardTest, PrintsFourCardsToAPageWithDotsForStrokesAndPlusesForThoseGivenBack) {
    league.tee(store::kBlueTee, "70.1", "135");
    for (const char* name : {"Al", "Bo", "Cy", "Di", "Ed"}) league.player(name).round("6/2/26", 40, 40, 10.0f);
    data.players[5].rounds[1].handicapIndex = -1.5f;
    for (int h = 1; h <= 18; ++h) data.strokeIndexes[1][h] = static_cast<int16_t>(h);
    RecordingPrinter printer;
    reports::ScorecardOptions options{1, store::kBlueTee, {6, 9, 26}, {}};
    ASSERT_TRUE(reports::PrintScorecards(printer, data, options));
    const auto& pages = printer.documents().at(0).pages;
    ASSERT_EQ(pages.size(), 2u);
    // Index 10 on a slope of 135 gives 12: twelve dots on each of the four cards.
    const auto first = pages[0].lines();
    EXPECT_TRUE(has(first, "Index 10.0   Course handicap 12"));
    EXPECT_TRUE(has(first, "Tuesday Men  -  Pine Hills, Blue tee  -  06/09/26"));
    EXPECT_TRUE(has(pages[1].lines(), "Index -1.5   Course handicap -2"));
    std::vector<print::PieOp> dots;
    for (const auto& op : pages[0].drawings)
        if (const auto* dot = std::get_if<print::PieOp>(&op)) dots.push_back(*dot);
    ASSERT_EQ(dots.size(), 4u * 12u);
    for (const auto& dot : dots) EXPECT_EQ(dot.endAngle - dot.startAngle, 2 * std::numbers::pi);  // a full circle
    // The first card's dots stand on holes 1 to 12, in each box's top right corner.
    EXPECT_LT(centre(find(pages[0], "12")), dots[11].cx);
    EXPECT_GT(centre(find(pages[0], "13")), dots[11].cx);
    EXPECT_EQ(std::count_if(pages[1].texts.begin(), pages[1].texts.end(), [](auto& t) { return t.text == "+"; }), 2);
    EXPECT_DOUBLE_EQ(centre(find(pages[0], "Tot")), centre(find(pages[0], "66")));
    EXPECT_TRUE(find(pages[0], "Score").font.bold && !find(pages[0], "Par").font.bold);

    options.course = 2;
    EXPECT_FALSE(reports::PrintScorecards(printer, data, options));
    EXPECT_EQ(printer.documents().size(), 1u);
    data.strokeIndexes[1] = {};
    options.course = 1;
    ASSERT_TRUE(reports::PrintScorecards(printer, data, options));
    EXPECT_TRUE(has(printer.documents().back().pages[0].lines(),
                    "This course has no stroke indexes: the strokes are not marked."));
    for (int h = 1; h <= 18; ++h) data.strokeIndexes[1][h] = static_cast<int16_t>(h);
    data.players[1].roundCount = 0;  // the note says what is missing: here the index
    data.options.rules = store::HandicapRules::WHS;
    ASSERT_TRUE(reports::PrintScorecards(printer, data, options));
    EXPECT_TRUE(has(printer.documents().back().pages[0].lines(),
                    "The player has no handicap index yet: the strokes are not marked."));
}

// The line over the grid: figures with the sign the league's rules give a plus handicap, "--"
// where the player has no index (never a handicap of 0), and the name of the handicap printed.
TEST_F(ScorecardTest, HandicapLineFollowsTheLeaguesRules) {
    league.tee(store::kWhiteTee, "70.1", "113").player("Al").round("6/2/26", 40, 40, -7.3f);
    const struct {
        store::HandicapRules rules;
        int allowance;
        int rounds;
        float index;
        const char* line;
    } cases[] = {
        {store::HandicapRules::Classic, 100, 1, -7.3f, "Index -7.3   Course handicap -7"},
        {store::HandicapRules::Classic, 100, 1, 0.6f, "Index 0.6   Course handicap 1"},
        {store::HandicapRules::Classic, 100, 1, 10.0f, "Index 10.0   Course handicap 10"},
        {store::HandicapRules::Classic, 100, 0, 0.0f, "Index --   Course handicap --"},
        {store::HandicapRules::WHS, 100, 1, -7.3f, "Index +7.3   Course handicap +3"},
        {store::HandicapRules::WHS, 95, 1, -7.3f, "Index +7.3   Playing handicap (95 %) +3"},
        {store::HandicapRules::WHS, 95, 1, 20.0f, "Index 20.0   Playing handicap (95 %) 23"},
        {store::HandicapRules::WHS, 100, 1, -0.2f, "Index +0.2   Course handicap 4"},
        {store::HandicapRules::WHS, 100, 0, 0.0f, "Index --   Course handicap --"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        data.options.rules = c.rules;
        data.options.allowance = static_cast<int16_t>(c.allowance);
        data.players[1].roundCount = static_cast<int16_t>(c.rounds);
        data.players[1].rounds[1].handicapIndex = c.index;
        RecordingPrinter printer;
        ASSERT_TRUE(reports::PrintScorecards(printer, data, {1, store::kWhiteTee, {6, 9, 26}, {}}));
        EXPECT_TRUE(has(printer.documents().at(0).pages.at(0).lines(), c.line));
    }
}

}  // namespace
}  // namespace quorval
