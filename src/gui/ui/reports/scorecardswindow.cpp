#include "ui/reports/scorecardswindow.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dates/dateorder.hpp"
#include "reports/scorecards.hpp"
#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"

namespace quorval::gui {

ScorecardsWindow::ScorecardsWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "scorecards", "Print Scorecards") {
    store::LeagueData& data = services.data;
    setHelpTopic("Scorecards");
    m_course = new QComboBox;
    m_course->setObjectName("coursecombo");
    for (int c = 1; c <= std::min<int>(data.courseCount, store::kMaxCourses); ++c) {
        const std::string& name = data.courses[c][store::course_field::kName];
        if (!name.empty()) m_course->addItem(QString::fromStdString(name), c);
    }
    int current = m_course->findData(static_cast<int>(data.currentCourse));
    if (current >= 0) m_course->setCurrentIndex(current);

    auto* tees = new QHBoxLayout;
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        m_tees[t] = new QRadioButton(QString::fromStdString(std::string(store::TeeName(t))));
        m_tees[t]->setObjectName(QString("teebutton%1").arg(t));
        tees->addWidget(m_tees[t]);
    }
    m_tees[store::kWhiteTee]->setChecked(true);
    tees->addStretch(1);

    const platform::Date today = services.clock.today();
    m_date = new QLineEdit(QString::fromStdString(
        results::DateText({today.month, today.day, today.year % 100}, services.data.settings.dateOrder)));
    m_date->setObjectName("datetext");
    m_date->setMaximumWidth(100);

    m_all = new QCheckBox("All players");
    m_all->setObjectName("allcheck");
    m_all->setChecked(true);
    m_players = new QListWidget;
    m_players->setObjectName("playerlist");
    m_players->setSelectionMode(QAbstractItemView::MultiSelection);
    FillPlayerNameList(m_players, data);
    m_players->setEnabled(false);
    connect(m_all, &QCheckBox::toggled, m_players, [this](bool all) { m_players->setEnabled(!all); });

    auto* form = new QFormLayout;
    form->addRow("Course", m_course);
    form->addRow("Tee", tees);
    form->addRow("Date", m_date);
    form->addRow("Players", m_all);
    form->addRow("", m_players);

    auto* print = makeButton("printbutton", "&Print", "One card per player, four to a page");
    print->setDefault(true);
    auto* closeButton = makeButton("exitbutton", "&Close");
    auto* info = makeHelpButton("infobutton", "Help on scorecards");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Scorecards"); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] {
        if (printCards()) close();
    });
    connect(closeButton, &QPushButton::clicked, this, &ScorecardsWindow::close);
    adjustSize();
    centreOnScreen();
}

bool ScorecardsWindow::printCards() {
    auto tell = [this](const std::string& text) {
        m_services.dialogs.message({text, "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return false;
    };
    reports::ScorecardOptions options;
    if (m_course->currentIndex() < 0) return tell("Choose the course to be played.");
    options.course = m_course->currentData().toInt();
    for (int t = store::kRedTee; t <= store::kBlueTee; ++t) {
        if (m_tees[t]->isChecked()) options.tee = t;
    }
    const store::DateOrder order = m_services.data.settings.dateOrder;
    const std::string typed = m_date->text().trimmed().toStdString();
    auto date = results::ParseDate(typed, order);
    if (!date) return tell(dates::RefusedMessage(order, typed));
    options.date = *date;
    if (!m_all->isChecked()) {
        for (int row = 0; row < m_players->count(); ++row) {
            if (m_players->item(row)->isSelected()) options.players.push_back(PlayerSlot(m_players->item(row)));
        }
        if (options.players.empty()) return tell("Choose the players, or tick All players.");
    }
    m_services.dialogs.beginBusy("");
    bool printed = reports::PrintScorecards(m_services.printer, m_services.data, options);
    m_services.dialogs.endBusy();
    if (!printed) return tell("The league has no players to print cards for.");
    return true;
}

}  // namespace quorval::gui
