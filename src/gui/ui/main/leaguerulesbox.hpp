#pragma once

#include <QGroupBox>

#include "platform/services.hpp"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quorval::gui {

// The open league's handicap rules and allowance, kept in the league's options file, and the
// button that works every stored round out again under them.
class LeagueRulesBox : public QGroupBox {
    Q_OBJECT
public:
    LeagueRulesBox(platform::Services& services, QWidget* parent = nullptr);

    // Stores a changed choice after the user confirms it; false when he declines or it fails.
    bool apply();
    void recomputeAll();

signals:
    // The rules shown changed: whether they use the factor, the index limits and averaging.
    void classicOptionsUsed(bool used);
    // Every stored round was worked out again.
    void recomputed();

private:
    store::LeagueOptions shown() const;

    platform::Services& m_services;
    QComboBox* m_rules;
    QSpinBox* m_allowance;
    QPushButton* m_recompute;
};

}  // namespace quorval::gui
