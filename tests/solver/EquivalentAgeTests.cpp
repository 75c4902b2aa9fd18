// Equivalent age: an insulated block against the exact history, which the test computes itself
// from the closed forms of the curves.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "Cases.h"
#include "RunCheck.h"
#include "Simulation.h"

namespace zolter {
namespace {

using test::block;

double arrhenius(double e, double tr, double t) {
    return std::exp(-(e / 8.314) * (1.0 / (t + 273.15) - 1.0 / (tr + 273.15)));
}

// The exact history of an insulated block: its temperature is a function of its age alone,
// T(a) = T0 + rise(a), so the time to reach age a is the integral of 1 / rate(T(u)) over u.
// Tabulated by three-point Gauss-Legendre quadrature on age steps of 0.01 h (sixth order; the
// kinks of a series source lie on the nodes) and inverted by Newton's method, both to far below
// 1e-8.
class ExactAdiabatic {
  public:
    ExactAdiabatic(std::function<double(double)> rise, double t0, double e, double tr, double until)
        : rise_(std::move(rise)), t0_(t0), e_(e), tr_(tr) {
        ages_.push_back(0.0);
        times_.push_back(0.0);
        while (times_.back() < until) {
            const double a = ages_.back();
            const double b = double(ages_.size()) * kStep;
            times_.push_back(times_.back() + integral(a, b));
            ages_.push_back(b);
        }
    }
    double temperature(double t) const {
        const std::size_t i =
            std::size_t(std::upper_bound(times_.begin(), times_.end(), t) - times_.begin()) - 1;
        double a = ages_[i];
        for (int it = 0; it < 4; ++it) a += (t - times_[i] - integral(ages_[i], a)) * rate(a);
        return t0_ + rise_(a);
    }

  private:
    static constexpr double kStep = 1e-2;
    double rate(double age) const { return arrhenius(e_, tr_, t0_ + rise_(age)); }
    double integral(double a, double b) const {
        const double mid = 0.5 * (a + b), half = 0.5 * (b - a), x = std::sqrt(0.6) * half;
        return half / 9.0 * (5.0 / rate(mid - x) + 8.0 / rate(mid) + 5.0 / rate(mid + x));
    }
    std::function<double(double)> rise_;
    double t0_, e_, tr_;
    std::vector<double> ages_, times_;
};

struct AgeCase {
    const char* name;
    enum { Abt, Series, Sigmoid } source;
    double placement, energy, dtmax;
};

// The validation block's concrete: k 1.95, 2298.4 kg/m3, 1.075 kJ/kg C; its a b t source.
Material blockConcrete() {
    return {"concrete", 1.95, 1.075, 2298.4, 1.0};
}

SolverInput insulatedBlock(const AgeCase& c, double dtmax) {
    const Material m = blockConcrete();
    SolverInput in = block(2, 2, 2, 0.3, m, c.placement);
    in.times.start = 0.0;
    in.times.end = 176.3;
    in.times.dtmax = dtmax;
    Hydration& h = in.hydration;
    h.concreteRho = 2298.4;
    h.equivalentAge = true;
    h.activationEnergy = c.energy;
    h.referenceTemperature = 21.1;
    if (c.source == AgeCase::Abt) {
        h.abtFlag = true;
        h.p = {0.742, 1.065, 17.483};
        h.qCementitious = 84.198;
    } else if (c.source == AgeCase::Series) {
        h.seriesFlag = true;
        h.points = {{0.0, 0.0},   {4.0, 2.0},   {10.0, 25.0},
                    {20.0, 45.0}, {48.0, 58.0}, {150.0, 64.0}};
    } else {
        h.p = {1.0, 10.0, 2.0};
        h.qCementitious = 60.0;
    }
    return in;
}

// The rise of the block at an age, from the closed form of its source.
double exactRise(const AgeCase& c, double age) {
    const Material m = blockConcrete();
    const double perDegree = m.density * m.specificHeat; // kJ/m3 C
    if (c.source == AgeCase::Abt)
        return age > 0
                   ? 84.198 * 2298.4 * 0.742 * std::exp(-std::pow(17.483 / age, 1.065)) / perDegree
                   : 0.0;
    if (c.source == AgeCase::Series) {
        const double t[] = {0, 4, 10, 20, 48, 150}, q[] = {0, 2, 25, 45, 58, 64};
        if (age >= 150) return 64 * 2298.4 / perDegree;
        std::size_t i = 1;
        while (age > t[i]) ++i;
        return (q[i - 1] + (q[i] - q[i - 1]) * (age - t[i - 1]) / (t[i] - t[i - 1])) * 2298.4 /
               perDegree;
    }
    // Log-logistic with its fastest rise at 10 h: b = 10 ((n + 1) / (n - 1))^(1/n), n = 2.
    const double b = 10.0 * std::sqrt(3.0);
    return age > 0 ? 60.0 * 2298.4 / (1.0 + (b / age) * (b / age)) / perDegree : 0.0;
}

ExactAdiabatic exactHistory(const AgeCase& c) {
    return ExactAdiabatic([c](double a) { return exactRise(c, a); }, c.placement, c.energy, 21.1,
                          180.0);
}

// The largest distance of the block from the exact history over every step's end.
double largestError(const AgeCase& c, double dtmax, const ExactAdiabatic& exact) {
    const SolverInput in = insulatedBlock(c, dtmax);
    std::vector<std::string> w;
    Simulation sim(in, w);
    double largest = 0.0;
    sim.run([&](const StepReport& r) {
        largest =
            std::max(largest, std::fabs(sim.temperature(1, 0, 1) - exact.temperature(r.time)));
    });
    return largest;
}

class AdiabaticAge : public ::testing::TestWithParam<AgeCase> {};

TEST_P(AdiabaticAge, InsulatedBlockStaysWithinFiveHundredthsOfADegreeOfTheExactHistory) {
    EXPECT_LT(largestError(GetParam(), GetParam().dtmax, exactHistory(GetParam())), 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, AdiabaticAge,
    ::testing::Values(
        AgeCase{"AbtPlacedAt13C_E33826_HourSteps", AgeCase::Abt, 13.33, 33826, 1.0},
        AgeCase{"AbtPlacedAt20C_E45000_HourSteps", AgeCase::Abt, 20.0, 45000, 1.0},
        AgeCase{"AbtPlacedAt35C_E33826_QuarterHourSteps", AgeCase::Abt, 35.0, 33826, 0.25},
        AgeCase{"SeriesPlacedAt30C_E40000_QuarterHourSteps", AgeCase::Series, 30.0, 40000, 0.25},
        AgeCase{"SigmoidPlacedAt15C_E40000_HourSteps", AgeCase::Sigmoid, 15.0, 40000, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EquivalentAge, TheErrorFallsAtLeastFourfoldWhenTheStepHalves) {
    // Hotter and with more activation energy than the cases above: the error is well above the
    // float rounding of the capacities (some 1e-6 C) at all three steps.
    const AgeCase c{"", AgeCase::Abt, 20.0, 45000, 1.0};
    const ExactAdiabatic exact = exactHistory(c);
    const double hour = largestError(c, 1.0, exact), half = largestError(c, 0.5, exact),
                 quarter = largestError(c, 0.25, exact);
    EXPECT_GT(hour / half, 4.0) << hour << " " << half;
    EXPECT_GT(half / quarter, 4.0) << half << " " << quarter;
}

TEST(EquivalentAge, NoActivationEnergyGivesExactlyTheResultsWithoutEquivalentAge) {
    SolverInput in = test::smallChunk();
    in.times.start = 2.0;
    in.times.end = 30.0;
    in.hydration.abtFlag = true;
    in.hydration.p = {0.742, 1.065, 17.483};
    std::vector<std::string> w;
    Simulation plain(in, w);
    plain.run();
    in.hydration.equivalentAge = true;
    in.hydration.activationEnergy = 0.0;
    Simulation aged(in, w);
    aged.run();
    EXPECT_EQ(aged.field(), plain.field());
    EXPECT_EQ(aged.heatReleased(), plain.heatReleased());
    EXPECT_DOUBLE_EQ(aged.age(0, 0, 0), 28.0);
}

TEST(EquivalentAge, AWarmCoreAgesFasterThanItsHeldFacesAndTheHeatStillBalances) {
    SolverInput in = block(9, 9, 9, 0.2, blockConcrete(), 20.0);
    in.faces = "DDDDDD";
    in.boundaries = {test::held(1, 5.0)};
    in.times = {0.63, 0.0, 72.0, 2.0, 0.003, 30};
    test::insulatedBlockSource(in.hydration);
    std::vector<std::string> w;
    Simulation sim(in, w);
    sim.run();
    // The core stays warm and passes the reference rate; the face cells cool towards 5 C.
    EXPECT_GT(sim.age(4, 4, 4), 72.0);
    EXPECT_LT(sim.age(0, 0, 0), sim.age(4, 4, 0));
    EXPECT_LT(sim.age(4, 4, 0), sim.age(4, 4, 4));
    const RunCheck check = checkRun(sim.balance(), sim.range());
    EXPECT_TRUE(check.warnings.empty()) << check.warnings.front();
    EXPECT_LT(std::fabs(sim.balance().imbalance()), 1e-9 * sim.balance().released);
}

} // namespace
} // namespace zolter
