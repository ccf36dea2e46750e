// Any bytes imported as a rounds file into a league: never a crash, and the league it leaves
// saves, loads and saves again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "exchange/roundscsv.hpp"
#include "fullleague.hpp"
#include "store/leaguefile.hpp"
#include "store/teamfile.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static const auto original = [] {
        auto league = std::make_unique<store::LeagueData>();
        samples::FillRandomLeague(*league, 5, 3);
        return league;
    }();
    static auto data = std::make_unique<store::LeagueData>();
    static auto again = std::make_unique<store::LeagueData>();
    *data = *original;
    exchange::ImportRoundsCsv(*data, std::string(reinterpret_cast<const char*>(bytes), size),
                              {size > 0 && bytes[0] % 2 == 0});
    std::string written = store::FormatLeague(*data);
    if (!store::ParseLeague(*again, written).ok || store::FormatLeague(*again) != written) std::abort();
    std::string teams = store::FormatTeams(*data);
    store::ResetTeamPart(*again);
    if (!store::ParseTeams(*again, teams).ok || store::FormatTeams(*again) != teams) std::abort();
    return 0;
}
