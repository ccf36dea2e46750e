#pragma once

#include "play/schedule.hpp"
#include "ui/childwindow.hpp"

class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace quorval::gui {

// "Season Schedule": makes the round-robin season, shows it date by date and changes it (rain-out,
// a matchup moved up in tee order, a matchup edited, a substitute). Every change is saved at once.
class ScheduleWindow : public ChildWindow {
    Q_OBJECT
public:
    ScheduleWindow(platform::Services& services, QWidget* opener);

    void makeSchedule();
    void rainOut();
    void moveUp();
    void editMatchup();
    void addSubstitute();
    void printSchedule();

private:
    void showSchedule();
    // The selected line's date and matchup place; false, with a beep, when no line is selected.
    bool selected(play::Date& date, int& place);
    // Saves the changed schedule, or puts the saved one back when it cannot be saved.
    void keep(const play::Outcome& outcome, const play::Schedule& before);
    bool tell(const play::Outcome& outcome);

    play::Schedule m_schedule;
    std::vector<play::ScheduleLine> m_lines;
    QLineEdit* m_start;
    QSpinBox* m_weeks;
    QSpinBox* m_every;
    QLineEdit* m_skips;
    QRadioButton* m_teams;
    QRadioButton* m_players;
    QRadioButton* m_noTees;
    QRadioButton* m_teeTimes;
    QRadioButton* m_shotgun;
    QLineEdit* m_firstTee;
    QSpinBox* m_gap;
    QListWidget* m_list;
};

}  // namespace quorval::gui
