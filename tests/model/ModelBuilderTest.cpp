#include "model/ModelBuilder.h"

#include <gtest/gtest.h>

#include "mainwindow/mdifrmMain.h"
#include "support/MainWindowFixture.h"

namespace vardex {
namespace {

struct BuilderFixture : testing::MainWindowFixture {
    BuilderFixture() {
        main.newModel();
        dialogs.messages.clear();
    }

    // Adds a type of nz layers of 1 m from a fresh profile; the first type also answers the
    // length estimate.
    void addType(const std::string& name, int nz, std::int32_t color,
                 const std::string& totalLength = "10") {
        dialogs.fileAnswers.push_back(writeProfile(name, nz));
        dialogs.colorAnswers.push_back(color);
        if (app.submodelList.empty()) dialogs.inputAnswers.push_back(totalLength);
        builder.addType();
    }
    const ChunkSlot& slot(int s) const { return builder.model().chunkSlots[s]; }
};

TEST(ModelBuilder, AddingATypeAsksForItsColourAndTheModelLength) {
    BuilderFixture f;
    f.addType("Pier", 2, 255);
    const MainWindowState& w = f.main.state();
    EXPECT_EQ(w.cboprofilename.items, std::vector<std::string>{"Pier"});
    EXPECT_EQ(w.cboprofilename.listIndex, 0);
    EXPECT_EQ(w.txtnumgeotypes, "1");
    EXPECT_EQ(w.shpproColor, 255);
    EXPECT_EQ(w.txtZLayers, "2");
    EXPECT_EQ(w.txtModLength, "10.0");
    EXPECT_EQ(f.app.selectedSubmodel, 1);
    EXPECT_FALSE(w.saved);
    // The chooser starts at a colour that shows on the white drawing.
    ASSERT_EQ(f.dialogs.colorRequests.size(), 1u);
    EXPECT_NE(f.dialogs.colorRequests[0], kWhite);
    EXPECT_EQ(f.dialogs.messages.at(0).text, "An ESTIMATE of total Model Length is required\r\n"
                                             "which will be adjusted as the model is built.");
    EXPECT_EQ(f.dialogs.prompts.at(0).prompt, "Enter a rough total Model Length");
    EXPECT_EQ(f.dialogs.prompts.at(0).defaultText, "8");
    EXPECT_EQ(f.dialogs.fileRequests.at(0).request.title, "Add a Sub-Model");
    std::vector<std::string> scale;
    for (const LabelState& l : w.lblPz) scale.push_back(l.visible ? l.caption : "hidden");
    EXPECT_EQ(scale, (std::vector<std::string>{"0.0", "2.5", "5.0", "7.5", "10.0"}));
}

TEST(ModelBuilder, AClickAtHalfHeightPlacesAChunkInSlotFifty) {
    BuilderFixture f;
    f.addType("Pier", 2, 255);
    f.drawing.ops.clear();
    f.builder.mouseUp(50, 495);
    EXPECT_EQ(f.slot(50).type, 1);
    EXPECT_FLOAT_EQ(f.slot(50).bottom, 3.95f);
    EXPECT_FLOAT_EQ(f.slot(50).top, 5.95f);
    EXPECT_EQ(f.app.chunkList, std::vector<std::int16_t>{1});
    EXPECT_EQ(f.main.state().txtTotChunks, "1");
    EXPECT_EQ(f.main.state().txtUnusedLength, "8.");
    // 19 vertical lines of width 7 from y(3.95) to y(5.95), at the chunk's true ends (990 per
    // 10 m), then a thin black line across each end.
    auto lines = f.drawing.sinceClear(testing::DrawOp::Line);
    ASSERT_EQ(lines.size(), 21u);
    const std::vector<testing::DrawOp> ends(lines.end() - 2, lines.end());
    lines.resize(19);
    for (const auto& e : ends) {
        EXPECT_EQ(e.color, kChunkBorderColour);
        EXPECT_EQ(e.x1, 0);
        EXPECT_EQ(e.x2, 180);
        EXPECT_EQ(e.y1, e.y2);
    }
    EXPECT_NEAR(ends[0].y1, 391.05, 1e-3);
    EXPECT_NEAR(ends[1].y1, 589.05, 1e-3);
    EXPECT_EQ(lines.front().x1, 5);
    EXPECT_EQ(lines[1].x1, 10);
    EXPECT_EQ(lines[17].x1, 170);
    EXPECT_EQ(lines.back().x1, 175);
    for (const auto& l : lines) {
        EXPECT_EQ(l.width, 7);
        EXPECT_EQ(l.color, 255);
        EXPECT_NEAR(l.y1, 391.05, 1e-3);
        EXPECT_NEAR(l.y2, 589.05, 1e-3);
    }
}

TEST(ModelBuilder, AChunkNearTheTopStartsAtZero) {
    BuilderFixture f;
    f.addType("Tall", 4, 255);
    f.builder.mouseUp(0, 5); // slot 1: centre 0.05 m
    EXPECT_EQ(f.slot(1).bottom, 0);
    EXPECT_EQ(f.slot(1).top, 4);
}

TEST(ModelBuilder, TwoClicksInOneSlotKeepTheSecondChunkAfterAdjusting) {
    BuilderFixture f;
    f.addType("A", 2, 255);
    f.addType("B", 3, 65280);
    f.builder.selectType(0);
    f.builder.mouseUp(0, 495);
    f.builder.selectType(1);
    f.builder.mouseUp(0, 497);
    EXPECT_EQ(f.slot(50).type, 2);
    EXPECT_EQ(f.app.chunkList, (std::vector<std::int16_t>{1, 2}));
    f.builder.adjust();
    EXPECT_EQ(f.app.chunkList, std::vector<std::int16_t>{2});
    EXPECT_EQ(f.app.model.chunkCount, 1);
    EXPECT_EQ(f.main.state().txtTotChunks, "1");
}

TEST(ModelBuilder, AdjustClosesUpTheChunksFromZero) {
    BuilderFixture f;
    f.addType("A", 2, 255);
    f.addType("B", 3, 65280);
    f.builder.selectType(0);
    f.builder.mouseUp(0, 45); // slot 5
    f.builder.selectType(1);
    f.builder.mouseUp(0, 395); // slot 40
    ASSERT_EQ(f.slot(5).type, 1);
    ASSERT_EQ(f.slot(40).type, 2);
    f.builder.adjust();
    EXPECT_EQ(f.slot(5).bottom, 0);
    EXPECT_EQ(f.slot(5).top, 2);
    EXPECT_EQ(f.slot(40).bottom, 2);
    EXPECT_EQ(f.slot(40).top, 5);
    EXPECT_EQ(f.app.chunkList, (std::vector<std::int16_t>{1, 2}));
    EXPECT_EQ(f.builder.model().totalLength, 5);
    EXPECT_EQ(f.main.state().txtModLength, "5.0");
    EXPECT_EQ(f.main.state().txtUnusedLength, "0.0");
}

TEST(ModelBuilder, DeletingAChunkTakesTheNearestOfTheSelectedType) {
    BuilderFixture f;
    f.addType("A", 1, 255);
    f.builder.mouseUp(0, 95);  // slot 10
    f.builder.mouseUp(0, 295); // slot 30
    f.builder.deleteChunkClicked();
    EXPECT_EQ(f.dialogs.messages.back().text,
              "Click in the CENTER of the chunk to be deleted. You can\r\n"
              "only delete ONE from the selected sub-model type (color).");
    EXPECT_EQ(f.dialogs.messages.back().title, "Model");
    EXPECT_TRUE(f.builder.model().deleteMode);
    f.builder.mouseUp(0, 225); // slot 23: nearer to 30
    EXPECT_EQ(f.slot(30).type, 0);
    EXPECT_EQ(f.slot(10).type, 1);
    EXPECT_FALSE(f.builder.model().deleteMode);
    // The chunk list is rebuilt only by the next adjustment.
    EXPECT_EQ(f.main.state().txtTotChunks, "2");
    f.builder.adjust();
    EXPECT_EQ(f.main.state().txtTotChunks, "1");
}

TEST(ModelBuilder, DeletingWhenTheTypeHasNoChunkEndsDeleteMode) {
    BuilderFixture f;
    f.addType("A", 1, 255);
    f.addType("B", 1, 65280);
    f.builder.selectType(0);
    f.builder.mouseUp(0, 95);
    f.builder.selectType(1);
    f.builder.deleteChunkClicked();
    f.builder.mouseUp(0, 95);
    EXPECT_EQ(f.slot(10).type, 1);
    EXPECT_FALSE(f.builder.model().deleteMode);
}

TEST(ModelBuilder, DeletingTypeOneOfThreeShiftsTheOthersDown) {
    BuilderFixture f;
    f.addType("A", 1, 1);
    f.addType("B", 2, 2);
    f.addType("C", 3, 3);
    f.builder.selectType(0);
    f.builder.mouseUp(0, 95); // slot 10, type 1
    f.builder.selectType(1);
    f.builder.mouseUp(0, 295); // slot 30, type 2
    f.builder.selectType(2);
    f.builder.mouseUp(0, 595); // slot 60, type 3
    f.builder.selectType(0);
    f.builder.deleteType();
    const ModelState& m = f.builder.model();
    EXPECT_EQ(f.main.state().cboprofilename.items, (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(f.app.submodelList.count(), 2);
    EXPECT_EQ(f.app.submodelList.item(1)->smodname, "B");
    EXPECT_EQ(m.typeCount, 2);
    EXPECT_EQ(m.typeColors[0], 2);
    EXPECT_EQ(m.typeColors[1], 3);
    EXPECT_EQ(m.typeLengths[0], 2);
    EXPECT_EQ(m.typeLengths[1], 3);
    EXPECT_EQ(f.slot(10).type, 0);
    EXPECT_EQ(f.slot(30).type, 1);
    EXPECT_EQ(f.slot(60).type, 2);
    EXPECT_EQ(f.app.selectedSubmodel, 2);
}

TEST(ModelBuilder, ATwentyFirstTypeIsRefused) {
    BuilderFixture f;
    for (int i = 1; i <= 20; ++i) f.addType("T" + std::to_string(i), 1, i);
    ASSERT_EQ(f.builder.model().typeCount, 20);
    f.dialogs.messages.clear();
    f.dialogs.fileRequests.clear();
    f.builder.addType();
    EXPECT_EQ(f.builder.model().typeCount, 20);
    EXPECT_TRUE(f.dialogs.fileRequests.empty());
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_NE(f.dialogs.messages[0].text.find("20"), std::string::npos);
}

TEST(ModelBuilder, AClickWithoutTypesOrOutsideTheSlotsDoesNothing) {
    BuilderFixture f;
    f.builder.mouseUp(0, 495);
    EXPECT_TRUE(f.app.chunkList.empty());
    f.addType("A", 1, 1);
    f.builder.mouseUp(0, 1200);
    f.builder.mouseUp(0, -40);
    EXPECT_TRUE(f.app.chunkList.empty());
}

TEST(ModelBuilder, ASecondProfileOfTheSameNameBecomesATypeOfItsOwn) {
    BuilderFixture f;
    f.addType("Pier", 1, 1);
    f.addType("Pier", 2, 2);
    EXPECT_EQ(f.builder.model().typeCount, 2);
    EXPECT_EQ(f.app.submodelList.count(), 2);
    EXPECT_EQ(f.app.submodelList.find("Pier")->nz, 1);
    EXPECT_EQ(f.app.submodelList.item(2)->nz, 2);
}

} // namespace
} // namespace vardex
