#include "ui/help/helpwindow.hpp"

#include <gmock/gmock.h>

#include <QtTest>
#include <QtWidgets>

#include "platform/qthelpviewer.hpp"

namespace quorval::gui {
namespace {

using ::testing::HasSubstr;

QString firstLine(HelpWindow& w) {
    return w.findChild<QTextBrowser*>("helppage")->document()->firstBlock().text();
}

// A topic shows its title as written, an unknown key says so; a link opens the topic it names.
TEST(HelpWindowTest, TopicsShowTheirTitlesAndLinksOpenTheirTopics) {
    HelpWindow w(QUORVAL_HELP_FILE);
    w.showTopic("Fonts");
    EXPECT_EQ(firstLine(w), "The Settings Window and the Print Font");
    w.showTopic("No Such Topic");
    EXPECT_THAT(w.findChild<QTextBrowser*>("helppage")->toPlainText().toStdString(),
                HasSubstr("The help file has no topic of this name"));
    emit w.findChild<QTextBrowser*>("helppage")->anchorClicked(QUrl("topic:Entering Scores"));
    EXPECT_EQ(w.currentKey(), "Entering Scores");
    EXPECT_EQ(firstLine(w), "Entering Scores");
}

TEST(HelpWindowTest, KeywordSearchNarrowsTheListAndOpensTheTopic) {
    HelpWindow w(QUORVAL_HELP_FILE);
    w.startSearch();
    auto* words = w.findChild<QListWidget*>("keywordlist");
    auto* search = w.findChild<QLineEdit*>("searchtext");
    QTest::keyClicks(search, "Nine hole ratings");
    ASSERT_EQ(words->count(), 1);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(w.currentKey(), "Nine Hole Rounds");
}

// The viewer opens the window at the topic and puts it away; so do Escape and the Close button.
TEST(HelpWindowTest, ViewerEscapeAndTheCloseButtonPutItAway) {
    QtHelpViewer viewer(QUORVAL_HELP_FILE);
    viewer.showTopic("Players");
    HelpWindow* w = viewer.window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->currentKey(), "Players");
    viewer.close();
    EXPECT_FALSE(w->isVisible());
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->findChild<QLineEdit*>("searchtext"), Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
    w->show();
    w->findChild<QPushButton*>("closebutton")->click();
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace quorval::gui
