// Any bytes read as a course file: never a crash, and a clean read writes back unchanged.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "store/coursefile.hpp"
#include "text/encoding.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static auto data = std::make_unique<store::LeagueData>();
    static auto again = std::make_unique<store::LeagueData>();
    data->courseCount = 0;
    again->courseCount = 0;
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes), size));
    if (!store::ParseCourses(*data, text).ok) return 0;
    std::string written = store::FormatCourses(*data);
    if (!store::ParseCourses(*again, written).ok || store::FormatCourses(*again) != written) std::abort();
    return 0;
}
