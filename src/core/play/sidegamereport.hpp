#pragma once

#include <string>
#include <vector>

#include "platform/printer.hpp"
#include "play/skins.hpp"
#include "play/stableford.hpp"

// The side games as text: the lines the printout, the window and the command line show.
namespace quorval::play {

// "Skins, net at 90% of handicap, ties carry over" and "Pine Hills, 18 holes, 12 players".
std::vector<std::string> SkinsLines(const store::LeagueData& data, const Field& field, const Skins& skins,
                                    const SkinsOptions& options);
std::vector<std::string> StablefordLines(const store::LeagueData& data, const Field& field,
                                         const std::vector<StablefordRow>& rows);
std::vector<std::string> SkinsTotalsLines(const store::LeagueData& data, const SeasonSkins& season);

// What a printed side game is: a game of one date, or the season's skins.
enum class SideGame { Skins, Stableford, SkinsTotals };

struct SideGamePrint {
    SideGame game = SideGame::Skins;
    FieldRequest request;
    SkinsOptions skins;
    std::optional<results::PlayDate> from;  // for the season's skins
    std::optional<results::PlayDate> to;
};

// The game printed portrait, its heading on every page; false with `error` set, and nothing
// printed, when there is no field.
bool PrintSideGame(platform::Printer& printer, const store::LeagueData& data, const SideGamePrint& what,
                   std::string& error);

}  // namespace quorval::play
