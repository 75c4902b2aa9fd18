// The main window's "Model &Execution/output" item and the question before Exit.

#include <gtest/gtest.h>

#include "support/MainWindowFixture.h"

namespace vardex {
namespace {

TEST(MainWindowExecutionItem, OpensTheWindowWithTheBuilderPutAway) {
    testing::MainWindowFixture f;
    f.main.newModel();
    f.app.chunkList = {1, 1};
    int shown = 0;
    f.main.showExecutionWindow = [&] { ++shown; };
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

} // namespace
} // namespace vardex
