#include "reports/hcpcards.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "print/recordingprinter.hpp"

using namespace quorval;
using namespace quorval::reports;

namespace {

// The recording printer's page is 7.5 by 10 inches: W = 4500 and H = 6000 printer pixels.
constexpr double kTwipsPerPixel = print::kTwipsPerInch / print::kPixelsPerInch;

struct Round {
    int course, out, in;
};

class HcpCardsTest : public ::testing::Test {
protected:
    HcpCardsTest() {
        const char* initials[] = {"", "PH", "", "X", "ABCDE"};
        for (int c = 1; c <= 4; ++c) data.courses[c][store::course_field::kInitials] = initials[c];
        data.courseCount = 4;
        printer.setFontNames({"Arial", "Courier New"});
    }

    void addPlayer(const std::string& name, const std::vector<Round>& rounds) {
        store::PlayerRecord& p = data.players[++data.playerCount];
        p.name = name;
        p.roundCount = static_cast<int16_t>(rounds.size());
        for (size_t i = 0; i < rounds.size(); ++i) {
            p.rounds[i + 1].course = static_cast<int16_t>(rounds[i].course);
            p.rounds[i + 1].score[store::kOutSlot] = static_cast<int16_t>(rounds[i].out);
            p.rounds[i + 1].score[store::kInSlot] = static_cast<int16_t>(rounds[i].in);
        }
    }

    int print(int n, std::vector<int> marked = {}) {
        for (int i = 1; i <= n; ++i) addPlayer("P" + std::to_string(i), {{1, 45, 45}});
        if (marked.empty())
            for (int p = 1; p <= n; ++p) marked.push_back(p);
        for (int p : marked) data.players[p].selected = 1;
        return PrintHandicapCards(printer, data, {"12-06-2026", {2, 1, {0xFF00FF00u, 0xFFFF0000u}}});
    }

    // The card texts of a page, without the blank lines that select the font.
    static std::vector<print::PrintedText> texts(const print::Page& page) {
        std::vector<print::PrintedText> out;
        for (const auto& t : page.texts)
            if (t.text != " ") out.push_back(t);
        return out;
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    print::RecordingPrinter printer;
};

TEST_F(HcpCardsTest, ScoreLinesReadDownTheColumnsWithInitialsAndTotalsPadded) {
    addPlayer("Six", {{1, 45, 50}, {2, 50, 52}, {3, 40, 41}, {4, 50, 50}, {1, 44, 44}, {0, 48, 49}});
    EXPECT_EQ(CardScoreLines(data, 1),
              (std::array<std::string, 4>{"  PH95    PH88  ", " -  102  -  97  ", "   X81  ", "ABCDE100 "}));
    std::vector<Round> twenty;
    for (int slot = 1; slot <= 20; ++slot) twenty.push_back({1, 30, 30 + slot});
    addPlayer("Twenty", twenty);
    EXPECT_EQ(CardScoreLines(data, 2)[0], "  PH61    PH65    PH69    PH73    PH77  ");
    EXPECT_EQ(CardScoreLines(data, 2)[3], "  PH64    PH68    PH72    PH76    PH80  ");
    addPlayer("None", {});
    EXPECT_EQ(CardScoreLines(data, 3), (std::array<std::string, 4>{}));
}

TEST_F(HcpCardsTest, ACardHoldsItsLinesInTheirFontsAndPlaces) {
    addPlayer("Ann Smith", {{4, 50, 52}, {1, 45, 44}});
    data.players[1].rounds[2].handicapIndex = 12.7f;
    data.players[1].rounds[2].courseHandicap = 14;
    data.players[1].selected = 1;
    printer.setBold(true);  // as the listing leaves it
    ASSERT_EQ(PrintHandicapCards(printer, data, {"12-06-2026", {2, 1, {0xFF00FF00u, 0xFFFF0000u}}}), 1);
    const print::Page& page = printer.documents().at(0).pages.at(0);
    const struct {
        std::string text;
        float size;
        double y;  // printer pixels
    } expected[] = {
        {"Ann Smith", 12, 330}, {"  Hcp Index: 12.7", 10, 510}, {"PH CHCP: 14", 10, 660},
        {"ABCDE102 ", 9, 852},  {"  PH89  ", 9, 912},           {"", 9, 972},
        {"", 9, 1032},          {"12-06-2026", 9, 1140},
    };
    auto printed = texts(page);
    ASSERT_EQ(printed.size(), std::size(expected));
    for (size_t i = 0; i < printed.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(printed[i].text, expected[i].text);
        EXPECT_EQ(printed[i].font, (print::FontState{"Courier New", expected[i].size, false}));
        EXPECT_NEAR(printed[i].x / kTwipsPerPixel, 495, 0.01);
        EXPECT_NEAR(printed[i].y / kTwipsPerPixel, expected[i].y, 0.01);
    }
    ASSERT_EQ(page.drawings.size(), 1u);
    const auto& picture = std::get<print::PictureOp>(page.drawings[0]);
    EXPECT_EQ(picture.picture.argb, (std::vector<uint32_t>{0xFF00FF00u, 0xFFFF0000u}));
    EXPECT_NEAR(picture.x / kTwipsPerPixel, 1755, 0.01);
    EXPECT_NEAR(picture.y / kTwipsPerPixel, 360, 0.01);
    EXPECT_NEAR(picture.width / kTwipsPerPixel, 315, 0.01);
    EXPECT_NEAR(picture.height / kTwipsPerPixel, 462, 0.01);
}

// With a vertical scaling of 1.02 every vertical place, on the card and between the rows, lies 2
// percent further down. A full last page is not followed by an empty one, even when stretched.
TEST_F(HcpCardsTest, TenCardsToAPageEachInItsCell) {
    data.settings.cardVerticalScaling = 1.02f;
    data.settings.cardHorizontalOffset = -10;
    EXPECT_EQ(print(12), 12);
    const std::vector<print::Page>& pages = printer.documents().back().pages;
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(texts(pages[1]).size(), 16u);
    const double rowTop[] = {0, 1187.28, 2374.56, 3561.84, 4736.88};
    for (int k = 1; k <= 12; ++k) {
        SCOPED_TRACE(k);
        const int cell = (k - 1) % 10;
        const double row = rowTop[cell / 2], left = cell % 2 == 0 ? 0 : 1890;
        const print::PrintedText name = texts(pages[k > 10]).at(8 * cell);
        EXPECT_EQ(name.text, "P" + std::to_string(k));
        EXPECT_NEAR(name.x / kTwipsPerPixel, 485 + left, 0.01);
        EXPECT_NEAR(name.y / kTwipsPerPixel, 336.6 + row, 0.01);
        const auto& picture = std::get<print::PictureOp>(pages[k > 10].drawings.at(cell));
        EXPECT_NEAR(picture.x / kTwipsPerPixel, 1745 + left, 0.01);
        EXPECT_NEAR(picture.y / kTwipsPerPixel, 367.2 + row, 0.01);
        EXPECT_NEAR(picture.height / kTwipsPerPixel, 471.24, 0.01);
    }
    for (auto [players, offset, scaling] :
         {std::tuple{10, 0.0f, 1.0f}, {10, 100.0f, 1.0f}, {10, 0.0f, 1.04f}, {3, 0.0f, 1.0f}}) {
        data.playerCount = 0;
        data.settings.cardVerticalOffset = offset;
        data.settings.cardVerticalScaling = scaling;
        EXPECT_EQ(print(players), players);
        ASSERT_EQ(printer.documents().back().pages.size(), 1u) << players << " " << offset << " " << scaling;
        EXPECT_EQ(texts(printer.documents().back().pages[0]).size(), 8u * players);
    }
}

TEST_F(HcpCardsTest, MarkedPlayersPrintInPlayerOrderAndTheirMarksAreCleared) {
    EXPECT_EQ(print(8, {7, 2, 5}), 3);
    auto printed = texts(printer.documents().at(0).pages.at(0));
    ASSERT_EQ(printed.size(), 24u);
    EXPECT_EQ(printed[0].text, "P2");
    EXPECT_EQ(printed[8].text, "P5");
    EXPECT_EQ(printed[16].text, "P7");
    for (int p = 1; p <= 8; ++p) EXPECT_EQ(data.players[p].selected, 0) << p;
    EXPECT_EQ(findnextplayer(data), 0);
}

}  // namespace
