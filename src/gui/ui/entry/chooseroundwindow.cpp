#include "ui/entry/chooseroundwindow.hpp"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dates/dateorder.hpp"
#include "widgets/controls.hpp"

#include "text/numbers.hpp"
#include "ui/entry/scoreentrywindow.hpp"
#include "widgets/playerlist.hpp"

namespace quorval::gui {

ChooseRoundWindow::ChooseRoundWindow(platform::Services& services, QWidget* opener)
    : PlayerChooser(services, opener, "GPlayer", "Select Player", "message", "Select a Player") {
    for (int p = 1; p <= store::kMaxPlayers; ++p) services.data.players[p].selected = 0;
    m_accept->setToolTip("Accept highlighted name");
    m_exit->setToolTip("close player list");
}

void ChooseRoundWindow::accept() {
    const int row = chosenRow();
    if (row < 0) {
        platform::Refuse(m_services.dialogs, "Click the round to edit in the list first.", "Choose Round");
        return;
    }
    if (m_step == Step::Round) {
        openRound(row);
        return;
    }
    store::LeagueData& data = m_services.data;
    data.currentPlayer = static_cast<int16_t>(PlayerSlot(m_list->item(row)));
    for (int p = 1; p <= store::kMaxPlayers; ++p) data.players[p].selected = p == data.currentPlayer ? 1 : 0;
    listDates();
}

void ChooseRoundWindow::listDates() {
    const store::PlayerRecord& player = m_services.data.players[m_services.data.currentPlayer];
    m_panel->setText("Select Date");
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
    auto* scores = new ScoreEntryWindow(m_services, m_opener, entry::CorrectionRequest(data, data.currentPlayer, slot));
    emit scoreWindowOpened(scores);
    m_opened = true;
    handOverTo(scores);
}

void ChooseRoundWindow::finish() {
    m_list->clearSelection();
    if (!m_opened) emit exited();
}

}  // namespace quorval::gui
