#include "section/SectionEditor.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "materials/Ccomp.h"
#include "materials/MaterialsFile.h"
#include "section/Cgeom.h"
#include "section/SectionFile.h"
#include "support/AppFixture.h"
#include "support/RecordingCanvas.h"
#include "support/SectionFiles.h"

namespace vardex {
namespace {

using testing::DrawOp;

struct EditorFixture : testing::AppFixture {
    testing::RecordingCanvas grid;
    SectionEditor editor{app};
    std::string mts = home.file("data/site.mts");

    EditorFixture(int n = 10, double d = 0.1) {
        app.config.testing = true;
        SaveFile(app, mts,
                 {{"Concrete", rgb(160, 160, 160), 2.0f, 1.0f, 2400.0f, 1.5f, 0.0f},
                  {"Soil", rgb(120, 90, 40), 1.0f, 0.8f, 1800.0f, 0.0f, 0.0f},
                  {"Plywood", rgb(200, 150, 90), 0.13f, 1.2f, 600.0f, 0.0f, -0.02f}});
        app.config.materialfile = mts;
        app.config.nx = app.config.ny = static_cast<std::int16_t>(n);
        app.config.dx = app.config.dy = d;
        editor.attachGrid(&grid);
        editor.windowOpens();
        dialogs.messages.clear();
    }
    std::int16_t zone(int i, int j) const { return editor.section().values.value(i, j); }
    void fill(int listPosition) {
        editor.materialChosen(listPosition);
        editor.sectionFillClicked();
    }
};

TEST(SectionEditor, OpensOnTheConfiguredGridAndMaterials) {
    EditorFixture f;
    const SectionWindowState& s = f.editor.state();
    EXPECT_EQ(s.lstMaterials.items, (std::vector<std::string>{"Concrete", "Soil", "Plywood"}));
    EXPECT_EQ(s.txtNX, "10");
    EXPECT_EQ(s.lblX[8].caption, "1.00");
    EXPECT_EQ(s.lblY[4].caption, "0.50");
    EXPECT_EQ(s.lblMaterialsFile, f.mts);
    EXPECT_TRUE(s.objectFillsVisible);
    EXPECT_TRUE(findMenu(const_cast<SectionWindowState&>(s).menus, "mnuGeometry")->enabled);
    // Unfilled zones are drawn white, in one image of 10 by 10 cells.
    std::vector<DrawOp> cells = f.grid.sinceClear(DrawOp::CellGrid);
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].columns, 10);
    EXPECT_EQ(cells[0].cells, std::vector<std::int32_t>(100, kWhite));
}

TEST(SectionEditor, WithoutAMaterialsFileTheWindowAsksForOneAndClosesOnCancel) {
    testing::AppFixture f;
    f.app.config.materialfile = f.home.file("gone.mts");
    SectionEditor editor(f.app);
    bool closed = false;
    editor.onClosed = [&] { closed = true; };
    editor.windowOpens();
    EXPECT_EQ(f.dialogs.fileRequests.at(0).request.title, "Open Materials File");
    EXPECT_TRUE(closed);
    EXPECT_FALSE(editor.state().open);
}

TEST(SectionEditor, GeometryDialogCapsCountsAndRepeatsOnBadNumbers) {
    EditorFixture f;
    f.dialogs.inputAnswers = {"100", "20", "2", "0.5"};
    f.editor.changeGeometry();
    EXPECT_EQ(f.editor.section().nx, 80);
    EXPECT_EQ(f.editor.section().ny, 20);
    EXPECT_FLOAT_EQ(f.editor.section().dx, 0.025f);
    EXPECT_FLOAT_EQ(f.editor.section().dy, 0.025f);
    std::vector<std::string> labels;
    for (const LabelState& l : f.editor.state().lblX) labels.push_back(l.caption);
    EXPECT_EQ(labels, (std::vector<std::string>{"0.00", "0.25", "0.50", "0.75", "1.00", "1.25",
                                                "1.50", "1.75", "2.00"}));
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "Enter the number of X-zones  (nx):");
    EXPECT_EQ(f.dialogs.prompts[3].prompt, "Enter the Y-domain length (meters");

    // A product below 1 asks again; so do negative counts, whose product would pass.
    f.dialogs.inputAnswers = {"1", "1", "0.5", "0.5", "-2", "-2", "1", "1", "4", "2", "2", "1"};
    f.editor.changeGeometry();
    ASSERT_EQ(f.dialogs.messages.size(), 2u);
    EXPECT_EQ(f.dialogs.messages[0].text, "these are not good numbers: \r\n80 20 .025 .025\r\n"
                                          "Let's try again, without any negative or zero-valued "
                                          "numbers");
    EXPECT_EQ(f.editor.section().nx, 4);
    EXPECT_FLOAT_EQ(f.editor.section().dx, 0.5f);
    EXPECT_FLOAT_EQ(f.editor.section().dy, 0.5f);

    // Every prompt cancelled: the geometry stays.
    f.editor.changeGeometry();
    EXPECT_EQ(f.editor.section().nx, 4);
}

// 40 by 40 zones over 1.6 m: Soil with a box of Concrete from zone centre (5, 5) to (20, 30),
// its edges and corners composites.
struct PaintedFortyFixture : EditorFixture {
    PaintedFortyFixture() : EditorFixture(40, 0.04) {
        fill(1);
        editor.materialChosen(0);
        editor.mouseDown(5, 5, DragShape::Box);
        editor.mouseUp(20, 30);
        EXPECT_EQ(editor.section().composites.count(), 2);
    }
    std::vector<std::int16_t> zones() const {
        std::vector<std::int16_t> all;
        for (int j = 1; j <= editor.section().ny; ++j)
            for (int i = 1; i <= editor.section().nx; ++i) all.push_back(zone(i, j));
        return all;
    }
};

TEST(SectionEditor, MoreZonesOrALargerSectionKeepThePaintingWhereItWas) {
    PaintedFortyFixture f;
    const std::vector<std::int16_t> forty = f.zones();
    EXPECT_GE(f.zone(5, 10), 31); // the left edge, half covered

    f.dialogs.inputAnswers = {"80", "80", "1.6", "1.6"};
    f.editor.changeGeometry();
    ASSERT_EQ(f.editor.section().nx, 80);
    for (int j = 1; j <= 80; ++j)
        for (int i = 1; i <= 80; ++i)
            ASSERT_EQ(f.zone(i, j), forty[std::size_t((j + 1) / 2 - 1) * 40 + (i + 1) / 2 - 1])
                << i << ", " << j;
    EXPECT_TRUE(f.editor.section().unsaved);

    f.dialogs.inputAnswers = {"40", "40", "1.6", "1.6"};
    f.editor.changeGeometry();
    EXPECT_EQ(f.zones(), forty);
    EXPECT_EQ(f.editor.section().composites.count(), 2);
    // Every zone is drawn in its material's colour, none left white.
    std::vector<DrawOp> cells = f.grid.sinceClear(DrawOp::CellGrid);
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(std::count(cells.back().cells.begin(), cells.back().cells.end(), kWhite), 0);

    // A larger section keeps the painting in place and leaves the new part unfilled.
    f.dialogs.inputAnswers = {"50", "40", "2", "1.6"};
    f.editor.changeGeometry();
    for (int j = 1; j <= 40; ++j) {
        for (int i = 1; i <= 40; ++i)
            ASSERT_EQ(f.zone(i, j), forty[std::size_t(j - 1) * 40 + i - 1]) << i << ", " << j;
        for (int i = 41; i <= 50; ++i) ASSERT_EQ(f.zone(i, j), 0) << i << ", " << j;
    }
}

TEST(SectionEditor, ASectionSavedAsANameWithoutExtensionIsWrittenUnderSec) {
    EditorFixture f(2, 0.5);
    f.fill(0);
    f.dialogs.fileAnswers = {f.home.file("boxcol")};
    f.editor.saveSectionFileAs();
    EXPECT_TRUE(f.app.fs.fileExists(f.home.file("boxcol.sec")));
    EXPECT_FALSE(f.app.fs.fileExists(f.home.file("boxcol")));
    EXPECT_EQ(f.editor.section().sectionFile, f.home.file("boxcol.sec"));

    // "All files" chosen: the name is taken as typed.
    f.dialogs.fileAnswers = {f.home.file("boxcol")};
    f.dialogs.saveFilterEntries = {1};
    f.editor.saveSectionFileAs();
    EXPECT_TRUE(f.app.fs.fileExists(f.home.file("boxcol")));
}

TEST(SectionEditor, AnsweringNoToChangingTheGeometryLeavesIt) {
    EditorFixture f;
    f.dialogs.yesNoAnswers = {false};
    f.editor.nyBoxClicked();
    EXPECT_EQ(f.dialogs.messages.back().text, "Do you want to change the geometry?");
    EXPECT_TRUE(f.dialogs.prompts.empty());
    EXPECT_EQ(f.editor.section().ny, 10);
}

TEST(SectionEditor, FinishedNeedsASectionNameAndKeepsAnUnsavedSectionWithoutFile) {
    EditorFixture f;
    bool closed = false;
    f.editor.onClosed = [&] { closed = true; };
    f.fill(0);
    f.editor.finished();
    EXPECT_EQ(f.dialogs.messages.back().text, "need a section name.");
    EXPECT_EQ(f.dialogs.messages.back().title, "Section Page . . .");
    EXPECT_FALSE(closed);

    f.dialogs.inputAnswers = {"  Deck  "};
    f.editor.sectionNameClicked();
    EXPECT_EQ(f.editor.state().txtSectionName, "Deck");
    f.editor.finished(); // the save dialog is cancelled
    EXPECT_FALSE(closed);

    const std::string sec = f.home.file("data/deck.sec");
    f.dialogs.fileAnswers = {sec};
    f.editor.finished();
    EXPECT_TRUE(closed);
    Cgeom geom(f.app);
    std::string path = sec;
    geom.read_secfile(path);
    EXPECT_EQ(geom.sectionname, "Deck");
    EXPECT_EQ(f.app.config.sectionfile, sec);
    EXPECT_EQ(f.app.config.materialfile, f.mts);
}

TEST(SectionEditor, AQuickStrokePaintsTheZonesPassedOver) {
    EditorFixture f;
    f.fill(1);
    f.editor.materialChosen(0);
    f.editor.mouseDown(1.2, 1.2);
    f.editor.mouseMove(9.8, 9.8);
    f.editor.mouseUp(9.8, 9.8);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(f.zone(k, k), 1) << k;
    EXPECT_EQ(f.zone(2, 1), 2);
    // The zones are drawn as the pointer passes, then the grid is redrawn once.
    EXPECT_EQ(f.grid.sinceClear(DrawOp::CellGrid).size(), 1u);
}

TEST(SectionEditor, FormMaterialsArePaintedOnlyPointwise) {
    EditorFixture f;
    f.fill(1);
    f.editor.materialChosen(2);
    EXPECT_FALSE(f.editor.state().fillGroupEnabled);
    EXPECT_TRUE(f.editor.state().formGroupEnabled);
    f.editor.mouseDown(2.2, 2.2, DragShape::Box);
    f.editor.mouseUp(8, 8);
    EXPECT_EQ(f.zone(2, 2), 3);
    EXPECT_EQ(f.zone(5, 5), 2);
}

TEST(SectionEditor, DraggedBoxAndCylinderPaintWithComposites) {
    EditorFixture f;
    f.fill(1);
    f.editor.materialChosen(0);
    // From the middle of zone 3 to the middle of zone 5: half of each end zone is covered.
    f.editor.mouseDown(3, 3, DragShape::Box);
    f.editor.mouseMove(4, 4);
    EXPECT_EQ(f.grid.sinceClear(DrawOp::Box).size(), 1u); // the outline follows the pointer
    f.editor.mouseUp(5, 5);
    EXPECT_EQ(f.zone(4, 4), 1);
    // Zones are visited column by column: the corner (3, 3), a quarter covered, comes first.
    EXPECT_EQ(f.editor.section().materials[f.zone(3, 3)].name,
              get_compkey(1, "Concrete", 2, "Soil", 2));
    EXPECT_EQ(f.zone(3, 3), 31);
    const std::int16_t edge = f.zone(3, 4);
    ASSERT_EQ(edge, 32);
    EXPECT_EQ(f.editor.section().materials[edge].name, get_compkey(1, "Concrete", 2, "Soil", 3));
    EXPECT_EQ(f.editor.section().materials[edge].color, rgb(217, 217, 170));
    EXPECT_EQ(f.zone(5, 4), edge);
    EXPECT_EQ(f.zone(6, 4), 2);
    EXPECT_EQ(f.editor.state().fill, FillChoice::Pointwise);
    EXPECT_TRUE(f.editor.section().unsaved);

    // A cylinder too wide for the section is refused with its radius.
    f.editor.mouseDown(3, 5.5, DragShape::Cylinder);
    f.editor.mouseUp(11, 5.5);
    ASSERT_FALSE(f.dialogs.messages.empty());
    EXPECT_EQ(f.dialogs.messages.back().text, ".75 is too large");

    // A cylinder of Soil in the middle of the box: its rim zones mix.
    f.editor.materialChosen(1);
    f.editor.mouseDown(4, 4, DragShape::Cylinder);
    f.editor.mouseUp(5.5, 4);
    EXPECT_EQ(f.zone(4, 4), 2);
}

TEST(SectionEditor, OpeningASectionOffersItsPlainMaterialsOnlyAndKeepsCompositeColours) {
    EditorFixture f;
    // A section painted here with one composite, saved and opened again.
    f.fill(1);
    f.editor.materialChosen(0);
    f.editor.mouseDown(3, 3, DragShape::Box);
    f.editor.mouseUp(5, 5);
    f.dialogs.inputAnswers = {"Pier"};
    f.editor.sectionNameClicked();
    const std::string painted = f.home.file("data/pier.sec");
    f.dialogs.fileAnswers = {painted};
    f.editor.saveSectionFileAs();
    EXPECT_FALSE(f.editor.section().unsaved);

    f.dialogs.fileAnswers = {painted};
    f.editor.openSectionFile();
    EXPECT_EQ(f.editor.state().lblMaterialsFile, "Sectionfile data");
    EXPECT_EQ(f.editor.state().lstMaterials.items,
              (std::vector<std::string>{"Concrete", "Soil", "Plywood"}));
    EXPECT_EQ(f.zone(3, 4), 32);
    std::vector<DrawOp> cells = f.grid.sinceClear(DrawOp::CellGrid);
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells.back().cells[3 * 10 + 2], rgb(217, 217, 170)); // zone (3, 4)
    EXPECT_EQ(f.editor.section().composites.count(), 2);

    // A section whose second slot is empty: the list skips it and still paints the right one.
    testing::SectionContent content;
    content.materials = {{"Soil"}, {"Void", 1, 1, 0}, {"Clay", 2, 0.9f, 2300}};
    content.rows = {{1, 1, 3}, {3, 3, 1}};
    const std::string sparse =
        testing::writeSectionFile(f.app, f.home.file("data/sparse.sec"), content);
    f.dialogs.fileAnswers = {sparse};
    f.editor.openSectionFile();
    EXPECT_EQ(f.editor.state().lstMaterials.items, (std::vector<std::string>{"Soil", "Clay"}));
    f.editor.materialChosen(1);
    EXPECT_EQ(f.editor.painter().currentMaterial, 3);
    f.editor.mouseDown(1.2, 1.2);
    f.editor.mouseUp(1.2, 1.2);
    EXPECT_EQ(f.zone(1, 1), 3);
}

TEST(SectionEditor, AFailedReadKeepsTheSectionAndItsComposites) {
    EditorFixture f;
    f.fill(1);
    f.editor.materialChosen(0);
    f.editor.mouseDown(3, 3, DragShape::Box);
    f.editor.mouseUp(5, 5);
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
    f.dialogs.fileAnswers = {f.home.write("data/bad.sec", "nothing here\r\n")};
    f.editor.openSectionFile();
    EXPECT_TRUE(f.dialogs.shown("bad file to read: " + f.home.file("data/bad.sec") + "\r\n0"));
    EXPECT_EQ(f.zone(3, 4), 32);
    EXPECT_EQ(f.editor.section().composites.count(), 2);
    EXPECT_EQ(f.editor.state().lblMaterialsFile, f.mts);
}

TEST(SectionEditor, UnsavedPaintingAsksBeforeItIsClosedOrReplaced) {
    EditorFixture f;
    bool closed = false;
    f.editor.onClosed = [&] { closed = true; };
    f.fill(0);
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(f.editor.close());
    EXPECT_EQ(f.dialogs.messages.back().text, "Save your changes to a section file?");
    EXPECT_EQ(f.dialogs.messages.back().buttons, MessageButtons::YesNoCancel);
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
    f.editor.newSectionFile();
    EXPECT_EQ(f.zone(1, 1), 1);
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
    f.editor.openSectionFile();
    EXPECT_TRUE(f.dialogs.fileRequests.empty());
    EXPECT_FALSE(closed);

    // Yes saves through the save dialog; the window then closes.
    const std::string sec = f.home.file("data/kept.sec");
    f.dialogs.yesNoCancelAnswers = {MessageAnswer::Yes};
    f.dialogs.fileAnswers = {sec};
    EXPECT_TRUE(f.editor.close());
    EXPECT_TRUE(closed);
    EXPECT_FALSE(testing::readFile(sec).empty());
}

TEST(SectionEditor, NewSectionAfterASectionFileAsksForAMaterialsFile) {
    EditorFixture f;
    const std::string sec =
        testing::writeSectionFile(f.app, f.home.file("data/s.sec"), testing::SectionContent{});
    f.dialogs.fileAnswers = {sec};
    f.editor.openSectionFile();
    EXPECT_EQ(f.editor.state().lblMaterialsFile, "Sectionfile data");
    f.dialogs.fileAnswers = {f.mts};
    f.editor.newSectionFile();
    EXPECT_EQ(f.dialogs.fileRequests.back().request.filter,
              " Materials file (*.mts)|*.mts|All files (*.*)|*.*");
    EXPECT_EQ(f.editor.state().lblMaterialsFile, f.mts);
    EXPECT_EQ(f.editor.state().lstMaterials.items.size(), 3u);
    EXPECT_EQ(f.editor.state().txtSectionName, "");
}

} // namespace
} // namespace vardex
