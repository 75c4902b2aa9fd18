// The execution window's menus, set-up flow, parameter boxes, run bookkeeping and refusals, with
// a starter that plays the solver's part.

#include <gtest/gtest.h>

#include "app/Filters.h"
#include "exec/RunFixture.h"
#include "exec/RunProgress.h"
#include "platform/FolderLock.h"
#include "run/SolverLaunchFiles.h"
#include "text/NumberText.h"

namespace vardex {
namespace {

using testing::readFile;
using testing::RunFixture;
using testing::Starter;

bool menuEnabled(const frmRun& run, const std::string& name) {
    for (const MenuState& m : run.state().menus)
        if (m.name == name) return m.enabled;
    return false;
}

// The marker file named last on the call line of a command file.
std::string markerOf(const std::string& batchText) {
    std::string line = batchText.substr(batchText.find("call "));
    line = line.substr(0, line.find('\r'));
    line = trimRight(line);
    return line.substr(line.rfind(' ') + 1);
}

// The log file named second to last on that line.
std::string logOf(const std::string& batchText) {
    std::string line = batchText.substr(batchText.find("call "));
    line = trimRight(line.substr(0, line.find('\r')));
    line = trimRight(line.substr(0, line.rfind(' ')));
    return line.substr(line.rfind(' ') + 1);
}

// The file a name on the call line of a command file stands for (relative to the folder the
// solver runs in).
std::string namedByBatch(const testing::RecordingProgramStarter& starter, const std::string& name) {
    return std::filesystem::weakly_canonical(
               std::filesystem::path(starter.starts.back().workingFolder) / name)
        .string();
}

// Plays the solver in its folder: outputs (the history only when asked), the field where
// "output=" names it, its log and the marker.
void playSolver(testing::RecordingProgramStarter& starter, bool history = true) {
    const std::string batch = starter.starts.back().batchText;
    const std::filesystem::path folder(starter.starts.back().workingFolder);
    std::ofstream(folder / "tower", std::ios::binary) << "field\r\n";
    std::ofstream(folder.parent_path() / "field.out", std::ios::binary) << "field\r\n";
    std::ofstream(folder / "Tmax.out", std::ios::binary) << "tmax\r\n";
    std::ofstream(folder / "Summary.out", std::ios::binary) << "summary\r\n";
    if (history) std::ofstream(folder / "Center.out", std::ios::binary) << "1\r\n0,20\r\n";
    std::ofstream(namedByBatch(starter, logOf(batch)), std::ios::app | std::ios::binary)
        << "finished\r\n";
    std::ofstream(namedByBatch(starter, markerOf(batch)), std::ios::binary) << "OK\r\n";
}

TEST(FrmRun, AFreshWindowShowsItsMenusBoxesAndNothingToRunYet) {
    RunFixture f(Starter::Recording);
    const RunWindowState& s = f.run->state();
    std::vector<std::string> captions;
    for (const MenuState& m : s.menus) captions.push_back(m.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"&File", "&Model", "&Display model", "&Data",
                                                  "&Exit", "&Help"}));
    EXPECT_EQ(s.txtP, (std::array<std::string, 6>{"22", ".003", "3", "0", "96", "0"}));
    EXPECT_EQ(f.run->exec().itmax, 22);
    EXPECT_TRUE(f.run->itemUsable("mnuOpenModel"));
    for (const char* item : {"mnuMakeRunfile", "mnuOpenRun", "mnuSource", "mnuModSpecs",
                             "mnuExecute", "mnuOpensounding"})
        EXPECT_FALSE(f.run->itemUsable(item)) << item;
    EXPECT_FALSE(menuEnabled(*f.run, "mnuDisplay"));
    // Soundings need no run: their menu is there from the start.
    EXPECT_TRUE(menuEnabled(*f.run, "mnuData"));
    EXPECT_FALSE(s.barVisible);
    EXPECT_EQ(f.run->viewMode(), "");
    EXPECT_TRUE(f.run->exec().concentric);
}

TEST(FrmRun, DisplayAndSoundingItemsWaitForTheirWindows) {
    RunFixture f(Starter::Recording);
    f.openModel();
    EXPECT_FALSE(f.run->itemUsable("mnuModelDisplay"));
    EXPECT_EQ(f.run->itemTip("mnuModelDisplay"), "Comes with the temperature display.");
    EXPECT_EQ(f.run->itemTip("mnuTEST"), "Comes with the soundings.");
    int shown = 0;
    f.run->showModelDisplay = [&] { ++shown; };
    // There is nothing to show before a run of the model.
    EXPECT_FALSE(f.run->itemUsable("mnuModelDisplay"));
    EXPECT_EQ(f.run->itemTip("mnuModelDisplay"),
              "No complete run of the model: " + f.file("tower.1") + " is missing.");
    f.run->mnuModelDisplay();
    EXPECT_EQ(shown, 0);
    // The sounding items can be reached once their windows are there.
    int rotations = 0;
    EXPECT_FALSE(f.run->itemUsable("mnuTEST"));
    f.run->testRotations = [&] { ++rotations; };
    f.run->mnuTEST();
    EXPECT_EQ(rotations, 1);
}

TEST(FrmRun, OpeningAModelAlignsItAndOffersTheSourceAndTheDisplay) {
    RunFixture f(Starter::Recording);
    f.openModel();
    EXPECT_EQ(f.dialogs.fileRequests.at(0).request.filter, filters::kModel);
    EXPECT_EQ(f.run->state().txtModfile, f.modelFile);
    EXPECT_EQ(f.run->state().txtmodelName, "Tower");
    EXPECT_EQ(f.run->chunkCount(), 2);
    EXPECT_EQ(f.run->g_ChunkNum(1), 1);
    EXPECT_EQ(f.run->g_ChunkNum(2), 2);
    EXPECT_EQ(f.run->g_ChunkNum(3), 0);
    EXPECT_EQ(f.run->exec().MstrMatlx, (std::vector<std::string>{"Soil", "Concrete"}));
    EXPECT_EQ(f.run->exec().Boundx.size(), 2u);
    EXPECT_EQ(f.run->viewMode(), "Ready");
    EXPECT_TRUE(menuEnabled(*f.run, "mnuModel"));
    EXPECT_TRUE(menuEnabled(*f.run, "mnuDisplay"));
    EXPECT_TRUE(f.run->itemUsable("mnuSource"));
    EXPECT_FALSE(f.run->itemUsable("mnuModSpecs"));
    EXPECT_FALSE(f.run->itemUsable("mnuExecute"));
    EXPECT_EQ(f.app.config.UserDir, f.file("data"));
}

TEST(FrmRun, AModelThatCannotBeReadLeavesTheOpenModelAsItWas) {
    RunFixture f(Starter::Recording);
    f.openModel();
    std::string text = readFile(f.modelFile);
    text.replace(text.find(f.data("column.prf")), f.data("column.prf").size(), f.data("gone.prf"));
    std::ofstream(f.data("broken.mod"), std::ios::binary) << text;
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers.push_back(f.data("broken.mod"));
    f.run->openModel();

    EXPECT_EQ(f.dialogs.messageTexts(),
              (std::vector<std::string>{"File not found: " + f.data("gone.prf"),
                                        "a bad file to read\r\n" + f.data("broken.mod")}));
    EXPECT_EQ(f.run->state().txtModfile, f.modelFile);
    EXPECT_EQ(f.run->chunkCount(), 2);
    EXPECT_EQ(f.app.submodelList.count(), 2);
    EXPECT_TRUE(f.run->itemUsable("mnuSource"));
}

TEST(FrmRun, AModelBeyondTheRunsTablesIsRefusedAndCannotBeSetUp) {
    RunFixture f(Starter::Recording);
    std::string text = readFile(f.modelFile);
    text.replace(text.find("submodels=     2"), 16, "submodels=     17");
    text.replace(text.find("1,2\r\n"), 5, "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2\r\n");
    std::ofstream(f.modelFile, std::ios::binary) << text;
    f.openModel();
    EXPECT_TRUE(f.dialogs.shown("The model has 17 chunks; a run takes at most 16."));
    EXPECT_FALSE(menuEnabled(*f.run, "mnuModel"));
    EXPECT_FALSE(f.run->itemUsable("mnuSource"));
}

TEST(FrmRun, ASecondModelInTheSameWindowIsNotSetUpOverTheFirst) {
    RunFixture f(Starter::Recording);
    f.openModel();
    f.openModel();
    EXPECT_FALSE(menuEnabled(*f.run, "mnuModel"));
    EXPECT_EQ(f.run->state().status,
              "This window has set up a model already; open it again for another.");
}

TEST(FrmRun, ExecuteWaitsUntilTheSourceAndEveryBoundaryAreSettled) {
    RunFixture f(Starter::Recording);
    f.openModel();
    f.run->concreteSource(); // closes at once with the defaults: ready
    EXPECT_TRUE(f.run->exec().Src.readyFlag);
    EXPECT_TRUE(f.run->itemUsable("mnuModSpecs"));
    EXPECT_FALSE(f.run->itemUsable("mnuExecute"));

    f.run->modelSpecifications(); // nothing settled
    EXPECT_FALSE(f.run->exec().flagBndy);
    EXPECT_FALSE(f.run->itemUsable("mnuExecute"));

    f.run->showConds = [](frmConds& w) {
        w.selectMaterial(0);
        w.selectMaterial(1);
    };
    f.run->modelSpecifications();
    EXPECT_TRUE(f.run->exec().flagReady);
    EXPECT_TRUE(f.run->itemUsable("mnuExecute"));
    EXPECT_TRUE(f.run->itemUsable("mnuMakeRunfile"));
    EXPECT_EQ(f.run->runName(), "tower");

    // A source closed in error takes the run back.
    f.run->showSource = [&](frmSource& w) {
        f.dialogs.inputAnswers.push_back("none");
        w.editValue(0);
    };
    f.run->concreteSource();
    EXPECT_EQ(f.run->viewMode(), "ERROR");
    EXPECT_FALSE(f.run->exec().flagReady);
    EXPECT_FALSE(f.run->itemUsable("mnuExecute"));
}

TEST(FrmRun, ParameterBoxesAskWithTheirLabelAndKeepTheirValueOnAWord) {
    RunFixture f(Starter::Recording);
    f.dialogs.inputAnswers = {"abc"};
    f.run->parameterTyped(2, "abc");
    EXPECT_EQ(f.dialogs.prompts.at(0).prompt, "Maximum Time Step Allowable  (h)");
    EXPECT_EQ(f.dialogs.prompts.at(0).title, "Enter Parameter Value");
    EXPECT_EQ(f.dialogs.prompts.at(0).defaultText, "abc");
    EXPECT_EQ(f.run->exec().dtmax, 3.0);
    EXPECT_EQ(f.run->state().txtP[2], " 3");

    f.dialogs.inputAnswers = {"30.5", ""};
    f.run->parameterClicked(0);
    EXPECT_EQ(f.run->exec().itmax, 30); // halves round to even
    EXPECT_EQ(f.run->state().txtP[0], " 30");
    f.run->parameterClicked(1); // cancelled: the box's number stays
    EXPECT_EQ(f.run->exec().errmax, 0.003);
    EXPECT_EQ(f.dialogs.prompts.at(2).prompt, "Maximum Normalized Convergence Error ");

    // A mistyped exponent is no number either: the value stays, nothing breaks.
    f.dialogs.inputAnswers = {"1E+400", "1E+39"};
    f.run->parameterClicked(4);
    EXPECT_EQ(f.run->exec().endtime, 96.0);
    f.run->parameterClicked(4);
    EXPECT_EQ(f.run->exec().endtime, 96.0);
}

TEST(FrmRun, AOneChunkModelCompletesAfterItsFirstMarker) {
    RunFixture f(Starter::Recording);
    std::string text = readFile(f.modelFile);
    text.replace(text.find("submodels=     2"), 16, "submodels=     1");
    text.replace(text.find("1,2\r\n"), 5, "2\r\n");
    std::ofstream(f.modelFile, std::ios::binary) << text;
    f.setUp();
    f.dialogs.messages.clear();
    f.run->execute();
    ASSERT_EQ(f.recording.starts.size(), 1u);
    // The run works in a scratch folder of its own in Temp; the solver in a folder inside it.
    const std::filesystem::path batch(f.recording.starts[0].batchFile);
    const std::string scratch = batch.parent_path().string();
    EXPECT_EQ(batch.filename(), "project.bat");
    EXPECT_EQ(batch.parent_path().parent_path(), f.file("Temp"));
    EXPECT_EQ(f.recording.starts[0].workingFolder, scratch + "/solver");
    EXPECT_EQ(f.timer.interval(), kMinTimerPeriod);
    EXPECT_EQ(f.run->state().barMax, 1000);
    EXPECT_EQ(f.app.config.DataPath, f.file("STDOUT.1"));

    f.timer.tick(); // the solver is still at work, before its first step
    EXPECT_EQ(f.run->state().barValue, 0);
    std::ofstream(scratch + "/STDOUT.1", std::ios::binary)
        << "grid ...\r\nstep 3  t= 9 h  dt= 3 h\r\n";
    f.timer.tick();
    EXPECT_EQ(f.run->state().status, "chunk 1 of 1  -  simulated hour 9 of 12");
    EXPECT_EQ(f.run->state().barValue, 750); // the bar follows the simulated hour

    playSolver(f.recording);
    f.timer.tick();
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"Completed all  1 sub-models included."});
    EXPECT_EQ(readFile(f.file("tower.1")), "field\r\n");
    EXPECT_EQ(readFile(f.file("Output/tower.1.out")), "field\r\n");
    EXPECT_EQ(readFile(f.file("TSeries.1")), "1\r\n0,20\r\n");
    EXPECT_EQ(readFile(f.file("Tmax.1")), "tmax\r\n");
    EXPECT_EQ(readFile(f.file("Summary.1")), "summary\r\n");
    EXPECT_NE(readFile(f.file("STDOUT.1")).find("finished"), std::string::npos);
    // Nothing of the run stays but its results.
    EXPECT_FALSE(std::filesystem::exists(scratch));
    for (const char* name : {"Tmax.out", "clrthred.tmp", "project.bat", ".vardex-lock"})
        EXPECT_FALSE(f.app.fs.fileExists(name)) << name;
    EXPECT_FALSE(f.timer.enabled());
    EXPECT_EQ(f.run->state().barValue, 1000);
    EXPECT_FALSE(f.run->state().barVisible);
}

TEST(FrmRun, AChunkThatLeavesNoHistoryFailsNamingItAndCollectsNothingOfIt) {
    RunFixture f(Starter::Recording);
    f.setUp();
    std::ofstream("TSeries.1") << "left by an earlier run";
    f.dialogs.messages.clear();
    f.run->execute();
    // An earlier run's results for these chunks go before the first chunk starts.
    EXPECT_FALSE(f.app.fs.fileExists("TSeries.1"));
    const std::string scratch =
        std::filesystem::path(f.recording.starts[0].batchFile).parent_path().string();
    playSolver(f.recording, false);
    f.timer.tick();
    ASSERT_EQ(f.recording.starts.size(), 1u);
    EXPECT_EQ(f.run->outcome(), RunOutcome::Failed);
    EXPECT_EQ(f.run->failure(),
              "chunk 1 of 2: its results could not be collected: the solver left no Center.out");
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "The solver stopped on chunk 1 of 2:\r\nits results could not be collected: the "
              "solver left no Center.out\r\nIts log: " +
                  f.file("STDOUT.1"));
    for (const char* name : {"tower.1", "Tmax.1", "Summary.1", "TSeries.1"})
        EXPECT_FALSE(f.app.fs.fileExists(name)) << name;
    EXPECT_FALSE(std::filesystem::exists(scratch));
    EXPECT_TRUE(f.run->itemUsable("mnuExecute"));
}

TEST(FrmRun, EachChunkRunsInAFreshSolverFolderAndIsCollectedBeforeTheNextStarts) {
    RunFixture f(Starter::Recording);
    f.setUp();
    std::vector<int> done;
    f.run->onChunkDone = [&](int chunk) { done.push_back(chunk); };
    f.run->execute();
    playSolver(f.recording);
    f.timer.tick();
    ASSERT_EQ(f.recording.starts.size(), 2u);
    EXPECT_EQ(done, std::vector<int>{1});
    EXPECT_TRUE(f.app.fs.fileExists("tower.1"));
    EXPECT_EQ(f.run->runIndex(), 2);
    EXPECT_EQ(f.run->state().status, "chunk 2 of 2");
    // The bar shows the finished chunk at once, before the next tick.
    EXPECT_EQ(f.run->state().barValue, 500);
    // Chunk 1's outputs went with it: chunk 2 can only deliver its own.
    EXPECT_TRUE(std::filesystem::is_empty(f.recording.starts[1].workingFolder));
    playSolver(f.recording);
    f.timer.tick();
    EXPECT_EQ(done, (std::vector<int>{1, 2}));
    EXPECT_TRUE(f.app.fs.fileExists("TSeries.2"));
    EXPECT_TRUE(f.dialogs.shown("Completed all  2 sub-models included."));
}

TEST(FrmRun, ClosingDuringARunAsksAndStopsTheSolverOnlyOnYes) {
    RunFixture f(Starter::Recording);
    f.setUp();
    f.run->execute();
    f.dialogs.yesNoAnswers = {false};
    EXPECT_FALSE(f.run->queryClose());
    EXPECT_EQ(f.dialogs.messages.back().title, "Run / View  Model");
    EXPECT_EQ(f.recording.stops, 0);
    EXPECT_TRUE(f.timer.enabled());
    EXPECT_TRUE(f.run->runOutstanding());

    bool closed = false;
    f.run->onClose = [&] { closed = true; };
    f.dialogs.yesNoAnswers = {true};
    f.run->exitWindow();
    EXPECT_TRUE(closed);
    EXPECT_EQ(f.recording.stops, 1);
    EXPECT_FALSE(f.timer.enabled());
    EXPECT_FALSE(f.run->runOutstanding());
}

TEST(FrmRun, AProgramThatEndsWithoutAMarkerIsReportedOnTheNextTick) {
    RunFixture f(Starter::Recording);
    f.setUp();
    f.dialogs.messages.clear();
    f.run->execute();
    f.recording.programs.back()->exit(3);
    f.timer.tick();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "The solver stopped on chunk 1 of 2:\r\nit ended without reporting a result "
              "(exit status 3)");
    EXPECT_FALSE(f.timer.enabled());
    EXPECT_TRUE(f.run->itemUsable("mnuExecute"));
    EXPECT_TRUE(menuEnabled(*f.run, "mnuData"));
}

TEST(FrmRun, AProgramThatEndsWithoutAMarkerButLoggedWhyIsReportedWithThatReason) {
    RunFixture f(Starter::Recording);
    f.setUp();
    f.dialogs.messages.clear();
    f.run->execute();
    // A full disk took the log's last line but not the marker.
    std::ofstream(namedByBatch(f.recording, logOf(f.recording.starts[0].batchText)),
                  std::ios::binary)
        << "step 1  t= 3 h\r\nFAILED: cannot write Center.out: No space left on device\r\n";
    f.recording.programs.back()->exit(1);
    f.timer.tick();
    EXPECT_EQ(f.run->failure(), "chunk 1 of 2: it ended without reporting a result (exit status "
                                "1): cannot write Center.out: No space left on device");
}

TEST(FrmRun, StoppingARunEndsTheSolverAndLeavesNothingOfItsChunk) {
    RunFixture f(Starter::Recording);
    f.setUp();
    f.run->execute();
    playSolver(f.recording);
    f.timer.tick();
    ASSERT_EQ(f.recording.starts.size(), 2u);
    const std::string solverFolder = f.recording.starts[1].workingFolder;
    std::ofstream(solverFolder + "/Tmax.out") << "half a chunk";
    f.run->stop("stopped by signal 15 (Terminated)");
    EXPECT_EQ(f.recording.stops, 1);
    EXPECT_FALSE(f.run->runOutstanding());
    EXPECT_EQ(f.run->outcome(), RunOutcome::Stopped);
    EXPECT_EQ(f.run->failure(), "chunk 2 of 2: stopped by signal 15 (Terminated)");
    EXPECT_TRUE(f.app.fs.fileExists("tower.1"));
    for (const char* name : {"tower.2", "Tmax.2", "TSeries.2", "Summary.2", "stdout.2"})
        EXPECT_FALSE(f.app.fs.fileExists(name)) << name;
    EXPECT_TRUE(std::filesystem::is_empty(f.file("Temp")));
    EXPECT_TRUE(f.run->itemUsable("mnuExecute"));
}

// Ready to execute, with the windows that show results there.
void setUpWithResultWindows(RunFixture& f) {
    f.setUp();
    f.run->showModelDisplay = [] {};
    f.run->showHistories = [] {};
    f.run->showLimits = [] {};
}

TEST(FrmRun, TheStopButtonKeepsFinishedChunksAndShowsNoResultsOfTheStoppedRun) {
    RunFixture f(Starter::Recording);
    setUpWithResultWindows(f);
    f.run->execute();
    playSolver(f.recording);
    f.timer.tick();
    f.run->stopRun();
    EXPECT_EQ(f.recording.stops, 1);
    EXPECT_EQ(f.run->outcome(), RunOutcome::Stopped);
    EXPECT_EQ(f.run->failure(), "chunk 2 of 2: stopped by the user");
    EXPECT_EQ(f.run->state().status, "chunk 2 of 2 stopped");
    EXPECT_TRUE(f.app.fs.fileExists("tower.1"));
    EXPECT_FALSE(f.app.fs.fileExists("tower.2"));
    for (const char* item : {"mnuModelDisplay", "mnuHistories", "mnuLimits"}) {
        EXPECT_FALSE(f.run->itemUsable(item)) << item;
        EXPECT_EQ(f.run->itemTip(item),
                  "The last run ended on chunk 2 of 2 before its results were complete.");
    }
    // Opened again, the model finds chunk 1 of the stopped run and not a whole run.
    f.openModel();
    EXPECT_FALSE(f.run->resultsFound());
    EXPECT_FALSE(f.run->itemUsable("mnuHistories"));
}

TEST(FrmRun, OpeningAModelWhoseWholeRunIsThereOffersItsResultsAtOnce) {
    RunFixture f(Starter::Recording);
    setUpWithResultWindows(f);
    f.run->execute();
    // The results of the earlier run go before the new one starts.
    EXPECT_FALSE(f.run->itemUsable("mnuHistories"));
    for (int chunk = 1; chunk <= 2; ++chunk) {
        playSolver(f.recording);
        f.timer.tick();
    }
    ASSERT_EQ(f.run->outcome(), RunOutcome::Completed);
    EXPECT_TRUE(f.run->itemUsable("mnuModelDisplay"));

    // A fresh window (as after a restart) opening the same model.
    f.run->load();
    EXPECT_FALSE(f.run->itemUsable("mnuHistories"));
    f.openModel();
    EXPECT_TRUE(f.run->resultsFound());
    EXPECT_EQ(f.run->viewMode(), "model");
    EXPECT_EQ(f.run->runName(), "tower");
    for (const char* item : {"mnuModelDisplay", "mnuHistories", "mnuLimits"})
        EXPECT_TRUE(f.run->itemUsable(item)) << item;

    // Saved again after the run, the model's results are no longer its own.
    std::filesystem::last_write_time(f.modelFile, std::filesystem::file_time_type::clock::now() +
                                                      std::chrono::hours(1));
    f.openModel();
    EXPECT_FALSE(f.run->resultsFound());
    EXPECT_FALSE(f.run->itemUsable("mnuLimits"));
}

class FrmRunRefusal : public ::testing::TestWithParam<char> {};

TEST_P(FrmRunRefusal, ASolverPathTheBatchFileCannotCarryIsRefusedBeforeAnythingIsWritten) {
    RunFixture f(Starter::Recording);
    f.setUp();
    const std::string odd = std::string("odd") + GetParam() + "name";
    std::filesystem::create_directories(f.file(odd));
    f.app.config.ProgramPath = f.file(odd + "/zolter");
    f.dialogs.messages.clear();
    f.run->execute();

    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, batchPathProblem(f.app.config.ProgramPath));
    EXPECT_EQ(f.dialogs.messages[0].title, "Run / View  Model");
    EXPECT_EQ(f.run->outcome(), RunOutcome::Refused);
    EXPECT_EQ(f.run->failure(), f.dialogs.messages[0].text);
    EXPECT_TRUE(f.recording.starts.empty());
    EXPECT_TRUE(std::filesystem::is_empty(f.file("Temp")));
    EXPECT_FALSE(f.app.fs.fileExists(FolderLock::kFileName));
    EXPECT_FALSE(f.timer.enabled());
    EXPECT_TRUE(f.run->itemUsable("mnuExecute"));
}

INSTANTIATE_TEST_SUITE_P(EachCharacter, FrmRunRefusal, ::testing::Values('"', '%'),
                         [](const auto& info) {
                             return std::string(info.param == '"' ? "DoubleQuote" : "Percent");
                         });

TEST(FrmRun, AQuoteOrPercentInTheTempOrCurrentFolderStaysOutOfTheBatchFile) {
    RunFixture f(Starter::Recording);
    f.setUp();
    const std::string odd = f.file("odd\"%name");
    std::filesystem::create_directories(odd + "/Temp");
    f.app.config.TempDir = odd + "/Temp";
    f.cwd.reset();
    f.cwd.emplace(odd);
    f.run->execute();
    ASSERT_EQ(f.recording.starts.size(), 1u) << ::testing::PrintToString(f.dialogs.messageTexts());
    const std::string batch = f.recording.starts[0].batchText;
    EXPECT_EQ(batch.find("odd"), std::string::npos) << batch;
    playSolver(f.recording);
    f.timer.tick();
    playSolver(f.recording);
    f.timer.tick();
    EXPECT_EQ(f.run->outcome(), RunOutcome::Completed);
    EXPECT_EQ(readFile(odd + "/tower.2"), "field\r\n");
}

} // namespace
} // namespace vardex
