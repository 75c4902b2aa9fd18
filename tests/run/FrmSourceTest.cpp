#include "run/frmSource.h"

#include <gtest/gtest.h>

#include "support/AppFixture.h"
#include "support/ModelTypes.h"
#include "support/RecordingCanvas.h"

namespace vardex {
namespace {

struct SourceFixture : testing::AppFixture {
    Cexec exec{app};
    std::string viewMode;
    frmSource window{app, exec, viewMode};
    SourceFixture() { window.load(); }
};

TEST(FrmSource, ANewSetUpOpensOnTheFunctionAndClosesReady) {
    SourceFixture f;
    EXPECT_FALSE(f.window.state().chkEquivalentAge);
    EXPECT_TRUE(f.window.state().optTmodel);
    EXPECT_TRUE(f.window.state().functionFrameVisible);
    EXPECT_FALSE(f.window.state().fileFrameVisible);
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
    const std::string p1 = f.window.state().labelValue[0];
    f.window.chooseABt();
    EXPECT_TRUE(f.exec.Src.abtFlag);
    EXPECT_EQ(f.window.state().labelValue[0], "   alpha = ");
    f.window.chooseTModel();
    EXPECT_FALSE(f.exec.Src.abtFlag);
    EXPECT_EQ(f.window.state().labelValue[0], p1);
}

// A model of one concrete (k 2, c .9, 2400 kg/m3, heat production 1) to draw the source in.
struct ConcreteFixture : testing::AppFixture {
    Cexec exec{app};
    std::string viewMode;
    ConcreteFixture() {
        testing::TypeContent type;
        type.sections = {testing::SectionContent{
            "s", 2, 2, 0.5f, 0.5f, {{1, 1}, {1, 1}}, {{"Concrete", 2.0f, 0.9f, 2400.0f, 1.0f}}}};
        testing::addType(app, home.path(), type);
        exec.chunkTypes = {1};
        EXPECT_EQ(exec.alignSubMods(), AlignResult::Done);
        exec.starttime = 0;
        exec.endtime = 96;
        exec.Src.concreteDensity = 2400.0f;
    }
};

TEST(FrmSourceChart, ASourceSpentInTwoHoursShowsItsWholeRiseBeforeTheRun) {
    ConcreteFixture f;
    frmSource window{f.app, f.exec, f.viewMode};
    window.load(); // the T-model defaults: a sharp release about 1.7 h after placement
    const SourceWindowState& s = window.state();
    ASSERT_EQ(s.adiabatic.size(), 201u);
    // 70 kJ/kg over a capacity of .9 kJ/(kg C): 77.8 C above the placement's 32 C.
    EXPECT_NEAR(s.adiabatic.back().second, 32.0 + 70.0 / 0.9, 0.05);
    EXPECT_EQ(s.chartCaption.rfind("Concrete: 32 C at the start, 109.8 C after 96 h; half the "
                                   "rise by ",
                                   0),
              0u)
        << s.chartCaption;
    const double half = std::stod(s.chartCaption.substr(s.chartCaption.find("by ") + 3));
    EXPECT_LT(half, 2.5);
    EXPECT_EQ(s.chartAxes, "0 to 96 h across, 30 to 110 C up, a line every 10 C");
    testing::RecordingCanvas canvas;
    window.drawChart(canvas);
    const std::vector<testing::DrawOp> scale = canvas.sinceClear(testing::DrawOp::Scale);
    ASSERT_EQ(scale.size(), 1u);
    EXPECT_EQ(std::vector<double>({scale[0].x1, scale[0].y1, scale[0].x2, scale[0].y2}),
              std::vector<double>({0, 110, 96, 30}));
    // The curve's 200 pieces and a line every 10 C between the axis' ends.
    EXPECT_EQ(canvas.sinceClear(testing::DrawOp::Line).size(), 207u);

    // A slow a b t source: half the rise takes a day.
    f.dialogs.inputAnswers = {"1", "1", "24"};
    window.chooseABt();
    for (int box = 0; box < 3; ++box) window.editValue(box);
    const double slow = std::stod(s.chartCaption.substr(s.chartCaption.find("by ") + 3));
    EXPECT_GT(slow, 20.0) << s.chartCaption;
}

TEST(FrmSourceChart, EquivalentAgeIsChosenWithItsEnergyAndReferenceAndChangesTheCurve) {
    ConcreteFixture f;
    frmSource window{f.app, f.exec, f.viewMode};
    window.load();
    f.dialogs.inputAnswers = {"1", "1", "24"};
    window.chooseABt();
    for (int box = 0; box < 3; ++box) window.editValue(box);
    const CurvePoints realAge = window.state().adiabatic;
    window.toggleEquivalentAge(true);
    EXPECT_TRUE(f.exec.Src.equivalentAge);
    EXPECT_EQ(window.state().labelValue[kActivationEnergyBox], "Activation Energy   (J / mol)");
    f.dialogs.inputAnswers = {"33826", "21.1"};
    window.editValue(kActivationEnergyBox);
    window.editValue(kReferenceTempBox);
    EXPECT_FLOAT_EQ(f.exec.Src.activationEnergy, 33826.0f);
    EXPECT_FLOAT_EQ(f.exec.Src.referenceTemp, 21.1f);
    EXPECT_NE(window.state().chartCaption.find("(equivalent age)"), std::string::npos);
    // Placed at 32 C, above the reference, the concrete releases its heat sooner.
    EXPECT_GT(window.state().adiabatic[20].second, realAge[20].second + 1.0);
    window.close();
    EXPECT_TRUE(f.exec.Src.readyFlag);

    // A negative activation energy is refused on closing.
    frmSource again{f.app, f.exec, f.viewMode};
    again.load();
    EXPECT_TRUE(again.state().chkEquivalentAge);
    EXPECT_EQ(again.state().txtValue[kActivationEnergyBox], "33826");
    f.dialogs.inputAnswers = {"-1"};
    again.editValue(kActivationEnergyBox);
    EXPECT_TRUE(again.state().adiabatic.empty());
    EXPECT_EQ(again.state().chartCaption,
              "No curve for Concrete: a value of the source is missing or out of range.");
    again.close();
    EXPECT_FALSE(f.exec.Src.readyFlag);
    EXPECT_EQ(f.viewMode, "ERROR");
}

TEST(FrmSourceChart, WithoutAHeatProducingMaterialTheChartSaysSo) {
    SourceFixture f;
    EXPECT_TRUE(f.window.state().adiabatic.empty());
    EXPECT_EQ(f.window.state().chartCaption, "No material of the model produces heat.");
}

} // namespace
} // namespace vardex
