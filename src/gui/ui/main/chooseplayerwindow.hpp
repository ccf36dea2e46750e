#pragma once

#include "ui/childwindow.hpp"

class QLabel;
class QListWidget;

namespace quorval::gui {

// Picks the player whose rounds the Individual Player view lists.
class ChoosePlayerWindow : public ChildWindow {
    Q_OBJECT
public:
    ChoosePlayerWindow(platform::Services& services, QWidget* opener);

    void accept();

signals:
    void accepted();
    void cancelled();

protected:
    void finish() override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
    QListWidget* m_list;
    bool m_accepted = false;
};

}  // namespace quorval::gui
