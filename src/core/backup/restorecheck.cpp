#include "backup/restorecheck.hpp"

#include <sys/stat.h>

#include <memory>
#include <set>

#include "store/coursefile.hpp"
#include "store/datafile.hpp"
#include "store/leaguefile.hpp"
#include "store/leagueoptions.hpp"
#include "store/settingsfile.hpp"
#include "store/strokeindexfile.hpp"
#include "store/teamfile.hpp"
#include "text/asciicase.hpp"

namespace fs = std::filesystem;

namespace quorval::backup {

namespace {

RestoreResult refused(const fs::path& file, const std::string& why) {
    RestoreResult result;
    result.failedFile = file.string();
    result.error = why;
    return result;
}

}  // namespace

RestoreResult CheckBackup(const fs::path& folder) {
    // Links first: BackupContents lists what they lead to, and a link may lead anywhere.
    std::error_code ec;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        struct stat st {};
        if (::lstat(item.path().c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
            return refused(item.path(), "it is a link, and a backup holds only plain files");
        }
    }
    auto data = std::make_unique<store::LeagueData>();
    auto text = [&](const std::string& name) { return store::readTextFile(folder / name); };
    std::vector<BackupEntry> entries = BackupContents(folder);
    auto find = [&](const std::string& wanted) -> std::string {
        for (const BackupEntry& entry : entries)
            if (text::AsciiLower(entry.name) == text::AsciiLower(wanted)) return entry.name;
        return {};
    };
    auto load = [&](const std::string& name, const auto& parse) -> std::string {
        auto bytes = text(name);
        if (!bytes) return "it cannot be read";
        store::LoadResult loaded = parse(*bytes);
        return loaded.ok ? "" : "it does not load: " + loaded.problem;
    };
    std::set<std::string> named;
    if (std::string registry = find(store::kRegistryFileName); !registry.empty()) {
        if (auto why = load(registry, [&](const std::string& t) { return store::ParseRegistry(*data, t); });
            !why.empty()) {
            return refused(folder / registry, why);
        }
        for (int k = 1; k <= data->registry.leagueCount; ++k)
            named.insert(text::AsciiLower(data->registry.leagueFiles[k]));
    }
    if (std::string courses = find(store::kCourseFileName); !courses.empty()) {
        if (auto why = load(courses, [&](const std::string& t) { return store::ParseCourses(*data, t); });
            !why.empty()) {
            return refused(folder / courses, why);
        }
    }
    for (const BackupEntry& entry : entries) {
        fs::path file = folder / entry.name;
        std::string ext = text::AsciiLower(file.extension().string());
        std::string stem = file.stem().string();
        std::string why;
        if (ext == ".lge") {
            if (!named.count(text::AsciiLower(stem))) return refused(file, "the backup's league list does not name it");
            why = load(entry.name, [&](const std::string& t) { return store::ParseLeague(*data, t); });
            // The team file keeps a line per player of this league.
            std::string teams = find(stem + ".tea");
            if (why.empty() && !teams.empty()) {
                why = load(teams, [&](const std::string& t) { return store::ParseTeams(*data, t); });
                if (!why.empty()) return refused(folder / teams, why);
            }
        } else if (ext == ".tea") {
            if (find(stem + ".LGE").empty()) return refused(file, "the backup holds no league file for it");
        } else if (ext == ".cfg") {
            store::LeagueOptions options;
            why = load(entry.name, [&](const std::string& t) { return store::ParseLeagueOptions(options, t); });
        } else if (text::AsciiLower(entry.name) == text::AsciiLower(store::kStrokeIndexFileName)) {
            auto bytes = text(entry.name);
            if (!bytes) {
                why = "it cannot be read";
            } else if (auto problems = store::ParseStrokeIndexes(*data, *bytes); !problems.empty()) {
                why = "it does not load: " + problems.front();
            }
        }
        if (!why.empty()) return refused(file, why);
    }
    RestoreResult result;
    result.ok = true;
    result.restored = static_cast<int>(entries.size());
    return result;
}

}  // namespace quorval::backup
