#include <gtest/gtest.h>

#include <QListWidget>

#include "analysis/scoring.hpp"
#include "leaguebuilder.hpp"
#include "platform/qtcanvas.hpp"
#include "platform/qtprinter.hpp"
#include "ui/analysis/analysischooserwindow.hpp"
#include "ui/analysis/hcpgraphwindow.hpp"
#include "ui/analysis/piechartwindow.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Pixels of a console colour (-1: any ink) in a box given in twips, or within a pixel of a point.
int ink(const QtCanvas& canvas, int colour, double x1, double y1, double x2 = -1, double y2 = -1) {
    const QColor want = consoleColour(colour);  // -1 is white
    const QPoint p = canvas.pixelAt(x1, y1);
    const QRect box =
        (x2 < 0 ? QRect(p - QPoint(1, 1), QSize(3, 3)) : QRect(p, canvas.pixelAt(x2, y2))) & canvas.image().rect();
    int count = 0;
    for (int i = 0; i < box.width() * box.height(); ++i) {
        const QColor c = canvas.image().pixelColor(box.left() + i % box.width(), box.top() + i / box.width());
        const int off = std::max(
            {std::abs(c.red() - want.red()), std::abs(c.green() - want.green()), std::abs(c.blue() - want.blue())});
        count += colour < 0 ? off >= 10 : off < 90;
    }
    return count;
}

// Ann, a nameless player 2, Cy and Di; every hole of the course is a par 4.
class AnalysisWindowsTest : public WindowTest {
protected:
    AnalysisWindowsTest() {
        LeagueBuilder(*s.data, "Fall").course("Pine Hills").player("Ann").player("").player("Cy").player("Di");
        for (int h = 3; h <= 18; h += 3) s.data->courses[1][store::course_field::kHolePar0 + h] = "4";
    }
    void addRound(int p, float differential, float index, std::vector<int> scores = {}) {
        store::RoundRecord& round = s.data->players[p].rounds[++s.data->players[p].roundCount];
        round.differential = differential;
        round.handicapIndex = index;
        round.course = 1;
        for (size_t h = 0; h < scores.size(); ++h) round.score[h + 1] = static_cast<int16_t>(scores[h]);
    }
};

// The label over the list takes the choice away; a view nobody opens gives the main window back.
TEST_F(AnalysisWindowsTest, ChooserWantsAPlayerChosen) {
    s.data->currentPlayer = 3;
    auto* w = new AnalysisChooserWindow(s.services, &opener, AnalysisView::Stats);
    openChild(&opener, w);
    EXPECT_EQ(s.data->currentPlayer, 0);
    click(w, "acceptbutton");
    auto* list = child<QListWidget>(w, "List1");
    list->setCurrentRow(0);
    QTest::mouseClick(child<QWidget>(w, "Playerlabel"), Qt::LeftButton);
    click(w, "acceptbutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);
    list->setCurrentRow(1);  // Cy, player 3
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(s.data->currentPlayer, 3);
    EXPECT_TRUE(opener.isEnabled());

    openChild(&opener, w = new AnalysisChooserWindow(s.services, &opener, AnalysisView::HcpGraph));
    QTest::mouseClick(child<QWidget>(w, "Label2"), Qt::LeftButton);
    EXPECT_TRUE(opener.isEnabled());
}

TEST_F(AnalysisWindowsTest, PieOfParsAndBogiesWithTheFirstSliceAtTheTop) {
    addRound(1, 0, 0, {4, 4, 4, 5, 0, 4, 4, 5});  // 5 pars, 2 bogies
    auto* w = open<PiechartWindow>(1);
    EXPECT_EQ(text(w, "Namelabel") + "|" + text(w, "aveparlabel") + "|" + text(w, "aveholelabel") + "|" +
                  text(w, "totalholeslabel"),
              "Ann|avg. par per hole = 4.0|avg. score per hole = 4.3|# of scores recorded = 7");
    const QtCanvas& p = child<CanvasView>(w, "P")->canvas();
    const double width = p.scaleWidth();
    const double cy = p.scaleHeight() / 2;
    EXPECT_TRUE(ink(p, 9, width / 4.5, cy - width / 5 * 0.6));   // pars, light blue, at the top
    EXPECT_TRUE(ink(p, 10, width / 4.5, cy + width / 5 * 0.6));  // bogies, light green, at the bottom
    EXPECT_TRUE(ink(p, 0, width / 4.5, cy - width / 5));         // the outline
    EXPECT_FALSE(ink(p, -1, width / 4.5, cy - width / 5 * 1.1));
    const double th = std::round(p.textHeight("Pars 71.4", analysis::kLegendPoints));
    const double top = cy - th * 1.5;
    EXPECT_TRUE(ink(p, 9, width / 2 + width / 32, top + th / 2));
    EXPECT_TRUE(ink(p, 10, width / 2 + width / 32, top + th * 2));
    EXPECT_GT(ink(p, -1, width / 2 + width / 14, top, width * 0.9, top + th), 0);
    printAfterAsking(w, "printbutton");
}

// Slot r stands at 700 + 380 r twips, an index point is 70 twips up from the 0 line at 3000.
TEST_F(AnalysisWindowsTest, GraphJoinsTheRoundsOnItsFrame) {
    addRound(3, 20, 22.5f);
    addRound(3, 10, 15);
    auto* w = open<HcpGraphWindow>(3);
    EXPECT_EQ(text(w, "Lab3") + "|" + text(w, "Lab23") + "|" + text(w, "Lab24"),
              "Cy|2 rounds played|Current Hcp. Index = 15.0");
    EXPECT_EQ(child<QWidget>(w, "Line11")->palette().color(QPalette::Window), consoleColour(0));
    EXPECT_EQ(child<QWidget>(w, "Line12")->palette().color(QPalette::Window), consoleColour(12));
    const QtCanvas& g = child<CanvasView>(w, "Picture1")->canvas();
    EXPECT_TRUE(ink(g, 12, 1080 + 190, 3000 - 70 * 15));  // differentials: halfway from 20 to 10
    EXPECT_TRUE(ink(g, 0, 1080 + 190, 3000 - 70 * 18.75));
    // Solid axes, a dotted grid line at each fifth index point.
    EXPECT_TRUE(ink(g, 0, 660, 2000));
    EXPECT_TRUE(ink(g, 0, 5000, 3720));
    const int dark = ink(g, -1, 3000, 3000 - 70 * 40, 8000, 3000 - 70 * 40);
    const int across = g.pixelAt(8000, 0).x() - g.pixelAt(3000, 0).x();
    EXPECT_TRUE(dark > across / 5 && dark < across * 4 / 5) << dark << " of " << across;
    EXPECT_GT(ink(g, -1, 340, 110, 640, 290), 0);  // "40" beside the top grid line
    const double titleX = 0.013 * g.scaleWidth();  // and the title down the side
    EXPECT_GT(ink(g, -1, titleX, 0.2 * g.scaleHeight() + 200, titleX + 150, 0.2 * g.scaleHeight() + 1800), 0);
    printAfterAsking(w, "printbutton");
}

// Closed by its own button or by Escape, a view lets go of the player; handing over keeps him.
TEST_F(AnalysisWindowsTest, TheViewsSwitchForTheSamePlayer) {
    addRound(3, 12, 11, {4, 5});
    click(open<PiechartWindow>(3), "Command3D1");
    ASSERT_NE(visibleWindow("GRform"), nullptr);
    click(visibleWindow("GRform"), "Command3d1");
    ASSERT_NE(visibleWindow("Piechart"), nullptr);
    EXPECT_EQ(text(visibleWindow("Piechart"), "Namelabel"), "Cy");
    EXPECT_EQ(s.data->currentPlayer, 3);
    EXPECT_FALSE(opener.isEnabled());

    click(visibleWindow("Piechart"), "closebutton");
    EXPECT_EQ(s.data->currentPlayer, 0);
    click(open<HcpGraphWindow>(3), "donebutton");
    EXPECT_EQ(s.data->currentPlayer, 0);
    QTest::keyClick(open<PiechartWindow>(3), Qt::Key_Escape);
    EXPECT_EQ(s.data->currentPlayer, 0);
    for (const char* view : {"Piechart", "GRform"}) EXPECT_EQ(visibleWindow(view), nullptr) << view;
    EXPECT_TRUE(opener.isEnabled());
}

}  // namespace
}  // namespace quorval::gui
