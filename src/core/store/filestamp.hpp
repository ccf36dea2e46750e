#pragma once

#include <cstdint>
#include <filesystem>

// What a file on disk looked like when it was read, to notice a change made by someone else.
namespace quorval::store {

struct FileStamp {
    bool known = false;  // false: nothing was read, so there is nothing to compare
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

// The file as it is now (through a symbolic link, the file the link leads to).
FileStamp StampOf(const std::filesystem::path& file);

// True when the file was read and is no longer what was read: replaced, written or removed.
bool ChangedSince(const std::filesystem::path& file, const FileStamp& loaded);

}  // namespace quorval::store
