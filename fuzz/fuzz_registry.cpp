// Any bytes read as the league registry: never a crash, always a usable factor and font.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "store/settingsfile.hpp"
#include "text/encoding.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static auto data = std::make_unique<store::LeagueData>();
    data->registry = store::LeagueRegistry{};
    data->settings = store::Settings{};
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes), size));
    store::ParseRegistry(*data, text);
    if (data->registry.leagueCount < 0 || data->registry.leagueCount > store::kMaxLeagues) std::abort();
    if (!(data->settings.hcpFactor >= 0.5f) || data->settings.printFont.empty()) std::abort();
    return 0;
}
