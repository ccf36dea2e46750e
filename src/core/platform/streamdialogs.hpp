#pragma once

#include <ostream>

#include "platform/dialogs.hpp"

namespace quorval::platform {

// Dialogs for the command-line tool: every message text goes to a stream, questions take their
// default button, input boxes are cancelled.
class StreamDialogs : public Dialogs {
public:
    explicit StreamDialogs(std::ostream& out) : m_out(out) {}

    Answer message(const Message& box) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;
    void beep() override {}
    std::optional<std::string> saveFile(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string& = {}) override {
        return std::nullopt;
    }
    void beginBusy(const std::string&) override {}
    void endBusy() override {}

private:
    std::ostream& m_out;
};

}  // namespace quorval::platform
