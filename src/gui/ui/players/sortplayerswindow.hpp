#pragma once

#include "ui/childwindow.hpp"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quorval::gui {

// Puts one player at another position of the list; the players between shift by one. Rounds and
// team places move with their players. Files are written when the window closes.
class SortPlayersWindow : public ChildWindow {
    Q_OBJECT
public:
    SortPlayersWindow(platform::Services& services, QWidget* opener);

    void change();
    // The spin button's arrows: down moves the player down the list (a higher number), up raises him.
    void spinDown();
    void spinUp();

protected:
    void finish() override;

private:
    void fill();
    void pick(QListWidgetItem* item);
    void positionChanged(const QString& text);

    QListWidget* m_list;
    QLabel* m_name;
    QLineEdit* m_position;
    QPushButton* m_change;
    int m_selected = 0;     // slot of the highlighted player, 0 before any is picked
    int m_newPosition = 0;  // where the change button puts him
    bool m_moved = false;
    bool m_filling = false;
};

}  // namespace quorval::gui
