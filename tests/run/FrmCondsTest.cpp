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
    EXPECT_EQ(f.dialogs.prompts.at(0).defaultText, "22");
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

} // namespace
} // namespace vardex
