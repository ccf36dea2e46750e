#include "text/names.hpp"

#include <cstdio>

namespace quorval::text {

namespace {

// The length of the control character at `i`: C0 and DEL are one byte; C1 (U+0080..U+009F) and the
// Unicode line and paragraph separators are UTF-8 sequences. Zero when there is none.
size_t controlAt(std::string_view s, size_t i, unsigned& code) {
    auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    code = b(i);
    if (code < 0x20 || code == 0x7F) return 1;
    if (code == 0xC2 && i + 1 < s.size() && b(i + 1) >= 0x80 && b(i + 1) <= 0x9F) {
        code = b(i + 1);
        return 2;
    }
    if (code == 0xE2 && i + 2 < s.size() && b(i + 1) == 0x80 && (b(i + 2) == 0xA8 || b(i + 2) == 0xA9)) {
        code = 0x2000 + b(i + 2) - 0x80;
        return 3;
    }
    return 0;
}

}  // namespace

std::string NameProblem(std::string_view name) {
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned code = 0;
        if (controlAt(name, i, code) == 0) continue;
        if (code == '\n' || code == '\r' || code == 0x2028 || code == 0x2029) return "holds a line break";
        return "holds a control character (code " + std::to_string(code) + ")";
    }
    return {};
}

std::string EscapedName(std::string_view name) {
    std::string out;
    for (size_t i = 0; i < name.size();) {
        unsigned code = 0;
        size_t length = controlAt(name, i, code);
        if (length == 0) {
            out += name[i++];
            continue;
        }
        char text[16];
        if (code == '\n' || code == '\r' || code == '\t') {
            std::snprintf(text, sizeof text, "\\%c", code == '\n' ? 'n' : code == '\r' ? 'r' : 't');
        } else {
            std::snprintf(text, sizeof text, code > 0xFF ? "\\u%04X" : "\\x%02X", code);
        }
        out += text;
        i += length;
    }
    return out;
}

}  // namespace quorval::text
