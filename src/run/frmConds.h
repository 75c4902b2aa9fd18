#pragma once
// The boundary-condition window "Material Parameters": per boundary material, a specified
// temperature (with its time series) or no flux, and its initial temperature; also the geometry
// format handed to the solver.

#include <functional>
#include <string>

#include "app/AppState.h"
#include "platform/Controls.h"
#include "run/Cexec.h"

namespace vardex {

namespace condsCaptions {
inline constexpr const char* kCaption = "Material Parameters";
inline constexpr const char* kTitle = "Boundary Condition Specifications";
inline constexpr const char* kConditionFrame = "Boundary Condition";
inline constexpr const char* kSpecified = "Specified Temperature";
inline constexpr const char* kNoFlux = "No-Flux Boundary";
inline constexpr const char* kFileFrame = "Time Series Filename";
inline constexpr const char* kInitLabel = "Initial Material Temperature  (Celsius)";
inline constexpr const char* kFormat = "Cylindrical Format  ?";
inline constexpr const char* kClose = "Close and Return";
inline constexpr const char* kEdgeLabel = "Applied at Boundary to the Edge Material :";
inline constexpr const char* kFilter = " Time series (*.ts)|*.ts|All files (*.*)|*.*";
} // namespace condsCaptions

struct CondsWindowState {
    ListState List1;
    bool optDtype = false;
    bool optNtype = false;
    bool fileFrameEnabled = true; // "Time Series Filename"
    std::string txtTSfile;
    std::string txtInitT = "22";
    bool optFormat = true;
    bool guard = false; // the window accepts input
    bool closed = false;
};

class frmConds {
  public:
    frmConds(AppState& app, Cexec& exec);

    const CondsWindowState& state() const { return state_; }
    // The list position (1-based) of the material shown; 0 when none.
    int currentIndex() const { return current_; }
    std::function<void()> onChanged;

    void load();
    // A list entry chosen (0-based, as the list counts).
    void selectMaterial(int listIndex);
    void chooseNoFlux();
    void chooseSpecified();
    // Asks for the current material's time-series file (also when its box is clicked).
    void askTimeSeriesFile();
    // The initial-temperature box clicked or typed into.
    void initTempClicked();
    void formatToggled(bool checked);
    // "Close and Return", or the window closed otherwise.
    void close();

  private:
    CBoundarytype* currentRecord();
    void refresh();
    void changed();

    AppState& app_;
    Cexec& exec_;
    CondsWindowState state_;
    int current_ = 0;
};

} // namespace vardex
