// Any bytes read as a league's options file: never a crash, and a clean read writes back to a
// file that reads to the same options.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/leagueoptions.hpp"
#include "text/encoding.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    store::LeagueOptions options;
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes), size));
    if (!store::ParseLeagueOptions(options, text).ok) return 0;
    std::string written = store::FormatLeagueOptions(options);
    store::LeagueOptions again;
    if (!store::ParseLeagueOptions(again, written).ok || store::FormatLeagueOptions(again) != written) std::abort();
    return 0;
}
