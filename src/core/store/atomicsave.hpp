#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Replacing a file safely: a private temporary file beside it, flushed to disk, renamed over it.
namespace quorval::store {

struct SaveOptions {
    // Permission bits for the new file; by default it keeps those of the file it replaces.
    std::optional<unsigned> mode;
    // A copy (not the user's own file) may replace an earlier copy that has no write permission.
    bool replaceReadOnly = false;
};

// Writes the content to a temporary file of a unique name in the file's folder (created
// exclusively, never through a link), flushes it and renames it over the file. A file reached
// through a symbolic link is replaced at the link's target, and the link stays. A file without
// write permission is not replaced. Temporary files left by saves that were killed are removed.
// Returns an empty text on success, else why it failed.
std::string replaceFile(const std::filesystem::path& file, std::string_view content, const SaveOptions& options = {});

// The line a save failure adds to its message when the file has no write permission; empty for
// any other failure.
std::string permissionLine(const std::string& error);

}  // namespace quorval::store
