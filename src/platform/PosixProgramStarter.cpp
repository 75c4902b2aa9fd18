#include "platform/PosixProgramStarter.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vardex {
namespace {

class PosixProgram : public StartedProgram {
  public:
    explicit PosixProgram(pid_t pid) : pid_(pid) {}

    ~PosixProgram() override {
        if (reaped_) return;
        // The group holds the program and whatever it started.
        ::kill(-pid_, SIGKILL);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
    }

    ProgramStatus status() override {
        if (!reaped_) {
            int status = 0;
            pid_t done = ::waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                reaped_ = true;
                if (WIFSIGNALED(status)) {
                    status_.state = ProgramStatus::State::Signalled;
                    status_.code = WTERMSIG(status);
                } else {
                    status_.state = ProgramStatus::State::Exited;
                    status_.code = WEXITSTATUS(status);
                }
            }
        }
        return status_;
    }

    void stop() override {
        if (!reaped_) ::kill(-pid_, SIGTERM);
    }

  private:
    pid_t pid_;
    bool reaped_ = false;
    ProgramStatus status_;
};

} // namespace

std::unique_ptr<StartedProgram> PosixProgramStarter::startBatch(const std::string& batchFile,
                                                                const std::string& workingFolder) {
    std::vector<BatchCommand> commands = readBatchFile(batchFile);
    if (commands.empty()) return notStarted("no program to call in " + batchFile);
    std::vector<std::string> words =
        commands.size() == 1 ? commands.front()
                             : BatchCommand{"/bin/sh", "-c", batchToShellScript(commands)};
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    // The child reports a failed chdir or exec through this pipe; a successful exec closes it.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return notStarted(std::strerror(errno));
    [[maybe_unused]] const pid_t parent = ::getpid();
    pid_t pid = ::fork();
    if (pid < 0) {
        int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return notStarted(std::strerror(error));
    }
    if (pid == 0) {
        ::setpgid(0, 0);
#ifdef __linux__
        // A caller killed outright (no chance to stop it) takes the program along.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(127);
#endif
        int error = 0;
        if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0)
            error = errno;
        else {
            ::execvp(argv[0], argv.data());
            error = errno;
        }
        (void)!::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::setpgid(pid, pid);
    ::close(report[1]);
    int error = 0;
    ssize_t got;
    while ((got = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return notStarted(words.front() + ": " + std::strerror(error));
    }
    return std::make_unique<PosixProgram>(pid);
}

} // namespace vardex
