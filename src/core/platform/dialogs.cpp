#include "platform/dialogs.hpp"

namespace quorval::platform {

std::string joinLines(std::initializer_list<std::string> lines) {
    std::string text;
    bool first = true;
    for (const auto& line : lines) {
        if (!first) text += "\r\n";
        text += line;
        first = false;
    }
    return text;
}

}  // namespace quorval::platform
