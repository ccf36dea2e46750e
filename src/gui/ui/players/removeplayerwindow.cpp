#include "ui/players/removeplayerwindow.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "players/roster.hpp"
#include "store/teamfile.hpp"
#include "widgets/controls.hpp"

namespace quorval::gui {

RemovePlayerWindow::RemovePlayerWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "RMplayer", "Remove Player") {
    store::LeagueData& data = services.data;
    m_label = makePanel("Playerlabel", QString::fromStdString(data.leagueFileName) + " Player List", QFrame::Raised);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->installEventFilter(this);
    m_list = new QListWidget;
    m_list->setObjectName("List1");
    auto* removeButton = makeButton("removebutton", "&Remove", "Remove Player");
    auto* exit = makeButton("exitbutton", "E&xit", "Close the Remove Player window");
    auto* info = makeHelpButton("infobutton", "Help on removing players");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removeButton, 1);
    buttons->addWidget(exit, 1);
    buttons->addWidget(info);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(300, 380);
    centreOnScreen();

    // Read once, not before every removal: after the first removal the file still has the old
    // slots, and reading it again would undo the shift of the teams.
    store::LoadTeamAssignments(data);
    FillPlayerNameList(m_list, data);

    connect(removeButton, &QPushButton::clicked, this, &RemovePlayerWindow::remove);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &RemovePlayerWindow::remove);
    connect(exit, &QPushButton::clicked, this, &RemovePlayerWindow::close);
    setHelpTopic("Players");
    connect(info, &QPushButton::clicked, this, [this] { m_services.help.showTopic("Players"); });
}

void RemovePlayerWindow::remove() {
    switch (players::RemovePlayerAsked(m_services.data, m_services.dialogs, HighlightedPlayer(m_list))) {
        case players::RemoveOutcome::Beeped:
            return;
        case players::RemoveOutcome::Kept:
            m_list->clearSelection();
            return;
        case players::RemoveOutcome::Removed:
            m_removed = true;
            FillPlayerNameList(m_list, m_services.data);
            return;
    }
}

void RemovePlayerWindow::finish() {
    m_list->clearSelection();
    players::SaveRoster(m_services.data, m_services.dialogs, m_removed);
}

void RemovePlayerWindow::mousePressEvent(QMouseEvent* event) {
    m_list->clearSelection();
    ChildWindow::mousePressEvent(event);
}

bool RemovePlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label && event->type() == QEvent::MouseButtonPress) m_list->clearSelection();
    return ChildWindow::eventFilter(watched, event);
}

}  // namespace quorval::gui
