#include "app/text/NumberText.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(LeadingNumber, TakesTheLongestLeadingNumber) {
    EXPECT_DOUBLE_EQ(leadingNumber(" 40 "), 40);
    EXPECT_DOUBLE_EQ(leadingNumber(".04"), 0.04);
    EXPECT_DOUBLE_EQ(leadingNumber("2,3"), 2);
    EXPECT_DOUBLE_EQ(leadingNumber("-1.5E+03xyz"), -1500);
    EXPECT_DOUBLE_EQ(leadingNumber("1.5E"), 1.5); // an exponent without digits is not part of it
    EXPECT_DOUBLE_EQ(leadingNumber("2.5D2"), 250);
    EXPECT_DOUBLE_EQ(leadingNumber("- 1 2"), -12); // blanks inside are skipped
}

TEST(LeadingNumber, NoNumberGivesZero) {
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber("."), 0);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber("1E999"), 0); // overflow is not a number
}

TEST(IsNumeric, WholeTextMustBeANumber) {
    EXPECT_TRUE(isNumeric(" 1.5 "));
    EXPECT_TRUE(isNumeric(".5"));
    EXPECT_TRUE(isNumeric("-3"));
    EXPECT_TRUE(isNumeric("1e-5"));
    EXPECT_FALSE(isNumeric(""));
    EXPECT_FALSE(isNumeric("   "));
    EXPECT_FALSE(isNumeric("1.5 m"));
    EXPECT_FALSE(isNumeric("abc"));
    EXPECT_FALSE(isNumeric("1,5"));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(22.5), 22);
    EXPECT_EQ(roundHalfEven(23.5), 24);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
}

TEST(CheckedConversion, OutOfRangeIsAReadErrorNotAWrap) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(toInt16(40.5), 40);
    EXPECT_THROW(toInt16(32768), ReadError);
    EXPECT_THROW(toInt16(-40000), ReadError);
    EXPECT_THROW(toInt16(std::numeric_limits<double>::quiet_NaN()), ReadError);
    EXPECT_EQ(toInt32(100000.5), 100000);
    EXPECT_THROW(toInt32(3e9), ReadError);
}

TEST(Trim, BlanksAndTabsAtTheEnds) {
    EXPECT_EQ(trim("  a b \t"), "a b");
    EXPECT_EQ(trimLeft("  a "), "a ");
    EXPECT_EQ(trimRight("  a "), "  a");
    EXPECT_EQ(trim("   "), "");
}

} // namespace
} // namespace vardex
