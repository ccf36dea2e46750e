#include "ui/courses/chcpwindow.hpp"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "windowtest.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
using ChcpWindowTest = WindowTest;

// Enter goes from the index to the slope, then to the answer; typing takes the last answer away.
TEST_F(ChcpWindowTest, EnterWalksToTheResultAndWhatIsMissingBeeps) {
    auto* w = open<ChcpWindow>();
    auto* index = child<QLineEdit>(w, "Text1");
    auto* slope = child<QLineEdit>(w, "Text2");
    click(w, "Calcbutton");
    EXPECT_EQ(text(w, "Hcpmessage"), "Enter your Hcp Index");
    QTest::keyClicks(index, "10.0");
    EXPECT_EQ(text(w, "Hcpmessage"), "");
    QTest::keyClick(index, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), slope);
    QTest::keyClicks(slope, "0");
    index->setFocus();
    click(w, "Calcbutton");
    EXPECT_EQ(w->focusWidget(), slope);
    EXPECT_EQ(slope->selectedText(), "0");
    EXPECT_EQ(s.dialogs.beeps(), 2);
    QTest::keyClicks(slope, "130");
    QTest::keyClick(slope, Qt::Key_Enter);
    EXPECT_EQ(text(w, "Hcpmessage"), "Course Handicap = 12");
    EXPECT_EQ(w->focusWidget(), index);
    EXPECT_EQ(index->selectedText(), "10.0");
    EXPECT_EQ(s.dialogs.beeps(), 2);
    click(w, "infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Course Handicaps"});
    click(w, "closebutton");
    EXPECT_EQ(visibleWindow("CHcpform"), nullptr);
}

}  // namespace
}  // namespace quorval::gui
