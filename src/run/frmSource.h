#pragma once
// The "Heat Source" window: edits the run set-up's concrete heat source and, on closing, checks
// it and marks it ready or in error.

#include <array>
#include <functional>
#include <string>

#include "app/AppState.h"
#include "hydration/HeatCurve.h"
#include "platform/Canvas.h"
#include "run/Cexec.h"

namespace vardex {

namespace sourceCaptions {
inline constexpr const char* kCaption = "Heat Source";
inline constexpr const char* kFunctionFrame = "Source Function ";
inline constexpr const char* kSourceFrame = "Concrete Source ";
inline constexpr const char* kFileFrame = "Time Series File";
inline constexpr const char* kTModel = "T-model";
inline constexpr const char* kABt = "a b t";
inline constexpr const char* kTimeSeries = "Time Series";
inline constexpr const char* kClose = "Close";
inline constexpr const char* kEquivalentAge = "Equivalent age (temperature dependent)";
inline constexpr const char* kChartFrame = "Adiabatic Temperature Rise";
inline constexpr const char* kFilter = " Time series (*.ts)|*.ts| All files |*.* ";
} // namespace sourceCaptions

inline constexpr int kSourceBoxes = 9;
inline constexpr int kActivationEnergyBox = 7;
inline constexpr int kReferenceTempBox = 8;

struct SourceWindowState {
    // The value boxes 0..6 of the source and the concrete, 7 and 8 of the equivalent age.
    std::array<std::string, kSourceBoxes> txtValue;
    std::array<std::string, kSourceBoxes> labelValue; // their labels
    bool optTmodel = true, optABt = false, optTS = false;
    bool functionFrameVisible = true; // "Source Function "
    bool fileFrameVisible = false;    // "Time Series File"
    std::string txtFile;
    bool chkEquivalentAge = false; // boxes 7 and 8 are enabled while it is checked
    // The adiabatic rise of the source in the model's concrete over the run (hours from its
    // start, C); empty when it cannot be drawn, and chartCaption says why.
    CurvePoints adiabatic;
    std::string chartCaption;
    std::string chartAxes;
    bool inputEnabled = false;
    bool closed = false;
};

class frmSource {
  public:
    // viewMode is the execution window's, which the close step sets.
    frmSource(AppState& app, Cexec& exec, std::string& viewMode);

    const SourceWindowState& state() const { return state_; }
    std::function<void()> onChanged;

    void load();
    void chooseTModel();
    void chooseABt();
    void chooseTimeSeries();
    void toggleEquivalentAge(bool checked);
    // A value box (0..8) clicked: asks for its value.
    void editValue(int box);
    // The file box clicked: chooses the time-series file.
    void chooseFile();
    // "Close", or the window closed otherwise: checks the input and marks the source.
    void close();
    // Draws the adiabatic rise: the run's hours across, degrees up.
    void drawChart(Canvas& canvas) const;

  private:
    // The option buttons and the source's flags for one kind of heat source.
    void selectKind(bool abt, bool timeSeries);
    // The T-model or the ABt curve chosen.
    void chooseCurve(bool abt);
    void layOut();
    void updateChart();
    void changed();

    AppState& app_;
    Cexec& exec_;
    std::string& viewMode_;
    SourceWindowState state_;
};

} // namespace vardex
