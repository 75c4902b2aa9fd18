// The answer does not depend on the time step: a hydrating block in held soil, run at steps from
// 3 h down to 0.01 h at the default errmax, against the same discretisation solved directly.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Cases.h"
#include "RunCheck.h"
#include "Simulation.h"
#include "ThermalSummary.h"

namespace zolter {
namespace {

constexpr int kN = 7;        // cells along each axis
constexpr int kConcrete = 4; // the block: cells 0..3 along each axis
constexpr double kH = 0.25;  // m
const Material kBlock{"concrete", 2.6, 0.92, 2350.0, 1.0};
const Material kSoil{"soil", 1.5, 1.1, 1800.0, 0.0};
// The soil's outer faces follow a daily swing; a-b-t heat of 60 kJ/kg, half of it by about 9 h.
const SeriesPoints kSoilTemperature{{0.0, 15.0}, {12.0, 25.0}, {24.0, 15.0}, {36.0, 25.0}};
constexpr double kAlphaU = 0.85, kBeta = 1.5, kTau = 8.0, kQ = 60.0, kRho = 2300.0;

// One eighth of a 2 m cube of concrete in 0.75 m of soil: the faces through the block's centre
// (x = 0, y = 0, z = 0) are symmetry planes, the soil's outer faces are held.
SolverInput blockInHeldSoil(double dtmax, double errmax, double end = 30.0) {
    SolverInput in = test::block(kN, kN, kN, kH, kBlock, 20.0);
    in.materials.push_back(kSoil);
    in.sections.clear();
    in.zoneSection.clear();
    for (int k = 0; k < kN; ++k) {
        std::vector<int> section(std::size_t(kN * kN), 2);
        for (int j = 0; j < kConcrete && k < kConcrete; ++j)
            for (int i = 0; i < kConcrete; ++i) section[std::size_t(i + kN * j)] = 1;
        in.sections.push_back(section);
        in.zoneSection.push_back(k + 1);
    }
    in.faces = "NNDDND";
    in.boundaries = {test::held(2, 15.0, kSoilTemperature)};
    in.hydration.abtFlag = true;
    in.hydration.p = {kAlphaU, kBeta, kTau};
    in.hydration.qCementitious = kQ;
    in.hydration.concreteRho = kRho;
    in.times = {0.63, 0.0, end, dtmax, errmax, 22};
    return in;
}

// What a pour is judged by: the highest temperature and the largest core-to-surface difference
// over the whole run.
struct Figures {
    double peak = -1e300;
    double difference = 0.0;
};

void addFigures(Figures& f, const ThermalSummary& summary, const std::vector<double>& field) {
    for (std::size_t c = 0; c < field.size(); ++c) {
        f.peak = std::max(f.peak, field[c]);
        const std::int64_t s = summary.nearestSurface(c);
        if (s >= 0) f.difference = std::max(f.difference, std::fabs(field[c] - field[size_t(s)]));
    }
}

// --- The same discretisation, written out here and solved directly. ---

// Cholesky factor of a symmetric positive definite band matrix, band entries (i, i - d) for
// d = 0..width.
class BandCholesky {
  public:
    BandCholesky(std::size_t n, std::size_t width) : n_(n), w_(width), l_(n * (width + 1), 0.0) {}
    double& at(std::size_t i, std::size_t j) { return l_[i * (w_ + 1) + (i - j)]; }

    void factor() {
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t j = i > w_ ? i - w_ : 0; j <= i; ++j) {
                double sum = at(i, j);
                for (std::size_t k = i > w_ ? i - w_ : 0; k < j; ++k)
                    if (i - k <= w_ && j - k <= w_) sum -= at(i, k) * at(j, k);
                at(i, j) = i == j ? std::sqrt(sum) : sum / at(j, j);
            }
    }

    void solve(std::vector<double>& b) {
        for (std::size_t i = 0; i < n_; ++i) {
            for (std::size_t k = i > w_ ? i - w_ : 0; k < i; ++k) b[i] -= at(i, k) * b[k];
            b[i] /= at(i, i);
        }
        for (std::size_t i = n_; i-- > 0;) {
            b[i] /= at(i, i);
            for (std::size_t k = i > w_ ? i - w_ : 0; k < i; ++k) b[k] -= at(i, k) * b[i];
        }
    }

  private:
    std::size_t n_, w_;
    std::vector<double> l_;
};

// Cumulative hydration heat per cubic metre of concrete at an age, J/m3.
double releasedHeat(double age) {
    const double alpha = age > 0 ? kAlphaU * std::exp(-std::pow(kTau / age, kBeta)) : 0.0;
    return 1000.0 * kQ * kRho * alpha;
}

double soilFace(double t) {
    for (std::size_t p = 1; p < kSoilTemperature.size(); ++p) {
        const auto [t0, v0] = kSoilTemperature[p - 1];
        const auto [t1, v1] = kSoilTemperature[p];
        if (t <= t1) return v0 + (v1 - v0) * (t - t0) / (t1 - t0);
    }
    return kSoilTemperature.back().second;
}

// The theta-scheme on the finite volumes of the block, each step solved exactly:
//   (C / dt + theta L) T1 = (C / dt - (1 - theta) L) T0 + Q / dt + held-face terms,
// with the harmonic mean of the conductivities between cells and half a cell to a held face.
struct DirectSolve {
    static constexpr std::size_t kCells = kN * kN * kN;
    static constexpr std::size_t kStride[3] = {1, kN, kN* kN};
    std::vector<double> cap, volume;           // J/C and m3 of concrete per cell
    std::vector<std::array<double, 3>> toNext; // conductance to the next cell along x, y, z
    std::vector<double> held;                  // conductance to the held faces
    std::vector<double> T;

    DirectSolve() : cap(kCells), volume(kCells), toNext(kCells), held(kCells), T(kCells) {
        auto concrete = [](const std::array<int, 3>& c) {
            return c[0] < kConcrete && c[1] < kConcrete && c[2] < kConcrete;
        };
        std::size_t c = 0;
        for (int k = 0; k < kN; ++k)
            for (int j = 0; j < kN; ++j)
                for (int i = 0; i < kN; ++i, ++c) {
                    const Material& m = concrete({i, j, k}) ? kBlock : kSoil;
                    cap[c] = m.density * m.specificHeat * 1000.0 * kH * kH * kH;
                    volume[c] = m.heatProduction * kH * kH * kH;
                    T[c] = concrete({i, j, k}) ? 20.0 : 15.0;
                    for (int d = 0; d < 3; ++d) {
                        std::array<int, 3> next{i, j, k};
                        if (++next[std::size_t(d)] == kN) { // the soil's outer, held face
                            held[c] += 2.0 * m.conductivity * kH;
                            continue;
                        }
                        const double k2 = (concrete(next) ? kBlock : kSoil).conductivity;
                        toNext[c][std::size_t(d)] =
                            2.0 * m.conductivity * k2 / (m.conductivity + k2) * kH;
                    }
                }
    }

    // Heat flowing out of each cell, W, with the held faces at tb.
    std::vector<double> outflow(double tb) const {
        std::vector<double> out(kCells, 0.0);
        for (std::size_t c = 0; c < kCells; ++c) {
            out[c] += held[c] * (T[c] - tb);
            for (std::size_t d = 0; d < 3; ++d) {
                if (toNext[c][d] == 0.0) continue;
                const double flow = toNext[c][d] * (T[c] - T[c + kStride[d]]);
                out[c] += flow;
                out[c + kStride[d]] -= flow;
            }
        }
        return out;
    }

    // Runs to the end in steps of dt; afterStep is called after each step.
    Figures run(const SolverInput& in, double dt, const std::function<void()>& afterStep = {}) {
        const double theta = in.times.theta, seconds = dt * 3600.0;
        BandCholesky a(kCells, kN * kN);
        for (std::size_t c = 0; c < kCells; ++c) {
            a.at(c, c) += cap[c] / seconds + theta * held[c];
            for (std::size_t d = 0; d < 3; ++d) {
                const double g = theta * toNext[c][d];
                if (g == 0.0) continue;
                a.at(c, c) += g;
                a.at(c + kStride[d], c + kStride[d]) += g;
                a.at(c + kStride[d], c) -= g;
            }
        }
        a.factor();
        const ThermalSummary summary(in);
        Figures f;
        addFigures(f, summary, T);
        const int steps = int(std::lround(in.times.end / dt));
        for (int n = 0; n < steps; ++n) {
            const double t0 = n * dt, t1 = (n + 1) * dt;
            const std::vector<double> out = outflow(soilFace(t0));
            const double heat = releasedHeat(t1) - releasedHeat(t0);
            std::vector<double> b(kCells);
            for (std::size_t c = 0; c < kCells; ++c)
                b[c] = cap[c] / seconds * T[c] - (1.0 - theta) * out[c] +
                       volume[c] * heat / seconds + theta * held[c] * soilFace(t1);
            a.solve(b);
            T = b;
            addFigures(f, summary, T);
            if (afterStep) afterStep();
        }
        return f;
    }
};

// The converged answer: the smallest step of the sweep, each step solved exactly.
const Figures& converged() {
    static const Figures f = DirectSolve().run(blockInHeldSoil(0.01, 1e-9), 0.01);
    return f;
}

// How far the solver at errmax strays from the direct solve at any step, both in steps of dt, and
// the span of the temperatures (the field's and the held faces').
struct Distance {
    double worst = 0.0;
    double span = 0.0;
};

Distance distanceFromTheDirectSolve(double dt, double errmax, double end) {
    const SolverInput in = blockInHeldSoil(dt, errmax, end);
    std::vector<std::vector<double>> fields;
    std::vector<std::string> warnings;
    Simulation sim(in, warnings);
    sim.run([&](const StepReport&) { fields.push_back(sim.field()); });
    DirectSolve direct;
    Distance d;
    double lo = 15.0, hi = 25.0; // the held faces
    std::size_t step = 0;
    direct.run(in, dt, [&] {
        for (std::size_t c = 0; c < direct.T.size(); ++c) {
            d.worst = std::max(d.worst, std::fabs(fields.at(step)[c] - direct.T[c]));
            lo = std::min(lo, direct.T[c]);
            hi = std::max(hi, direct.T[c]);
        }
        ++step;
    });
    EXPECT_EQ(step, fields.size());
    d.span = hi - lo;
    return d;
}

TEST(StepSize, TheDirectSolveWrittenHereIsTheSolversDiscretisation) {
    // The solver keeps capacities and conductances in single precision.
    EXPECT_LT(distanceFromTheDirectSolve(0.5, 1e-9, 30.0).worst, 1e-5);
    // The block heats well above its start, and its core well above its surface.
    EXPECT_GT(converged().peak, 45.0);
    EXPECT_GT(converged().difference, 5.0);
}

TEST(StepSize, ErrmaxKeepsEveryTemperatureWithinErrmaxOfTheSpanOfTheConvergedAnswerAtAnyStep) {
    for (double errmax : {0.03, 0.003})
        for (double dt : {3.0, 0.3, 0.03}) {
            // The first 12 h, while the concrete heats fastest.
            const Distance d = distanceFromTheDirectSolve(dt, errmax, 12.0);
            EXPECT_LE(d.worst, errmax * d.span) << "errmax " << errmax << ", dt " << dt << " h";
            EXPECT_GT(d.span, 30.0);
        }
}

struct SweepCase {
    const char* name;
    double dtmax;
    double within; // C
    friend void PrintTo(const SweepCase& c, std::ostream* out) {
        *out << "dtmax " << c.dtmax << " h, within " << c.within << " C";
    }
};

class StepSweep : public ::testing::TestWithParam<SweepCase> {};

TEST_P(StepSweep, PeakAndCoreToSurfaceDifferenceAtTheDefaultErrmaxMatchTheConvergedAnswer) {
    const SolverInput in = blockInHeldSoil(GetParam().dtmax, 0.003);
    const ThermalSummary summary(in);
    std::vector<std::string> warnings;
    Simulation sim(in, warnings);
    Figures f;
    addFigures(f, summary, sim.field());
    sim.run([&](const StepReport&) { addFigures(f, summary, sim.field()); });
    EXPECT_NEAR(f.peak, converged().peak, GetParam().within);
    EXPECT_NEAR(f.difference, converged().difference, GetParam().within);
    // A sound run balances its heat and stays within its range at every step size.
    EXPECT_TRUE(checkRun(sim.balance(), sim.range()).warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(DefaultErrmax, StepSweep,
                         ::testing::Values(SweepCase{"three_hours", 3.0, 1.0},
                                           SweepCase{"one_hour", 1.0, 0.3},
                                           SweepCase{"three_tenths", 0.3, 0.3},
                                           SweepCase{"one_tenth", 0.1, 0.3},
                                           SweepCase{"three_hundredths", 0.03, 0.3},
                                           SweepCase{"one_hundredth", 0.01, 0.3}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolter
