#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include "support/CurrentFolder.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

TEST(FileSystem, NamesAndFolders) {
    FileSystem fs;
    EXPECT_EQ(fs.join("/h", "Temp"), "/h/Temp");
    EXPECT_EQ(fs.join("", "Temp"), "Temp");
    EXPECT_EQ(fs.baseName("/any/where/shaft.mod"), "shaft");
    EXPECT_EQ(fs.parentFolder("/any/where/shaft.mod"), "/any/where");
    EXPECT_EQ(fs.parentFolder("/any/where/"), "/any");
    EXPECT_EQ(fs.parentFolder(""), "");
    EXPECT_FALSE(fs.fileExists(""));
    EXPECT_FALSE(fs.folderExists(""));
}

TEST(FileSystem, FilesInAFolder) {
    testing::TempDir dir;
    testing::CurrentFolder cwd(dir.path());
    FileSystem fs;
    EXPECT_EQ(fs.firstFileWithExtension(dir.path(), ".mts"), "");
    dir.write("a.txt", "x");
    std::string mts = dir.write("m.mts", "x");
    EXPECT_EQ(fs.firstFileWithExtension(dir.path(), ".mts"), mts);
    EXPECT_EQ(fs.absolutePath("m.mts"), mts);

    std::string name = fs.uniqueTempName();
    EXPECT_FALSE(fs.fileExists(name));
    EXPECT_EQ(name.find('/'), std::string::npos);

    EXPECT_TRUE(fs.copyFile(mts, dir.file("copy.mts")));
    EXPECT_TRUE(fs.moveFile(dir.file("copy.mts"), dir.file("moved.mts")));
    EXPECT_FALSE(fs.fileExists(dir.file("copy.mts")));
    EXPECT_TRUE(fs.deleteFile(dir.file("moved.mts")));
    EXPECT_FALSE(fs.deleteFile(dir.file("moved.mts")));
    EXPECT_FALSE(fs.copyFile(dir.file("none"), dir.file("x")));
    EXPECT_TRUE(fs.createFolder(dir.file("a/b")));
    EXPECT_TRUE(fs.folderExists(dir.file("a/b")));
}

} // namespace
} // namespace vardex
