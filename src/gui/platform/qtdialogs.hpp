#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "platform/dialogs.hpp"

namespace quorval::gui {

// Message boxes, input boxes, beeps and the busy pointer of the desktop program.
class QtDialogs : public platform::Dialogs {
public:
    // The main window's message panel, which a busy note replaces for the time being.
    void setPanel(std::function<QString()> text, std::function<void(const QString&)> setText);

    platform::Answer message(const platform::Message& box) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;
    void beep() override;
    std::optional<std::string> saveFile(const std::string& title, const std::string& filter) override;
    std::optional<std::string> saveFileAs(const std::string& title, const std::string& filter,
                                          const std::string& proposed) override;
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& start = {}) override;
    std::optional<std::string> openFile(const std::string& title, const std::string& filter) override;
    void beginBusy(const std::string& note) override;
    void endBusy() override;

private:
    std::function<QString()> m_panelText;
    std::function<void(const QString&)> m_setPanelText;
    std::vector<QString> m_savedPanel;
};

// Message texts hold their lines joined by CR LF.
QString messageText(const std::string& text);

}  // namespace quorval::gui
