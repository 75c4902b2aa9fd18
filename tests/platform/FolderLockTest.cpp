// A folder held by one live process at a time; a holder killed outright holds nothing.

#include "platform/FolderLock.h"

#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/TempDir.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;

// A child process that holds the folder until it is killed.
struct HoldingChild {
    pid_t pid = -1;
    explicit HoldingChild(const std::string& folder) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            std::string why;
            auto lock = FolderLock::tryHold(folder, why);
            (void)!::write(ready[1], lock ? "y" : "n", 1);
            for (;;) ::pause();
        }
        char answer = 'n';
        (void)!::read(ready[0], &answer, 1);
        ::close(ready[0]);
        ::close(ready[1]);
        if (answer != 'y') pid = -1;
    }
    // Ends it as a crash would: no chance to let go.
    void kill() {
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        pid = -1;
    }
    ~HoldingChild() {
        if (pid > 0) kill();
    }
};

TEST(FolderLock, ASecondHolderIsRefusedNamingTheFirstAndLetInOnceTheFirstLetsGo) {
    testing::TempDir dir;
    std::string why;
    auto first = FolderLock::tryHold(dir.path(), why);
    ASSERT_TRUE(first) << why;
    EXPECT_FALSE(FolderLock::tryHold(dir.path(), why));
    EXPECT_EQ(why, dir.path() + " is in use by another run (process " + std::to_string(::getpid()) +
                       ")");
    first.reset();
    EXPECT_FALSE(fs::exists(dir.file(FolderLock::kFileName)));
    EXPECT_TRUE(FolderLock::tryHold(dir.path(), why)) << why;

    EXPECT_FALSE(FolderLock::tryHold(dir.file("none"), why));
    EXPECT_EQ(why, "cannot work in " + dir.file("none") + ": No such file or directory");
}

TEST(FolderLock, AHolderKilledOutrightLeavesTheFolderFree) {
    testing::TempDir dir;
    HoldingChild child(dir.path());
    ASSERT_GT(child.pid, 0);
    std::string why;
    EXPECT_FALSE(FolderLock::tryHold(dir.path(), why));
    EXPECT_NE(why.find("(process " + std::to_string(child.pid) + ")"), std::string::npos) << why;
    child.kill();
    // Its lock file stays behind, holding nothing.
    EXPECT_TRUE(fs::exists(dir.file(FolderLock::kFileName)));
    EXPECT_TRUE(FolderLock::tryHold(dir.path(), why)) << why;
}

TEST(FolderLock, OnlyFoldersWhoseHolderWasKilledAreRemoved) {
    testing::TempDir dir;
    for (const char* name : {"run-killed", "run-live", "run-kept", "run-new", "other"})
        fs::create_directory(dir.file(name));
    HoldingChild killed(dir.file("run-killed"));
    killed.kill();
    HoldingChild live(dir.file("run-live"));
    dir.write("run-kept/STDOUT.1", "a failed chunk's log\n");
    dir.write(std::string("run-new/") + FolderLock::kFileName, ""); // its maker is about to hold it
    dir.write(std::string("other/") + FolderLock::kFileName, "1\n");

    FolderLock::removeAbandoned(dir.path(), "run-");
    EXPECT_FALSE(fs::exists(dir.file("run-killed")));
    for (const char* name : {"run-live", "run-kept/STDOUT.1", "run-new", "other"})
        EXPECT_TRUE(fs::exists(dir.file(name))) << name;
}

} // namespace
} // namespace vardex
