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

// The chart's lines under a scale of the same fixed pitch, printed when the user is ready.
TEST(CompareWindowTest, ListsAndPrintsTheChart) {
    TestServices s;
    LeagueBuilder(*s.data)
        .course("Pine Hills")
        .player("Ann")
        .round("5/4/26", 40, 41, 12.4f)
        .player("Bob")
        .round("5/4/26", 40, 41, -1.3f)
        .player("Cy")
        .player("Di")
        .round("5/4/26", 40, 41, 12.4f);
    QWidget opener;
    auto* w = new CompareWindow(s.services, &opener);
    openChild(&opener, w);
    auto* list = child<QListWidget>(w, "List1");
    const std::vector<std::string> lines = reports::CompareLines(*s.data);
    ASSERT_EQ(list->count(), 3);  // Cy has no index to chart
    for (const char* name : {"List1", "Label10", "Label11"})
        EXPECT_TRUE(QFontInfo(child<QWidget>(w, name)->font()).fixedPitch()) << name;

    s.dialogs.answer(platform::Answer::Cancel);
    QTest::mouseClick(child<QWidget>(w, "Command3d1"), Qt::LeftButton);
    EXPECT_TRUE(s.printer.documents().empty());
    s.dialogs.answer(platform::Answer::Ok);
    QTest::mouseClick(child<QWidget>(w, "Command3d1"), Qt::LeftButton);
    const platform::Message ready{"Ready to send List to the Printer.", "Quorval", platform::Buttons::OkCancel};
    EXPECT_EQ(s.dialogs.takeMessages(), std::vector<platform::Message>(2, ready));
    ASSERT_EQ(s.printer.documents().size(), 1u);
    const std::vector<std::string> printed = s.printer.documents()[0].pages[0].lines();
    ASSERT_EQ(printed.size(), 12u + 3u);
    EXPECT_EQ(printed[2], std::string(14, ' ') + "Quorval" + std::string(10, ' ') + "12-06-2026");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(printed[12 + i], "     " + list->item(i)->text().toStdString());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(list->item(i)->text().toStdString(), lines[i]);

    QTest::mouseClick(child<QWidget>(w, "donebutton"), Qt::LeftButton);
    EXPECT_EQ(visibleWindow("compareform"), nullptr);
    closeWindowsExcept(&opener);
}

}  // namespace
}  // namespace quorval::gui
