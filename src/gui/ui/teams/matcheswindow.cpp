#include "ui/teams/matcheswindow.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dates/dateorder.hpp"
#include "play/leaguematches.hpp"
#include "play/matchprint.hpp"
#include "play/matchreport.hpp"
#include "play/schedule.hpp"
#include "store/teamfile.hpp"
#include "ui/main/listingview.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

namespace {

QPlainTextEdit* sheet(const char* name) {
    auto* text = new QPlainTextEdit;
    text->setObjectName(name);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(fixedPitchFont(10));
    text->setMinimumSize(640, 380);
    return text;
}

QString joinedLines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out << QString::fromStdString(line);
    return out.join('\n');
}

}  // namespace

MatchesWindow::MatchesWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "matchesform", "Matches of a Date") {
    store::LoadTeamAssignments(services.data);
    store::LoadScheduleFile(services.data, m_schedule, services.dialogs);
    m_dates = play::ScheduledDates(m_schedule);
    m_date = new QComboBox;
    m_date->setObjectName("datecombo");
    for (play::Day d : m_dates)
        m_date->addItem(QString::fromStdString(play::ShortDate(d, services.data.settings.dateOrder)));
    m_text = sheet("matcheslist");
    // A pairing's line is long; it wraps rather than hide its points past the edge.
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_pairing = new QComboBox;
    m_pairing->setObjectName("pairingcombo");
    m_holes = sheet("holeslist");
    m_holes->setMinimumSize(700, 200);
    m_text->setMinimumSize(700, 240);
    m_record = makeButton("recordbutton", "&Record", "Record the points of this date as team point entries");
    auto* print = makeButton("printbutton", "&Print", "Print the matches of this date");
    auto* cards = makeButton("cardsbutton", "Match &Cards", "Print a card for every pairing of this date");
    auto* close = makeButton("exitbutton", "&Close");
    auto* info = makeHelpButton("infobutton", "Help on the matches of a date");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Matches of a Date"); });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("Date:"));
    top->addWidget(m_date);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addStretch(1);
    buttons->addWidget(m_record);
    buttons->addWidget(cards);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_text, 1);
    auto* detail = new QHBoxLayout;
    detail->addWidget(new QLabel("Hole by hole:"));
    detail->addWidget(m_pairing, 1);
    layout->addLayout(detail);
    layout->addWidget(m_holes);
    layout->addLayout(buttons);
    connect(m_pairing, &QComboBox::currentIndexChanged, this, [this](int row) { choosePairing(row); });
    connect(m_date, &QComboBox::currentIndexChanged, this, [this](int row) { chooseDate(row); });
    connect(m_record, &QPushButton::clicked, this, &MatchesWindow::record);
    connect(print, &QPushButton::clicked, this, &MatchesWindow::print);
    connect(cards, &QPushButton::clicked, this, [this] {
        int course = 0;
        for (const play::SideMatch& m : m_matches)
            for (const play::Pairing& p : m.pairings)
                if (course == 0 && p.course > 0) course = p.course;
        if (course == 0) course = 1;
        m_services.dialogs.beginBusy("");
        int row = m_date->currentIndex();
        bool printed = row >= 0 && play::PrintMatchCards(
                                       m_services.printer, m_services.data,
                                       play::MatchCards(m_services.data, m_dates[row], m_matches, course), course);
        m_services.dialogs.endBusy();
        if (!printed) m_services.dialogs.message({"There is no pairing to print a card for.", "Matches of a Date"});
    });
    connect(close, &QPushButton::clicked, this, &MatchesWindow::close);
    chooseDate(m_dates.empty() ? -1 : 0);
    adjustSize();
    centreOnScreen();
}

QString MatchesWindow::text() const {
    return m_text->toPlainText();
}

QString MatchesWindow::holesText() const {
    return m_holes->toPlainText();
}

void MatchesWindow::choosePairing(int row) {
    if (row < 0 || row >= static_cast<int>(m_scored.size())) {
        m_holes->setPlainText(m_scored.empty() ? "No pairing of this date was scored hole by hole." : "");
        return;
    }
    if (row != m_pairing->currentIndex()) {
        m_pairing->setCurrentIndex(row);  // comes back here through the signal
        return;
    }
    m_holes->setPlainText(joinedLines(play::HoleByHoleLines(m_services.data, *m_scored[row])));
}

void MatchesWindow::fillPairings() {
    m_scored.clear();
    const QSignalBlocker quiet(m_pairing);
    m_pairing->clear();
    for (const play::SideMatch& m : m_matches) {
        for (const play::Pairing& p : m.pairings) {
            if (!p.scored) continue;
            m_scored.push_back(&p);
            m_pairing->addItem(QString::fromStdString(play::PlayerText(m_services.data, p.a) + " v " +
                                                      play::PlayerText(m_services.data, p.b)));
        }
    }
    m_pairing->setEnabled(!m_scored.empty());
    m_pairing->setCurrentIndex(m_scored.empty() ? -1 : 0);
    choosePairing(m_scored.empty() ? -1 : 0);
}

void MatchesWindow::chooseDate(int row) {
    if (row >= 0 && row != m_date->currentIndex()) {
        m_date->setCurrentIndex(row);  // comes back here through the signal
        return;
    }
    m_matches.clear();
    m_scored.clear();
    if (row < 0 || row >= static_cast<int>(m_dates.size())) {
        m_text->setPlainText("The league has no season schedule: make one with Teams, Season Schedule.");
        m_record->setEnabled(false);
        fillPairings();
        return;
    }
    std::string problem = play::MatchesOn(m_schedule, m_services.data, m_dates[row], m_matches);
    std::vector<std::string> lines = play::MatchLines(m_services.data, m_matches);
    if (!problem.empty()) lines = {problem};
    if (lines.empty()) lines = {"Every side has a bye on this date."};
    m_text->setPlainText(joinedLines(lines));
    fillPairings();
    m_record->setEnabled(!m_matches.empty() && play::KindOf(m_schedule) == play::LeagueKind::Teams &&
                         !m_services.data.readOnly);
}

void MatchesWindow::record() {
    int row = m_date->currentIndex();
    if (row < 0 || m_matches.empty()) return;
    store::TeamPart before = m_services.data.teams;
    std::string problem = play::RecordTeamPoints(m_services.data, m_dates[row], m_matches);
    if (!problem.empty() || !store::SaveTeamFile(m_services.data, m_services.dialogs)) {
        m_services.data.teams = before;
        if (!problem.empty()) m_services.dialogs.message({problem, "Matches of a Date"});
        return;
    }
    m_services.dialogs.message({"The points of " + play::ShortDate(m_dates[row], m_services.data.settings.dateOrder) +
                                    " are recorded as team point entries.",
                                "Matches of a Date"});
}

void MatchesWindow::print() {
    int row = m_date->currentIndex();
    if (row < 0) return;
    m_services.dialogs.beginBusy("");
    play::PrintSheet(m_services.printer, m_services.data,
                     "Matches of " + play::ShortDate(m_dates[row], m_services.data.settings.dateOrder),
                     play::MatchLines(m_services.data, m_matches));
    m_services.dialogs.endBusy();
}

StandingsWindow::StandingsWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "standingsform", "Standings") {
    store::LoadTeamAssignments(services.data);
    store::LoadScheduleFile(services.data, m_schedule, services.dialogs);
    m_from = new QLineEdit;
    m_from->setObjectName("fromtext");
    const QString pattern = QString::fromStdString(dates::OrderPattern(services.data.settings.dateOrder));
    m_from->setPlaceholderText(pattern);
    m_to = new QLineEdit;
    m_to->setObjectName("totext");
    m_to->setPlaceholderText(pattern);
    m_text = sheet("standingslist");
    auto* showButton = makeButton("showbutton", "&Show", "Show the standings over these dates");
    auto* print = makeButton("printbutton", "&Print", "Print the standings");
    auto* close = makeButton("exitbutton", "&Close");
    auto* info = makeHelpButton("infobutton", "Help on the standings");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Standings"); });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel("From:"));
    top->addWidget(m_from);
    top->addWidget(new QLabel("To:"));
    top->addWidget(m_to);
    top->addWidget(showButton);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(info);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    connect(showButton, &QPushButton::clicked, this, &StandingsWindow::refresh);
    connect(print, &QPushButton::clicked, this, &StandingsWindow::print);
    connect(close, &QPushButton::clicked, this, &StandingsWindow::close);
    refresh();
    adjustSize();
    centreOnScreen();
}

QString StandingsWindow::text() const {
    return m_text->toPlainText();
}

void StandingsWindow::setRange(const QString& from, const QString& to) {
    m_from->setText(from);
    m_to->setText(to);
    refresh();
}

void StandingsWindow::refresh() {
    std::optional<play::Day> from, to;
    for (auto [edit, date] : {std::pair{m_from, &from}, std::pair{m_to, &to}}) {
        QString typed = edit->text().trimmed();
        if (typed.isEmpty()) continue;
        *date = play::ParseShortDate(typed.toStdString(), m_services.data.settings.dateOrder);
        if (!*date) {
            m_services.dialogs.message(
                {dates::RefusedMessage(m_services.data.settings.dateOrder, typed.toStdString()), "Standings"});
            return;
        }
    }
    if (m_schedule.matches.empty()) {
        m_lines = {};
        m_text->setPlainText("The league has no season schedule: make one with Teams, Season Schedule.");
        return;
    }
    m_lines = play::StandingLines(play::SeasonStandings(m_schedule, m_services.data, from, to));
    m_text->setPlainText(joinedLines(m_lines));
}

void StandingsWindow::print() {
    if (m_lines.empty()) return;
    m_services.dialogs.beginBusy("");
    play::PrintSheet(m_services.printer, m_services.data, "Standings", m_lines);
    m_services.dialogs.endBusy();
}

}  // namespace quorval::gui
