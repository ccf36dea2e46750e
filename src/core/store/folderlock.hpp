#pragma once

#include <chrono>
#include <string>

// One writer per data folder: a lock file in the folder, held with an OS lock for as long as a
// program writes there, and naming that program so that others can tell the user who holds it.
namespace quorval::store {

inline constexpr const char* kLockFileName = ".quorval.lock";

struct LockHolder {
    std::string program;
    std::string host;
    long pid = 0;
    std::string user;
    std::string since;
};

// "This data folder is open in Quorval on HOST (process N) since TIME."
std::string HolderText(const LockHolder& holder);

// This machine's name.
std::string HostName();

class FolderLock {
public:
    enum class Result {
        Taken,
        Busy,       // a running program holds it
        OtherHost,  // the lock file names a program on another machine, which this one cannot see
        Failed,     // no lock file can be made in the folder
    };

    // The lock on the working directory, taken in the name of `program`.
    explicit FolderLock(std::string program);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // One attempt. A lock left by a process that is gone on this machine is stale and is taken
    // over; one naming another machine is taken over only when `takeOverOtherHost` says so.
    Result tryTake(bool takeOverOtherHost = false);
    // Tries again until `wait` has passed while a running program holds the lock.
    Result take(std::chrono::milliseconds wait);
    void release();
    // While held: true when the lock file this writer holds is still the file at its path. When it
    // was deleted or replaced, the lock is taken again on the file now there; false when another
    // writer got that one first.
    bool stillHeld();

    bool held() const { return m_held; }
    // Who holds the lock after Busy or OtherHost.
    const LockHolder& holder() const { return m_holder; }
    // Why the lock file could not be made, after Failed.
    const std::string& failure() const { return m_failure; }

private:
    std::string m_program;
    std::string m_path;  // the lock file, as found when it was first opened
    int m_fd = -1;
    bool m_held = false;
    LockHolder m_holder;
    std::string m_failure;
};

// Before a save: empty text when this process holds no folder lock or still holds it; else why
// the save must not go on.
std::string CheckHeldFolderLock();

}  // namespace quorval::store
