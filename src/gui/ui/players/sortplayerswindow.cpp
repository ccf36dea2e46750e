#include "ui/players/sortplayerswindow.hpp"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "league/leagues.hpp"
#include "players/roster.hpp"
#include "store/teamfile.hpp"
#include "text/numbers.hpp"
#include "widgets/controls.hpp"
#include "widgets/playerlist.hpp"
#include "widgets/spinbutton.hpp"

namespace quorval::gui {

SortPlayersWindow::SortPlayersWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "sortform", "Quorval") {
    auto* title = new QLabel(QString::fromStdString(league::LeagueName(services.data)) + "   Player List");
    title->setObjectName("Playerlabel");
    title->setAlignment(Qt::AlignCenter);
    m_list = new QListWidget;
    m_list->setObjectName("List1");
    // The positions line up in a fixed-pitch font.
    m_list->setFont(QFont("Courier New"));
    m_name = makePanel("Label1", "");
    m_name->setAlignment(Qt::AlignCenter);
    m_position = new QLineEdit;
    m_position->setObjectName("Text1");
    m_position->setAlignment(Qt::AlignCenter);
    m_position->setMaximumWidth(60);
    auto* positionLabel = new QLabel("&Position");
    positionLabel->setObjectName("Label2");
    positionLabel->setBuddy(m_position);
    auto* spin = new SpinButton(Qt::Vertical);
    spin->setObjectName("SpinButton1");
    m_change = makeButton("changebutton", "&Change Position");
    auto* exit = makeButton("exitbutton", "E&xit", "Close position sorting window");
    auto* hints = new QLabel(
        "Click on a name to Select.\nUse Spin button or type\nClick the Change Position\nButton to make the change.");
    hints->setObjectName("Label3");

    auto* position = new QGridLayout;
    position->addWidget(positionLabel, 0, 0, 1, 2, Qt::AlignCenter);
    position->addWidget(m_position, 1, 0);
    position->addWidget(spin, 1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(m_name);
    right->addLayout(position);
    right->addWidget(hints);
    right->addStretch(1);
    right->addWidget(m_change);
    right->addWidget(exit);
    auto* grid = new QGridLayout(this);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(m_list, 1, 0);
    grid->addLayout(right, 1, 1);
    grid->setColumnStretch(0, 1);
    resize(460, 420);
    centreOnScreen();

    fill();
    store::LoadTeamAssignments(services.data);

    connect(m_list, &QListWidget::itemClicked, this, &SortPlayersWindow::pick);
    connect(m_list, &QListWidget::currentItemChanged, this, &SortPlayersWindow::pick);
    connect(m_position, &QLineEdit::textChanged, this, &SortPlayersWindow::positionChanged);
    connect(spin, &SpinButton::spinDown, this, &SortPlayersWindow::spinDown);
    connect(spin, &SpinButton::spinUp, this, &SortPlayersWindow::spinUp);
    connect(m_change, &QPushButton::clicked, this, &SortPlayersWindow::change);
    connect(exit, &QPushButton::clicked, this, &SortPlayersWindow::close);
}

void SortPlayersWindow::fill() {
    const store::LeagueData& data = m_services.data;
    m_filling = true;
    FillPlayerNameList(m_list, data, [&data](int p) { return players::PositionLine(p, data.players[p].name); });
    // The moved player stays highlighted at his new place.
    for (int row = 0; row < m_list->count(); ++row) {
        if (PlayerSlot(m_list->item(row)) == m_selected) m_list->setCurrentItem(m_list->item(row));
    }
    m_filling = false;
}

void SortPlayersWindow::pick(QListWidgetItem* item) {
    // The list makes its first row current when it gets the focus, without highlighting it: that
    // picks nobody.
    if (m_filling || !item || !item->isSelected()) return;
    m_selected = PlayerSlot(item);
    m_name->setText(item->text().mid(players::kPositionPrefix));
    m_position->setText(QString::number(m_selected));
}

void SortPlayersWindow::positionChanged(const QString& text) {
    if (m_name->text().isEmpty()) {
        m_position->clear();
        return;
    }
    int count = m_services.data.playerCount;
    if (text::leadingNumber(text.toStdString()) > count) {
        m_position->setText(QString::number(count));
        return;
    }
    m_change->setEnabled(true);
    m_newPosition = players::PositionFromText(text.toStdString(), count);
    m_position->setCursorPosition(static_cast<int>(m_position->text().size()));
}

void SortPlayersWindow::spinDown() {
    if (m_name->text().isEmpty()) return;
    if (m_newPosition < m_services.data.playerCount) m_position->setText(QString::number(m_newPosition + 1));
}

void SortPlayersWindow::spinUp() {
    if (m_name->text().isEmpty()) return;
    if (m_newPosition > 1) m_position->setText(QString::number(m_newPosition - 1));
}

void SortPlayersWindow::change() {
    if (m_newPosition == m_selected || m_selected == 0) {
        platform::Refuse(m_services.dialogs,
                         m_selected == 0 ? "Click the player to move in the list first."
                                         : "Choose the new position first: the player is at that place already.",
                         "Sort Players");
        return;
    }
    players::MovePlayer(m_services.data, m_selected, m_newPosition);
    m_moved = true;
    // From now on the player's place is the new one: moving him back must not be taken as no move.
    m_selected = m_newPosition;
    fill();
    m_change->setEnabled(false);
}

void SortPlayersWindow::finish() {
    players::SaveRoster(m_services.data, m_services.dialogs, m_moved);
}

}  // namespace quorval::gui
