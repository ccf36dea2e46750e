#include "play/money.hpp"

namespace quorval::play {

std::optional<Cents> ParseAmount(std::string_view text) {
    Cents whole = 0;
    size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        whole = whole * 10 + (text[i] - '0');
        if (whole > 1000000) return std::nullopt;
    }
    if (i == 0 && (text.size() < 2 || text[0] != '.')) return std::nullopt;
    Cents cents = 0;
    if (i < text.size()) {
        if (text[i] != '.') return std::nullopt;
        std::string_view decimals = text.substr(i + 1);
        if (decimals.empty() || decimals.size() > 2) return std::nullopt;
        for (char c : decimals) {
            if (c < '0' || c > '9') return std::nullopt;
        }
        cents = (decimals[0] - '0') * 10 + (decimals.size() == 2 ? decimals[1] - '0' : 0);
    }
    return whole * 100 + cents;
}

std::string AmountText(Cents cents, const std::string& currency) {
    Cents a = cents < 0 ? -cents : cents;
    std::string fraction = std::to_string(a % 100);
    if (fraction.size() < 2) fraction = "0" + fraction;
    return (cents < 0 ? "-" : "") + currency + std::to_string(a / 100) + "." + fraction;
}

}  // namespace quorval::play
