#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <limits>

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
}

TEST(LeadingNumber, ANumberBeyondTheRangeOfADoubleIsAReadErrorNotZero) {
    EXPECT_THROW(leadingNumber("1E999"), ReadError);
    EXPECT_THROW(leadingNumber(" 1E+400 "), ReadError);
    EXPECT_THROW(leadingNumber("-2.5D400 kg"), ReadError);
    EXPECT_THROW(leadingNumber(std::string(400, '9')), ReadError);
    EXPECT_DOUBLE_EQ(leadingNumber("1.7E+308"), 1.7e308);
    EXPECT_DOUBLE_EQ(leadingNumber("-1.7E+308"), -1.7e308);
    // Too small a value has 0 as its nearest value.
    EXPECT_EQ(leadingNumber("1E-400"), 0);
    // An exponent that is not part of the number does not count.
    EXPECT_DOUBLE_EQ(leadingNumber("1E+"), 1);
}

TEST(NumericValue, ATypedAnswerIsANumberOnlyWhenItFitsADouble) {
    EXPECT_EQ(numericValue(" 2.5 "), 2.5);
    EXPECT_EQ(numericValue("-1E+308"), -1e308);
    EXPECT_EQ(numericValue("1E+400"), std::nullopt);
    EXPECT_EQ(numericValue("2.5 m"), std::nullopt);
    EXPECT_EQ(numericValue(""), std::nullopt);
}

TEST(TypedNumber, ATypedNumberBeyondAFloatIsNoNumberNeverAnErrorOrInfinity) {
    EXPECT_EQ(typedNumber(" 2.5 m"), 2.5); // the leading-number rule
    EXPECT_EQ(typedNumber("1E+39"), 0.0);
    EXPECT_EQ(typedNumber("1E+400"), 0.0);
    EXPECT_EQ(typedNumber("-3E+38"), -3e38);
    EXPECT_TRUE(isTypedNumber("3E+38"));
    EXPECT_FALSE(isTypedNumber("1E+39"));
    EXPECT_FALSE(isTypedNumber("1E+400"));
    EXPECT_FALSE(isTypedNumber("2.5 m"));
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

TEST(CheckedConversion, AFloatFieldRefusesWhatItCannotHold) {
    EXPECT_EQ(toFloat32(0.1), 0.1f);
    EXPECT_EQ(toFloat32(-3.4e38), -3.4e38f);
    EXPECT_EQ(toFloat32(1e-50), 0.0f);
    EXPECT_THROW(toFloat32(3.5e38), ReadError);
    EXPECT_THROW(toFloat32(-1e40), ReadError);
    EXPECT_THROW(toFloat32(std::numeric_limits<double>::infinity()), ReadError);
    EXPECT_THROW(toFloat32(std::numeric_limits<double>::quiet_NaN()), ReadError);
}

TEST(Trim, BlanksAndTabsAtTheEnds) {
    EXPECT_EQ(trim("  a b \t"), "a b");
    EXPECT_EQ(trimLeft("  a "), "a ");
    EXPECT_EQ(trimRight("  a "), "  a");
    EXPECT_EQ(trim("   "), "");
}

} // namespace
} // namespace vardex
