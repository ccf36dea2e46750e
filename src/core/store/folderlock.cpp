#include "store/folderlock.hpp"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <thread>

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

}  // namespace

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
}

FolderLock::Result FolderLock::tryTake(bool takeOverOtherHost) {
    if (m_held) return Result::Taken;
    if (m_fd < 0) {
        m_fd = ::open(kLockFileName, O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
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

void FolderLock::release() {
    if (!m_held) return;
    // An empty lock file is a free folder; the file stays, so every program locks the same file.
    if (::ftruncate(m_fd, 0) == 0) ::fsync(m_fd);
    ::flock(m_fd, LOCK_UN);
    m_held = false;
}

}  // namespace quorval::store
