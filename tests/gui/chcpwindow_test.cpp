#include "ui/courses/chcpwindow.hpp"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "fakeseams.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// Enter moves from the index to the slope and works the handicap out from there, readying the
// index for the next one; what is missing or bad beeps, and typing takes the last answer away.
TEST(ChcpWindowTest, EnterWalksToTheResultAndWhatIsMissingBeeps) {
    TestServices s;
    QWidget opener;
    auto* w = new ChcpWindow(s.services, &opener);
    openChild(&opener, w);
    auto* index = child<QLineEdit>(w, "Text1");
    auto* slope = child<QLineEdit>(w, "Text2");
    auto click = [&](const char* name) { QTest::mouseClick(child<QWidget>(w, name), Qt::LeftButton); };
    auto message = [&] { return child<QWidget>(w, "Hcpmessage")->property("text").toString(); };
    click("Calcbutton");
    EXPECT_EQ(message(), "Enter your Hcp Index");
    QTest::keyClicks(index, "10.0");
    EXPECT_EQ(message(), "");
    QTest::keyClick(index, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), slope);
    QTest::keyClicks(slope, "0");
    click("Calcbutton");
    EXPECT_EQ(w->focusWidget(), slope);
    EXPECT_EQ(slope->selectedText(), "0");
    EXPECT_EQ(s.dialogs.beeps(), 2);
    QTest::keyClicks(slope, "130");
    QTest::keyClick(slope, Qt::Key_Enter);
    EXPECT_EQ(message(), "Course Handicap = 12");
    EXPECT_EQ(w->focusWidget(), index);
    EXPECT_EQ(index->selectedText(), "10.0");
    EXPECT_EQ(s.dialogs.beeps(), 2);
    click("infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Course Handicaps"});
    click("closebutton");
    EXPECT_EQ(visibleWindow("CHcpform"), nullptr);
    closeWindowsExcept(&opener);
}

}  // namespace
}  // namespace quorval::gui
