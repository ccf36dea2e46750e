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
    // False when the caller flushes many files at once (the web pages) before renaming them.
    bool sync = true;
};

// Writes the content to a temporary file of a unique name in the file's folder (created
// exclusively, never through a link), flushes it and renames it over the file. A file reached
// through a symbolic link is replaced at the link's target, and the link stays. A file without
// write permission is not replaced. Temporary files left by saves that were killed are removed
// (looked for once per file and run).
// Returns an empty text on success, else why it failed.
std::string replaceFile(const std::filesystem::path& file, std::string_view content, const SaveOptions& options = {});

// A file written and flushed under a temporary name, waiting to be renamed over its target (a
// link's target, never the link).
struct PreparedFile {
    std::filesystem::path temp;
    std::filesystem::path target;
};

// The first half of replaceFile: every check, then the bytes on disk under a temporary name.
// Returns an empty text on success, else why it failed (and no temporary is left).
std::string prepareReplacement(const std::filesystem::path& file, std::string_view content, const SaveOptions& options,
                               PreparedFile& prepared);

// Makes the renames and removals in the folder durable.
void syncFolder(const std::filesystem::path& folder);

// Removes the temporaries that killed saves of this file left behind; the first call per file
// and run looks, later ones return at once.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& name);

// The line a save failure adds to its message when the file has no write permission; empty for
// any other failure.
std::string permissionLine(const std::string& error);

// The line a save failure message ends with: the permission line, else the system's reason.
std::string saveFailureLine(const std::string& error);

}  // namespace quorval::store
