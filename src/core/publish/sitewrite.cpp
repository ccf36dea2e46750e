#include "publish/sitewrite.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <sstream>

#include "store/atomicsave.hpp"
#include "store/datafile.hpp"

namespace fs = std::filesystem;

namespace quorval::publish {

namespace {

enum class Kind { Missing, File, Link, Other };

Kind kindOf(const fs::path& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return Kind::Missing;
    if (S_ISLNK(st.st_mode)) return Kind::Link;
    return S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
}

std::set<std::string> readManifest(const fs::path& folder) {
    std::set<std::string> names;
    fs::path file = folder / kManifestName;
    if (kindOf(file) != Kind::File) return names;
    auto text = store::readTextFile(file);
    if (!text) return names;
    std::istringstream in(*text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Only plain names of this folder: a manifest edited by hand cannot reach elsewhere.
        if (!line.empty() && line.find('/') == std::string::npos && line != "." && line != "..") names.insert(line);
    }
    return names;
}

std::string manifestText(const std::set<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += name + "\n";
    return text;
}

}  // namespace

PublishResult WriteSite(const std::vector<SiteFile>& files, const fs::path& folder) {
    PublishResult result;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder)) {
        result.problem = "cannot make the folder " + folder.string() + (ec ? ": " + ec.message() : "");
        return result;
    }
    const std::set<std::string> listed = readManifest(folder);
    std::set<std::string> names;
    // Every check comes before the first write: a link or another program's file stops it all.
    for (const SiteFile& file : files) {
        names.insert(file.name);
        const fs::path path = folder / file.name;
        switch (kindOf(path)) {
            case Kind::Missing:
                continue;
            case Kind::Link:
                result.problem = path.string() + " is a link; nothing was published";
                return result;
            case Kind::Other:
                result.problem = path.string() + " is not a plain file; nothing was published";
                return result;
            case Kind::File:
                break;
        }
        auto old = store::readTextFile(path);
        if (!old || !WrittenByQuorval(*old)) {
            result.problem =
                path.string() + " was not written by Quorval; it is left as it is and nothing was published";
            return result;
        }
    }
    if (kindOf(folder / kManifestName) == Kind::Link || kindOf(folder / kManifestName) == Kind::Other) {
        result.problem = (folder / kManifestName).string() + " is not a plain file; nothing was published";
        return result;
    }

    std::vector<store::PreparedFile> prepared;
    auto dropTemps = [&] {
        for (const store::PreparedFile& p : prepared) ::unlink(p.temp.c_str());
    };
    const store::SaveOptions unsynced{std::nullopt, false, false};
    for (const SiteFile& file : files) {
        const fs::path path = folder / file.name;
        auto old = store::readTextFile(path);
        if (old && *old == file.content) continue;
        store::PreparedFile one;
        std::string error = store::prepareReplacement(path, file.content, unsynced, one);
        if (!error.empty()) {
            dropTemps();
            result.problem = "cannot write " + path.string() + ": " + error + "; nothing was published";
            return result;
        }
        prepared.push_back(one);
        result.written.push_back(file.name);
    }
    // A page new this time is listed before it appears, so a killed publish leaves nothing unlisted.
    std::set<std::string> both = listed;
    both.insert(names.begin(), names.end());
    if (std::string error = store::replaceFile(folder / kManifestName, manifestText(both)); !error.empty()) {
        dropTemps();
        result.problem = "cannot write " + (folder / kManifestName).string() + ": " + error;
        return result;
    }
    // index.html last: until then it links only to pages that are already there.
    std::stable_partition(prepared.begin(), prepared.end(),
                          [](const store::PreparedFile& p) { return p.target.filename() != "index.html"; });
    for (size_t k = 0; k < prepared.size(); ++k) {
        if (::rename(prepared[k].temp.c_str(), prepared[k].target.c_str()) != 0) {
            result.problem = "cannot write " + prepared[k].target.string() + ": " + std::strerror(errno);
            for (size_t rest = k; rest < prepared.size(); ++rest) ::unlink(prepared[rest].temp.c_str());
            return result;
        }
    }
    // Pages of players or dates that are gone: only those an earlier publish listed, and only
    // while they are still what it wrote.
    for (const std::string& name : listed) {
        if (names.count(name) || kindOf(folder / name) != Kind::File) continue;
        auto old = store::readTextFile(folder / name);
        if (old && WrittenByQuorval(*old) && fs::remove(folder / name, ec)) result.removed.push_back(name);
    }
    // Pages are made again from the data at the next publish, so they are not flushed one by one
    // (that cost a flush per page): a kill leaves whole pages, old or new, by the renames alone.
    store::syncFolder(folder);
    store::replaceFile(folder / kManifestName, manifestText(names));
    std::sort(result.removed.begin(), result.removed.end());
    result.ok = true;
    return result;
}

}  // namespace quorval::publish
