// A run set-up saved from the execution window runs again, in the window and without windows, to
// the same results.

#ifdef VARDEX_ZOLTER

#include <chrono>
#include <sstream>
#include <thread>

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

// The end time first, then the boundaries: a boundary series is read (and a short one extended)
// for the run's times as they are when it is chosen, as a set-up file applies it.
void setUpTimesFirst(RunFixture& f) {
    f.openModel();
    f.dialogs.inputAnswers.push_back("12");
    f.run->parameterClicked(4);
    f.run->concreteSource();
    f.run->showConds = [&f](frmConds& w) {
        w.selectMaterial(0);
        f.dialogs.fileAnswers.push_back(f.data("soil.ts"));
        w.chooseSpecified();
        w.selectMaterial(1);
        w.selectMaterial(0);
    };
    f.run->modelSpecifications();
}

TEST(RunSetUp, ASavedSetUpRunsAgainHeadlessToTheSameCollectedFiles) {
    RunFixture f;
    setUpTimesFirst(f);
    f.addRecordingPoints();
    f.run->limits = {30.0, 2.5};
    const std::string setup = f.data("tower run.vrs");
    f.dialogs.fileAnswers.push_back(setup);
    f.run->saveSetup();
    ASSERT_TRUE(f.app.fs.fileExists(setup)) << ::testing::PrintToString(f.dialogs.messageTexts());

    f.run->execute();
    f.tickUntilDone();
    ASSERT_EQ(f.run->outcome(), RunOutcome::Completed);
    for (const char* name : {"Summary.1", "Summary.2"})
        EXPECT_TRUE(f.app.fs.fileExists(f.file(name))) << name;
    // The histories name the centre and each chunk's own recording point by place.
    const std::vector<HistorySource> sources = f.run->historySources();
    ASSERT_EQ(sources.size(), 2u);
    auto texts = [](const std::vector<PointPlace>& places) {
        std::vector<std::string> t;
        for (const PointPlace& p : places) t.push_back(p.text(DisplayUnits{}));
        return t;
    };
    EXPECT_EQ(texts(sources[0].labels),
              (std::vector<std::string>{"chunk 1 centre (0.75, 0.75, 0.25 m)",
                                        "chunk 1 point 1 (1.2, 0.7, 0.6 m)"}));
    EXPECT_EQ(texts(sources[1].labels),
              (std::vector<std::string>{"chunk 2 centre (0.75, 0.75, 1.75 m)",
                                        "chunk 2 point 2 (1.2, 0.7, 1.9 m)"}));

    std::ostringstream out;
    const std::string folder = f.file("headless run");
    ASSERT_EQ(runHeadless(f.app, f.posix, options(setup, folder), out), 0) << out.str();
    for (const char* name : {"tower.1", "tower.2", "TSeries.1", "TSeries.2", "Tmax.1", "Tmax.2",
                             "Summary.1", "Summary.2"})
        EXPECT_EQ(readFile(folder + "/" + name), readFile(f.file(name))) << name;
    const std::string printed = out.str();
    EXPECT_NE(printed.find("chunk 1 of 2 done"), std::string::npos) << printed;
    EXPECT_NE(printed.find("chunk 2 of 2 done"), std::string::npos) << printed;
    // The saved limits came along: a 30 C peak limit the concrete's heat exceeds.
    EXPECT_NE(printed.find("limits: 30.0 C peak, 2.5 C difference"), std::string::npos) << printed;
}

TEST(RunSetUp, OpeningASetUpInTheWindowMakesItReadyToExecute) {
    RunFixture f;
    f.setUp();
    f.addRecordingPoints();
    const std::string setup = f.data("tower.vrs");
    f.dialogs.fileAnswers.push_back(setup);
    f.run->saveSetup();

    RunFixture g(testing::Starter::Recording, "second home");
    writeRunSetup(g.data("copy.vrs"), readRunSetup(setup));
    g.dialogs.fileAnswers.push_back(g.data("copy.vrs"));
    g.run->openSetup();
    EXPECT_TRUE(g.itemEnabled("mnuExecute")) << ::testing::PrintToString(g.dialogs.messageTexts());
    EXPECT_EQ(g.run->state().txtP[4], " 12");
    EXPECT_EQ(g.run->state().txtP[5], " 2");
    EXPECT_EQ(g.run->exec().runName, "tower");
    EXPECT_TRUE(g.run->exec().Boundx[0]->flagDirichlet);
    EXPECT_EQ(g.run->exec().Boundx[0]->bndyTSfile, f.data("soil.ts"));

    // A damaged set-up changes nothing in the window.
    const std::string damaged = g.home + "/damaged.vrs";
    std::string text = readFile(setup);
    text.replace(text.find("endtime="), 8, "endtim =");
    std::ofstream(damaged, std::ios::binary) << text;
    g.dialogs.messages.clear();
    g.dialogs.fileAnswers.push_back(damaged);
    g.run->openSetup();
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_NE(g.dialogs.messages[0].text.find("endtime="), std::string::npos);
    EXPECT_TRUE(g.itemEnabled("mnuExecute"));
}

TEST(RunSetUp, WithoutTheSolverASetUpStillOpensAndOnlyExecuteSaysWhatIsMissing) {
    RunFixture f;
    f.setUp();
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
    EXPECT_EQ(g.run->exec().runName, "tower");

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

    // The same set-up without the seam balances: status 0, no warning.
    std::ostringstream again;
    EXPECT_EQ(runHeadless(f.app, f.posix, options(f.data("tower.vrs"), f.file("sound")), again), 0)
        << again.str();
    EXPECT_EQ(again.str().find("WARNING"), std::string::npos) << again.str();
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
