// The bounds of the solver's input: a value outside them ends the run at once with FAILED and the
// reason, and no field that is no longer finite is ever written or marked OK.

#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>
#include <functional>
#include <sstream>
#include <stdexcept>

#include "Cases.h"
#include "Simulation.h"
#include "TempFileText.h"
#include "TestFiles.h"
#include "ThermalSummary.h"

namespace zolter {
namespace {

namespace fs = std::filesystem;

SolverInput chunk() {
    return test::smallChunk();
}

// Why a run built directly (past the input's checks) stopped; empty when it did not.
std::string runFailure(const SolverInput& in) {
    std::vector<std::string> warnings;
    Simulation sim(in, warnings);
    try {
        sim.run();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

struct Bound {
    const char* name;
    std::function<void(SolverInput&)> edit;
    const char* reason;
};

const Bound kBounds[] = {
    {"StartTimeTooLargeForTheClockToAdvance",
     [](SolverInput& in) { in.times.start = 1e17, in.times.end = 2e17; },
     "the start time 1E+17 h is outside the allowed range -1000000 to 1000000 h"},
    {"EndTimeFarBeyondAnyRun", [](SolverInput& in) { in.times.end = 1e30; },
     "the end time 1E+30 h is outside the allowed range -1000000 to 1000000 h"},
    {"TimeStepTooShort", [](SolverInput& in) { in.times.dtmax = 1e-9; },
     "dtmax 1E-09 h is outside the allowed range .0001 to 1000000 h"},
    {"TooManySteps", [](SolverInput& in) { in.times.end = 999999, in.times.dtmax = 0.5; },
     "takes 1999998 steps, more than the allowed 1000000"},
    {"ErrmaxAboveOne", [](SolverInput& in) { in.times.errmax = 1e30; },
     "errmax 1E+30 is outside the allowed range above 0, up to 1"},
    {"ItmaxBeyondItsField", [](SolverInput& in) { in.times.itmax = 2000000000; },
     "itmax 2000000000 is outside the allowed range 1 to 32767"},
    {"CellTooSmall", [](SolverInput& in) { in.dy = 1e-300; },
     "the cell size dy 1E-300 m is outside the allowed range .0001 to 10000 m"},
    {"DensityOfAFloatsLargestValue", [](SolverInput& in) { in.materials[0].density = 3.4e38; },
     "material 1 (concrete): the density 3.4E+38 kg/m3 is outside the allowed range .01 to "
     "100000 kg/m3"},
    {"SpecificHeatOfAFloatsLargestValue",
     [](SolverInput& in) { in.materials[1].specificHeat = 3.4e38; },
     "material 2 (soil): the specific heat 3.4E+38 kJ/kg C is outside"},
    {"ConductivityOfAFloatsLargestValue",
     [](SolverInput& in) { in.materials[0].conductivity = 3.4e38; },
     "material 1 (concrete): the thermal conductivity 3.4E+38 W/m C is outside"},
    {"HeatProductionBeyondItsRelativeRange",
     [](SolverInput& in) { in.materials[0].heatProduction = 1e30; },
     "the heat production 1E+30 is outside the allowed range 0 to 10"},
    {"PlacementTemperatureBeyondAnyConcrete",
     [](SolverInput& in) { in.hydration.placement = 1e30; },
     "the placement temperature 1E+30 C is outside the allowed range -273.15 to 2000 C"},
    {"HeldTemperatureBelowAbsoluteZero",
     [](SolverInput& in) { in.boundaries[0].points[1].second = -300; },
     "boundary record 1 (m2): point 2 of the series, its temperature -300 C is outside"},
    {"InitialTemperatureBeyondTheRange", [](SolverInput& in) { in.boundaries[0].initTemp = 1e30; },
     "boundary record 1 (m2): the initial temperature 1E+30 C is outside"},
    {"HeatOfHydrationBeyondItsRange", [](SolverInput& in) { in.hydration.qCementitious = 3.4e38; },
     "the heat of hydration Qcementitious 3.4E+38 kJ/kg is outside"},
    {"SourceParameterBeyondItsRange", [](SolverInput& in) { in.hydration.p[2] = 1e30; },
     "the heat-source parameter sourceP3 1E+30 is outside the allowed range above 0, up to "
     "1000000"},
    {"HeatSeriesBeyondItsRange",
     [](SolverInput& in) {
         in.hydration.seriesFlag = true;
         in.hydration.points = {{0.0, 0.0}, {24.0, 1e30}};
     },
     "point 2 of the heat-source series, its cumulative heat 1E+30 kJ/kg is outside"},
    {"ActivationEnergyBeyondAnyBinder",
     [](SolverInput& in) {
         in.hydration.equivalentAge = true;
         in.hydration.activationEnergy = 1e30;
     },
     "the activation energy of the equivalent age 1E+30 J/mol is outside the allowed range 0 to "
     "250000 J/mol"},
    {"NegativeActivationEnergy",
     [](SolverInput& in) {
         in.hydration.equivalentAge = true;
         in.hydration.activationEnergy = -5000;
     },
     "the activation energy of the equivalent age -5000 J/mol is outside"},
    {"ReferenceTemperatureAtAbsoluteZero",
     [](SolverInput& in) {
         in.hydration.equivalentAge = true;
         in.hydration.referenceTemperature = -273.15;
     },
     "the reference temperature of the equivalent age -273.15 C is outside the allowed range -100 "
     "to 200 C"},
    {"HeatTransferCoefficientBeyondAnyFace",
     [](SolverInput& in) {
         in.boundaries[0] = test::convective(2, 12.0, {{0.0, {1, 2, 3, 4, 5, 6}}, {5.0, {}}});
         in.boundaries[0].faceRows[1].u[3] = 1e30;
     },
     "boundary record 1 (m2): row 2 of the face coefficients, U4 1E+30 W/m2 C is outside the "
     "allowed range 0 to 100000 W/m2 C"},
    {"NegativeHeatTransferCoefficient",
     [](SolverInput& in) {
         in.boundaries[0] = test::convective(2, 12.0, {{0.0, {0, 0, -1}}});
     },
     "row 1 of the face coefficients, U3 -1 W/m2 C is outside"},
    {"FaceCoefficientTimeBeyondTheClock",
     [](SolverInput& in) {
         in.boundaries[0] = test::convective(2, 12.0, {{1e30, {}}});
     },
     "row 1 of the face coefficients, its time 1E+30 h is outside"},
    {"FaceCoefficientTimesOutOfOrder",
     [](SolverInput& in) {
         in.boundaries[0] = test::convective(2, 12.0, {{3, {}}, {3, {}}});
     },
     "row 2 of the face coefficients: its time must come after the time of the row before"},
    {"ConvectiveRecordWithoutCoefficients",
     [](SolverInput& in) { in.boundaries[0] = test::convective(2, 12.0, {}); },
     "boundary record 1 (m2) is convective but \"FacePoints=\" gives no row of coefficients"},
    {"HeldAndConvectiveAtOnce", [](SolverInput& in) { in.boundaries[0].convection = true; },
     "boundary record 1 (m2) has both \"Dirichlet=\" and \"Convection=\" True"},
};

class Bounds : public ::testing::TestWithParam<Bound> {};

TEST_P(Bounds, EndTheRunAtOnceWithFailedAndTheReason) {
    SolverInput in = chunk();
    GetParam().edit(in);
    const test::ProgramFolder program;
    test::expectFailed(program, program.run(tempFileText(in)), GetParam().reason);
    EXPECT_FALSE(fs::exists(program.dir / "shaft"));
}

INSTANTIATE_TEST_SUITE_P(Input, Bounds, ::testing::ValuesIn(kBounds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolverBounds, TheBoundsThemselvesStillRun) {
    // The edges of the ranges are inputs like any other: a run at them ends with a finite field.
    SolverInput in = chunk();
    in.dx = 1e-4;
    in.materials[1] = {"soil", 0.0, 0.01, 0.01, 0.0};
    in.materials[0].heatProduction = 10;
    in.hydration.placement = 2000;
    in.boundaries[0].initTemp = -273.15;
    in.hydration.equivalentAge = true;
    in.hydration.activationEnergy = 250000;
    in.hydration.referenceTemperature = -100;
    in.times.start = -1e6;
    in.times.end = -1e6 + 2;
    in.times.dtmax = 1;
    std::vector<std::string> warnings;
    const SolverInput read = parseTempText(tempFileText(in), warnings);
    Simulation sim(read, warnings);
    EXPECT_NO_THROW(sim.run());
    EXPECT_DOUBLE_EQ(sim.time(), -1e6 + 2);
}

TEST(SolverBounds, AFieldThatIsNoLongerFiniteStopsTheRunAndIsNeverWritten) {
    // A capacity beyond a float makes the field NaN.
    SolverInput in = chunk();
    in.dx = in.dy = in.dz = 1.0;
    in.materials[0].density = 3.4e38;
    EXPECT_NE(runFailure(in).find("a temperature became infinite or not a number"),
              std::string::npos)
        << runFailure(in);
}

TEST(SolverBounds, AStepThatCannotAdvanceTheClockStopsTheRun) {
    // At 1E+17 h a step of 2.5 h does not change the time.
    SolverInput in = chunk();
    in.times.start = 1e17;
    in.times.end = 2e17;
    EXPECT_NE(runFailure(in).find("no longer advances the clock"), std::string::npos)
        << runFailure(in);
}

TEST(SolverBounds, TheSummaryNamesTheHottestCellOfAFieldOfHugeTemperatures) {
    // Values whose five written decimals are far beyond a 64-bit integer.
    SolverInput in = chunk();
    ThermalSummary summary(in);
    std::vector<double> field(24, 1e30);
    field[17] = 3e30;
    field[18] = 2e30;
    summary.record(0.0, field);
    const std::string text = summary.text();
    // "1", then "time,peak,pi,pj,pk,...": cell 18 in output order is column 2, row 2, zone 2.
    std::vector<std::string> items;
    std::istringstream row(text.substr(text.find('\n') + 1));
    for (std::string item; std::getline(row, item, ',');) items.push_back(item);
    ASSERT_GE(items.size(), 5u) << text;
    EXPECT_EQ(std::stod(items[1]), 3e30) << text;
    EXPECT_EQ(items[2] + items[3] + items[4], "222") << text;
}

} // namespace
} // namespace zolter
