#include "reports/hcpcards.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "leaguebuilder.hpp"
#include "print/recordingprinter.hpp"

using namespace quorval;
using namespace quorval::reports;

namespace {

// The recording printer's page is 7.5 by 10 inches: W = 4500 and H = 6000 printer pixels.
constexpr double kTwipsPerPixel = print::kTwipsPerInch / print::kPixelsPerInch;

class HcpCardsTest : public ::testing::Test {
protected:
    HcpCardsTest() {
        league.course("", "PH").course("", "").course("", "X").course("", "ABCDE");
        printer.setFontNames({"Arial", "Courier New"});
    }

    std::vector<print::PrintedText> print(std::vector<int> marked = {}) {
        if (marked.empty())
            for (int p = 1; p <= data.playerCount; ++p) marked.push_back(p);
        for (int p : marked) data.players[p].selected = 1;
        EXPECT_EQ(PrintHandicapCards(printer, data, {"12-06-2026", {2, 1, {0xFF00FF00u, 0xFFFF0000u}}}),
                  static_cast<int>(marked.size()));
        return texts(printer.documents().back().pages.at(0));
    }

    static std::vector<print::PrintedText> texts(const print::Page& page) {
        std::vector<print::PrintedText> out;
        for (const auto& t : page.texts)
            if (t.text != " ") out.push_back(t);
        return out;
    }

    std::unique_ptr<store::LeagueData> m_data = std::make_unique<store::LeagueData>();
    store::LeagueData& data = *m_data;
    quorval::testing::LeagueBuilder league{data};
    print::RecordingPrinter printer;
};

TEST_F(HcpCardsTest, ScoreLinesReadDownTheColumnsWithInitialsAndTotalsPadded) {
    league.player("Six").round("6/2/26", 45, 50, 0, 1).round("6/2/26", 50, 52, 0, 2).round("6/2/26", 40, 41, 0, 3);
    league.round("6/2/26", 50, 50, 0, 4).round("6/2/26", 44, 44, 0, 1).round("6/2/26", 48, 49, 0, 0);
    EXPECT_EQ(CardScoreLines(data, 1),
              (std::array<std::string, 4>{"  PH95    PH88  ", " -  102  -  97  ", "   X81  ", "ABCDE100 "}));
    league.player("Twenty");
    for (int slot = 1; slot <= 20; ++slot) league.round("6/2/26", 30, 30 + slot, 0);
    EXPECT_EQ(CardScoreLines(data, 2)[3], "  PH64    PH68    PH72    PH76    PH80  ");
}

TEST_F(HcpCardsTest, ACardHoldsItsLinesInTheirFontsAndPlaces) {
    league.player("Ann Smith").round("6/2/26", 50, 52, 0, 4).round("6/2/26", 45, 44, 12.7f);
    data.players[1].rounds[2].courseHandicap = 14;
    printer.setBold(true);  // as the listing leaves it
    const auto printed = print();
    const struct {
        std::string text;
        float size;
        double y;  // printer pixels
    } expected[] = {{"Ann Smith", 12, 330},  {"  Hcp Index: 12.7", 10, 510}, {"PH CHCP: 14", 10, 660},
                    {"ABCDE102 ", 7.5, 834}, {"  PH89  ", 7.5, 909},         {"", 7.5, 984},
                    {"", 7.5, 1059},         {"12-06-2026", 9, 1140}};
    ASSERT_EQ(printed.size(), std::size(expected));
    for (size_t i = 0; i < printed.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(printed[i].text, expected[i].text);
        EXPECT_EQ(printed[i].font, (print::FontState{"Courier New", expected[i].size, false}));
        EXPECT_NEAR(printed[i].x / kTwipsPerPixel, 495, 0.01);
        EXPECT_NEAR(printed[i].y / kTwipsPerPixel, expected[i].y, 0.01);
    }
    const auto& drawings = printer.documents().back().pages[0].drawings;
    const auto& picture = std::get<print::PictureOp>(drawings.at(0));
    EXPECT_EQ(picture.picture.argb, (std::vector<uint32_t>{0xFF00FF00u, 0xFFFF0000u}));
    const double place[] = {picture.x, picture.y, picture.width, picture.height}, want[] = {1755, 360, 315, 462};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(place[i] / kTwipsPerPixel, want[i], 0.01) << i;

    // Only the marked players print, and their marks are cleared; one without rounds has no index.
    league.player("Newcomer").player("Unmarked");
    const auto newcomer = print({2});
    ASSERT_EQ(newcomer.size(), 8u);
    EXPECT_EQ(newcomer[1].text + "|" + newcomer[2].text, "  Hcp Index: --| CHCP: --");
    EXPECT_EQ(data.players[2].selected, 0);
    EXPECT_EQ(findnextplayer(data), 0);
}

TEST(CardNameTest, ShrinksThenShortens) {
    const double width = 0.27 * 4500 * kTwipsPerPixel;
    EXPECT_EQ(FitCardName("Alexandria Montgomery1", width).points, 11);
    const CardName cut = FitCardName("Bartholomew Fitzgerald-Huntington Smithers1", width);
    EXPECT_EQ(cut.text, "Bartholomew Fitzgerald-\u2026");
    EXPECT_EQ(cut.points, kCardNameFloor);
}

// Scaled by 1.02, every vertical place, on the card and between the rows, lies 2 percent lower.
TEST_F(HcpCardsTest, TenCardsToAPageEachInItsCell) {
    data.settings.cardVerticalScaling = 1.02f;
    data.settings.cardHorizontalOffset = -10;
    for (int i = 1; i <= 12; ++i) league.player("P" + std::to_string(i)).round("6/2/26", 45, 45, 0);
    print();
    const std::vector<print::Page>& pages = printer.documents().back().pages;
    ASSERT_EQ(pages.size(), 2u);
    const double rowTop[] = {0, 1187.28, 2374.56, 3561.84, 4736.88};
    for (int k = 1; k <= 12; ++k) {
        SCOPED_TRACE(k);
        const int cell = (k - 1) % 10;
        const double row = rowTop[cell / 2], left = cell % 2 == 0 ? 0 : 1890;
        const print::PrintedText name = texts(pages[k > 10]).at(8 * cell);
        EXPECT_EQ(name.text, "P" + std::to_string(k));
        EXPECT_NEAR(name.x / kTwipsPerPixel, 485 + left, 0.01);
        EXPECT_NEAR(name.y / kTwipsPerPixel, 336.6 + row, 0.01);
    }
}

}  // namespace
