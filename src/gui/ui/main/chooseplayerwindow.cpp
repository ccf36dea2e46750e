#include "ui/main/chooseplayerwindow.hpp"

#include <QEvent>
#include <QLabel>
#include <QListWidget>

#include "league/leagues.hpp"

namespace quorval::gui {

ChoosePlayerWindow::ChoosePlayerWindow(platform::Services& services, QWidget* opener)
    : PlayerChooser(services, opener, "chooseplayer", "Choose a Player", "Playerlabel",
                    QString::fromStdString(league::LeagueName(services.data)) + " Player List") {
    m_panel->installEventFilter(this);
}

void ChoosePlayerWindow::accept() {
    const int player = chosenPlayer("Click a player in the list first.", "Choose Player");
    if (player == 0) return;
    m_services.data.currentPlayer = static_cast<int16_t>(player);
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

bool ChoosePlayerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::MouseButtonPress) m_list->clearSelection();
    return PlayerChooser::eventFilter(watched, event);
}

}  // namespace quorval::gui
