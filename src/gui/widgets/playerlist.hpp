#pragma once

#include <functional>
#include <string>
#include <vector>

#include "store/leaguedata.hpp"

class QListWidget;
class QWidget;
class QListWidgetItem;

// The list of players that every window choosing players shows.
namespace quorval::gui {

// Lists the named players of the league, each item holding its player's slot: a player without a
// name is not listed, so list rows and slots need not agree. `text` gives an item's text from the
// player's slot (his name when not given).
void FillPlayerNameList(QListWidget* list, const store::LeagueData& data,
                        const std::function<std::string(int)>& text = {});

// Lists these players, in this order, the same way.
void FillPlayerList(QListWidget* list, const store::LeagueData& data, const std::vector<int>& players,
                    const std::function<std::string(int)>& text = {});

// The player slot an item of such a list holds.
int PlayerSlot(const QListWidgetItem* item);

// Marks the players selected in such a list (and no other) as chosen; returns how many are.
int MarkSelectedPlayers(store::LeagueData& data, const QListWidget* list);

// The slot of the highlighted player, or 0 when none is highlighted.
int HighlightedPlayer(const QListWidget* list);

// The Next (step 1) and Previous (step -1) buttons of a window that shows one player at a time:
// moves the current player within 1..playerCount, shows him, and greys out the button that has
// nowhere left to go and brings back the other.
void StepPlayer(store::LeagueData& data, int step, const std::function<void()>& show, QWidget* previous, QWidget* next);

}  // namespace quorval::gui
