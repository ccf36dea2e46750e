#pragma once

#include "ui/childwindow.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace quorval::gui {

// A window that starts from the league's player list: a panel over the list, Accept and Exit
// below it. Each list item keeps its player's slot, so two players of one name stay two players.
class PlayerChooser : public ChildWindow {
    Q_OBJECT
public:
    PlayerChooser(platform::Services& services, QWidget* opener, const QString& name, const QString& title,
                  const QString& panelName, const QString& panelText);

    virtual void accept() = 0;

protected:
    // The player of the highlighted item; 0 (after the refusal, with a beep) when none is.
    int chosenPlayer(const char* refusal, const char* title);
    // The highlighted item that is selected, or nullptr.
    int chosenRow() const;
    void mousePressEvent(QMouseEvent* event) override;

    QLabel* m_panel;
    QListWidget* m_list;
    QPushButton* m_accept;
    QPushButton* m_exit;
};

}  // namespace quorval::gui
