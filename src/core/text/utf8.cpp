#include "text/utf8.hpp"

#include "text/fit.hpp"

namespace quorval::text {

namespace {

bool startsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// Byte offset of character `index`, or the text's size when it has fewer characters.
size_t byteOffset(std::string_view text, size_t index) {
    size_t seen = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!startsCharacter(text[i])) continue;
        if (seen == index) return i;
        ++seen;
    }
    return text.size();
}

}  // namespace

size_t CharLength(std::string_view text) {
    size_t n = 0;
    for (char c : text) n += startsCharacter(c) ? 1 : 0;
    return n;
}

std::string CharSlice(std::string_view text, size_t start, size_t count) {
    size_t from = byteOffset(text, start);
    size_t to = count == std::string_view::npos ? text.size() : from + byteOffset(text.substr(from), count);
    return std::string(text.substr(from, to - from));
}

std::string PadRight(std::string_view text, size_t width) {
    std::string out(text);
    size_t length = CharLength(text);
    if (length < width) out.append(width - length, ' ');
    return out;
}

std::string FitColumn(std::string_view text, size_t width) {
    if (width == 0) return {};
    return PadRight(ShortenName(text, width - 1), width);
}

std::string PadLeft(std::string_view text, size_t width) {
    size_t length = CharLength(text);
    return length < width ? std::string(width - length, ' ') + std::string(text) : std::string(text);
}

}  // namespace quorval::text
