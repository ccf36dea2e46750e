#include "ui/help/helpwindow.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "platform/qthelpviewer.hpp"

namespace quorval::gui {
namespace {

using ::testing::HasSubstr;

std::string pageText(HelpWindow& w) {
    return w.findChild<QTextBrowser*>("helppage")->toPlainText().toStdString();
}

// A topic shows its title as written, an unknown key says so; a link opens the topic it names.
TEST(HelpWindowTest, TopicsShowTheirTitlesAndLinksOpenTheirTopics) {
    HelpWindow w(QUORVAL_HELP_FILE);
    ASSERT_TRUE(w.fileLoaded());
    auto* page = w.findChild<QTextBrowser*>("helppage");
    for (auto [key, title] : {std::pair{"Fonts", "The Settings Window and the Print Font"},
                              {"No Such Topic", "No Such Topic"},
                              {"Contents", "Quorval Help \u2014 Contents"}}) {
        w.showTopic(key);
        EXPECT_EQ(page->document()->firstBlock().text().toStdString(), title);
        EXPECT_EQ(pageText(w).find("The help file has no topic of this name") != std::string::npos,
                  std::string(key) == "No Such Topic")
            << key;
    }
    emit page->anchorClicked(QUrl("topic:Entering Scores"));
    EXPECT_EQ(w.currentKey(), "Entering Scores");
    EXPECT_EQ(page->document()->firstBlock().text(), "Entering Scores");
}

TEST(HelpWindowTest, KeywordSearchNarrowsTheListAndOpensTheTopic) {
    HelpWindow w(QUORVAL_HELP_FILE);
    w.startSearch();
    auto* words = w.findChild<QListWidget*>("keywordlist");
    auto* search = w.findChild<QLineEdit*>("searchtext");
    const int all = words->count();
    QTest::keyClicks(search, "Nine");
    ASSERT_GT(words->count(), 0);
    EXPECT_LT(words->count(), all);
    for (int i = 0; i < words->count(); ++i)
        EXPECT_TRUE(words->item(i)->text().startsWith("nine", Qt::CaseInsensitive)) << i;
    QTest::keyClicks(search, " hole ratings");
    ASSERT_EQ(words->count(), 1);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(w.currentKey(), "Nine Hole Rounds");
    search->setText("esc");
    ASSERT_EQ(words->count(), 1);
    emit words->itemActivated(words->item(0));
    EXPECT_EQ(w.currentKey(), "Equitable Stroke Control");
    search->setText("zzz");
    EXPECT_EQ(words->count(), 0);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(w.currentKey(), "Equitable Stroke Control");
}

TEST(HelpWindowTest, MissingHelpFileIsReportedInTheWindow) {
    HelpWindow w("/nonexistent/folder/Viru.HLP");
    EXPECT_FALSE(w.fileLoaded());
    w.showTopic("Contents");
    EXPECT_THAT(pageText(w),
                ::testing::AllOf(HasSubstr("Help is not available"), HasSubstr("/nonexistent/folder/Viru.HLP")));
    EXPECT_EQ(w.findChild<QListWidget*>("keywordlist")->count(), 0);
}

// The viewer opens the window at the topic and puts it away; so do Escape and the Close button.
TEST(HelpWindowTest, ViewerEscapeAndTheCloseButtonPutItAway) {
    QtHelpViewer viewer(QUORVAL_HELP_FILE);
    viewer.close();  // nothing open yet
    EXPECT_EQ(viewer.window(), nullptr);
    viewer.showTopic("Players");
    HelpWindow* w = viewer.window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->currentKey(), "Players");
    viewer.search();
    EXPECT_TRUE(w->findChild<QLineEdit*>("searchtext")->text().isEmpty());
    viewer.close();
    EXPECT_FALSE(w->isVisible());
    for (bool escape : {true, false}) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        if (escape)
            QTest::keyClick(w->findChild<QLineEdit*>("searchtext"), Qt::Key_Escape);
        else
            QTest::mouseClick(w->findChild<QPushButton*>("closebutton"), Qt::LeftButton);
        EXPECT_FALSE(w->isVisible()) << escape;
    }
}

}  // namespace
}  // namespace quorval::gui
