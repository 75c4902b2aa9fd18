// The main window's "Model &Execution/output" item and the question before Exit.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "app/HomeSetup.h"
#include "exec/RunFiles.h"
#include "exec/frmRun.h"
#include "mainwindow/Startup.h"
#include "platform/ManualTimer.h"
#include "platform/PosixProgramStarter.h"
#include "support/CurrentFolder.h"
#include "support/Doubles.h"
#include "support/MainWindowFixture.h"

namespace vardex {
namespace {

// A home as the first start makes it, the program working in it (where a run's results land),
// before the program starts; its execution window is there to be shown.
struct ExampleHome {
    testing::TempDir home;
    testing::CurrentFolder cwd{home.path()};
    ExampleHome() {
        setUpHome(FileSystem{}, home.path(), {VARDEX_EXAMPLES_DIR, home.file("program/zolter")});
        home.write("program/zolter", "");
    }
};

struct StartedInExampleHome : ExampleHome {
    testing::ScriptedDialogs dialogs;
    AppState app{dialogs, {home.path()}};
    testing::RecordingSettingsStore settings;
    mdifrmMain main{app, settings};
    testing::RecordingProgramStarter starter;
    ManualTimer timer;
    frmRun run{app, starter, timer};
    std::string model = home.file("data/pier.mod");
    int windowsShown = 0;

    StartedInExampleHome() {
        // As the desktop program composes them: the result windows are there to open.
        run.showModelDisplay = [] {};
        run.showHistories = [] {};
        run.showLimits = [] {};
        run.load();
        main.showExecutionWindow = [this] {
            ++windowsShown;
            return &run;
        };
        main.executionWindow = [this] { return windowsShown > 0 ? &run : nullptr; };
    }

    // The files a whole run of the example's three chunks leaves, written after the model.
    void writeWholeRun(int chunks = 3) {
        const auto later = std::filesystem::last_write_time(model) + std::chrono::seconds(5);
        for (int n = 1; n <= chunks; ++n)
            for (const std::string& name : {chunkFieldName("pier", n), chunkHistoryName(n),
                                            chunkHighestName(n), chunkSummaryName(n)}) {
                home.write(name, "1\r\n");
                std::filesystem::last_write_time(home.file(name), later);
            }
    }

    bool resultsOffered() const {
        for (const char* item : {"mnuModelDisplay", "mnuHistories", "mnuLimits"})
            if (!run.itemUsable(item)) return false;
        return run.resultsFound();
    }
};

// Started with a model whose whole run is there, the execution window opens the model with its
// display, histories and limits at once; a run older than the model or short of a chunk is not
// offered.
TEST(MainWindowExecutionItem, AModelNamedAtStartBringsItsWholeRunIntoTheExecutionWindow) {
    StartedInExampleHome f;
    f.writeWholeRun();
    startVardex(f.app, f.main, {}, f.model);
    EXPECT_EQ(f.windowsShown, 0);
    f.main.openExecutionWindow();
    EXPECT_EQ(f.windowsShown, 1);
    EXPECT_EQ(f.run.state().txtModfile, f.model);
    EXPECT_EQ(f.run.chunkCount(), 3);
    EXPECT_TRUE(f.resultsOffered());
    EXPECT_EQ(f.run.viewMode(), "model");
    EXPECT_EQ(f.run.runName(), "pier");
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.messages.at(0).text;

    // Saved again after its run, the model's results are no longer its own.
    std::filesystem::last_write_time(f.model, std::filesystem::last_write_time(f.model) +
                                                  std::chrono::hours(1));
    f.main.openModelFile(f.model);
    f.main.openExecutionWindow();
    EXPECT_FALSE(f.resultsOffered());
    EXPECT_TRUE(f.run.itemUsable("mnuSource"));

    // A run that ended before its last chunk.
    f.writeWholeRun(2);
    std::filesystem::remove(f.home.file(chunkFieldName("pier", 3)));
    f.main.openModelFile(f.model);
    f.main.openExecutionWindow();
    EXPECT_FALSE(f.resultsOffered());
    EXPECT_EQ(f.run.itemTip("mnuHistories"),
              "No complete run of the model: " + f.home.file(chunkFieldName("pier", 3)) +
                  " is missing.");
}

// A model opened in the main window by a path relative to the working folder opens there too.
TEST(MainWindowExecutionItem, AModelOpenedInTheMainWindowByARelativePathShowsItsResults) {
    StartedInExampleHome f;
    f.writeWholeRun();
    startVardex(f.app, f.main, {});
    f.main.openModelFile("data/pier.mod");
    f.main.openExecutionWindow();
    EXPECT_EQ(f.run.state().txtModfile, f.model);
    EXPECT_TRUE(f.resultsOffered());
    // A model closed in the main window is not opened by the item.
    f.run.load();
    f.main.closeModel();
    f.main.openExecutionWindow();
    EXPECT_TRUE(f.run.state().txtModfile.empty());
}

// The execution window holding a set-up of the same model keeps it; a run under way keeps its
// model and the lists it works from.
TEST(MainWindowExecutionItem, ASetUpOrARunInTheExecutionWindowIsKept) {
    StartedInExampleHome f;
    startVardex(f.app, f.main, {}, f.home.file("data/pier.vrs"));
    ASSERT_TRUE(f.run.itemUsable("mnuExecute"));
    const RunSetup before = f.run.currentSetup();

    f.main.openModelFile(f.model);
    f.main.openExecutionWindow();
    EXPECT_TRUE(f.run.itemUsable("mnuExecute"));
    EXPECT_EQ(f.run.currentSetup().source.placement, before.source.placement);
    EXPECT_EQ(f.run.currentSetup().endtime, before.endtime);

    f.run.execute();
    ASSERT_TRUE(f.run.runOutstanding());
    const int types = f.app.submodelList.count();
    f.main.openExecutionWindow();
    EXPECT_TRUE(f.run.runOutstanding());
    EXPECT_EQ(f.app.submodelList.count(), types);
    EXPECT_EQ(f.windowsShown, 3);
}

TEST(MainWindowExecutionItem, OpensTheWindowWithTheBuilderPutAway) {
    testing::MainWindowFixture f;
    f.main.newModel();
    f.app.chunkList = {1, 1};
    int shown = 0;
    f.main.showExecutionWindow = [&]() -> frmRun* {
        ++shown;
        return nullptr;
    };
    EXPECT_TRUE(
        findMenuItem(const_cast<std::vector<MenuState>&>(f.main.state().menus), "mnupromodel")
            ->enabled);
    f.main.openExecutionWindow();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(f.main.state().panelVisible);
    EXPECT_FALSE(f.main.state().builderActive);
    EXPECT_TRUE(f.app.chunkList.empty());
}

TEST(MainWindowExecutionItem, ExitStaysWhenAChildWindowRefusesToClose) {
    testing::MainWindowFixture f;
    bool quit = false;
    f.main.onQuit = [&] { quit = true; };
    f.main.mayQuit = [] { return false; };
    f.main.exitProgram();
    EXPECT_FALSE(quit);
    f.main.mayQuit = [] { return true; };
    f.main.exitProgram();
    EXPECT_TRUE(quit);
}

// A double click on a run set-up starts Vardex with it: the set-up opens in the execution window,
// ready to execute; a model file still opens in the builder.
TEST(MainWindowExecutionItem, ARunSetupNamedAtStartOpensReadyToExecute) {
    testing::MainWindowFixture f;
    setUpHome(f.app.fs, f.home.path(), {VARDEX_EXAMPLES_DIR, f.home.file("program/target")});
    PosixProgramStarter starter;
    ManualTimer timer;
    frmRun run(f.app, starter, timer);
    f.main.showExecutionWindow = [&] { return &run; };

    startVardex(f.app, f.main, {}, f.home.file("data/pier.vrs"));
    EXPECT_EQ(run.chunkCount(), 3);
    EXPECT_EQ(run.state().txtModfile, f.home.file("data/pier.mod"));
    EXPECT_TRUE(run.itemUsable("mnuExecute"));
    EXPECT_FALSE(f.main.state().panelVisible);

    testing::MainWindowFixture other;
    setUpHome(other.app.fs, other.home.path(), {VARDEX_EXAMPLES_DIR, ""});
    int shown = 0;
    other.main.showExecutionWindow = [&]() -> frmRun* {
        ++shown;
        return nullptr;
    };
    startVardex(other.app, other.main, {}, other.home.file("data/pier.mod"));
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(other.main.state().modelFilePath, other.home.file("data/pier.mod"));
}

} // namespace
} // namespace vardex
