#include "store/filecommit.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// Flushes files already written and closed. Their write-back is started for all of them first,
// so the flushes that follow wait for one batch rather than one file after another.
std::string syncFiles(const std::vector<fs::path>& files) {
    std::vector<int> fds;
    std::string error;
    for (const fs::path& file : files) {
        int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            error = file.filename().string() + ": " + std::strerror(errno);
            break;
        }
#ifdef __linux__
        ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
        fds.push_back(fd);
    }
    for (size_t k = 0; k < fds.size(); ++k) {
        if (error.empty() && ::fsync(fds[k]) != 0) error = files[k].filename().string() + ": " + std::strerror(errno);
        ::close(fds[k]);
    }
    return error;
}

// The record is created afresh (never through a link) and flushed; a record cut short lacks its
// last line and is ignored.
std::string writeRecord(const fs::path& file, const std::string& text) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return std::strerror(errno);
    bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()) && ::fsync(fd) == 0;
    int err = errno;
    ::close(fd);
    if (!ok) {
        ::unlink(file.c_str());
        return std::strerror(err);
    }
    return {};
}

}  // namespace

std::string replaceFilesTogether(const std::vector<FileWrite>& files, const fs::path& folder,
                                 const std::function<bool(size_t)>& stopAfterRename) {
    fs::path recordFile = inFolder(folder, kCommitRecordName);
    // A record left by a killed writer is finished before a new one takes its name.
    if (struct stat st{}; ::lstat(recordFile.c_str(), &st) == 0) CompleteLeftoverCommit(folder);

    std::vector<PreparedFile> prepared;
    auto dropTemps = [&] {
        for (const PreparedFile& p : prepared) ::unlink(p.temp.c_str());
    };
    // Every file is written first and flushed after, all at once: the disk takes them in one go.
    const SaveOptions unflushed{std::nullopt, false, false};
    for (const FileWrite& write : files) {
        PreparedFile one;
        std::string error = prepareReplacement(write.file, write.content, unflushed, one);
        if (!error.empty()) {
            dropTemps();
            return write.file.filename().string() + ": " + error;
        }
        prepared.push_back(one);
    }
    std::vector<fs::path> temps;
    for (const PreparedFile& p : prepared) temps.push_back(p.temp);
    if (std::string error = syncFiles(temps); !error.empty()) {
        dropTemps();
        return error;
    }

    // The record is written only once every temporary is on disk, so completing it never puts a
    // half-written file in place; it is whole once its last line is there.
    std::string record;
    for (const PreparedFile& p : prepared) {
        record += recordPath(folder, p.temp) + "\n" + recordPath(folder, p.target) + "\n";
    }
    record += std::string(kRecordEnd) + "\n";
    if (std::string error = writeRecord(recordFile, record); !error.empty()) {
        dropTemps();
        return std::string(kCommitRecordName) + ": " + error;
    }
    syncFolder(recordFile.parent_path());

    std::vector<fs::path> folders;
    for (size_t k = 0; k < prepared.size(); ++k) {
        if (::rename(prepared[k].temp.c_str(), prepared[k].target.c_str()) != 0) {
            // The record stays: the next start finishes what is left.
            return prepared[k].target.filename().string() + ": " + std::strerror(errno);
        }
        if (stopAfterRename && stopAfterRename(k + 1)) return "stopped after " + std::to_string(k + 1) + " renames";
        fs::path where = prepared[k].target.parent_path();
        if (std::find(folders.begin(), folders.end(), where) == folders.end()) folders.push_back(where);
    }
    // One flush per folder makes every rename durable.
    for (const fs::path& where : folders) syncFolder(where);
    // The record's removal needs no flush of its own: should it come back after a crash, the
    // temporaries it names are gone and completing it changes nothing.
    ::unlink(recordFile.c_str());
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
