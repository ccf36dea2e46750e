#pragma once

#include <vector>

#include "play/matchplay.hpp"
#include "store/schedulefile.hpp"
#include "ui/childwindow.hpp"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quorval::gui {

// The matches of a scheduled date: pairings, handicaps, strokes, holes and points, with buttons to
// record the points as team point entries and to print the sheet or the match cards.
class MatchesWindow : public ChildWindow {
    Q_OBJECT
public:
    MatchesWindow(platform::Services& services, QWidget* opener);

    QString text() const;
    void chooseDate(int row);
    // Shows the hole-by-hole table of the night's scored pairing in that row of the pairing list.
    void choosePairing(int row);
    QString holesText() const;
    void record();

private:
    void print();
    void fillPairings();

    store::Schedule m_schedule;
    std::vector<play::Day> m_dates;
    std::vector<play::SideMatch> m_matches;
    std::vector<const play::Pairing*> m_scored;
    QComboBox* m_date;
    QPlainTextEdit* m_text;
    QComboBox* m_pairing;
    QPlainTextEdit* m_holes;
    QPushButton* m_record;
};

// The standings over the season or a part of it.
class StandingsWindow : public ChildWindow {
    Q_OBJECT
public:
    StandingsWindow(platform::Services& services, QWidget* opener);

    QString text() const;
    // Dates in the user's order; empty text leaves that end open.
    void setRange(const QString& from, const QString& to);

private:
    void refresh();
    void print();

    store::Schedule m_schedule;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QPlainTextEdit* m_text;
    std::vector<std::string> m_lines;
};

}  // namespace quorval::gui
