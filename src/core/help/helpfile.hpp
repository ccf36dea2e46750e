#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The help file: topics with a key, a title, search keywords and a body of plain text.
//
//   @topic Entering Scores
//   @keywords scores; rounds
//   @title Entering scores
//   Paragraphs separated by blank lines; "- " starts a bullet; [[Other Topic]] links.
namespace quorval::help {

inline constexpr const char* kHelpFileName = "Viru.HLP";

struct Topic {
    std::string key;
    std::string title;
    std::vector<std::string> keywords;  // the key is always one of them
    std::string body;
};

struct HelpFile {
    std::vector<Topic> topics;

    const Topic* find(std::string_view key) const;
    // Topics with a keyword that starts with `prefix` (case ignored), each once, in file order.
    std::vector<const Topic*> search(std::string_view prefix) const;
    // Every keyword in alphabetical order, as the search list shows them.
    std::vector<std::string> allKeywords() const;
    // Those of them that start with `prefix` (blanks around it and case ignored).
    std::vector<std::string> keywordsStartingWith(std::string_view prefix) const;
};

HelpFile ParseHelpFile(std::string_view text);

// The body as simple HTML: paragraphs, bullet lists and links to "topic:KEY".
std::string BodyToHtml(const Topic& topic);

}  // namespace quorval::help
