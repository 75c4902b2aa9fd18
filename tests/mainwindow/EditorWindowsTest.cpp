#include "mainwindow/EditorWindows.h"

#include <gtest/gtest.h>

#include "mainwindow/mdifrmMain.h"
#include "materials/Ccomp.h"
#include "materials/MaterialsEditor.h"
#include "section/SectionEditor.h"
#include "submodel/frm2.h"
#include "support/MainWindowFixture.h"

namespace vardex {
namespace {

struct Fixture : testing::MainWindowFixture {
    EditorWindows& editors = main.editors();
    std::vector<EditorKind> shown;
    Fixture() {
        app.config.materialfile = home.file("none.mts");
        editors.onShow = [this](EditorKind kind) { shown.push_back(kind); };
    }
    // A model being built: one type and one chunk, not saved.
    void buildModel() {
        main.newModel();
        dialogs.fileAnswers.push_back(writeProfile("Pier", 2));
        dialogs.colorAnswers.push_back(255);
        dialogs.inputAnswers.push_back("10");
        builder.addType();
        builder.mouseUp(50, 495);
        dialogs.messages.clear();
    }
};

TEST(EditorWindows, AnEditorHidesThePanelAndEmptiesTheModelsLists) {
    Fixture f;
    f.buildModel();
    f.main.modelNameClicked();
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
    f.editors.openMaterialsEditor();
    EXPECT_EQ(f.dialogs.messages.at(0).text, "Save the model before it is cleared?");
    EXPECT_EQ(f.shown, std::vector<EditorKind>{EditorKind::Materials});
    const MainWindowState& w = f.main.state();
    EXPECT_FALSE(w.panelVisible);
    EXPECT_FALSE(w.builderActive);
    EXPECT_FALSE(findMenuItem(const_cast<MainWindowState&>(w).menus, "mnufilesaveas")->enabled);
    EXPECT_TRUE(f.app.submodelList.empty());
    EXPECT_TRUE(f.app.chunkList.empty());
    EXPECT_TRUE(w.cboprofilename.items.empty());
    ASSERT_NE(f.editors.materials(), nullptr);
    EXPECT_EQ(f.editors.materials()->state().caption, "Materials  --  SI units");
}

TEST(EditorWindows, CancelKeepsAnUnsavedModelAndNoEditorOpens) {
    Fixture f;
    f.buildModel();
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
    f.editors.openSubmodelEditor();
    EXPECT_TRUE(f.shown.empty());
    EXPECT_EQ(f.editors.submodel(), nullptr);
    EXPECT_TRUE(f.main.state().panelVisible);
    EXPECT_EQ(f.app.chunkList.size(), 1u);
    EXPECT_EQ(f.main.state().cboprofilename.items, std::vector<std::string>{"Pier"});
}

TEST(EditorWindows, TheSubmodelHintFollowsTheLastSubmodelRead) {
    Fixture f;
    f.editors.openSubmodelEditor();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "Please Open a sub-model file,  or \r\nEnter the number of Z-zones, and either a DZ "
              "or\r\na vertical submodel length\r\n[you may tab through the dimension settings].");
    EXPECT_EQ(f.dialogs.messages[0].title, "Sub-Model File?");
    // An empty window has incomplete layers too: it asks before it goes.
    f.dialogs.yesNoAnswers = {true};
    ASSERT_TRUE(f.editors.submodel()->close());
    EXPECT_EQ(f.dialogs.messages.back().text, "Proceed to exit?");

    f.app.lastSubmodelNx = 5;
    f.app.lastSubmodelNz = 2;
    f.dialogs.messages.clear();
    f.editors.openSubmodelEditor();
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(EditorWindows, ExitWaitsForAnEditorHoldingUnsavedWork) {
    Fixture f;
    bool quit = false;
    f.main.onQuit = [&] { quit = true; };
    f.editors.openMaterialsEditor();
    f.dialogs.inputAnswers = {"Grout", "1", "1", "1", "1"};
    f.editors.materials()->addMaterial();
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
    f.main.exitProgram();
    EXPECT_FALSE(quit);
    ASSERT_NE(f.editors.materials(), nullptr);
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
    f.main.exitProgram();
    EXPECT_TRUE(quit);
    EXPECT_EQ(f.editors.materials(), nullptr);
}

TEST(EditorWindows, ChoosingAnOpenEditorAgainBringsTheSameWindowForward) {
    Fixture f;
    f.editors.openSectionEditor(); // no materials file: asks, and closes on Cancel
    EXPECT_EQ(f.editors.section(), nullptr);
    f.dialogs.fileAnswers = {f.home.write("site.mts", "x\r\nlistcount= 0\r\n")};
    f.editors.openSectionEditor();
    ASSERT_NE(f.editors.section(), nullptr);
    const SectionEditor* open = f.editors.section();
    f.editors.openSectionEditor();
    EXPECT_EQ(f.editors.section(), open);
    EXPECT_EQ(f.shown.back(), EditorKind::Section);
}

TEST(EditorWindows, TheSubmodelEditorOpensTheSectionEditorWithoutClearingItsLists) {
    Fixture f;
    f.editors.openSubmodelEditor();
    f.app.currentSubmodelName = "Pier";
    f.editors.submodel()->openSectionEditor();
    EXPECT_EQ(f.shown, (std::vector<EditorKind>{EditorKind::Submodel, EditorKind::Section}));
    EXPECT_EQ(f.app.currentSubmodelName, "Pier");
    ASSERT_NE(f.editors.submodel(), nullptr);
}

} // namespace
} // namespace vardex
