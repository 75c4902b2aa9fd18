// A painted section keeps its composites whatever the other editor windows do: saved, it reads
// back to what the section editor shows.

#include <gtest/gtest.h>

#include "mainwindow/EditorWindows.h"
#include "mainwindow/mdifrmMain.h"
#include "materials/MaterialsEditor.h"
#include "materials/MaterialsFile.h"
#include "section/Cgeom.h"
#include "section/SectionEditor.h"
#include "submodel/frm2.h"
#include "support/MainWindowFixture.h"
#include "support/SectionFiles.h"

namespace vardex {
namespace {

// The file keeps 7 significant digits of a 32-bit value: equal to the last bit or two.
void expectSameMaterial(const Material& read, const Material& shown) {
    EXPECT_EQ(read.name, shown.name);
    EXPECT_EQ(read.color, shown.color) << shown.name;
    EXPECT_FLOAT_EQ(read.conductivity, shown.conductivity) << shown.name;
    EXPECT_FLOAT_EQ(read.specificHeat, shown.specificHeat) << shown.name;
    EXPECT_FLOAT_EQ(read.density, shown.density) << shown.name;
    EXPECT_FLOAT_EQ(read.heatProduction, shown.heatProduction) << shown.name;
    EXPECT_FLOAT_EQ(read.characteristicSize, shown.characteristicSize) << shown.name;
}

struct CompositesFixture : testing::MainWindowFixture {
    testing::RecordingCanvas grid;
    EditorWindows& editors = main.editors();

    CompositesFixture() {
        useDataFolder();
        const std::string mts = home.file("data/site.mts");
        SaveFile(app, mts,
                 {{"Concrete", kNewMaterialColor, 2.0f, 1.0f, 2400.0f, 1.5f, 0.0f},
                  {"Soil", 8421504, 1.0f, 0.8f, 1800.0f, 0.0f, 0.0f}});
        app.config.materialfile = mts;
        dialogs.messages.clear();
    }

    // A 10 by 10 section of Soil with a box of Concrete from zone centre (2, 2) to (9, 9): its
    // edge zones half covered and its corners a quarter, so two composites.
    void paint(SectionEditor& section) {
        section.attachGrid(&grid);
        dialogs.inputAnswers.insert(dialogs.inputAnswers.end(), {"10", "10", "1", "1"});
        section.changeGeometry();
        section.materialChosen(1);
        section.sectionFillClicked();
        section.materialChosen(0);
        section.mouseDown(2, 2, DragShape::Box);
        section.mouseUp(9, 9);
        ASSERT_EQ(section.section().composites.count(), 2);
        ASSERT_GE(section.section().values.value(2, 5), 31);
    }

    // Saves the section under a new name and reads it back with the section reader.
    void expectSavedAsShown(SectionEditor& section, const std::string& name) {
        const std::string path = home.file("data/" + name);
        dialogs.fileAnswers.push_back(path);
        section.saveSectionFileAs();
        ASSERT_FALSE(section.section().unsaved);

        Cgeom geom(app);
        std::string read = path;
        geom.read_secfile(read);
        ASSERT_EQ(read, path);
        const SectionEditorState& shown = section.section();
        EXPECT_EQ(geom.composites.count(), shown.composites.count());
        for (int j = 1; j <= 10; ++j) {
            for (int i = 1; i <= 10; ++i) {
                const std::int16_t v = shown.values.value(i, j);
                ASSERT_EQ(geom.g_valarray(i, j), v) << i << ", " << j;
                expectSameMaterial(geom.material(v), shown.materials[v]);
            }
        }
        EXPECT_FALSE(geom.m_name(31).empty());
        EXPECT_GT(geom.m_Rho(31), 0.0);
    }
};

// Another editor opened from "&Editors" while a painted section is still unsaved.
struct OtherEditor {
    const char* name;
    void (EditorWindows::*open)();
};

class SectionComposites : public ::testing::TestWithParam<OtherEditor> {};

TEST_P(SectionComposites, AnotherEditorOpenedOverAnUnsavedSectionLeavesItsCompositesToIt) {
    CompositesFixture f;
    f.editors.openSectionEditor();
    SectionEditor& section = *f.editors.section();
    f.paint(section);

    (f.editors.*GetParam().open)();
    ASSERT_NE(f.editors.section(), nullptr);
    f.expectSavedAsShown(section, "painted.sec");
}

INSTANTIATE_TEST_SUITE_P(
    FromTheEditorsMenu, SectionComposites,
    ::testing::Values(OtherEditor{"MaterialsEditor", &EditorWindows::openMaterialsEditor},
                      OtherEditor{"SubmodelEditor", &EditorWindows::openSubmodelEditor}),
    [](const ::testing::TestParamInfo<OtherEditor>& info) { return info.param.name; });

TEST(SectionCompositesInTheSubmodelEditor,
     ASectionAddedToThePaletteLeavesThePaintedSectionItsComposites) {
    CompositesFixture f;
    f.editors.openSubmodelEditor();
    frm2& submodel = *f.editors.submodel();
    submodel.openSectionEditor();
    ASSERT_NE(f.editors.section(), nullptr);
    SectionEditor& section = *f.editors.section();
    f.paint(section);

    // A section without composites joins the palette: reading it leaves the painted one alone.
    const std::string plain = testing::writeSectionFile(f.app, f.home.file("data/plain.sec"), {});
    f.dialogs.fileAnswers.push_back(plain);
    f.dialogs.colorAnswers.push_back(rgb(255, 0, 0));
    f.dialogs.inputAnswers.push_back("3"); // the vertical length "Refresh  Page" asks for
    submodel.addSection();
    ASSERT_EQ(f.app.paletteList.count(), 1);
    EXPECT_TRUE(f.app.paletteList.item(1)->composites.empty());

    f.expectSavedAsShown(section, "painted.sec");
    // And painting goes on numbering after the section's own composites.
    section.materialChosen(1);
    section.mouseDown(5, 5, DragShape::Box);
    section.mouseUp(5.8, 5.8);
    EXPECT_GT(section.section().composites.count(), 2);
    f.expectSavedAsShown(section, "painted again.sec");
}

} // namespace
} // namespace vardex
