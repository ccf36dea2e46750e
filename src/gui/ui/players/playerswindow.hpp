#pragma once

#include "ui/childwindow.hpp"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace quorval::gui {

// Adds players to the open league, one name at a time, each with a default tee. The league file
// (and the team file, when the league has one) is written when the window closes.
class PlayersWindow : public ChildWindow {
    Q_OBJECT
public:
    PlayersWindow(platform::Services& services, QWidget* opener);

    void add();

protected:
    void finish() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool enterPressed(QKeyEvent* event);
    void showCount();

    QLineEdit* m_name;
    QButtonGroup* m_tees;
    QLabel* m_count;
    bool m_added = false;
};

}  // namespace quorval::gui
