#include "league/leagues.hpp"

#include <algorithm>
#include <filesystem>

#include "store/coursefile.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/schedulefile.hpp"
#include "store/settingsfile.hpp"

namespace quorval::league {

namespace {

constexpr const char* kExtension = ".LGE";

void tell(platform::Dialogs& dialogs, const std::string& text, platform::Icon icon = platform::Icon::Exclamation) {
    dialogs.message({text, "Quorval", platform::Buttons::Ok, icon});
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

void registerLeague(store::LeagueData& data, platform::Dialogs& dialogs, const std::string& name) {
    store::LeagueRegistry& reg = data.registry;
    ++reg.leagueCount;
    reg.leagueFiles[reg.leagueCount] = name;
    store::SaveLeagueRegistry(data, dialogs);
}

bool removeFile(platform::Dialogs& dialogs, const std::string& name) {
    std::filesystem::path file = store::findDataFile(name);
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return true;
    if (std::filesystem::remove(file, ec)) return true;
    tell(dialogs, "The file " + file.string() + " could not be Deleted from disk.");
    return false;
}

}  // namespace

// Names become file names: slashes, colons and the like, or a name of dots and blanks alone,
// would name another folder or no file at all.
bool SafeLeagueName(const std::string& name) {
    if (name.find_first_of("\\;:/") != std::string::npos) return false;
    if (name.find('\0') != std::string::npos) return false;
    return name.find_first_not_of(". ") != std::string::npos;
}

std::vector<std::string> LeagueMenuCaptions(const store::LeagueData& data) {
    std::vector<std::string> captions;
    for (int k = 1; k <= data.registry.leagueCount; ++k) captions.push_back(data.registry.leagueFiles[k]);
    if (captions.empty()) captions.push_back(kNoEntries);
    return captions;
}

std::string LeagueName(const store::LeagueData& data) {
    const std::string& file = data.leagueFileName;
    return file.size() >= 4 ? file.substr(0, file.size() - 4) : "";
}

int LeagueItemOf(const store::LeagueData& data, const std::string& leagueFileName) {
    const store::LeagueRegistry& registry = data.registry;
    for (int k = registry.leagueCount; k >= 1 && !leagueFileName.empty(); --k) {
        if (registry.leagueFiles[k] + ".LGE" == leagueFileName) return k - 1;
    }
    return -1;
}

OpenOutcome OpenLeague(store::LeagueData& data, platform::Dialogs& dialogs, int k) {
    if (k < 0 || k >= data.registry.leagueCount || data.registry.leagueFiles[k + 1].empty()) {
        platform::Refuse(dialogs, "There is no league to open there yet: create one first.", "Quorval");
        return OpenOutcome::NoSuchLeague;
    }
    const std::string& name = data.registry.leagueFiles[k + 1];
    if (!SafeLeagueName(name)) {
        tell(dialogs, platform::joinLines({"The league \"" + name + "\" cannot be opened:",
                                           "its name would lead outside the data folder.",
                                           "Delete it from the league list and create it again."}));
        return OpenOutcome::Refused;
    }
    data.leagueFileName = name + kExtension;
    dialogs.beginBusy("Processing, please wait...");
    store::ResetTeamPart(data);
    bool loaded = store::LoadLeagueFile(data, dialogs).ok;
    if (!loaded) {
        // Nothing of a partial read may be shown or saved over the file.
        store::ClearLeagueData(data);
        data.leagueFileName.clear();
        dialogs.endBusy();
        return OpenOutcome::LoadFailed;
    }
    store::LoadCourseFile(data, dialogs);
    dialogs.endBusy();
    if (k != data.registry.currentLeague) {
        data.registry.currentLeague = static_cast<int16_t>(k);
        store::SaveLeagueRegistry(data, dialogs);
    }
    return OpenOutcome::Opened;
}

bool LeagueNameKeyAccepted(char32_t c) {
    return c == 8 || c == ' ' || c >= '0';
}

CreateOutcome CreateLeague(store::LeagueData& data, platform::Dialogs& dialogs, const std::string& name) {
    if (name.empty()) return CreateOutcome::Ignored;
    store::LeagueRegistry& reg = data.registry;
    for (int k = 1; k <= store::kMaxLeagues; ++k) {
        if (reg.leagueFiles[k] == name) {
            tell(dialogs, "That name is already in use.");
            return CreateOutcome::Refused;
        }
    }
    if (!SafeLeagueName(name)) {
        tell(dialogs, "Illegal Name for file");
        return CreateOutcome::Refused;
    }
    if (reg.leagueCount >= store::kMaxLeagues) {
        tell(dialogs, platform::joinLines({"Quorval keeps at most 15 leagues.",
                                           "Delete a league you no longer need before you create another."}));
        return CreateOutcome::Refused;
    }
    std::string fileName = name + kExtension;
    std::error_code ec;
    if (std::filesystem::exists(store::findDataFile(fileName), ec)) {
        // The file is found whatever its letter case: a name that differs from a known league only
        // in case would be a second entry for the same file.
        for (int k = 1; k <= reg.leagueCount; ++k) {
            if (sameIgnoringCase(reg.leagueFiles[k], name)) {
                tell(dialogs, "That name is already in use.");
                return CreateOutcome::Refused;
            }
        }
        // A league file whose registry entry was lost: keep every round in it.
        registerLeague(data, dialogs, name);
        tell(dialogs,
             platform::joinLines({"The league file " + fileName + " already exists.",
                                  "It has been added to the league list as it is; nothing in it was changed."}),
             platform::Icon::Information);
        return CreateOutcome::RegisteredExisting;
    }
    data.leagueFileName = fileName;
    data.leagueFileStamp = store::StampOf(store::findDataFile(fileName));
    store::ClearLeagueData(data);
    store::ResetTeamPart(data);
    // A league whose file could not be written is not put on the list.
    if (!store::SaveLeagueFile(data, dialogs)) {
        data.leagueFileName.clear();
        return CreateOutcome::Refused;
    }
    registerLeague(data, dialogs, name);
    return CreateOutcome::Created;
}

DeleteOutcome DeleteLeague(store::LeagueData& data, platform::Dialogs& dialogs, const std::string& name) {
    if (name.empty()) {
        platform::Refuse(dialogs, "Choose the league to delete first.", "Quorval");
        return DeleteOutcome::Beeped;
    }
    store::LeagueRegistry& reg = data.registry;
    int pos = 0;
    for (int k = 1; k <= store::kMaxLeagues; ++k) {
        if (!reg.leagueFiles[k].empty() && sameIgnoringCase(reg.leagueFiles[k], name)) pos = k;
    }
    if (pos == 0 || pos > reg.leagueCount) {
        tell(dialogs, "That name is not on the active list.");
        return DeleteOutcome::NotKnown;
    }
    data.leagueFileName = reg.leagueFiles[pos] + kExtension;
    std::string question = platform::joinLines({"Are you sure you want to Delete the selected", "",
                                                "League File and it's Team point data file?", "", "",
                                                "    CONTINUE?    Select 'NO' to Exit"});
    if (dialogs.message({question, "Quorval", platform::Buttons::YesNo, platform::Icon::Critical, 2}) !=
        platform::Answer::Yes) {
        return DeleteOutcome::Kept;
    }
    std::string leagueFile = data.leagueFileName;
    // A name that leads outside the data folder leaves the list; no file anywhere is touched.
    bool ownFiles = SafeLeagueName(reg.leagueFiles[pos]);
    for (int k = pos; k < store::kMaxLeagues; ++k) reg.leagueFiles[k] = reg.leagueFiles[k + 1];
    reg.leagueFiles[store::kMaxLeagues].clear();
    --reg.leagueCount;
    store::SaveLeagueRegistry(data, dialogs);
    data.leagueFileName.clear();
    if (!ownFiles) return DeleteOutcome::Deleted;
    bool removed = removeFile(dialogs, leagueFile);
    // Teams may exist before anyone joins one; a team file left behind would hand its old teams to
    // the next league of this name.
    if (removed) removed = removeFile(dialogs, store::TeamFileName(leagueFile));
    if (removed) removed = removeFile(dialogs, store::OptionsFileName(leagueFile));
    if (removed) removed = removeFile(dialogs, store::ScheduleFileName(leagueFile));
    if (removed) removed = removeFile(dialogs, store::RecordFileName(leagueFile));
    return removed ? DeleteOutcome::Deleted : DeleteOutcome::FileRemains;
}

}  // namespace quorval::league
