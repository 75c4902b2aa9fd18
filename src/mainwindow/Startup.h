#pragma once
// The start-up sequence after the application state exists: show the main window (its load
// step), set the run marker, run the start-up check, then open the model file named on the
// command line, when there is one.

#include <functional>
#include <string>

#include "app/AppState.h"
#include "mainwindow/mdifrmMain.h"

namespace vardex {

void startVardex(AppState& app, mdifrmMain& mainWindow, const std::function<void()>& showMainWindow,
                 const std::string& modelFile = {});

} // namespace vardex
