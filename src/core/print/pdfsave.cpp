#include "print/pdfsave.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "store/settingsfile.hpp"
#include "text/asciicase.hpp"

namespace quorval::print {

std::string PdfFileName(const Document& document, const platform::Date& date) {
    char day[16];
    std::snprintf(day, sizeof day, "%04d-%02d-%02d", date.year % 10000, date.month % 100, date.day % 100);
    std::string name;
    for (const std::string& part : {document.league, document.report}) {
        if (!part.empty()) name += part + " - ";
    }
    return name + day + ".pdf";
}

std::optional<std::string> ChoosePdfPath(const Document& document, store::LeagueData& data, platform::Dialogs& dialogs,
                                         const platform::Date& today) {
    namespace fs = std::filesystem;
    fs::path folder = data.settings.pdfFolder;
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) folder = fs::current_path(ec);
    const std::string proposed = (folder / PdfFileName(document, today)).string();
    std::optional<std::string> chosen = dialogs.saveFileAs("Save as PDF", "PDF Files (*.pdf)", proposed);
    if (!chosen || chosen->empty()) return std::nullopt;
    std::string path = *chosen;
    if (text::AsciiLower(path.size() >= 4 ? path.substr(path.size() - 4) : path) != ".pdf") path += ".pdf";
    const fs::path parent = fs::absolute(fs::path(path), ec).parent_path();
    if (!parent.empty() && parent.string() != data.settings.pdfFolder) {
        data.settings.pdfFolder = parent.string();
        store::SaveSettingsFile(data, dialogs);
    }
    return path;
}

}  // namespace quorval::print
