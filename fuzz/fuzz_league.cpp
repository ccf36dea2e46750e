// Any bytes read as a league file: never a crash, and whatever reads cleanly writes back and
// reads again to the same text.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "store/leaguefile.hpp"
#include "text/encoding.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static auto data = std::make_unique<store::LeagueData>();
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes), size));
    if (!store::ParseLeague(*data, text).ok) return 0;
    std::string written = store::FormatLeague(*data);
    if (!store::ParseLeague(*data, written).ok || store::FormatLeague(*data) != written) std::abort();
    return 0;
}
