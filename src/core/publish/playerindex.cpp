#include "publish/playerindex.hpp"

#include <algorithm>

#include "text/asciicase.hpp"
#include "text/utf8.hpp"

namespace quorval::publish {

std::vector<LetterGroup> PlayersByLetter(const store::LeagueData& data) {
    struct Entry {
        std::string key;
        std::string letter;
        int player;
    };
    std::vector<Entry> entries;
    const int count = std::clamp<int>(data.playerCount, 0, store::kMaxPlayers);
    for (int p = 1; p <= count; ++p) {
        const std::string& name = data.players[p].name;
        const size_t start = name.find_first_not_of(' ');
        if (start == std::string::npos) continue;
        std::string key = text::AsciiLower(name.substr(start));
        std::string letter = text::CharSlice(name.substr(start), 0, 1);
        if (letter.size() == 1 && letter[0] >= 'a' && letter[0] <= 'z') letter[0] = static_cast<char>(letter[0] - 32);
        entries.push_back({std::move(key), std::move(letter), p});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
    std::vector<LetterGroup> groups;
    for (const Entry& e : entries) {
        if (groups.empty() || groups.back().letter != e.letter) groups.push_back({e.letter, {}});
        groups.back().players.push_back(e.player);
    }
    return groups;
}

}  // namespace quorval::publish
