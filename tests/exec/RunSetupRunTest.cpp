// A run set-up saved from the execution window opens again, and runs without windows to the
// solver's verdict.

#ifdef VARDEX_ZOLTER

#include <sstream>

#include <gtest/gtest.h>

#include "app/StartupCheck.h"
#include "exec/HeadlessRun.h"
#include "exec/RunFixture.h"
#include "exec/RunSetupFile.h"
#include "support/ScopedEnvironment.h"

namespace vardex {
namespace {

using testing::readFile;
using testing::RunFixture;

HeadlessRunOptions options(const std::string& setup, const std::string& out) {
    return testing::headlessOptions(setup, out);
}

TEST(RunSetUp, ASavedSetUpOpensReadyInAnotherHomeAndWithoutTheSolverOnlyExecuteSaysWhatIsMissing) {
    RunFixture f;
    f.setUp();
    f.addRecordingPoints();
    const std::string setup = f.data("tower.vrs");
    f.dialogs.fileAnswers.push_back(setup);
    f.run->saveSetup();

    RunFixture g(testing::Starter::Recording, "no solver here");
    g.app.config.ProgramPath = g.file("program/target");
    g.app.startupCheck(); // at start: said once
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    writeRunSetup(g.data("copy.vrs"), readRunSetup(setup));
    g.dialogs.messages.clear();
    g.dialogs.fileAnswers.push_back(g.data("copy.vrs"));
    g.run->openSetup();
    EXPECT_TRUE(g.dialogs.messages.empty()) << ::testing::PrintToString(g.dialogs.messageTexts());
    EXPECT_TRUE(g.itemEnabled("mnuExecute"));
    EXPECT_EQ(g.run->state().txtP[4], " 12");
    EXPECT_EQ(g.run->state().txtP[5], " 2");
    EXPECT_EQ(g.run->exec().runName, "tower");
    EXPECT_TRUE(g.run->exec().Boundx[0]->flagDirichlet);
    EXPECT_EQ(g.run->exec().Boundx[0]->bndyTSfile, f.data("soil.ts"));

    // A damaged set-up changes nothing in the window.
    std::string text = readFile(setup);
    text.replace(text.find("endtime="), 8, "endtim =");
    std::ofstream(g.data("damaged.vrs"), std::ios::binary) << text;
    g.dialogs.fileAnswers.push_back(g.data("damaged.vrs"));
    g.run->openSetup();
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_NE(g.dialogs.messages[0].text.find("endtime="), std::string::npos);
    EXPECT_TRUE(g.itemEnabled("mnuExecute"));

    g.dialogs.messages.clear();
    g.run->execute();
    EXPECT_EQ(g.dialogs.messageTexts(),
              std::vector<std::string>{missingSolverMessage(g.file("program/target"))});
    EXPECT_TRUE(g.recording.programs.empty());
}

TEST(RunSetUp, ARunThatCompletesWithAWarningPrintsItAndEndsWithStatus3) {
    RunFixture f;
    f.setUp();
    writeRunSetup(f.data("tower.vrs"), f.run->currentSetup());
    std::ostringstream out;
    {
        testing::ScopedEnvironment lose("ZOLTER_TEST_LOSE_HEAT", "0.01");
        EXPECT_EQ(runHeadless(f.app, f.posix, options(f.data("tower.vrs"), f.file("warned")), out),
                  3);
    }
    const std::string printed = out.str();
    EXPECT_NE(printed.find("chunk 2 of 2 done"), std::string::npos) << printed;
    EXPECT_NE(printed.find("vardex-run: WARNING: chunk 1 of 2: the heat balance is off by 1 % of "
                           "the heat released (0.1 % allowed) (its log: " +
                           f.file("warned/STDOUT.1") + ")"),
              std::string::npos)
        << printed;
    EXPECT_TRUE(f.app.fs.fileExists(f.file("warned/Summary.2")));
}

TEST(RunSetUp, AFailingSetUpEndsWithANonZeroStatusAndTheSolversReason) {
    RunFixture f;
    f.setUp();
    RunSetup setup = f.run->currentSetup();
    setup.starttime = 20; // after the end time: the solver refuses the input
    writeRunSetup(f.data("late.vrs"), setup);
    std::ostringstream out;
    EXPECT_EQ(runHeadless(f.app, f.posix, options(f.data("late.vrs"), f.file("late")), out), 1);
    EXPECT_NE(out.str().find("the end time must be after the start time"), std::string::npos)
        << out.str();

    setup.modelFile = f.data("missing.mod");
    writeRunSetup(f.data("nomodel.vrs"), setup);
    std::ostringstream again;
    EXPECT_EQ(runHeadless(f.app, f.posix, options(f.data("nomodel.vrs"), ""), again), 2);
    EXPECT_NE(again.str().find("cannot be run"), std::string::npos) << again.str();
}

} // namespace
} // namespace vardex

#endif
