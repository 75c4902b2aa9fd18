// The checks a finished run passes before it is reported a plain success.

#include <gtest/gtest.h>

#include "RunCheck.h"

namespace zolter {
namespace {

TEST(RunCheck, AnImbalanceBeyondATenthOfAPercentOfTheHeatReleasedIsAWarning) {
    // 1000 MJ released, 200 MJ lost through held faces: the content should gain 800 MJ.
    HeatBalance b{1e9, 8e8, -2e8, 5e8};
    RunCheck check = checkRun(b, {20.0, 60.0, 10.0, 70.0, 0.2});
    EXPECT_TRUE(check.warnings.empty());
    ASSERT_EQ(check.log.size(), 2u);
    EXPECT_EQ(check.log[0],
              "heat balance: released 1000 MJ, change of heat content 800 MJ, in "
              "through held faces -200 MJ, imbalance 0 MJ (0 % of the heat released)");
    EXPECT_EQ(check.log[1], "temperatures: lowest 20.000 C, highest 60.000 C; the initial, "
                            "held-face and adiabatic temperatures allow 10.000 to 70.000 C");

    b.contentChange = 8e8 + 0.9e6; // 0.09 %
    EXPECT_TRUE(checkRun(b, {20.0, 60.0, 10.0, 70.0, 0.2}).warnings.empty());
    b.contentChange = 8e8 - 2e6; // 0.2 % lost
    check = checkRun(b, {20.0, 60.0, 10.0, 70.0, 0.2});
    ASSERT_EQ(check.warnings.size(), 1u);
    EXPECT_EQ(check.warnings[0], "the heat balance is off by 0.2 % of the heat released (0.1 % "
                                 "allowed)");
}

TEST(RunCheck, WithoutHeatReleasedTheHeatThroughHeldFacesIsWhatAnImbalanceIsMeasuredBy) {
    // A bar between a warm and a cold face: 50 MJ crossed, nothing gained.
    const HeatBalance b{0.0, 0.1e6, 0.0, 5e7};
    const RunCheck check = checkRun(b, {0.0, 40.0, 0.0, 40.0, 0.1});
    ASSERT_EQ(check.warnings.size(), 1u);
    EXPECT_EQ(check.warnings[0], "the heat balance is off by 0.2 % of the heat through held faces "
                                 "(0.1 % allowed)");
    EXPECT_TRUE(checkRun({0.0, 0.0, 0.0, 0.0}, {5.0, 5.0, 5.0, 5.0, 0.003}).warnings.empty());
}

TEST(RunCheck, ATemperatureBeyondTheAllowedRangeByMoreThanTheSolveMayErrIsAWarning) {
    const HeatBalance b{1e9, 1e9, 0.0, 0.0};
    EXPECT_TRUE(checkRun(b, {9.85, 70.1, 10.0, 70.0, 0.2}).warnings.empty());
    const RunCheck hot = checkRun(b, {10.0, 173.65, 10.0, 70.0, 0.2});
    ASSERT_EQ(hot.warnings.size(), 1u);
    EXPECT_EQ(hot.warnings[0],
              "temperatures left the range the initial, held-face and adiabatic temperatures "
              "allow (lowest 10.000 C, highest 173.650 C, allowed 10.000 to 70.000 C); a shorter "
              "time step keeps them within it");
    EXPECT_EQ(checkRun(b, {9.7, 60.0, 10.0, 70.0, 0.2}).warnings.size(), 1u);
}

} // namespace
} // namespace zolter
