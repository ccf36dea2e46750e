#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.hpp"

namespace quorval::testing {

// Dialogs for tests: every box shown is recorded and must be taken by the test; a question needs
// a scripted answer; an answer left unused or a box left untaken fails the test.
class ScriptedDialogs : public platform::Dialogs {
public:
    ~ScriptedDialogs() override;

    void answer(platform::Answer a) { m_answers.push_back(a); }
    void answerInput(std::optional<std::string> text) { m_inputs.push_back(std::move(text)); }
    // The next save-file dialog's answer: a path, or nothing for Cancel.
    void answerSaveFile(std::optional<std::string> path) { m_files.push_back(std::move(path)); }
    // The next folder chooser's answer: a path, or nothing for Cancel.
    void answerFolder(std::optional<std::string> path) { m_folders.push_back(std::move(path)); }

    // The boxes shown since the last call; taking them marks them as expected.
    std::vector<platform::Message> takeMessages();
    int beeps() const { return m_beeps; }
    // The text the last input box offered.
    const std::string& lastInputDefault() const { return m_lastInputDefault; }
    int busyDepth() const { return m_busyDepth; }
    const std::vector<std::string>& busyNotes() const { return m_busyNotes; }

    platform::Answer message(const platform::Message& box) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) override;
    void beep() override { ++m_beeps; }
    std::optional<std::string> saveFile(const std::string& title, const std::string& filter) override;
    std::optional<std::string> saveFileAs(const std::string& title, const std::string& filter,
                                          const std::string& proposed) override {
        proposedFiles.push_back(proposed);
        return saveFile(title, filter);
    }
    std::vector<std::string> proposedFiles;  // what each save dialog offered
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& start = {}) override;
    // The folders the choosers opened in, in order.
    const std::vector<std::string>& folderStarts() const { return m_folderStarts; }
    // Answered from the same queue as the save-file dialog.
    std::optional<std::string> openFile(const std::string& title, const std::string& filter) override {
        return saveFile(title, filter);
    }
    void beginBusy(const std::string& note) override;
    void endBusy() override { --m_busyDepth; }

private:
    std::deque<platform::Answer> m_answers;
    std::deque<std::optional<std::string>> m_inputs;
    std::string m_lastInputDefault;
    std::deque<std::optional<std::string>> m_files;
    std::deque<std::optional<std::string>> m_folders;
    std::vector<std::string> m_folderStarts;
    std::vector<platform::Message> m_shown;
    std::vector<std::string> m_busyNotes;
    int m_beeps = 0;
    int m_busyDepth = 0;
};

}  // namespace quorval::testing
