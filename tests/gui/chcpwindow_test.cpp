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

class ChcpWindowTest : public ::testing::Test {
protected:
    ChcpWindowTest() {
        window = new ChcpWindow(s.services, &opener);
        openChild(&opener, window);
        index = window->findChild<QLineEdit*>("Text1");
        slope = window->findChild<QLineEdit*>("Text2");
        message = window->findChild<QLabel*>("Hcpmessage");
    }

    ~ChcpWindowTest() override { closeWindowsExcept(&opener); }

    void click(const char* name) {
        auto* button = window->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void type(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }

    TestServices s;
    QWidget opener;
    ChcpWindow* window;
    QLineEdit* index;
    QLineEdit* slope;
    QLabel* message;
};

TEST_F(ChcpWindowTest, EnterWalksFromIndexToSlopeToTheResultAndReadiesTheNextIndex) {
    ASSERT_TRUE(index && slope && message);
    EXPECT_EQ(window->windowTitle(), "Course Handicaps");
    EXPECT_FALSE(opener.isEnabled());
    type(index, "10.0");
    QTest::keyClick(index, Qt::Key_Return);
    EXPECT_EQ(window->focusWidget(), slope);
    EXPECT_EQ(message->text(), "");
    type(slope, "130");
    QTest::keyClick(slope, Qt::Key_Enter);
    EXPECT_EQ(message->text(), "Course Handicap = 12");
    EXPECT_EQ(window->focusWidget(), index);
    EXPECT_EQ(index->selectedText(), "10.0");
    EXPECT_EQ(s.dialogs.beeps(), 0);
    // Typing the next index replaces the old one and takes the old result away.
    QTest::keyClicks(index, "-1.2");
    EXPECT_EQ(index->text(), "-1.2");
    EXPECT_EQ(message->text(), "");
    type(slope, "113");
    click("Calcbutton");
    EXPECT_EQ(message->text(), "Course Handicap = -1");
}

TEST_F(ChcpWindowTest, EmptyBoxesAndASlopeOfZeroBeepWithAPromptInsteadOfAResult) {
    click("Calcbutton");
    EXPECT_EQ(message->text(), "Enter your Hcp Index");
    EXPECT_EQ(s.dialogs.beeps(), 1);
    type(index, "10.0");
    EXPECT_EQ(message->text(), "");
    QTest::keyClick(slope, Qt::Key_Return);
    EXPECT_EQ(message->text(), "Enter the Slope Value");
    EXPECT_EQ(s.dialogs.beeps(), 2);
    type(slope, "0");
    click("Calcbutton");
    EXPECT_EQ(message->text(), "The Slope must be above 0");
    EXPECT_EQ(s.dialogs.beeps(), 3);
    EXPECT_EQ(window->focusWidget(), slope);
    EXPECT_EQ(slope->selectedText(), "0");
}

TEST_F(ChcpWindowTest, HelpShowsItsTopicAndCloseGivesTheOpenerBack) {
    click("infobutton");
    EXPECT_EQ(s.help.topics, std::vector<std::string>{"Course Handicaps"});
    EXPECT_TRUE(window->isVisible());
    click("closebutton");
    EXPECT_EQ(visibleWindow("CHcpform"), nullptr);
    EXPECT_TRUE(opener.isEnabled());
}

}  // namespace
}  // namespace quorval::gui
