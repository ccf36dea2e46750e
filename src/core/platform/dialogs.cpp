#include "platform/dialogs.hpp"

namespace quorval::platform {

void Refuse(Dialogs& dialogs, const std::string& why, const std::string& title) {
    dialogs.beep();
    dialogs.message({why, title, Buttons::Ok, Icon::Exclamation});
}

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
