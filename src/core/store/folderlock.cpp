#include "store/folderlock.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <thread>

#include "store/filecommit.hpp"

namespace quorval::store {

namespace {

std::string userName() {
    if (const passwd* pw = ::getpwuid(::geteuid())) return pw->pw_name;
    return std::to_string(::geteuid());
}

std::string now() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::string readAll(int fd) {
    std::string text;
    char buffer[512];
    off_t offset = 0;
    for (;;) {
        ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n <= 0) break;
        text.append(buffer, static_cast<size_t>(n));
        offset += n;
    }
    return text;
}

LockHolder parseHolder(const std::string& text) {
    LockHolder holder;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "program") holder.program = value;
        if (key == "host") holder.host = value;
        if (key == "pid") holder.pid = std::atol(value.c_str());
        if (key == "user") holder.user = value;
        if (key == "since") holder.since = value;
    }
    return holder;
}

std::string formatHolder(const LockHolder& h) {
    return "program=" + h.program + "\nhost=" + h.host + "\npid=" + std::to_string(h.pid) + "\nuser=" + h.user +
           "\nsince=" + h.since + "\n";
}

// The lock this process holds, for the check every save makes.
FolderLock* g_heldLock = nullptr;

}  // namespace

std::string CheckHeldFolderLock() {
    if (g_heldLock == nullptr || g_heldLock->stillHeld()) return {};
    return "another program took over the data folder's lock";
}

std::string HostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "this computer";
    return name;
}

std::string HolderText(const LockHolder& holder) {
    std::string program = holder.program.empty() ? "another program" : holder.program;
    std::string host = holder.host.empty() ? "an unknown computer" : holder.host;
    std::string text = "This data folder is open in " + program + " on " + host;
    if (holder.pid > 0) text += " (process " + std::to_string(holder.pid) + ")";
    if (!holder.since.empty()) text += " since " + holder.since;
    return text + ".";
}

FolderLock::FolderLock(std::string program) : m_program(std::move(program)) {}

FolderLock::~FolderLock() {
    release();
    if (m_fd >= 0) ::close(m_fd);
    if (g_heldLock == this) g_heldLock = nullptr;
}

FolderLock::Result FolderLock::tryTake(bool takeOverOtherHost) {
    if (m_held) return Result::Taken;
    if (m_fd < 0) {
        // Where the lock was first taken: a writer may change its folder for a while (the demo does).
        if (m_path.empty()) {
            char here[4096];
            m_path = ::getcwd(here, sizeof here) ? std::string(here) + "/" + kLockFileName : kLockFileName;
        }
        m_fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (m_fd < 0) {
            m_failure = std::strerror(errno);
            return Result::Failed;
        }
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_failure = std::strerror(errno);
            return Result::Failed;
        }
        m_holder = parseHolder(readAll(m_fd));
        return Result::Busy;
    }
    // The OS lock only reaches as far as this machine sees; a folder shared over the network or
    // synced between machines still names the program that holds it on another one.
    LockHolder previous = parseHolder(readAll(m_fd));
    if (!previous.host.empty() && previous.host != HostName() && !takeOverOtherHost) {
        ::flock(m_fd, LOCK_UN);
        m_holder = previous;
        return Result::OtherHost;
    }
    LockHolder me{m_program, HostName(), static_cast<long>(::getpid()), userName(), now()};
    std::string text = formatHolder(me);
    if (::ftruncate(m_fd, 0) != 0 || ::pwrite(m_fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) {
        m_failure = std::strerror(errno);
        ::flock(m_fd, LOCK_UN);
        return Result::Failed;
    }
    ::fsync(m_fd);
    m_held = true;
    g_heldLock = this;
    // A group of files a killed writer left half renamed is finished before anyone reads them.
    CompleteLeftoverCommit(std::filesystem::path(m_path).parent_path());
    return Result::Taken;
}

FolderLock::Result FolderLock::take(std::chrono::milliseconds wait) {
    auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        Result result = tryTake();
        if (result != Result::Busy || std::chrono::steady_clock::now() >= deadline) return result;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

bool FolderLock::stillHeld() {
    if (!m_held) return false;
    struct stat mine {
    }, there{};
    if (::fstat(m_fd, &mine) == 0 && ::lstat(m_path.c_str(), &there) == 0 && mine.st_dev == there.st_dev &&
        mine.st_ino == there.st_ino) {
        return true;
    }
    // Someone removed or replaced the lock file: the OS lock on the old one guards nothing now.
    ::close(m_fd);
    m_fd = -1;
    m_held = false;
    return tryTake() == Result::Taken;
}

void FolderLock::release() {
    if (g_heldLock == this) g_heldLock = nullptr;
    if (!m_held) return;
    // An empty lock file is a free folder; the file stays, so every program locks the same file.
    if (::ftruncate(m_fd, 0) == 0) ::fsync(m_fd);
    ::flock(m_fd, LOCK_UN);
    m_held = false;
}

}  // namespace quorval::store
