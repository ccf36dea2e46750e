#include "cli/options.hpp"

#include <algorithm>
#include <charconv>

#include "text/asciicase.hpp"

namespace quorval::cli {

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::vector<std::string> CommaItems(const std::string& list) {
    std::vector<std::string> items;
    for (size_t start = 0; start <= list.size();) {
        size_t comma = std::min(list.find(',', start), list.size());
        items.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return items;
}

bool AddWholeNumbers(const std::string& list, std::vector<int>& values) {
    for (const std::string& item : CommaItems(list)) {
        std::optional<int> value = WholeNumber(item);
        if (!value) return false;
        values.push_back(*value);
    }
    return true;
}

bool OptionReader::flag(std::string_view name, bool& flag) {
    if (!more() || at() != name) return false;
    ++m_at;
    flag = true;
    return true;
}

bool OptionReader::anyCase(std::string_view name) {
    if (!more() || text::AsciiLower(at()) != name) return false;
    ++m_at;
    return true;
}

bool OptionReader::option(std::string_view name, std::string& value) {
    if (!more() || m_at + 1 >= m_args.size() || at() != name) return false;
    value = m_args[m_at + 1];
    m_at += 2;
    return true;
}

bool OptionReader::word(std::string& word) {
    if (!more() || !word.empty() || at().starts_with("--")) return false;
    word = m_args[m_at++];
    return true;
}

bool OptionReader::word(std::vector<std::string>& words) {
    if (!more() || at().starts_with("--")) return false;
    words.push_back(m_args[m_at++]);
    return true;
}

}  // namespace quorval::cli
