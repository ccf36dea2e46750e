#pragma once

#include "ui/childwindow.hpp"

class QLineEdit;

namespace quorval::gui {

// "Create League File": creates a league by name, or deletes one from the list and the disk.
class LeagueWindow : public ChildWindow {
    Q_OBJECT
public:
    LeagueWindow(platform::Services& services, QWidget* opener);

    void create();
    void remove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_name;
};

}  // namespace quorval::gui
