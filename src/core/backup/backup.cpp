#include "backup/backup.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include <sys/stat.h>

#include "league/leagues.hpp"
#include "store/atomicsave.hpp"
#include "store/coursefile.hpp"
#include "store/datafile.hpp"
#include "store/schedulefile.hpp"
#include "store/settingsfile.hpp"
#include "store/strokeindexfile.hpp"

namespace fs = std::filesystem;

namespace quorval::backup {

namespace {

constexpr const char* kLeagueExtension = ".LGE";

std::optional<std::string> readBytes(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

enum class Copied { Yes, Missing, Failed };

// Copies the data file of that name into the folder. An earlier copy is replaced whatever the case
// of its name, so a renamed original never leaves two copies side by side. A file that does not
// exist yet (no course added so far, say) has nothing to back up.
Copied copyFile(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    if (!fs::exists(source, ec)) return Copied::Missing;
    std::optional<std::string> bytes = readBytes(source);
    if (!bytes) return Copied::Failed;
    // The copy keeps the original's permissions, a read-only earlier copy included.
    store::SaveOptions options;
    options.replaceReadOnly = true;
    struct stat st {};
    if (::stat(source.c_str(), &st) == 0) options.mode = st.st_mode & 07777;
    return store::replaceFile(target, *bytes, options).empty() ? Copied::Yes : Copied::Failed;
}

Copied copyDataFile(const std::string& name, const fs::path& folder) {
    fs::path source = store::findDataFile(name);
    return copyFile(source, store::findDataFile((folder / source.filename()).string()));
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

}  // namespace

fs::path BackupFolder(const std::string& location) {
    fs::path where(location);
    if (location == "~" || location.starts_with("~/")) {
        if (const char* home = std::getenv("HOME")) where = home + location.substr(1);
    }
    return where / kBackupFolderName;
}

BackupOutcome BackupDataFiles(const store::LeagueData& data, platform::Dialogs& dialogs, const std::string& location) {
    // Without a location every file would be copied onto itself.
    if (location.find_first_not_of(" \t") == std::string::npos) {
        platform::Refuse(dialogs, "Type or choose the folder for your backup first.", "Quorval");
        return BackupOutcome::Beeped;
    }
    fs::path folder = BackupFolder(location);
    fs::path work = fs::current_path();
    if (sameFolder(folder.parent_path(), work) || sameFolder(folder, work)) {
        dialogs.message({platform::joinLines(
                             {"The backup location is the data folder itself.", "", "Please choose another folder"}),
                         "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return BackupOutcome::Refused;
    }

    // The normal pointer is back before the failure is told.
    dialogs.beginBusy("");
    auto fail = [&](const std::string& what) {
        dialogs.endBusy();
        dialogs.message({platform::joinLines({"Could not complete backup", "", what, folder.string(), "",
                                              "Please check the file location"}),
                         "Quorval", platform::Buttons::Ok, platform::Icon::Exclamation});
        return BackupOutcome::Failed;
    };
    // Only the backup folder is made: a location that does not exist is the user's mistake.
    std::error_code ec;
    fs::create_directory(folder, ec);
    if (!fs::is_directory(folder, ec)) return fail("This folder could not be made:");

    const store::LeagueRegistry& registry = data.registry;
    // A league whose name leads outside the data folder is not the folder's to copy.
    auto ours = [&](int k) { return league::SafeLeagueName(registry.leagueFiles[k]); };
    std::vector<std::string> files;
    for (int k = 1; k <= registry.leagueCount; ++k)
        if (ours(k)) files.push_back(registry.leagueFiles[k] + kLeagueExtension);
    files.push_back(store::kRegistryFileName);
    files.push_back(store::kCourseFileName);
    // Not every league has team data: a team file that is missing is simply not copied.
    for (int k = 1; k <= registry.leagueCount; ++k)
        if (ours(k)) files.push_back(store::TeamFileName(registry.leagueFiles[k] + kLeagueExtension));
    // Likewise the side files: stroke indexes and league options exist only where they were set.
    files.push_back(store::kStrokeIndexFileName);
    for (int k = 1; k <= registry.leagueCount; ++k)
        if (ours(k)) files.push_back(store::OptionsFileName(registry.leagueFiles[k] + kLeagueExtension));
    for (int k = 1; k <= registry.leagueCount; ++k) {
        if (!ours(k)) continue;
        files.push_back(store::ScheduleFileName(registry.leagueFiles[k] + kLeagueExtension));
        files.push_back(store::RecordFileName(registry.leagueFiles[k] + kLeagueExtension));
    }
    int copied = 0;
    for (const std::string& file : files) {
        Copied result = copyDataFile(file, folder);
        if (result == Copied::Failed) {
            return fail(store::findDataFile(file).filename().string() + " could not be copied to");
        }
        copied += result == Copied::Yes ? 1 : 0;
    }
    // The per-user settings live elsewhere; the backup keeps them under their own name, and
    // restore asks before it brings them back.
    fs::path settings = store::SettingsFilePath();
    Copied result = copyFile(settings, folder / store::kSettingsFileName);
    if (result == Copied::Failed) return fail(settings.filename().string() + " could not be copied to");
    copied += result == Copied::Yes ? 1 : 0;
    dialogs.endBusy();
    dialogs.message({platform::joinLines({"Backup complete: " + std::to_string(copied) +
                                              (copied == 1 ? " file was" : " files were") + " copied to",
                                          folder.string()}),
                     "Quorval", platform::Buttons::Ok, platform::Icon::Information});
    return BackupOutcome::Done;
}

}  // namespace quorval::backup
