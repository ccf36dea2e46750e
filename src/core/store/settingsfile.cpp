#include "store/settingsfile.hpp"

#include <cstdlib>
#include <filesystem>

namespace quorval::store {

namespace {

constexpr float kDefaultFactor = 0.96f;
constexpr const char* kDefaultFont = "Courier New";

void resetFileSettings(Settings& s) {
    s.equitableCheck = 0;
    s.cardHorizontalOffset = 0;
    s.cardVerticalOffset = 0;
    s.cardVerticalScaling = 1.0f;
    s.averageCheck = 0;
    s.pdfFolder.clear();
}

// False when the file is unreadable and the defaults were put in its place.
bool parseSettings(Settings& s, LineReader& in) {
    try {
        int16_t equitable = in.int16("equitable stroke control");
        float horizontal = in.number("card offset");
        float vertical = in.number("card offset");
        float scaling = in.number("card scaling");
        s.equitableCheck = equitable;
        s.cardHorizontalOffset = horizontal;
        s.cardVerticalOffset = vertical;
        s.cardVerticalScaling = scaling;
    } catch (const FormatError&) {
        resetFileSettings(s);
        return false;
    }
    // A file written before the averaging switch existed has only four values.
    try {
        s.averageCheck = in.int16("averaging switch");
    } catch (const FormatError&) {
        s.averageCheck = 0;
    }
    // The PDF folder came later still: a file without it proposes the working folder.
    s.pdfFolder = in.atEnd() ? std::string() : std::string(in.line());
    return true;
}

void parseRegistry(LeagueData& data, LineReader& in) {
    LeagueRegistry& reg = data.registry;
    reg.leagueCount = in.int16In("league count", 0, kMaxLeagues);
    for (int k = 1; k <= reg.leagueCount; ++k) reg.leagueFiles[k] = std::string(in.line());
    data.settings.hcpFactor = in.number("handicap factor");
    data.settings.printFont = in.item();
    data.settings.nineHoleOption = in.int16("nine-hole option");
    reg.currentLeague = in.int16("current league");
    data.settings.hcpLimitCheck = in.int16("handicap limit switch");
    data.settings.dateRemindCheck = in.int16("date reminder switch");
}

void settleRegistryDefaults(Settings& s) {
    if (s.hcpFactor < 0.5f) s.hcpFactor = kDefaultFactor;
    if (s.printFont.empty()) s.printFont = kDefaultFont;
}

}  // namespace

std::string SettingsFilePath() {
    std::filesystem::path dir;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (config && *config) {
        dir = config;
    } else if (home && *home) {
        dir = std::filesystem::path(home) / ".config";
    }
    if (dir.empty()) return kSettingsFileName;  // no configuration folder: the working directory
    return (dir / "quorval" / kSettingsFileName).string();
}

bool ParseSettings(Settings& settings, std::string_view text) {
    LineReader in(text);
    return parseSettings(settings, in);
}

void LoadSettingsFile(LeagueData& data) {
    data.settings.settingsFilePath = SettingsFilePath();
    auto text = readTextFile(data.settings.settingsFilePath);
    if (!text) {
        resetFileSettings(data.settings);
        return;
    }
    // The next save would replace the file, so what could not be read is kept first.
    if (!ParseSettings(data.settings, *text)) keepUnreadableCopy(data.settings.settingsFilePath);
}

std::string FormatSettings(const Settings& s) {
    std::string out;
    appendIntLine(out, s.equitableCheck);
    appendFloatLine(out, s.cardHorizontalOffset);
    appendFloatLine(out, s.cardVerticalOffset);
    appendFloatLine(out, s.cardVerticalScaling);
    appendIntLine(out, s.averageCheck);
    if (!s.pdfFolder.empty()) appendLine(out, s.pdfFolder);
    return out;
}

bool SaveSettingsFile(LeagueData& data) {
    data.settings.settingsFilePath = SettingsFilePath();
    std::filesystem::path file(data.settings.settingsFilePath);
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    return writeFileAtomically(file, FormatSettings(data.settings)).empty();
}

LoadResult ParseRegistry(LeagueData& data, std::string_view text) {
    LoadResult result = parseText(text, [&](LineReader& in) { parseRegistry(data, in); });
    settleRegistryDefaults(data.settings);
    return result;
}

std::string FormatRegistry(const LeagueData& data) {
    const LeagueRegistry& reg = data.registry;
    std::string out;
    appendIntLine(out, reg.leagueCount);
    for (int k = 1; k <= reg.leagueCount; ++k) appendLine(out, reg.leagueFiles[k]);
    appendFloatLine(out, data.settings.hcpFactor);
    appendLine(out, data.settings.printFont);
    appendIntLine(out, data.settings.nineHoleOption);
    appendIntLine(out, reg.currentLeague);
    appendIntLine(out, data.settings.hcpLimitCheck);
    appendIntLine(out, data.settings.dateRemindCheck);
    return out;
}

LoadResult LoadLeagueRegistry(LeagueData& data, platform::Dialogs& dialogs) {
    LoadResult result = loadDataFile(kRegistryFileName, [&](LineReader& in) { parseRegistry(data, in); });
    settleRegistryDefaults(data.settings);
    if (!result.ok) {
        std::string text = platform::joinLines({"Cannot Load Qvleague.DAT, Please check your working",
                                                "directory or Launchers startup directory setting."});
        dialogs.message({withCopyNote(text, result), "Quorval", platform::Buttons::Ok, platform::Icon::None});
    }
    return result;
}

bool SaveLeagueRegistry(const LeagueData& data, platform::Dialogs& dialogs) {
    std::string error = writeFileAtomically(findDataFile(kRegistryFileName), FormatRegistry(data));
    if (!error.empty()) {
        dialogs.message({"Cannot Write Qvleague.DAT, Please check disk write protect.", "Quorval",
                         platform::Buttons::Ok, platform::Icon::None});
        return false;
    }
    return true;
}

float ValidHcpFactor(float factor) {
    return factor >= 0.5f && factor <= 1.1f ? factor : kDefaultFactor;
}

}  // namespace quorval::store
