// The number readers on any text: never a crash, and the file form of a number read from a field
// reads back to a number with the same file form (the form keeps 7 significant digits).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/numbers.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(bytes), size);
    double leading = text::leadingNumber(text);
    (void)leading;
    if (auto value = text::parseFileFloat(text)) {
        std::string written = text::fileFloat(*value);
        auto back = text::parseFileFloat(written);
        if (!back || text::fileFloat(*back) != written) std::abort();
    }
    if (auto value = text::parseFileInt16(text)) {
        auto back = text::parseFileInt16(text::fileInt(*value));
        if (!back || *back != *value) std::abort();
    }
    return 0;
}
