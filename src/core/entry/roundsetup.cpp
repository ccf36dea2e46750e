#include "entry/roundsetup.hpp"

#include "entry/posting.hpp"
#include "handicap/differential.hpp"
#include "store/coursefile.hpp"
#include "text/asciicase.hpp"

namespace quorval::entry {

std::string CourseSetUpProblem(const store::LeagueData& data, int course) {
    if (course < 1 || course > store::kMaxCourses) return kAddCourseFirst;
    if (std::string why = CourseRefusedMessage(data, course); !why.empty()) return why;
    for (int p = 1; p <= data.playerCount; ++p) {
        const store::PlayerRecord& player = data.players[p];
        // A player without a default tee is asked for the tee on his card.
        if (player.selected != 1 || !store::IsTee(player.tee)) continue;
        if (handicap::HasSlope(static_cast<float>(store::CourseSlope(data.courses[course], player.tee)))) continue;
        return player.name + " plays from the " + text::AsciiLower(std::string(store::TeeName(player.tee))) + " tee. " +
               NoSlopeMessage(data, course, player.tee);
    }
    return {};
}

}  // namespace quorval::entry
