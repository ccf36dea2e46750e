#pragma once

#include "ui/childwindow.hpp"

class QLineEdit;
class QTimer;

namespace quorval::gui {

// "Quorval Backup Utility": copies the data files into a "QVL Backup" folder in the folder the
// user names, and closes itself shortly after a backup that worked.
class BackupWindow : public ChildWindow {
    Q_OBJECT
public:
    BackupWindow(platform::Services& services, QWidget* opener);

    void browse();
    void copy();
    // Timer1: closes the window after a successful backup.
    void closeAfterBackup();
    // Timer2: puts the focus into the location box once the window is up.
    void focusLocation();

protected:
    void finish() override;

private:
    QLineEdit* m_location;
    QTimer* m_timer1;
    QTimer* m_timer2;
    bool m_busy = false;
};

}  // namespace quorval::gui
