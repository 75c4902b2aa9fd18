#include "submodel/frm2.h"

#include <gtest/gtest.h>

#include "section/Cgeom.h"
#include "submodel/ProfileFile.h"
#include "support/AppFixture.h"
#include "support/RecordingCanvas.h"
#include "support/SectionFiles.h"

namespace vardex {
namespace {

using testing::DrawOp;

struct EditorFixture : testing::AppFixture {
    testing::RecordingCanvas picture;
    frm2 editor{app};

    EditorFixture() {
        app.config.testing = true;
        editor.attachPicture(&picture);
        editor.windowOpens();
        dialogs.messages.clear();
        dialogs.prompts.clear();
    }
    void type(SubmodelBox box, const std::string& text) {
        editor.boxEdited(box, text);
        editor.boxLeft(box);
    }
    // Adds a section of nx by ny zones named name, with the colour given; the first one also
    // answers the vertical length "Refresh  Page" asks for.
    std::string addSection(const std::string& name, std::int32_t color, int nx = 3, int ny = 2,
                           float dx = 0.5f, float dy = 0.5f) {
        testing::SectionContent content;
        content.name = name;
        content.nx = nx;
        content.ny = ny;
        content.dx = dx;
        content.dy = dy;
        content.rows.assign(static_cast<std::size_t>(ny), std::vector<int>(nx, 1));
        std::string path =
            testing::writeSectionFile(app, home.file("data/" + name + ".sec"), content);
        dialogs.fileAnswers.push_back(path);
        dialogs.colorAnswers.push_back(color);
        if (editor.zLength() == 0) dialogs.inputAnswers.push_back("4");
        editor.addSection();
        return path;
    }
    const std::string& box(SubmodelBox b) const { return editor.state().box(b); }
};

TEST(frm2, OpensEmptyWithTwelveFreeSlots) {
    EditorFixture f;
    const SubmodelWindowState& s = f.editor.state();
    EXPECT_EQ(s.caption, "Sub-Model Geometry -- New");
    EXPECT_EQ(s.messageTitle, "Sub-Model Geometry . . .");
    EXPECT_EQ(f.box(SubmodelBox::NX), "1");
    EXPECT_EQ(f.box(SubmodelBox::Layers), "1");
    EXPECT_EQ(s.slotLabels[11], "                <empty>");
    EXPECT_EQ(s.depthLabels[0].caption, "0.0");
    EXPECT_FALSE(s.depthLabels[1].visible);
    EXPECT_FALSE(f.editor.modified());
}

TEST(frm2, LayerCountsAreCappedAndPromptedFor) {
    EditorFixture f;
    f.type(SubmodelBox::ZLength, "12");
    f.type(SubmodelBox::Layers, "6");
    EXPECT_EQ(f.editor.nz(), 6);
    EXPECT_EQ(f.box(SubmodelBox::DZ), "2");
    EXPECT_EQ(f.box(SubmodelBox::ZLength), "12.0");

    f.type(SubmodelBox::Layers, "100");
    EXPECT_EQ(f.editor.nz(), 80);
    EXPECT_EQ(f.box(SubmodelBox::Layers), "80");
    EXPECT_TRUE(f.dialogs.prompts.empty());

    f.dialogs.inputAnswers = {"1"};
    f.type(SubmodelBox::Layers, "1");
    ASSERT_EQ(f.dialogs.prompts.size(), 1u);
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "Enter a  positive definite count of layers ");
    EXPECT_EQ(f.editor.nz(), 80);

    // The picture has one band of 10 units per layer.
    f.type(SubmodelBox::Layers, "4");
    EXPECT_EQ(f.picture.ops.back().kind, DrawOp::Line);
    EXPECT_DOUBLE_EQ(f.picture.scaleHeight(), 40);
}

TEST(frm2, LengthsAndZoneSizesFollowEachOther) {
    EditorFixture f;
    f.type(SubmodelBox::NX, "4");
    f.type(SubmodelBox::DX, "0.25");
    EXPECT_EQ(f.box(SubmodelBox::LX), "1.0");
    EXPECT_EQ(f.box(SubmodelBox::DX), ".250");
    f.type(SubmodelBox::LX, "3");
    EXPECT_FLOAT_EQ(f.editor.dx(), 0.75f);
    EXPECT_EQ(f.box(SubmodelBox::DX), ".750");
    f.dialogs.inputAnswers = {"2"};
    f.type(SubmodelBox::LY, "0");
    EXPECT_EQ(f.dialogs.prompts.back().prompt,
              "Enter a positive definite Y-length of the sub-model ");
    EXPECT_EQ(f.box(SubmodelBox::LY), "2.0");
    EXPECT_FLOAT_EQ(f.editor.dy(), 2.0f);
    EXPECT_TRUE(f.editor.modified());
}

TEST(frm2, AddingASectionTakesItsGridAndAsksForItsColour) {
    EditorFixture f;
    f.addSection("Slab", rgb(255, 0, 0), 5, 4, 0.25f, 0.5f);
    const SubmodelWindowState& s = f.editor.state();
    EXPECT_EQ(f.box(SubmodelBox::LX), "1.25");
    EXPECT_EQ(f.box(SubmodelBox::LY), "2.0");
    EXPECT_EQ(f.box(SubmodelBox::NX), "5");
    EXPECT_EQ(s.sectionChooser.items, std::vector<std::string>{"Slab"});
    EXPECT_EQ(s.slotLabels[0], "Slab");
    EXPECT_EQ(s.slotColors[0], rgb(255, 0, 0));
    EXPECT_EQ(s.shpCurrent, rgb(255, 0, 0));
    EXPECT_EQ(f.dialogs.prompts.at(0).prompt, "Enter a value for vertical model length");
    EXPECT_EQ(f.box(SubmodelBox::ZLength), "4.0");
    EXPECT_EQ(f.app.paletteList.count(), 1);
}

TEST(frm2, PointingPaintsTheLayerUnderThePointer) {
    EditorFixture f;
    f.addSection("Slab", rgb(255, 0, 0));
    f.type(SubmodelBox::Layers, "4");
    f.picture.ops.clear();
    f.editor.mouseDown(5, 15);
    f.editor.mouseUp(5, 15);
    EXPECT_EQ(f.editor.layer(2), 1);
    EXPECT_EQ(f.editor.layer(1), 0);
    ASSERT_FALSE(f.picture.ops.empty());
    const DrawOp& band = f.picture.ops.back();
    EXPECT_EQ(band.kind, DrawOp::FilledBox);
    EXPECT_DOUBLE_EQ(band.y1, 10);
    EXPECT_DOUBLE_EQ(band.y2, 20);
    EXPECT_EQ(band.color, rgb(255, 0, 0));
    f.editor.mouseDown(5, 5);
    f.editor.mouseUp(5, 5);
    EXPECT_EQ(f.editor.layer(1), 1);
    EXPECT_EQ(f.editor.layer(3), 0);

    // One quick stroke from the top to below the stack paints every layer it passed.
    f.addSection("Footing", rgb(0, 0, 255));
    f.editor.mouseDown(5, 1);
    f.editor.mouseMove(5, 60);
    f.editor.mouseUp(5, 60);
    for (int z = 1; z <= 4; ++z) EXPECT_EQ(f.editor.layer(z), 2) << z;
}

TEST(frm2, RemovingASectionMovesTheLaterSlotsDownAndRenumbersTheLayers) {
    EditorFixture f;
    f.addSection("A", rgb(255, 0, 0));
    f.addSection("B", rgb(0, 255, 0));
    f.addSection("C", rgb(0, 0, 255));
    f.type(SubmodelBox::Layers, "3");
    for (int s = 0; s < 3; ++s) {
        f.editor.sectionChosen(s);
        f.editor.mouseDown(5, 10.0 * s + 5);
        f.editor.mouseUp(5, 10.0 * s + 5);
    }
    f.editor.sectionChosen(1);
    f.editor.removeSection();
    const SubmodelWindowState& s = f.editor.state();
    EXPECT_EQ(s.slotLabels[1], "C");
    EXPECT_EQ(s.slotColors[1], rgb(0, 0, 255));
    EXPECT_EQ(s.slotLabels[2], "                <empty>");
    EXPECT_EQ(s.sectionChooser.items, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(s.sectionChooser.listIndex, 0);
    EXPECT_EQ(f.editor.layer(1), 1);
    EXPECT_EQ(f.editor.layer(2), 0);
    EXPECT_EQ(f.editor.layer(3), 2);
}

TEST(frm2, IncompleteLayersAreNotSavedAndClosingAsks) {
    EditorFixture f;
    bool closed = false;
    f.editor.onClosed = [&] { closed = true; };
    f.addSection("Slab", rgb(255, 0, 0));
    f.type(SubmodelBox::Layers, "2");
    f.editor.mouseDown(5, 5);
    f.editor.mouseUp(5, 5);
    const std::string prf = f.home.file("data/pier.prf");
    f.dialogs.fileAnswers = {prf};
    f.editor.saveAs();
    EXPECT_TRUE(f.dialogs.shown("Not all Z-layers in the submodel are specified"));
    EXPECT_TRUE(testing::readFile(prf).empty());
    EXPECT_TRUE(f.editor.modified());

    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(f.editor.close());
    EXPECT_EQ(f.dialogs.messages.back().title, " Losing Precious Data ?");
    // The window stays: its own messages and dialogs keep their usual title.
    EXPECT_EQ(f.editor.state().messageTitle, "Sub-Model Geometry . . .");
    f.editor.saveAs();
    EXPECT_EQ(f.dialogs.fileRequests.back().request.title, "Sub-Model Geometry . . .");
    EXPECT_EQ(f.dialogs.messages.back().title, "Sub-Model Geometry . . .");
    // Yes cannot save incomplete layers: the window stays.
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Yes};
    EXPECT_FALSE(f.editor.close());
    EXPECT_FALSE(closed);

    f.editor.mouseDown(5, 15);
    f.editor.mouseUp(5, 15);
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(f.editor.close());
    EXPECT_TRUE(closed);
    ProfileRead read = readProfile(f.app, prf, "modelname=", nullptr);
    EXPECT_EQ(read.header.layers, (std::vector<std::int16_t>{1, 1}));
    EXPECT_FLOAT_EQ(read.header.dz, 2.0f);
}

TEST(frm2, AProfileSavedHereOpensAgainWithItsPaletteAndLayers) {
    EditorFixture f;
    f.addSection("A", rgb(255, 0, 0));
    f.addSection("B", rgb(0, 0, 255));
    f.type(SubmodelBox::Layers, "4");
    f.editor.sectionChosen(0);
    f.editor.mouseDown(5, 5);
    f.editor.mouseMove(5, 15);
    f.editor.mouseMove(5, 25);
    f.editor.mouseUp(5, 25);
    f.editor.sectionChosen(1);
    f.editor.mouseDown(5, 35);
    f.editor.mouseUp(5, 35);
    f.dialogs.inputAnswers = {"Pier"};
    f.editor.nameBoxClicked();
    const std::string prf = f.home.file("data/pier.prf");
    f.dialogs.fileAnswers = {prf};
    f.editor.saveAs();
    EXPECT_FALSE(f.editor.modified());
    EXPECT_EQ(f.editor.state().caption, "Sub-Model Geometry -- pier");

    frm2 other(f.app);
    other.windowOpens();
    EXPECT_EQ(other.state().caption, "Sub-Model Geometry -- New");
    f.dialogs.fileAnswers = {prf};
    other.openProfile();
    EXPECT_EQ(other.state().caption, "Sub-Model Geometry -- pier");
    EXPECT_EQ(other.state().txtFile, prf);
    EXPECT_EQ(other.state().txtName, "Pier");
    EXPECT_EQ(other.nz(), 4);
    EXPECT_FLOAT_EQ(other.dz(), 1.0f);
    EXPECT_EQ(other.layer(3), 1);
    EXPECT_EQ(other.layer(4), 2);
    EXPECT_EQ(other.state().sectionChooser.items, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(other.state().slotColors[1], rgb(0, 0, 255));
    EXPECT_EQ(f.app.submodelList.count(), 1);
    EXPECT_FALSE(other.modified());

    f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
    other.newSubmodel();
    EXPECT_EQ(other.state().caption, "Sub-Model Geometry -- New");
}

} // namespace
} // namespace vardex
