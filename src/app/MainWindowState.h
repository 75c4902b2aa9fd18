#pragma once
// What the main window shows and the window-level flags other parts use.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Controls.h"

namespace vardex {

struct MainWindowState {
    std::string caption = "Integrated Model";
    std::vector<MenuState> menus;

    bool panelVisible = false; // Picture1, the model-builder panel
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

    std::string modelFilePath;
    std::string modelName;
    bool saved = true;
    bool builderActive = false;
    std::string messageTitle = "Model";
    std::string fileDialogInitialDir;

    void enableMenuItem(const std::string& name, bool enabled) {
        if (MenuItemState* item = findMenuItem(menus, name)) item->enabled = enabled;
    }
};

} // namespace vardex
