// Any bytes read as a team file for a league of up to 100 players: never a crash, and a clean read
// writes back unchanged.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "store/teamfile.hpp"
#include "text/encoding.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 1) return 0;
    static auto data = std::make_unique<store::LeagueData>();
    store::ResetTeamPart(*data);
    data->playerCount = static_cast<int16_t>(bytes[0] % (store::kMaxPlayers + 1));
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes + 1), size - 1));
    if (!store::ParseTeams(*data, text).ok) return 0;
    std::string written = store::FormatTeams(*data);
    store::ResetTeamPart(*data);
    if (!store::ParseTeams(*data, written).ok || store::FormatTeams(*data) != written) std::abort();
    return 0;
}
