#pragma once
// The main window "Integrated Model": menus, load and unload steps, the model-name box, the
// model-file commands and Exit. The model-builder panel inside it is the ModelBuilder.

#include <functional>
#include <string>

#include "app/AppState.h"
#include "app/EditorWindows.h"
#include "app/MainWindowState.h"
#include "model/ModelBuilder.h"
#include "platform/SettingsStore.h"

namespace vardex {

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

    const MainWindowState& state() const { return state_; }
    ModelBuilder& builder() { return builder_; }
    std::function<void()> onChanged;        // the view re-renders
    std::function<void()> onQuit;           // the process ends
    std::string applicationName = "Vardex"; // application name of the placement store

    // The load step, run when the window is first shown.
    void load();
    // The window is closed by the window system: the placement is stored unless minimized.
    void unload(const WindowPlacement& placement, bool minimized);
    // A click on the read-only model-name box.
    void modelNameClicked();
    void newModel();
    void openModel();
    void saveModel();
    void saveModelAs();
    // "E&xit".
    void exitProgram();

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

    AppState& app_;
    SettingsStore& settings_;
    MainWindowState state_;
    ModelBuilder builder_;
    EditorWindows editors_{app_, *this};
};

} // namespace vardex
