#include "app/mdifrmMain.h"

#include "app/text/PrintForm.h"

namespace vardex {
namespace {

std::vector<MenuState> mainMenus() {
    return {
        {"mnufile",
         "&File",
         true,
         {{"mnufilenew", "&New model"},
          {"mnufileopen", "&Open model"},
          {"mnufileSave", "&Save model"},
          {"mnufilesaveas", "Save model &as"},
          {"mnufileclose", "&Close model"}}},
        {"mnuEditors",
         "&Editors",
         true,
         {{"mnuproMaterials", "&Materials editor"},
          {"mnusection", "Section &Geometry editor"},
          {"mnuProGeom", "&Sub-Model editor"},
          {"mnuSpecOutput", "Specify &Output"},
          {"mnupromodel", "Model &Execution/output"}}},
        {"mnuUnits", "&Units", true, {{"mnuUnitsEnslish", "&English "}, {"mnuUnitsSI", "&SI  (mks)"}}},
        {"mnuModel",
         "&Model",
         true,
         {{"mnuNewModel", "&New model"}, {"mnuOpenModel", "&Open Model"}, {"mnuExit", "E&xit"}}},
        {"mnuHelp", "&Help", true, {}},
    };
}

} // namespace

mdifrmMain::mdifrmMain(AppState& app, SettingsStore& settings) : app_(app), settings_(settings) {
    state_.menus = mainMenus();
    // Commands whose windows or file handling are not part of this program yet stay disabled.
    for (const char* name : {"mnufileopen", "mnufileSave", "mnuproMaterials", "mnusection",
                             "mnuProGeom", "mnupromodel", "mnuNewModel", "mnuOpenModel"})
        findMenuItem(state_.menus, name)->enabled = false;
}

void mdifrmMain::changed() {
    if (onChanged) onChanged();
}

void mdifrmMain::enableMenuItem(const std::string& name, bool enabled) {
    if (MenuItemState* item = findMenuItem(state_.menus, name)) item->enabled = enabled;
}

void mdifrmMain::load() {
    builderActive = false;
    saved = true;
    state_.panelVisible = false;
    state_.panelEnabled = false;
    enableMenuItem("mnufilesaveas", false);
    app_.clearChunkList();
    messageTitle = "Model";
    state_.txtModLength = "0";
    state_.txtTotChunks = "0";
    state_.txtnumgeotypes = "0";
    fileDialogInitialDir = app_.config.UserDir;
    for (LabelState& label : state_.lblPz) label = {"0", false};
    changed();
}

void mdifrmMain::unload(const WindowPlacement& placement, bool minimized) {
    if (minimized) return;
    auto store = [&](const char* key, double value) {
        settings_.save(applicationName, "Settings", key, strForm(static_cast<float>(value)));
    };
    store("MainLeft", placement.left);
    store("MainTop", placement.top);
    store("MainWidth", placement.width);
    store("MainHeight", placement.height);
}

void mdifrmMain::modelNameClicked() {
    std::string answer = app_.dialogs.input(std::string("Enter a descriptive Model name") +
                                                kNewLine + "<CR> keeps old name",
                                            "model name", modelName);
    if (!answer.empty()) {
        modelName = answer;
        state_.txtmodelName = answer;
        saved = false;
    }
    changed();
}

void mdifrmMain::exitProgram() {
    if (!modelFilePath.empty()) {
        // The dialogs start in a folder, so the model file's folder is kept, not the file.
        app_.config.UserDir = app_.fs.parentFolder(app_.fs.absolutePath(modelFilePath));
        app_.config.write_startup();
    }
    app_.clearModelLists();
    if (onQuit) onQuit();
}

} // namespace vardex
