#include "exec/RunProgress.h"

#include <gtest/gtest.h>

#include "submodel/Csubmodel.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

Csubmodel cube(int nx, int ny, int nz) {
    Csubmodel s;
    s.nx = static_cast<std::int16_t>(nx);
    s.ny = static_cast<std::int16_t>(ny);
    s.nz = static_cast<std::int16_t>(nz);
    return s;
}

TEST(RunTimerPeriod, FollowsTheGridAndTheRunAndStaysWithinItsBounds) {
    EXPECT_EQ(runTimerPeriod(cube(20, 20, 40), 3, 0, 96), 510);
    EXPECT_EQ(runTimerPeriod(cube(4, 3, 2), 3, 0, 12), kMinTimerPeriod); // 0 otherwise
    EXPECT_EQ(runTimerPeriod(cube(80, 80, 80), 0.1, 0, 960), kMaxTimerPeriod);
    EXPECT_EQ(runTimerPeriod(cube(20, 20, 40), 0, 0, 96), kFallbackTimerPeriod);
    EXPECT_EQ(runTimerPeriod(cube(20, 20, 40), 3, 100, 0), kMinTimerPeriod);
}

TEST(MarkerFile, HoldsTheSolversVerdict) {
    testing::TempDir dir;
    EXPECT_TRUE(readMarker(dir.write("ok", "OK\r\n")).ok);
    MarkerVerdict failed = readMarker(dir.write("failed", "FAILED: the grid has no cells\r\n"));
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.reason, "the grid has no cells");
    EXPECT_FALSE(readMarker(dir.write("empty", "")).ok);
    EXPECT_EQ(readMarker(dir.write("other", "done\r\n")).reason,
              "the solver's marker file holds \"done\"");
}

TEST(MarkerFile, WarningsAfterOKLeaveTheRunASuccessAndAreReadOneALine) {
    testing::TempDir dir;
    EXPECT_TRUE(readMarker(dir.write("ok", "OK\r\n")).warnings.empty());
    const MarkerVerdict warned = readMarker(
        dir.write("warned", "OK\r\nWARNING: the heat balance is off\r\nWARNING:  too hot \r\n"));
    EXPECT_TRUE(warned.ok);
    EXPECT_EQ(warned.warnings, (std::vector<std::string>{"the heat balance is off", "too hot"}));
}

TEST(SolverLog, TheLastStepLineGivesTheSimulatedHour) {
    testing::TempDir dir;
    EXPECT_FALSE(lastSimulatedHour(dir.file("none")).has_value());
    EXPECT_FALSE(lastSimulatedHour(dir.write("start", "grid: 4 x 3 x 2 cells\r\n")).has_value());
    std::string log = dir.write("log", "times: start 0 h\r\n"
                                       "step 1  t= 3 h  dt= 3 h  iterations 2  highest 33.1 C\r\n"
                                       "step 2  t= 4.5 h  dt= 1.5 h  iterations 5  highest 34 C\r\n"
                                       "step 3  t= 7");
    EXPECT_EQ(lastSimulatedHour(log), 4.5);
    std::string longLog = "step 0  t= 0 h\r\n";
    for (int i = 1; i <= 400; ++i)
        longLog += "step " + std::to_string(i) + "  t= " + std::to_string(i) + " h  dt= 1 h\r\n";
    EXPECT_EQ(lastSimulatedHour(dir.write("long", longLog)), 400.0);
}

// A three-chunk run from hour 10 to 210: each chunk is a third of the bar.
TEST(RunFraction, FollowsTheSimulatedHourOverAllChunks) {
    EXPECT_DOUBLE_EQ(runFraction(1, 3, std::nullopt, 10, 210), 0.0);
    EXPECT_DOUBLE_EQ(runFraction(1, 3, 60.0, 10, 210), 0.25 / 3);
    EXPECT_DOUBLE_EQ(runFraction(2, 3, std::nullopt, 10, 210), 1.0 / 3);
    EXPECT_DOUBLE_EQ(runFraction(2, 3, 110.0, 10, 210), 1.5 / 3);
    // The case: chunk 3 of 3 at hour 152 of 200 is near the end, not at 8 %.
    EXPECT_NEAR(runFraction(3, 3, 152.0, 0, 200), (2 + 0.76) / 3, 1e-12);
    EXPECT_DOUBLE_EQ(runFraction(3, 3, 210.0, 10, 210), 1.0);
}

TEST(RunFraction, StaysWithinTheBarForHoursOutsideTheRunOrAnEmptySpan) {
    EXPECT_DOUBLE_EQ(runFraction(2, 3, 500.0, 10, 210), 2.0 / 3);
    EXPECT_DOUBLE_EQ(runFraction(2, 3, -5.0, 10, 210), 1.0 / 3);
    EXPECT_DOUBLE_EQ(runFraction(2, 3, 50.0, 100, 100), 1.0 / 3);
    EXPECT_DOUBLE_EQ(runFraction(1, 0, 50.0, 0, 100), 0.0);
}

} // namespace
} // namespace vardex
