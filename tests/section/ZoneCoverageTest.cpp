#include "section/ZoneCoverage.h"

#include <cmath>

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(BoxCoverage, EdgesInsideAZoneTakeTheirShareOffInTurn) {
    // Zone (2, 2) of 0.5 m zones covers 0.5..1 in x and y.
    EXPECT_EQ(boxCoverage({0.5f, 1.0f, 0.5f, 1.0f}, 2, 2, 0.5f, 0.5f), 1.0f);
    EXPECT_EQ(boxCoverage({0.75f, 2.0f, 0.0f, 2.0f}, 2, 2, 0.5f, 0.5f), 0.5f);   // left
    EXPECT_EQ(boxCoverage({0.0f, 0.75f, 0.0f, 2.0f}, 2, 2, 0.5f, 0.5f), 0.5f);   // right
    EXPECT_EQ(boxCoverage({0.0f, 2.0f, 0.0f, 0.625f}, 2, 2, 0.5f, 0.5f), 0.25f); // top
    EXPECT_EQ(boxCoverage({0.0f, 2.0f, 0.875f, 2.0f}, 2, 2, 0.5f, 0.5f), 0.25f); // bottom
    EXPECT_EQ(boxCoverage({0.75f, 2.0f, 0.75f, 2.0f}, 2, 2, 0.5f, 0.5f), 0.25f); // a corner
    // A box inside one zone: each edge's share is taken off the whole zone.
    EXPECT_EQ(boxCoverage({0.625f, 0.875f, 0.0f, 2.0f}, 2, 2, 0.5f, 0.5f), 0.5625f);
}

TEST(BoxCoverage, TouchingAnEdgeIsNotReachingIn) {
    const FillBox box{0.5f, 1.0f, 0.5f, 1.0f};
    EXPECT_EQ(boxCoverage(box, 1, 2, 0.5f, 0.5f), std::nullopt);
    EXPECT_EQ(boxCoverage(box, 3, 2, 0.5f, 0.5f), std::nullopt);
    EXPECT_EQ(boxCoverage(box, 2, 1, 0.5f, 0.5f), std::nullopt);
    EXPECT_EQ(boxCoverage(box, 2, 3, 0.5f, 0.5f), std::nullopt);
}

TEST(GetRadii, NearestAndFarthestCorners) {
    // Zone (3, 2) of 1 m zones covers 2..3 in x and 1..2 in y.
    Radii r = get_radii(0.0f, 0.0f, 3, 2, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(r.rmin, std::sqrt(5.0f));
    EXPECT_FLOAT_EQ(r.rmax, std::sqrt(13.0f));
    // The centre within the zone's x range: still the nearest corner, not the nearest edge.
    r = get_radii(2.25f, 0.0f, 3, 2, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(r.rmin, std::sqrt(0.0625f + 1.0f));
    EXPECT_FLOAT_EQ(r.rmax, std::sqrt(0.5625f + 4.0f));
}

TEST(CylinderCoverage, SquareCrossingIsLinearAndDiagonalSineSquared) {
    // An edge crossing squarely: the corners spread by dx.
    EXPECT_NEAR(cylinderCoverage(0.225f, {0.3f, 0.2f}, 0.1f), 0.25f, 1e-6);
    // A diagonal crossing: spread by dx times the square root of 2.
    const float spread = 0.1f * std::sqrt(2.0f);
    const float s = std::sin(3.14159265f / 8.0f); // a quarter of the way across
    EXPECT_NEAR(cylinderCoverage(0.2f + spread / 4.0f, {0.2f + spread, 0.2f}, 0.1f), s * s, 1e-5);
}

} // namespace
} // namespace vardex
