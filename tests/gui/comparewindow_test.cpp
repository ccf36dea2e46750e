#include "ui/reports/comparewindow.hpp"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QListWidget>
#include <QTest>

#include "fakeseams.hpp"
#include "leaguebuilder.hpp"
#include "reports/comparechart.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// The chart's lines under a scale of the same fixed pitch, printed once the user says yes.
TEST(CompareWindowTest, ListsAndPrintsTheChart) {
    TestServices s;
    LeagueBuilder(*s.data).course("Pine Hills").player("Ann").round("5/4/26", 40, 41, 12.4f).player("Cy");
    QWidget opener;
    auto* w = new CompareWindow(s.services, &opener);
    openChild(&opener, w);
    auto* list = child<QListWidget>(w, "List1");
    ASSERT_EQ(list->count(), 1);  // Cy has no index to chart
    EXPECT_EQ(list->item(0)->text().toStdString(), reports::CompareLines(*s.data).at(0));
    for (const char* name : {"List1", "Label10", "Label11"})
        EXPECT_TRUE(QFontInfo(child<QWidget>(w, name)->font()).fixedPitch()) << name;
    for (platform::Answer answer : {platform::Answer::Cancel, platform::Answer::Ok}) {
        s.dialogs.answer(answer);
        QTest::mouseClick(child<QWidget>(w, "Command3d1"), Qt::LeftButton);
    }
    EXPECT_EQ(s.dialogs.takeMessages().size(), 2u);
    ASSERT_EQ(s.printer.documents().size(), 1u);
    const std::vector<std::string> printed = s.printer.documents()[0].pages[0].lines();
    EXPECT_EQ(printed.at(2), std::string(14, ' ') + "Quorval" + std::string(10, ' ') + "12-06-2026");
    EXPECT_EQ(printed.back(), "     " + list->item(0)->text().toStdString());
    QTest::mouseClick(child<QWidget>(w, "donebutton"), Qt::LeftButton);
    EXPECT_EQ(visibleWindow("compareform"), nullptr);
    closeWindowsExcept(&opener);
}

}  // namespace
}  // namespace quorval::gui
