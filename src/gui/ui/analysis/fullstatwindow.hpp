#pragma once

#include "ui/childwindow.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace quorval::gui {

// "Personal Performance Review": every round of the current player that carries performance data,
// grouped by course with each course's averages. The player is LeagueData.currentPlayer when the
// window opens; Next and Previous step through the league, and closing sets it back to 0.
class FullStatWindow : public ChildWindow {
    Q_OBJECT
public:
    FullStatWindow(platform::Services& services, QWidget* opener);

    // Fills the list for the current player.
    void CycleReports();
    void nextPlayer();
    void previousPlayer();
    // "Print": asks first, then prints the list in landscape.
    void printReview();
    void printSetup();

protected:
    void finish() override;

private:
    QLabel* m_name;
    QListWidget* m_list;
    QPushButton* m_next;
    QPushButton* m_previous;
};

}  // namespace quorval::gui
