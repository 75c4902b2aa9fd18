#pragma once
// A folder held by one process: an advisory lock on a lock file inside it. The kernel drops the
// lock when the holder ends, however it ends, so a crashed holder never leaves the folder held.

#include <memory>
#include <string>

namespace vardex {

class FolderLock {
  public:
    static constexpr const char* kFileName = ".vardex-lock";

    // Holds the folder, or returns nothing and says why in `why`: another live process holds it
    // (named by its process id), or the lock file cannot be made there (the system's reason).
    // With wait, a holder is waited for instead.
    static std::unique_ptr<FolderLock> tryHold(const std::string& folder, std::string& why,
                                               bool wait = false);

    // Removes the folders in parent whose names begin with prefix and whose holder has ended
    // without removing them (a process killed outright). A folder whose lock file notes no
    // holder yet, or has none, is being made or was kept on purpose: it stays.
    static void removeAbandoned(const std::string& parent, const std::string& prefix);

    ~FolderLock(); // removes the lock file and lets the folder go
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    FolderLock(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    int fd_;
    std::string path_;
};

} // namespace vardex
