#pragma once

#include <array>

#include "ui/childwindow.hpp"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QVBoxLayout;

namespace quorval::gui {

class LeaguePlayBox;
class LeagueRulesBox;

// "Quorval Settings": print font, date order and handicap options. Accepting stores them in both settings
// files; closing by the title bar leaves every setting as it was.
class SettingsWindow : public ChildWindow {
    Q_OBJECT
public:
    SettingsWindow(platform::Services& services, QWidget* opener);

    void accept();

private:
    void chooseFont(const QString& family);
    QWidget* leagueRules();
    QVBoxLayout* buildFontColumn();
    QGroupBox* buildNineHoleFrame();
    QVBoxLayout* buildOptions();

    QListWidget* m_fonts;
    QLabel* m_fontLabel;
    std::array<QRadioButton*, 4> m_nineHole{};
    QCheckBox* m_limit;
    QCheckBox* m_dateRemind;
    QCheckBox* m_equitable;
    QCheckBox* m_average;
    QCheckBox* m_openLast;
    QLineEdit* m_factor;
    QComboBox* m_dateOrder;
    LeagueRulesBox* m_rulesBox = nullptr;
    LeaguePlayBox* m_playBox = nullptr;
    QLabel* m_unusedNote = nullptr;
};

}  // namespace quorval::gui
