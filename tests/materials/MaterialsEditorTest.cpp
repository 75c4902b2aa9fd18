#include "materials/MaterialsEditor.h"

#include <gtest/gtest.h>

#include "materials/MaterialsEditorList.h"
#include "materials/MaterialsFile.h"
#include "platform/Canvas.h"
#include "support/AppFixture.h"
#include "support/Materials.h"

namespace vardex {
namespace {

struct EditorFixture : testing::AppFixture {
    MaterialsEditor editor{app};
    std::string path = home.file("data/site.mts");

    EditorFixture() {
        app.config.testing = true;
        SaveFile(app, path, testing::threeMaterials());
        app.config.materialfile = path;
        editor.windowOpens();
        dialogs.messages.clear();
    }
    // A material added in an editor opened without a materials file.
    void groutWithoutFile(MaterialsEditor& fresh) {
        app.config.materialfile.clear();
        fresh.windowOpens(); // the reader's open dialog, cancelled
        dialogs.inputAnswers = {"Grout", "1", "1", "1", "1"};
        fresh.addMaterial();
    }
    const Material& material(int k) const { return editor.state().list.materials.at(k - 1); }
    std::vector<Material> readBack() {
        MaterialsEditorList list;
        EXPECT_TRUE(read_MaterialList(app, list, path));
        return list.materials;
    }
};

TEST(MaterialsEditor, OpensOnTheConfiguredFileShowingTheFirstMaterial) {
    EditorFixture f;
    const MaterialsEditorState& s = f.editor.state();
    EXPECT_EQ(s.cboMaterials.items,
              (std::vector<std::string>{"Concrete", "Plywood form", "Steel"}));
    EXPECT_EQ(s.cboMaterials.listIndex, 0);
    EXPECT_EQ(s.txtConductivity, "1.8");
    EXPECT_EQ(s.txtHeat, "0.9");
    EXPECT_TRUE(s.optFill);
    EXPECT_FALSE(s.sizeEnabled);
    EXPECT_FALSE(s.geometryVisible);
    EXPECT_EQ(s.shpColor, kNewMaterialColor);
}

TEST(MaterialsEditor, RenamingKeepsThePropertiesAndIsSavedOnClose) {
    EditorFixture f;
    f.editor.listSelected(2);
    f.dialogs.inputAnswers = {"Rebar"};
    f.editor.listTextEdited();
    EXPECT_EQ(f.dialogs.prompts.back().prompt, "Enter / change the material label:");
    EXPECT_EQ(f.dialogs.prompts.back().title, "Materials");
    EXPECT_EQ(f.dialogs.prompts.back().defaultText, "Steel");
    Material expected = testing::threeMaterials()[2];
    expected.name = "Rebar";
    EXPECT_EQ(f.material(3), expected);

    // Renaming by recording: the typed values are taken, the name prompt renames.
    f.editor.listSelected(0);
    f.editor.propertyBoxChanged(MaterialBox::Density, "2500");
    f.dialogs.inputAnswers = {"Mass concrete"};
    f.editor.recordPropertyChange();
    EXPECT_EQ(f.dialogs.prompts.back().prompt,
              "Replacement name for material  (<CR> to keep)\r\n\r\nConcrete");
    EXPECT_EQ(f.dialogs.prompts.back().title, "Material Name");
    EXPECT_EQ(f.material(1).name, "Mass concrete");
    EXPECT_FLOAT_EQ(f.material(1).density, 2500.0f);
    EXPECT_FLOAT_EQ(f.material(1).conductivity, 1.8f);
    EXPECT_EQ(f.editor.state().cboMaterials.items[0], "Mass concrete");

    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(f.editor.menuClose());
    std::vector<Material> saved = f.readBack();
    EXPECT_EQ(saved[2], expected);
    EXPECT_EQ(saved[0].name, "Mass concrete");
    EXPECT_FLOAT_EQ(saved[0].heatProduction, 0.9f);
}

TEST(MaterialsEditor, HeatProductionAboveTwoIsRecordedAsOne) {
    EditorFixture f;
    f.editor.propertyBoxChanged(MaterialBox::HeatProduction, "5");
    f.editor.recordPropertyChange();
    EXPECT_EQ(f.editor.state().txtHeat, "1");
    EXPECT_FLOAT_EQ(f.material(1).heatProduction, 1.0f);
    EXPECT_TRUE(f.editor.state().unsaved);
}

TEST(MaterialsEditor, SelectingAnotherMaterialDropsTheTypedValues) {
    EditorFixture f;
    f.editor.propertyBoxChanged(MaterialBox::Conductivity, "9");
    f.editor.listSelected(1);
    f.editor.listSelected(0);
    f.editor.recordPropertyChange();
    EXPECT_FLOAT_EQ(f.material(1).conductivity, 1.8f);
    EXPECT_EQ(f.editor.state().txtConductivity, "1.8");
}

TEST(MaterialsEditor, FormOrientationIsTheSignOfTheCharacteristicSize) {
    EditorFixture f;
    // A fill made a horizontal form: the width is asked for first.
    f.editor.formClicked(true);
    EXPECT_TRUE(f.editor.state().sizeEnabled);
    EXPECT_TRUE(f.editor.state().geometryVisible);
    f.dialogs.inputAnswers = {"0.2", ""};
    f.editor.horizontalClicked();
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "enter a characteristic width");
    EXPECT_EQ(f.dialogs.prompts[0].title, "0");
    EXPECT_EQ(f.dialogs.prompts[1].prompt, "Enter the form's radius of curvature (m)");
    EXPECT_EQ(f.dialogs.prompts[1].title, "Radius");
    EXPECT_TRUE(f.editor.state().radiusVisible);
    EXPECT_FLOAT_EQ(f.material(1).characteristicSize, -0.2f);
    EXPECT_EQ(f.editor.state().txtSize, "0.2");

    // A thickness of 0.3 typed and recorded stays horizontal: written negative, shown positive.
    f.editor.sizeBoxChanged("0.3");
    f.editor.sizeBoxLeft();
    f.editor.recordPropertyChange();
    EXPECT_FLOAT_EQ(f.material(1).characteristicSize, -0.3f);
    EXPECT_TRUE(f.editor.state().optHorizontal);
    EXPECT_TRUE(f.editor.state().optForm);
    EXPECT_EQ(f.editor.state().txtSize, "0.3");
    f.editor.menuSave();
    EXPECT_FLOAT_EQ(f.readBack()[0].characteristicSize, -0.3f);

    f.editor.verticalClicked();
    EXPECT_FLOAT_EQ(f.material(1).characteristicSize, 0.3f);
    f.editor.recordPropertyChange();
    EXPECT_FLOAT_EQ(f.material(1).characteristicSize, 0.3f);

    f.editor.fillClicked(true);
    EXPECT_FLOAT_EQ(f.material(1).characteristicSize, 0.0f);
    EXPECT_TRUE(f.editor.state().optFill);
    EXPECT_FALSE(f.editor.state().geometryVisible);
}

TEST(MaterialsEditor, APropertyThatIsNotAPositiveNumberIsSaidAndAskedAgain) {
    EditorFixture f;
    f.dialogs.inputAnswers = {"Grout", "abc", "1.1", "0", "-1", "0.9", "2100", "0"};
    f.editor.addMaterial();
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "   Enter a unique material name for entry #4");
    EXPECT_EQ(f.dialogs.prompts[0].title, "Material");
    EXPECT_EQ(f.dialogs.messageTexts(),
              (std::vector<std::string>{
                  "\"abc\" is not a usable thermal conductivity: it must be a number above 0.",
                  "\"0\" is not a usable specific heat: it must be a number above 0.",
                  "\"-1\" is not a usable specific heat: it must be a number above 0."}));
    EXPECT_EQ(f.dialogs.messages[0].title, "Material");
    ASSERT_EQ(f.editor.state().list.materials.size(), 4u);
    const Material expected{"Grout", kNewMaterialColor, 1.1f, 0.9f, 2100.0f, 0.0f, 0.0f};
    EXPECT_EQ(f.material(4), expected);
    EXPECT_EQ(f.editor.state().selected, 4);
    EXPECT_TRUE(f.editor.state().unsaved);
}

TEST(MaterialsEditor, CancellingAPropertyAddsNoMaterial) {
    EditorFixture f;
    f.dialogs.inputAnswers = {"Grout", "1.1", "letters", ""};
    f.editor.addMaterial();
    EXPECT_EQ(f.editor.state().list.materials.size(), 3u);
    EXPECT_EQ(f.editor.state().cboMaterials.items.size(), 3u);
    EXPECT_FALSE(f.editor.state().unsaved);
    EXPECT_TRUE(f.editor.menuClose()); // nothing to ask about
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
}

TEST(MaterialsEditor, ABoxWithoutAUsableNumberIsSaidAndNothingIsRecorded) {
    EditorFixture f;
    f.editor.propertyBoxChanged(MaterialBox::Conductivity, "2.2");
    f.editor.propertyBoxChanged(MaterialBox::Density, "heavy");
    f.editor.recordPropertyChange();
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{
                  "\"heavy\" is not a usable density: it must be a number above 0."});
    EXPECT_FLOAT_EQ(f.material(1).conductivity, 1.8f);
    EXPECT_FLOAT_EQ(f.material(1).density, 2400.0f);
    EXPECT_TRUE(f.editor.state().editsPending);
    EXPECT_FALSE(f.editor.state().unsaved);
}

TEST(MaterialsEditor, SaveFileSavesWhatIsShownSoClosingAsksNothing) {
    EditorFixture f;
    f.dialogs.colorAnswers = {rgb(10, 20, 30)};
    f.editor.setMaterialColor();
    f.editor.propertyBoxChanged(MaterialBox::Density, "2500");
    f.dialogs.inputAnswers = {""}; // the name is kept
    f.editor.saveFileClicked();
    EXPECT_FALSE(f.editor.state().editsPending);
    EXPECT_FALSE(f.editor.state().unsaved);
    EXPECT_EQ(f.readBack()[0].color, rgb(10, 20, 30));
    EXPECT_FLOAT_EQ(f.readBack()[0].density, 2500.0f);
    f.dialogs.messages.clear();
    EXPECT_TRUE(f.editor.menuClose());
    EXPECT_TRUE(f.dialogs.messages.empty());

    // Without a file, Save File asks for one.
    MaterialsEditor fresh(f.app);
    f.groutWithoutFile(fresh);
    const std::string path = f.home.file("data/grout");
    f.dialogs.fileAnswers = {path};
    fresh.saveFileClicked();
    EXPECT_TRUE(f.dialogs.fileRequests.back().save);
    EXPECT_EQ(fresh.state().list.fileName, path + ".mts");
    EXPECT_FALSE(fresh.state().unsaved);
}

TEST(MaterialsEditor, ClosingOverUnsavedWorkAsksAndCancelKeepsIt) {
    EditorFixture f;
    bool closed = false;
    f.editor.onClosed = [&] { closed = true; };
    f.dialogs.inputAnswers = {"Grout", "1", "1", "1", "1"};
    f.editor.addMaterial();

    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(f.editor.menuClose());
    EXPECT_EQ(f.dialogs.messages.back().text, "Save your changes to the materials file?");
    EXPECT_EQ(f.editor.state().list.materials.size(), 4u);

    // Yes with no file: Save As; a cancelled save dialog keeps the window open.
    f.editor.menuOpen(); // asks first too: unscripted answers Cancel
    EXPECT_TRUE(f.dialogs.fileRequests.empty());
    MaterialsEditor fresh(f.app);
    f.groutWithoutFile(fresh);
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(fresh.menuClose());
    EXPECT_TRUE(f.dialogs.fileRequests.back().save);
    EXPECT_TRUE(f.dialogs.shown("This file name selection is not useful."));

    f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
    EXPECT_TRUE(f.editor.menuClose());
    EXPECT_TRUE(closed);
    EXPECT_EQ(f.readBack().size(), 3u);
}

TEST(MaterialsEditor, AFailedOpenKeepsTheList) {
    EditorFixture f;
    std::string broken = f.home.write("data/broken.mts", "x\r\nlistcount= 2\r\n[Material]\r\n");
    f.dialogs.fileAnswers = {broken}; // then the reader's retry dialog is cancelled
    f.editor.menuOpen();
    EXPECT_EQ(f.editor.state().list.materials.size(), 3u);
    EXPECT_EQ(f.editor.state().list.fileName, f.path);
}

} // namespace
} // namespace vardex
