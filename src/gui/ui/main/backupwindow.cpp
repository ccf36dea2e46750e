#include "ui/main/backupwindow.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "backup/backup.hpp"
#include "store/settingsfile.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

BackupWindow::BackupWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "Backupform", "Quorval Backup Utility") {
    // There are no drive letters here: the user names a folder, typed or chosen.
    auto* frame = new QGroupBox("Enter the folder for your backup location");
    frame->setObjectName("SSFrame1");
    m_location = new QLineEdit;
    m_location->setObjectName("DriveText");
    m_location->setText(QString::fromStdString(services.data.settings.backupFolder));
    auto* browse = makeButton("browsebutton", "&Browse...", "Choose the backup folder");
    auto* row = new QHBoxLayout(frame);
    row->addWidget(m_location, 1);
    row->addWidget(browse);

    auto* copy = makeButton("copybutton", "&Copy Files");
    auto* exit = makeButton("exitbutton", "E&xit", "Close backup window");

    auto* grid = new QGridLayout(this);
    grid->addWidget(makePanel("SSPanel1",
                              "Click on the button below to copy all your League, Team\n"
                              "and Course files and your settings file. A folder named\n"
                              "QVL Backup will be created in the folder you specify. Older\n"
                              "copies of QVL files will be overwritten when future backups\n"
                              "are performed"),
                    0, 0, 1, 2);
    grid->addWidget(frame, 1, 0, 1, 2);
    grid->addWidget(copy, 2, 0);
    grid->addWidget(exit, 2, 1);
    setMinimumWidth(460);
    adjustSize();
    centreOnScreen();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName("Timer1");
    m_timer1->setInterval(2000);
    m_timer1->setSingleShot(true);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName("Timer2");
    m_timer2->setInterval(300);
    m_timer2->setSingleShot(true);

    connect(browse, &QPushButton::clicked, this, &BackupWindow::browse);
    connect(copy, &QPushButton::clicked, this, &BackupWindow::copy);
    connect(exit, &QPushButton::clicked, this, &BackupWindow::close);
    connect(m_timer1, &QTimer::timeout, this, &BackupWindow::closeAfterBackup);
    connect(m_timer2, &QTimer::timeout, this, &BackupWindow::focusLocation);
    m_timer2->start();
}

void BackupWindow::browse() {
    if (auto folder = m_services.dialogs.chooseFolder("Choose the folder for your backup")) {
        m_location->setText(QString::fromStdString(*folder));
    }
}

void BackupWindow::copy() {
    if (m_timer1->isActive()) return;  // done already; the window is about to close
    std::string location = m_location->text().toStdString();
    if (backup::BackupDataFiles(m_services.data, m_services.dialogs, location) != backup::BackupOutcome::Done) {
        return;
    }
    // The next backup offers the same folder.
    m_services.data.settings.backupFolder = location;
    store::SaveSettingsFile(m_services.data, m_services.dialogs);
    // The hourglass stays until the window closes.
    m_services.dialogs.beginBusy("");
    m_busy = true;
    m_timer1->start();
}

void BackupWindow::closeAfterBackup() {
    m_timer1->stop();
    close();
}

void BackupWindow::focusLocation() {
    m_timer2->stop();
    m_location->setFocus();
}

// However the window closes, the pointer the backup set goes back to normal.
void BackupWindow::finish() {
    m_timer1->stop();
    if (m_busy) {
        m_busy = false;
        m_services.dialogs.endBusy();
    }
}

}  // namespace quorval::gui
