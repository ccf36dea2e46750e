#pragma once

#include <filesystem>
#include <string>

#include "platform/dialogs.hpp"
#include "store/leaguedata.hpp"

// Copies the data files of the working directory into a "QVL Backup" folder elsewhere.
namespace quorval::backup {

inline constexpr const char* kBackupFolderName = "QVL Backup";

enum class BackupOutcome {
    Beeped,   // no location given; the user was told
    Refused,  // the copies would land in the data folder itself; the user was told
    Failed,   // a file could not be copied; the user was told which, the copies made so far stay
    Done,     // the user was told where the copies went and how many there are
};

// Where the copies of a backup to that location go: "QVL Backup" inside it. A leading "~" is the
// home folder; a relative location is taken from the working directory.
std::filesystem::path BackupFolder(const std::string& location);

// Copies, byte for byte and over any earlier copies, every league file of the registry, the
// registry and the course file, then the team files and side files, each where it exists, and
// last the per-user settings file (as "qvl32.ini"). A data file is found whatever the
// letter case of its name and keeps the name it has.
BackupOutcome BackupDataFiles(const store::LeagueData& data, platform::Dialogs& dialogs, const std::string& location);

}  // namespace quorval::backup
