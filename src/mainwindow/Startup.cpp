#include "mainwindow/Startup.h"

namespace vardex {

void startVardex(AppState& app, mdifrmMain& mainWindow, const std::function<void()>& showMainWindow,
                 const std::string& modelFile) {
    if (showMainWindow) showMainWindow();
    mainWindow.load();
    app.runMarker = " ";
    app.startupCheck();
    if (!modelFile.empty()) mainWindow.openModelFile(modelFile);
}

} // namespace vardex
