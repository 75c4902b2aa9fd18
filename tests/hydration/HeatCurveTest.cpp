// The shared hydration curves: what the solver integrates and the program draws must agree with
// the closed forms, and equivalent age must advance at the reference rate at the reference
// temperature.

#include <cmath>

#include <gtest/gtest.h>

#include "hydration/HeatCurve.h"

namespace vardex {
namespace {

TEST(EquivalentAge, AdvancesAtTheReferenceRateAtTheReferenceTemperatureAndFasterWhenWarmer) {
    EXPECT_DOUBLE_EQ(arrheniusFactor(33826.0, 21.1, 21.1), 1.0);
    EXPECT_DOUBLE_EQ(arrheniusFactor(0.0, 21.1, 60.0), 1.0);
    // 40 C against 20 C at 40 kJ/mol: exp(-(40000 / 8.314) (1/313.15 - 1/293.15)) = 2.852.
    EXPECT_NEAR(arrheniusFactor(40000.0, 20.0, 40.0), 2.8525, 1e-4);
    EXPECT_NEAR(arrheniusFactor(40000.0, 20.0, 0.0) * arrheniusFactor(40000.0, 0.0, 20.0), 1.0,
                1e-12);
}

TEST(HeatCurve, TheParametricCurvesReachTheirFullHeatAndTheSeriesIsPerKilogramOfConcrete) {
    HeatCurveParameters abt;
    abt.kind = HeatCurveParameters::Kind::Abt;
    abt.p = {0.742, 1.065, 17.483};
    abt.heat = 84.198;
    abt.density = 2298.4;
    const HeatCurve a(abt);
    EXPECT_DOUBLE_EQ(a.cumulative(17.483), 1000.0 * 84.198 * 2298.4 * 0.742 * std::exp(-1.0));
    EXPECT_NEAR(a.cumulative(1e9) / (1000.0 * 84.198 * 2298.4), 0.742, 1e-6);
    EXPECT_EQ(a.cumulative(0.0), 0.0);

    HeatCurveParameters series;
    series.kind = HeatCurveParameters::Kind::Series;
    series.density = 2000.0;
    series.series = {{0.0, 0.0}, {10.0, 50.0}, {20.0, 60.0}};
    const HeatCurve s(series);
    EXPECT_DOUBLE_EQ(s.cumulative(5.0), 25.0 * 1000.0 * 2000.0);
    EXPECT_DOUBLE_EQ(s.cumulative(100.0), 60.0 * 1000.0 * 2000.0);
}

} // namespace
} // namespace vardex
