#include "fullleague.hpp"

#include <random>
#include <string>

namespace quorval::samples {

namespace {

using Rng = std::mt19937;

int uniform(Rng& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// A float that survives the file's 7 significant digits, as every stored value does.
float tenth(Rng& rng, int low, int high) {
    return static_cast<float>(uniform(rng, low * 10, high * 10)) / 10.0f;
}

void fillRound(store::RoundRecord& round, Rng& rng, bool withStatistics) {
    round.differential = tenth(rng, -5, 45);
    round.month = static_cast<int16_t>(uniform(rng, 1, 12));
    round.day = static_cast<int16_t>(uniform(rng, 1, 28));
    round.year = static_cast<int16_t>(uniform(rng, 0, 99));
    round.handicapIndex = tenth(rng, -3, 40);
    round.courseHandicap = static_cast<float>(uniform(rng, -3, 45));
    round.course = static_cast<int16_t>(uniform(rng, 1, 20));
    int out = 0, in = 0;
    for (int h = 1; h <= 18; ++h) {
        auto strokes = static_cast<int16_t>(uniform(rng, 2, 10));
        round.score[h] = strokes;
        (h <= 9 ? out : in) += strokes;
        if (withStatistics) {
            round.fairway[h] = static_cast<int16_t>(uniform(rng, 0, 1));
            round.green[h] = static_cast<int16_t>(uniform(rng, 0, 1));
            round.putts[h] = static_cast<int16_t>(uniform(rng, 0, 4));
        }
    }
    round.score[store::kOutSlot] = static_cast<int16_t>(out);
    round.score[store::kInSlot] = static_cast<int16_t>(in);
}

std::string randomName(Rng& rng, int p) {
    static const char* const kFirst[] = {"Al", "Bea", "Carl \"Chip\"", " Dot", "Ed, Jr.", "Fay", "Günter", "Hal"};
    return std::string(kFirst[uniform(rng, 0, 7)]) + " Player" + std::to_string(p);
}

void fillCourses(store::LeagueData& data, Rng& rng) {
    data.courseCount = 20;
    for (int c = 1; c <= data.courseCount; ++c) {
        auto& course = data.courses[c];
        course[store::course_field::kName] = "Course " + std::to_string(c);
        int out = 0, in = 0;
        for (int h = 1; h <= 18; ++h) {
            int par = uniform(rng, 3, 5);
            course[store::course_field::kHolePar0 + h] = std::to_string(par);
            (h <= 9 ? out : in) += par;
        }
        course[store::course_field::kParOut] = std::to_string(out);
        course[store::course_field::kParIn] = std::to_string(in);
        course[store::course_field::kParTotal] = std::to_string(out + in);
        for (int t = 1; t <= 3; ++t) {
            course[store::course_field::kRating0 + t] = std::to_string(66 + t * 2) + ".4";
            course[store::course_field::kSlope0 + t] = std::to_string(110 + t * 8);
        }
        course[store::course_field::kInitials] = "C" + std::to_string(c);
    }
}

void fillTeams(store::LeagueData& data, Rng& rng) {
    store::TeamPart& teams = data.teams;
    teams.teamCount = 4;
    for (int t = 1; t <= teams.teamCount; ++t) {
        teams.teamNames[t] = "Team " + std::to_string(t);
        teams.teamEntryCount[t] = static_cast<int16_t>(uniform(rng, 0, 5));
        for (int e = 1; e <= teams.teamEntryCount[t]; ++e) {
            teams.teamEntries[t][e] = {"Week " + std::to_string(e), tenth(rng, 0, 99), tenth(rng, 0, 9)};
        }
    }
    for (int p = 1; p <= data.playerCount; ++p) data.players[p].team = static_cast<int16_t>(uniform(rng, 0, 4));
}

}  // namespace

void FillRandomLeague(store::LeagueData& data, uint32_t seed, int players) {
    Rng rng(seed);
    store::ClearLeagueData(data);
    data.playerCount = static_cast<int16_t>(players);
    for (int p = 1; p <= players; ++p) {
        store::PlayerRecord& player = data.players[p];
        player.name = randomName(rng, p);
        player.tee = static_cast<int16_t>(uniform(rng, 0, 3));
        player.roundCount = static_cast<int16_t>(uniform(rng, 0, 20));
        for (int r = 1; r <= player.roundCount; ++r) fillRound(player.rounds[r], rng, uniform(rng, 0, 1) == 1);
    }
    fillCourses(data, rng);
    fillTeams(data, rng);
}

void FillFullLeague(store::LeagueData& data, uint32_t seed) {
    Rng rng(seed);
    store::ClearLeagueData(data);
    data.playerCount = store::kMaxPlayers;
    for (int p = 1; p <= store::kMaxPlayers; ++p) {
        store::PlayerRecord& player = data.players[p];
        player.name = "Player " + std::to_string(p);
        player.tee = static_cast<int16_t>(uniform(rng, 1, 3));
        player.roundCount = store::kMaxRounds;
        for (int r = 1; r <= store::kMaxRounds; ++r) fillRound(player.rounds[r], rng, true);
    }
    fillCourses(data, rng);
    fillTeams(data, rng);
}

}  // namespace quorval::samples
