#pragma once
// The "Heat Source" window: edits the run set-up's concrete heat source and, on closing, checks
// it and marks it ready or in error.

#include <array>
#include <functional>
#include <string>

#include "app/AppState.h"
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
inline constexpr const char* kFilter = " Time series (*.ts)|*.ts| All files |*.* ";
} // namespace sourceCaptions

struct SourceWindowState {
    std::array<std::string, 7> txtValue;   // the value boxes 0..6
    std::array<std::string, 7> labelValue; // their labels
    bool optTmodel = true, optABt = false, optTS = false;
    bool functionFrameVisible = true; // "Source Function "
    bool fileFrameVisible = false;    // "Time Series File"
    std::string txtFile;
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
    // A value box (0..6) clicked: asks for its value.
    void editValue(int box);
    // The file box clicked: chooses the time-series file.
    void chooseFile();
    // "Close", or the window closed otherwise: checks the input and marks the source.
    void close();

  private:
    // The option buttons and the source's flags for one kind of heat source.
    void selectKind(bool abt, bool timeSeries);
    // The T-model or the ABt curve chosen.
    void chooseCurve(bool abt);
    void layOut();
    void changed();

    AppState& app_;
    Cexec& exec_;
    std::string& viewMode_;
    SourceWindowState state_;
};

} // namespace vardex
