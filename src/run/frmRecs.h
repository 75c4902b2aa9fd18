#pragma once
// The recording-point window "Time-Series Data Locations": enters and deletes the points at
// which the solver records temperature histories, in metres or feet.

#include <array>
#include <functional>
#include <string>

#include "app/AppState.h"
#include "platform/Controls.h"
#include "run/RecordingPoints.h"

namespace vardex {

namespace recsCaptions {
inline constexpr const char* kCaption = "Time-Series Data Locations";
inline constexpr const char* kEmpty = "<  empty  >";
inline constexpr std::array<const char*, 3> kAxes = {" X ", " Y ", " Z "};
inline constexpr const char* kMetres = "in Meters";
inline constexpr const char* kFeet = "in Feet";
inline constexpr const char* kUnits = "US/ English units";
inline constexpr const char* kCreate = "Create Recording Point";
inline constexpr const char* kDelete = "Delete Recording Point";
inline constexpr const char* kExit = "Exit and Return";
} // namespace recsCaptions

struct RecsWindowState {
    ListState Combo1;
    std::array<std::string, 3> Text1; // X, Y, Z
    std::string Label2 = "in Meters:";
    bool chkUS = false;
    bool deleteEnabled = false;
    bool closed = false;
};

class frmRecs {
  public:
    frmRecs(AppState& app, RecordingPoints& points);

    const RecsWindowState& state() const { return state_; }
    std::function<void()> onChanged;

    void load();
    // A coordinate box (0 X, 1 Y, 2 Z) edited.
    void setText(int box, const std::string& text);
    void selectPoint(int listIndex);
    // Adds the point in the boxes; typed in feet it is stored in metres.
    void createPoint();
    void deletePoint();
    // "US/ English units": switches the program's units, here and in every window.
    void toggleUnits();
    // "Exit and Return", or the window closed otherwise.
    void close();

  private:
    void changed();
    // Lists the stored points in the program's units.
    void listPoints();

    AppState& app_;
    RecordingPoints& rec_;
    RecsWindowState state_;
    bool busy_ = false;
};

} // namespace vardex
