#include "mainwindow/mdifrmMain.h"

#include <gtest/gtest.h>

#include "support/Doubles.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

struct MainFixture {
    testing::TempDir home;
    testing::ScriptedDialogs dialogs;
    testing::RecordingSettingsStore settings;
    AppState app{dialogs, {home.path()}};
    mdifrmMain main{app, settings};
    MainFixture() { dialogs.messages.clear(); }
};

TEST(MainWindow, LoadHidesThePanelAndResetsTheDisplays) {
    MainFixture f;
    f.app.config.UserDir = "/u";
    f.app.chunkList = {1, 2};
    f.main.load();
    const MainWindowState& s = f.main.state();
    EXPECT_EQ(s.caption, "Integrated Model");
    EXPECT_FALSE(s.panelVisible);
    EXPECT_FALSE(s.panelEnabled);
    EXPECT_FALSE(s.builderActive);
    EXPECT_TRUE(s.saved);
    EXPECT_EQ(s.messageTitle, "Model");
    EXPECT_EQ(s.fileDialogInitialDir, "/u");
    EXPECT_EQ(s.txtModLength, "0");
    EXPECT_EQ(s.txtTotChunks, "0");
    EXPECT_EQ(s.txtnumgeotypes, "0");
    for (const LabelState& l : s.lblPz) {
        EXPECT_EQ(l.caption, "0");
        EXPECT_FALSE(l.visible);
    }
    EXPECT_TRUE(f.app.chunkList.empty());
    auto menus = s.menus;
    EXPECT_FALSE(findMenuItem(menus, "mnufilesaveas")->enabled);
}

TEST(MainWindow, EveryMenuItemHasItsCaption) {
    MainFixture f;
    auto menus = f.main.state().menus;
    std::vector<std::pair<const char*, const char*>> expected{
        {"mnufilenew", "&New model"},
        {"mnufileopen", "&Open model"},
        {"mnufileSave", "&Save model"},
        {"mnufilesaveas", "Save model &as"},
        {"mnufileclose", "&Close model"},
        {"mnuproMaterials", "&Materials editor"},
        {"mnusection", "Section &Geometry editor"},
        {"mnuProGeom", "&Sub-Model editor"},
        {"mnupromodel", "Model &Execution/output"},
        {"mnuUnitsEnslish", "&English "},
        {"mnuUnitsSI", "&SI  (mks)"},
        {"mnuNewModel", "&New model"},
        {"mnuOpenModel", "&Open Model"},
        {"mnuExit", "E&xit"}};
    for (auto [name, caption] : expected) {
        ASSERT_NE(findMenuItem(menus, name), nullptr) << name;
        EXPECT_EQ(findMenuItem(menus, name)->caption, caption);
    }
    EXPECT_EQ(findMenu(menus, "mnuHelp")->caption, "&Help");
    // The output is specified in the execution window; no item here pretends to.
    EXPECT_EQ(findMenuItem(menus, "mnuSpecOutput"), nullptr);
}

TEST(MainWindow, TheUnitsMenuSetsTheProgramsUnitsAndTheNextStartKeepsThem) {
    MainFixture f;
    f.main.load();
    auto checked = [&](const char* item) {
        auto menus = f.main.state().menus;
        return findMenuItem(menus, item)->checked;
    };
    EXPECT_TRUE(checked("mnuUnitsSI"));
    EXPECT_FALSE(checked("mnuUnitsEnslish"));
    f.main.setUnits(UnitSystem::US);
    EXPECT_TRUE(f.app.units.us());
    EXPECT_TRUE(checked("mnuUnitsEnslish"));
    EXPECT_FALSE(checked("mnuUnitsSI"));
    // Another window switching back shows here too.
    f.app.units.set(UnitSystem::SI);
    EXPECT_TRUE(checked("mnuUnitsSI"));
    f.main.setUnits(UnitSystem::US);

    // The next start, with the same settings store.
    testing::ScriptedDialogs dialogs;
    AppState app{dialogs, {f.home.path()}};
    mdifrmMain next{app, f.settings};
    next.load();
    EXPECT_TRUE(app.units.us());
    auto menus = next.state().menus;
    EXPECT_TRUE(findMenuItem(menus, "mnuUnitsEnslish")->checked);
}

TEST(MainWindow, CloseModelOffersToSaveAndCancelKeepsTheModel) {
    MainFixture f;
    f.main.load();
    f.main.newModel();
    f.dialogs.inputAnswers = {"pier"};
    f.main.modelNameClicked(); // a change not saved
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
    f.main.closeModel();
    EXPECT_TRUE(f.main.state().panelVisible);
    EXPECT_EQ(f.main.state().modelName, "pier");
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
    f.main.closeModel();
    EXPECT_FALSE(f.main.state().panelVisible);
    EXPECT_EQ(f.main.state().modelName, "");
    EXPECT_TRUE(f.main.state().saved);
}

TEST(MainWindow, ModelNameBoxKeepsTheOldNameOnAnEmptyAnswer) {
    MainFixture f;
    f.main.act([](ModelBuilder&) {});
    f.dialogs.inputAnswers = {"old"};
    f.main.modelNameClicked();
    f.dialogs.prompts.clear();
    f.dialogs.inputAnswers = {"", "Pier 4"};
    f.main.modelNameClicked();
    EXPECT_EQ(f.main.state().modelName, "old");
    f.main.modelNameClicked();
    EXPECT_EQ(f.main.state().modelName, "Pier 4");
    EXPECT_EQ(f.main.state().txtmodelName, "Pier 4");
    EXPECT_FALSE(f.main.state().saved);
    ASSERT_EQ(f.dialogs.prompts.size(), 2u);
    EXPECT_EQ(f.dialogs.prompts[1].prompt, "Enter a descriptive Model name\r\n<CR> keeps old name");
    EXPECT_EQ(f.dialogs.prompts[1].title, "model name");
    EXPECT_EQ(f.dialogs.prompts[1].defaultText, "old");
}

TEST(MainWindow, UnloadStoresThePlacementUnlessMinimized) {
    MainFixture f;
    f.main.unload({10, 20, 800.5, 600}, true);
    EXPECT_TRUE(f.settings.values.empty());
    f.main.unload({10, 20, 800.5, 600}, false);
    EXPECT_EQ(f.settings.values["Vardex/Settings/MainLeft"], " 10");
    EXPECT_EQ(f.settings.values["Vardex/Settings/MainTop"], " 20");
    EXPECT_EQ(f.settings.values["Vardex/Settings/MainWidth"], " 800.5");
    EXPECT_EQ(f.settings.values["Vardex/Settings/MainHeight"], " 600");
}

TEST(MainWindow, ThePlacementStoredAtUnloadIsRestoredAtTheNextStart) {
    MainFixture f;
    EXPECT_FALSE(f.main.storedPlacement());
    f.main.unload({10, 20, 800.5, 600}, false);
    mdifrmMain next(f.app, f.settings);
    std::optional<WindowPlacement> p = next.storedPlacement();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->left, 10);
    EXPECT_EQ(p->top, 20);
    EXPECT_EQ(p->width, 800.5);
    EXPECT_EQ(p->height, 600);
    // A damaged value is no placement at all.
    f.settings.values["Vardex/Settings/MainWidth"] = "wide";
    EXPECT_FALSE(next.storedPlacement());
}

TEST(MainWindow, ExitWithoutChangesRemembersTheModelFolderEmptiesTheListsAndQuits) {
    MainFixture f;
    f.app.config.testing = true; // keep the configuration file out of it
    f.app.chunkList = {1};
    bool quit = false;
    f.main.onQuit = [&] { quit = true; };
    f.main.exitProgram();
    EXPECT_TRUE(quit);
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_TRUE(f.app.chunkList.empty());
    // Once agreed, the window's own close follows without asking again.
    EXPECT_TRUE(f.main.closeRequested());
}

} // namespace
} // namespace vardex
