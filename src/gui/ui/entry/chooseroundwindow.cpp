#include "ui/entry/chooseroundwindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dates/dateorder.hpp"
#include "widgets/controls.hpp"

#include "text/numbers.hpp"
#include "ui/entry/scoreentrywindow.hpp"

namespace quorval::gui {

ChooseRoundWindow::ChooseRoundWindow(platform::Services& services, QWidget* opener)
    : ChildWindow(services, opener, "GPlayer", "Select Player") {
    store::LeagueData& data = services.data;
    for (int p = 1; p <= store::kMaxPlayers; ++p) data.players[p].selected = 0;
    m_message = makePanel("message", "Select a Player", QFrame::Raised);
    m_message->setAlignment(Qt::AlignCenter);
    m_list = new QListWidget;
    m_list->setObjectName("List1");
    for (int p = 1; p <= data.playerCount; ++p) {
        if (!data.players[p].name.empty()) m_list->addItem(QString::fromStdString(data.players[p].name));
    }
    auto* accept = new QPushButton("&Accept");
    accept->setObjectName("acceptbutton");
    accept->setToolTip("Accept highlighted name");
    auto* exit = new QPushButton("E&xit");
    exit->setObjectName("exitbutton");
    exit->setToolTip("close player list");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(accept);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_message);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(280, 360);
    centreOnScreen();
    m_list->setFocus();

    connect(accept, &QPushButton::clicked, this, &ChooseRoundWindow::accept);
    connect(m_list, &QListWidget::itemActivated, this, &ChooseRoundWindow::accept);
    connect(exit, &QPushButton::clicked, this, &ChooseRoundWindow::close);
}

void ChooseRoundWindow::accept() {
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected()) {
        platform::Refuse(m_services.dialogs, "Click the round to edit in the list first.", "Choose Round");
        return;
    }
    store::LeagueData& data = m_services.data;
    if (m_step == Step::Round) {
        openRound(m_list->row(item));
        return;
    }
    std::string name = item->text().toStdString();
    for (int p = 1; p <= data.playerCount; ++p) {
        if (data.players[p].name == name) data.currentPlayer = static_cast<int16_t>(p);
    }
    for (int p = 1; p <= store::kMaxPlayers; ++p) data.players[p].selected = p == data.currentPlayer ? 1 : 0;
    listDates();
}

void ChooseRoundWindow::listDates() {
    const store::PlayerRecord& player = m_services.data.players[m_services.data.currentPlayer];
    m_message->setText("Select Date");
    m_step = Step::Round;
    m_list->clear();
    for (int r = player.roundCount; r >= 1; --r) {
        const store::RoundRecord& round = player.rounds[r];
        m_list->addItem(QString::fromStdString(
            dates::ShortDate(m_services.data.settings.dateOrder, round.month, round.day, round.year)));
    }
}

void ChooseRoundWindow::openRound(int position) {
    store::LeagueData& data = m_services.data;
    const store::PlayerRecord& player = data.players[data.currentPlayer];
    int slot = player.roundCount - position;
    const store::RoundRecord& round = player.rounds[slot];
    data.editRound = static_cast<int16_t>(slot);
    data.entryMonth = round.month;
    data.entryDay = round.day;
    data.entryYear = round.year;
    data.currentCourse = round.course;
    auto* scores = new ScoreEntryWindow(m_services, m_opener, round.hasPerformanceData());
    emit scoreWindowOpened(scores);
    m_opened = true;
    handOverTo(scores);
}

void ChooseRoundWindow::finish() {
    m_list->clearSelection();
    if (!m_opened) emit exited();
}

void ChooseRoundWindow::mousePressEvent(QMouseEvent* event) {
    m_list->clearSelection();
    ChildWindow::mousePressEvent(event);
}

}  // namespace quorval::gui
