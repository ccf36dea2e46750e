#include "reports/scorecards.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>

#include "leaguebuilder.hpp"
#include "print/recordingprinter.hpp"

namespace quorval {
namespace {

using print::RecordingPrinter;
using testing::LeagueBuilder;

// Stroke indexes that differ from the hole numbers, so a mix-up shows.
constexpr int kStrokeIndex[19] = {0, 7, 15, 1, 11, 3, 17, 9, 13, 5, 8, 16, 2, 12, 4, 18, 10, 14, 6};

double centre(const print::PrintedText& t) {
    return t.x + print::CharWidth(t.font.size) * static_cast<double>(t.text.size()) / 2;
}
print::PrintedText find(const print::Page& page, const std::string& text) {
    for (const auto& t : page.texts)
        if (t.text == text) return t;
    ADD_FAILURE() << text << " is not printed";
    return {};
}
bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The dots (+1) and plus marks (-1) of a page's first card, by the hole numbered above them.
std::map<int, int> marksByHole(const print::Page& page) {
    std::map<double, int> holeAt;
    for (const auto& t : page.texts)
        if (std::fabs(t.y - find(page, "Hole").y) < 1 && std::isdigit(static_cast<unsigned char>(t.text[0])))
            holeAt[centre(t)] = std::stoi(t.text);
    auto nearest = [&](double x) {
        auto best = holeAt.begin();
        for (auto it = holeAt.begin(); it != holeAt.end(); ++it)
            if (std::fabs(it->first - x) < std::fabs(best->first - x)) best = it;
        return best->second;
    };
    std::map<int, int> marks;
    for (const auto& op : page.drawings)
        if (const auto* dot = std::get_if<print::PieOp>(&op)) {
            EXPECT_EQ(dot->endAngle - dot->startAngle, 2 * std::numbers::pi);  // a full circle
            ++marks[nearest(dot->cx)];
        }
    for (const auto& t : page.texts)
        if (t.text == "+") --marks[nearest(t.x)];
    return marks;
}

class ScorecardTest : public ::testing::Test {
protected:
    std::vector<std::string> printCard(float index, std::map<int, int>& marks) {
        data.players[1].rounds[1].handicapIndex = data.players[1].rounds[1].courseHandicap = index;
        RecordingPrinter printer;
        EXPECT_TRUE(reports::PrintScorecards(printer, data, {1, store::kWhiteTee, {6, 9, 26}, {}}));
        marks = marksByHole(printer.documents().at(0).pages.at(0));
        return printer.documents().at(0).pages.at(0).lines();
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
};

TEST_F(ScorecardTest, DotTheHardestHolesFirstAndMarkTheStrokesGivenBack) {
    LeagueBuilder(data).course("Pine Hills", "PH").player("Al").round("6/2/26", 40, 40, 0);
    for (int h = 1; h <= 18; ++h) data.strokeIndexes[1][h] = static_cast<int16_t>(kStrokeIndex[h]);
    const struct {
        int courseHandicap;
        const char* bySI;  // marks on the holes of stroke index 1..18: dots, or '-' for a stroke given back
    } cases[] = {
        {0, "000000000000000000"}, {5, "111110000000000000"}, {22, "222211111111111111"}, {-2, "0000000000000000--"}};
    std::map<int, int> marks;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.courseHandicap);
        const auto lines = printCard(static_cast<float>(c.courseHandicap), marks);
        for (int h = 1; h <= 18; ++h) {
            const char mark = c.bySI[kStrokeIndex[h] - 1];
            EXPECT_EQ(marks[h], mark == '-' ? -1 : mark - '0') << "hole " << h;
        }
        const std::string shown =
            c.courseHandicap < 0 ? "+" + std::to_string(-c.courseHandicap) : std::to_string(c.courseHandicap);
        EXPECT_TRUE(has(lines, "Index " + shown + ".0   Course handicap " + shown));
    }
    data.strokeIndexes[1] = {};
    EXPECT_TRUE(has(printCard(22, marks), "This course has no stroke indexes: the strokes are not marked."));
    EXPECT_TRUE(marks.empty());
}

TEST_F(ScorecardTest, PrintsFourCardsToAPageOnTheChosenTee) {
    LeagueBuilder league(data);
    league.course("Pine Hills", "PH").tee(store::kBlueTee, "70.1", "135");
    for (const char* name : {"Al", "Bo", "Cy", "Di", "Ed"}) league.player(name).round("6/2/26", 40, 40, 10.0f);
    RecordingPrinter printer;
    reports::ScorecardOptions options{1, store::kBlueTee, {6, 9, 26}, {}};
    ASSERT_TRUE(reports::PrintScorecards(printer, data, options));
    const auto& pages = printer.documents().at(0).pages;
    ASSERT_EQ(pages.size(), 2u);
    const auto first = pages[0].lines();
    // Index 10 on a slope of 135 gives 12.
    EXPECT_TRUE(has(first, "Index 10.0   Course handicap 12"));
    EXPECT_TRUE(has(first, "Tuesday Men  -  Pine Hills, Blue tee  -  06/09/26"));
    EXPECT_TRUE(has(first, "Di") && has(pages[1].lines(), "Ed"));
    // The total stands over the par of the round.
    EXPECT_DOUBLE_EQ(centre(find(pages[0], "Tot")), centre(find(pages[0], "66")));

    options.course = 2;
    RecordingPrinter none;
    EXPECT_FALSE(reports::PrintScorecards(none, data, options));
    EXPECT_TRUE(none.documents().empty());
}

TEST_F(ScorecardTest, CourseTeeAndPlayerAreFoundByNumberOrNameInAnyCase) {
    LeagueBuilder(data).course("Pine Hills", "PH").player("Al Brennan");
    for (const char* course : {"1", "pine HILLS", "ph"}) EXPECT_EQ(reports::FindCourse(data, course), 1) << course;
    for (const char* none : {"0", "2", "Pine"}) EXPECT_EQ(reports::FindCourse(data, none), 0) << none;
    EXPECT_EQ(reports::FindTee("White"), store::kWhiteTee);
    EXPECT_EQ(reports::FindTee("3"), store::kBlueTee);
    EXPECT_EQ(reports::FindTee("green"), 0);
    EXPECT_EQ(reports::FindPlayer(data, "al brennan"), 1);
    EXPECT_EQ(reports::FindPlayer(data, "2"), 0);
}

}  // namespace
}  // namespace quorval
