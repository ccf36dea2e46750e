#include "scripteddialogs.hpp"

#include <gtest/gtest.h>

namespace quorval::testing {

ScriptedDialogs::~ScriptedDialogs() {
    for (const auto& box : m_shown) ADD_FAILURE() << "message box not expected by the test: " << box.text;
    if (!m_answers.empty()) ADD_FAILURE() << m_answers.size() << " scripted answer(s) left unused";
    if (!m_inputs.empty()) ADD_FAILURE() << m_inputs.size() << " scripted input(s) left unused";
    if (!m_files.empty()) ADD_FAILURE() << m_files.size() << " scripted file choice(s) left unused";
    if (!m_folders.empty()) ADD_FAILURE() << m_folders.size() << " scripted folder choice(s) left unused";
    EXPECT_EQ(m_busyDepth, 0) << "busy pointer left on";
}

std::vector<platform::Message> ScriptedDialogs::takeMessages() {
    return std::exchange(m_shown, {});
}

platform::Answer ScriptedDialogs::message(const platform::Message& box) {
    m_shown.push_back(box);
    if (box.buttons == platform::Buttons::Ok) return platform::Answer::Ok;
    if (m_answers.empty()) {
        ADD_FAILURE() << "question without a scripted answer: " << box.text;
        return platform::Answer::Cancel;
    }
    platform::Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

namespace {

// The next scripted answer of a dialog kind; none left fails the test and cancels.
std::optional<std::string> next(std::deque<std::optional<std::string>>& answers, const char* dialog,
                                const std::string& title) {
    if (answers.empty()) {
        ADD_FAILURE() << dialog << " without a scripted answer: " << title;
        return std::nullopt;
    }
    auto answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

}  // namespace

std::optional<std::string> ScriptedDialogs::input(const std::string& prompt, const std::string&,
                                                  const std::string& defaultText) {
    m_lastInputDefault = defaultText;
    return next(m_inputs, "input box", prompt);
}

std::optional<std::string> ScriptedDialogs::saveFile(const std::string& title, const std::string&) {
    return next(m_files, "save-file dialog", title);
}

std::optional<std::string> ScriptedDialogs::chooseFolder(const std::string& title, const std::string& start) {
    m_folderStarts.push_back(start);
    return next(m_folders, "folder chooser", title);
}

void ScriptedDialogs::beginBusy(const std::string& note) {
    ++m_busyDepth;
    m_busyNotes.push_back(note);
}

}  // namespace quorval::testing
