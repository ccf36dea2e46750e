#include "text/casefold.hpp"

namespace quorval::text {

namespace {

// Reads one UTF-8 character at `pos` and advances past it; -1, without advancing, for a byte
// that starts no valid character (the caller keeps that byte as it is).
long nextChar(std::string_view s, size_t& pos) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = byte(pos);
    int extra = lead < 0x80             ? 0
                : (lead & 0xE0) == 0xC0 ? 1
                : (lead & 0xF0) == 0xE0 ? 2
                : (lead & 0xF8) == 0xF0 ? 3
                                        : -1;
    if (extra < 0 || pos + static_cast<size_t>(extra) >= s.size()) return -1;
    long c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return -1;
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    pos += static_cast<size_t>(extra) + 1;
    return c;
}

long lower(long c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
        case 0x178:
            return 0xFF;  // Ÿ
        case 0x152:
            return 0x153;  // Œ
        case 0x160:
            return 0x161;  // Š
        case 0x17D:
            return 0x17E;  // Ž
        default:
            return c;
    }
}

void append(std::string& out, long c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string FoldedCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        long c = nextChar(text, pos);
        if (c < 0) {
            out += text[pos++];
        } else {
            append(out, lower(c));
        }
    }
    return out;
}

std::string_view TrimmedName(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return FoldedCase(TrimmedName(a)) == FoldedCase(TrimmedName(b));
}

}  // namespace quorval::text
