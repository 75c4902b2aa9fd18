#include "app/Startup.h"

namespace vardex {

void startVardex(AppState& app, mdifrmMain& mainWindow,
                 const std::function<void()>& showMainWindow) {
    if (showMainWindow) showMainWindow();
    mainWindow.load();
    app.runMarker = " ";
    app.startupCheck();
}

} // namespace vardex
