#pragma once
// The section editor window "Single-Section Geometry": one section shown as a coloured grid,
// materials loaded from a materials file or a section file, the geometry dialog, the section
// file commands and painting with the fills of the section painter.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "section/PainterState.h"
#include "section/PainterView.h"
#include "section/PointwiseFill.h"
#include "section/SectionEditorState.h"
#include "section/SectionPainter.h"

namespace vardex {

class AppState;

namespace sectionCaptions {
inline constexpr const char* kCaption = "Single-Section Geometry";
inline constexpr const char* kMessageTitle = "Section Page . . .";
inline constexpr const char* kNX = "NX ";
inline constexpr const char* kNY = "NY ";
inline constexpr const char* kMaterialFrame = "Material";
inline constexpr const char* kFillFormFrame = "Fill  /  Form";
inline constexpr const char* kSectionNameFrame = "Section  Name";
inline constexpr const char* kFinished = "Finished";
inline constexpr const char* kCorner = "0,0";
inline constexpr std::array<const char*, 4> kFormOptions{"Horizontal", "Vertical", "Circular",
                                                         "Radial"};
inline constexpr const char* kSectionFill = "Section fill";
inline constexpr const char* kRectangularFill = "Rectangular fill";
inline constexpr const char* kCylindricalFill = "Cylindrical fill";
inline constexpr const char* kPointwiseFill = "Point-wise fill";
} // namespace sectionCaptions

enum class FillChoice { None, Section, Rectangular, Cylindrical, Pointwise };

// What a drag on the grid paints: the zones under the pointer, a box from corner to corner, or a
// cylinder from its centre to its rim.
enum class DragShape { Zones, Box, Cylinder };

struct SectionWindowState {
    std::string caption = sectionCaptions::kCaption;
    std::vector<MenuState> menus;
    std::array<LabelState, 9> lblX{}; // distances along x, metres
    std::array<LabelState, 9> lblY{};
    std::string txtNX, txtNY;
    ListState lstMaterials;
    std::vector<std::int16_t> listNumbers; // material number of each list entry
    bool materialListEnabled = true;
    std::int32_t shpColor = kWhite;
    bool swatchVisible = true;
    bool formGroupEnabled = false;
    bool fillGroupEnabled = true;
    bool objectFillsVisible = false;
    bool objectFillsEnabled = false;
    FillChoice fill = FillChoice::None;
    std::string txtSectionName;
    std::string lblMaterialsFile;
    std::string lblSectionFile;
    std::string mode; // "section only" when opened from the main window
    bool open = false;
    int penWidth = 1;
};

class SectionEditor : private PainterView {
  public:
    explicit SectionEditor(AppState& app);

    const SectionWindowState& state() const { return window_; }
    const SectionEditorState& section() const { return section_; }
    const PainterState& painter() const { return painter_; }
    std::function<void()> onChanged;
    std::function<void()> onClosed;

    // The grid picture; its user scale is set here. Nothing is drawn before one is attached.
    void attachGrid(Canvas* canvas);
    void setMode(const std::string& mode) { window_.mode = mode; }

    void windowOpens();
    // Menu "&File".
    void openMaterialFile();
    void newSectionFile();
    void openSectionFile();
    void saveSectionFileAs();
    void saveSectionFile();
    // "&Close" and the window's own close button; unsaved work asks Yes / No / Cancel first.
    // Returns false when the window stays open.
    bool close();
    // Menu "&Geometry".
    void changeGeometry();
    void finished();
    void sectionNameClicked();
    void nyBoxClicked();
    void materialChosen(int position);
    // The fill buttons.
    void sectionFillClicked();
    void rectangularFillClicked();
    void cylindricalFillClicked();
    void pointwiseFillClicked();
    // The mouse on the grid, in grid units: zone (i, j) is centred on the point (i, j).
    void mouseDown(double x, double y, DragShape shape = DragShape::Zones);
    void mouseMove(double x, double y);
    void mouseUp(double x, double y);

  private:
    // PainterView.
    void selectPointwiseFill() override;
    void redrawGrid() override;
    void showObjectFills() override;

    void copyMaterials(bool plainOnly);
    void loadSection(std::string path);
    void setUpGrid();
    void refreshLabels();
    void recordConfiguration();
    bool writeTo(const std::string& path);
    // Unsaved work: Yes saves (false when nothing was saved), No drops it, Cancel keeps it.
    bool settleUnsaved();
    void closeWindow();
    void readMaterialsInto(const std::string& path);
    void drawDragOutline(double x, double y);
    void finishDrag(double x, double y);
    // A grid position in metres, kept within the section.
    double metresX(double x) const;
    double metresY(double y) const;
    void enableMenuItem(const std::string& name, bool enabled, bool visible = true);
    void enableMenu(const std::string& name, bool enabled);
    void changed();

    AppState& app_;
    SectionWindowState window_;
    SectionEditorState section_;
    PainterState painter_;
    SectionPainter fills_{app_, section_, painter_, *this};
    PointwiseFill pointwise_;
    Canvas* grid_ = nullptr;
    DragShape dragShape_ = DragShape::Zones;
    double dragX_ = 0, dragY_ = 0; // where the drag began
    double lastX_ = 0, lastY_ = 0; // the last pointer position of a stroke
    bool dragging_ = false;
};

} // namespace vardex
