#include "run/frmConds.h"

#include <gtest/gtest.h>

#include "support/AppFixture.h"

namespace vardex {
namespace {

struct CondsFixture : testing::AppFixture {
    Cexec exec{app};
    CondsFixture() {
        for (const char* name : {"Soil", "Concrete", "Rock"}) {
            auto record = std::make_shared<CBoundarytype>();
            record->matlName = name;
            exec.Boundx.push_back(record);
        }
    }
};

TEST(FrmConds, ClosingAtOnceLeavesTheBoundariesUnsettled) {
    CondsFixture f;
    frmConds window{f.app, f.exec};
    window.load();
    EXPECT_EQ(window.state().List1.items, (std::vector<std::string>{"Soil", "Concrete", "Rock"}));
    EXPECT_EQ(window.currentIndex(), 1);
    window.close();
    EXPECT_FALSE(f.exec.flagBndy);
}

TEST(FrmConds, SelectingEveryMaterialSettlesThemAsNoFlux) {
    CondsFixture f;
    frmConds window{f.app, f.exec};
    window.load();
    for (int i = 0; i < 3; ++i) window.selectMaterial(i);
    window.close();
    EXPECT_TRUE(f.exec.flagBndy);
    for (const auto& b : f.exec.Boundx) EXPECT_FALSE(b->flagDirichlet);
    EXPECT_TRUE(window.state().optNtype);
    EXPECT_FALSE(window.state().fileFrameEnabled);
}

TEST(FrmConds, ASpecifiedTemperatureAsksForItsFileAndStaysUnsettledUntilSelectedAgain) {
    CondsFixture f;
    std::string series = f.home.write("data/air.ts", "2\r\n0, 20\r\n10, 25\r\n");
    frmConds window{f.app, f.exec};
    window.load();
    for (int i = 0; i < 3; ++i) window.selectMaterial(i);
    window.selectMaterial(0);
    f.dialogs.fileAnswers = {""};
    window.chooseSpecified(); // cancelled
    ASSERT_EQ(f.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.fileRequests[0].request.filter,
              " Time series (*.ts)|*.ts|All files (*.*)|*.*");
    EXPECT_EQ(f.dialogs.fileRequests[0].request.initialDir, f.app.config.DataDir);
    EXPECT_FALSE(f.exec.Boundx[0]->flagReady);

    f.dialogs.fileAnswers = {series};
    window.askTimeSeriesFile();
    EXPECT_EQ(window.state().txtTSfile, series);
    EXPECT_EQ(f.exec.bndyTSfile(1), series);
    EXPECT_EQ(f.exec.Boundx[0]->bndyTSpoints, 4); // extended to cover the run
    EXPECT_FALSE(f.exec.Boundx[0]->flagReady);
    window.close();
    EXPECT_FALSE(f.exec.flagBndy);

    frmConds again{f.app, f.exec};
    again.load();
    again.selectMaterial(0);
    again.close();
    EXPECT_TRUE(f.exec.flagBndy);
    EXPECT_TRUE(f.exec.Boundx[0]->flagDirichlet);
}

TEST(FrmConds, NoFluxClearsTheFileAndAFileForItIsRefused) {
    CondsFixture f;
    f.exec.Boundx[1]->bndyTSfile = "old.ts";
    frmConds window{f.app, f.exec};
    window.load();
    window.selectMaterial(1);
    window.chooseNoFlux();
    EXPECT_EQ(f.exec.Boundx[1]->bndyTSfile, "");
    window.askTimeSeriesFile();
    EXPECT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"N-type for this boundary material"});
    EXPECT_TRUE(f.dialogs.fileRequests.empty());
    EXPECT_FALSE(f.exec.Boundx[1]->flagReady);
}

TEST(FrmConds, AWordForTheInitialTemperatureKeepsItAndTheWindowResponds) {
    CondsFixture f;
    frmConds window{f.app, f.exec};
    window.load();
    f.dialogs.inputAnswers = {"warm", " 18.5 "};
    window.initTempClicked();
    EXPECT_EQ(f.dialogs.prompts.at(0).prompt, "Enter an Initial Temperature (Celsius):");
    EXPECT_EQ(f.dialogs.prompts.at(0).title, "Boundary Condition Specifications");
    EXPECT_EQ(f.dialogs.prompts.at(0).defaultText, "25"); // the record's own value
    EXPECT_FLOAT_EQ(f.exec.Boundx[0]->initValue, 25.0f);
    EXPECT_TRUE(window.state().guard);
    window.initTempClicked();
    EXPECT_FLOAT_EQ(f.exec.Boundx[0]->initValue, 18.5f);
    EXPECT_EQ(window.state().txtInitT, "18.5");
}

TEST(FrmConds, TheFormatBoxFollowsTheSetUpAndDecidesItOnClosing) {
    CondsFixture f;
    f.exec.concentric = false;
    frmConds window{f.app, f.exec};
    window.load();
    EXPECT_FALSE(window.state().optFormat);
    window.close();
    EXPECT_FALSE(f.exec.concentric);

    frmConds again{f.app, f.exec};
    again.load();
    again.formatToggled(true);
    EXPECT_TRUE(f.exec.concentric);
}

TEST(FrmConds, WithoutBoundaryMaterialsNothingRespondsAndClosingSettles) {
    testing::AppFixture f;
    Cexec exec{f.app};
    frmConds window{f.app, exec};
    window.load();
    EXPECT_EQ(f.dialogs.messageTexts(), std::vector<std::string>{"ERROR:  NO Boundary Materials"});
    window.initTempClicked();
    window.chooseSpecified();
    EXPECT_TRUE(f.dialogs.prompts.empty());
    EXPECT_TRUE(f.dialogs.fileRequests.empty());
    window.close();
    EXPECT_TRUE(exec.flagBndy);
}

TEST(FrmConds, TheWindowOpensOnTheFirstRecordsOwnValues) {
    CondsFixture f;
    CBoundarytype& soil = *f.exec.Boundx[0];
    soil.flagReady = true;
    soil.flagConvection = true;
    soil.initValue = 19.5f;
    soil.bndyTSfile = "/data/air.ts";
    soil.facePoints = {{0, {1, 2, 3, 4, 0, 6}}};
    frmConds window{f.app, f.exec};
    window.load();
    EXPECT_EQ(window.state().txtInitT, "19.5");
    EXPECT_TRUE(window.state().optCtype);
    EXPECT_FALSE(window.state().optDtype || window.state().optNtype);
    EXPECT_TRUE(window.state().facesFrameVisible);
    EXPECT_TRUE(window.state().fileFrameEnabled);
    EXPECT_EQ(window.state().txtTSfile, "/data/air.ts");
    ASSERT_EQ(window.state().faceRows.size(), 1u);
    EXPECT_EQ(window.state().faceRows[0],
              (std::array<std::string, 7>{"0", "1", "2", "3", "4", "0", "6"}));
    // An unsettled first record shows its values but no kind.
    CondsFixture g;
    g.exec.Boundx[0]->initValue = 25.0f;
    frmConds fresh{g.app, g.exec};
    fresh.load();
    EXPECT_EQ(fresh.state().txtInitT, "25");
    EXPECT_FALSE(fresh.state().optDtype || fresh.state().optNtype || fresh.state().optCtype);
}

TEST(FrmConds, ConvectionGetsFacesChangeTimesAndEditedCoefficients) {
    CondsFixture f;
    f.exec.starttime = 0;
    frmConds window{f.app, f.exec};
    window.load();
    window.selectMaterial(1); // Concrete
    window.chooseConvection();
    CBoundarytype& concrete = *f.exec.Boundx[1];
    EXPECT_TRUE(concrete.flagConvection);
    EXPECT_FALSE(concrete.flagDirichlet);
    EXPECT_TRUE(concrete.flagReady);
    EXPECT_TRUE(f.dialogs.fileRequests.empty()); // the ambient may be the initial temperature
    ASSERT_EQ(concrete.facePoints.size(), 1u);
    EXPECT_EQ(concrete.facePoints[0].U, (std::array<float, 6>{8, 8, 8, 8, 0, 8}));

    // Insulated forms on the four sides from the start; stripped at 72 h.
    f.dialogs.inputAnswers = {".181", ".181", ".181", ".181"};
    for (int face = 1; face <= 4; ++face) window.editFaceCell(0, face);
    EXPECT_EQ(f.dialogs.prompts.at(0).prompt,
              "Enter U of the face Front (y = 0) (W/m2 C, 0 for no flow):");
    f.dialogs.inputAnswers = {"72"};
    window.addChangeTime();
    ASSERT_EQ(concrete.facePoints.size(), 2u);
    EXPECT_EQ(concrete.facePoints[1].time, 72.0f);
    EXPECT_EQ(concrete.facePoints[1].U, concrete.facePoints[0].U); // carried on until changed
    f.dialogs.inputAnswers = {"8", "-3", "lots"};
    window.editFaceCell(1, 2);
    window.editFaceCell(1, 3); // below 0: refused with a message
    window.editFaceCell(1, 4); // a word: kept
    EXPECT_EQ(concrete.facePoints[1].U, (std::array<float, 6>{.181f, 8, .181f, .181f, 0, 8}));
    EXPECT_NE(f.dialogs.messageTexts().back().find("-3"), std::string::npos);

    // A change typed before the first row goes first.
    f.dialogs.inputAnswers = {"-2"};
    window.addChangeTime();
    ASSERT_EQ(concrete.facePoints.size(), 3u);
    EXPECT_EQ(concrete.facePoints[0].time, -2.0f);
    EXPECT_EQ(concrete.facePoints[0].U, concrete.facePoints[1].U); // the first row holds there
    EXPECT_EQ(window.state().faceRows[0][0], "-2");
    window.removeChangeTime(0);
    window.removeChangeTime(1);
    window.removeChangeTime(0); // the only row stays
    ASSERT_EQ(concrete.facePoints.size(), 1u);
    EXPECT_EQ(concrete.facePoints[0].time, 0.0f);

    // Choosing another kind ends the convection; choosing it again keeps the rows.
    window.chooseNoFlux();
    EXPECT_FALSE(concrete.flagConvection);
    EXPECT_FALSE(window.state().facesFrameVisible);
    window.chooseConvection();
    EXPECT_EQ(concrete.facePoints[0].U[0], .181f);
    window.close();
}

TEST(FrmConds, TheCalculatorAddsTheFilmAndLayersInSeriesAndFillsTheChosenFaces) {
    CondsFixture f;
    frmConds window{f.app, f.exec};
    window.load();
    window.chooseConvection();
    EXPECT_EQ(window.state().txtU, "8");
    // 19 mm plywood and 50 mm polystyrene behind an 8 W/m2 C film.
    f.dialogs.inputAnswers = {"19", "50"};
    window.addLayer(0);
    window.addLayer(1);
    const double expected = 1.0 / (1.0 / 8 + 0.019 / 0.12 + 0.05 / 0.035);
    EXPECT_NEAR(std::stod(window.state().txtU), expected, 1e-4);
    EXPECT_EQ(window.state().layerRows,
              (std::vector<std::string>{"Plywood: 19 mm at .12 W/m C",
                                        "Polystyrene foam: 50 mm at .035 W/m C"}));
    // Another material asks for its conductivity; a film of 0 blocks the face.
    f.dialogs.inputAnswers = {"10", "0.5", "0"};
    window.addLayer(static_cast<int>(kLayerPresets.size()) - 1);
    EXPECT_EQ(window.state().layerRows.size(), 3u);
    window.removeLayer(2);
    window.applyU(0, {1, 2, 3, 4});
    const auto& U = f.exec.Boundx[0]->facePoints[0].U;
    EXPECT_NEAR(U[0], expected, 1e-6);
    EXPECT_NEAR(U[3], expected, 1e-6);
    EXPECT_EQ(U[5], 8.0f);
    window.filmClicked();
    EXPECT_EQ(window.state().txtU, "0");
}

} // namespace
} // namespace vardex
