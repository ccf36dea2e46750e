#include "backup/backup.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

#include "store/coursefile.hpp"
#include "store/datafile.hpp"
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

// Copies the data file of that name into the folder. An earlier copy is replaced whatever the case
// of its name, so a renamed original never leaves two copies side by side.
bool copyDataFile(const std::string& name, const fs::path& folder) {
    fs::path source = store::findDataFile(name);
    std::optional<std::string> bytes = readBytes(source);
    if (!bytes) return false;
    fs::path target = store::findDataFile((folder / source.filename()).string());
    return store::writeFileAtomically(target, *bytes).empty();
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
        dialogs.beep();
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
    auto fail = [&] {
        dialogs.endBusy();
        dialogs.message({platform::joinLines({"Could not complete backup", "", "Please check the file location"}),
                         "Quorval", platform::Buttons::Ok, platform::Icon::None});
        return BackupOutcome::Failed;
    };
    // Only the backup folder is made: a location that does not exist is the user's mistake.
    std::error_code ec;
    fs::create_directory(folder, ec);
    if (!fs::is_directory(folder, ec)) return fail();

    const store::LeagueRegistry& registry = data.registry;
    for (int k = 1; k <= registry.leagueCount; ++k)
        if (!copyDataFile(registry.leagueFiles[k] + kLeagueExtension, folder)) return fail();
    if (!copyDataFile(store::kRegistryFileName, folder)) return fail();
    if (!copyDataFile(store::kCourseFileName, folder)) return fail();
    // Not every league has team data: a team file that is missing is simply not copied.
    for (int k = 1; k <= registry.leagueCount; ++k)
        copyDataFile(store::TeamFileName(registry.leagueFiles[k] + kLeagueExtension), folder);
    // Likewise the side files: stroke indexes and league options exist only where they were set.
    copyDataFile(store::kStrokeIndexFileName, folder);
    for (int k = 1; k <= registry.leagueCount; ++k)
        copyDataFile(store::OptionsFileName(registry.leagueFiles[k] + kLeagueExtension), folder);
    dialogs.endBusy();
    return BackupOutcome::Done;
}

}  // namespace quorval::backup
