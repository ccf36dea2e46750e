#include "backup/restore.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <optional>

#include "backup/backup.hpp"
#include "backup/restorecheck.hpp"
#include "dates/dateorder.hpp"
#include "store/datafile.hpp"
#include "store/settingsfile.hpp"
#include "text/asciicase.hpp"

namespace fs = std::filesystem;

namespace quorval::backup {

namespace {

// What a backup writes: league files, team files, the league list and the course file. Anything
// else in the folder (a note the user left, a half-written temporary) is not the program's.
bool isDataFile(const fs::path& file) {
    std::string name = text::AsciiLower(file.filename().string());
    std::string ext = text::AsciiLower(file.extension().string());
    return ext == ".lge" || ext == ".tea" || ext == ".cfg" || ext == ".sch" || ext == ".hix" ||
           name == "qvleague.dat" || name == "course.dat" || name == "course.si";
}

std::string modifiedText(const fs::path& file) {
    std::error_code ec;
    auto stamp = fs::last_write_time(file, ec);
    if (ec) return "";
    auto system = std::chrono::file_clock::to_sys(stamp);
    std::time_t t = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::optional<std::string> readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

}  // namespace

fs::path FindBackupFolder(const fs::path& chosen) {
    std::error_code ec;
    if (chosen.filename() == kBackupFolderName && fs::is_directory(chosen, ec)) return chosen;
    if (fs::is_directory(chosen / kBackupFolderName, ec)) return chosen / kBackupFolderName;
    return {};
}

std::string ModifiedText(const BackupEntry& entry, store::DateOrder order) {
    int year = 0, month = 0, day = 0, used = 0;
    if (std::sscanf(entry.modified.c_str(), "%4d-%2d-%2d%n", &year, &month, &day, &used) != 3) return entry.modified;
    return dates::ShortDate(order, month, day, year % 100) + entry.modified.substr(static_cast<size_t>(used));
}

std::vector<BackupEntry> BackupContents(const fs::path& folder) {
    std::vector<BackupEntry> entries;
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        if (!item.is_regular_file(ec) || !isDataFile(item.path())) continue;
        entries.push_back({item.path().filename().string(), modifiedText(item.path())});
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return text::AsciiLower(a.name) < text::AsciiLower(b.name);
    });
    return entries;
}

std::optional<BackupEntry> BackupSettings(const fs::path& folder) {
    std::error_code ec;
    fs::path copy = folder / store::kSettingsFileName;
    if (!fs::is_regular_file(fs::symlink_status(copy, ec))) return std::nullopt;
    return BackupEntry{store::kSettingsFileName, modifiedText(copy)};
}

RestoreResult RestoreBackup(const fs::path& folder, bool withSettings) {
    // Nothing is written unless every file of the backup loads.
    if (RestoreResult checked = CheckBackup(folder); !checked.ok) return checked;
    RestoreResult result;
    struct Planned {
        fs::path target;
        std::string bytes;
        std::optional<std::string> before;  // the file it replaces
    };
    std::vector<Planned> plan;
    for (const BackupEntry& entry : BackupContents(folder)) {
        auto bytes = readBytes(folder / entry.name);
        if (!bytes) {
            result.failedFile = (folder / entry.name).string();
            result.error = "it could not be read";
            return result;
        }
        fs::path target = store::findDataFile(entry.name);
        std::error_code ec;
        std::optional<std::string> before;
        if (fs::exists(target, ec)) {
            before = readBytes(target);
            if (!before) {
                result.failedFile = target.string();
                result.error = "it could not be read";
                return result;
            }
        }
        plan.push_back({target, std::move(*bytes), std::move(before)});
    }
    size_t dataFiles = plan.size();
    if (withSettings && BackupSettings(folder)) {
        fs::path copy = folder / store::kSettingsFileName;
        auto bytes = readBytes(copy);
        store::Settings read;
        if (!bytes || !store::ParseSettings(read, *bytes)) {
            result.failedFile = copy.string();
            result.error = "it does not load as a settings file";
            return result;
        }
        fs::path target = store::SettingsFilePath();
        std::error_code ec;
        if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
        std::optional<std::string> before;
        if (fs::exists(target, ec)) before = readBytes(target);
        plan.push_back({target, std::move(*bytes), std::move(before)});
    }

    // Puts back what the first `count` files held.
    auto undo = [&](size_t count) {
        for (size_t i = 0; i < count; ++i) {
            if (plan[i].before) {
                store::writeFileAtomically(plan[i].target, *plan[i].before);
            } else {
                std::error_code ec;
                fs::remove(plan[i].target, ec);
            }
        }
    };
    for (size_t i = 0; i < plan.size(); ++i) {
        const Planned& file = plan[i];
        fs::path written = file.target;
        std::string error;
        if (file.before) {
            written += kBeforeRestoreSuffix;
            error = store::writeFileAtomically(written, *file.before);
        }
        if (error.empty()) {
            written = file.target;
            error = store::writeFileAtomically(written, file.bytes);
        }
        if (!error.empty()) {
            undo(i);
            result.failedFile = written.string();
            result.error = error;
            return result;
        }
    }
    result.ok = true;
    result.restored = static_cast<int>(dataFiles);
    result.settingsRestored = plan.size() > dataFiles;
    return result;
}

}  // namespace quorval::backup
