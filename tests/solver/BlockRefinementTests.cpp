// The insulated block of the bundled validation example, refined: halving the cells and the time
// step together must make its core and top temperatures converge, not drift.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Cases.h"
#include "RunCheck.h"
#include "Simulation.h"

namespace zolter {
namespace {

// 1.219 m square in plan, 1.829 m high. One quarter is solved: its inner faces carry U = 0, which
// is the block's own symmetry.
constexpr double kHalfWidth = 1.219 / 2.0, kHeight = 1.829, kCoreHeight = 0.66;
constexpr double kSide = 0.181, kTop = 8.0, kAmbient = 19.0, kConductivity = 1.95;

struct BlockFigures {
    double peakCore = 0.0;     // highest core temperature, C
    double peakCoreHour = 0.0; // when it was reached
    double topAt24h = 0.0;     // top face temperature at the plan centre, 24 h
    double coreAt96h = 0.0;
    std::vector<std::string> warnings;
};

// Quarter block with n cells across the half width and 3n up the height (cubic cells),
// solved in steps of at most dtmax hours up to 96 h (beyond the peak).
BlockFigures solveBlock(int n, double dtmax) {
    SolverInput in = test::block(n, n, 3 * n, kHalfWidth / n,
                                 {"Block concrete", kConductivity, 1.075, 2298.4, 1.0}, 13.33);
    in.dz = kHeight / in.nz;
    in.hydration.concreteRho = 2298.4;
    in.hydration.placement = 13.33;
    test::insulatedBlockSource(in.hydration);
    // Faces: front y = 0, left x = 0, back, right, bottom, top. The quarter's front and left are
    // the block's formwork; its back and right are the planes of symmetry.
    in.faces = "DDDDDD";
    in.boundaries = {
        test::convective(1, 13.33, {{0.0, {kSide, kSide, 0, 0, 0, kTop}}}, {{0.0, kAmbient}})};
    in.times = {0.63, 0.0, 96.0, dtmax, 0.003, 22};

    // The block's centre line is the quarter's last column, where the gradient vanishes; the
    // core height lies between two cell centres: linear interpolation keeps second order.
    const int c = n - 1;
    const double zc = kCoreHeight / in.dz - 0.5;
    const int k0 = int(zc);
    const double w = zc - k0;
    std::vector<std::string> w0;
    Simulation sim(in, w0);
    BlockFigures f;
    auto core = [&] {
        return (1 - w) * sim.temperature(c, c, k0) + w * sim.temperature(c, c, k0 + 1);
    };
    sim.run([&](const StepReport& r) {
        if (core() > f.peakCore) {
            f.peakCore = core();
            f.peakCoreHour = r.time;
        }
        if (std::fabs(r.time - 24.0) < 1e-9) {
            // The face temperature the solver's face conductance implies: the top cell's
            // temperature less the drop across its upper half.
            const double top = sim.temperature(c, c, in.nz - 1);
            const double halfCell = in.dz / (2 * kConductivity);
            f.topAt24h = kAmbient + (top - kAmbient) * (1 / kTop) / (halfCell + 1 / kTop);
        }
    });
    f.coreAt96h = core();
    f.warnings = checkRun(sim.balance(), sim.range()).warnings;
    return f;
}

TEST(BlockRefinement, HalvingTheCellsAndTheStepTogetherConvergesTheCoreAndTheTop) {
    const BlockFigures coarse = solveBlock(4, 1.0), mid = solveBlock(8, 0.5),
                       fine = solveBlock(16, 0.25);
    for (const BlockFigures* f : {&coarse, &mid, &fine})
        EXPECT_TRUE(f->warnings.empty()) << f->warnings.front();

    struct Figure {
        const char* name;
        double BlockFigures::*value;
    };
    for (const Figure& fig : {Figure{"peak core", &BlockFigures::peakCore},
                              Figure{"top at 24 h", &BlockFigures::topAt24h},
                              Figure{"core at 96 h", &BlockFigures::coreAt96h}}) {
        const double first = std::fabs(mid.*fig.value - coarse.*fig.value);
        const double second = std::fabs(fine.*fig.value - mid.*fig.value);
        SCOPED_TRACE(fig.name);
        // Converging: each halving changes the answer by well under half the previous change,
        // and the finest pair agree to a tenth of a degree.
        EXPECT_LT(second, 0.5 * first)
            << coarse.*fig.value << " " << mid.*fig.value << " " << fine.*fig.value;
        EXPECT_LT(second, 0.1);
    }
    // The peak comes at the same time on both fine grids (within a step of the coarser).
    EXPECT_NEAR(fine.peakCoreHour, mid.peakCoreHour, 0.5);
}

} // namespace
} // namespace zolter
