#include "platform/streamdialogs.hpp"

namespace quorval::platform {

namespace {

Answer defaultAnswer(const Message& box) {
    switch (box.buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
            return box.defaultButton == 2 ? Answer::Cancel : Answer::Ok;
        case Buttons::YesNo:
            return box.defaultButton == 2 ? Answer::No : Answer::Yes;
        case Buttons::YesNoCancel:
            return box.defaultButton == 3 ? Answer::Cancel : box.defaultButton == 2 ? Answer::No : Answer::Yes;
        // Without a user to ask, nothing is written over a file someone else changed.
        case Buttons::ReloadOverwrite:
            return Answer::Reload;
        case Buttons::ReadOnlyQuit:
            return Answer::Quit;
    }
    return Answer::Ok;
}

}  // namespace

Answer StreamDialogs::message(const Message& box) {
    std::string text = box.text;
    for (size_t i = 0; (i = text.find("\r\n", i)) != std::string::npos;) text.erase(i, 1);
    m_out << text << '\n';
    return defaultAnswer(box);
}

std::optional<std::string> StreamDialogs::input(const std::string&, const std::string&, const std::string&) {
    return std::nullopt;
}

}  // namespace quorval::platform
