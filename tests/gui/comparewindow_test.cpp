#include "ui/reports/comparewindow.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "fakeseams.hpp"
#include "reports/comparechart.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

class CompareWindowTest : public ::testing::Test {
protected:
    CompareWindowTest() {
        store::LeagueData& data = *s.data;
        const char* names[] = {"Ann", "Bob", "Cy", "Di"};
        const float indexes[] = {12.4f, -1.3f, 0.0f, 12.4f};
        data.playerCount = 4;
        for (int p = 1; p <= 4; ++p) {
            data.players[p].name = names[p - 1];
            if (p != 3) data.players[p].rounds[++data.players[p].roundCount].handicapIndex = indexes[p - 1];
        }
    }

    ~CompareWindowTest() override { closeWindowsExcept(&opener); }

    CompareWindow* open() {
        auto* w = new CompareWindow(s.services, &opener);
        openChild(&opener, w);
        return w;
    }

    QStringList shownLines(QWidget* w) {
        QStringList out;
        auto* list = child<QListWidget>(w, "List1");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

    const platform::Message kReady{"Ready to send List to the Printer.", "Quorval", platform::Buttons::OkCancel};

    TestServices s;
    QWidget opener;
};

TEST_F(CompareWindowTest, ListsTheChartUnderItsFixedPitchScale) {
    auto* w = open();
    EXPECT_EQ(w->windowTitle(), "Quorval");
    QStringList expected;
    for (const std::string& line : reports::CompareLines(*s.data)) expected << QString::fromStdString(line);
    EXPECT_EQ(shownLines(w), expected);
    for (const char* name : {"List1", "Label10", "Label11"})
        EXPECT_TRUE(QFontInfo(child<QWidget>(w, name)->font()).fixedPitch()) << name;
    EXPECT_EQ(child<QLabel>(w, "Label10")->text(), " Player              -5    0    5   ");
    EXPECT_EQ(child<QLabel>(w, "Label11")->text(), "10   15   20   25   30   35   40");
    EXPECT_FALSE(opener.isEnabled());
}

TEST_F(CompareWindowTest, PrintsTheListOnlyWhenTheUserIsReady) {
    auto* w = open();
    auto* print = child<QPushButton>(w, "Command3d1");
    s.dialogs.answer(platform::Answer::Cancel);
    print->click();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kReady});
    EXPECT_TRUE(s.printer.documents().empty());

    s.dialogs.answer(platform::Answer::Ok);
    print->click();
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>{kReady});
    ASSERT_EQ(s.printer.documents().size(), 1u);
    std::vector<std::string> printed = s.printer.documents()[0].pages[0].lines();
    ASSERT_EQ(printed.size(), 12u + 3u);  // Cy has no rounds, so no index to chart
    EXPECT_EQ(printed[2], std::string(14, ' ') + "Quorval" + std::string(10, ' ') + "12-06-2026");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(QString::fromStdString(printed[12 + i]), "     " + shownLines(w)[i]);
}

TEST_F(CompareWindowTest, DoneClosesAndEnablesTheOpener) {
    auto* w = open();
    auto* done = child<QPushButton>(w, "donebutton");
    EXPECT_EQ(done->toolTip(), "Close handicap window");
    done->click();
    EXPECT_EQ(visibleWindow("compareform"), nullptr);
    EXPECT_TRUE(opener.isEnabled());
}

}  // namespace
}  // namespace quorval::gui
