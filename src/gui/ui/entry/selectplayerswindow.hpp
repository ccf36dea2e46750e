#pragma once

#include "ui/childwindow.hpp"

class QComboBox;
class QDate;
class QLineEdit;
class QGroupBox;
class QLabel;
class QListWidget;

namespace quorval::gui {

class ScoreEntryWindow;

// "Player & Course Selection for Score Entry": the date, the course and the players of a round,
// handed to the score entry window, with or without fairways, greens and putts.
class SelectPlayersWindow : public ChildWindow {
    Q_OBJECT
public:
    SelectPlayersWindow(platform::Services& services, QWidget* opener, bool withStatistics);

    void accept();
    void cancel();
    void stepMonth(int step);
    void stepDay(int step);
    void stepYear(int step);
    void setDate(const QDate& date);
    // Takes the date typed in the date field; a text that is not a real date is refused with a
    // message and left in the field to be mended. Returns whether the field holds the date shown.
    bool takeTypedDate();

signals:
    void scoreWindowOpened(ScoreEntryWindow* window);

protected:
    void finish() override;

private:
    QGroupBox* buildCourseBox();
    QGroupBox* buildDateBox();
    void showDate();
    void keepDayInMonth();
    int courseNamed(const QString& text) const;

    QListWidget* m_players;
    QComboBox* m_courses;
    QLabel* m_month;
    QLabel* m_day;
    QLabel* m_year;
    QLineEdit* m_date;
    QWidget* m_yearSpin;
    const bool m_statistics;
    int m_monthValue = 1;
    int m_dayValue = 1;
    int m_yearValue = 0;
    bool m_accepted = false;
    bool m_dateTyped = false;     // the field's text has not been read yet
    bool m_refusingDate = false;  // the refusal's box took the focus: no second refusal for that
};

// The four-digit year of a two-digit one: 85..99 are 19xx, 0..84 are 20xx.
int FullYear(int twoDigitYear);
int DaysInMonth(int month, int twoDigitYear);

}  // namespace quorval::gui
