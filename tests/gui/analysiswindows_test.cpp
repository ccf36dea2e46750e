#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "analysis/scoring.hpp"
#include "fakeseams.hpp"
#include "platform/qtcanvas.hpp"
#include "platform/qtprinter.hpp"
#include "ui/analysis/analysischooserwindow.hpp"
#include "ui/analysis/hcpgraphwindow.hpp"
#include "ui/analysis/piechartwindow.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Ink of a console colour, allowing for antialiased edges.
bool looksLike(const QColor& c, int consoleNumber) {
    const QColor want = consoleColour(consoleNumber);
    return std::abs(c.red() - want.red()) < 90 && std::abs(c.green() - want.green()) < 90 &&
           std::abs(c.blue() - want.blue()) < 90;
}

bool isWhite(const QColor& c) {
    return c.red() > 245 && c.green() > 245 && c.blue() > 245;
}

// Whether a pixel of that colour lies within a pixel of the point, given in twips.
bool inkAt(const QtCanvas& canvas, double x, double y, int consoleNumber) {
    const QPoint p = canvas.pixelAt(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (looksLike(canvas.image().pixelColor(p + QPoint(dx, dy)), consoleNumber)) return true;
    return false;
}

bool blankAt(const QtCanvas& canvas, double x, double y) {
    const QPoint p = canvas.pixelAt(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!isWhite(canvas.image().pixelColor(p + QPoint(dx, dy)))) return false;
    return true;
}

// Pixels that are not white inside a box given in twips.
int inkIn(const QtCanvas& canvas, double x1, double y1, double x2, double y2) {
    const QRect box = QRect(canvas.pixelAt(x1, y1), canvas.pixelAt(x2, y2)) & canvas.image().rect();
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) count += isWhite(canvas.image().pixelColor(x, y)) ? 0 : 1;
    return count;
}

class AnalysisWindowsTest : public ::testing::Test {
protected:
    AnalysisWindowsTest() {
        store::LeagueData& data = *s.data;
        data.leagueFileName = "Fall.LGE";
        const char* names[] = {"Ann", "", "Cy", "Di"};
        data.playerCount = 4;
        for (int p = 1; p <= 4; ++p) data.players[p].name = names[p - 1];
        data.courseCount = 1;
        for (int h = 1; h <= 18; ++h) data.courses[1][store::course_field::kHolePar0 + h] = "4";
    }

    ~AnalysisWindowsTest() override { closeWindowsExcept(&opener); }

    // A round of player p with its differential and index, and hole scores on course 1.
    void addRound(int p, float differential, float index, std::vector<int> scores = {}) {
        store::PlayerRecord& player = s.data->players[p];
        store::RoundRecord& round = player.rounds[++player.roundCount];
        round.differential = differential;
        round.handicapIndex = index;
        round.course = 1;
        for (size_t h = 0; h < scores.size(); ++h) round.score[h + 1] = static_cast<int16_t>(scores[h]);
    }

    template <typename W>
    W* open(int player) {
        s.data->currentPlayer = static_cast<int16_t>(player);
        auto* w = new W(s.services, &opener);
        openChild(&opener, w);
        return w;
    }

    template <typename T>
    static T* child(QWidget* w, const char* name) {
        T* c = w ? w->findChild<T*>(name) : nullptr;
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    static QString text(QWidget* w, const char* label) { return child<QLabel>(w, label)->text(); }
    static const QtCanvas& canvasOf(QWidget* w, const char* name) { return child<CanvasView>(w, name)->canvas(); }
    static void click(QWidget* w, const char* button) {
        QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    const platform::Message kReady{"Ready to send chart to Printer", "Quorval", platform::Buttons::OkCancel};

    TestServices s;
    QWidget opener;
};

// ---- the chooser

TEST_F(AnalysisWindowsTest, ChooserListsTheNamedPlayersUnderTheLeagueName) {
    s.data->currentPlayer = 3;
    auto* w = new AnalysisChooserWindow(s.services, &opener, AnalysisView::ScoringPie);
    openChild(&opener, w);
    EXPECT_EQ(w->objectName(), "ANchooseplayer");
    EXPECT_EQ(s.data->currentPlayer, 0);
    EXPECT_EQ(text(w, "Label1"), "Fall Player List");
    auto* list = child<QListWidget>(w, "List1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), "Cy");
    EXPECT_FALSE(opener.isEnabled());

    click(w, "acceptbutton");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_EQ(visibleWindow("ANchooseplayer"), w);

    list->setCurrentRow(0);
    QTest::mouseClick(child<QLabel>(w, "Playerlabel"), Qt::LeftButton);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    click(w, "acceptbutton");
    EXPECT_EQ(s.dialogs.beeps(), 2);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);

    QTest::mouseClick(child<QLabel>(w, "Label2"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(visibleWindow("ANchooseplayer"), nullptr);
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(s.data->currentPlayer, 0);
}

struct ModeCase {
    AnalysisView mode;
    const char* view;    // the window the chooser opens itself, or none
    bool routed = true;  // a receiver opens the statistics view
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << static_cast<int>(c.mode) << (c.routed ? "" : " unrouted");
}

class ChooserModeTest : public AnalysisWindowsTest, public ::testing::WithParamInterface<ModeCase> {};

// Every pick is announced; the graph and the chart open by themselves, the statistics views when
// a receiver opens them. The main window stays disabled while a view is open, and comes back
// when nobody opens one.
TEST_P(ChooserModeTest, APickOpensTheViewOfTheMode) {
    const ModeCase mode = GetParam();
    auto* w = new AnalysisChooserWindow(s.services, &opener, mode.mode);
    openChild(&opener, w);
    std::vector<std::pair<AnalysisView, int>> chosen;
    QObject::connect(w, &AnalysisChooserWindow::playerChosen, [&](AnalysisView m, int player) {
        chosen.emplace_back(m, player);
        if (!mode.view && mode.routed) w->handOverTo(new ChildWindow(s.services, &opener, "standin", "Quorval"));
    });
    auto* list = child<QListWidget>(w, "List1");
    list->setCurrentRow(1);  // Cy, player 3: the nameless player 2 is not listed
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(chosen, (std::vector<std::pair<AnalysisView, int>>{{mode.mode, 3}}));
    EXPECT_EQ(s.data->currentPlayer, 3);
    EXPECT_EQ(visibleWindow("ANchooseplayer"), nullptr);
    EXPECT_EQ(opener.isEnabled(), !mode.routed);
    if (!mode.routed) return;
    QWidget* view = visibleWindow(mode.view ? mode.view : "standin");
    ASSERT_NE(view, nullptr);
    view->close();
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(s.dialogs.busyDepth(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, ChooserModeTest,
                         ::testing::Values(ModeCase{AnalysisView::HcpGraph, "GRform"},
                                           ModeCase{AnalysisView::ScoringPie, "Piechart"},
                                           ModeCase{AnalysisView::Stats, nullptr},
                                           ModeCase{AnalysisView::FullStat, nullptr},
                                           ModeCase{AnalysisView::Stats, nullptr, false}));

// ---- the scoring chart

TEST_F(AnalysisWindowsTest, PieOfParsAndBogiesWithTheFirstSliceAtTheTop) {
    addRound(1, 0, 0, {4, 4, 4, 5, 0, 4, 4, 5});  // 5 pars, 2 bogies
    auto* w = open<PiechartWindow>(1);
    EXPECT_EQ(w->objectName(), "Piechart");
    EXPECT_EQ(w->windowTitle(), "Quorval");
    EXPECT_EQ(text(w, "Namelabel"), "Ann");
    EXPECT_EQ(text(w, "aveparlabel"), "avg. par per hole = 4.0");
    EXPECT_EQ(text(w, "aveholelabel"), "avg. score per hole = 4.3");
    EXPECT_EQ(text(w, "totalholeslabel"), "# of scores recorded = 7");

    const QtCanvas& p = canvasOf(w, "P");
    const double width = p.scaleWidth();
    const double height = p.scaleHeight();
    const double cx = width / 4.5;
    const double cy = height / 2;
    const double r = width / 5;
    EXPECT_TRUE(inkAt(p, cx, cy - r * 0.6, 9));  // pars, light blue, straddle the top
    EXPECT_TRUE(inkAt(p, cx - r * 0.6, cy - r * 0.2, 9));
    EXPECT_TRUE(inkAt(p, cx + r * 0.6, cy + r * 0.2, 9));  // past three o'clock
    EXPECT_TRUE(inkAt(p, cx, cy + r * 0.6, 10));           // bogies, light green, at the bottom
    EXPECT_TRUE(blankAt(p, cx, cy - r * 1.1));
    EXPECT_TRUE(inkAt(p, cx, cy - r, 0));  // the outline

    // Two legend lines centred on the middle, a box of the slice's colour before each.
    const double th = std::round(p.textHeight("Pars 71.4", analysis::kLegendPoints));
    const double top = cy - th * 1.5;
    EXPECT_TRUE(inkAt(p, width / 2 + width / 32, top + th / 2, 9));
    EXPECT_TRUE(inkAt(p, width / 2 + width / 32, top + th * 2, 10));
    EXPECT_GT(inkIn(p, width / 2 + width / 14, top, width * 0.9, top + th), 0);
    EXPECT_EQ(inkIn(p, width / 2, top + th * 3.2, width, height), 0);  // no third line
}

// Without scores the chart is empty; without rounds the graph is the bare frame.
TEST_F(AnalysisWindowsTest, APlayerWithoutDataGetsEmptyViews) {
    addRound(1, 10, 10);
    auto* chart = open<PiechartWindow>(1);
    const QtCanvas& p = canvasOf(chart, "P");
    EXPECT_EQ(inkIn(p, 0, 0, p.scaleWidth(), p.scaleHeight()), 0);
    EXPECT_EQ(text(chart, "aveparlabel"), "Avg. Par per hole =");
    EXPECT_EQ(text(chart, "aveholelabel"), "Avg. Score per hole =");
    EXPECT_EQ(text(chart, "totalholeslabel"), "# of scores recorded = 0");

    auto* graph = open<HcpGraphWindow>(4);
    EXPECT_EQ(text(graph, "Lab23"), "0 rounds played");
    const QImage& image = canvasOf(graph, "Picture1").image();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) red += looksLike(image.pixelColor(x, y), 12) ? 1 : 0;
    EXPECT_EQ(red, 0);
    EXPECT_TRUE(inkAt(canvasOf(graph, "Picture1"), 660, 2000, 0));
}

// A printed chart page's lines without the chart's own labels (drawn in the chart font).
std::vector<std::string> captionLines(const print::Page& page) {
    print::Page captions;
    for (const print::PrintedText& t : page.texts)
        if (t.font.name != "Arial") captions.texts.push_back(t);
    return captions.lines();
}

TEST_F(AnalysisWindowsTest, ChartPrintsItsSectorsAndCaptionsWhenTheUserIsReady) {
    addRound(1, 0, 0, {4, 4, 4, 5});
    auto* w = open<PiechartWindow>(1);
    s.dialogs.answer(platform::Answer::Cancel);
    click(w, "printbutton");
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kReady});
    EXPECT_TRUE(s.printer.documents().empty());

    s.dialogs.answer(platform::Answer::Ok);
    click(w, "printbutton");
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kReady});
    ASSERT_EQ(s.printer.documents().size(), 1u);
    const print::Page& page = s.printer.documents()[0].pages[0];
    // Drawn on the page as it is on the screen: the pie's sectors, no picture.
    EXPECT_EQ(std::count_if(page.drawings.begin(), page.drawings.end(),
                            [](const auto& op) { return std::holds_alternative<print::PieOp>(op); }),
              2);
    EXPECT_TRUE(std::none_of(page.drawings.begin(), page.drawings.end(),
                             [](const auto& op) { return std::holds_alternative<print::PictureOp>(op); }));
    const std::string pad(15, ' ');
    std::vector<std::string> lines = captionLines(page);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[2], "Ann" + pad);
    EXPECT_EQ(lines[4], "avg. par per hole = 4.0" + pad);
    EXPECT_EQ(lines[8], "# of scores recorded = 4" + pad);
    EXPECT_EQ(lines[9], "12-06-2026");
    EXPECT_EQ(s.dialogs.busyDepth(), 0);
}

// ---- the handicap graph

TEST_F(AnalysisWindowsTest, OneRoundShowsADotOfEachColourAtTheFirstSlot) {
    addRound(1, 22, 12);
    auto* w = open<HcpGraphWindow>(1);
    EXPECT_EQ(w->objectName(), "GRform");
    EXPECT_EQ(text(w, "Lab3"), "Ann");
    EXPECT_EQ(text(w, "Lab23"), "1 rounds played");
    EXPECT_EQ(text(w, "Lab24"), "Current Hcp. Index = 12");
    EXPECT_EQ(text(w, "Lab21"), "Handicap Index");
    EXPECT_EQ(text(w, "Lab22"), "Handicap Differential");
    EXPECT_EQ(child<QWidget>(w, "Line11")->palette().color(QPalette::Window), consoleColour(0));
    EXPECT_EQ(child<QWidget>(w, "Line12")->palette().color(QPalette::Window), consoleColour(12));

    const QtCanvas& g = canvasOf(w, "Picture1");
    EXPECT_TRUE(inkAt(g, 1080, 3000 - 70 * 22, 12));
    EXPECT_TRUE(inkAt(g, 1080, 3000 - 70 * 12, 0));
    EXPECT_TRUE(blankAt(g, 1080 + 190, 3000 - 70 * 22));
    EXPECT_TRUE(blankAt(g, 1080 + 190, 3000 - 70 * 12));
    EXPECT_TRUE(blankAt(g, 1080 - 60, 3000 - 70 * 22));
}

TEST_F(AnalysisWindowsTest, GraphJoinsTheRoundsAndDrawsItsFrame) {
    addRound(1, 20, 22.5f);
    addRound(1, 10, 15);
    addRound(1, -3, -2);  // better than scratch: under the 0 line
    auto* w = open<HcpGraphWindow>(1);
    const QtCanvas& g = canvasOf(w, "Picture1");
    EXPECT_TRUE(inkAt(g, 1080 + 190, 3000 - 70 * 15, 12));  // halfway from 20 to 10
    EXPECT_TRUE(inkAt(g, 1460 + 190, 3000 - 70 * 3.5, 12));
    EXPECT_TRUE(inkAt(g, 1080 + 190, 3000 - 70 * 18.75, 0));
    EXPECT_TRUE(inkAt(g, 1840, 3000 + 70 * 2, 0));
    EXPECT_TRUE(blankAt(g, 1840 + 190, 3000 + 70 * 2.5));  // nothing after the last round

    // Solid axes, a dotted grid line at each fifth index point.
    EXPECT_TRUE(inkAt(g, 660, 2000, 0));
    EXPECT_TRUE(inkAt(g, 5000, 3720, 0));
    const int y = g.pixelAt(0, 3000 - 70 * 40).y();
    int dark = 0;
    const int from = g.pixelAt(3000, 0).x();
    const int to = g.pixelAt(8000, 0).x();
    for (int x = from; x < to; ++x) dark += g.image().pixelColor(x, y).lightness() < 200 ? 1 : 0;
    EXPECT_GT(dark, (to - from) / 5);
    EXPECT_LT(dark, (to - from) * 4 / 5);

    // The labels: "40" beside the top grid line, "20" under the last slot, the vertical title.
    EXPECT_GT(inkIn(g, 340, 110, 640, 290), 0);
    EXPECT_GT(inkIn(g, 8200, 3800, 8400, 3990), 0);
    EXPECT_GT(inkIn(g, 0.013 * g.scaleWidth(), 0.2 * g.scaleHeight() + 200, 0.013 * g.scaleWidth() + 150,
                    0.2 * g.scaleHeight() + 1800),
              0);
    EXPECT_EQ(text(w, "Lab24"), "Current Hcp. Index = -2");
}

TEST_F(AnalysisWindowsTest, GraphPrintsItsLinesAndCaptions) {
    addRound(1, 20, 10);
    auto* w = open<HcpGraphWindow>(1);
    s.dialogs.answer(platform::Answer::Ok);
    click(w, "printbutton");
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kReady});
    ASSERT_EQ(s.printer.documents().size(), 1u);
    const print::Page& page = s.printer.documents()[0].pages[0];
    EXPECT_TRUE(std::none_of(page.drawings.begin(), page.drawings.end(),
                             [](const auto& op) { return std::holds_alternative<print::PictureOp>(op); }));
    // The captions are the window's own.
    const std::vector<std::string> lines = captionLines(page);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[3], "Ann" + std::string(15, ' '));
    EXPECT_EQ(QString::fromStdString(lines[5]).trimmed(), text(w, "Lab24"));
    EXPECT_EQ(QString::fromStdString(lines[7]).trimmed(), text(w, "Lab23"));
}

// ---- between the two views, and closing

TEST_F(AnalysisWindowsTest, TheViewsSwitchForTheSamePlayer) {
    addRound(3, 12, 11, {4, 5});
    auto* chart = open<PiechartWindow>(3);
    click(chart, "Command3D1");
    QWidget* graph = visibleWindow("GRform");
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(visibleWindow("Piechart"), nullptr);
    EXPECT_EQ(text(graph, "Lab3"), "Cy");
    EXPECT_EQ(child<QPushButton>(graph, "Command3d1")->toolTip(), "Show Scoring Chart");
    EXPECT_FALSE(opener.isEnabled());

    click(graph, "Command3d1");
    QWidget* back = visibleWindow("Piechart");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(text(back, "Namelabel"), "Cy");
    EXPECT_EQ(s.data->currentPlayer, 3);
    EXPECT_FALSE(opener.isEnabled());
    EXPECT_EQ(s.dialogs.busyDepth(), 0);
}

struct CloseCase {
    bool graph;
    int how;  // 0 its button, 1 the title bar, 2 Escape
};

void PrintTo(const CloseCase& c, std::ostream* os) {
    *os << (c.graph ? "graph" : "chart") << " closed "
        << (c.how == 0   ? "by button"
            : c.how == 1 ? "by title bar"
                         : "by Escape");
}

class ViewClosingTest : public AnalysisWindowsTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(ViewClosingTest, ClosingLetsGoOfThePlayerAndEnablesTheMainWindow) {
    addRound(1, 10, 10, {4});
    QPointer<ChildWindow> w = GetParam().graph ? static_cast<ChildWindow*>(open<HcpGraphWindow>(1))
                                               : static_cast<ChildWindow*>(open<PiechartWindow>(1));
    auto* button = child<QPushButton>(w, GetParam().graph ? "donebutton" : "closebutton");
    EXPECT_EQ(button->toolTip(), "Close chart window");
    switch (GetParam().how) {
        case 0:
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        case 1:
            w->close();
            break;
        default:
            QTest::keyClick(w, Qt::Key_Escape);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(opener.isEnabled());
    EXPECT_EQ(s.data->currentPlayer, 0);
}

INSTANTIATE_TEST_SUITE_P(Views, ViewClosingTest,
                         ::testing::Values(CloseCase{false, 0}, CloseCase{false, 1}, CloseCase{false, 2},
                                           CloseCase{true, 0}, CloseCase{true, 1}, CloseCase{true, 2}));

}  // namespace
}  // namespace quorval::gui
