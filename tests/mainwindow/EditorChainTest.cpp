// From nothing to a model through the three editors and the model builder, as a new user goes.

#include <gtest/gtest.h>

#include "mainwindow/EditorWindows.h"
#include "mainwindow/mdifrmMain.h"
#include "materials/Ccomp.h"
#include "materials/MaterialTable.h"
#include "materials/MaterialsEditor.h"
#include "section/Cgeom.h"
#include "section/SectionEditor.h"
#include "submodel/ProfileFile.h"
#include "submodel/frm2.h"
#include "support/MainWindowFixture.h"

namespace vardex {
namespace {

struct ChainFixture : testing::MainWindowFixture {
    testing::RecordingCanvas grid;
    testing::RecordingCanvas stack;
    EditorWindows& editors = main.editors();

    ChainFixture() {
        useDataFolder();
        app.config.materialfile = home.file("none.mts");
        home.write("program/target", "");
        home.write("program/zolter", "");
    }
    void answer(std::initializer_list<std::string> answers) {
        dialogs.inputAnswers.insert(dialogs.inputAnswers.end(), answers);
    }
};

TEST(EditorChain, MaterialsSectionsSubmodelAndModelAreMadeInsideTheProgram) {
    ChainFixture f;
    const std::string mts = f.home.file("data/site.mts");
    const std::string core = f.home.file("data/core.sec");
    const std::string top = f.home.file("data/top.sec");
    const std::string prf = f.home.file("data/pier.prf");
    const std::string mod = f.home.file("data/pier.mod");

    // Two materials, saved.
    f.editors.openMaterialsEditor();
    MaterialsEditor& materials = *f.editors.materials();
    f.answer({"Concrete", "2", "1", "2400", "1.5"});
    materials.addMaterial();
    f.answer({"Soil", "1", "0.8", "1800", "0"});
    materials.addMaterial();
    f.dialogs.fileAnswers.push_back(mts);
    materials.menuSaveAs();
    EXPECT_TRUE(materials.menuClose());
    EXPECT_EQ(f.editors.materials(), nullptr);

    // A 10 by 10 section of Soil with a box of Concrete dragged over it and a cylinder of Soil
    // inside the box.
    f.editors.openSectionEditor();
    SectionEditor& section = *f.editors.section();
    section.attachGrid(&f.grid);
    EXPECT_EQ(section.state().lstMaterials.items, (std::vector<std::string>{"Concrete", "Soil"}));
    f.answer({"10", "10", "1", "1"});
    section.changeGeometry();
    section.materialChosen(1);
    section.sectionFillClicked();
    section.materialChosen(0);
    section.mouseDown(1.5, 1.5, DragShape::Box);
    section.mouseMove(6, 6);
    section.mouseUp(9.5, 9.5);
    section.materialChosen(1);
    f.answer({"-1", "0.25"});
    section.cylindricalFillClicked();
    f.answer({"Pier core"});
    section.sectionNameClicked();
    f.dialogs.fileAnswers.push_back(core);
    section.finished();
    EXPECT_EQ(f.editors.section(), nullptr);

    // A second section, all Concrete.
    f.editors.openSectionEditor();
    SectionEditor& second = *f.editors.section();
    second.materialChosen(0);
    second.sectionFillClicked();
    f.answer({"Pier top"});
    second.sectionNameClicked();
    f.dialogs.fileAnswers.push_back(top);
    second.finished();
    EXPECT_EQ(f.editors.section(), nullptr);

    // The sub-model: the core twice, the top once, 1 m each.
    f.editors.openSubmodelEditor();
    frm2& submodel = *f.editors.submodel();
    submodel.attachPicture(&f.stack);
    f.dialogs.fileAnswers.push_back(core);
    f.dialogs.colorAnswers.push_back(rgb(255, 0, 0));
    f.answer({"3"}); // the vertical length "Refresh  Page" asks for
    submodel.addSection();
    submodel.boxEdited(SubmodelBox::Layers, "3");
    submodel.boxLeft(SubmodelBox::Layers);
    f.dialogs.fileAnswers.push_back(top);
    f.dialogs.colorAnswers.push_back(rgb(0, 0, 255));
    submodel.addSection();
    submodel.sectionChosen(0);
    submodel.mouseDown(5, 5);
    submodel.mouseMove(5, 15);
    submodel.mouseUp(5, 15);
    submodel.sectionChosen(1);
    submodel.mouseDown(5, 25);
    submodel.mouseUp(5, 25);
    f.answer({"Pier"});
    submodel.nameBoxClicked();
    f.dialogs.fileAnswers.push_back(prf);
    submodel.saveAs();
    EXPECT_TRUE(submodel.close());

    // The model: the sub-model once, saved.
    f.main.newModel();
    f.dialogs.fileAnswers.push_back(prf);
    f.dialogs.colorAnswers.push_back(rgb(0, 128, 0));
    f.answer({"10"});
    f.builder.addType();
    f.builder.mouseUp(50, 495);
    f.answer({"Pier model"});
    f.dialogs.fileAnswers.push_back(mod);
    f.main.saveModelAs();

    // Read back by the program's own readers.
    MaterialTable table(f.app);
    table.read_Matfile(mts);
    ASSERT_EQ(table.m_count(), 2);
    EXPECT_EQ(table.m_name(2), "Soil");
    EXPECT_FLOAT_EQ(static_cast<float>(table.m_heat(1)), 1.5f);

    Cgeom geom(f.app);
    std::string path = core;
    geom.read_secfile(path);
    ASSERT_EQ(path, core);
    EXPECT_EQ(geom.sectionname, "Pier core");
    EXPECT_EQ(geom.nx, 10);
    EXPECT_FLOAT_EQ(static_cast<float>(geom.dx), 0.1f);
    EXPECT_EQ(geom.g_valarray(1, 1), 2); // outside the box
    EXPECT_EQ(geom.g_valarray(2, 2), 1); // inside the box, outside the cylinder
    EXPECT_EQ(geom.g_valarray(5, 5), 2); // wholly inside the cylinder
    EXPECT_EQ(geom.g_valarray(6, 6), 2);
    // On the rim, x 0.2 to 0.3 and y 0.4 to 0.5: corners 0.2 and 0.316 m from the centre, so
    // t = 0.43, w' = 0.48 and f = 0.41: two sixths of Soil over Concrete.
    const std::int16_t rim = geom.g_valarray(3, 5);
    ASSERT_GE(rim, 31);
    EXPECT_EQ(geom.m_name(rim), get_compkey(2, "Soil", 1, "Concrete", 2));
    EXPECT_EQ(geom.g_valarray(8, 5), rim);
    EXPECT_EQ(geom.g_valarray(5, 3), rim);
    EXPECT_EQ(geom.g_valarray(5, 8), rim);
    EXPECT_NEAR(geom.m_Sig(rim), 0.33 * 1.0 + 0.67 * 2.0, 1e-5);
    EXPECT_NEAR(geom.m_Sp(rim), 0.33 * 0.8 + 0.67 * 1.0, 1e-5);
    EXPECT_NEAR(geom.m_Rho(rim), 0.33 * 1800 + 0.67 * 2400, 1e-2);
    EXPECT_NEAR(geom.m_heat(rim), 0.67 * 1.5, 1e-5);
    EXPECT_EQ(geom.m_color(rim), rgb(204, 204, 170));

    ProfileRead profile = readProfile(f.app, prf, "modelname=", nullptr);
    EXPECT_EQ(profile.header.name, "Pier");
    EXPECT_EQ(profile.header.nz, 3);
    EXPECT_FLOAT_EQ(profile.header.dz, 1.0f);
    EXPECT_EQ(profile.header.nx, 10);
    EXPECT_EQ(profile.header.sectionCount, 2);
    EXPECT_EQ(profile.header.layers, (std::vector<std::int16_t>{1, 1, 2}));
    ProfileSectionChoices choices;
    ProfileRead withSections = readProfile(f.app, prf, "modelname=", &choices);
    ASSERT_EQ(withSections.sectionsRead, 2);
    EXPECT_EQ(withSections.record->palette.item(1)->sectionname, "Pier core");
    EXPECT_EQ(withSections.record->palette.item(2)->sectionname, "Pier top");
    EXPECT_EQ(withSections.record->palette.item(2)->sec_color, rgb(0, 0, 255));

    // Nothing went wrong on the way: only the hint of the sub-model editor and the builder's
    // request for a length estimate were shown.
    ASSERT_EQ(f.dialogs.messages.size(), 2u);
    EXPECT_EQ(f.dialogs.messages[0].title, "Sub-Model File?");
    EXPECT_EQ(f.dialogs.messages[1].title, "Model");
    testing::MainWindowFixture reader;
    ASSERT_TRUE(reader.builder.read_modfile(mod));
    EXPECT_EQ(reader.main.state().modelName, "Pier model");
    EXPECT_EQ(reader.main.state().cboprofilename.items, std::vector<std::string>{"Pier"});
    EXPECT_EQ(reader.app.chunkList, std::vector<std::int16_t>{1});
    EXPECT_FLOAT_EQ(reader.builder.model().totalLength, 3.0f);
}

} // namespace
} // namespace vardex
