#include "platform/FileFilter.h"

#include <gtest/gtest.h>

#include "app/Filters.h"

namespace vardex {
namespace {

TEST(FileFilter, EachEntryGivesItsOwnExtensionAndNoneForAllFilesOrSeveralPatterns) {
    EXPECT_EQ(filterExtension(filters::kSection, 0), "sec");
    EXPECT_EQ(filterExtension(filters::kSection, 1), "");
    EXPECT_EQ(filterExtension(filters::kSection, 2), "");
    EXPECT_EQ(filterExtension(filters::kSection, -1), "");
    EXPECT_EQ(filterExtension(filters::kOutput, 1), "dat");
    EXPECT_EQ(filterExtension("Run set-ups (*.vrs)|*.vrs", 0), "vrs");
    EXPECT_EQ(filterExtension("Pictures|*.png;*.jpg", 0), "");
    EXPECT_EQ(filterExtension("", 0), "");
}

TEST(FileFilter, ANameWithoutExtensionTakesTheChosenFiltersAndAnyOtherStaysAsTyped) {
    const std::string sec = filters::kSection;
    EXPECT_EQ(withFilterExtension("/data/boxcol", sec, 0), "/data/boxcol.sec");
    EXPECT_EQ(withFilterExtension("/data/box col é", sec, 0), "/data/box col é.sec");
    EXPECT_EQ(withFilterExtension("/data/boxcol.sec", sec, 0), "/data/boxcol.sec");
    EXPECT_EQ(withFilterExtension("/data/boxcol.txt", sec, 0), "/data/boxcol.txt");
    EXPECT_EQ(withFilterExtension("/data/boxcol", sec, 1), "/data/boxcol");
    // A point in a folder's name is not the file's extension.
    EXPECT_EQ(withFilterExtension("/site v1.2/boxcol", sec, 0), "/site v1.2/boxcol.sec");
    EXPECT_EQ(withFilterExtension("", sec, 0), "");
    EXPECT_EQ(withFilterExtension("/data/", sec, 0), "/data/");
}

} // namespace
} // namespace vardex
