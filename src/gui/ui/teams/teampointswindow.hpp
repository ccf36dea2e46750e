#pragma once

#include "ui/childwindow.hpp"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace quorval::gui {

// Each team's point record: entries with a description, points that the program totals and a
// total the user keeps. Changes are written to the team file when the window closes.
class TeamPointsWindow : public ChildWindow {
    Q_OBJECT
public:
    TeamPointsWindow(platform::Services& services, QWidget* opener);

    // What the buttons do.
    void add();
    void remove();
    void nextTeam();
    void previousTeam();
    // teamcombo: the team picked in the list, after the same offer to add pending values.
    void goToTeam(int row);

protected:
    void finish() override;

private:
    QHBoxLayout* buildHeading();
    void buildMembers();
    QHBoxLayout* buildDateRow();
    void buildList();
    QGridLayout* buildEntryGrid(QPushButton* addButton);
    int team() const;
    void showmembers();
    void listinfo();
    void dateChecked();
    // Adds the typed values first when the user wants them kept.
    void checkfornewinfo();

    QLabel* m_teamName;
    QLabel* m_recordNumber;
    QPlainTextEdit* m_members;
    QLineEdit* m_date;
    QCheckBox* m_dateCheck;
    QLineEdit* m_description;
    QLineEdit* m_points;
    QLineEdit* m_kept;
    QListWidget* m_list;
    QLabel* m_total;
    QComboBox* m_teamList;
};

}  // namespace quorval::gui
