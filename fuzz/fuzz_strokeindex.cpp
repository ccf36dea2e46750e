// Any bytes read as the stroke index file of a course table: never a crash, and what was kept
// writes to a file that reads back without a problem and to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "fullleague.hpp"
#include "store/strokeindexfile.hpp"
#include "text/encoding.hpp"

using namespace quorval;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static auto data = [] {
        auto league = std::make_unique<store::LeagueData>();
        samples::FillRandomLeague(*league, 9, 1);
        return league;
    }();
    for (auto& si : data->strokeIndexes) si = store::StrokeIndexes{};
    std::string text = text::decodeToUtf8(std::string(reinterpret_cast<const char*>(bytes), size));
    store::ParseStrokeIndexes(*data, text);
    std::string written = store::FormatStrokeIndexes(*data);
    for (auto& si : data->strokeIndexes) si = store::StrokeIndexes{};
    if (!store::ParseStrokeIndexes(*data, written).empty() || store::FormatStrokeIndexes(*data) != written) {
        std::abort();
    }
    return 0;
}
