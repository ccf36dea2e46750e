#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/leaguedata.hpp"

// Puts the data files of a "QVL Backup" folder back into the working directory.
namespace quorval::backup {

inline constexpr const char* kBeforeRestoreSuffix = ".before-restore";

struct BackupEntry {
    std::string name;      // as it is in the backup folder
    std::string modified;  // "YYYY-MM-DD HH:MM", local time
};

// When the entry was last changed, its date in the user's order: "02/06/26 14:03".
std::string ModifiedText(const BackupEntry& entry, store::DateOrder order);

// The backup folder a chosen folder stands for: the folder itself when it is named "QVL Backup",
// else its "QVL Backup" subfolder. Empty when neither exists.
std::filesystem::path FindBackupFolder(const std::filesystem::path& chosen);

// The data files the folder holds, by name: league and team files, the league list, the courses.
std::vector<BackupEntry> BackupContents(const std::filesystem::path& folder);

// The copy of the per-user settings file the backup holds, if it holds one. It is not a data
// file of the folder: restore brings it back only when asked.
std::optional<BackupEntry> BackupSettings(const std::filesystem::path& folder);

struct RestoreResult {
    bool ok = false;
    int restored = 0;  // data files
    bool settingsRestored = false;
    std::string failedFile;  // the file that could not be read or written
    std::string error;
};

// Copies every file of BackupContents into the working directory, over the file of that name
// whatever its letter case. Every backup file is read before anything is written; each file
// replaced is kept first as NAME.before-restore. A write that fails puts back the files already
// replaced, so the folder is either restored whole or left as it was. A backup that fails
// CheckBackup writes nothing. With `withSettings` the backup's settings file (which must load
// too) replaces the per-user one as part of the same restore.
RestoreResult RestoreBackup(const std::filesystem::path& folder, bool withSettings = false);

}  // namespace quorval::backup
