#include "ui/main/datacommands.hpp"

#include <fstream>
#include <iterator>
#include <memory>

#include "backup/restore.hpp"
#include "exchange/roundscsv.hpp"
#include "players/roster.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/settingsfile.hpp"
#include "store/teamfile.hpp"

namespace quorval::gui {

namespace {

constexpr const char* kCsvFilter = "CSV Files (*.csv *.CSV)";

void tell(platform::Services& services, const std::string& text, platform::Icon icon) {
    services.dialogs.message({text, "Quorval", platform::Buttons::Ok, icon});
}

std::string joined(const std::vector<std::string>& lines, size_t most) {
    std::string text;
    for (size_t i = 0; i < lines.size() && i < most; ++i) text += (i ? "\r\n" : "") + lines[i];
    if (lines.size() > most) text += "\r\n… and " + std::to_string(lines.size() - most) + " more";
    return text;
}

bool leagueOpen(platform::Services& services) {
    if (!services.data.leagueFileName.empty()) return true;
    platform::Refuse(services.dialogs, "Open a league first.", "Quorval");
    return false;
}

}  // namespace

void ExportRoundsAsCsv(platform::Services& services) {
    if (!leagueOpen(services)) return;
    auto chosen = services.dialogs.saveFile("Export Rounds as CSV", kCsvFilter);
    if (!chosen || chosen->empty()) return;
    std::string file = *chosen;
    if (std::filesystem::path(file).extension().empty()) file += ".csv";
    std::string error = store::writeFileAtomically(file, exchange::RoundsCsv(services.data));
    if (error.empty()) {
        tell(services, "The rounds were written to\r\n" + file, platform::Icon::Information);
    } else {
        tell(services, "The rounds could not be written to " + file + ":\r\n" + error, platform::Icon::Exclamation);
    }
}

bool ImportRoundsFromCsv(platform::Services& services) {
    if (!leagueOpen(services)) return false;
    if (services.data.readOnly) {
        tell(services, "The data folder is open read-only: nothing can be imported.", platform::Icon::Exclamation);
        return false;
    }
    auto chosen = services.dialogs.openFile("Import Rounds from CSV", kCsvFilter);
    if (!chosen) return false;
    std::ifstream in(*chosen, std::ios::binary);
    if (!in) {
        tell(services, "The file " + *chosen + " could not be read.", platform::Icon::Exclamation);
        return false;
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};

    // Teams are read first, so that writing the team file for an added player keeps them.
    store::LeagueData& data = services.data;
    if (players::HasTeamFile(data)) store::LoadTeamAssignments(data);
    // The rounds go into a copy: the league changes only when the user keeps what was read.
    auto trial = std::make_unique<store::LeagueData>(data);
    exchange::ImportReport report = exchange::ImportRoundsCsv(*trial, bytes);
    if (report.olderRefused > 0) {
        // As the score window does: a round older than the latest becomes the newest only if asked.
        std::string question = std::to_string(report.olderRefused) +
                               (report.olderRefused == 1 ? " round is" : " rounds are") +
                               " older than the player's latest round.\r\nPost them as the newest anyway?";
        if (services.dialogs.message({question, "Import Rounds", platform::Buttons::YesNo, platform::Icon::Question,
                                      2}) == platform::Answer::Yes) {
            trial = std::make_unique<store::LeagueData>(data);
            report = exchange::ImportRoundsCsv(*trial, bytes, {true});
        }
    }
    std::string text = joined(exchange::DescribeImport(report), 20);
    bool anything = report.posted > 0 || !report.playersAdded.empty();
    if (report.problems.empty()) {
        tell(services, text, platform::Icon::Information);
    } else if (!anything) {
        tell(services, text + "\r\n\r\nNothing was imported.", platform::Icon::Exclamation);
        return false;
    } else if (services.dialogs.message({text + "\r\n\r\nKeep the rounds that could be read?", "Import Rounds",
                                         platform::Buttons::YesNo, platform::Icon::Question, 2}) !=
               platform::Answer::Yes) {
        return false;
    }
    if (!anything) return false;
    // Shown only once it is on disk: a league that could not be saved keeps what it had.
    if (!players::SaveRoster(*trial, services.dialogs, !report.playersAdded.empty())) return false;
    data = *trial;
    return true;
}

bool RestoreFromBackup(platform::Services& services) {
    auto chosen = services.dialogs.chooseFolder("Choose the QVL Backup folder to restore from",
                                                services.data.settings.backupFolder);
    if (!chosen) return false;
    std::filesystem::path folder = backup::FindBackupFolder(*chosen);
    std::vector<backup::BackupEntry> contents;
    if (!folder.empty()) contents = backup::BackupContents(folder);
    if (contents.empty()) {
        platform::Refuse(services.dialogs, *chosen + "\r\nholds no QVL Backup folder with data files.", "Restore");
        return false;
    }
    std::vector<std::string> lines = {"The backup in " + folder.string() + " holds:", ""};
    for (const backup::BackupEntry& entry : contents)
        lines.push_back(entry.name + "    " + backup::ModifiedText(entry, services.data.settings.dateOrder));
    lines.insert(lines.end(), {"", "Copy these files back over your data files?",
                               "Each file replaced is kept as NAME" + std::string(backup::kBeforeRestoreSuffix) + "."});
    if (services.dialogs.message({joined(lines, 40), "Restore from a backup", platform::Buttons::YesNo,
                                  platform::Icon::Question, 2}) != platform::Answer::Yes) {
        return false;
    }
    // The settings file is the user's own rather than the folder's, so it comes back only if asked.
    bool withSettings = false;
    if (auto settings = backup::BackupSettings(folder)) {
        withSettings = services.dialogs.message(
                           {"The backup also holds your settings file (" + settings->name + ", " + settings->modified +
                                "): stroke control, averaging, card alignment and the folders used "
                                "last.\r\nBring your settings back too?",
                            "Restore from a backup", platform::Buttons::YesNo, platform::Icon::Question, 2}) ==
                       platform::Answer::Yes;
    }
    backup::RestoreResult result = backup::RestoreBackup(folder, withSettings);
    if (!result.ok) {
        tell(services,
             "Nothing was restored: " + result.failedFile + " failed (" + result.error +
                 ").\r\nYour data files are as they were.",
             platform::Icon::Exclamation);
        return false;
    }
    if (result.settingsRestored) store::LoadSettingsFile(services.data);
    tell(services,
         std::to_string(result.restored) + " files were restored from\r\n" + folder.string() +
             (result.settingsRestored ? "\r\nYour settings file was brought back too." : ""),
         platform::Icon::Information);
    return true;
}

}  // namespace quorval::gui
