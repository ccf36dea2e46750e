#pragma once

#include <vector>

#include "ui/childwindow.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorval::gui {

// Fills a team list (one entry a team, team 1 first) and shows the current team in it, quietly.
void FillTeamList(QComboBox* list, const store::TeamPart& teams);

// "Quorval Team Set-up": names, creates and removes the league's teams and puts players on them.
// The teams are saved when the window closes, however it is closed.
class TeamSetupWindow : public ChildWindow {
    Q_OBJECT
public:
    TeamSetupWindow(platform::Services& services, QWidget* opener);

    void createTeam();
    void removeTeam();
    void addPlayers();
    void removePlayers();
    void nextTeam();
    void previousTeam();
    // teamcombo: the team picked in the list becomes the current team.
    void goToTeam(int row);

protected:
    void finish() override;

private:
    void refresh();
    void rename(const QString& text);
    static std::vector<int> selectedSlots(const QListWidget* list);

    QLineEdit* m_name;
    QLabel* m_record;
    QLabel* m_start;
    QListWidget* m_unassigned;
    QListWidget* m_members;
    QPushButton* m_create;
    QComboBox* m_teamList;
};

}  // namespace quorval::gui
