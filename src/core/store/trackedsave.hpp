#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "platform/dialogs.hpp"
#include "store/filestamp.hpp"

// The save every data and side file goes through: the changed-on-disk question, the atomic write,
// the message when it fails and the new stamp when it succeeds.
namespace quorval::store {

// What the user reads when a save fails: the text, then (withReason) the line that says why.
// Without a text the failure is not told, only returned.
struct SaveFailure {
    std::string text;
    std::string title = "Quorval";
    platform::Icon icon = platform::Icon::Exclamation;
    bool withReason = true;
};

struct TrackedSave {
    explicit TrackedSave(std::filesystem::path path, FileStamp* loaded = nullptr, std::function<void()> reloader = {})
        : file(std::move(path)), stamp(loaded), reload(std::move(reloader)) {}

    std::filesystem::path file;
    // The file as it was read or last written; renewed by a successful save. Null: a file nobody
    // else writes, saved without the question.
    FileStamp* stamp = nullptr;
    // Reads the file again when the user chooses the other program's version.
    std::function<void()> reload;
    // Writes the file and returns why it failed (empty on success); by default the content
    // atomically.
    std::function<std::string()> write;
    std::string content;
    SaveFailure failure;
};

// True when the file was written. False when the user reloaded it instead, or the write failed
// (after the failure message).
bool SaveTracked(const TrackedSave& save, platform::Dialogs& dialogs);

}  // namespace quorval::store
