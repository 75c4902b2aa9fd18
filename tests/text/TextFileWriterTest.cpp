#include "text/TextFileWriter.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace vardex {
namespace {

TEST(TextFileWriter, WritesCrLfLinesOnCommit) {
    testing::TempDir dir;
    std::string path = dir.file("out.txt");
    {
        TextFileWriter w(path);
        w.line("a");
        w.line();
        w.commit();
    }
    EXPECT_EQ(testing::readFile(path), "a\r\n\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextFileWriter, AnUncommittedWriteLeavesThePreviousFileIntact) {
    testing::TempDir dir;
    std::string path = dir.write("keep.txt", "old");
    {
        TextFileWriter w(path);
        w.line("new");
    }
    EXPECT_EQ(testing::readFile(path), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextFileWriter, AFolderThatDoesNotExistCannotBeWritten) {
    testing::TempDir dir;
    EXPECT_THROW(TextFileWriter(dir.file("no/such/folder/x.txt")), std::runtime_error);
}

} // namespace
} // namespace vardex
