#include "widgets/playerlist.hpp"

#include <QListWidget>
#include <QWidget>

namespace quorval::gui {

void FillPlayerNameList(QListWidget* list, const store::LeagueData& data, const std::function<std::string(int)>& text) {
    std::vector<int> named;
    for (int p = 1; p <= data.playerCount; ++p) {
        if (!data.players[p].name.empty()) named.push_back(p);
    }
    FillPlayerList(list, data, named, text);
}

void FillPlayerList(QListWidget* list, const store::LeagueData& data, const std::vector<int>& players,
                    const std::function<std::string(int)>& text) {
    list->clear();
    for (int p : players) {
        auto* item = new QListWidgetItem(QString::fromStdString(text ? text(p) : data.players[p].name), list);
        item->setData(Qt::UserRole, p);
    }
}

int PlayerSlot(const QListWidgetItem* item) {
    return item->data(Qt::UserRole).toInt();
}

int MarkSelectedPlayers(store::LeagueData& data, const QListWidget* list) {
    for (int p = 1; p <= store::kMaxPlayers; ++p) data.players[p].selected = 0;
    int picked = 0;
    for (const QListWidgetItem* item : list->selectedItems()) {
        data.players[PlayerSlot(item)].selected = 1;
        ++picked;
    }
    return picked;
}

int HighlightedPlayer(const QListWidget* list) {
    QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? 0 : PlayerSlot(items.first());
}

void StepPlayer(store::LeagueData& data, int step, const std::function<void()>& show, QWidget* previous,
                QWidget* next) {
    if (step > 0) {
        if (data.currentPlayer + 1 <= data.playerCount) ++data.currentPlayer;
        show();
        if (data.currentPlayer == data.playerCount) next->setEnabled(false);
        if (data.currentPlayer > 1) previous->setEnabled(true);
    } else {
        if (data.currentPlayer > 1) --data.currentPlayer;
        show();
        if (data.currentPlayer < data.playerCount) next->setEnabled(true);
        if (data.currentPlayer <= 1) previous->setEnabled(false);
    }
}

}  // namespace quorval::gui
