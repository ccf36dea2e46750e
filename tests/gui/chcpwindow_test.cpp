#include "ui/courses/chcpwindow.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "fakeseams.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Enter moves from the index to the slope and works out the handicap from there; a missing or
// bad value beeps with a prompt, and typing takes the last message away.
TEST(ChcpWindowTest, EnterWalksToTheResultAndWhatIsMissingBeeps) {
    TestServices s;
    QWidget opener;
    auto* w = new ChcpWindow(s.services, &opener);
    openChild(&opener, w);
    auto* index = child<QLineEdit>(w, "Text1");
    auto* slope = child<QLineEdit>(w, "Text2");
    auto* message = child<QLabel>(w, "Hcpmessage");
    auto click = [&](const char* name) { QTest::mouseClick(child<QPushButton>(w, name), Qt::LeftButton); };
    click("Calcbutton");
    EXPECT_EQ(message->text(), "Enter your Hcp Index");
    QTest::keyClicks(index, "10.0");
    EXPECT_EQ(message->text(), "");
    QTest::keyClick(index, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), slope);
    QTest::keyClick(slope, Qt::Key_Return);
    EXPECT_EQ(message->text(), "Enter the Slope Value");
    QTest::keyClicks(slope, "0");
    click("Calcbutton");
    EXPECT_EQ(message->text(), "The Slope must be above 0");
    EXPECT_EQ(s.dialogs.beeps(), 3);
    EXPECT_EQ(w->focusWidget(), slope);
    EXPECT_EQ(slope->selectedText(), "0");

    QTest::keyClicks(slope, "130");
    QTest::keyClick(slope, Qt::Key_Enter);
    EXPECT_EQ(message->text(), "Course Handicap = 12");
    EXPECT_EQ(w->focusWidget(), index);
    EXPECT_EQ(index->selectedText(), "10.0");  // the next index typed replaces it
    QTest::keyClicks(index, "-1.2");
    EXPECT_EQ(message->text(), "");
    slope->setText("113");
    click("Calcbutton");
    EXPECT_EQ(message->text(), "Course Handicap = -1");
    EXPECT_EQ(s.dialogs.beeps(), 3);

    click("infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Course Handicaps"});
    click("closebutton");
    EXPECT_EQ(visibleWindow("CHcpform"), nullptr);
    EXPECT_TRUE(opener.isEnabled());
    closeWindowsExcept(&opener);
}

}  // namespace
}  // namespace quorval::gui
