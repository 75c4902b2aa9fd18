#include "mainwindow/EditorWindows.h"

#include "app/AppState.h"
#include "mainwindow/mdifrmMain.h"
#include "materials/MaterialsEditor.h"
#include "section/SectionEditor.h"
#include "submodel/frm2.h"

namespace vardex {

EditorWindows::EditorWindows(AppState& app, mdifrmMain& main) : app_(app), main_(main) {}

EditorWindows::~EditorWindows() = default;

void EditorWindows::closed(EditorKind kind) {
    // The editor is still running the command that closed it: keep it alive until later.
    switch (kind) {
    case EditorKind::Materials:
        retired_.push_back(std::shared_ptr<MaterialsEditor>(std::move(materials_)));
        break;
    case EditorKind::Section:
        retired_.push_back(std::shared_ptr<SectionEditor>(std::move(section_)));
        break;
    case EditorKind::Submodel:
        retired_.push_back(std::shared_ptr<frm2>(std::move(submodel_)));
        break;
    }
    if (onClosed) onClosed(kind);
}

void EditorWindows::openMaterialsEditor() {
    retired_.clear();
    // An editor already open comes to the front as it is: clearing the shared lists under an
    // open editor would take what it shows (the sub-models of the sub-model editor).
    if (materials_) {
        if (onShow) onShow(EditorKind::Materials);
        return;
    }
    if (!main_.makeWayForEditor(false)) return;
    materials_ = std::make_unique<MaterialsEditor>(app_);
    materials_->onClosed = [this] { closed(EditorKind::Materials); };
    if (onShow) onShow(EditorKind::Materials);
    materials_->windowOpens();
}

void EditorWindows::showSection(const char* mode) {
    retired_.clear();
    if (!section_) {
        section_ = std::make_unique<SectionEditor>(app_);
        section_->setMode(mode);
        section_->onClosed = [this] { closed(EditorKind::Section); };
        if (onShow) onShow(EditorKind::Section);
        // The view may be gone again when the window closed while opening.
        if (section_) section_->windowOpens();
    } else {
        section_->setMode(mode);
        if (onShow) onShow(EditorKind::Section);
    }
}

void EditorWindows::openSectionEditor() {
    if (!section_ && !main_.makeWayForEditor(false)) return;
    showSection("section only");
}

void EditorWindows::openSectionEditorFromSubmodel() {
    showSection("");
}

void EditorWindows::openSubmodelEditor() {
    retired_.clear();
    if (submodel_) {
        if (onShow) onShow(EditorKind::Submodel);
        return;
    }
    if (!main_.makeWayForEditor(true)) return;
    submodel_ = std::make_unique<frm2>(app_);
    submodel_->onClosed = [this] { closed(EditorKind::Submodel); };
    submodel_->onOpenSectionEditor = [this] { openSectionEditorFromSubmodel(); };
    if (onShow) onShow(EditorKind::Submodel);
    submodel_->windowOpens();
    if (app_.lastSubmodelNx * app_.lastSubmodelNz < 10)
        app_.dialogs.inform(std::string("Please Open a sub-model file,  or ") + kNewLine +
                                "Enter the number of Z-zones, and either a DZ or" + kNewLine +
                                "a vertical submodel length" + kNewLine +
                                "[you may tab through the dimension settings].",
                            "Sub-Model File?");
}

bool EditorWindows::closeAll() {
    if (submodel_ && !submodel_->close()) return false;
    if (section_ && !section_->close()) return false;
    if (materials_ && !materials_->menuClose()) return false;
    return true;
}

} // namespace vardex
