#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Replacing several files together: after a failure or a kill at any point they are all old or
// all new, never a mix.
namespace quorval::store {

// The commit record, in the data folder while a group of renames is under way.
inline constexpr const char* kCommitRecordName = ".quorval-commit";

struct FileWrite {
    std::filesystem::path file;
    std::string content;
};

// Writes every file under a temporary name first (with every check of replaceFile) and flushes
// them together; then writes and flushes a commit record in `folder` listing the renames, renames
// each temporary over its file, flushes each folder once and removes the record. A failure before
// the record is on disk leaves every file as it was; a kill after it is completed by
// CompleteLeftoverCommit. `stopAfterRename` is a test's seam: when it answers true after a rename,
// the write stops there as a kill would. Returns an empty text on success, else the file and why
// it failed.
std::string replaceFilesTogether(const std::vector<FileWrite>& files, const std::filesystem::path& folder = {},
                                 const std::function<bool(size_t renamed)>& stopAfterRename = {});

// Finishes the renames a killed replaceFilesTogether left in `folder`, then removes its record.
// Returns how many files it completed; an unreadable record is removed, since it was never in force.
int CompleteLeftoverCommit(const std::filesystem::path& folder = {});

}  // namespace quorval::store
