#include "help/helpfile.hpp"

#include <algorithm>
#include <set>

#include "text/asciicase.hpp"
#include "text/casefold.hpp"
#include "text/html.hpp"

namespace quorval::help {

namespace {

std::string trim(std::string_view s) {
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(" \t\r");
    return std::string(s.substr(b, e - b + 1));
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::string escape(std::string_view s) {
    return text::HtmlEscape(s);
}

// Escapes the text and turns [[Key]] and [[Key|text]] into links.
std::string inlineHtml(std::string_view s) {
    std::string out;
    size_t pos = 0;
    while (true) {
        size_t open = s.find("[[", pos);
        size_t close = open == std::string_view::npos ? open : s.find("]]", open);
        if (close == std::string_view::npos) {
            out += escape(s.substr(pos));
            return out;
        }
        out += escape(s.substr(pos, open - pos));
        std::string_view link = s.substr(open + 2, close - open - 2);
        size_t bar = link.find('|');
        std::string_view key = link.substr(0, bar);
        std::string_view shown = bar == std::string_view::npos ? key : link.substr(bar + 1);
        out += "<a href=\"topic:" + escape(key) + "\">" + escape(shown) + "</a>";
        pos = close + 2;
    }
}

void splitKeywords(Topic& topic, std::string_view list) {
    size_t pos = 0;
    while (pos <= list.size()) {
        size_t end = list.find(';', pos);
        if (end == std::string_view::npos) end = list.size();
        std::string word = trim(list.substr(pos, end - pos));
        if (!word.empty()) topic.keywords.push_back(word);
        pos = end + 1;
    }
}

}  // namespace

const Topic* HelpFile::find(std::string_view key) const {
    for (const auto& topic : topics)
        if (topic.key == key) return &topic;
    return nullptr;
}

std::vector<const Topic*> HelpFile::search(std::string_view prefix) const {
    std::string wanted = text::AsciiLower(std::string(prefix));
    std::vector<const Topic*> found;
    for (const auto& topic : topics) {
        for (const auto& word : topic.keywords) {
            if (startsWith(text::AsciiLower(word), wanted)) {
                found.push_back(&topic);
                break;
            }
        }
    }
    return found;
}

std::vector<std::string> HelpFile::allKeywords() const {
    // One entry per word whatever its case: the first spelling met in the file is shown.
    std::set<std::string> seen;
    std::vector<std::string> words;
    for (const auto& topic : topics) {
        for (const auto& word : topic.keywords) {
            if (seen.insert(text::AsciiLower(word)).second) words.push_back(word);
        }
    }
    std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        return text::AsciiLower(a) < text::AsciiLower(b);
    });
    return words;
}

std::vector<std::string> HelpFile::keywordsStartingWith(std::string_view prefix) const {
    const std::string wanted = text::AsciiLower(std::string(text::TrimmedName(prefix)));
    std::vector<std::string> words = allKeywords();
    std::erase_if(words, [&wanted](const std::string& word) { return !startsWith(text::AsciiLower(word), wanted); });
    return words;
}

HelpFile ParseHelpFile(std::string_view text) {
    HelpFile file;
    Topic* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        pos = end + 1;
        if (startsWith(line, "@topic ")) {
            file.topics.push_back({});
            current = &file.topics.back();
            current->key = trim(line.substr(7));
            current->title = current->key;
            current->keywords.push_back(current->key);
        } else if (current == nullptr) {
            continue;  // comments and blank lines before the first topic
        } else if (startsWith(line, "@keywords ")) {
            splitKeywords(*current, line.substr(10));
        } else if (startsWith(line, "@title ")) {
            current->title = trim(line.substr(7));
        } else {
            current->body += std::string(line) + "\n";
        }
    }
    for (auto& topic : file.topics) {
        while (!topic.body.empty() && (topic.body.back() == '\n' || topic.body.back() == ' ')) topic.body.pop_back();
    }
    return file;
}

std::string BodyToHtml(const Topic& topic) {
    std::string html = "<h2>" + escape(topic.title) + "</h2>\n";
    // A block is a paragraph or a bullet; a line that is neither blank nor a new bullet continues it.
    std::string block;
    bool bullet = false;
    bool inList = false;
    auto flush = [&] {
        if (!block.empty())
            html += bullet ? "<li>" + inlineHtml(block) + "</li>\n" : "<p>" + inlineHtml(block) + "</p>\n";
        block.clear();
    };
    auto closeList = [&] {
        if (inList) html += "</ul>\n";
        inList = false;
    };
    size_t pos = 0;
    std::string_view body = topic.body;
    while (pos <= body.size()) {
        size_t end = body.find('\n', pos);
        if (end == std::string_view::npos) end = body.size();
        std::string line = trim(body.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) {
            flush();
            closeList();
        } else if (startsWith(line, "- ")) {
            flush();
            if (!inList) html += "<ul>\n";
            inList = bullet = true;
            block = line.substr(2);
        } else {
            if (!block.empty()) block += ' ';
            if (block.empty()) bullet = inList;
            block += line;
        }
    }
    flush();
    closeList();
    return html;
}

}  // namespace quorval::help
