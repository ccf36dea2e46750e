#include "ui/main/leagueplaybox.hpp"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include "store/leagueoptions.hpp"

namespace quorval::gui {

namespace {

QDoubleSpinBox* pointsSpin(const char* name, double value) {
    auto* spin = new QDoubleSpinBox;
    spin->setObjectName(name);
    spin->setRange(0, 1000);
    spin->setDecimals(2);
    spin->setSingleStep(0.5);
    spin->setValue(value);
    return spin;
}

}  // namespace

LeaguePlayBox::LeaguePlayBox(platform::Services& services, QWidget* parent)
    : QGroupBox("League play", parent), m_services(services) {
    setObjectName("playframe");
    const store::PlayOptions& play = services.data.options.play;
    m_hole = pointsSpin("holepointsspin", play.holePoints);
    m_halve = pointsSpin("halvepointsspin", play.halve());
    m_match = pointsSpin("matchpointsspin", play.matchPoints);
    m_teamTotal = pointsSpin("teamtotalspin", play.teamTotalPoints);
    m_allowance = new QSpinBox;
    m_allowance->setObjectName("playallowancespin");
    m_allowance->setRange(1, 100);
    m_allowance->setSuffix(" %");
    m_allowance->setValue(play.allowance);
    m_forfeit = new QComboBox;
    m_forfeit->setObjectName("forfeitcombo");
    m_forfeit->addItems({"all holes and the match", "nothing"});
    m_forfeit->setCurrentIndex(play.forfeitAll ? 0 : 1);
    m_forfeit->setToolTip("What a player gets when his opponent has neither a round nor a substitute");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Hole won"), 0, 0);
    grid->addWidget(m_hole, 0, 1);
    grid->addWidget(new QLabel("Halved hole"), 0, 2);
    grid->addWidget(m_halve, 0, 3);
    grid->addWidget(new QLabel("Lower net"), 1, 0);
    grid->addWidget(m_match, 1, 1);
    grid->addWidget(new QLabel("Team total"), 1, 2);
    grid->addWidget(m_teamTotal, 1, 3);
    grid->addWidget(new QLabel("Allowance"), 2, 0);
    grid->addWidget(m_allowance, 2, 1);
    grid->addWidget(new QLabel("Forfeit"), 2, 2);
    grid->addWidget(m_forfeit, 2, 3);
    setEnabled(!services.data.leagueFileName.empty());
}

bool LeaguePlayBox::apply() {
    store::LeagueData& data = m_services.data;
    if (data.leagueFileName.empty()) return true;
    store::PlayOptions wanted = data.options.play;
    wanted.holePoints = m_hole->value();
    // The halve points follow the hole points unless they were set apart from half of them.
    wanted.halvePoints = m_halve->value() == wanted.holePoints / 2 ? -1 : m_halve->value();
    wanted.matchPoints = m_match->value();
    wanted.teamTotalPoints = m_teamTotal->value();
    wanted.allowance = static_cast<int16_t>(m_allowance->value());
    wanted.forfeitAll = m_forfeit->currentIndex() == 0;
    if (wanted == data.options.play) return true;
    store::PlayOptions before = data.options.play;
    data.options.play = wanted;
    if (!store::SaveLeagueOptions(data, m_services.dialogs)) {
        data.options.play = before;
        return false;
    }
    return true;
}

}  // namespace quorval::gui
