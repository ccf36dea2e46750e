#include "ui/teams/teampointswindow.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "print/printfont.hpp"
#include "store/teamfile.hpp"
#include "teams/teampoints.hpp"
#include "text/numbers.hpp"
#include "ui/main/listingview.hpp"
#include "ui/teams/teamsetupwindow.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

namespace {

constexpr int kListCharacters = 78;  // an entry line with a short description, and a margin
constexpr int kVisibleEntries = 14;

QLineEdit* box(const QString& name, const QString& tip) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setToolTip(tip);
    return edit;
}

QLabel* caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

std::string textOf(const QLineEdit* edit) {
    return edit->text().toStdString();
}

}  // namespace

QHBoxLayout* TeamPointsWindow::buildHeading() {
    m_teamName = makePanel("TeamNameLabel", "Team Name", QFrame::Raised);
    m_teamName->setAlignment(Qt::AlignCenter);
    QFont nameFont = m_teamName->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    nameFont.setBold(true);
    m_teamName->setFont(nameFont);
    m_recordNumber = makePanel("RecordNumberLabel", "Team # of #");
    m_recordNumber->setAlignment(Qt::AlignCenter);

    auto* heading = new QHBoxLayout;
    heading->addWidget(m_teamName, 1);
    heading->addWidget(m_recordNumber);
    return heading;
}

void TeamPointsWindow::buildMembers() {
    m_members = new QPlainTextEdit;
    m_members->setObjectName("Membertext");
    m_members->setToolTip("Players in this Team");
    m_members->setReadOnly(true);
    // Three lines of names show at once and a big team scrolls. The box ends where a fourth line
    // would begin, so no sliver of it shows.
    m_members->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_members->document()->setDocumentMargin(2);
    m_members->setFixedHeight(QFontMetrics(m_members->font()).height() * 3 + 2 * m_members->frameWidth() + 2);
}

QHBoxLayout* TeamPointsWindow::buildDateRow() {
    m_date = box("DateText", "Can be a note, date or location");
    m_dateCheck = new QCheckBox("Begin each line with -->");
    m_dateCheck->setObjectName("DateCheck");
    m_dateCheck->setToolTip("Starting Date or comment");

    auto* date = new QHBoxLayout;
    date->addWidget(m_date);
    date->addWidget(m_dateCheck);
    date->addStretch(1);
    return date;
}

// The team's entries in fixed-pitch columns, wide enough for a whole line.
void TeamPointsWindow::buildList() {
    m_list = new QListWidget;
    m_list->setObjectName("List1");
    m_list->setToolTip("Click to select lines");
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list->setFont(fixedPitchFont());
    m_list->setUniformItemSizes(true);
    QFontMetrics metrics(m_list->font());
    // Room for every column of a line beside the scroll bar that a long record shows.
    const int scrollBar = m_list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    m_list->setMinimumWidth(metrics.horizontalAdvance(QString(kListCharacters, '0')) + scrollBar +
                            2 * m_list->frameWidth());
    m_list->setMinimumHeight(kVisibleEntries * metrics.lineSpacing());
}

// The boxes of a new entry under their captions, with the button that adds it.
QGridLayout* TeamPointsWindow::buildEntryGrid(QPushButton* addButton) {
    m_description = box("Text1", "Description or Event");
    m_points = box("Calculatedtext", "Totaled by the program");
    m_kept = box("ManualText", "Total kept by you");
    for (QLineEdit* value : {m_points, m_kept}) value->setMaximumWidth(90);

    // The kept total comes before the points, as in the list's columns.
    auto* entry = new QGridLayout;
    entry->addWidget(caption("&Event or Comment", m_description), 0, 0);
    entry->addWidget(caption("Your running count\n(kept as typed)", m_kept), 0, 1);
    entry->addWidget(caption("Points to add\n(totalled below)", m_points), 0, 2);
    entry->addWidget(m_description, 1, 0);
    entry->addWidget(m_kept, 1, 1);
    entry->addWidget(m_points, 1, 2);
    entry->addWidget(addButton, 1, 3);
    entry->setColumnStretch(0, 1);
    return entry;
}

TeamPointsWindow::TeamPointsWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "teamdataform", "Quorval") {
    auto* addButton = makeButton("Addbutton", "&Add Event Information", "Enter new information to the list");

    QHBoxLayout* heading = buildHeading();
    buildMembers();
    QHBoxLayout* date = buildDateRow();
    buildList();

    auto* removeButton = makeButton("Removebutton", "&Remove Entry", "Remove the selected lines");
    auto* totalCaption = new QLabel("Calculated running total:");
    totalCaption->setObjectName("Label3");
    m_total = makePanel("TotalLabel", "");
    m_total->setMinimumWidth(90);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* previous = makeButton("prevteambutton", "&Previous Team", "Switch to previous team");
    auto* next = makeButton("nextteambutton", "&Next Team", "Switch to next team");
    auto* help = makeHelpButton("Image1", "Help on team points");
    auto* exit = makeButton("exitbutton", "E&xit", "Close Team point window");

    QGridLayout* entry = buildEntryGrid(addButton);

    auto* total = new QHBoxLayout;
    total->addWidget(removeButton);
    total->addStretch(1);
    total->addWidget(totalCaption);
    total->addWidget(m_total);

    // With many teams, the list reaches any of them at once.
    m_teamList = new QComboBox;
    m_teamList->setObjectName("teamcombo");
    m_teamList->setToolTip("Go to a team");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous);
    buttons->addWidget(m_teamList, 1);
    buttons->addWidget(next);
    buttons->addStretch(1);
    buttons->addWidget(help);
    buttons->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(m_members);
    layout->addLayout(date);
    layout->addLayout(entry);
    layout->addWidget(m_list, 1);
    layout->addLayout(total);
    layout->addLayout(buttons);
    adjustSize();
    centreOnScreen();

    store::LoadTeamFile(services.data);
    services.data.teams.currentTeam = 1;
    showmembers();
    platform::Date today = services.clock.today();
    m_date->setText(QString::fromStdString(print::PrintDate(today, m_services.data.settings.dateOrder)));
    listinfo();

    connect(m_dateCheck, &QCheckBox::clicked, this, &TeamPointsWindow::dateChecked);
    connect(addButton, &QPushButton::clicked, this, &TeamPointsWindow::add);
    for (QLineEdit* edit : {m_description, m_kept, m_points}) {
        connect(edit, &QLineEdit::returnPressed, this, &TeamPointsWindow::add);
    }
    connect(removeButton, &QPushButton::clicked, this, &TeamPointsWindow::remove);
    connect(next, &QPushButton::clicked, this, &TeamPointsWindow::nextTeam);
    connect(previous, &QPushButton::clicked, this, &TeamPointsWindow::previousTeam);
    setHelpTopic("Team data");
    connect(m_teamList, &QComboBox::activated, this, &TeamPointsWindow::goToTeam);
    connect(help, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Team data"); });
    connect(exit, &QPushButton::clicked, this, &TeamPointsWindow::close);
}

int TeamPointsWindow::team() const {
    return std::clamp<int>(m_services.data.teams.currentTeam, 1, store::kMaxTeams);
}

void TeamPointsWindow::showmembers() {
    const store::LeagueData& data = m_services.data;
    m_members->setPlainText(QString::fromStdString(teams::MemberText(data, team())));
    m_teamName->setText(QString::fromStdString(data.teams.teamNames[team()]));
    m_recordNumber->setText(QString::fromStdString(teams::TeamNumberText(data, team())));
    FillTeamList(m_teamList, data.teams);
}

void TeamPointsWindow::goToTeam(int row) {
    checkfornewinfo();
    store::TeamPart& teams = m_services.data.teams;
    if (row >= 0 && row < teams.teamCount) {
        teams.currentTeam = static_cast<int16_t>(row + 1);
        showmembers();
    }
    listinfo();
}

void TeamPointsWindow::listinfo() {
    m_list->clear();
    for (const std::string& line : teams::listinfo(m_services.data, team()))
        m_list->addItem(QString::fromStdString(line));
    // The newest entry is the one the user looks for: scrolled to now, and again once a window
    // just opened has its final size.
    m_list->scrollToBottom();
    QTimer::singleShot(0, m_list, &QListWidget::scrollToBottom);
    m_points->clear();
    m_kept->clear();
    m_description->clear();
    if (m_dateCheck->isChecked()) m_description->setText(m_date->text() + " ");
    m_total->setText(QString::fromStdString(text::generalForm(teams::countpoints(m_services.data, team()))));
}

void TeamPointsWindow::dateChecked() {
    if (m_dateCheck->isChecked() && m_description->text().isEmpty()) m_description->setText(m_date->text() + " ");
}

void TeamPointsWindow::add() {
    teams::AddOutcome outcome = teams::AddTeamEntry(m_services.data, m_services.dialogs, team(), textOf(m_description),
                                                    textOf(m_points), textOf(m_kept));
    if (outcome != teams::AddOutcome::Added) return;
    listinfo();
    m_list->scrollToBottom();
    m_description->setFocus();
}

void TeamPointsWindow::remove() {
    std::vector<int> rows;
    for (QListWidgetItem* item : m_list->selectedItems()) rows.push_back(m_list->row(item));
    if (rows.empty()) return;
    teams::RemoveTeamEntries(m_services.data, team(), rows);
    listinfo();
}

void TeamPointsWindow::checkfornewinfo() {
    if (teams::checkfornewinfo(m_services.dialogs, textOf(m_points), textOf(m_kept))) add();
}

void TeamPointsWindow::nextTeam() {
    checkfornewinfo();
    store::TeamPart& teams = m_services.data.teams;
    if (teams.currentTeam < teams.teamCount) {
        ++teams.currentTeam;
        showmembers();
    }
    listinfo();
}

void TeamPointsWindow::previousTeam() {
    checkfornewinfo();
    store::TeamPart& teams = m_services.data.teams;
    if (teams.currentTeam > 1) {
        --teams.currentTeam;
        showmembers();
    }
    listinfo();
}

void TeamPointsWindow::finish() {
    checkfornewinfo();
    store::SaveTeamFile(m_services.data, m_services.dialogs);
}

}  // namespace quorval::gui
