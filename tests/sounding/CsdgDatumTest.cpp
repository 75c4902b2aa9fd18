// Rotations worked out by hand for each row and column the test matrix can pick.

#include <cmath>

#include <gtest/gtest.h>

#include "sounding/CsdgDatum.h"
#include "support/ScriptedDialogs.h"

namespace vardex {
namespace {

CsdgDatum rotated(double t1, double t2, double t3, double t4) {
    CsdgDatum d;
    d.dTemp1 = t1;
    d.dTemp2 = t2;
    d.dTemp3 = t3;
    d.dTemp4 = t4;
    d.getRotation();
    return d;
}

constexpr double kDegrees = 180.0 / 3.14159265358979323846;

TEST(CsdgDatum, RowOneColumnOneTakesTheDifferenceAcrossTheSecondCorners) {
    // 10, 10, 11, 11: average 10.5, d = -.5, -.5, .5, .5. Every L is sqrt(.5) = .70711, so all
    // four entries are .70711 - 1 = -.29289, D = 0 and each becomes -29.289. r = 0 < .15 and no
    // entry is strictly smaller than M(1,1): (1, 1).
    // theta = atan((d2 - d3) * .5 / d1) = atan((-.5 - .5) * .5 / -.5) = atan(1) = 45 degrees.
    CsdgDatum d = rotated(10, 10, 11, 11);
    EXPECT_DOUBLE_EQ(d.dTavg, 10.5);
    EXPECT_NEAR(d.M(2, 2), -29.2893218813, 1e-9);
    EXPECT_EQ(d.check_test(), std::make_pair(1, 1));
    EXPECT_NEAR(d.dRot_local, 45.0, 1e-12);
    EXPECT_TRUE(d.rotationFound());
}

TEST(CsdgDatum, RowOneColumnTwoAveragesTheTwoAnglesOfTheSecondCorner) {
    // 12, 10, 10, 10: average 10.5, d = 1.5, -.5, -.5, -.5.
    // L(d1,d2) = L(d3,d1) = 1.58114, L(d4,d2) = L(d3,d4) = .70711.
    // M = [1.58114 - 1, (1.58114 + .70711)/2 - 1; 1.14412 - 1, .70711 - 1]
    //   = [.58114, .14412; .14412, -.29289], D = .58114 * -.29289 - .14412^2 = -.19098,
    // adjusted: [39.016, -4.686; -4.686, -48.388]. r = 2 (39.016 - 48.388) / (4.686 + 39.016)
    // = -.429 < .15; the smallest magnitude is 4.686 at (1, 2) ((2, 1) is not strictly smaller).
    // theta = (atan(d2/d1) - atan(d2/d4)) / 2 = (atan(-1/3) - atan(1)) / 2
    //       = (-18.4349 - 45) / 2 = -31.7175 degrees.
    CsdgDatum d = rotated(12, 10, 10, 10);
    EXPECT_NEAR(d.M(1, 2), -4.6860199990, 1e-8);
    EXPECT_EQ(d.check_test(), std::make_pair(1, 2));
    EXPECT_NEAR(d.dRot_local, (std::atan(-1.0 / 3) - std::atan(1.0)) / 2 * kDegrees, 1e-12);
    EXPECT_NEAR(d.dRot_local, -31.717474411, 1e-8);
}

TEST(CsdgDatum, RowOneColumnTwoAlsoComesFromTheLongerRowWhenTheRatioIsLarge) {
    // 10, 12, 10, 11: average 10.75, d = -.75, 1.25, -.75, .25.
    // M = [.25920, .36625; -.07439, .03266], D = .035709; adjusted
    // [29.491, 40.196; -3.868, 6.837]. r = 2 (29.491 - 6.837) / (40.196 + 29.491) = .650,
    // not below .15: row 1 is longer (49.85 against 7.86), and |M(1,2)| > |M(1,1)|: (1, 2).
    // theta = (atan(1.25 / -.75) - atan(1.25 / .25)) / 2 = (-59.0362 - 78.6901) / 2
    //       = -68.8632 degrees.
    CsdgDatum d = rotated(10, 12, 10, 11);
    EXPECT_EQ(d.check_test(), std::make_pair(1, 2));
    EXPECT_NEAR(d.dRot_local, (std::atan(1.25 / -0.75) - std::atan(5.0)) / 2 * kDegrees, 1e-12);
    EXPECT_NEAR(d.dRot_local, -68.863155497, 1e-8);
}

TEST(CsdgDatum, RowTwoColumnOneAveragesTheTwoAnglesOfTheThirdCorner) {
    // 10, 10, 11, 12: average 10.75, d = -.75, -.75, .25, 1.25.
    // M = [-.07439, .25920; .03266, .36625], D = -.035709; adjusted
    // [-11.009, 22.349; -.305, 33.054]. r = 2 (11.009 - 33.054) / (22.349 + 11.009) = -1.32;
    // the smallest magnitude is .305 at (2, 1).
    // theta = (atan(-d3/d1) + atan(d3/d4)) / 2 = (atan(1/3) + atan(.2)) / 2
    //       = (18.4349 + 11.3099) / 2 = 14.8724 degrees.
    CsdgDatum d = rotated(10, 10, 11, 12);
    EXPECT_NEAR(d.M(2, 1), -0.3047167488, 1e-8);
    EXPECT_EQ(d.check_test(), std::make_pair(2, 1));
    EXPECT_NEAR(d.dRot_local, (std::atan(1.0 / 3) + std::atan(0.2)) / 2 * kDegrees, 1e-12);
    EXPECT_NEAR(d.dRot_local, 14.872440648, 1e-8);
}

TEST(CsdgDatum, RowTwoColumnTwoTakesTheDifferenceOverTheFourthCorner) {
    // 16, 10, 15, 10: average 12.75, d = 3.25, -2.75, 2.25, -2.75.
    // M = [3.10510, 3.07322; 2.75301, 2.72113], D = -.011225; adjusted
    // [309.387, 306.199; 274.178, 270.990]. r = 2 (309.387 - 270.990) / (306.199 + 309.387)
    // = .1247 < .15; the smallest magnitude is 270.990 at (2, 2).
    // theta = atan((d3 - d2) * .5 / d4) = atan(5 * .5 / -2.75) = atan(-.90909) = -42.2737.
    CsdgDatum d = rotated(16, 10, 15, 10);
    EXPECT_EQ(d.check_test(), std::make_pair(2, 2));
    EXPECT_NEAR(d.dRot_local, std::atan(-2.5 / 2.75) * kDegrees, 1e-12);
    EXPECT_NEAR(d.dRot_local, -42.273689006, 1e-8);
}

TEST(CsdgDatum, FourEqualReadingsGiveNoRotationInsteadOfNaN) {
    // All deviations 0: every entry is (0 + 0) / 2 - 1 = -1, D = 1 - 1 = 0, adjusted -100.
    // The formula of (1, 1) would be atan(0 / 0).
    CsdgDatum d = rotated(20, 20, 20, 20);
    EXPECT_DOUBLE_EQ(d.dTavg, 20);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 2; ++j) EXPECT_DOUBLE_EQ(d.M(i, j), -100);
    EXPECT_EQ(d.check_test(), std::make_pair(1, 1));
    EXPECT_FALSE(d.rotationFound());
    EXPECT_EQ(d.dRot_local, 0);

    testing::ScriptedDialogs dialogs;
    d.show_drtemp(dialogs);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, " 0   0\r\n 0   0\r\n  local rotation =  0\r\n"
                                        "No rotation can be found: the deviations give no angle.");
}

TEST(CsdgDatum, ShowDrtempLaysTheDeviationsOutAsOnTheProbe) {
    CsdgDatum d = rotated(10, 10, 11, 11);
    // d1 d2 on the first line, d4 d3 on the second.
    EXPECT_EQ(d.drtempText(), "-.5  -.5\r\n .5   .5\r\n  local rotation =  45");
}

} // namespace
} // namespace vardex
