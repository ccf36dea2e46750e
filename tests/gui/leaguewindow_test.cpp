#include "ui/main/leaguewindow.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "store/coursefile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"
#include "tempdir.hpp"
#include "ui/main/mainwindow.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// League files with their team files, the course table and a registry naming the leagues.
void writeLeagues(const Names& names) {
    auto d = std::make_unique<store::LeagueData>();
    for (size_t i = 0; i < names.size(); ++i) {
        samples::FillRandomLeague(*d, static_cast<uint32_t>(20 + i), 8);
        d->leagueFileName = names[i] + ".LGE";
        writeBytes(d->leagueFileName, store::FormatLeague(*d));
        writeBytes(store::TeamFileName(d->leagueFileName), store::FormatTeams(*d));
        d->registry.leagueFiles[i + 1] = names[i];
    }
    d->registry.leagueCount = static_cast<int16_t>(names.size());
    writeBytes(store::kCourseFileName, store::FormatCourses(*d));
    writeBytes(store::kRegistryFileName, store::FormatRegistry(*d));
}

Names registryOnDisk() {
    auto d = std::make_unique<store::LeagueData>();
    EXPECT_TRUE(store::ParseRegistry(*d, readBytes(store::kRegistryFileName)).ok);
    return {d->registry.leagueFiles.begin() + 1, d->registry.leagueFiles.begin() + 1 + d->registry.leagueCount};
}

class LeagueWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1); }

    void TearDown() override {
        if (window) window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main.reset();
    }

    // The main window over the files on disk, with league item `open` open unless it is -1, and the
    // league window opened from its menu.
    void start(int open = -1) {
        main = std::make_unique<MainWindow>(s.services);
        main->Load();
        main->show();
        if (open >= 0) main->action(QString("leaguesmenu%1").arg(open))->trigger();
        main->action("Creatmenu")->trigger();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "Createleagueform" && w->isVisible()) window = qobject_cast<LeagueWindow*>(w);
        }
        ASSERT_NE(window, nullptr);
        ASSERT_FALSE(main->isEnabled());
        name = window->findChild<QLineEdit*>("Text1");
    }

    void press(const char* button) { QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton); }

    // The window has gone and the main window is back without an open league.
    void expectClosedToNoLeague() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(window.isNull());
        EXPECT_TRUE(main->isEnabled());
        EXPECT_FALSE(main->action("entermenu")->isEnabled());
        EXPECT_FALSE(main->action("Viewmenu1")->isEnabled());
        EXPECT_EQ(main->panelMessage(), "Open a League file to begin");
        EXPECT_EQ(main->findChild<QListWidget*>("List1")->count(), 0);
        EXPECT_EQ(main->findChild<QListWidget*>("List2")->count(), 0);
    }

    Names menuCaptions() const {
        Names captions;
        for (int k = 0; QAction* a = main->action(QString("leaguesmenu%1").arg(k)); ++k) {
            captions.push_back(a->text().toStdString());
        }
        return captions;
    }

    TempWorkDir dir;
    TestServices s;
    std::unique_ptr<MainWindow> main;
    QPointer<LeagueWindow> window;
    QLineEdit* name = nullptr;
};

TEST_F(LeagueWindowTest, CreatingWritesAnEmptyLeagueAndRegistersIt) {
    writeLeagues({});
    start();
    EXPECT_EQ(menuCaptions(), Names{"No Entries"});
    QTest::keyClicks(name, "Tuesday Men");
    QTest::keyClick(name, Qt::Key_Return);
    auto empty = std::make_unique<store::LeagueData>();
    EXPECT_EQ(readBytes("Tuesday Men.LGE"), store::FormatLeague(*empty));
    EXPECT_EQ(registryOnDisk(), Names{"Tuesday Men"});
    EXPECT_EQ(menuCaptions(), Names{"Tuesday Men"});  // in place of "No Entries"
    expectClosedToNoLeague();
    main->action("leaguesmenu0")->trigger();
    EXPECT_EQ(main->panelMessage(), "Current League - Tuesday Men");
}

TEST_F(LeagueWindowTest, NameBoxDropsPunctuationAsItIsTyped) {
    writeLeagues({});
    start();
    QTest::keyClicks(name, "Fall.2024-B/'x y");
    EXPECT_EQ(name->text(), "Fall2024Bx y");
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "Fall2024Bx ");
}

struct Refusal {
    const char* name;
    const char* message;
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << '"' << r.name << '"';
}

class LeagueNameRefusal : public LeagueWindowTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(LeagueNameRefusal, TellsWhyEmptiesTheBoxAndKeepsTheWindow) {
    writeLeagues({"Spring"});
    start();
    const std::string registry = readBytes(store::kRegistryFileName);
    name->setText(GetParam().name);  // pasted: the key filter does not see it
    press("Okbutton");
    auto boxes = s.dialogs.takeMessages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0],
              (platform::Message{GetParam().message, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation}));
    EXPECT_EQ(name->text(), "");
    EXPECT_FALSE(window.isNull());
    EXPECT_EQ(readBytes(store::kRegistryFileName), registry);
    // Nothing new beside the files and the program's lock on the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 5);
}

INSTANTIATE_TEST_SUITE_P(Names, LeagueNameRefusal,
                         ::testing::Values(Refusal{"Spring", "That name is already in use."},
                                           Refusal{"Fall:2", "Illegal Name for file"},
                                           Refusal{"../Fall", "Illegal Name for file"},
                                           Refusal{"..", "Illegal Name for file"}));

TEST_F(LeagueWindowTest, DeletingAsksFirstThenRemovesTheLeagueAndItsTeams) {
    writeLeagues({"Spring", "Summer", "Fall"});
    start();
    press("deletebutton");  // no name yet
    EXPECT_EQ(s.dialogs.beeps(), 1);
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    QTest::keyClicks(name, "Winter");
    press("deletebutton");
    ASSERT_EQ(s.dialogs.takeMessages().at(0).text, "That name is not on the active list.");

    name->setText("SUMMER");  // found whatever the letter case
    s.dialogs.answer(platform::Answer::No);
    press("deletebutton");
    auto boxes = s.dialogs.takeMessages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], (platform::Message{"Are you sure you want to Delete the selected\r\n\r\n"
                                           "League File and it's Team point data file?\r\n\r\n\r\n"
                                           "    CONTINUE?    Select 'NO' to Exit",
                                           "Quorval", platform::Buttons::YesNo, platform::Icon::Critical, 2}));
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(fs::exists("Summer.LGE"));
    EXPECT_EQ(registryOnDisk().size(), 3u);

    s.dialogs.answer(platform::Answer::Yes);
    press("deletebutton");
    EXPECT_EQ(s.dialogs.takeMessages().size(), 1u);
    EXPECT_FALSE(fs::exists("Summer.LGE"));
    EXPECT_FALSE(fs::exists("Summer.tea"));
    EXPECT_TRUE(fs::exists("Spring.tea"));
    EXPECT_EQ(registryOnDisk(), (Names{"Spring", "Fall"}));
    EXPECT_EQ(menuCaptions(), (Names{"Spring", "Fall"}));
    expectClosedToNoLeague();
}

TEST_F(LeagueWindowTest, CloseButtonLeavesNoLeagueOpenAndInfoShowsHelp) {
    writeLeagues({"Spring"});
    start(0);
    press("infobutton");
    EXPECT_EQ(s.help.topics, Names{"Creating League Files"});
    press("Command3d1");
    expectClosedToNoLeague();
    EXPECT_TRUE(fs::exists("Spring.LGE"));
}

}  // namespace
}  // namespace quorval::gui
