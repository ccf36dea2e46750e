#include "analysis/hcpgraph.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "print/recordingprinter.hpp"

using namespace quorval;
using analysis::GraphPoint;

namespace {

// 380 twips a slot, 70 an index point up from the 0 line at 3000; index labels end together at 520.
TEST(HcpAxisTest, IndexLabelsSitOnTheirGridLinesAndSlotLabelsUnderTheirPoints) {
    EXPECT_EQ(analysis::HcpGraphPoint(1, 0), (GraphPoint{1080, 3000}));
    EXPECT_EQ(analysis::HcpGraphPoint(20, -1.5f), (GraphPoint{8300, 3105}));
    std::vector<analysis::AxisLabel> labels = analysis::HcpAxisLabels();
    ASSERT_EQ(labels.size(), 10u + 20u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(labels[i].text, std::to_string(-5 + 5 * i));
        EXPECT_EQ(labels[i].y + 90, analysis::HcpGraphPoint(1, static_cast<float>(-5 + 5 * i)).y) << i;
        const bool minus = labels[i].text[0] == '-';  // 50 twips wide, a digit 90
        EXPECT_EQ(labels[i].x + 90.0 * double(labels[i].text.size() - minus) + 50 * minus, 660 - 140) << i;
    }
    EXPECT_EQ(labels[10], (analysis::AxisLabel{8200, 3800, "20"}));
}

TEST(HcpAxisTest, ScaleGrowsToHoldEveryValue) {
    store::PlayerRecord who;
    who.roundCount = 2;
    who.rounds[1].handicapIndex = 42.7f;
    who.rounds[2].differential = -10;
    const analysis::GraphScale scale = analysis::HcpGraphScale(who);
    EXPECT_EQ(scale, (analysis::GraphScale{-10, 45}));
    EXPECT_EQ(analysis::HcpAxisLabels(scale)[11].text, "45");
    EXPECT_EQ(analysis::HcpGraphPoint(1, 45, scale).y, analysis::HcpGraphPoint(1, 40).y);
}

TEST(HcpPrintTest, GraphLegendAndCaptions) {
    print::RecordingPrinter printer;
    auto data = std::make_unique<store::LeagueData>();
    data->playerCount = data->players[1].roundCount = 1;
    data->players[1].name = "Ann";
    data->players[1].rounds[1].handicapIndex = 10;
    data->players[1].rounds[1].differential = 12;
    analysis::PrintHcpGraph(printer, *data, 1, "12-06-2026");
    const print::Page& page = printer.documents().at(0).pages.at(0);
    const double w = printer.documents()[0].pageWidth, h = printer.documents()[0].pageHeight;
    std::vector<print::LineOp> legend;
    for (const print::DrawOp& op : page.drawings) {
        const auto& line = std::get<print::LineOp>(op);
        if (line.width == 8) legend.push_back(line);
        EXPECT_TRUE(line.width == 8 || (line.y1 >= h / 10 && line.y2 <= h / 10 + h / 2.5)) << line.y1;
    }
    std::string captions;
    for (const print::PrintedText& t : page.texts)
        if (t.font.name != "Arial") captions += t.text + "|";
    const std::string pad(15, ' ');
    EXPECT_EQ(captions.substr(captions.find('|') + 1), " Hcp Index| Hcp Differential| |Ann" + pad +
                                                           "| |Current Hcp. Index = 10.0" + pad + "| |1 rounds played" +
                                                           pad + "|12-06-2026|");
    ASSERT_EQ(legend.size(), 2u);
    EXPECT_EQ((std::vector<int>{legend[0].colour, legend[1].colour}), (std::vector<int>{0, 12}));
    EXPECT_NEAR(legend[1].x1 - legend[0].x1, 0.35 * w, 1e-6);
}

}  // namespace
