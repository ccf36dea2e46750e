// restore: a backup folder's data files back into the data folder, checked first.
#include "backup/restore.hpp"
#include "backup/restorecheck.hpp"
#include "cli/commands.hpp"
#include "cli/options.hpp"

namespace quorval::cli {

int RunRestore(Context& ctx, const Args& args) {
    bool dryRun = false, withSettings = false;
    std::vector<std::string> folders;
    for (OptionReader in(args); in.more();)
        if (!in.flag("--dry-run", dryRun) && !in.flag("--settings", withSettings) && !in.word(folders)) return kUsage;
    if (folders.size() != 1) return kUsage;
    std::filesystem::path folder = backup::FindBackupFolder(folders[0]);
    if (folder.empty()) {
        ctx.err << "quorval-cli: " << folders[0] << " holds no QVL Backup folder\n";
        return kFailed;
    }
    backup::RestoreResult result = dryRun ? backup::CheckBackup(folder) : backup::RestoreBackup(folder, withSettings);
    if (!result.ok) {
        ctx.err << "quorval-cli: nothing was restored: " << result.failedFile << ": " << result.error << '\n';
        return kFailed;
    }
    for (const backup::BackupEntry& entry : backup::BackupContents(folder)) {
        ctx.out << (dryRun ? "would restore " : "restored ") << entry.name << '\n';
    }
    // The settings file is the user's own, not the folder's: it comes back only when asked.
    if (auto settings = backup::BackupSettings(folder)) {
        if (!withSettings) {
            ctx.out << "left your settings file as it is; --settings brings back " << settings->name << '\n';
        } else {
            ctx.out << (dryRun ? "would restore " : "restored ") << settings->name << " (your settings file)\n";
        }
    }
    return kOk;
}

}  // namespace quorval::cli
