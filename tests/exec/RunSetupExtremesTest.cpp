// Whatever a run set-up file saves opens again: every number at the edges of what its field holds
// round-trips, and a value that could not be read back fails the save instead of being written.

#include <cfloat>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "exec/RunSetupFile.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

RunSetup withEvery(double d, float f) {
    RunSetup s;
    s.modelFile = "/data/pier.mod";
    s.errmax = s.dtmax = s.starttime = s.endtime = d;
    s.source.density = s.source.heat = s.source.placement = s.source.start = f;
    s.source.params = {f, f, f};
    s.source.equivalentAge = true;
    s.source.activationEnergy = s.source.referenceTemp = f;
    s.boundaries = {{"Soil", true, f, "/data/soil.ts", false, {}},
                    {"Concrete", false, f, "", true, {{f, {f, f, f, f, f, f}}}}};
    s.points = {{f, f, f}};
    s.limits = {d, d};
    return s;
}

// Each value as read back lies within the rounding of its printed form of what was saved.
void expectNear(double read, double saved, double relative) {
    EXPECT_LE(std::abs(read - saved), relative * std::abs(saved)) << read << " from " << saved;
}

TEST(RunSetupExtremes, EveryFieldAtTheEdgesOfItsRangeReopensAndSavesTheSameAgain) {
    testing::TempDir dir;
    const double largestFloat = std::numeric_limits<float>::max();
    const std::pair<double, float> edges[] = {
        {largestFloat, FLT_MAX},
        {-largestFloat, -FLT_MAX},
        {DBL_MIN, FLT_MIN},
        {std::numeric_limits<double>::denorm_min(), std::numeric_limits<float>::denorm_min()},
        {-0.0, -0.0f},
        {1e17, 1e30f},
        {0.1, 0.1f},
    };
    for (const auto& [d, f] : edges) {
        const RunSetup s = withEvery(d, f);
        writeRunSetup(dir.file("edge.vrs"), s);
        const std::string first = dir.read("edge.vrs");
        RunSetup r;
        ASSERT_NO_THROW(r = readRunSetup(dir.file("edge.vrs"))) << d << "\n" << first;
        for (double v : {r.errmax, r.dtmax, r.starttime, r.endtime, r.limits.maxTemperature})
            expectNear(v, d, 1e-14);
        for (float v : {r.source.density, r.source.placement, r.source.params[2],
                        r.boundaries[0].initTemp, r.points[0][1], r.source.referenceTemp,
                        r.boundaries[1].faces.at(0).time, r.boundaries[1].faces.at(0).U[5]})
            expectNear(v, f, 1e-6);
        // Saved again, the file is the same: nothing drifts from save to save.
        writeRunSetup(dir.file("again.vrs"), r);
        EXPECT_EQ(dir.read("again.vrs"), first) << d;
    }
}

TEST(RunSetupExtremes, AValueThatCouldNotBeReadBackFailsTheSaveAndKeepsTheOldFile) {
    testing::TempDir dir;
    writeRunSetup(dir.file("kept.vrs"), withEvery(96, 25));
    const std::string before = dir.read("kept.vrs");
    for (const double bad :
         {std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN(), 1e300}) {
        RunSetup s = withEvery(96, 25);
        s.endtime = bad;
        try {
            writeRunSetup(dir.file("kept.vrs"), s);
            ADD_FAILURE() << "saved an end time of " << bad;
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find("\"endtime=\""), std::string::npos) << e.what();
        }
        EXPECT_EQ(dir.read("kept.vrs"), before);
    }
}

} // namespace
} // namespace vardex
