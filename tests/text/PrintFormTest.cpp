#include "text/PrintForm.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(PrintForm, IntegersCarrySignBlankAndTrailingBlank) {
    EXPECT_EQ(printForm(40), " 40 ");
    EXPECT_EQ(printForm(-5), "-5 ");
    EXPECT_EQ(printForm(0), " 0 ");
    EXPECT_EQ(printForm(std::int64_t{16777215}), " 16777215 ");
}

TEST(PrintForm, NoZeroBeforeThePoint) {
    EXPECT_EQ(printForm(0.5f), " .5 ");
    EXPECT_EQ(printForm(-0.5), "-.5 ");
    EXPECT_EQ(printForm(0.003), " .003 ");
    EXPECT_EQ(printForm(0.63f), " .63 ");
}

TEST(PrintForm, SinglesCarrySevenDigitsDoublesFifteen) {
    EXPECT_EQ(printForm(1.0f / 3.0f), " .3333333 ");
    EXPECT_EQ(printForm(1.0 / 3.0), " .333333333333333 ");
    EXPECT_EQ(printForm(0.1f), " .1 "); // the float's own digits, not its binary expansion
    EXPECT_EQ(printForm(2270.0f), " 2270 ");
    EXPECT_EQ(printForm(96.0), " 96 ");
    EXPECT_EQ(printForm(1234567.0f), " 1234567 ");
}

TEST(PrintForm, ExponentFormForVeryLargeOrSmall) {
    EXPECT_EQ(printForm(12345678.0f), " 1.234568E+07 ");
    EXPECT_EQ(printForm(1e15), " 1E+15 ");
    EXPECT_EQ(printForm(123456789012345.0), " 123456789012345 ");
    EXPECT_EQ(printForm(0.00001), " 1E-05 ");
    EXPECT_EQ(printForm(-2.5e-7f), "-2.5E-07 ");
    EXPECT_EQ(printForm(0.0001), " .0001 ");
}

TEST(PrintForm, BooleansAndPlainForms) {
    EXPECT_EQ(printForm(true), "True");
    EXPECT_EQ(printForm(false), "False");
    EXPECT_EQ(plainDigits(0.5), ".5");
    EXPECT_EQ(plainDigits(-3), "-3");
    EXPECT_EQ(strForm(12.0f), " 12");
    EXPECT_EQ(strForm(-0.25), "-.25");
}

TEST(PrintLine, NextZoneStartsAtColumnsOneFifteenTwentyNine) {
    EXPECT_EQ(PrintLine("thermal conductivity=").zoneValue(0.5f).str(),
              "thermal conductivity=" + std::string(7, ' ') + " .5 ");
    EXPECT_EQ(PrintLine("submodels=").zoneValue(4).str(), "submodels=     4 ");
    EXPECT_EQ(PrintLine("nx=").zoneValue(40).zoneValue(2).str(),
              "nx=" + std::string(11, ' ') + " 40 " + std::string(10, ' ') + " 2 ");
    // A key that fills its zone exactly: the value follows at once.
    EXPECT_EQ(PrintLine("material name=").zone("Sand").str(), "material name=Sand");
    EXPECT_EQ(PrintLine("dx=").directValue(0.04).str(), "dx= .04 ");
}

TEST(CsvRecord, TextsQuotedNumbersPlain) {
    EXPECT_EQ(CsvRecord().text("a b").number(0.5).number(std::int64_t{3}).str(), "\"a b\",.5,3");
    EXPECT_EQ(CsvRecord().str(), "");
}

} // namespace
} // namespace vardex

#include "text/NumberFormat.h"

namespace vardex {
namespace {

TEST(FormatNumber, PictureFormatsOfTheBoxes) {
    EXPECT_EQ(formatNumber(5, "##0.0#"), "5.0");
    EXPECT_EQ(formatNumber(3.456, "##0.0#"), "3.46");
    EXPECT_EQ(formatNumber(0, "##0.0#"), "0.0");
    EXPECT_EQ(formatNumber(2.5, "##0.0##"), "2.5");
    EXPECT_EQ(formatNumber(1.0 / 3, "##0.0##"), "0.333");
    EXPECT_EQ(formatNumber(1.25, "##0.0##"), "1.25");
    EXPECT_EQ(formatNumber(3, "###.##"), "3.");
    EXPECT_EQ(formatNumber(0.5, "###.##"), ".5");
    EXPECT_EQ(formatNumber(-1.125, "###.##"), "-1.13"); // halves away from zero
    EXPECT_EQ(formatNumber(0.25, "#.000#"), ".25" + std::string("0"));
    EXPECT_EQ(formatNumber(2, "#.000#"), "2.000");
    EXPECT_EQ(formatNumber(0.12345, "#.000#"), ".1235");
}

} // namespace
} // namespace vardex
