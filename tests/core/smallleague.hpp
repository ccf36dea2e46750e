#pragma once

#include <memory>
#include <string>

#include "store/leaguedata.hpp"

// A league built by hand for the report tests: one course rated so that the course handicap is
// the index rounded, and players whose rounds are set slot by slot.
namespace quorval::testing {

class SmallLeague {
public:
    SmallLeague() {
        data->leagueFileName = "Tuesday Men.LGE";
        data->courseCount = 1;
        store::CourseRecord& course = data->courses[1];
        course[store::course_field::kName] = "Pine Hills";
        course[store::course_field::kInitials] = "PH";
        for (int h = 1; h <= 18; ++h) course[store::course_field::kHolePar0 + h] = h % 3 == 0 ? "3" : "4";
        for (int t = 1; t <= 3; ++t) {
            course[store::course_field::kRating0 + t] = "70.1";
            course[store::course_field::kSlope0 + t] = "113";
        }
    }

    int addPlayer(const std::string& name) {
        int p = ++data->playerCount;
        data->players[p].name = name;
        data->players[p].tee = store::kWhiteTee;
        return p;
    }

    // A round after the player's last one; `in` 0 makes it a front-nine round.
    void addRound(int p, int month, int day, int out, int in, float indexAfter) {
        store::PlayerRecord& player = data->players[p];
        store::RoundRecord& r = player.rounds[++player.roundCount];
        r.month = static_cast<int16_t>(month);
        r.day = static_cast<int16_t>(day);
        r.year = 26;
        r.course = 1;
        r.score[store::kOutSlot] = static_cast<int16_t>(out);
        r.score[store::kInSlot] = static_cast<int16_t>(in);
        for (int h = 1; h <= 18; ++h) r.score[h] = static_cast<int16_t>(h <= 9 ? (out > 0 ? 4 : 0) : (in > 0 ? 4 : 0));
        r.handicapIndex = indexAfter;
        r.courseHandicap = indexAfter;
    }

    std::unique_ptr<store::LeagueData> data = std::make_unique<store::LeagueData>();
};

}  // namespace quorval::testing
