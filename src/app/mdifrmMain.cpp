#include "app/mdifrmMain.h"

#include "app/Filters.h"
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
        {"mnuUnits",
         "&Units",
         true,
         {{"mnuUnitsEnslish", "&English "}, {"mnuUnitsSI", "&SI  (mks)"}}},
        {"mnuModel",
         "&Model",
         true,
         {{"mnuNewModel", "&New model"}, {"mnuOpenModel", "&Open Model"}, {"mnuExit", "E&xit"}}},
        {"mnuHelp", "&Help", true, {}},
    };
}

} // namespace

mdifrmMain::mdifrmMain(AppState& app, SettingsStore& settings)
    : app_(app), settings_(settings), builder_(app, state_) {
    state_.menus = mainMenus();
    // The execution-control window is not part of this program yet.
    findMenuItem(state_.menus, "mnupromodel")->enabled = false;
}

void mdifrmMain::changed() {
    if (onChanged) onChanged();
}

void mdifrmMain::load() {
    state_.builderActive = false;
    state_.saved = true;
    state_.panelVisible = false;
    state_.panelEnabled = false;
    state_.enableMenuItem("mnufilesaveas", false);
    app_.clearChunkList();
    builder_.profileClear();
    state_.messageTitle = "Model";
    state_.txtModLength = "0";
    state_.txtTotChunks = "0";
    state_.txtnumgeotypes = "0";
    state_.fileDialogInitialDir = app_.config.UserDir;
    for (LabelState& label : state_.lblPz) label = {"0", false};
    builder_.emptyChunkSlots();
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
                                            "model name", state_.modelName);
    if (!answer.empty()) {
        state_.modelName = answer;
        state_.txtmodelName = answer;
        state_.saved = false;
    }
    changed();
}

void mdifrmMain::newModel() {
    state_.panelVisible = true;
    state_.panelEnabled = true;
    app_.clearModelLists();
    state_.txtZLayers = "0";
    builder_.clearBuilder();
    builder_.profileClear();
    // The slots of a previous model would otherwise reappear in the new one.
    builder_.emptyChunkSlots();
    builder_.drawModel();
    state_.builderActive = true;
    state_.modelName.clear();
    builder_.setTotalLength(0);
    state_.txtModLength = "0";
    changed();
}

void mdifrmMain::openModel() {
    std::string path =
        app_.dialogs.openFile({filters::kModel, app_.config.UserDir, state_.modelFilePath, ""});
    // Cancelling keeps the model as it is, unsaved changes included.
    if (path.empty()) return;
    builder_.profileClear();
    state_.modelFilePath = path;
    builder_.read_modfile(path);
    app_.config.DataPath = app_.fs.absolutePath(path);
    state_.panelEnabled = true;
    state_.lblModfile = path;
    state_.txtmodelName = state_.modelName;
    state_.saved = true;
    changed();
}

void mdifrmMain::saveModel() {
    if (app_.fs.fileExists(state_.modelFilePath))
        builder_.write_modfile(state_.modelFilePath);
    else
        saveModelAs();
    changed();
}

void mdifrmMain::saveModelAs() {
    if (state_.modelName.empty()) modelNameClicked();
    std::string path =
        app_.dialogs.saveFile({filters::kModel, app_.config.UserDir, state_.modelFilePath, ""});
    if (path.empty()) {
        app_.dialogs.inform("Save again using a good filename", "Model");
    } else {
        state_.modelFilePath = path;
        builder_.write_modfile(path);
    }
    changed();
}

void mdifrmMain::exitProgram() {
    // An editor holding unsaved work may keep the program open.
    if (!editors_.closeAll()) return;
    if (!state_.saved) saveModelAs();
    if (!state_.modelFilePath.empty()) {
        // The dialogs start in a folder, so the model file's folder is kept, not the file.
        app_.config.UserDir = app_.fs.parentFolder(app_.fs.absolutePath(state_.modelFilePath));
        app_.config.write_startup();
    }
    app_.clearModelLists();
    if (onQuit) onQuit();
}

bool mdifrmMain::makeWayForEditor(bool submodelEditor) {
    if (state_.builderActive && !state_.saved) {
        switch (app_.dialogs.askYesNoCancel("Save the model before it is cleared?",
                                            state_.messageTitle)) {
        case MessageAnswer::Yes:
            saveModel();
            if (!state_.saved) return false;
            break;
        case MessageAnswer::No:
            break;
        default:
            return false;
        }
    }
    builder_.clearBuilder();
    app_.clearModelLists();
    if (submodelEditor) builder_.profileClear();
    state_.builderActive = false;
    state_.enableMenuItem("mnufilesaveas", false);
    state_.panelVisible = false;
    changed();
    return true;
}

} // namespace vardex
