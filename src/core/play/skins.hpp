#pragma once

#include <optional>
#include <string>
#include <vector>

#include "play/money.hpp"
#include "play/sidegamefield.hpp"

// Skins: a hole goes to the one player with the lowest (net or gross) score on it; the pot is
// shared out per skin.
namespace quorval::play {

enum class Ties {
    None,   // a tied hole is won by nobody
    Carry,  // its skin goes on to the next hole; what is carried past the last hole is not won
};

struct SkinsOptions {
    Ties ties = Ties::None;
    Cents buyIn = 0;           // per player of the field
    std::optional<Cents> pot;  // a fixed pot instead of the buy-ins
};

struct SkinHole {
    int hole = 0;
    int par = 0;
    int winner = -1;  // the field's player, or -1 when nobody wins the hole
    int score = 0;    // the winning score
    int skins = 0;    // taken on the hole: 1 plus any carried in
};

struct SkinsWon {
    int player = 0;
    std::string name;
    int skins = 0;
    Cents amount = 0;
};

struct Skins {
    std::vector<SkinHole> holes;
    std::vector<SkinsWon> players;  // the field, in its order
    Cents pot = 0;
    int skinsWon = 0;
    Cents skinValue = 0;  // the pot over the skins won, cut to the cent
    Cents leftover = 0;   // the cents the cut leaves
    int carriedOff = 0;   // skins still carried after the last hole
    bool potReturned() const { return skinsWon == 0; }
};

Skins ComputeSkins(const store::LeagueData& data, const Field& field, const SkinsOptions& options);

struct SeasonSkins {
    std::vector<SkinsWon> players;          // everybody who was in a field, in player order
    std::vector<results::PlayDate> nights;  // the dates counted
    std::vector<std::string> skipped;       // dates or courses that gave no field, and why
};

// Skins and money of every date from `from` to `to` (either may be left out), on every course
// played that date; request.date and request.course are ignored.
SeasonSkins SkinsTotals(const store::LeagueData& data, FieldRequest request, const SkinsOptions& options,
                        std::optional<results::PlayDate> from, std::optional<results::PlayDate> to);

}  // namespace quorval::play
