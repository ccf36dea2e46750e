#include "ui/teams/teamsetupwindow.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "store/teamfile.hpp"
#include "teams/teamsetup.hpp"
#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"

namespace quorval::gui {

namespace {

QListWidget* playerList(const QString& name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setMinimumWidth(180);
    return list;
}

QLabel* caption(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

}  // namespace

void FillTeamList(QComboBox* list, const store::TeamPart& teams) {
    QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& choice : teams::TeamChoices(teams)) list->addItem(QString::fromStdString(choice));
    list->setCurrentIndex(teams.currentTeam - 1);
}

namespace {

// The two buttons between the lists that move players onto the team and off it.
QVBoxLayout* moveColumn(QPushButton* add, QPushButton* remove) {
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(caption("Movelabel0", "Move players"), 0, Qt::AlignCenter);
    middle->addWidget(add);
    middle->addWidget(remove);
    middle->addWidget(caption("Movelabel1", "to or from teams"), 0, Qt::AlignCenter);
    middle->addStretch(1);
    return middle;
}

}  // namespace

TeamSetupWindow::TeamSetupWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "createteamsform", "Quorval Team Set-up") {
    m_name = new QLineEdit;
    m_name->setObjectName("teamnametext");
    auto* nameLabel = caption("label2", "Team &Name");
    nameLabel->setBuddy(m_name);
    m_record = makePanel("recordnumberlabel", "Team # 0 in Record");
    m_record->setAlignment(Qt::AlignCenter);
    m_start = makePanel("startlabel",
                        "Type a team name in the box in the upper right to begin, then select players from the list "
                        "on the left.",
                        QFrame::Raised, true);
    // The lists keep their place when the hint goes.
    QSizePolicy keepPlace = m_start->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_start->setSizePolicy(keepPlace);
    m_unassigned = playerList("List1");
    m_members = playerList("List2");
    auto* unassignedLabel = caption("Label1", "Unassigned Members");
    auto* add = makeButton("addbutton", "->", "Put the selected players on this team");
    auto* remove = makeButton("removebutton", "<-", "Take the selected players off this team");
    m_create = makeButton("createbutton", "Create Additonal Teams");
    auto* removeTeam = makeButton("deleteteambutton", "Remove Team", "Remove this team (it must have no members)");
    auto* next = makeButton("nextteambutton", "Next Team");
    auto* previous = makeButton("prevteambutton", "Previous Team");
    auto* info = makeHelpButton("Infobutton", "Help on teams");
    auto* exit = makeButton("Exitbutton", "E&xit", "Save the teams and close");

    auto* left = new QVBoxLayout;
    left->addWidget(unassignedLabel);
    left->addWidget(m_unassigned, 1);
    QVBoxLayout* middle = moveColumn(add, remove);
    auto* right = new QVBoxLayout;
    right->addWidget(nameLabel);
    right->addWidget(m_name);
    right->addWidget(m_record);
    right->addWidget(m_members, 1);
    // With many teams, the list reaches any of them at once.
    m_teamList = new QComboBox;
    m_teamList->setObjectName("teamcombo");
    m_teamList->setToolTip("Go to a team");
    auto* steps = new QHBoxLayout;
    steps->addWidget(previous);
    steps->addWidget(m_teamList, 1);
    steps->addWidget(next);
    right->addLayout(steps);
    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(middle);
    lists->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_create);
    buttons->addWidget(removeTeam);
    buttons->addStretch(1);
    buttons->addWidget(info);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_start);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
    resize(620, 420);
    centreOnScreen();

    teams::OpenTeamSetup(services.data);
    refresh();
    if (services.data.teams.teamCount == 0) m_name->setFocus();

    connect(m_name, &QLineEdit::textEdited, this, &TeamSetupWindow::rename);
    connect(add, &QPushButton::clicked, this, &TeamSetupWindow::addPlayers);
    connect(remove, &QPushButton::clicked, this, &TeamSetupWindow::removePlayers);
    connect(m_create, &QPushButton::clicked, this, &TeamSetupWindow::createTeam);
    connect(removeTeam, &QPushButton::clicked, this, &TeamSetupWindow::removeTeam);
    connect(next, &QPushButton::clicked, this, &TeamSetupWindow::nextTeam);
    connect(previous, &QPushButton::clicked, this, &TeamSetupWindow::previousTeam);
    setHelpTopic("Team data");
    connect(m_teamList, &QComboBox::activated, this, &TeamSetupWindow::goToTeam);
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Team data"); });
    connect(exit, &QPushButton::clicked, this, &TeamSetupWindow::close);
}

// The start hint and the disabled create button stay until the league has a team.
void TeamSetupWindow::refresh() {
    const store::LeagueData& data = m_services.data;
    const store::TeamPart& part = data.teams;
    teams::SetupLists lists = teams::TeamSetupLists(data);
    FillPlayerList(m_unassigned, data, lists.unassigned);
    FillPlayerList(m_members, data, lists.members);
    m_name->setText(QString::fromStdString(part.teamNames[part.currentTeam]));
    m_record->setText(QString::fromStdString(teams::TeamRecordLabel(part)));
    m_start->setVisible(part.teamCount == 0);
    m_create->setEnabled(part.teamCount > 0);
    FillTeamList(m_teamList, part);
}

void TeamSetupWindow::goToTeam(int row) {
    if (row < 0 || row >= m_services.data.teams.teamCount) return;
    m_services.data.teams.currentTeam = static_cast<int16_t>(row + 1);
    refresh();
}

void TeamSetupWindow::rename(const QString& text) {
    teams::RenameTeam(m_services.data, text.toStdString());
    m_create->setEnabled(true);
    FillTeamList(m_teamList, m_services.data.teams);
}

std::vector<int> TeamSetupWindow::selectedSlots(const QListWidget* list) {
    std::vector<int> players;
    for (const QListWidgetItem* item : list->selectedItems()) players.push_back(PlayerSlot(item));
    return players;
}

void TeamSetupWindow::createTeam() {
    if (teams::CreateTeam(m_services.data, m_services.dialogs) == teams::CreateOutcome::Created) {
        refresh();
        m_name->setFocus();
    }
}

void TeamSetupWindow::removeTeam() {
    if (teams::RemoveTeam(m_services.data, m_services.dialogs) == teams::RemoveTeamOutcome::Removed) refresh();
}

void TeamSetupWindow::addPlayers() {
    teams::AssignPlayers(m_services.data, selectedSlots(m_unassigned));
    refresh();
}

void TeamSetupWindow::removePlayers() {
    teams::UnassignPlayers(m_services.data, selectedSlots(m_members));
    refresh();
}

void TeamSetupWindow::nextTeam() {
    if (teams::NextTeam(m_services.data)) refresh();
}

void TeamSetupWindow::previousTeam() {
    if (teams::PreviousTeam(m_services.data)) refresh();
}

// The window has no cancel: closing it by any means saves the teams.
void TeamSetupWindow::finish() {
    store::SaveTeamFile(m_services.data, m_services.dialogs);
}

}  // namespace quorval::gui
