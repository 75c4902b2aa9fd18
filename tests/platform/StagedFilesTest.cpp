// Files moved into place together: complete under their final names, or the old ones untouched
// and no temporary file left, with the failure naming the file.

#include "platform/StagedFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <unistd.h>

#include "support/TempDir.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;

TEST(StagedFiles, NoTargetChangesUntilEveryFileIsStagedAndNoTemporaryStays) {
    testing::TempDir dir;
    const std::string field = dir.write("scratch/field", "new field\n");
    const std::string log = dir.write("scratch/log", "new log\n");
    dir.write("out/pier.1", "old field\n");
    dir.write("copies/pier.1.out", "old copy\n");
    {
        StagedFiles files;
        files.copy(field, dir.file("copies/pier.1.out"));
        files.move(field, dir.file("out/pier.1"));
        files.move(log, dir.file("out/STDOUT.1"));
        EXPECT_EQ(dir.read("out/pier.1"), "old field\n");
        EXPECT_FALSE(fs::exists(dir.file("out/STDOUT.1")));
        files.commit();
    }
    EXPECT_EQ(dir.read("out/pier.1"), "new field\n");
    EXPECT_EQ(dir.read("out/STDOUT.1"), "new log\n");
    EXPECT_EQ(dir.read("copies/pier.1.out"), "new field\n");
    EXPECT_EQ(testing::namesBelow(dir.file("out")),
              (std::vector<std::string>{"STDOUT.1", "pier.1"}));
    EXPECT_EQ(testing::namesBelow(dir.file("copies")), std::vector<std::string>{"pier.1.out"});
    EXPECT_TRUE(testing::namesBelow(dir.file("scratch")).empty());

    StagedFiles missing;
    try {
        missing.move(dir.file("scratch/none"), dir.file("out/x"));
        ADD_FAILURE() << "a missing file was staged";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), dir.file("scratch/none") + " is missing");
    }
}

struct Fault {
    const char* name;
    DiskFault::Kind kind;
    std::size_t bytes;
    const char* reason;
};

class StagedFilesOnAFailingDisk : public ::testing::TestWithParam<Fault> {};

TEST_P(StagedFilesOnAFailingDisk, TheFailureNamesTheFileAndNothingOfTheSetIsPlaced) {
    const Fault f = GetParam();
    testing::TempDir dir;
    const std::string field = dir.write("scratch/field", std::string(5000, '7'));
    const std::string history = dir.write("scratch/history", "1\r\n0,20\r\n");
    dir.write("out/TSeries.1", "old history\n");
    fs::create_directory(dir.file("copies"));
    std::string failure;
    {
        StagedFiles files;
        files.copy(field, dir.file("copies/pier.1.out")); // another disk, sound
        DiskFault fault(f.kind, f.bytes, dir.file("out"));
        try {
            files.move(history, dir.file("out/TSeries.1"));
            files.move(field, dir.file("out/pier.1"));
            files.commit();
        } catch (const std::runtime_error& e) {
            failure = e.what();
        }
    }
    // 4096 bytes take the short history, not the field.
    const std::string failed =
        f.kind == DiskFault::Kind::FailAfterBytes ? "out/pier.1" : "out/TSeries.1";
    EXPECT_EQ(failure, "Cannot write " + dir.file(failed) + ": " + f.reason);
    // The old history stays, no cut-short field, no temporary file in either folder.
    EXPECT_EQ(testing::namesBelow(dir.file("out")), std::vector<std::string>{"TSeries.1"});
    EXPECT_EQ(dir.read("out/TSeries.1"), "old history\n");
    EXPECT_TRUE(testing::namesBelow(dir.file("copies")).empty());
    // What could not be placed is still where it was.
    EXPECT_EQ(readFile(field), std::string(5000, '7'));
}

INSTANTIATE_TEST_SUITE_P(
    EachFault, StagedFilesOnAFailingDisk,
    ::testing::Values(Fault{"FullPartWayThrough", DiskFault::Kind::FailAfterBytes, 4096,
                            "No space left on device"},
                      Fault{"FullOnClose", DiskFault::Kind::FullOnClose, 0,
                            "No space left on device"},
                      Fault{"ReadOnly", DiskFault::Kind::ReadOnlyFolder, 0, "Permission denied"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StagedFiles, AFileOnAnotherDiskIsCopiedWhole) {
    // /dev/shm is a memory disk of its own where the system has one.
    std::error_code ec;
    if (fs::space("/dev/shm", ec).capacity == 0 || ec) GTEST_SKIP() << "no /dev/shm";
    testing::TempDir dir;
    const std::string other = "/dev/shm/vardex-staged-" + std::to_string(::getpid());
    fs::create_directory(other);
    const std::string field = other + "/field";
    std::ofstream(field, std::ios::binary) << std::string(200000, '5');
    {
        StagedFiles files;
        files.move(field, dir.file("pier.1"));
        files.commit();
    }
    EXPECT_EQ(dir.read("pier.1"), std::string(200000, '5'));
    EXPECT_FALSE(fs::exists(field));
    fs::remove_all(other, ec);
}

} // namespace
} // namespace vardex
