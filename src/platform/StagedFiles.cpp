#include "platform/StagedFiles.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/TextFileWriter.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;

struct Failure {
    int error;
};

// A new, empty file beside the target, hidden, under a name no one else uses.
int createBeside(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    const fs::path path(target);
    if (const DiskFault* fault = DiskFault::at(target);
        fault && fault->kind() == DiskFault::Kind::ReadOnlyFolder)
        throw Failure{EACCES};
    for (;;) {
        name = (path.parent_path() / ("." + path.filename().string() + "." +
                                      std::to_string(::getpid()) + "-" + std::to_string(++counter)))
                   .string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) throw Failure{errno};
    }
}

void writeAll(int fd, const char* data, std::size_t size, std::size_t& written,
              const DiskFault* fault) {
    while (size > 0) {
        std::size_t take = size;
        if (fault && fault->kind() == DiskFault::Kind::FailAfterBytes) {
            if (written >= fault->bytes()) throw Failure{ENOSPC};
            take = std::min(take, fault->bytes() - written);
        }
        const ssize_t put = ::write(fd, data, take);
        if (put < 0) {
            if (errno == EINTR) continue;
            throw Failure{errno};
        }
        data += put;
        size -= std::size_t(put);
        written += std::size_t(put);
    }
}

// Copies from into the open file fd and checks that the copy is as long as the original.
void copyInto(const std::string& from, int fd, const std::string& target) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) throw Failure{errno};
    const DiskFault* fault = DiskFault::at(target);
    std::size_t written = 0;
    try {
        char buffer[1 << 16];
        for (;;) {
            const ssize_t got = ::read(in, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) throw Failure{errno};
            if (got == 0) break;
            writeAll(fd, buffer, std::size_t(got), written, fault);
        }
        struct stat original {};
        if (::fstat(in, &original) != 0) throw Failure{errno};
        if (std::size_t(original.st_size) != written) throw Failure{EIO};
    } catch (...) {
        ::close(in);
        throw;
    }
    ::close(in);
    if (fault && fault->kind() == DiskFault::Kind::FullOnClose) throw Failure{ENOSPC};
}

} // namespace

StagedFiles::~StagedFiles() {
    for (const Staged& s : staged_) ::unlink(s.temporary.c_str());
}

void StagedFiles::move(const std::string& from, const std::string& to) {
    stage(from, to, false);
}

void StagedFiles::copy(const std::string& from, const std::string& to) {
    stage(from, to, true);
}

void StagedFiles::stage(const std::string& from, const std::string& to, bool keepOriginal) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) throw std::runtime_error(from + " is missing");
    std::string temporary;
    try {
        const int fd = createBeside(to, temporary);
        // A fault of the target's disk stands for another disk: the file is copied there.
        const bool sameDisk = !DiskFault::at(to) && !keepOriginal;
        if (sameDisk && ::rename(from.c_str(), temporary.c_str()) == 0) {
            ::close(fd);
        } else if (sameDisk && errno != EXDEV) {
            const int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            throw Failure{error};
        } else {
            try {
                copyInto(from, fd, to);
            } catch (...) {
                ::close(fd);
                ::unlink(temporary.c_str());
                throw;
            }
            if (::close(fd) != 0) {
                const int error = errno;
                ::unlink(temporary.c_str());
                throw Failure{error};
            }
            if (!keepOriginal) ::unlink(from.c_str());
        }
    } catch (const Failure& failure) {
        throw std::runtime_error("Cannot write " + to + ": " + std::strerror(failure.error));
    }
    staged_.push_back({temporary, to});
}

void StagedFiles::commit() {
    while (!staged_.empty()) {
        const Staged& s = staged_.front();
        if (::rename(s.temporary.c_str(), s.target.c_str()) != 0)
            throw std::runtime_error("Cannot write " + s.target + ": " + std::strerror(errno));
        staged_.erase(staged_.begin());
    }
}

} // namespace vardex
