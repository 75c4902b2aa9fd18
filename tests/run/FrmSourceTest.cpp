#include "run/frmSource.h"

#include <gtest/gtest.h>

#include "support/AppFixture.h"

namespace vardex {
namespace {

struct SourceFixture : testing::AppFixture {
    Cexec exec{app};
    std::string viewMode;
    frmSource window{app, exec, viewMode};
    SourceFixture() { window.load(); }
};

TEST(FrmSource, ANewSetUpOpensWithTheDefaultsAndClosesReady) {
    SourceFixture f;
    EXPECT_EQ(f.window.state().txtValue,
              (std::array<std::string, 7>{".87", "1.5", "25", "70", "2270", "32", "0"}));
    EXPECT_TRUE(f.window.state().optTmodel);
    EXPECT_TRUE(f.window.state().functionFrameVisible);
    EXPECT_FALSE(f.window.state().fileFrameVisible);
    EXPECT_EQ(f.window.state().labelValue[0], "P1 = time scaling (dimless)");
    EXPECT_EQ(f.window.state().labelValue[6], "  Source Start Time   (Global , in hrs)");
    EXPECT_TRUE(f.dialogs.messages.empty());
    f.window.close();
    EXPECT_TRUE(f.exec.Src.readyFlag);
    EXPECT_EQ(f.viewMode, "COMPLETE");
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(FrmSource, AParameterOfZeroIsReportedPerBoxWhenTheWindowOpens) {
    testing::AppFixture f;
    Cexec exec{f.app};
    exec.Src.l_SParam(2, 0.0f);
    exec.Src.l_SParam(4, -1.0f); // an index above 3 sets parameter 3
    std::string viewMode;
    frmSource window{f.app, exec, viewMode};
    window.load();
    EXPECT_EQ(f.dialogs.messageTexts(), (std::vector<std::string>{"1 param=0", "2 param=0"}));
    EXPECT_EQ(window.state().txtValue[2], "-1");
}

TEST(FrmSource, AnEditedBoxStoresItsFieldAndTakesTheReadinessBack) {
    SourceFixture f;
    f.window.close();
    frmSource again{f.app, f.exec, f.viewMode};
    again.load();
    f.dialogs.inputAnswers = {"28.5", "0"};
    again.editValue(5);
    EXPECT_EQ(f.dialogs.prompts.at(0).prompt, "Enter Parameter Value");
    EXPECT_EQ(f.dialogs.prompts.at(0).title, "Parameter Value");
    EXPECT_EQ(f.dialogs.prompts.at(0).defaultText, "32");
    EXPECT_FLOAT_EQ(f.exec.Src.placementTemp, 28.5f);
    EXPECT_DOUBLE_EQ(f.exec.placementTemp, 28.5);
    EXPECT_FALSE(f.exec.Src.readyFlag);
    again.editValue(6); // a start time of 0 is fine
    again.close();
    EXPECT_TRUE(f.exec.Src.readyFlag);
}

TEST(FrmSource, AWordOrAZeroMakesTheCloseAnError) {
    SourceFixture f;
    f.dialogs.inputAnswers = {"warm"};
    f.window.editValue(3);
    EXPECT_EQ(f.window.state().txtValue[3], "0");
    EXPECT_FLOAT_EQ(f.exec.Src.heat, 0.0f);
    f.window.close();
    EXPECT_EQ(
        f.dialogs.messageTexts(),
        std::vector<std::string>{"A parameter is specified improperly \r\n or is unspecified."});
    EXPECT_FALSE(f.exec.Src.readyFlag);
    EXPECT_EQ(f.viewMode, "ERROR");
}

TEST(FrmSource, AZeroPlacementTemperatureIsAnErrorEvenForATimeSeries) {
    SourceFixture f;
    std::string series = f.home.write("data/heat.ts", "2\r\n0, 0\r\n24, 300\r\n");
    f.dialogs.fileAnswers = {series};
    f.window.chooseTimeSeries();
    EXPECT_EQ(f.dialogs.fileRequests.at(0).request.filter,
              " Time series (*.ts)|*.ts| All files |*.* ");
    EXPECT_EQ(f.window.state().txtFile, series);
    EXPECT_TRUE(f.window.state().fileFrameVisible);
    EXPECT_FALSE(f.window.state().functionFrameVisible);
    f.dialogs.inputAnswers = {"0"};
    f.window.editValue(5);
    f.window.close();
    EXPECT_FALSE(f.exec.Src.readyFlag);
    EXPECT_EQ(f.exec.Src.numberOfPoints, 2);
    EXPECT_TRUE(f.exec.Src.timeSeriesFlag);
}

TEST(FrmSource, TheABtOptionRelabelsTheFunctionBoxesAndTModelRestoresThem) {
    SourceFixture f;
    f.window.chooseABt();
    EXPECT_TRUE(f.exec.Src.abtFlag);
    EXPECT_EQ(f.window.state().labelValue[0], "   alpha = ");
    EXPECT_EQ(f.window.state().labelValue[1], "    beta = ");
    EXPECT_EQ(f.window.state().labelValue[2], " tau = (time, in hrs)");
    f.window.chooseTModel();
    EXPECT_FALSE(f.exec.Src.abtFlag);
    EXPECT_EQ(f.window.state().labelValue[1],
              "Time of Maximum Rise\r\n(`Inflection Point`, in hrs)");
    EXPECT_EQ(f.window.state().labelValue[2], " P3 = exponent");
}

} // namespace
} // namespace vardex
