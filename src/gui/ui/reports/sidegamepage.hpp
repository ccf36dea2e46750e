#pragma once

#include <QWidget>

#include "platform/services.hpp"
#include "play/sidegamereport.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace quorval::gui {

// A side game of one date in the Results of a Day window: its options, the game as text and a
// Print button. The text follows every change of an option.
class SideGamePage : public QWidget {
    Q_OBJECT
public:
    SideGamePage(platform::Services& services, const results::PlayDate& date, play::SideGame game);

    QString text() const;

private:
    // What the options ask for; false with the reason on `error` when an amount is not one.
    bool request(play::SideGamePrint& what, std::string& error) const;
    void refresh();
    void print();

    platform::Services& m_services;
    results::PlayDate m_date;
    play::SideGame m_game;
    QComboBox* m_course;
    QCheckBox* m_gross = nullptr;
    QSpinBox* m_allowance;
    QComboBox* m_ties = nullptr;
    QLineEdit* m_buyIn = nullptr;
    QLineEdit* m_pot = nullptr;
    QPlainTextEdit* m_text;
    QPushButton* m_print;
};

}  // namespace quorval::gui
