// A grid too large for the memory the solver may use fails with the memory it needs.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Cases.h"
#include "TempFileText.h"
#include "TestFiles.h"

#if defined(__SANITIZE_ADDRESS__)
#define ZOLTER_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZOLTER_UNDER_ASAN 1
#endif
#endif

namespace zolter {
namespace {

namespace fs = std::filesystem;

TEST(ProgramMemory, AGridTooLargeForTheMemoryAllowedFailsNamingTheMemoryItNeeds) {
#ifdef ZOLTER_UNDER_ASAN
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
    const fs::path dir =
        fs::temp_directory_path() / ("zolter-memory-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "tempfile.1", std::ios::binary)
        << tempFileText(test::block(100, 100, 100, 0.1, test::concrete()));
    // 100^3 cells need about 165 MB; the program may have 120 MB of address space (two threads,
    // whose stacks fit in it whatever the machine).
    const std::string cmd = "cd '" + dir.string() +
                            "' && ulimit -v 120000 && ZOLTER_THREADS=2 '" ZOLTER_EXE
                            "' tempfile.1 STDOUT.1 clrthred.tmp > /dev/null 2>&1";
    const int status = std::system(cmd.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_EQ(test::slurp(dir / "clrthred.tmp"),
              "FAILED: not enough memory for the grid of 100 x 100 x 100 cells: it needs about "
              "165 MB\r\n");
    fs::remove_all(dir);
#endif
}

} // namespace
} // namespace zolter
