#pragma once

#include "ui/childwindow.hpp"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace quorval::gui {

// Gives players new names and default tees. Slots do not change, so only the league file is written on closing.
class RenamePlayersWindow : public ChildWindow {
    Q_OBJECT
public:
    RenamePlayersWindow(platform::Services& services, QWidget* opener);

    void rename();

protected:
    void finish() override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pick(QListWidgetItem* item);

    QLabel* m_label;
    QListWidget* m_list;
    QLineEdit* m_name;
    QButtonGroup* m_tees;
};

}  // namespace quorval::gui
