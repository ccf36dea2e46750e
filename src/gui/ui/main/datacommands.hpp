#pragma once

#include "platform/services.hpp"

// File menu commands that move the league's data in and out as whole files: the rounds as a
// spreadsheet file, and a backup put back. Each asks and tells through the Dialogs seam.
namespace quorval::gui {

// File > Export > Rounds as CSV: the open league's rounds, as quorval-cli csv writes them.
void ExportRoundsAsCsv(platform::Services& services);

// File > Import rounds from CSV. Returns whether the league changed (and was saved).
bool ImportRoundsFromCsv(platform::Services& services);

// File > Backup your data files > Restore from a backup. Returns whether files were put back; the
// caller then reads the league list again and reopens the league.
bool RestoreFromBackup(platform::Services& services);

}  // namespace quorval::gui
