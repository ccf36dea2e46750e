#include "store/atomicsave.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <mutex>
#include <random>
#include <set>

#include "store/datafile.hpp"
#include "store/folderlock.hpp"

namespace fs = std::filesystem;

namespace quorval::store {

namespace {

constexpr std::string_view kNoPermission = "has no write permission";

// Follows a chain of symbolic links to the file they finally name (which may not exist yet).
std::optional<fs::path> linkTarget(fs::path file) {
    for (int hops = 0; hops < 16; ++hops) {
        struct stat st {};
        if (::lstat(file.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return file;
        std::error_code ec;
        fs::path next = fs::read_symlink(file, ec);
        if (ec) return std::nullopt;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return std::nullopt;  // a loop of links
}

// Root may write anything; the owner's write bit is what the user set, so it is honoured for root too.
bool mayWrite(const struct stat& st) {
    uid_t uid = ::geteuid();
    if (uid == 0 || uid == st.st_uid) return (st.st_mode & S_IWUSR) != 0;
    if (::getegid() == st.st_gid) return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

// "Fall.LGE.<pid>-<random>.tmp": the process id tells later saves whether the writer still runs.
std::string tempPrefix(const std::string& name) {
    return name + ".";
}

bool isProcessGone(long pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Removes the temporary files of this file whose save was killed, and the fixed-name one that
// older versions wrote.
void removeStaleTemps(const fs::path& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    std::string prefix = tempPrefix(name);
    while (dirent* entry = ::readdir(dir)) {
        std::string_view other = entry->d_name;
        if (other == name + ".tmp") {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
            continue;
        }
        if (!other.starts_with(prefix) || !other.ends_with(".tmp")) continue;
        std::string_view middle = other.substr(prefix.size(), other.size() - prefix.size() - 4);
        long pid = 0;
        auto [end, ec] = std::from_chars(middle.data(), middle.data() + middle.size(), pid);
        if (ec != std::errc() || end == middle.data() + middle.size() || *end != '-') continue;
        if (isProcessGone(pid)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// Creates a temporary file of a name no other save uses. O_EXCL refuses any existing name,
// a symbolic link included, so nothing planted there is ever written through.
int createTemp(const fs::path& folder, const std::string& name, fs::path& temp) {
    static std::mt19937_64 rng{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string unique = std::to_string(::getpid()) + "-" + std::to_string(rng() % 1000000000);
        temp = folder / (tempPrefix(name) + unique + ".tmp");
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

unsigned defaultMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, std::string_view content) {
    const char* p = content.data();
    size_t left = content.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::string prepareReplacement(const fs::path& file, std::string_view content, const SaveOptions& options,
                               PreparedFile& prepared) {
    if (std::string lost = CheckHeldFolderLock(); !lost.empty()) return lost;
    std::optional<fs::path> target = linkTarget(file);
    if (!target) return file.filename().string() + " is a symbolic link that leads nowhere";
    fs::path folder = target->parent_path();
    std::string name = target->filename().string();

    unsigned mode = options.mode ? *options.mode : defaultMode();
    struct stat old {};
    if (::stat(target->c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) return name + " is not a plain file";
        if (!options.replaceReadOnly && !mayWrite(old)) return name + " " + std::string(kNoPermission);
        if (!options.mode) mode = old.st_mode & 07777;
    }

    fs::path temp;
    int fd = createTemp(folder, name, temp);
    if (fd < 0) return std::strerror(errno);
    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        return std::string(std::strerror(err));
    };
    if (::fchmod(fd, mode) != 0) return fail(errno);
    if (!writeAll(fd, content)) return fail(errno);
    // The new bytes are on disk before the rename: after a crash the file is either the old one
    // or the new one, never a mix.
    if (options.sync && ::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        return std::strerror(err);
    }
    prepared = {temp, *target};
    return {};
}

void syncFolder(const fs::path& folder) {
    int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void removeStaleTemporaries(const fs::path& folder, const std::string& name) {
    // Once per file and run: a killed save leaves its temporary once, and scanning the folder on
    // every save would cost more than the save itself.
    static std::mutex mutex;
    static std::set<std::string> done;
    {
        std::lock_guard lock(mutex);
        if (!done.insert(fs::absolute(folder / name).string()).second) return;
    }
    removeStaleTemps(folder, name);
}

std::string replaceFile(const fs::path& file, std::string_view content, const SaveOptions& options) {
    PreparedFile prepared;
    if (std::string error = prepareReplacement(file, content, options, prepared); !error.empty()) return error;
    if (::rename(prepared.temp.c_str(), prepared.target.c_str()) != 0) {
        int err = errno;
        ::unlink(prepared.temp.c_str());
        return std::strerror(err);
    }
    // The rename itself is on disk once the folder is.
    syncFolder(prepared.target.parent_path());
    removeStaleTemporaries(prepared.target.parent_path(), prepared.target.filename().string());
    return {};
}

std::string permissionLine(const std::string& error) {
    if (!error.ends_with(kNoPermission)) return {};
    return "The file " + error.substr(0, error.size() - kNoPermission.size() - 1) +
           " is read-only: it has no write permission.";
}

std::string saveFailureLine(const std::string& error) {
    if (std::string line = permissionLine(error); !line.empty()) return line;
    return "The reason: " + error + ".";
}

}  // namespace quorval::store
