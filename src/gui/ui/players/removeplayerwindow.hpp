#pragma once

#include "ui/childwindow.hpp"
#include "widgets/playerlist.hpp"

class QLabel;
class QListWidget;

namespace quorval::gui {

// Removes players, with their rounds and team places. The league file (and the team file, when
// the league has one) is written when the window closes.
class RemovePlayerWindow : public ChildWindow {
    Q_OBJECT
public:
    RemovePlayerWindow(platform::Services& services, QWidget* opener);

    void remove();

protected:
    void finish() override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
    QListWidget* m_list;
    bool m_removed = false;
};

}  // namespace quorval::gui
