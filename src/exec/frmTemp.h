#pragma once
// The temperature display "Temperature Data": a run's fields as coloured horizontal
// cross-sections, one layer at a time, with the colour scale and its legend, a scroll bar over
// the layers and the hovered cell's read-out; in sounding mode the trace of a field sounding.
// Temperatures and lengths are shown in the program's units.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "exec/ColourScale.h"
#include "exec/DisplaySource.h"
#include "exec/TemperatureField.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "sounding/SoundingTrace.h"

namespace vardex {

inline constexpr const char* kTempTitle = "Temperature Data";
inline constexpr std::int32_t kScaleBackground = rgb(20, 20, 250);

struct ScrollBarState {
    int min = 1;
    int max = 1;
    int smallChange = 1;
    int largeChange = 5;
    int value = 1;
    bool enabled = false;
};

struct TempDisplayState {
    std::string caption = kTempTitle;
    std::string Text1; // base name of the model file
    std::string txtnx, txtny, txtnz, txtLayer;
    std::string Label1 = "D E P T H ";
    ScrollBarState VScroll1;
    // The scale's choice: "Full range" (the default) or the specified scale.
    ListState cboScale{{kFullRangeCaption, kSpecifiedCaption}, 0};
    ScaleLegend legend;
    std::string status; // what the pointer is over: temperature, cell and place
    // Chunks of the model display; choosing one shows it again.
    ListState cboChunk;
    // Width over height of Picture1, so cells keep their real proportions; 0 draws no field.
    double aspect = 0;
    std::vector<MenuState> menus;
    bool closed = false; // the window has closed itself
};

// One cross-section shown: its file, grid, field, colour scale and the cell colours drawn.
struct CrossSection {
    std::string outputFile;
    std::int16_t nx = 0, ny = 0, nz = 0;
    double dx = 0, dy = 0, dz = 0;
    double z0 = 0; // height of the chunk's base in the model
    double aspect = 0;
    TemperatureField field;
    ColourScale scale;
    std::vector<std::int32_t> cellColours; // (x, y, z) at ((z - 1) * ny + y - 1) * nx + x - 1
    int layer = 1;
};

class frmTemp {
  public:
    // picture: the cross-section (Picture1); scale: the colour scale (picScale).
    frmTemp(AppState& app, Dialogs& dialogs, Canvas& picture, Canvas& scale, DisplaySource source);
    ~frmTemp();
    frmTemp(const frmTemp&) = delete;
    frmTemp& operator=(const frmTemp&) = delete;

    const TempDisplayState& state() const { return state_; }
    // Called after every action so the view renders the state again.
    std::function<void()> onChange;

    // Reads the display mode: "model" shows every chunk in turn, "sounding" the trace.
    void load();
    // "&Cross Section": asks for a file (and the grid when none is known) and shows it.
    void mnuCross();
    void VScroll1_Change(int value);
    // Shows chunk index + 1 of the model display again.
    void cboChunk_Click(int index);
    // Chooses the colour scale (index into cboScale) for every chunk.
    void cboScale_Click(int index);
    // "&SI" and "&US": the program's units, for every window.
    void mnuSI();
    void mnuUS();
    // The pointer at (x, y) of the picture's scale: the cell under it is read out in the status.
    void hover(double x, double y);
    void leave();
    // The wheel over the picture: notches away from the user go up the scroll bar.
    void wheel(int notches);

    const std::vector<CrossSection>& sections() const { return sections_; }
    const CrossSection* shown() const;

  private:
    // Reads the named file (or asks for one) into a fresh cross-section; false when nothing was
    // shown. The grid comes from the chunk or from the prompts.
    bool crossSection(const DisplayChunk& chunk);
    void drawScale(const CrossSection& section);
    void makeScale(CrossSection& section) const;
    ScaleChoice choice() const;
    // The units changed: the legend, the read-out, the menus and a trace follow.
    void unitsChanged();
    void drawTrace();
    void drawLayer(CrossSection& section, int k);
    void show(int index);
    void changed();

    AppState& app_;
    Dialogs& dialogs_;
    Canvas& picture_;
    Canvas& scale_;
    DisplaySource source_;
    TempDisplayState state_;
    std::vector<CrossSection> sections_;
    int shown_ = -1;
    // The grid the window knows (from the last chunk or the prompts).
    DisplayChunk grid_;
    std::vector<TracePoint> trace_;
    bool hasTrace_ = false;
    int unitsSubscription_ = 0;
};

} // namespace vardex
