// Any bytes read as the settings file: never a crash, and the result writes and reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/settingsfile.hpp"
#include "text/encoding.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    store::Settings settings;
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes), size));
    store::ParseSettings(settings, text);
    std::string written = store::FormatSettings(settings);
    store::Settings again;
    store::ParseSettings(again, written);
    if (store::FormatSettings(again) != written) std::abort();
    return 0;
}
