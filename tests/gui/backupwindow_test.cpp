#include "ui/main/backupwindow.hpp"

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <tuple>

#include "configfolder.hpp"
#include "fakeseams.hpp"
#include "fullleague.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "tempdir.hpp"
#include "ui/main/datacommands.hpp"
#include "windowtesting.hpp"

namespace quorval::gui {
namespace {

using namespace quorval::testing;

// The window opened over `opener` on a folder of three files; a USB folder to copy them to.
struct BackupWindowTest : ::testing::Test {
    BackupWindowTest() {
        s.data->registry.leagueCount = 1;
        s.data->registry.leagueFiles[1] = "Fall";
        for (const char* name : {"Fall.LGE", "Qvleague.DAT", "course.dat"}) writeBytes(name, name);
        open();
    }
    ~BackupWindowTest() override { closeWindowsExcept(&opener); }

    void open() {
        window = new BackupWindow(s.services, &opener);
        openChild(&opener, window);
        location = window->findChild<QLineEdit*>("DriveText");
    }
    void press(const char* button) { QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton); }

    // Whether the window is open, its opener usable and Timer1 running, and how deep the busy pointer is.
    std::tuple<bool, bool, bool, int> state() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        bool open = !window.isNull() && window->isVisible();
        return {open, opener.isEnabled(), open && window->findChild<QTimer*>("Timer1")->isActive(),
                s.dialogs.busyDepth()};
    }

    TempWorkDir dir;
    ScopedConfigHome config{dir.path() / "config"};
    std::filesystem::path usb = dir.path() / "usb";
    TestServices s;
    QWidget opener;
    QPointer<BackupWindow> window;
    QLineEdit* location = nullptr;
};

TEST_F(BackupWindowTest, AFailedBackupKeepsTheWindowAndASuccessfulOneIsRememberedAndClosesItOnTimer1) {
    auto* timer2 = window->findChild<QTimer*>("Timer2");
    ASSERT_TRUE(timer2->isActive());
    QApplication::setActiveWindow(window);
    window->focusLocation();
    EXPECT_TRUE(!timer2->isActive() && location->hasFocus());
    const std::string missing = (usb / "not mounted").string();
    s.dialogs.answerFolder(missing);
    press("browsebutton");
    EXPECT_EQ(location->text().toStdString(), missing);
    press("copybutton");
    EXPECT_EQ(state(), std::make_tuple(true, false, false, 0));

    // The hourglass stays until the window goes when its single-shot Timer1 fires, and no second
    // backup starts meanwhile; the next time, read from the settings file, the same folder is offered.
    std::filesystem::create_directory(usb);
    location->clear();
    QTest::keyClicks(location, QString::fromStdString(usb.string()));
    press("copybutton");
    EXPECT_EQ(readBytes(usb / "QVL Backup" / "Fall.LGE"), "Fall.LGE");
    auto* timer1 = window->findChild<QTimer*>("Timer1");
    EXPECT_EQ(std::make_pair(timer1->isSingleShot(), timer1->interval()), std::make_pair(true, 2000));
    press("copybutton");
    EXPECT_EQ(state(), std::make_tuple(true, false, true, 1));
    window->closeAfterBackup();
    EXPECT_EQ(state(), std::make_tuple(false, true, false, 0));

    s.data->settings.backupFolder = "elsewhere";
    store::LoadSettingsFile(*s.data);
    open();
    EXPECT_EQ(location->text().toStdString(), usb.string());
    press("copybutton");
    ASSERT_EQ(state(), std::make_tuple(true, false, true, 1));
    press("exitbutton");  // before Timer1 fires: the pointer still goes back
    EXPECT_EQ(state(), std::make_tuple(false, true, false, 0));
    EXPECT_EQ(s.dialogs.takeMessages().size(), 3u);  // failed, done, done

    s.dialogs.answerFolder(std::nullopt);
    EXPECT_FALSE(RestoreFromBackup(s.services));
    EXPECT_EQ(s.dialogs.folderStarts().back(), usb.string());  // restore opens where backups go
}

// Restore asks a second question when the backup holds a settings file, and brings it back only
// on Yes, saying so.
TEST_F(BackupWindowTest, RestoreAsksBeforeItBringsTheSettingsFileBack) {
    auto league = std::make_unique<store::LeagueData>();
    samples::FillRandomLeague(*league, 4, 3);
    league->registry = s.data->registry;
    const std::filesystem::path backup = usb / "QVL Backup", settings = store::SettingsFilePath();
    std::filesystem::create_directories(backup);
    std::filesystem::create_directories(settings.parent_path());
    writeBytes(backup / "Fall.LGE", store::FormatLeague(*league));
    writeBytes(backup / "Qvleague.DAT", store::FormatRegistry(*league));
    league->settings.equitableCheck = 1;
    writeBytes(backup / "qvl32.ini", store::FormatSettings(league->settings));
    for (platform::Answer bringBack : {platform::Answer::No, platform::Answer::Yes}) {
        SCOPED_TRACE(bringBack == platform::Answer::Yes ? "yes" : "no");
        writeBytes(settings, "mine");
        s.dialogs.answerFolder(usb.string());
        s.dialogs.answer(platform::Answer::Yes);
        s.dialogs.answer(bringBack);
        ASSERT_TRUE(RestoreFromBackup(s.services));
        auto shown = s.dialogs.takeMessages();
        ASSERT_EQ(shown.size(), 3u);
        EXPECT_TRUE(shown[1].text.ends_with("Bring your settings back too?")) << shown[1].text;
        bool yes = bringBack == platform::Answer::Yes;
        EXPECT_EQ(shown[2].text.ends_with("Your settings file was brought back too."), yes) << shown[2].text;
        EXPECT_EQ(readBytes(settings), yes ? readBytes(backup / "qvl32.ini") : "mine");
        EXPECT_EQ(s.data->settings.equitableCheck, yes ? 1 : 0);
    }
}

}  // namespace
}  // namespace quorval::gui
