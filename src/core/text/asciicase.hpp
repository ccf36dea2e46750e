#pragma once

#include <string>

// Small letters for the ASCII capitals only: file names and keywords, which compare without case.
namespace quorval::text {

inline std::string AsciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace quorval::text
