#include "mainwindow/Startup.h"

#include <filesystem>

namespace vardex {

void startVardex(AppState& app, mdifrmMain& mainWindow, const std::function<void()>& showMainWindow,
                 const std::string& file) {
    if (showMainWindow) showMainWindow();
    mainWindow.load();
    app.runMarker = " ";
    app.startupCheck();
    if (file.empty()) return;
    if (std::filesystem::path(file).extension() == ".vrs")
        mainWindow.openRunSetupFile(file);
    else
        mainWindow.openModelFile(file);
}

} // namespace vardex
