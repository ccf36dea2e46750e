#pragma once

#include "ui/childwindow.hpp"

class QLabel;
class QPushButton;

namespace quorval::gui {

// "Personal Performance": the current player's averages over all his rounds. The player is
// LeagueData.currentPlayer when the window opens; Next and Previous step through the league, and
// closing sets the current player back to 0.
class StatsWindow : public ChildWindow {
    Q_OBJECT
public:
    StatsWindow(platform::Services& services, QWidget* opener);

    // Fills the labels for the current player.
    void CalcAverages();
    void nextPlayer();
    void previousPlayer();
    // "Print": asks first, then prints the summary on one portrait page.
    void printSummary();

protected:
    void finish() override;

private:
    void showPlayer();

    QLabel* m_name;
    QLabel* m_hcp;
    QLabel* m_averagePar;
    QLabel* m_averageScore;
    QLabel* m_fairways;
    QLabel* m_greens;
    QLabel* m_putts;
    QPushButton* m_next;
    QPushButton* m_previous;
};

}  // namespace quorval::gui
