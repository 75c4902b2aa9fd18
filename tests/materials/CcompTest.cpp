#include "materials/Ccomp.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(CompositeKey, LargerNumberFirstAndItsShareInSixths) {
    std::string key = "claysand" + std::string(32, ' ') + "3";
    EXPECT_EQ(get_compkey(3, "sand", 7, "clay", 3), key);
    EXPECT_EQ(get_compkey(7, "clay", 3, "sand", 3), key);

    std::string oneSixthClay = "claysand" + std::string(32, ' ') + "1";
    EXPECT_EQ(get_compkey(7, "clay", 3, "sand", 1), oneSixthClay);
    EXPECT_EQ(get_compkey(3, "sand", 7, "clay", 5), oneSixthClay);
}

TEST(CompositeKey, EqualNumbersNameBFirst) {
    EXPECT_EQ(get_compkey(4, "a", 4, "b", 2), "ba" + std::string(38, ' ') + "4");
}

TEST(CompositeKey, EachNameGivesAtMost20Characters) {
    std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXY"; // 25 characters
    EXPECT_EQ(get_compkey(9, longName, 2, longName, 2),
              "ABCDEFGHIJKLMNOPQRSTABCDEFGHIJKLMNOPQRST2");
    // Characters, not bytes: a name of 21 two-byte letters keeps 20 whole letters.
    std::string accents;
    for (int i = 0; i < 21; ++i) accents += "\xC3\xA9";
    std::string key = get_compkey(9, accents, 2, "b", 2);
    EXPECT_EQ(key, accents.substr(0, 40) + "b" + std::string(19, ' ') + "2");
}

TEST(CompositeKey, OnlyTheFirstNameLosesLeadingBlanks) {
    EXPECT_EQ(get_compkey(9, "  sand", 2, "  clay", 2), "sand  clay" + std::string(28, ' ') + "2");
}

TEST(CompositeNumber, OffsetBy30) {
    EXPECT_EQ(matl_number(1), 31);
    EXPECT_EQ(matl_number(5), 35);
    EXPECT_EQ(matl_number(69), 99);
}

} // namespace
} // namespace vardex
