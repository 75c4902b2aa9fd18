// The multigrid preconditioner: symmetric and positive (so conjugate gradients applies), and
// effective on rough coefficients and stretched cells.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Cases.h"
#include "Multigrid.h"
#include "Parallel.h"
#include "Simulation.h"

namespace zolter {
namespace {

Conductances roughGrid(std::mt19937& rng) {
    Conductances c;
    c.shape.n = {13, 10, 7};
    c.shape.h = {0.1, 0.1, 0.35};
    const Shape& s = c.shape;
    const std::size_t n = s.cells();
    std::uniform_real_distribution<double> logk(std::log(0.05), std::log(50.0));
    c.cap.assign(n, 0.0);
    for (int d = 0; d < 3; ++d) c.hm[d].assign(n, 0.0);
    const std::array<double, 3> area{0.035, 0.035, 0.01};
    for (std::size_t i = 0; i < n; ++i) {
        const double k = std::exp(logk(rng));
        c.cap[i] = 2e6 * 0.0035;
        for (int d = 0; d < 3; ++d) c.hm[d][i] = 2 * k * area[std::size_t(d)] / s.h[std::size_t(d)];
    }
    const std::array<std::size_t, 3> stride{1, 13, 130};
    for (int d = 0; d < 3; ++d) {
        c.hp[d] = c.hm[d];
        c.face[d].assign(n, 0.0);
        std::size_t i = 0;
        for (int z = 0; z < 7; ++z)
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 13; ++x, ++i) {
                    const std::array<int, 3> idx{x, y, z};
                    if (idx[std::size_t(d)] + 1 < s.n[std::size_t(d)])
                        c.face[d][i] = series(c.hp[d][i], c.hm[d][i + stride[std::size_t(d)]]);
                }
    }
    for (int f = 0; f < 6; ++f) c.boundary[f].assign(faceSize(s, f / 2), 0.0);
    for (std::size_t i = 0; i < c.boundary[4].size(); i += 2)
        c.boundary[4][i] = 0.3; // part of z = 0 held
    return c;
}

TEST(Multigrid, VCycleIsSymmetricAndPositiveOnRoughCoefficients) {
    std::mt19937 rng(7);
    const Conductances c = roughGrid(rng);
    Multigrid mg(c);
    ASSERT_GE(mg.levelCount(), 2u);
    mg.setShift(1.0 / 3600.0);
    const Shape& s = c.shape;
    std::normal_distribution<float> g;
    Array<float> a(s.padded(), 0.0f), b(s.padded(), 0.0f);
    for (int k = 0; k < 7; ++k)
        for (int j = 0; j < 10; ++j)
            for (int i = 0; i < 13; ++i) {
                a[s.at(i, j, k)] = g(rng);
                b[s.at(i, j, k)] = g(rng);
            }
    auto apply = [&](const Array<float>& v) {
        mg.rhs() = v;
        mg.apply();
        return mg.solution();
    };
    const Array<float> ma = apply(a), mb = apply(b);
    double amb = 0, bma = 0, ama = 0;
    for (std::size_t p = 0; p < s.padded(); ++p) {
        amb += double(a[p]) * mb[p];
        bma += double(b[p]) * ma[p];
        ama += double(a[p]) * ma[p];
    }
    EXPECT_NEAR(amb, bma, 1e-4 * std::fabs(ama));
    EXPECT_GT(ama, 0.0);
}

TEST(Multigrid, SixteenBitCoefficientsRoundToNearestWithTiesToEven) {
    // 1 + 2^-8 lies halfway between 1 and 1 + 2^-7: to the even neighbour, 1.
    EXPECT_EQ(fromCoarse16(toCoarse16(1.0f + 0x1p-8f)), 1.0f);
    // 1 + 3 * 2^-8 lies halfway between 1 + 2^-7 and 1 + 2^-6: to the even one, 1 + 2^-6.
    EXPECT_EQ(fromCoarse16(toCoarse16(1.0f + 3 * 0x1p-8f)), 1.0f + 0x1p-6f);
    // Just above a tie rounds up, even across a power of two.
    EXPECT_EQ(fromCoarse16(toCoarse16(2.0f - 0x1p-9f)), 2.0f);
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> logg(-30.0f, 30.0f);
    for (int i = 0; i < 10000; ++i) {
        const float g = std::exp(logg(rng));
        const float h = fromCoarse16(toCoarse16(g));
        EXPECT_LE(std::fabs(h - g), g * 0x1p-8f) << g; // half a unit of the 8th bit
        EXPECT_EQ(fromCoarse16(toCoarse16(h)), h);
    }
    EXPECT_EQ(fromCoarse16(toCoarse16(0.0f)), 0.0f);
}

TEST(Multigrid, CoarseningAUniformGridGivesTheGridOfCellsTwiceAsLarge) {
    // Conductivity k in cubes of side h, every face held half a cell away.
    const double k = 1.7, h = 0.1;
    Conductances fine;
    fine.shape.n = {6, 4, 2};
    fine.shape.h = {h, h, h};
    const std::size_t n = fine.shape.cells();
    fine.cap.assign(n, 3.0);
    for (int d = 0; d < 3; ++d) fine.hm[d].assign(n, 2.0 * k * h);
    for (int f = 0; f < 6; ++f) fine.boundary[f].assign(faceSize(fine.shape, f / 2), 2.0 * k * h);
    Conductances coarse;
    std::array<bool, 3> which{};
    ASSERT_TRUE(coarsen(fine, coarse, which));
    EXPECT_EQ(which, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(coarse.shape.n, (std::array<int, 3>{3, 2, 1}));
    // Cells of side 2h: centre to face k (2h)^2 / h, between centres k (2h)^2 / 2h, and a held
    // face half a cell from the centre like a face.
    const double half = 4.0 * k * h, between = 2.0 * k * h;
    for (std::size_t c = 0; c < coarse.shape.cells(); ++c) {
        EXPECT_DOUBLE_EQ(coarse.cap[c], 8 * 3.0);
        const std::array<int, 3> idx{int(c % 3), int(c / 3 % 2), int(c / 6)};
        for (int d = 0; d < 3; ++d) {
            EXPECT_NEAR(coarse.hm[d][c], half, 1e-12) << c << " " << d;
            EXPECT_NEAR(coarse.hp[d][c], half, 1e-12) << c << " " << d;
            const bool inside = idx[std::size_t(d)] + 1 < coarse.shape.n[std::size_t(d)];
            EXPECT_NEAR(coarse.face[d][c], inside ? between : 0.0, 1e-12) << c << " " << d;
        }
    }
    for (int f = 0; f < 6; ++f)
        for (double g : coarse.boundary[f]) EXPECT_NEAR(g, half, 1e-12) << f;
}

TEST(Multigrid, FewIterationsAndErrorWithinErrmaxOnContrastingMaterials) {
    // Insulation, concrete and steel, cells three times taller than wide, odd counts.
    SolverInput in = test::block(15, 11, 9, 0.05, {"insulation", 0.04, 1.4, 40.0, 0.0}, 10.0);
    in.dz = 0.15;
    in.materials.push_back(test::concrete(1.0));
    in.materials.push_back({"steel", 50.0, 0.46, 7850.0, 0.0});
    std::vector<int> sec(15 * 11, 2);
    for (int j = 0; j < 11; ++j) sec[std::size_t(j * 15)] = 1;
    for (int i = 0; i < 15; ++i) sec[std::size_t(5 * 15 + i)] = 3;
    in.sections = {sec};
    in.faces = "DDDDDD";
    in.boundaries = {test::held(1, 10.0, {{0.0, 10.0}, {24.0, -5.0}}), test::held(3, 10.0)};
    in.times = {0.63, 0.0, 24.0, 3.0, 1e-6, 30};
    std::vector<std::string> w;
    Simulation fast(in, w);
    int worst = 0;
    fast.run([&](const StepReport& r) { worst = std::max(worst, r.iterations); });
    EXPECT_LE(worst, 15);
    in.times.errmax = 1e-11;
    in.times.itmax = 200;
    Simulation tight(in, w);
    tight.run();
    const std::vector<double> a = fast.field(), b = tight.field();
    double diff = 0;
    for (std::size_t i = 0; i < a.size(); ++i) diff = std::max(diff, std::fabs(a[i] - b[i]));
    // errmax bounds the estimated error of each step relative to the temperature span (~60 C).
    EXPECT_LT(diff, 60 * 1e-6 * 10);
}

TEST(Multigrid, SweepsSplitOverThreadsGiveTheSingleThreadResult) {
    // Large enough to be split over the threads; two materials so the coefficients vary.
    SolverInput in = test::block(31, 29, 27, 0.04, test::concrete(1.0), 20.0);
    in.materials.push_back({"soil", 1.1, 0.8, 1800.0, 0.0});
    in.sections.push_back(std::vector<int>(31 * 29, 2));
    for (int k = 0; k < 9; ++k) in.zoneSection[std::size_t(k)] = 2;
    in.faces = "DDDDDD";
    in.boundaries = {test::held(2, 5.0, {{0.0, 5.0}, {10.0, 15.0}})};
    in.times = {0.63, 0.0, 6.0, 2.0, 1e-7, 40};
    Workers& w = Workers::shared();
    const int all = w.active();
    auto solve = [&](int threads) {
        w.setActive(threads);
        std::vector<std::string> warnings;
        Simulation sim(in, warnings);
        int iterations = 0;
        for (int step = 0; step < 3; ++step) EXPECT_TRUE(sim.tryStep(2.0, iterations));
        w.setActive(all);
        return sim.field();
    };
    const std::vector<double> one = solve(1), many = solve(all);
    double diff = 0;
    for (std::size_t i = 0; i < one.size(); ++i) diff = std::max(diff, std::fabs(one[i] - many[i]));
    EXPECT_LT(diff, 1e-6);
}

} // namespace
} // namespace zolter
