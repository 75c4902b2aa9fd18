// The run window and vardex-run hold a set-up to the solver's limits before anything starts: a
// value outside them is named with its allowed range, and no solver is started.

#ifdef VARDEX_ZOLTER // the window checks that the solver exists before it checks the set-up

#include <chrono>
#include <functional>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "exec/HeadlessRun.h"
#include "exec/RunFixture.h"
#include "exec/RunSetupFile.h"

namespace vardex {
namespace {

using testing::RunFixture;
using testing::Starter;

struct Beyond {
    const char* name;
    std::function<void(RunFixture&)> edit;
    const char* reason;
};

// Typed into parameter box n as a user types it.
std::function<void(RunFixture&)> typed(int box, const char* text) {
    return [box, text](RunFixture& f) {
        f.dialogs.inputAnswers.push_back(text);
        f.run->parameterClicked(box);
    };
}

const Beyond kBeyond[] = {
    {"EndTime", typed(4, "1E+30"),
     "the end time 1E+30 h is outside the allowed range -1000000 to 1000000 h"},
    {"StartTime", typed(3, "1E+17"),
     "the start time 1E+17 h is outside the allowed range -1000000 to 1000000 h"},
    {"TimeStep", typed(2, "1E-9"),
     "the maximum time step dtmax 1E-09 h is outside the allowed range .0001 to 1000000 h"},
    {"StepCount",
     [](RunFixture& f) {
         typed(4, "900000")(f);
         typed(2, ".5")(f);
     },
     "takes 1800000 steps, more than the allowed 1000000"},
    {"Errmax", typed(1, "5"), "errmax 5 is outside the allowed range above 0, up to 1"},
    {"Placement", [](RunFixture& f) { f.run->exec().Src.placementTemp = 1e30f; },
     "the placement temperature 1E+30 C is outside the allowed range -273.15 to 2000 C"},
    {"BoundaryTemperature", [](RunFixture& f) { f.run->exec().Boundx[0]->initValue = -300; },
     "the boundary condition of Soil: the initial temperature -300 C is outside"},
    {"HeatOfHydration", [](RunFixture& f) { f.run->exec().Src.heat = 3.4e38f; },
     "the heat of hydration 3.4E+38 kJ/kg is outside the allowed range 0 to 10000 kJ/kg"},
    {"ActivationEnergy",
     [](RunFixture& f) {
         f.run->exec().Src.equivalentAge = true;
         f.run->exec().Src.activationEnergy = -5;
     },
     "the activation energy of the heat source -5 J/mol is outside the allowed range 0 to "
     "250000 J/mol"},
    {"FaceCoefficient",
     [](RunFixture& f) {
         CBoundarytype& soil = *f.run->exec().Boundx[0];
         soil.flagDirichlet = false;
         soil.flagConvection = true;
         soil.facePoints = {{0, {1, 1, 1, 1, 1, 1}}, {24, {1, 1, -2, 1, 1, 1}}};
     },
     "the boundary condition of Soil: face coefficients 2, U3 -2 W/m2 C is outside"},
    {"HeldAndConvective",
     [](RunFixture& f) {
         CBoundarytype& soil = *f.run->exec().Boundx[0];
         soil.flagDirichlet = soil.flagConvection = true;
         soil.facePoints = {{0, {1, 1, 1, 1, 1, 1}}};
     },
     "the boundary condition of Soil is both a held temperature and convection"},
};

class RunLimits : public ::testing::TestWithParam<Beyond> {};

TEST_P(RunLimits, AValueBeyondItsRangeIsNamedAtExecuteAndNoSolverStarts) {
    RunFixture f(Starter::Recording);
    f.setUp();
    GetParam().edit(f);
    f.dialogs.messages.clear();
    f.run->execute();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text.rfind("The run cannot start: ", 0), 0u);
    EXPECT_NE(f.dialogs.messages[0].text.find(GetParam().reason), std::string::npos)
        << f.dialogs.messages[0].text;
    EXPECT_EQ(f.dialogs.messages[0].title, "Run / View  Model");
    EXPECT_TRUE(f.recording.starts.empty());
    EXPECT_FALSE(f.run->runOutstanding());
    EXPECT_TRUE(f.itemEnabled("mnuExecute"));
}

INSTANTIATE_TEST_SUITE_P(SetUp, RunLimits, ::testing::ValuesIn(kBeyond),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunLimitsOfMaterials, AMaterialInUseBeyondItsRangeIsNamedAtExecute) {
    RunFixture f(Starter::Recording);
    // The tower's concrete with the density of a float's largest value.
    const std::vector<testing::MaterialContent> materials{{"Soil", 1.5f, 1.1f, 1800.0f, 0.0f},
                                                          {"Concrete", 2.6f, 0.92f, 3.4e38f, 1.0f}};
    for (const char* name : {"base.sec", "column.sec"})
        testing::writeSectionFile(
            f.app, f.data(name),
            {name, 4, 3, 0.5f, 0.5f, {{1, 2, 2, 1}, {1, 2, 2, 1}, {1, 2, 2, 1}}, materials});
    f.setUp();
    f.dialogs.messages.clear();
    f.run->execute();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_NE(f.dialogs.messages[0].text.find(
                  "material 2 (Concrete): the density 3.4E+38 kg/m3 is outside the allowed "
                  "range .01 to 100000 kg/m3"),
              std::string::npos)
        << f.dialogs.messages[0].text;
    EXPECT_TRUE(f.recording.starts.empty());
}

TEST(RunLimitsWithoutWindows, VardexRunNamesTheValueAndItsRangeAndStartsNothing) {
    RunFixture f(Starter::Recording);
    f.setUp();
    RunSetup setup = f.run->currentSetup();
    setup.endtime = 1e30;
    writeRunSetup(f.data("far.vrs"), setup);
    std::ostringstream out;
    const HeadlessRunOptions options{
        f.data("far.vrs"), f.file("far"),
        [](int) { std::this_thread::sleep_for(std::chrono::milliseconds(10)); }, [] { return 0; }};
    EXPECT_EQ(runHeadless(f.app, f.recording, options, out), 2);
    EXPECT_NE(out.str().find("vardex-run: " + f.data("far.vrs") +
                             ": the end time 1E+30 h is outside the allowed range -1000000 to "
                             "1000000 h"),
              std::string::npos)
        << out.str();
    EXPECT_TRUE(f.recording.starts.empty());
}

} // namespace
} // namespace vardex

#endif
