#include "run/AdiabaticRise.h"

#include <cmath>

#include <gtest/gtest.h>

namespace vardex {
namespace {

// The a b t block of the bundled validation example: 84.198 kJ per kg of concrete.
AdiabaticInput abtBlock() {
    AdiabaticInput in;
    in.curve.kind = HeatCurveParameters::Kind::Abt;
    in.curve.p = {0.742, 1.065, 17.483}; // alpha_u, beta, tau
    in.curve.heat = 84.198;
    in.curve.density = 2298.4;
    in.placement = 13.33;
    in.heatProduction = 1.0;
    in.heatCapacity = 2298.4 * 1075.0;
    in.duration = 176.3;
    return in;
}

// The rise at equivalent age te, written out here rather than taken from the curve library.
double riseAt(const AdiabaticInput& in, double te) {
    if (te <= 0) return 0;
    const double alpha = in.curve.p[0] * std::exp(-std::pow(in.curve.p[2] / te, in.curve.p[1]));
    return 1000.0 * in.curve.heat * in.curve.density * alpha * in.heatProduction / in.heatCapacity;
}

TEST(AdiabaticRise, WithRealAgeTheBlockHoldsAllTheHeatReleasedSoFar) {
    const AdiabaticInput in = abtBlock();
    const CurvePoints rise = adiabaticRise(in, 50);
    ASSERT_EQ(rise.size(), 51u);
    EXPECT_DOUBLE_EQ(rise.front().first, 0.0);
    EXPECT_NEAR(rise.back().first, 176.3, 1e-9);
    for (const auto& [t, T] : rise) EXPECT_NEAR(T, in.placement + riseAt(in, t), 1e-9) << t;
    // Zero activation energy is real age.
    AdiabaticInput flat = in;
    flat.equivalentAge = true;
    flat.activationEnergy = 0;
    const CurvePoints same = adiabaticRise(flat, 50);
    for (std::size_t i = 0; i < rise.size(); ++i) EXPECT_NEAR(same[i].second, rise[i].second, 1e-9);
}

// With equivalent age dt/dte = 1 / rate(T(te)): the time at which each age is reached is a plain
// integral, so the curve can be checked without solving the ODE the same way.
TEST(AdiabaticRise, WithEquivalentAgeTheCurveMatchesTheIntegralOfTheInverseRate) {
    for (const double energy : {33826.0, 50000.0}) {
        AdiabaticInput in = abtBlock();
        in.equivalentAge = true;
        in.activationEnergy = energy;
        in.referenceTemp = 21.1;
        const CurvePoints rise = adiabaticRise(in, 40);
        // (t, T) along te by Simpson's rule on a fine grid of ages.
        const double h = 0.01;
        auto inverseRate = [&](double te) {
            return 1.0 / arrheniusFactor(energy, 21.1, in.placement + riseAt(in, te));
        };
        std::vector<double> ts{0.0}, temps{in.placement};
        for (int i = 0; ts.back() <= in.duration; ++i) {
            const double a = i * h;
            ts.push_back(ts.back() +
                         h / 6 *
                             (inverseRate(a) + 4 * inverseRate(a + h / 2) + inverseRate(a + h)));
            temps.push_back(in.placement + riseAt(in, a + h));
        }
        for (const auto& [t, T] : rise) {
            const std::size_t j = std::lower_bound(ts.begin(), ts.end(), t) - ts.begin();
            const double exact = j == 0 ? temps[0]
                                        : temps[j - 1] + (temps[j] - temps[j - 1]) *
                                                             (t - ts[j - 1]) / (ts[j] - ts[j - 1]);
            EXPECT_NEAR(T, exact, 1e-3) << "E " << energy << " at " << t << " h";
        }
        // Once it is warmer than the reference the block runs ahead of real age.
        EXPECT_GT(rise[20].second, in.placement + riseAt(in, rise[20].first) + 1.0);
    }
}

} // namespace
} // namespace vardex
