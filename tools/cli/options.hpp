#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.hpp"
#include "dates/dateorder.hpp"

// How the commands read what follows their name. Each rule lives here once.
namespace quorval::cli {

// A whole number written out in full ("12", "-3"); nothing else, not even a blank, reads.
std::optional<int> WholeNumber(std::string_view text);

// The items of a comma-separated list; a comma at either end gives an empty item.
std::vector<std::string> CommaItems(const std::string& list);

// The whole numbers of a comma-separated list, added to VALUES; false at an item that is none.
bool AddWholeNumbers(const std::string& list, std::vector<int>& values);

// A date typed in the user's order, read by PARSE; when it does not read, says so (with AFTER
// appended to the reason) and gives nothing.
template <class Parse>
auto TypedDate(Context& ctx, const std::string& text, Parse parse, const char* after = "") {
    auto date = parse(text, ctx.typedOrder);
    if (!date) ctx.err << "quorval-cli: " << dates::RefusedMessage(ctx.typedOrder, text) << after << '\n';
    return date;
}

// Walks a command's arguments in the order typed. An option that takes a value takes the next
// argument whatever it is; at the end, without one, it is no option the command knows.
class OptionReader {
public:
    explicit OptionReader(const Args& args, size_t first = 0) : m_args(args), m_at(first) {}

    // Whether arguments are left and no value so far was refused.
    bool more() const { return m_at < m_args.size() && !m_refused; }
    bool refused() const { return m_refused; }
    // Whether the argument at hand is NAME; when it is, moves past it and sets FLAG.
    bool flag(std::string_view name, bool& flag);
    // Whether the argument at hand is the word NAME, in any case; when it is, moves past it.
    bool anyCase(std::string_view name);
    // Whether the argument at hand is NAME with a value after it; when it is, moves past both.
    bool option(std::string_view name, std::string& value);
    // The same, the value read by READ into INTO; a value that does not read refuses it.
    template <class T, class Read>
    bool option(std::string_view name, std::optional<T>& into, Read read) {
        std::string text;
        if (!option(name, text)) return false;
        into = read(text);
        m_refused = !into;
        return true;
    }
    // Whether the argument at hand is a word (no leading "--") while WORD is still empty; when it
    // is, moves past it into WORD.
    bool word(std::string& word);
    // Whether the argument at hand is a word; when it is, moves past it, adding it to WORDS.
    bool word(std::vector<std::string>& words);

private:
    const std::string& at() const { return m_args[m_at]; }

    const Args& m_args;
    size_t m_at;
    bool m_refused = false;
};

}  // namespace quorval::cli
