#include "store/filecommit.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "store/atomicsave.hpp"

namespace fs = std::filesystem;

namespace quorval::store {

namespace {

// The last line tells a whole record from one cut short.
constexpr std::string_view kRecordEnd = "end";

fs::path inFolder(const fs::path& folder, const char* name) {
    return folder.empty() ? fs::path(name) : folder / name;
}

// Paths in the record are relative to its folder where they can be, so a moved folder still completes.
std::string recordPath(const fs::path& folder, const fs::path& file) {
    fs::path base = fs::absolute(folder.empty() ? fs::path(".") : folder).lexically_normal();
    fs::path relative = fs::absolute(file).lexically_normal().lexically_relative(base);
    return (relative.empty() || *relative.begin() == "..") ? fs::absolute(file).string() : relative.string();
}

fs::path fromRecord(const fs::path& folder, const std::string& line) {
    fs::path path(line);
    return path.is_absolute() || folder.empty() ? path : folder / path;
}

}  // namespace

std::string replaceFilesTogether(const std::vector<FileWrite>& files, const fs::path& folder,
                                 const std::function<bool(size_t)>& stopAfterRename) {
    std::vector<PreparedFile> prepared;
    auto dropTemps = [&] {
        for (const PreparedFile& p : prepared) ::unlink(p.temp.c_str());
    };
    for (const FileWrite& write : files) {
        PreparedFile one;
        std::string error = prepareReplacement(write.file, write.content, {}, one);
        if (!error.empty()) {
            dropTemps();
            return write.file.filename().string() + ": " + error;
        }
        prepared.push_back(one);
    }
    std::string record;
    for (const PreparedFile& p : prepared) {
        record += recordPath(folder, p.temp) + "\n" + recordPath(folder, p.target) + "\n";
    }
    record += std::string(kRecordEnd) + "\n";
    fs::path recordFile = inFolder(folder, kCommitRecordName);
    // The record itself goes in by rename, so a record on disk is always whole.
    if (std::string error = replaceFile(recordFile, record, {0600, true}); !error.empty()) {
        dropTemps();
        return std::string(kCommitRecordName) + ": " + error;
    }
    for (size_t k = 0; k < prepared.size(); ++k) {
        if (::rename(prepared[k].temp.c_str(), prepared[k].target.c_str()) != 0) {
            // The record stays: the next start finishes what is left.
            return prepared[k].target.filename().string() + ": " + std::strerror(errno);
        }
        if (stopAfterRename && stopAfterRename(k + 1)) return "stopped after " + std::to_string(k + 1) + " renames";
    }
    for (const PreparedFile& p : prepared) syncFolder(p.target.parent_path());
    ::unlink(recordFile.c_str());
    syncFolder(folder);
    return {};
}

int CompleteLeftoverCommit(const fs::path& folder) {
    fs::path recordFile = inFolder(folder, kCommitRecordName);
    std::ifstream in(recordFile);
    if (!in) return 0;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    int completed = 0;
    if (!lines.empty() && lines.back() == kRecordEnd && lines.size() % 2 == 1) {
        for (size_t k = 0; k + 1 < lines.size(); k += 2) {
            fs::path temp = fromRecord(folder, lines[k]);
            fs::path target = fromRecord(folder, lines[k + 1]);
            // A temporary that is gone was renamed before the kill.
            if (::rename(temp.c_str(), target.c_str()) == 0) {
                ++completed;
                syncFolder(target.parent_path());
            }
        }
    }
    ::unlink(recordFile.c_str());
    syncFolder(folder);
    return completed;
}

}  // namespace quorval::store
