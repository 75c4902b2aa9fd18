// The execution window driving the real solver, chunk by chunk, through the real starter.

#ifdef VARDEX_ZOLTER

#include <sstream>

#include <gtest/gtest.h>

#include "app/StartupCheck.h"
#include "exec/RunFixture.h"
#include "run/SolverLaunchFiles.h"
#include "support/ScopedEnvironment.h"

namespace vardex {
namespace {

using testing::readFile;
using testing::RunFixture;

// Lines of a history file after its count: time, centre, then one temperature per point.
std::vector<std::vector<std::string>> historyRows(const std::string& path) {
    std::istringstream in(readFile(path));
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> items;
        std::istringstream fields(line);
        for (std::string item; std::getline(fields, item, ',');) items.push_back(item);
        if (!items.empty()) rows.push_back(items);
    }
    return rows;
}

TEST(FrmRunWithSolver, ExecuteRunsEveryChunkAndCollectsItsOutputsUnderChunkNumbers) {
    RunFixture f;
    f.setUp();
    f.addRecordingPoints();
    ASSERT_TRUE(f.itemEnabled("mnuExecute")) << ::testing::PrintToString(f.dialogs.messageTexts());
    EXPECT_EQ(f.run->state().txtP[5], " 2");

    f.run->execute();
    EXPECT_TRUE(f.run->state().barVisible);
    EXPECT_EQ(f.run->state().barMax, 1000);
    EXPECT_EQ(f.run->state().status.rfind("chunk 1 of 2", 0), 0u);
    EXPECT_FALSE(f.itemEnabled("mnuExecute"));
    f.tickUntilDone();

    ASSERT_TRUE(f.dialogs.shown("Completed all  2 sub-models included."))
        << ::testing::PrintToString(f.dialogs.messageTexts());
    EXPECT_EQ(f.dialogs.messages.back().title, "Run / View  Model");
    for (const char* name : {"tower.1", "tower.2", "TSeries.1", "TSeries.2", "Tmax.1", "Tmax.2"})
        EXPECT_TRUE(f.app.fs.fileExists(f.file(name))) << name;
    EXPECT_TRUE(f.app.fs.fileExists(f.file("Output/tower.1.out")));
    EXPECT_TRUE(f.app.fs.fileExists(f.file("Output/tower.2.out")));
    // Each chunk's history holds the centre and the one point that lies in that chunk.
    for (const char* name : {"TSeries.1", "TSeries.2"}) {
        auto rows = historyRows(f.file(name));
        ASSERT_EQ(rows.size(), 5u) << name; // the start and four 3-hour steps to 12 h
        EXPECT_EQ(rows.back().size(), 3u) << name;
        EXPECT_EQ(rows.back()[0], "12") << name;
    }
    // Chunk 2 is three zones of four by three: its field has nine lines.
    const std::string field = readFile(f.file("tower.2"));
    EXPECT_EQ(std::count(field.begin(), field.end(), '\n'), 9);

    ASSERT_EQ(f.inspecting.batchTexts.size(), 2u);
    const std::string first = f.inspecting.batchTexts[0];
    // The batch file names the run's own files from the solver's folder inside the scratch folder.
    EXPECT_NE(first.find(" \"../tempfile.1\" ../STDOUT.1 ../clrthred.tmp"), std::string::npos)
        << first;
    EXPECT_NE(first.find("call \"" VARDEX_ZOLTER "\""), std::string::npos);
    const std::string second = f.inspecting.batchTexts[1];
    EXPECT_NE(second.find(" \"../tempfile.2\" ../stdout.2 ../rad"), std::string::npos) << second;
    EXPECT_TRUE(f.app.fs.fileExists(f.file("STDOUT.1")));
    EXPECT_TRUE(f.app.fs.fileExists(f.file("stdout.2")));

    EXPECT_FALSE(f.run->state().barVisible);
    EXPECT_TRUE(f.itemEnabled("mnuExecute"));
    EXPECT_TRUE(
        findMenu(const_cast<std::vector<MenuState>&>(f.run->state().menus), "mnuData")->enabled);
    EXPECT_EQ(f.run->viewMode(), "model");
    EXPECT_FALSE(f.run->runOutstanding());
}

TEST(FrmRunWithSolver, AChunkWhoseHeatBalanceFailsCompletesAndItsWarningShowsWithTheCompletion) {
    RunFixture f;
    f.setUp();
    f.dialogs.messages.clear();
    // The solver's test seam: its cells lose 1 % of the heat released.
    testing::ScopedEnvironment lose("ZOLTER_TEST_LOSE_HEAT", "0.01");
    f.run->execute();
    f.tickUntilDone();

    EXPECT_EQ(f.run->outcome(), RunOutcome::Completed);
    ASSERT_EQ(f.dialogs.messages.size(), 1u) << ::testing::PrintToString(f.dialogs.messageTexts());
    const std::string warning =
        "the heat balance is off by 1 % of the heat released (0.1 % allowed)";
    EXPECT_EQ(f.dialogs.messages[0].text,
              "Completed all  2 sub-models included.\r\nWARNING: chunk 1 of 2: " + warning +
                  " (its log: " + f.file("STDOUT.1") + ")\r\nWARNING: chunk 2 of 2: " + warning +
                  " (its log: " + f.file("stdout.2") + ")");
    EXPECT_EQ(f.dialogs.messages[0].title, "Run / View  Model");
    EXPECT_EQ(f.run->warnings().size(), 2u);
    EXPECT_EQ(f.run->state().status, "Completed 2 of 2, with warnings");
    // The outputs were collected as for any completed run.
    for (const char* name : {"tower.1", "tower.2", "TSeries.2", "Tmax.2", "Summary.2"})
        EXPECT_TRUE(f.app.fs.fileExists(f.file(name))) << name;
}

TEST(FrmRunWithSolver, AFailingChunkShowsTheSolversReasonAndStopsTheRun) {
    RunFixture f;
    f.setUp();
    f.dialogs.inputAnswers.push_back("20"); // start after the end (12 h)
    f.run->parameterClicked(3);
    f.dialogs.messages.clear();
    f.run->execute();
    f.tickUntilDone();

    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_NE(f.dialogs.messages[0].text.find("chunk 1 of 2"), std::string::npos);
    EXPECT_NE(f.dialogs.messages[0].text.find("the end time must be after the start time"),
              std::string::npos)
        << f.dialogs.messages[0].text;
    EXPECT_EQ(f.dialogs.messages[0].title, "Run / View  Model");
    EXPECT_EQ(f.inspecting.batchTexts.size(), 1u);
    EXPECT_FALSE(f.app.fs.fileExists(f.file("TSeries.1")));
    EXPECT_FALSE(f.app.fs.fileExists(f.file("clrthred.tmp")));
    EXPECT_FALSE(f.run->state().barVisible);
    EXPECT_TRUE(f.itemEnabled("mnuExecute"));
    EXPECT_FALSE(f.run->runOutstanding());
}

TEST(FrmRunWithSolver, AMissingSolverIsNamedWithItsRemedyAndNothingIsStarted) {
    RunFixture f;
    f.setUp();
    f.app.config.ProgramPath = f.file("program/none");
    f.dialogs.messages.clear();
    f.run->execute();

    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, missingSolverMessage(f.file("program/none")));
    EXPECT_TRUE(f.inspecting.batchTexts.empty());
    EXPECT_FALSE(f.timer.enabled());
    EXPECT_TRUE(f.itemEnabled("mnuExecute"));
}

TEST(FrmRunWithSolver, AProgramThatEndsWithoutAMarkerIsReportedWithinATickOrTwo) {
    RunFixture f;
    f.setUp();
    f.app.config.ProgramPath = "/bin/true";
    f.dialogs.messages.clear();
    f.run->execute();
    const int ticks = f.tickUntilDone(200);

    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_NE(f.dialogs.messages[0].text.find("ended without reporting a result (exit status 0)"),
              std::string::npos)
        << f.dialogs.messages[0].text;
    EXPECT_LT(ticks, 200);
    EXPECT_TRUE(f.itemEnabled("mnuExecute"));
}

} // namespace
} // namespace vardex

#endif
