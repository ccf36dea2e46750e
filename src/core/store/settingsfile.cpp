#include "store/settingsfile.hpp"

#include <cstdlib>
#include <filesystem>

#include "dates/dateorder.hpp"
#include "store/atomicsave.hpp"
#include "store/outsidechange.hpp"
#include "store/trackedsave.hpp"
#include "text/numbers.hpp"

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
    s.backupFolder.clear();
    s.windowLeft = s.windowTop = s.windowWidth = s.windowHeight = 0;
    s.listingView = 1;
    s.openLastLeague = 1;
    // No settings yet: a new user, who starts with the date order of the locale.
    s.dateOrder = dates::LocaleDateOrder();
}

// The main window's place and the start-up choice follow the numbered values as "name=value"
// lines, so they can stand in any order after them and an older program simply ignores them.
constexpr std::string_view kWindowKey = "window=";
constexpr std::string_view kViewKey = "view=";
constexpr std::string_view kOpenLastKey = "openlast=";
constexpr std::string_view kPdfFolderKey = "pdffolder=";
constexpr std::string_view kBackupFolderKey = "backup folder=";
constexpr std::string_view kDateOrderKey = "dateorder=";

int leadingInt(std::string_view text) {
    int value = 0;
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    for (char c : text) {
        if (c < '0' || c > '9' || value > 100000) break;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

void parseNamedSettings(Settings& s, LineReader& in) {
    s.windowLeft = s.windowTop = s.windowWidth = s.windowHeight = 0;
    s.listingView = 1;
    s.openLastLeague = 1;
    s.pdfFolder.clear();
    s.backupFolder.clear();
    // A file from before the date order existed: dates stay month first, as that user knows them.
    s.dateOrder = DateOrder::kMonthDayYear;
    while (!in.atEnd()) {
        std::string_view line = in.line();
        if (line.starts_with(kWindowKey)) {
            line.remove_prefix(kWindowKey.size());
            int parts[4] = {};
            for (int& part : parts) {
                part = leadingInt(line);
                size_t comma = line.find(',');
                line = comma == std::string_view::npos ? std::string_view{} : line.substr(comma + 1);
            }
            // A window too small to use is not restored.
            if (parts[2] >= 100 && parts[3] >= 100) {
                s.windowLeft = parts[0], s.windowTop = parts[1], s.windowWidth = parts[2], s.windowHeight = parts[3];
            }
        } else if (line.starts_with(kViewKey)) {
            int view = leadingInt(line.substr(kViewKey.size()));
            s.listingView = static_cast<int16_t>(view >= 1 && view <= 3 ? view : 1);
        } else if (line.starts_with(kOpenLastKey)) {
            s.openLastLeague = static_cast<int16_t>(leadingInt(line.substr(kOpenLastKey.size())) == 0 ? 0 : 1);
        } else if (line.starts_with(kPdfFolderKey)) {
            s.pdfFolder = std::string(line.substr(kPdfFolderKey.size()));
        } else if (line.starts_with(kBackupFolderKey)) {
            s.backupFolder = std::string(line.substr(kBackupFolderKey.size()));
        } else if (line.starts_with(kDateOrderKey)) {
            s.dateOrder = dates::OrderOfKey(line.substr(kDateOrderKey.size())).value_or(DateOrder::kMonthDayYear);
        }
    }
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
    parseNamedSettings(s, in);
    return true;
}

void parseRegistry(LeagueData& data, LineReader& in) {
    LeagueRegistry& reg = data.registry;
    reg.leagueCount = in.int16In("league count", 0, kMaxLeagues);
    for (int k = 1; k <= reg.leagueCount; ++k) reg.leagueFiles[k] = std::string(in.line());
    float factor = in.number("handicap factor");
    // The settings window accepts nothing else; such a factor would skew every index.
    if (ValidHcpFactor(factor) != factor) {
        throw FormatError(in.lineNumber(), "handicap factor " + text::generalForm(factor) + " is outside 0.5..1.1");
    }
    data.settings.hcpFactor = factor;
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
    data.settingsFileStamp = StampOf(data.settings.settingsFilePath);
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
    if (s.windowWidth > 0) {
        appendLine(out, std::string(kWindowKey) + std::to_string(s.windowLeft) + "," + std::to_string(s.windowTop) +
                            "," + std::to_string(s.windowWidth) + "," + std::to_string(s.windowHeight));
    }
    appendLine(out, std::string(kViewKey) + std::to_string(s.listingView));
    appendLine(out, std::string(kOpenLastKey) + std::to_string(s.openLastLeague));
    if (!s.pdfFolder.empty()) appendLine(out, std::string(kPdfFolderKey) + s.pdfFolder);
    if (!s.backupFolder.empty()) appendLine(out, std::string(kBackupFolderKey) + s.backupFolder);
    appendLine(out, std::string(kDateOrderKey) + dates::OrderKey(s.dateOrder));
    return out;
}

bool SaveSettingsFile(LeagueData& data, platform::Dialogs& dialogs) {
    data.settings.settingsFilePath = SettingsFilePath();
    std::filesystem::path file(data.settings.settingsFilePath);
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    // A failure is not told: the settings are the program's own, and the next save tries again.
    TrackedSave save{file, &data.settingsFileStamp, [&] { LoadSettingsFile(data); }};
    save.content = FormatSettings(data.settings);
    return SaveTracked(save, dialogs);
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
    // A folder without a registry is a new folder, not a fault: it simply knows no leagues yet, and
    // the main window says how to make the first. Only a registry that cannot be read is reported.
    bool missing = !std::filesystem::exists(findDataFile(kRegistryFileName));
    data.registryStamp = StampOf(findDataFile(kRegistryFileName));
    LoadResult result = loadDataFile(kRegistryFileName, [&](LineReader& in) { parseRegistry(data, in); });
    settleRegistryDefaults(data.settings);
    if (!result.ok) data.settings.hcpFactor = ValidHcpFactor(data.settings.hcpFactor);
    if (!result.ok && !missing) {
        std::string text = platform::joinLines({"Cannot Load Qvleague.DAT, Please check your working",
                                                "directory or Launchers startup directory setting."});
        dialogs.message({withCopyNote(text, result), "Quorval", platform::Buttons::Ok, platform::Icon::None});
    }
    return result;
}

bool SaveLeagueRegistry(LeagueData& data, platform::Dialogs& dialogs) {
    if (data.readOnly) return false;
    std::filesystem::path file = findDataFile(kRegistryFileName);
    TrackedSave save{file, &data.registryStamp, [&] { LoadLeagueRegistry(data, dialogs); }};
    save.content = FormatRegistry(data);
    save.failure = {"Cannot Write Qvleague.DAT, Please check disk write protect.", "Quorval", platform::Icon::None};
    return SaveTracked(save, dialogs);
}

float ValidHcpFactor(float factor) {
    return factor >= 0.5f && factor <= 1.1f ? factor : kDefaultFactor;
}

}  // namespace quorval::store
