// The bundled example model, set up with its time series as a new user would, runs through the
// solver.

#ifdef VARDEX_ZOLTER

#include <gtest/gtest.h>

#include "exec/HeadlessRun.h"
#include "exec/RunFixture.h"
#include "support/Examples.h"

namespace vardex {
namespace {

TEST(ExampleRun, TheExampleModelRunsWithAHeatCurveAndHeldAirAndRockTemperatures) {
    testing::RunFixture f;
    testing::layOutExamples(f.file("data"));
    f.dialogs.fileAnswers = {f.data("pier.mod")};
    f.run->openModel();
    ASSERT_EQ(f.run->chunkCount(), 3);

    f.run->showSource = [&](frmSource& w) {
        f.dialogs.fileAnswers.push_back(f.data("heat.ts"));
        w.chooseTimeSeries();
    };
    f.run->concreteSource();
    ASSERT_TRUE(f.run->exec().Src.readyFlag);

    std::vector<std::string> held;
    f.run->showConds = [&](frmConds& w) {
        const auto& names = w.state().List1.items;
        for (int i = 0; i < static_cast<int>(names.size()); ++i) {
            w.selectMaterial(i);
            if (names[i] != "Soil" && names[i] != "Rock") continue;
            f.dialogs.fileAnswers.push_back(f.data(names[i] == "Soil" ? "air.ts" : "soil.ts"));
            w.chooseSpecified();
            w.selectMaterial(i);
            held.push_back(names[i]);
        }
    };
    f.run->modelSpecifications();
    EXPECT_EQ(held, (std::vector<std::string>{"Soil", "Rock"}));
    // The footing's core, the column's core and a point nearer the column's face.
    f.run->showRecs = [](frmRecs& w) {
        for (const auto& p : {std::array<const char*, 3>{"1.5", "1.5", ".75"},
                              std::array<const char*, 3>{"1.5", "1.5", "3.5"},
                              std::array<const char*, 3>{".9", "1.5", "3.5"}}) {
            for (int a = 0; a < 3; ++a) w.setText(a, p[static_cast<std::size_t>(a)]);
            w.createPoint();
        }
    };
    f.run->parameterClicked(5);
    ASSERT_TRUE(f.run->itemUsable("mnuExecute"))
        << ::testing::PrintToString(f.dialogs.messageTexts());

    f.dialogs.messages.clear();
    f.run->execute();
    f.tickUntilDone(3000);
    ASSERT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"Completed all  3 sub-models included."});
    for (const char* name : {"pier.3", "TSeries.3", "Tmax.3"})
        EXPECT_TRUE(f.app.fs.fileExists(f.file(name))) << name;
    // The footing's concrete heated itself above its placement temperature.
    std::istringstream tmax(testing::readFile(f.file("Tmax.1")));
    double highest = 0;
    for (double t; tmax >> t;) highest = std::max(highest, t);
    EXPECT_GT(highest, f.run->exec().Src.placementTemp + 5);

    // The bundled set-up of the same run, without windows, collects the same files.
    std::ostringstream out;
    const std::string folder = f.file("from the set-up");
    ASSERT_EQ(
        runHeadless(f.app, f.posix, testing::headlessOptions(f.data("pier.vrs"), folder), out), 0)
        << out.str();
    for (const char* name : {"pier.1", "pier.2", "pier.3", "TSeries.1", "TSeries.2", "TSeries.3",
                             "Summary.1", "Summary.2", "Summary.3"})
        EXPECT_EQ(testing::readFile(folder + "/" + name), testing::readFile(f.file(name))) << name;
}

} // namespace
} // namespace vardex

#endif
