#pragma once
// The boundary-condition window "Material Parameters": per boundary material, a specified
// temperature (with its time series) or no flux, and its initial temperature; also the geometry
// format handed to the solver.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "platform/Controls.h"
#include "run/Cexec.h"
#include "run/FaceCoefficient.h"
#include "text/PhysicalLimits.h"

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
inline constexpr const char* kConvection = "Convection to Ambient Air";
inline constexpr const char* kFacesFrame =
    "Heat-Transfer Coefficients U  (W/m2 C), each row from its time on";
inline constexpr const char* kTimeColumn = "From (h)";
inline constexpr std::array<const char*, 6> kFaceNames{
    "Front (y = 0)", "Left (x = 0)", "Back (y = max)", "Right (x = max)", "Bottom", "Top"};
inline constexpr const char* kAddChange = "Add a Change Time";
inline constexpr const char* kRemoveChange = "Remove the Change";
inline constexpr const char* kCalculatorFrame = "U from an Air Film and Layers in Series";
inline constexpr const char* kFilmLabel = "Air Film Coefficient  (W/m2 C)";
inline constexpr const char* kAddLayer = "Add a Layer";
inline constexpr const char* kRemoveLayer = "Remove the Layer";
inline constexpr const char* kApplyU = "Use U for the Selected Faces";
} // namespace condsCaptions

// The U calculator's air film and layers, kept by the window while it is open.
struct FaceCalculator {
    double film = 8.0; // W/(m2 C): still air at a vertical face
    std::vector<InsulationLayer> layers;
    double U() const { return seriesCoefficient(film, layers); }
};

struct CondsWindowState {
    ListState List1;
    bool optDtype = false;
    bool optNtype = false;
    bool fileFrameEnabled = true; // "Time Series Filename"
    std::string txtTSfile;
    std::string txtInitT = "22";
    bool optFormat = true;
    bool optCtype = false;          // convection to the ambient air
    bool facesFrameVisible = false; // the coefficients table, with convection only
    // One row per change time: the time, then U of faces 1..6, as the table shows them.
    std::vector<std::array<std::string, 7>> faceRows;
    std::string txtFilm = "8";
    std::vector<std::string> layerRows; // "Plywood: 19 mm at .12 W/m C"
    std::string txtU;                   // the calculator's result
    bool guard = false;                 // the window accepts input
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
    // Convection: the ambient air is the series (or the initial temperature without one).
    void chooseConvection();
    // Asks for a time; the new row starts with the coefficients in force then.
    void addChangeTime();
    void removeChangeTime(int row);
    // A cell of the coefficients table clicked: column 0 the time, 1..6 U of faces 1..6.
    void editFaceCell(int row, int column);
    void filmClicked();
    // Adds a layer of preset p (kLayerPresets), asking its thickness in mm (and conductivity).
    void addLayer(int preset);
    void removeLayer(int index);
    // The calculator's U into the given faces (1..6) of a row.
    void applyU(int row, const std::vector<int>& faces);
    // Asks for the current material's time-series file (also when its box is clicked).
    void askTimeSeriesFile();
    // The initial-temperature box clicked or typed into.
    void initTempClicked();
    void formatToggled(bool checked);
    // "Close and Return", or the window closed otherwise.
    void close();

  private:
    CBoundarytype* currentRecord();
    // The current convective record, or null; for the table's actions.
    CBoundarytype* convectiveRecord();
    // Asks for a number; empty when the answer is not one.
    std::optional<double> askNumber(const std::string& prompt, const std::string& shown);
    // The same, and a number outside the range is refused with a message naming it.
    std::optional<double> askInRange(const std::string& prompt, const std::string& shown,
                                     const std::string& what, const limits::Range& range);
    void showCalculator();
    void refresh();
    void changed();

    AppState& app_;
    Cexec& exec_;
    CondsWindowState state_;
    FaceCalculator calculator_;
    int current_ = 0;
};

} // namespace vardex
