#pragma once
// The main window "Integrated Model": menus, load and unload steps, the model-name box and Exit.
// The model-builder panel it holds is driven through the same state.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "platform/Controls.h"
#include "platform/SettingsStore.h"

namespace vardex {

struct WindowPlacement {
    double left = 0, top = 0, width = 0, height = 0;
};

struct MainWindowState {
    std::string caption = "Integrated Model";
    std::vector<MenuState> menus;

    bool panelVisible = false; // Picture1
    bool panelEnabled = false;
    std::string txtZLayers;
    std::string txtZLength;
    std::string txtUnusedLength;
    std::string txtnumgeotypes;
    std::string txtModLength;
    std::string txtTotChunks;
    std::string txtmodelName;
    std::string lblModfile;
    std::array<LabelState, 5> lblPz;
    std::int32_t shpproColor = 16777215;
    ListState cboprofilename;
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
    std::function<void()> onChanged;    // the view re-renders
    std::function<void()> onQuit;       // the process ends
    std::string applicationName = "Vardex"; // application name of the placement store

    // Window-level state other parts use.
    std::string modelFilePath;
    std::string modelName;
    bool saved = true;
    bool builderActive = false;
    std::string messageTitle = "Model";
    std::string fileDialogInitialDir;

    // The load step, run when the window is first shown.
    void load();
    // The window is closed by the window system: the placement is stored unless minimized.
    void unload(const WindowPlacement& placement, bool minimized);
    // A click on the read-only model-name box.
    void modelNameClicked();
    // "E&xit".
    void exitProgram();

    // Sets a menu item's enabled flag (by the item's name).
    void enableMenuItem(const std::string& name, bool enabled);

private:
    void changed();

    AppState& app_;
    SettingsStore& settings_;
    MainWindowState state_;
};

} // namespace vardex
