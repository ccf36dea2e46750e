#include "ui/teams/schedulewindow.hpp"

#include <QFont>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dates/dateorder.hpp"
#include "print/printfont.hpp"
#include "reports/schedulereport.hpp"
#include "store/teamfile.hpp"
#include "widgets/controls.hpp"
#include "widgets/printconfirm.hpp"

namespace quorval::gui {

namespace {

constexpr const char* kTitle = "Season Schedule";

QSpinBox* spin(const QString& name, int low, int high, int value) {
    auto* box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QLineEdit* edit(const QString& name, const QString& text) {
    auto* line = new QLineEdit(text);
    line->setObjectName(name);
    return line;
}

QRadioButton* option(const QString& name, const QString& caption) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    return button;
}

}  // namespace

ScheduleWindow::ScheduleWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "scheduleform", kTitle) {
    platform::Date today = m_services.clock.today();
    std::chrono::year_month_day now{std::chrono::year(today.year), std::chrono::month(unsigned(today.month)),
                                    std::chrono::day(unsigned(today.day))};
    m_start =
        edit("Starttext", QString::fromStdString(play::ShortDate(play::Date(now), m_services.data.settings.dateOrder)));
    m_weeks = spin("Weekspin", 1, 520, 10);
    m_every = spin("Everyspin", 1, 365, 7);
    m_skips = edit("Skiptext", "");
    const std::string pattern = dates::OrderPattern(m_services.data.settings.dateOrder);
    m_skips->setPlaceholderText(QString::fromStdString(pattern + ", ..."));
    m_teams = option("Teamsoption", "Teams");
    m_players = option("Playersoption", "Individuals");
    m_teams->setChecked(true);
    m_noTees = option("Noteeoption", "No tee times");
    m_teeTimes = option("Teetimeoption", "Tee times");
    m_shotgun = option("Shotgunoption", "Shotgun start");
    m_teeTimes->setChecked(true);
    m_firstTee = edit("Teetext", "17:00");
    m_gap = spin("Gapspin", 0, 240, 10);

    auto* make = new QGroupBox("Make a Schedule");
    make->setObjectName("Frame1");
    auto* form = new QFormLayout(make);
    form->addRow(QString::fromStdString("Start (" + pattern + ")"), m_start);
    form->addRow("Weeks", m_weeks);
    form->addRow("Every (days)", m_every);
    form->addRow("Skip dates", m_skips);
    auto* sides = new QHBoxLayout;
    sides->addWidget(m_teams);
    sides->addWidget(m_players);
    form->addRow("Play as", sides);
    auto* tees = new QVBoxLayout;
    tees->addWidget(m_noTees);
    tees->addWidget(m_teeTimes);
    tees->addWidget(m_shotgun);
    form->addRow("Start", tees);
    form->addRow("First tee (HH:MM)", m_firstTee);
    form->addRow("Minutes apart", m_gap);
    auto* makeButton = gui::makeButton("Makebutton", "&Make Schedule", "Make the season's round-robin schedule");
    form->addRow(makeButton);

    m_list = new QListWidget;
    m_list->setObjectName("List1");
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::Monospace);
    m_list->setFont(fixed);
    m_list->setMinimumSize(420, 360);

    auto* rain = gui::makeButton("Rainoutbutton", "&Rain-out", "Move the selected date's matchups to a new last week");
    auto* up = gui::makeButton("Swapbutton", "Move &Up", "Swap the selected matchup with the one before it");
    auto* change = gui::makeButton("Editbutton", "&Edit Matchup...", "Change the sides of the selected matchup");
    auto* sub = gui::makeButton("Subbutton", "&Substitute...", "A player plays for another on the selected date");
    auto* print = gui::makeButton("Printbutton", "&Print", "Print the season schedule");
    auto* done = gui::makeButton("Donebutton", "&Done", "Close the schedule window");
    auto* info = makeHelpButton("Infobutton", "Help on the season schedule");
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {rain, up, change, sub, print, done}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(info, 0, Qt::AlignRight);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(make);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(makeButton, &QPushButton::clicked, this, &ScheduleWindow::makeSchedule);
    connect(rain, &QPushButton::clicked, this, &ScheduleWindow::rainOut);
    connect(up, &QPushButton::clicked, this, &ScheduleWindow::moveUp);
    connect(change, &QPushButton::clicked, this, &ScheduleWindow::editMatchup);
    connect(sub, &QPushButton::clicked, this, &ScheduleWindow::addSubstitute);
    connect(print, &QPushButton::clicked, this, &ScheduleWindow::printSchedule);
    connect(done, &QPushButton::clicked, this, &ScheduleWindow::close);
    setHelpTopic(kTitle);
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic(kTitle); });

    store::LoadTeamAssignments(m_services.data);
    store::LoadScheduleFile(m_services.data, m_schedule, m_services.dialogs);
    if (!m_schedule.matches.empty()) {
        m_players->setChecked(m_schedule.kind == play::SideKind::Players);
        m_every->setValue(m_schedule.every);
    }
    showSchedule();
    adjustSize();
    centreOnScreen();
}

void ScheduleWindow::showSchedule() {
    m_lines = play::ScheduleLines(m_schedule, m_services.data);
    m_list->clear();
    if (m_lines.empty()) m_list->addItem("No season schedule yet: make one on the left.");
    for (const play::ScheduleLine& line : m_lines) m_list->addItem(QString::fromStdString(line.text));
}

bool ScheduleWindow::tell(const play::Outcome& outcome) {
    if (!outcome.ok) {
        platform::Refuse(m_services.dialogs, outcome.message, kTitle);
        return false;
    }
    if (!outcome.message.empty()) {
        m_services.dialogs.message({outcome.message, kTitle, platform::Buttons::Ok, platform::Icon::Information});
    }
    return true;
}

void ScheduleWindow::keep(const play::Outcome& outcome, const play::Schedule& before) {
    if (!outcome.ok) {
        tell(outcome);
        return;
    }
    if (m_services.data.readOnly || !store::SaveScheduleFile(m_services.data, m_schedule, m_services.dialogs)) {
        if (m_services.data.readOnly) {
            platform::Refuse(m_services.dialogs, "Another program holds the data folder; nothing was saved.", kTitle);
        }
        m_schedule = before;
        showSchedule();
        return;
    }
    showSchedule();
    tell(outcome);
}

void ScheduleWindow::makeSchedule() {
    play::MakeRequest request;
    const store::DateOrder order = m_services.data.settings.dateOrder;
    auto start = play::ParseShortDate(m_start->text().trimmed().toStdString(), order);
    if (!start) {
        tell({false, dates::RefusedMessage(order, m_start->text().trimmed().toStdString())});
        return;
    }
    request.start = *start;
    request.weeks = m_weeks->value();
    request.every = m_every->value();
    for (const QString& part : m_skips->text().split(',', Qt::SkipEmptyParts)) {
        auto skip = play::ParseShortDate(part.trimmed().toStdString(), order);
        if (!skip) {
            tell({false, dates::RefusedMessage(order, part.trimmed().toStdString())});
            return;
        }
        request.skips.push_back(*skip);
    }
    request.kind = m_players->isChecked() ? play::SideKind::Players : play::SideKind::Teams;
    if (m_shotgun->isChecked()) request.tees.start = store::TeeStart::Shotgun;
    if (m_teeTimes->isChecked()) {
        auto first = play::ParseClock(m_firstTee->text().trimmed().toStdString());
        if (!first) {
            tell({false, m_firstTee->text().toStdString() + " is not a time of the form HH:MM."});
            return;
        }
        request.tees = {store::TeeStart::Times, *first, m_gap->value()};
    }
    if (!m_schedule.matches.empty() &&
        m_services.dialogs.message({"Replace the season schedule and its substitutes with a new one?", kTitle,
                                    platform::Buttons::YesNo, platform::Icon::Question, 2}) != platform::Answer::Yes) {
        return;
    }
    play::Schedule before = m_schedule;
    keep(play::MakeSchedule(m_services.data, request, m_schedule), before);
}

bool ScheduleWindow::selected(play::Date& date, int& place) {
    int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_lines.size())) {
        platform::Refuse(m_services.dialogs, "Select a date or a matchup in the list first.", kTitle);
        return false;
    }
    date = m_lines[static_cast<size_t>(row)].date;
    place = m_lines[static_cast<size_t>(row)].place;
    return true;
}

void ScheduleWindow::rainOut() {
    play::Date date;
    int place;
    if (!selected(date, place)) return;
    play::Schedule before = m_schedule;
    keep(play::RainOutDate(m_schedule, date, m_services.data.settings.dateOrder), before);
}

void ScheduleWindow::moveUp() {
    play::Date date;
    int place;
    if (!selected(date, place)) return;
    if (place < 1) {
        platform::Refuse(m_services.dialogs, "Select a matchup below the first of its date.", kTitle);
        return;
    }
    play::Schedule before = m_schedule;
    keep(play::SwapMatchups(m_schedule, date, place - 1, place, m_services.data.settings.dateOrder), before);
    m_list->setCurrentRow(m_list->currentRow() - 1);
}

void ScheduleWindow::editMatchup() {
    play::Date date;
    int place;
    if (!selected(date, place)) return;
    if (place < 0) {
        platform::Refuse(m_services.dialogs, "Select a matchup to change.", kTitle);
        return;
    }
    std::vector<play::Matchup> day = play::MatchupsOn(m_schedule, m_services.data, date);
    const play::Matchup& now = day[static_cast<size_t>(place)];
    auto home = m_services.dialogs.input("Home side:", kTitle, now.home);
    if (!home) return;
    auto away = m_services.dialogs.input("Away side (empty for a bye):", kTitle, now.away);
    if (!away) return;
    play::Schedule before = m_schedule;
    play::Outcome outcome = play::EditMatchup(m_schedule, m_services.data, date, place, *home, *away);
    // A side twice on one date is allowed, but only when the user means it.
    if (outcome.ok && !outcome.message.empty() &&
        m_services.dialogs.message({platform::joinLines({outcome.message, "Keep the change?"}), kTitle,
                                    platform::Buttons::YesNo, platform::Icon::Exclamation, 2}) !=
            platform::Answer::Yes) {
        m_schedule = before;
        return;
    }
    outcome.message.clear();
    keep(outcome, before);
}

void ScheduleWindow::addSubstitute() {
    play::Date date;
    int place;
    if (!selected(date, place)) return;
    auto forName = m_services.dialogs.input(
        "The player who cannot play on " + play::ShortDate(date, m_services.data.settings.dateOrder) + ":", kTitle, "");
    if (!forName) return;
    auto byName = m_services.dialogs.input("The substitute who plays for " + *forName + ":", kTitle, "");
    if (!byName) return;
    play::Schedule before = m_schedule;
    keep(play::AddSubstitute(m_schedule, m_services.data, date, *forName, *byName), before);
}

void ScheduleWindow::printSchedule() {
    if (m_schedule.matches.empty()) {
        platform::Refuse(m_services.dialogs, "There is no season schedule to print.", kTitle);
        return;
    }
    if (!confirmPrint(m_services.dialogs, kListReady)) return;
    m_services.dialogs.beginBusy("");
    reports::PrintSchedule(m_services.printer, m_services.data, m_schedule,
                           print::PrintDate(m_services.clock.today(), m_services.data.settings.dateOrder));
    m_services.dialogs.endBusy();
}

}  // namespace quorval::gui
