#include "ui/reports/comparewindow.hpp"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QListWidget>

#include "leaguebuilder.hpp"
#include "reports/comparechart.hpp"
#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using CompareWindowTest = WindowTest;

// The chart's lines under a scale of the same fixed pitch, printed once the user says yes.
TEST_F(CompareWindowTest, ListsAndPrintsTheChart) {
    LeagueBuilder(*s.data).course("Pine Hills").player("Ann").round("5/4/26", 40, 41, 12.4f).player("Cy");
    auto* w = open<CompareWindow>();
    auto* list = child<QListWidget>(w, "List1");
    ASSERT_EQ(list->count(), 1);  // Cy has no index to chart
    EXPECT_EQ(list->item(0)->text().toStdString(), reports::CompareLines(*s.data).at(0));
    for (const char* name : {"List1", "Label10", "Label11"})
        EXPECT_TRUE(QFontInfo(child<QWidget>(w, name)->font()).fixedPitch()) << name;
    printAfterAsking(w, "Command3d1");
    const std::vector<std::string> printed = s.printer.documents().at(0).pages[0].lines();
    EXPECT_EQ(printed.back(), "     " + list->item(0)->text().toStdString());
    click(w, "donebutton");
    EXPECT_EQ(visibleWindow("compareform"), nullptr);
}

}  // namespace
}  // namespace quorval::gui
