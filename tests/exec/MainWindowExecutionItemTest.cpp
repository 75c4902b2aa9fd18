// The main window's "Model &Execution/output" item and the question before Exit.

#include <gtest/gtest.h>

#include "app/HomeSetup.h"
#include "exec/frmRun.h"
#include "mainwindow/Startup.h"
#include "platform/ManualTimer.h"
#include "platform/PosixProgramStarter.h"
#include "support/MainWindowFixture.h"

namespace vardex {
namespace {

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
