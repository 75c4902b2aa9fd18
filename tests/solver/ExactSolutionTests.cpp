// The solver against exact answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Cases.h"
#include "HeatSource.h"
#include "RunCheck.h"
#include "Simulation.h"

namespace zolter {
namespace {

using test::block;
using test::concrete;
using test::held;

// --- Adiabatic block: the heat of a step is the exact increment of the source curve. ---

struct AdiabaticCase {
    const char* name;
    double dtmax;
};

class Adiabatic : public ::testing::TestWithParam<AdiabaticCase> {};

double abtAlpha(double t, double a, double b, double tau) {
    return t > 0 ? a * std::exp(-std::pow(tau / t, b)) : 0.0;
}

TEST_P(Adiabatic, InsulatedBlockFollowsTheAdiabaticCurveAtAnyStep) {
    const Material m = concrete(0.8);
    SolverInput in = block(3, 2, 3, 0.2, m, 15.0);
    in.times.start = 4.0; // ages count from the start time
    in.times.end = 100.0;
    in.times.dtmax = GetParam().dtmax;
    in.hydration.abtFlag = true;
    in.hydration.p = {0.85, 1.3, 18.0};
    in.hydration.qCementitious = 120.0;
    in.hydration.concreteRho = 2400.0;
    std::vector<std::string> w;
    Simulation sim(in, w);
    const double perDegree = m.density * m.specificHeat; // kJ/m3 C
    int steps = 0;
    sim.run([&](const StepReport& r) {
        ++steps;
        const double age = r.time - in.times.start;
        const double rise =
            m.heatProduction * 120.0 * 2400.0 * abtAlpha(age, 0.85, 1.3, 18.0) / perDegree;
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(sim.temperature(2, 1, k) - 15.0, rise, 1e-6 * rise + 1e-12)
                << "t " << r.time;
    });
    EXPECT_EQ(steps, int(std::ceil(96.0 / GetParam().dtmax - 1e-9)));
    EXPECT_DOUBLE_EQ(sim.time(), 100.0);
    // The block reaches the top of the range its adiabatic rise allows, and no further.
    const TemperatureRange range = sim.range();
    EXPECT_DOUBLE_EQ(range.lowest, 15.0);
    EXPECT_DOUBLE_EQ(range.allowedLowest, 15.0);
    EXPECT_NEAR(range.highest, range.allowedHighest, 1e-9);
    EXPECT_NEAR(range.allowedHighest - 15.0,
                m.heatProduction * 120.0 * 2400.0 * abtAlpha(96.0, 0.85, 1.3, 18.0) / perDegree,
                1e-9);
}

INSTANTIATE_TEST_SUITE_P(StepSizes, Adiabatic,
                         ::testing::Values(AdiabaticCase{"quarter_hour", 0.25},
                                           AdiabaticCase{"odd", 7.3}, AdiabaticCase{"day", 24.0},
                                           AdiabaticCase{"whole_run", 500.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HeatCurve, TabulatedHeatIsLinearBetweenPointsAndFlatBeyond) {
    Hydration h;
    h.seriesFlag = true;
    h.concreteRho = 2000.0;
    h.points = {{2.0, 10.0}, {6.0, 50.0}, {10.0, 60.0}};
    std::vector<std::string> w;
    const HeatCurve c(h, w);
    EXPECT_DOUBLE_EQ(c.cumulative(0.0), 0.0);
    EXPECT_DOUBLE_EQ(c.cumulative(1.0), 1000.0 * 2000.0 * 10.0);
    EXPECT_DOUBLE_EQ(c.cumulative(4.0), 1000.0 * 2000.0 * 30.0);
    EXPECT_DOUBLE_EQ(c.cumulative(8.0), 1000.0 * 2000.0 * 55.0);
    EXPECT_DOUBLE_EQ(c.cumulative(50.0), 1000.0 * 2000.0 * 60.0);
}

TEST(HeatCurve, SigmoidRisesToTheFullHeatWithItsFastestRiseAtP2OverP1) {
    Hydration h; // neither flag: the default source
    h.p = {0.8, 12.0, 3.0};
    h.qCementitious = 100.0;
    h.concreteRho = 2300.0;
    std::vector<std::string> w;
    const HeatCurve c(h, w);
    const double full = 1000.0 * 100.0 * 2300.0;
    EXPECT_DOUBLE_EQ(c.cumulative(0.0), 0.0);
    EXPECT_NEAR(c.cumulative(1e5), full, 1e-6 * full);
    double bestAge = 0.0, bestRate = -1.0, last = 0.0;
    for (double t = 0.01; t < 60.0; t += 0.01) {
        const double v = c.cumulative(t);
        EXPECT_GE(v, last);
        if (v - last > bestRate) {
            bestRate = v - last;
            bestAge = t - 0.005;
        }
        last = v;
    }
    EXPECT_NEAR(bestAge, 12.0 / 0.8, 0.02);
}

TEST(HeatCurve, RejectsNonPositiveParametersOfTheParametricCurves) {
    Hydration h;
    h.p = {0.8, 0.0, 3.0};
    std::vector<std::string> w;
    EXPECT_THROW(HeatCurve(h, w), InputFault);
    h.abtFlag = true;
    EXPECT_THROW(HeatCurve(h, w), InputFault);
    Hydration s;
    s.seriesFlag = true;
    EXPECT_THROW(HeatCurve(s, w), InputFault);
}

// --- Cube with all faces held at 0 C from 20 C: product of three slab series at the centre. ---

double slab(double x, double L, double kappa, double t) {
    double sum = 0.0;
    for (int m = 1; m < 400; m += 2) {
        const double a = m * std::numbers::pi / L;
        sum += 4.0 / (m * std::numbers::pi) * std::sin(a * x) * std::exp(-kappa * a * a * t);
    }
    return sum;
}

// Largest error over the eight cells around the centre of an n^3 cube (n even).
double cubeCentreError(int n) {
    const double L = 0.1;
    SolverInput in = block(n, n, n, L / n, concrete(), 20.0);
    in.faces = "DDDDDD";
    in.boundaries.push_back(held(1, 20.0, {{0.0, 0.0}}));
    in.times = {0.5, 0.0, 0.05, 0.0005, 1e-10, 80};
    std::vector<std::string> w;
    Simulation sim(in, w);
    sim.run();
    const double kappa = 2.0 / (2300.0 * 870.0);
    const double t = 0.05 * 3600.0;
    double worst = 0.0;
    for (int k = n / 2 - 1; k <= n / 2; ++k)
        for (int j = n / 2 - 1; j <= n / 2; ++j)
            for (int i = n / 2 - 1; i <= n / 2; ++i) {
                auto centre = [&](int c) { return (c + 0.5) * L / n; };
                const double exact = 20.0 * slab(centre(i), L, kappa, t) *
                                     slab(centre(j), L, kappa, t) * slab(centre(k), L, kappa, t);
                worst = std::max(worst, std::fabs(sim.temperature(i, j, k) - exact));
            }
    return worst;
}

TEST(Cube, CentreMatchesTheSeriesSolutionAndTheErrorFallsFourfoldWithHalfTheCells) {
    const double coarse = cubeCentreError(12);
    const double fine = cubeCentreError(24);
    EXPECT_LT(fine, 0.05); // the centre is near 12 C at this time
    EXPECT_GT(coarse / fine, 3.3);
    EXPECT_LT(coarse / fine, 4.7);
}

// --- Insulated block: heat content kept to round-off, plus exactly the heat released. ---

TEST(Conservation, InsulatedBlockWithNonUniformStartKeepsItsHeat) {
    SolverInput in = block(5, 4, 3, 0.15, concrete(), 20.0);
    in.materials = {{"warm", 1.5, 0.9, 2200.0, 0.0},
                    {"hot", 0.3, 1.2, 1500.0, 0.0},
                    {"cold", 40.0, 0.5, 7800.0, 0.0}};
    in.sections = {{1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2},
                   {3, 3, 3, 3, 3, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3}};
    in.zoneSection = {1, 2, 1};
    BoundaryRecord hot = held(2, 70.0);
    hot.dirichlet = false;
    in.boundaries = {hot, held(3, -10.0, {{0.0, 100.0}})};
    in.faces = "NNNNII"; // the held record is on no "D" face: insulated
    in.times = {0.63, 0.0, 30.0, 2.5, 1e-8, 60};
    std::vector<std::string> w;
    Simulation sim(in, w);
    EXPECT_DOUBLE_EQ(sim.temperature(1, 0, 0), 70.0);
    EXPECT_DOUBLE_EQ(sim.temperature(2, 0, 0), -10.0);
    EXPECT_DOUBLE_EQ(sim.temperature(0, 0, 0), 20.0);
    const double before = sim.heatContent();
    sim.run();
    EXPECT_NEAR(sim.heatContent(), before, 1e-13 * std::fabs(before));
    // Heat has flowed: the field is no longer what it was.
    EXPECT_LT(sim.temperature(1, 0, 0), 69.0);
}

TEST(Conservation, HeatContentGrowsByExactlyTheHeatReleased) {
    SolverInput in = block(4, 3, 3, 0.2, concrete(), 20.0);
    in.materials.push_back({"soil", 1.1, 0.8, 1800.0, 0.0});
    in.materials[0].heatProduction = 0.6;
    in.zoneSection = {2, 1, 1};
    in.sections.push_back(std::vector<int>(12, 2));
    in.boundaries = {held(2, 5.0)};
    in.boundaries[0].dirichlet = false;
    in.times = {0.8, 0.0, 72.0, 3.0, 1e-8, 60};
    std::vector<std::string> w;
    Simulation sim(in, w);
    const double before = sim.heatContent();
    sim.run();
    EXPECT_GT(sim.heatReleased(), 0.0);
    EXPECT_NEAR(sim.heatContent() - before, sim.heatReleased(), 1e-12 * sim.heatReleased());
}

TEST(Conservation, ContentChangesByTheHeatReleasedPlusTheFlowThroughHeldFacesEveryStep) {
    // Heat-producing concrete with its bottom face held on a rising series: each step's change
    // of content is the heat released plus the theta-weighted flow through the held faces.
    const int nx = 4, ny = 3, nz = 3;
    const double h = 0.2, k = 2.0, theta = 0.63;
    SolverInput in = block(nx, ny, nz, h, {"concrete", k, 0.87, 2300.0, 0.6}, 20.0);
    in.faces = "IIIIDI"; // face 5: the bottom, z = 0
    in.boundaries = {held(1, 5.0, {{0.0, 5.0}, {72.0, 15.0}})};
    in.times = {theta, 0.0, 72.0, 6.0, 1e-4, 60};
    const double g = 2.0 * k * h * h / h; // centre of a bottom cell to the held face
    auto heldTemp = [](double t) { return 5.0 + 10.0 * t / 72.0; };
    std::vector<std::string> w;
    Simulation sim(in, w);
    auto bottom = [&] {
        std::vector<double> t;
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) t.push_back(sim.temperature(i, j, 0));
        return t;
    };
    std::vector<double> before = bottom();
    double content = sim.heatContent(), released = sim.heatReleased(), worst = 0.0, inflow = 0.0;
    int steps = 0;
    sim.run([&](const StepReport& r) {
        const std::vector<double> after = bottom();
        const double t1 = r.time, t0 = r.time - r.dt;
        double flow = 0.0;
        for (std::size_t c = 0; c < after.size(); ++c)
            flow += g * (theta * (heldTemp(t1) - after[c]) +
                         (1.0 - theta) * (heldTemp(t0) - before[c]));
        flow *= r.dt * 3600.0;
        const double gained = sim.heatContent() - content;
        const double heat = sim.heatReleased() - released;
        worst =
            std::max(worst, std::fabs(gained - heat - flow) / (std::fabs(heat) + std::fabs(flow)));
        before = after;
        content = sim.heatContent();
        released = sim.heatReleased();
        inflow += flow;
        ++steps;
    });
    EXPECT_EQ(steps, 12);
    EXPECT_LT(worst, 1e-10);
    // The balance the log reports is the same.
    const HeatBalance b = sim.balance();
    EXPECT_NEAR(b.heldInflow, inflow, 1e-10 * std::fabs(inflow));
    EXPECT_DOUBLE_EQ(b.released, sim.heatReleased());
    EXPECT_LT(std::fabs(b.imbalance()), 1e-10 * b.released);
}

// --- The temperature range: a step far longer than a small cell's time constant overshoots a
// sharp jump with theta below 1 (the fastest modes change sign each step); implicit steps do not.

TEST(Range, ALongStepOnSmallCellsOvershootsTheHeldFaceAndTheRangeCheckSaysSo) {
    SolverInput in = block(4, 4, 4, 0.0125, concrete(), 20.0);
    in.faces = "DDDDDD";
    in.boundaries.push_back(held(1, 20.0, {{0.0, 0.0}}));
    in.times = {0.63, 0.0, 3.0, 1.0, 0.003, 60};
    std::vector<std::string> w;
    {
        Simulation sim(in, w);
        sim.run();
        const TemperatureRange r = sim.range();
        EXPECT_DOUBLE_EQ(r.allowedLowest, 0.0);
        EXPECT_DOUBLE_EQ(r.allowedHighest, 20.0);
        EXPECT_LT(r.lowest, -5.0); // near -0.587 x 20 C after the first step
        const RunCheck check = checkRun(sim.balance(), r);
        ASSERT_EQ(check.warnings.size(), 1u);
        EXPECT_NE(check.warnings[0].find("temperatures left the range"), std::string::npos);
    }
    in.times.theta = 1.0;
    Simulation sim(in, w);
    sim.run();
    EXPECT_GE(sim.range().lowest, -1e-9);
    EXPECT_TRUE(checkRun(sim.balance(), sim.range()).warnings.empty());
}

// --- A held face follows its series: a ramp, then constant beyond the last point. ---

TEST(HeldFace, CellFollowsARampWithItsTimeLagThenSettlesOnTheLastValue) {
    SolverInput in = block(1, 1, 1, 0.1, {"steel", 50.0, 0.87, 2300.0, 0.0}, 0.0);
    in.faces = "DDDDDD";
    in.boundaries = {held(1, 10.0, {{0.0, 10.0}, {10.0, 30.0}})};
    in.times = {0.63, 0.0, 5.0, 0.05, 1e-10, 60};
    std::vector<std::string> w;
    {
        Simulation sim(in, w);
        EXPECT_DOUBLE_EQ(sim.temperature(0, 0, 0), 10.0); // initTemp of its record
        sim.run();
        // C dT/dt = G (Tb - T) with Tb rising at b: T lags by b C / G.
        const double C = 2300.0 * 870.0 * 1e-3, G = 6 * 2.0 * 50.0 * 0.01 / 0.1;
        const double lag = 2.0 / 3600.0 * C / G;
        EXPECT_NEAR(sim.temperature(0, 0, 0), 20.0 - lag, 1e-9);
    }
    in.times.end = 14.0;
    Simulation sim(in, w);
    sim.run();
    EXPECT_NEAR(sim.temperature(0, 0, 0), 30.0, 1e-9);
}

// --- Two materials in series: the face between them carries the harmonic-mean flux. ---

TEST(TwoMaterials, SteadyFluxThroughTheInterfaceUsesTheHarmonicMean) {
    const double h = 0.1, k1 = 2.0, k2 = 0.5;
    SolverInput in = block(4, 1, 1, h, {"a", k1, 0.9, 2000.0, 0.0}, 0.0);
    in.materials.push_back({"b", k2, 0.9, 2000.0, 0.0});
    in.sections = {{1, 1, 2, 2}};
    in.faces = "IDIDII"; // faces 2 and 4: the ends of the bar along x
    in.boundaries = {held(1, 0.0, {{0.0, 40.0}}), held(2, 0.0, {{0.0, 10.0}})};
    in.times = {1.0, 0.0, 1e5, 1e4, 1e-12, 80};
    std::vector<std::string> w;
    Simulation sim(in, w);
    sim.run();
    const double q = 30.0 / (2 * h / k1 + 2 * h / k2); // W/m2
    const double t1 = 40.0 - q * h / (2 * k1);
    const double t2 = t1 - q * h / k1;
    const double t3 = t2 - q * (h / (2 * k1) + h / (2 * k2));
    const double t4 = t3 - q * h / k2;
    // Conductances are stored in single precision: relative 1e-7.
    EXPECT_NEAR(sim.temperature(0, 0, 0), t1, 1e-6);
    EXPECT_NEAR(sim.temperature(1, 0, 0), t2, 1e-6);
    EXPECT_NEAR(sim.temperature(2, 0, 0), t3, 1e-6);
    EXPECT_NEAR(sim.temperature(3, 0, 0), t4, 1e-6);
    EXPECT_NEAR(t4 - q * h / (2 * k2), 10.0, 1e-12);
}

// --- A tolerance beyond single precision: the solve refines until the double-precision
// answer is reached. ---

TEST(TightTolerance, SteadyBarReachesTheExactDiscreteSolutionFarBeyondSinglePrecision) {
    // A bar of 40 cells between held ends at 100 C and 0 C, two halves of one conductivity.
    const int n = 40;
    const double h = 0.1, k = 2.0;
    SolverInput in = block(n, 1, 1, h, {"a", k, 0.87, 2300.0, 0.0}, 50.0);
    in.materials.push_back(in.materials[0]);
    std::vector<int> row(std::size_t(n), 1);
    std::fill(row.begin() + n / 2, row.end(), 2);
    in.sections = {row};
    in.faces = "IDIDII";
    in.boundaries = {held(1, 50.0, {{0.0, 100.0}}), held(2, 50.0, {{0.0, 0.0}})};
    // Steps of 1e5 h leave no trace of the start after eight of them.
    in.times = {1.0, 0.0, 8e5, 1e5, 1e-13, 200};
    std::vector<std::string> w;
    Simulation sim(in, w);
    sim.run();

    // The same discrete steady state by elimination: faces between cells carry the conductance
    // as stored (single precision), the held ends the half cell's conductance.
    const double half = 2.0 * k * h * h / h;
    const double g = double(float(half * half / (half + half)));
    const std::size_t cells = std::size_t(n);
    std::vector<double> rhs(cells, 0.0), diag(cells, 2.0 * g), exact(cells, 0.0);
    diag.front() = diag.back() = g + half;
    rhs.front() = half * 100.0;
    for (std::size_t i = 1; i < cells; ++i) {
        const double m = -g / diag[i - 1];
        diag[i] -= m * -g;
        rhs[i] -= m * rhs[i - 1];
    }
    exact.back() = rhs.back() / diag.back();
    for (std::size_t i = cells - 1; i-- > 0;) exact[i] = (rhs[i] + g * exact[i + 1]) / diag[i];
    // Single precision alone stops near 1e-5 C here.
    for (int i = 0; i < n; ++i)
        EXPECT_NEAR(sim.temperature(i, 0, 0), exact[std::size_t(i)], 1e-9) << "cell " << i;
}

} // namespace
} // namespace zolter
