// A grid too large for the memory the solver may use fails with the memory it needs.

#include <gtest/gtest.h>

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

TEST(ProgramMemory, AGridTooLargeForTheMemoryAllowedFailsNamingTheMemoryItNeeds) {
#ifdef ZOLTER_UNDER_ASAN
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
    const test::ProgramFolder program;
    // 100^3 cells need about 165 MB; the program may have 120 MB of address space (two threads,
    // whose stacks fit in it whatever the machine).
    EXPECT_EQ(program.run(tempFileText(test::block(100, 100, 100, 0.1, test::concrete())),
                          "ulimit -v 120000 && ZOLTER_THREADS=2"),
              1);
    EXPECT_EQ(program.marker(),
              "FAILED: not enough memory for the grid of 100 x 100 x 100 cells: it needs about "
              "165 MB\r\n");
#endif
}

} // namespace
} // namespace zolter
