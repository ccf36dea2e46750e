#include "ui/main/leaguerulesbox.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "entry/recompute.hpp"
#include "handicap/rules.hpp"
#include "league/leagues.hpp"
#include "store/leagueoptions.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

namespace {

constexpr store::HandicapRules kChoices[] = {store::HandicapRules::Classic, store::HandicapRules::WHS};

}  // namespace

LeagueRulesBox::LeagueRulesBox(platform::Services& services, QWidget* parent)
    : QGroupBox("League handicap rules", parent), m_services(services) {
    setObjectName("rulesframe");
    const store::LeagueData& data = services.data;
    bool open = !data.leagueFileName.empty();

    m_rules = new QComboBox;
    m_rules->setObjectName("rulescombo");
    for (store::HandicapRules r : kChoices) {
        m_rules->addItem(QString::fromStdString(handicap::RulesFor(r).title()));
        if (r == data.options.rules) m_rules->setCurrentIndex(m_rules->count() - 1);
    }
    m_allowance = new QSpinBox;
    m_allowance->setObjectName("allowancespin");
    m_allowance->setRange(1, 100);
    m_allowance->setSuffix(" %");
    m_allowance->setValue(data.options.allowance);
    m_recompute =
        makeButton("recomputebutton", "Recompute all indexes", "Work out every stored round again under these rules");
    QLabel* note =
        makePanel("rulesnote",
                  open ? "Changing the rules recomputes nothing already stored." : "Open a league to choose its rules.",
                  QFrame::Sunken);

    auto* row = new QHBoxLayout;
    row->addWidget(m_rules, 1);
    row->addWidget(new QLabel("Allowance"));
    row->addWidget(m_allowance);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(note);
    layout->addWidget(m_recompute);
    setEnabled(open);

    connect(m_rules, &QComboBox::currentIndexChanged, this, [this](int i) {
        emit classicOptionsUsed(handicap::RulesFor(kChoices[i < 0 ? 0 : i]).usesFactorLimitAndAveraging());
    });
    connect(m_recompute, &QPushButton::clicked, this, &LeagueRulesBox::recomputeAll);
}

store::LeagueOptions LeagueRulesBox::shown() const {
    int i = m_rules->currentIndex();
    store::LeagueOptions options = m_services.data.options;  // the other sections stay as they are
    options.rules = kChoices[i < 0 ? 0 : i];
    options.allowance = static_cast<int16_t>(m_allowance->value());
    return options;
}

bool LeagueRulesBox::apply() {
    store::LeagueData& data = m_services.data;
    store::LeagueOptions wanted = shown();
    if (data.leagueFileName.empty() || wanted == data.options) return true;
    std::string question = platform::joinLines(
        {"Keep league " + league::LeagueName(data) + " by the " + handicap::RulesFor(wanted.rules).title() +
             " rules with an allowance of " + std::to_string(wanted.allowance) + " %?",
         "", "Rounds already stored keep their differentials, indexes and", "course handicaps: nothing is recomputed.",
         "'Recompute all indexes' works them out again."});
    if (m_services.dialogs.message({question, "Quorval", platform::Buttons::YesNo, platform::Icon::Question, 2}) !=
        platform::Answer::Yes) {
        return false;
    }
    store::LeagueOptions before = data.options;
    data.options = wanted;
    if (!store::SaveLeagueOptions(data, m_services.dialogs)) {
        data.options = before;
        return false;
    }
    return true;
}

// One question: the rules shown, stored first when they differ from the league's, and the work.
void LeagueRulesBox::recomputeAll() {
    store::LeagueData& data = m_services.data;
    if (data.leagueFileName.empty()) return;
    store::LeagueOptions wanted = shown();
    bool changed = !(wanted == data.options);
    std::string rules = handicap::RulesFor(wanted.rules).title() + " rules";
    if (changed) rules += " with an allowance of " + std::to_string(wanted.allowance) + " %";
    std::string question = platform::joinLines(
        {"Work out the differential, index and course handicap of every", "stored round again, by the " + rules + "?",
         changed ? "The league keeps these rules from now on.\r\n" : "",
         "The league file is copied to " + entry::RecomputeBackupName(data.leagueFileName) + " first."});
    if (m_services.dialogs.message({question, "Quorval", platform::Buttons::YesNo, platform::Icon::Question, 2}) !=
        platform::Answer::Yes) {
        return;
    }
    if (changed) {
        store::LeagueOptions before = data.options;
        data.options = wanted;
        if (!store::SaveLeagueOptions(data, m_services.dialogs)) {
            data.options = before;
            return;
        }
    }
    if (entry::RecomputeAllIndexes(data, m_services.dialogs)) emit recomputed();
}

}  // namespace quorval::gui
