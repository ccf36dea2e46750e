#pragma once

#include <QWidget>

class QToolButton;

namespace quorval::gui {

// A spin button without a value: two arrows that say "down" (earlier) and "up" (later).
class SpinButton : public QWidget {
    Q_OBJECT
public:
    explicit SpinButton(Qt::Orientation orientation, QWidget* parent = nullptr);

    QToolButton* downButton() const { return m_down; }
    QToolButton* upButton() const { return m_up; }

signals:
    void spinDown();
    void spinUp();

private:
    QToolButton* m_down;
    QToolButton* m_up;
};

}  // namespace quorval::gui
