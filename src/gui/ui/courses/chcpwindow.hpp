#pragma once

#include "ui/childwindow.hpp"

class QLabel;
class QLineEdit;

namespace quorval::gui {

// "Course Handicaps": the course handicap of one index on one slope, typed by the user. Nothing
// is stored.
class ChcpWindow : public ChildWindow {
    Q_OBJECT
public:
    ChcpWindow(platform::Services& services, QWidget* opener);

    // Calculate, or Enter in the slope box.
    void calculate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_index;
    QLineEdit* m_slope;
    QLineEdit* m_rating = nullptr;  // only where the course handicap adds rating - par
    QLineEdit* m_par = nullptr;
    QLabel* m_message;
};

}  // namespace quorval::gui
