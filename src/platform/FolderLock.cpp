#include "platform/FolderLock.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vardex {
namespace {

std::string holderOf(int fd) {
    char text[32] = {};
    const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
    std::string pid = got > 0 ? std::string(text, std::size_t(got)) : std::string();
    while (!pid.empty() && (pid.back() == '\n' || pid.back() == ' ')) pid.pop_back();
    return pid;
}

// Whether fd is still the file the path names: a holder that let go removes the file, and a
// lock taken on the removed file holds nothing.
bool stillNamed(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

} // namespace

void FolderLock::removeAbandoned(const std::string& parent, const std::string& prefix) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(parent, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(prefix, 0) != 0 || !it->is_directory(ec)) continue;
        const std::string lock = (it->path() / kFileName).string();
        const int fd = ::open(lock.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) continue;
        // Its holder notes itself only once it holds the lock, and holds it until it ends.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && !holderOf(fd).empty()) {
            std::error_code ignored;
            fs::remove_all(it->path(), ignored);
        }
        ::close(fd);
    }
}

std::unique_ptr<FolderLock> FolderLock::tryHold(const std::string& folder, std::string& why,
                                                bool wait) {
    const std::string path = (std::filesystem::path(folder) / kFileName).string();
    for (;;) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            why = std::string("cannot work in ") + folder + ": " + std::strerror(errno);
            return nullptr;
        }
        if (::flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            const std::string holder = holderOf(fd);
            ::close(fd);
            if (error == EWOULDBLOCK) {
                why = folder + " is in use by another run" +
                      (holder.empty() ? std::string() : " (process " + holder + ")");
            } else {
                why = std::string("cannot lock ") + folder + ": " + std::strerror(error);
            }
            return nullptr;
        }
        if (!stillNamed(fd, path)) {
            ::close(fd);
            continue;
        }
        const std::string pid = std::to_string(::getpid()) + "\n";
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) < 0) {
            // The lock holds without the note of its holder.
        }
        return std::unique_ptr<FolderLock>(new FolderLock(fd, path));
    }
}

FolderLock::~FolderLock() {
    // Removed while still held, so no one can take a lock on a file about to vanish.
    ::unlink(path_.c_str());
    ::close(fd_);
}

} // namespace vardex
