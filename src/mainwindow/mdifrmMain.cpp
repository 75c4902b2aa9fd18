#include "mainwindow/mdifrmMain.h"

#include "app/Filters.h"
#include "app/Help.h"
#include "exec/frmRun.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

constexpr const char* kPlacementKeys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};

// Everything reading a model file changes, kept so that a failed read can put it back.
struct ModelSnapshot {
    MainWindowState window;
    ModelBuilder::Saved builder;
    KeyedList<Csubmodel> submodels;
    std::vector<std::int16_t> chunks;
    Cmodel model;
    std::int16_t selected;
    std::string currentSubmodelFile, currentSubmodelName;
    std::int16_t lastNx, lastNy, lastNz;
    std::string dataPath, userDir, submodelFile;

    ModelSnapshot(const AppState& app, const MainWindowState& w, const ModelBuilder& b)
        : window(w), builder(b.save()), submodels(app.submodelList), chunks(app.chunkList),
          model(app.model), selected(app.selectedSubmodel),
          currentSubmodelFile(app.currentSubmodelFile),
          currentSubmodelName(app.currentSubmodelName), lastNx(app.lastSubmodelNx),
          lastNy(app.lastSubmodelNy), lastNz(app.lastSubmodelNz), dataPath(app.config.DataPath),
          userDir(app.config.UserDir), submodelFile(app.config.submodelfile) {}

    void restore(AppState& app, MainWindowState& w, ModelBuilder& b) const {
        w = window;
        app.submodelList = submodels;
        app.chunkList = chunks;
        app.model = model;
        app.selectedSubmodel = selected;
        app.currentSubmodelFile = currentSubmodelFile;
        app.currentSubmodelName = currentSubmodelName;
        app.lastSubmodelNx = lastNx;
        app.lastSubmodelNy = lastNy;
        app.lastSubmodelNz = lastNz;
        app.config.DataPath = dataPath;
        app.config.UserDir = userDir;
        app.config.submodelfile = submodelFile;
        b.restore(builder);
    }
};

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
        // The output (the recording points) is specified in the execution window.
        {"mnuEditors",
         "&Editors",
         true,
         {{"mnuproMaterials", "&Materials editor"},
          {"mnusection", "Section &Geometry editor"},
          {"mnuProGeom", "&Sub-Model editor"},
          {"mnupromodel", "Model &Execution/output"}}},
        {"mnuUnits",
         "&Units",
         true,
         {{"mnuUnitsEnslish", "&English ", true, true, "Temperatures in \u00B0F, lengths in feet",
           true},
          {"mnuUnitsSI", "&SI  (mks)", true, true, "Temperatures in \u00B0C, lengths in metres",
           true}}},
        {"mnuModel",
         "&Model",
         true,
         {{"mnuNewModel", "&New model"}, {"mnuOpenModel", "&Open Model"}, {"mnuExit", "E&xit"}}},
        helpMenu(),
    };
}

} // namespace

mdifrmMain::mdifrmMain(AppState& app, SettingsStore& settings)
    : app_(app), settings_(settings), builder_(app, state_) {
    state_.menus = mainMenus();
    unitsSubscription_ = app_.units.subscribe([this] {
        showUnits();
        changed();
    });
    showUnits();
}

mdifrmMain::~mdifrmMain() {
    app_.units.unsubscribe(unitsSubscription_);
}

void mdifrmMain::showUnits() {
    for (MenuState& menu : state_.menus) {
        if (MenuItemState* us = menu.item("mnuUnitsEnslish")) us->checked = app_.units.us();
        if (MenuItemState* si = menu.item("mnuUnitsSI")) si->checked = !app_.units.us();
    }
}

void mdifrmMain::setUnits(UnitSystem system) {
    app_.units.set(system);
}

void mdifrmMain::closeModel() {
    // As for an editor: a model not saved is offered for saving, and Cancel keeps it.
    makeWayForEditor(false);
}

void mdifrmMain::changed() {
    if (onChanged) onChanged();
}

void mdifrmMain::load() {
    // The units chosen at the last start.
    app_.units.attach(settings_, applicationName);
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
    const double values[] = {placement.left, placement.top, placement.width, placement.height};
    for (int i = 0; i < 4; ++i) store(kPlacementKeys[i], values[i]);
}

std::optional<WindowPlacement> mdifrmMain::storedPlacement() const {
    double values[4];
    for (int i = 0; i < 4; ++i) {
        std::optional<std::string> text =
            settings_.load(applicationName, "Settings", kPlacementKeys[i]);
        if (!text || !isTypedNumber(*text)) return std::nullopt;
        values[i] = typedNumber(*text);
    }
    if (values[2] < 1 || values[3] < 1) return std::nullopt;
    return WindowPlacement{values[0], values[1], values[2], values[3]};
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
    openModelFile(path);
}

void mdifrmMain::openModelFile(const std::string& path) {
    const ModelSnapshot before(app_, state_, builder_);
    // Nothing is selected while the old types are cleared, so no length is asked for a model
    // whose length the file holds.
    app_.selectedSubmodel = 0;
    builder_.profileClear();
    state_.modelFilePath = path;
    if (!builder_.read_modfile(path)) {
        before.restore(app_, state_, builder_);
        changed();
        return;
    }
    app_.config.DataPath = app_.fs.absolutePath(path);
    state_.panelEnabled = true;
    state_.lblModfile = path;
    state_.txtmodelName = state_.modelName;
    state_.saved = true;
    changed();
}

bool mdifrmMain::saveModel() {
    if (!app_.fs.fileExists(state_.modelFilePath)) return saveModelAs();
    const bool written = builder_.write_modfile(state_.modelFilePath);
    changed();
    return written;
}

bool mdifrmMain::saveModelAs() {
    if (state_.modelName.empty()) modelNameClicked();
    std::string path =
        app_.dialogs.saveFile({filters::kModel, app_.config.UserDir, state_.modelFilePath, ""});
    bool written = false;
    if (path.empty()) {
        app_.dialogs.inform("Save again using a good filename", "Model");
    } else {
        // The path is kept only once the model is written there.
        written = builder_.write_modfile(path);
        if (written) state_.modelFilePath = path;
    }
    changed();
    return written;
}

bool mdifrmMain::unsavedChangesSettled(const std::string& question) {
    if (state_.saved) return true;
    switch (app_.dialogs.askYesNoCancel(question, state_.messageTitle)) {
    case MessageAnswer::Yes:
        return saveModel();
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void mdifrmMain::rememberModelFolder() {
    if (state_.modelFilePath.empty()) return;
    // The dialogs start in a folder, so the model file's folder is kept, not the file.
    app_.config.UserDir = app_.fs.parentFolder(app_.fs.absolutePath(state_.modelFilePath));
    app_.config.write_startup();
}

bool mdifrmMain::closeRequested() {
    if (quitting_) return true;
    if (!unsavedChangesSettled("Save changes to the model?")) return false;
    // Child windows may hold work of their own (an editor's unsaved file, a run in progress):
    // they are asked next.
    if (!editors_.closeAll()) return false;
    if (mayQuit && !mayQuit()) return false;
    quitting_ = true;
    rememberModelFolder();
    app_.clearModelLists();
    return true;
}

void mdifrmMain::openExecutionWindow() {
    // A run under way keeps the model lists it works from: its window only comes to the front.
    if (frmRun* open = executionWindow ? executionWindow() : nullptr;
        open && open->runOutstanding()) {
        if (showExecutionWindow) showExecutionWindow();
        return;
    }
    // The same clearing as for an editor: a model built and not saved is offered for saving.
    if (!unsavedChangesSettled("Save the model before it is cleared?")) return;
    // The model open here, as it is on disk, is the one the window opens, with its results.
    const std::string model = state_.modelFilePath;
    putModelAway(false);
    if (!showExecutionWindow) return;
    frmRun* run = showExecutionWindow();
    if (run && !model.empty() && app_.fs.fileExists(model)) run->openModelFile(model);
}

void mdifrmMain::openRunSetupFile(const std::string& path) {
    if (!makeWayForEditor(false) || !showExecutionWindow) return;
    if (frmRun* run = showExecutionWindow()) run->openSetupFile(path);
}

void mdifrmMain::exitProgram() {
    if (!closeRequested()) return;
    if (onQuit) onQuit();
}

bool mdifrmMain::makeWayForEditor(bool submodelEditor) {
    if (!unsavedChangesSettled("Save the model before it is cleared?")) return false;
    putModelAway(submodelEditor);
    return true;
}

void mdifrmMain::putModelAway(bool submodelEditor) {
    builder_.clearBuilder();
    app_.clearModelLists();
    // Nothing of the model is left to save.
    state_.saved = true;
    if (submodelEditor) builder_.profileClear();
    state_.builderActive = false;
    state_.enableMenuItem("mnufilesaveas", false);
    state_.panelVisible = false;
    changed();
}

} // namespace vardex
