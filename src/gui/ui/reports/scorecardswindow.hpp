#pragma once

#include "ui/childwindow.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace quorval::gui {

// "Print Scorecards": a course, a tee, the date of play and the players (or all of them); one
// card per player, four to a page.
class ScorecardsWindow : public ChildWindow {
    Q_OBJECT
public:
    ScorecardsWindow(platform::Services& services, QWidget* opener);

    // Prints the cards as chosen; false when something is missing (the user was told).
    bool printCards();

private:
    QComboBox* m_course;
    QRadioButton* m_tees[store::kBlueTee + 1] = {};
    QLineEdit* m_date;
    QCheckBox* m_all;
    QListWidget* m_players;
};

}  // namespace quorval::gui
