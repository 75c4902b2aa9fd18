#pragma once
// The sub-model editor window "Sub-Model Geometry -- New": the zone grid and vertical zones of one
// sub-model, its palette of up to 12 sections, and the section of each vertical zone painted with
// the pointer on a picture of the stack.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "materials/MaterialTable.h"
#include "platform/Canvas.h"
#include "platform/Controls.h"
#include "submodel/Csubmodel.h"

namespace vardex {

class AppState;

inline constexpr int kPaletteSlots = 12;

namespace submodelCaptions {
inline constexpr const char* kCaption = "Sub-Model Geometry -- New";
inline constexpr const char* kMessageTitle = "Sub-Model Geometry . . .";
inline constexpr const char* kDimensionsFrame = "Sub-Model Zone Dimensions  (m)";
inline constexpr const char* kHorizontal = "Horizontal";
inline constexpr const char* kVertical = "Vertical";
inline constexpr const char* kNumberOfZones = "Number of Zones";
inline constexpr const char* kSubModelLength = "Sub-Model Length";
inline constexpr const char* kZoneWidth = "   Zone  Width";
inline constexpr const char* kRefreshPage = "Refresh  Page";
inline constexpr const char* kDescriptionFrame = "Sub-Model  Description  and  File  Name";
inline constexpr const char* kSectionFrame = "Section  Name";
inline constexpr const char* kAddSection = "Add a Section";
inline constexpr const char* kRemoveSection = "Remove from Pallette";
inline constexpr const char* kEmptySlot = "                <empty>";
} // namespace submodelCaptions

namespace submodelFormats {
inline constexpr const char* kLengthFormat = "##0.0##"; // LX, LY, ZLength and depth labels
inline constexpr const char* kSizeFormat = "#.000#";    // DX, DY, DZ after an edit
} // namespace submodelFormats

// Picture units across the stack and per vertical zone.
inline constexpr double kStackWidth = 10;
inline constexpr double kLayerHeight = 10;

enum class SubmodelBox { NX, NY, Layers, DX, DY, DZ, LX, LY, ZLength };

struct SubmodelWindowState {
    std::string caption = submodelCaptions::kCaption;
    std::vector<MenuState> menus;
    // Texts of the dimension boxes, indexed by SubmodelBox.
    std::array<std::string, 9> boxes{};
    std::array<LabelState, 9> depthLabels{};
    std::string txtName;
    std::string txtFile;
    ListState sectionChooser;
    std::int32_t shpCurrent = kWhite;
    std::array<std::string, kPaletteSlots> slotLabels{};
    std::array<std::int32_t, kPaletteSlots> slotColors{};
    std::string messageTitle = submodelCaptions::kMessageTitle;
    bool open = false;

    const std::string& box(SubmodelBox b) const { return boxes[static_cast<std::size_t>(b)]; }
};

class frm2 {
  public:
    explicit frm2(AppState& app);

    const SubmodelWindowState& state() const { return window_; }
    std::int16_t nx() const { return nx_; }
    std::int16_t ny() const { return ny_; }
    std::int16_t nz() const { return nz_; }
    float dx() const { return dx_; }
    float dy() const { return dy_; }
    float dz() const { return dz_; }
    float zLength() const { return zLength_; }
    std::int16_t layer(int z) const { return layers_.at(static_cast<std::size_t>(z - 1)); }
    bool modified() const { return modified_; }
    const MaterialTable& materials() const { return materials_; }

    std::function<void()> onChanged;
    std::function<void()> onClosed;
    // "Open Section &Editor": the section editor opens beside this window.
    std::function<void()> onOpenSectionEditor;

    // The picture of the stack; its user scale is set here.
    void attachPicture(Canvas* canvas);

    void windowOpens();
    // A dimension box typed into, and left.
    void boxEdited(SubmodelBox box, const std::string& text);
    void boxLeft(SubmodelBox box);
    void nameBoxClicked();
    void fileBoxClicked();
    void refreshPage();
    void addSection();
    void removeSection();
    void sectionChosen(int position);
    // A click on a palette slot: a free slot adds a section.
    void slotClicked(int slot);
    void currentSwatchClicked();
    // The pointer on the picture, in its user units.
    void mouseDown(double x, double y);
    void mouseMove(double x, double y);
    void mouseUp(double x, double y);
    // Menus.
    void newSubmodel();
    void openProfile();
    void save();
    void saveAs();
    void openMaterialFile();
    void openSectionEditor();
    void alignMaterials();
    // "&Close" and the window's own close button. Returns false when the window stays open.
    bool close();

  private:
    void applyBox(SubmodelBox box);
    // The horizontal grid boxes: counts, zone sizes and lengths along x and y.
    void showGrid();
    void setBox(SubmodelBox box, const std::string& text);
    double boxValue(SubmodelBox box) const;
    // A whole count from a prompt; a non-numeric answer keeps the value.
    std::int16_t askCount(const std::string& prompt, std::int16_t value);
    void refreshWindow();
    void setUpPicture();
    void drawPicture();
    void drawLayer(int z);
    void paintAt(double y);
    void resetSlot(int k);
    bool layersComplete();
    bool writeProfile(const std::string& path);
    void readProfileFile(const std::string& path);
    void syncRecord();
    // "Sub-Model Geometry -- " and the file's name, or "-- New" without a file.
    void showFileInCaption(const std::string& path);
    // Unsaved work: Yes saves (false when nothing was saved), No drops it, Cancel keeps it.
    bool settleUnsaved();
    void enableMenu(const std::string& name, bool enabled);
    std::int32_t sectionColor(int s) const;
    void changed();

    AppState& app_;
    SubmodelWindowState window_;
    std::shared_ptr<Csubmodel> record_; // the editor's sub-model record
    MaterialTable materials_;
    Canvas* picture_ = nullptr;
    std::int16_t nx_ = 1, ny_ = 1, nz_ = 1;
    float dx_ = 0, dy_ = 0, dz_ = 0;
    float xLength_ = 0, yLength_ = 0, zLength_ = 0;
    std::array<std::int16_t, kMaxLayers> layers_{};
    std::array<std::int32_t, kPaletteSlots> colors_{};
    bool new_ = false;
    bool busy_ = false;
    bool fieldChanged_ = false;
    bool modified_ = false;
    bool armed_ = false;
    double lastY_ = 0; // the last pointer position of a stroke
};

} // namespace vardex
