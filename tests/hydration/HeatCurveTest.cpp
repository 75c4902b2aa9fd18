// The shared hydration curves: what the solver integrates and the program draws must agree with
// the closed forms, and equivalent age must advance at the reference rate at the reference
// temperature.

#include <cmath>
#include <vector>

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

TEST(HeatCurve, ManyAgesAtOnceAgreeWithOneAtATimeForEveryKind) {
    std::vector<double> ages{0.0, 1e-3, 0.5, 1.7, 12.0, 17.483, 60.0, 500.0, 1e7};
    for (int i = 0; i < 40; ++i) ages.push_back(0.37 * i * i);
    HeatCurveParameters kinds[3];
    kinds[0].kind = HeatCurveParameters::Kind::Abt;
    kinds[0].p = {0.742, 1.065, 17.483};
    kinds[1].p = {0.87, 1.5, 25.0}; // the T-model's defaults
    kinds[2].kind = HeatCurveParameters::Kind::Series;
    kinds[2].series = {{0.0, 0.0}, {10.0, 50.0}, {20.0, 60.0}};
    for (const HeatCurveParameters& p : kinds) {
        const HeatCurve curve(p);
        std::vector<double> many(ages.size());
        curve.cumulative(ages.data(), many.data(), ages.size());
        for (std::size_t i = 0; i < ages.size(); ++i)
            EXPECT_NEAR(many[i], curve.cumulative(ages[i]), 1e-6 * curve.cumulative(1e9))
                << "kind " << int(p.kind) << ", age " << ages[i];
    }
    const std::vector<double> temperatures{-300.0, -273.15, 0.0, 21.1, 80.0};
    std::vector<double> rates(temperatures.size());
    arrheniusFactors(33826.0, 21.1, temperatures.data(), rates.data(), rates.size());
    EXPECT_EQ(rates[0], rates[1]); // below absolute zero the rate stays nil, never overflows
    EXPECT_LT(rates[1], 1e-300);
    double hot = 0.0, veryHot = 1500.0;
    arrheniusFactors(250000.0, -100.0, &veryHot, &hot, 1);
    EXPECT_TRUE(std::isfinite(hot)) << hot;
    for (std::size_t i = 2; i < rates.size(); ++i)
        EXPECT_NEAR(rates[i], arrheniusFactor(33826.0, 21.1, temperatures[i]), 1e-6 * rates[i]);
}

} // namespace
} // namespace vardex
