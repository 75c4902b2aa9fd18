#pragma once
// The materials editor window "Materials  --  SI units": one materials file as a list of names
// with the properties of the selected material, edited, recorded and saved.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "materials/MaterialsEditorList.h"
#include "platform/Controls.h"

namespace vardex {

class AppState;

namespace materialsCaptions {
inline constexpr const char* kCaption = "Materials  --  SI units";
inline constexpr const char* kConductivity = "Conductivity W/m C";
inline constexpr const char* kSpecificHeat = "Specific Heat kJ/kg C";
inline constexpr const char* kDensity = "Density  kg /cubic m";
inline constexpr const char* kHeat = "Heat production kJ/kg";
inline constexpr const char* kMaterialType = "Material  Type";
inline constexpr const char* kFill = "Fill";
inline constexpr const char* kForm = "Form";
inline constexpr const char* kHorizontal = "Horizontal";
inline constexpr const char* kVertical = "Vertical";
inline constexpr const char* kThickness = "Characteristic Thickness";
inline constexpr const char* kDiameter = "Characteristic Diameter";
inline constexpr const char* kAdd = "Add a Material";
inline constexpr const char* kRecord = "Record  Property  Change";
inline constexpr const char* kSetColor = "Set Material  Color";
inline constexpr const char* kSaveFile = "Save File";
} // namespace materialsCaptions

// The property boxes, in the order the window shows them.
enum class MaterialBox { Conductivity, SpecificHeat, Density, HeatProduction };

struct MaterialsEditorState {
    std::string caption = materialsCaptions::kCaption;
    std::vector<MenuState> menus;
    MaterialsEditorList list; // the file-name box and the materials, entry k - 1 is material k
    ListState cboMaterials;   // the names
    bool listEnabled = true;
    int selected = 0; // material shown in the boxes
    std::string txtConductivity, txtSpecificHeat, txtDensity, txtHeat;
    std::int32_t shpColor = 16777215;
    bool optFill = true;
    bool optForm = false;
    bool optHorizontal = false;
    bool optVertical = false;
    bool geometryVisible = false; // the Horizontal / Vertical group with the size boxes
    bool geometryEnabled = false;
    std::string txtSize; // characteristic thickness, always shown positive
    bool sizeEnabled = false;
    bool radiusVisible = false;
    bool radiusEnabled = false;
    std::string txtRadius; // shown only, never stored
    bool editsPending = false;
    bool unsaved = false;
    bool open = false; // false once the window has closed
};

class MaterialsEditor {
  public:
    explicit MaterialsEditor(AppState& app);

    const MaterialsEditorState& state() const { return state_; }
    std::function<void()> onChanged; // the view re-renders
    std::function<void()> onClosed;  // the window has closed

    // The window opens: reads the configured materials file.
    void windowOpens();
    void listSelected(int position);
    // The list's entry field was edited: asks for the material's new label.
    void listTextEdited();
    // Asks for the name and the four properties; a property that is not a positive number (heat
    // production may be 0) is said and asked again, and Cancel adds nothing.
    void addMaterial();
    // Takes the boxes into the material; a box without a usable number is said and nothing is
    // recorded.
    void recordPropertyChange();
    void setMaterialColor();
    void fillClicked(bool on);
    void formClicked(bool on);
    void horizontalClicked();
    void verticalClicked();
    void propertyBoxChanged(MaterialBox box, const std::string& text);
    void sizeBoxChanged(const std::string& text);
    // Leaving the size box after an edit.
    void sizeBoxLeft();
    // "Save File": records pending edits, then writes the file (Save As when there is none).
    void saveFileClicked();
    void menuOpen();
    void menuSave();
    void menuSaveAs();
    // "&Close" and the window's own close button. Unsaved work asks Yes / No / Cancel first;
    // returns false when the window stays open.
    bool menuClose();

  private:
    void showMaterial(int k);
    Material* selectedMaterial();
    bool readFile(const std::string& path);
    bool saveTo(const std::string& path);
    void rememberFile(const std::string& path);
    // Unsaved or unrecorded work: Yes saves (false when that did not happen), No drops it,
    // Cancel keeps it.
    bool settleUnsaved();
    int count() const { return static_cast<int>(state_.list.materials.size()); }
    void changed();

    AppState& app_;
    MaterialsEditorState state_;
};

} // namespace vardex
