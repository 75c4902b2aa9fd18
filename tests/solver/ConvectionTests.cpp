// Convective faces against the series solution of a slab, which the test computes itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "Cases.h"
#include "RunCheck.h"
#include "Simulation.h"
#include "ThermalSummary.h"

namespace zolter {
namespace {

// A slab 0 <= x <= L, insulated at x = 0 and losing heat at x = L through U to an ambient at 0,
// with a constant source q (W/m3) and a uniform start theta0: the temperature above the ambient
// at (x, t) as the steady profile plus the series over the roots of lambda tan lambda = Bi.
class SlabSeries {
  public:
    SlabSeries(double length, double k, double rhoC, double u, double q, double theta0)
        : l_(length), k_(k), alpha_(k / rhoC), u_(u), q_(q) {
        const double bi = u * length / k;
        for (int n = 0; n < 400; ++n) {
            // lambda tan lambda - Bi rises from -Bi to infinity on (n pi, n pi + pi / 2).
            double lo = n * std::numbers::pi, hi = lo + std::numbers::pi / 2;
            for (int it = 0; it < 200; ++it) {
                const double mid = 0.5 * (lo + hi);
                (mid * std::tan(mid) < bi ? lo : hi) = mid;
            }
            const double lambda = 0.5 * (lo + hi);
            // The start less the steady profile, projected on cos(lambda x / L) by Gauss-Legendre
            // quadrature on 200 panels.
            double num = 0.0;
            const int panels = 200;
            for (int p = 0; p < panels; ++p) {
                const double a = length * p / panels, b = length * (p + 1) / panels;
                const double mid = 0.5 * (a + b), half = 0.5 * (b - a), d = std::sqrt(0.6) * half;
                auto f = [&](double x) {
                    return (theta0 - steady(x)) * std::cos(lambda * x / length);
                };
                num += half / 9.0 * (5.0 * f(mid - d) + 8.0 * f(mid) + 5.0 * f(mid + d));
            }
            const double den = length / 2.0 * (1.0 + std::sin(2.0 * lambda) / (2.0 * lambda));
            terms_.push_back({lambda, num / den});
        }
    }
    double steady(double x) const {
        return q_ * l_ * l_ / (2.0 * k_) * (1.0 - x * x / (l_ * l_)) + q_ * l_ / u_;
    }
    double at(double x, double seconds) const {
        double v = steady(x);
        for (const auto& [lambda, c] : terms_)
            v += c * std::exp(-lambda * lambda * alpha_ * seconds / (l_ * l_)) *
                 std::cos(lambda * x / l_);
        return v;
    }

  private:
    double l_, k_, alpha_, u_, q_;
    std::vector<std::pair<double, double>> terms_;
};

constexpr double kLength = 0.5, kU = 10.0;
// Concrete of 2 W/m C and 2300 x 0.87 kJ/m3 C; a series source releasing 0.5 kJ/kg every hour
// for ever, in 2300 kg/m3 of concrete: q = 0.5 x 1000 x 2300 / 3600 W/m3.
const Material kConcrete{"concrete", 2.0, 0.87, 2300.0, 1.0};
constexpr double kRhoC = 2300.0 * 870.0, kQ = 0.5 * 1000.0 * 2300.0 / 3600.0;

// The slab as a line of n cells along x, its last column convective (face 4), Crank-Nicolson in
// steps of 0.05 h so that the time error is far below the cells.
SolverInput slab(int n, std::vector<FaceCoefficients> rows, SeriesPoints ambient, bool heat) {
    Material m = kConcrete;
    m.heatProduction = heat ? 1.0 : 0.0;
    SolverInput in = test::block(n, 1, 1, kLength / n, m, 20.0);
    in.dy = in.dz = 0.1;
    in.faces = "NNNDNN"; // only face 4 is convective: the rows' other coefficients are unused
    in.hydration.seriesFlag = true;
    in.hydration.concreteRho = 2300.0;
    in.hydration.points = {{0.0, 0.0}, {1000.0, 500.0}};
    in.boundaries = {test::convective(1, 20.0, std::move(rows), std::move(ambient))};
    in.times = {0.5, 0.0, 48.0, 0.05, 1e-9, 60};
    return in;
}

// The largest distance from the exact temperatures at 6, 24 and 48 h over the cells.
double largestError(const SolverInput& in, const std::function<double(double, double)>& exact,
                    std::vector<std::string>* warnings = nullptr) {
    std::vector<std::string> w;
    Simulation sim(in, w);
    double largest = 0.0;
    sim.run([&](const StepReport& r) {
        for (double t : {6.0, 24.0, 48.0}) {
            if (std::fabs(r.time - t) > 1e-9) continue;
            for (int i = 0; i < in.nx; ++i)
                largest = std::max(largest, std::fabs(sim.temperature(i, 0, 0) -
                                                      exact((i + 0.5) * in.dx, t * 3600.0)));
        }
    });
    if (warnings) *warnings = checkRun(sim.balance(), sim.range()).warnings;
    return largest;
}

TEST(ConvectiveFace, SlabWithASourceMatchesTheSeriesSolutionAndTheErrorFallsFourfold) {
    // U6 = 99 on an insulated face and U1..U3, U5 on "N" faces: only "D" faces exchange heat.
    const std::vector<FaceCoefficients> rows{{0.0, {3, 3, 3, kU, 99, 99}}};
    const SlabSeries exact(kLength, 2.0, kRhoC, kU, kQ, 20.0 - 19.0);
    auto temperature = [&](double x, double s) { return 19.0 + exact.at(x, s); };
    std::vector<std::string> warnings;
    const double coarse = largestError(slab(40, rows, {{0.0, 19.0}}, true), temperature);
    const double fine = largestError(slab(80, rows, {{0.0, 19.0}}, true), temperature, &warnings);
    EXPECT_LT(fine, 0.01);
    EXPECT_GT(coarse / fine, 3.5) << coarse << " " << fine;
    EXPECT_LT(coarse / fine, 4.5) << coarse << " " << fine;
    // The heat that left through the face is in the balance, and the range holds.
    EXPECT_TRUE(warnings.empty()) << warnings.front();
}

TEST(ConvectiveFace, ACoefficientThatChangesTakesHoldFromItsTimeOn) {
    // Formwork of U = 0 (no flow) stripped at 10 h: until then the slab heats adiabatically,
    // after it cools from that uniform temperature. Steps of 0.03 h must land on 10 h.
    const std::vector<FaceCoefficients> rows{{0.0, {0, 0, 0, 0, 0, 0}},
                                             {10.0, {0, 0, 0, kU, 0, 0}}};
    SolverInput in = slab(80, rows, {}, true);
    in.boundaries[0].initTemp = 19.0; // no series: the ambient is the initial temperature
    in.times.dtmax = 0.03;
    const double at10 = 20.0 + kQ * 36000.0 / kRhoC;
    const SlabSeries after(kLength, 2.0, kRhoC, kU, kQ, at10 - 19.0);
    std::vector<std::string> w;
    Simulation sim(in, w);
    bool landed = false;
    double largest = 0.0;
    sim.run([&](const StepReport& r) {
        landed = landed || std::fabs(r.time - 10.0) < 1e-9;
        const double times[] = {5.0, 10.0, 12.0, 24.0, 48.0};
        if (std::none_of(std::begin(times), std::end(times),
                         [&](double t) { return std::fabs(r.time - t) < 1e-6; }))
            return;
        for (int i = 0; i < in.nx; ++i) {
            const double x = (i + 0.5) * in.dx;
            const double exact = r.time <= 10.0 + 1e-9
                                     ? 20.0 + kQ * r.time * 3600.0 / kRhoC
                                     : 19.0 + after.at(x, (r.time - 10.0) * 3600.0);
            largest = std::max(largest, std::fabs(sim.temperature(i, 0, 0) - exact));
        }
    });
    EXPECT_TRUE(landed);
    EXPECT_LT(largest, 0.01);
}

TEST(ConvectiveFace, AnAmbientSeriesIsFollowedLinearlyBetweenItsPoints) {
    // No source, air warming by 0.2 C an hour: above the air, the slab behaves as one with the
    // uniform sink rho c 0.2 C/h in still air.
    const std::vector<FaceCoefficients> rows{{0.0, {0, 0, 0, kU, 0, 0}}};
    const SolverInput in = slab(80, rows, {{0.0, 10.0}, {100.0, 30.0}}, false);
    const SlabSeries exact(kLength, 2.0, kRhoC, kU, -kRhoC * 0.2 / 3600.0, 20.0 - 10.0);
    auto temperature = [&](double x, double s) { return 10.0 + 0.2 * s / 3600.0 + exact.at(x, s); };
    std::vector<std::string> warnings;
    EXPECT_LT(largestError(in, temperature, &warnings), 0.01);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
}

TEST(ConvectiveFace, ASurfaceCountsForTheSummaryWhileItsCoefficientIsAboveZero) {
    // A column of five concrete cells, open at the top; its base is insulated (U = 0) until a
    // blanket is taken off it at 10 h.
    SolverInput in = test::block(1, 1, 5, 0.2, test::concrete(1.0), 20.0);
    in.faces = "NNNNDD";
    in.boundaries = {
        test::convective(1, 20.0, {{0.0, {0, 0, 0, 0, 0, 8}}, {10.0, {0, 0, 0, 0, 5, 8}}})};
    ThermalSummary summary(in);
    EXPECT_EQ(summary.nearestSurface(0), 4);
    EXPECT_EQ(summary.nearestSurface(1), 4);
    const std::vector<double> field{30, 31, 32, 31, 25};
    summary.record(9.0, field);
    EXPECT_EQ(summary.nearestSurface(1), 4);
    summary.record(10.0, field);
    EXPECT_EQ(summary.nearestSurface(0), 0);
    EXPECT_EQ(summary.nearestSurface(1), 0);
    EXPECT_EQ(summary.nearestSurface(3), 4);
    // Before 10 h the largest difference is 32 - 25 from cell 3 to the top; from 10 h on it is
    // still there, and cell 2 is as far from the base, which is 30.
    EXPECT_NE(summary.text().find("9,32.00000,1,1,3,7.00000,1,1,3,1,1,5"), std::string::npos)
        << summary.text();
}

} // namespace
} // namespace zolter
