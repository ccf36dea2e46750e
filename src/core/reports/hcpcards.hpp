#pragma once

#include <array>
#include <string>

#include "platform/printer.hpp"
#include "print/fitname.hpp"
#include "store/leaguedata.hpp"

// Wallet-size handicap cards on business-card stock: ten to a page in two columns of five. Every
// position is given for the top left card as a share of the printable width W and height H in
// printer pixels, then moved to the card's cell and by the user's offsets.
namespace quorval::reports {

inline constexpr int kCardsPerPage = 10;

// The four score lines of a player's card: line j (0-based here) holds round slots j + 1, j + 5,
// j + 9, ... up to the player's round count, so the 20 slots read down the columns.
std::array<std::string, 4> CardScoreLines(const store::LeagueData& data, int player);

// Moves a point of the first card to card k (1 to 10) and by the starting offsets. `width` and
// `height` are W and H; the rows are spaced by H times the vertical scaling.
void AdjustPosition(double& x, float& y, int k, double width, double height, const store::Settings& settings);

// A player's name as his card prints it: 12 points, smaller down to 8 points while it is too wide
// for `widthTwips`, then shortened to what fits (`print::FitName`).
inline constexpr float kCardNamePoints = 12;
inline constexpr float kCardNameFloor = 8;
using CardName = print::FittedName;
CardName FitCardName(const std::string& name, double widthTwips);

// Makes the lowest-numbered marked player the current one and clears his mark; 0 when none is left.
int findnextplayer(store::LeagueData& data);

// What every card of a job shows besides the player's own lines.
struct CardFace {
    std::string comment;  // the date or a comment, the last line of each card
    platform::Picture picture;
};

// The job's working values while it runs.
struct CardRun {
    int cardPosition = 0;  // 1 to 10 on the page
    int printed = 0;       // including the card being printed
    int toPrint = 0;
    std::array<std::string, 4> scoreLines;
};

// One card for `player` at run.cardPosition; after the tenth card of a page a new page follows
// when more cards are to come.
void PrintCards(platform::Printer& printer, const store::LeagueData& data, int player, const CardRun& run,
                const CardFace& face);

// The whole job: a card for each marked player, in player order, portrait. The marks are cleared
// as the cards are printed. Returns the number of cards printed.
int PrintHandicapCards(platform::Printer& printer, store::LeagueData& data, const CardFace& face);

}  // namespace quorval::reports
