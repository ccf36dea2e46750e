#pragma once

#include "ui/playerchooser.hpp"

namespace quorval::gui {

class ScoreEntryWindow;

// "Select Player": a player, then one of his rounds by date, opened for editing in the score
// window that suits the round.
class ChooseRoundWindow : public PlayerChooser {
    Q_OBJECT
public:
    ChooseRoundWindow(platform::Services& services, QWidget* opener);

    void accept() override;
    // The list shows the players first, then the chosen player's round dates.
    enum class Step { Player, Round };
    Step step() const { return m_step; }

signals:
    void scoreWindowOpened(ScoreEntryWindow* window);
    void exited();

protected:
    void finish() override;

private:
    void listDates();
    void openRound(int position);

    Step m_step = Step::Player;
    bool m_opened = false;
};

}  // namespace quorval::gui
