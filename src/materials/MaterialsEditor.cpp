#include "materials/MaterialsEditor.h"

#include <cmath>
#include <optional>

#include "app/AppState.h"
#include "app/Filters.h"
#include "app/Help.h"
#include "materials/MaterialsFile.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

constexpr const char* kListTitle = "Materials";
constexpr const char* kMaterialTitle = "Material";

// A physical property as Add a Material asks for it.
struct PropertyPrompt {
    const char* prompt;
    const char* what;
    float Material::*field;
    bool zeroAllowed; // a material may produce no heat, but it always has mass and conducts
};

constexpr PropertyPrompt kPropertyPrompts[] = {
    {"Enter a thermal conductivity", "thermal conductivity", &Material::conductivity, false},
    {"Enter a specific Heat,  Cp ", "specific heat", &Material::specificHeat, false},
    {"Enter a material density: kg/cubic m", "density", &Material::density, false},
    {"Enter a heat production / unit mass", "heat production", &Material::heatProduction, true}};

// The number typed for a property, or nothing after saying why it cannot be taken: a material
// of no density or no specific heat would be written and run as if it were one.
std::optional<float> propertyNumber(Dialogs& dialogs, const std::string& text, const char* what,
                                    bool zeroAllowed) {
    if (isTypedNumber(text)) {
        const double value = typedNumber(text);
        if (value > 0 || (zeroAllowed && value == 0)) return static_cast<float>(value);
    }
    dialogs.inform("\"" + text + "\" is not a usable " + what + ": it must be a number " +
                       (zeroAllowed ? "of 0 or more." : "above 0."),
                   kMaterialTitle);
    return std::nullopt;
}

// A value as the boxes show it: "0.5", "2400", "-0.3".
std::string boxText(float value) {
    std::string text = plainDigits(value);
    if (text.starts_with('.')) return "0" + text;
    if (text.starts_with("-.")) return "-0" + text.substr(1);
    return text;
}

std::vector<MenuState> materialsMenus() {
    return {{"mnuFile",
             "&File",
             true,
             {{"mnuNew", "&New"},
              {"mnuOpen", "&Open"},
              {"mnuSave", "&Save"},
              {"mnuSaveAs", "Save &As"},
              {"mnuClose", "&Close"}}},
            helpMenu()};
}

} // namespace

MaterialsEditor::MaterialsEditor(AppState& app) : app_(app) {
    state_.menus = materialsMenus();
}

void MaterialsEditor::changed() {
    if (onChanged) onChanged();
}

Material* MaterialsEditor::selectedMaterial() {
    if (state_.selected < 1 || state_.selected > count()) return nullptr;
    return &state_.list.materials[static_cast<std::size_t>(state_.selected - 1)];
}

void MaterialsEditor::windowOpens() {
    state_.open = true;
    state_.editsPending = false;
    state_.unsaved = false;
    readFile(app_.config.materialfile);
    state_.geometryEnabled = false;
    state_.selected = 1;
    changed();
}

bool MaterialsEditor::readFile(const std::string& path) {
    // A fresh list replaces the shown one only when the whole file was read.
    MaterialsEditorList fresh;
    if (!read_MaterialList(app_, fresh, path)) return false;
    state_.list = std::move(fresh);
    state_.cboMaterials.items.clear();
    for (const Material& m : state_.list.materials) state_.cboMaterials.items.push_back(m.name);
    if (count() > 0) showMaterial(1);
    return true;
}

void MaterialsEditor::showMaterial(int k) {
    if (count() == 0) {
        menuOpen();
        return;
    }
    if (k == 99 || k < 1 || k > count()) k = 1;
    state_.selected = k;
    state_.cboMaterials.listIndex = k - 1;
    const Material& m = state_.list.materials[static_cast<std::size_t>(k - 1)];
    state_.txtConductivity = boxText(m.conductivity);
    state_.txtSpecificHeat = boxText(m.specificHeat);
    state_.txtDensity = boxText(m.density);
    state_.txtHeat = boxText(m.heatProduction);
    state_.txtSize = boxText(std::fabs(m.characteristicSize));
    const bool form = m.characteristicSize != 0.0f;
    state_.optFill = !form;
    state_.optForm = form;
    state_.sizeEnabled = form;
    state_.geometryVisible = form;
    if (form) {
        state_.optHorizontal = m.characteristicSize < 0.0f;
        state_.optVertical = m.characteristicSize > 0.0f;
    }
    state_.shpColor = m.color;
    state_.listEnabled = true;
    state_.geometryEnabled = true;
}

void MaterialsEditor::listSelected(int position) {
    if (position < 0 || position >= count()) return;
    state_.editsPending = false;
    showMaterial(position + 1);
    changed();
}

void MaterialsEditor::listTextEdited() {
    state_.radiusVisible = false;
    state_.radiusEnabled = false;
    state_.editsPending = true;
    Material* m = selectedMaterial();
    std::string answer = app_.dialogs.input("Enter / change the material label:", kListTitle,
                                            m ? m->name : std::string());
    if (!answer.empty() && m) {
        m->name = answer;
        state_.cboMaterials.items[static_cast<std::size_t>(state_.selected - 1)] = answer;
        state_.cboMaterials.listIndex = state_.selected - 1;
        // A new label is a change of the file like any other.
        state_.unsaved = true;
    }
    changed();
}

void MaterialsEditor::addMaterial() {
    const int n = count() + 1;
    if (n > kMaterialSlots) {
        app_.dialogs.inform("A materials file holds at most 99 materials.", kMaterialTitle);
        return;
    }
    std::string name = app_.dialogs.input(
        "   Enter a unique material name for entry #" + std::to_string(n), kMaterialTitle, "");
    // A cancelled name adds nothing.
    if (name.empty()) return;
    Material m{name, kNewMaterialColor};
    for (const PropertyPrompt& property : kPropertyPrompts) {
        std::optional<float> value;
        while (!value) {
            const std::string answer = app_.dialogs.input(property.prompt, kMaterialTitle, "");
            // Cancel drops the material rather than keep one with a property missing.
            if (answer.empty()) return;
            value = propertyNumber(app_.dialogs, answer, property.what, property.zeroAllowed);
        }
        m.*property.field = *value;
    }
    state_.list.materials.push_back(m);
    state_.cboMaterials.items.push_back(name);
    state_.unsaved = true;
    state_.optFill = true;
    state_.optForm = false;
    showMaterial(n);
    changed();
}

void MaterialsEditor::recordPropertyChange() {
    Material* m = selectedMaterial();
    if (!m) return;
    if (state_.editsPending) {
        // Heat production is a relative value not above 2.
        if (typedNumber(state_.txtHeat) > 2.0) state_.txtHeat = "1";
        // A box that holds no usable number is said, and nothing is recorded.
        std::optional<float> values[4];
        const std::string* boxes[4] = {&state_.txtConductivity, &state_.txtSpecificHeat,
                                       &state_.txtDensity, &state_.txtHeat};
        for (std::size_t k = 0; k < 4; ++k) {
            const PropertyPrompt& property = kPropertyPrompts[k];
            values[k] =
                propertyNumber(app_.dialogs, *boxes[k], property.what, property.zeroAllowed);
            if (!values[k]) {
                changed();
                return;
            }
        }
        for (std::size_t k = 0; k < 4; ++k) m->*kPropertyPrompts[k].field = *values[k];
        if (state_.optForm) {
            m->characteristicSize = static_cast<float>(typedNumber(state_.txtSize));
            if (state_.optHorizontal) m->characteristicSize = -std::fabs(m->characteristicSize);
        }
        std::string answer =
            app_.dialogs.input(std::string("Replacement name for material  (<CR> to keep)") +
                                   kNewLine + kNewLine + m->name,
                               "Material Name", "");
        if (!answer.empty()) {
            m->name = answer;
            state_.cboMaterials.items[static_cast<std::size_t>(state_.selected - 1)] = answer;
        }
    }
    showMaterial(state_.selected);
    state_.editsPending = false;
    state_.unsaved = true;
    changed();
}

void MaterialsEditor::setMaterialColor() {
    Material* m = selectedMaterial();
    if (!m) return;
    if (std::optional<std::int32_t> color = app_.dialogs.chooseColor(m->color)) {
        m->color = *color;
        state_.shpColor = *color;
        state_.editsPending = true;
        state_.unsaved = true;
    }
    changed();
}

void MaterialsEditor::fillClicked(bool on) {
    if (on) {
        state_.sizeEnabled = false;
        if (Material* m = selectedMaterial()) m->characteristicSize = 0.0f;
        if (count() > 0) showMaterial(state_.selected);
    } else {
        state_.sizeEnabled = true;
    }
    state_.optFill = on;
    state_.editsPending = true;
    changed();
}

void MaterialsEditor::formClicked(bool on) {
    state_.optForm = on;
    state_.optFill = !on;
    state_.sizeEnabled = on;
    state_.geometryVisible = on;
    state_.editsPending = true;
    changed();
}

void MaterialsEditor::horizontalClicked() {
    Material* m = selectedMaterial();
    if (!m) return;
    if (m->characteristicSize == 0.0f) {
        std::string answer =
            app_.dialogs.input("enter a characteristic width", boxText(m->characteristicSize), "");
        if (isTypedNumber(answer)) m->characteristicSize = static_cast<float>(typedNumber(answer));
    }
    m->characteristicSize = -std::fabs(m->characteristicSize);
    state_.txtSize = boxText(std::fabs(m->characteristicSize));
    state_.optHorizontal = true;
    state_.optVertical = false;
    state_.radiusVisible = true;
    state_.radiusEnabled = true;
    state_.txtRadius =
        app_.dialogs.input("Enter the form's radius of curvature (m)", "Radius", "0");
    state_.editsPending = true;
    changed();
}

void MaterialsEditor::verticalClicked() {
    Material* m = selectedMaterial();
    if (!m) return;
    m->characteristicSize = std::fabs(m->characteristicSize);
    state_.txtSize = boxText(m->characteristicSize);
    state_.optVertical = true;
    state_.optHorizontal = false;
    state_.editsPending = true;
    changed();
}

void MaterialsEditor::propertyBoxChanged(MaterialBox box, const std::string& text) {
    switch (box) {
    case MaterialBox::Conductivity:
        state_.txtConductivity = text;
        break;
    case MaterialBox::SpecificHeat:
        state_.txtSpecificHeat = text;
        break;
    case MaterialBox::Density:
        state_.txtDensity = text;
        break;
    case MaterialBox::HeatProduction:
        state_.txtHeat = text;
        break;
    }
    state_.editsPending = true;
}

void MaterialsEditor::sizeBoxChanged(const std::string& text) {
    state_.txtSize = text;
    state_.editsPending = true;
}

void MaterialsEditor::sizeBoxLeft() {
    if (!state_.editsPending) return;
    if (Material* m = selectedMaterial())
        m->characteristicSize = static_cast<float>(typedNumber(state_.txtSize));
    changed();
}

bool MaterialsEditor::saveTo(const std::string& path) {
    if (!SaveFile(app_, path, state_.list.materials)) return false;
    state_.unsaved = false;
    return true;
}

void MaterialsEditor::rememberFile(const std::string& path) {
    app_.config.materialfile = app_.fs.absolutePath(path);
    app_.config.DataDir = app_.fs.parentFolder(app_.config.materialfile);
}

void MaterialsEditor::saveFileClicked() {
    // What the window shows is what is saved: edits not yet recorded are recorded first, so that
    // closing right after has nothing left to ask about.
    if (state_.editsPending) recordPropertyChange();
    if (state_.editsPending) return; // a box was refused and said so
    if (state_.list.fileName.empty())
        menuSaveAs();
    else
        saveTo(state_.list.fileName);
    changed();
}

bool MaterialsEditor::settleUnsaved() {
    if (!state_.editsPending && !state_.unsaved) return true;
    switch (app_.dialogs.askYesNoCancel("Save your changes to the materials file?", kListTitle)) {
    case MessageAnswer::Yes:
        if (state_.editsPending) recordPropertyChange();
        menuSave();
        return !state_.unsaved;
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void MaterialsEditor::menuOpen() {
    if (!settleUnsaved()) return;
    std::string path =
        app_.dialogs.openFile({filters::kMaterials, app_.config.DataDir, state_.list.fileName, ""});
    // A cancelled dialog keeps the file in use.
    if (path.empty()) return;
    if (app_.fs.fileExists(path) && readFile(path)) {
        app_.currentMaterialsFile = path;
        rememberFile(path);
        state_.editsPending = false;
        state_.unsaved = false;
    }
    changed();
}

void MaterialsEditor::menuSave() {
    if (!state_.list.fileName.empty()) app_.currentMaterialsFile = state_.list.fileName;
    if (!state_.list.fileName.empty() && !app_.currentMaterialsFile.empty()) {
        if (saveTo(app_.currentMaterialsFile)) rememberFile(app_.currentMaterialsFile);
    } else {
        menuSaveAs();
    }
    changed();
}

void MaterialsEditor::menuSaveAs() {
    std::string path =
        app_.dialogs.saveFile({filters::kMaterials, app_.config.DataDir, state_.list.fileName, ""});
    if (path.empty()) {
        app_.dialogs.inform("This file name selection is not useful.");
    } else if (saveTo(path)) {
        state_.list.fileName = path;
        rememberFile(path);
    }
    changed();
}

bool MaterialsEditor::menuClose() {
    if (!state_.open) return true;
    if (!settleUnsaved()) {
        changed();
        return false;
    }
    app_.currentMaterialsFile.clear();
    state_.open = false;
    changed();
    if (onClosed) onClosed();
    return true;
}

} // namespace vardex
