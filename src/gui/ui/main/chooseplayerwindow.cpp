#include "ui/main/chooseplayerwindow.hpp"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/controls.hpp"

#include "league/leagues.hpp"

namespace quorval::gui {

ChoosePlayerWindow::ChoosePlayerWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "chooseplayer", "Choose a Player") {
    const store::LeagueData& data = services.data;
    m_label =
        makePanel("Playerlabel", QString::fromStdString(league::LeagueName(data)) + " Player List", QFrame::Raised);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->installEventFilter(this);
    m_list = new QListWidget;
    m_list->setObjectName("List1");
    for (int p = 1; p <= data.playerCount; ++p) m_list->addItem(QString::fromStdString(data.players[p].name));
    auto* accept = new QPushButton("&Accept");
    accept->setObjectName("acceptbutton");
    auto* exit = new QPushButton("E&xit");
    exit->setObjectName("exitbutton");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(accept);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(280, 360);
    centreOnScreen();
    m_list->setFocus();

    connect(accept, &QPushButton::clicked, this, &ChoosePlayerWindow::accept);
    connect(m_list, &QListWidget::itemActivated, this, &ChoosePlayerWindow::accept);
    connect(exit, &QPushButton::clicked, this, &ChoosePlayerWindow::close);
}

void ChoosePlayerWindow::accept() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        platform::Refuse(m_services.dialogs, "Click a player in the list first.", "Choose Player");
        return;
    }
    store::LeagueData& data = m_services.data;
    std::string name = item->text().toStdString();
    for (int p = 1; p <= data.playerCount; ++p) {
        if (data.players[p].name == name) data.currentPlayer = static_cast<int16_t>(p);
    }
    m_accepted = true;
    m_list->clearSelection();
    close();
}

void ChoosePlayerWindow::finish() {
    m_list->clearSelection();
    if (m_accepted) {
        emit accepted();
    } else {
        emit cancelled();
    }
}

void ChoosePlayerWindow::mousePressEvent(QMouseEvent* event) {
    m_list->clearSelection();
    ChildWindow::mousePressEvent(event);
}

bool ChoosePlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label && event->type() == QEvent::MouseButtonPress) m_list->clearSelection();
    return ChildWindow::eventFilter(watched, event);
}

}  // namespace quorval::gui
