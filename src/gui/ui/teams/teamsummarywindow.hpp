#pragma once

#include "ui/childwindow.hpp"

class QCheckBox;
class QRadioButton;

namespace quorval::gui {

// "Team Report Printing Options": prints every team's heading, members, point entries and totals.
// Reads the team part only; nothing is saved.
class TeamSummaryWindow : public ChildWindow {
    Q_OBJECT
public:
    TeamSummaryWindow(platform::Services& services, QWidget* opener);

    void printSummary();

private:
    QCheckBox* m_names;
    QRadioButton* m_allEvents;
    QRadioButton* m_lastEvent;
};

}  // namespace quorval::gui
