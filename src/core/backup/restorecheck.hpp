#pragma once

#include <filesystem>

#include "backup/restore.hpp"

namespace quorval::backup {

// Loads every data file of the backup with the program's own readers before anything is
// restored: a link, a file that does not load, or a league file the backup's league list does not
// name refuses the restore (ok false, failedFile and error say which and why).
RestoreResult CheckBackup(const std::filesystem::path& folder);

}  // namespace quorval::backup
