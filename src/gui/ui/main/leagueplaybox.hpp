#pragma once

#include <QGroupBox>

#include "platform/services.hpp"

class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace quorval::gui {

// How the open league scores its matches, kept in the league's options file.
class LeaguePlayBox : public QGroupBox {
    Q_OBJECT
public:
    LeaguePlayBox(platform::Services& services, QWidget* parent = nullptr);

    // Stores changed options; false when saving fails.
    bool apply();

private:
    platform::Services& m_services;
    QDoubleSpinBox* m_hole;
    QDoubleSpinBox* m_halve;
    QDoubleSpinBox* m_match;
    QDoubleSpinBox* m_teamTotal;
    QSpinBox* m_allowance;
    QComboBox* m_forfeit;
};

}  // namespace quorval::gui
