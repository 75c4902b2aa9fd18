#pragma once
// The main window "Integrated Model": menus, load and unload steps, the model-name box, the
// model-file commands and Exit. The model-builder panel inside it is the ModelBuilder.

#include <functional>
#include <optional>
#include <string>

#include "app/AppState.h"
#include "app/MainWindowState.h"
#include "mainwindow/EditorWindows.h"
#include "model/ModelBuilder.h"
#include "platform/SettingsStore.h"

namespace vardex {

class frmRun;

struct WindowPlacement {
    double left = 0, top = 0, width = 0, height = 0;
};

// Fixed captions of the panel's controls.
namespace mainCaptions {
inline constexpr const char* kFrame2 = "Sub - Model";
inline constexpr const char* kAddProfile = "Append a Sub - Model";
inline constexpr const char* kDeleteProfile = " Delete a  Sub-Model";
inline constexpr const char* kZLayers = "Number of Layers";
inline constexpr const char* kZLength = "Sub-Model Length";
inline constexpr const char* kLabel3 = "Sub - Model  Name";
inline constexpr const char* kFrame1 = "Integrated Model";
inline constexpr const char* kDelChunk = "Delete a Chunk";
inline constexpr const char* kAdjLength = "Adjust Model Length";
inline constexpr const char* kUnusedLength = "Total  Unmodeled Length";
inline constexpr const char* kNumGeoTypes = "Sub-Model  Geometries";
inline constexpr const char* kModLength = "Total Model Length  ( m )";
inline constexpr const char* kTotChunks = "Total Number of Chunks";
inline constexpr const char* kModelName = "Model   Name";
} // namespace mainCaptions

class mdifrmMain {
  public:
    mdifrmMain(AppState& app, SettingsStore& settings);
    ~mdifrmMain();
    mdifrmMain(const mdifrmMain&) = delete;
    mdifrmMain& operator=(const mdifrmMain&) = delete;

    const MainWindowState& state() const { return state_; }
    ModelBuilder& builder() { return builder_; }
    std::function<void()> onChanged;        // the view re-renders
    std::function<void()> onQuit;           // the process ends
    std::string applicationName = "Vardex"; // application name of the placement store
    // Shows the execution-control window (created when it is not there yet) and returns its
    // controller.
    std::function<frmRun*()> showExecutionWindow;
    // The execution-control window when it is open, else null; it is not created.
    std::function<frmRun*()> executionWindow;
    // Asked before the program ends, once the model's changes are settled (child windows may hold
    // work); false keeps it open.
    std::function<bool()> mayQuit;

    // The load step, run when the window is first shown.
    void load();
    // The window is closed by the window system: the placement is stored unless minimized.
    void unload(const WindowPlacement& placement, bool minimized);
    // The placement stored at the last unload, to restore at start; nothing when none was.
    std::optional<WindowPlacement> storedPlacement() const;
    // The window system asks to close the window: false keeps it open (unsaved changes kept).
    bool closeRequested();
    // A click on the read-only model-name box.
    void modelNameClicked();
    void newModel();
    // "&Close model": the model leaves the window (offered for saving when changed).
    void closeModel();
    // "&Units": "&English " or "&SI  (mks)", for every window and the next start.
    void setUnits(UnitSystem system);
    void openModel();
    // Opens a named model file, as Open model does with the name its dialog returns. A model
    // that cannot be read leaves the window's model exactly as it was.
    void openModelFile(const std::string& path);
    // Both answer whether the model was written.
    bool saveModel();
    bool saveModelAs();
    // "E&xit".
    void exitProgram();
    // "Model &Execution/output": the window opens the model open here, with its results when a
    // whole run of it is there.
    void openExecutionWindow();
    // The execution-control window with a run set-up file opened in it, ready to execute.
    void openRunSetupFile(const std::string& path);

    // The "&Editors" items that open the three editors.
    EditorWindows& editors() { return editors_; }
    // Opening an editor: the builder is cleared and its panel hidden. A model built and not saved
    // is offered for saving first; false when the user keeps it (Cancel, or a save that failed).
    bool makeWayForEditor(bool submodelEditor);

    // Runs a builder action and then lets the view re-render.
    template <typename Action> void act(Action&& action) {
        action(builder_);
        changed();
    }

  private:
    void changed();
    // With unsaved changes asks whether to save them: true when the program may end.
    bool unsavedChangesSettled(const std::string& question);
    void rememberModelFolder();
    // Clears the builder and the model lists and hides the panel, the model's changes settled.
    void putModelAway(bool submodelEditor);
    void showUnits();

    AppState& app_;
    SettingsStore& settings_;
    MainWindowState state_;
    ModelBuilder builder_;
    bool quitting_ = false; // the user has agreed to end the program
    int unitsSubscription_ = 0;
    EditorWindows editors_{app_, *this};
};

} // namespace vardex
