#pragma once

#include <optional>
#include <string>

#include "platform/dialogs.hpp"
#include "platform/seams.hpp"
#include "print/recordingprinter.hpp"
#include "store/leaguedata.hpp"

// "Save as PDF" from a print preview: a file name that says what the document is, in the folder
// used last.
namespace quorval::print {

// "<league> - <report> - <yyyy-mm-dd>.pdf"; the parts a document lacks are left out.
std::string PdfFileName(const Document& document, const platform::Date& date);

// Asks where to save, proposing PdfFileName in the folder saved to last (else the working
// folder); ".pdf" is added unless the chosen name ends so. The chosen folder is remembered in
// the settings file. Empty when the user cancels.
std::optional<std::string> ChoosePdfPath(const Document& document, store::LeagueData& data, platform::Dialogs& dialogs,
                                         const platform::Date& today);

}  // namespace quorval::print
