#include "text/fit.hpp"

#include "text/utf8.hpp"

namespace quorval::text {

std::string ShortenName(std::string_view text, size_t room) {
    if (CharLength(text) <= room) return std::string(text);
    if (room == 0) return {};
    // Room for the ellipsis first; then back up to the last word boundary in what is left.
    std::string kept = CharSlice(text, 0, room - 1);
    const std::string next = CharSlice(text, room - 1, 1);
    const bool wordEnds = next == " " || next == "-";
    const size_t boundary = kept.find_last_of(" -");
    if (!wordEnds && boundary != std::string::npos && CharLength(kept.substr(0, boundary + 1)) * 2 >= room) {
        // A blank is dropped before the ellipsis; a hyphen stays, it belongs to the word before it.
        kept.resize(kept[boundary] == ' ' ? boundary : boundary + 1);
    }
    while (!kept.empty() && kept.back() == ' ') kept.pop_back();
    return kept + std::string(kEllipsis);
}

}  // namespace quorval::text
