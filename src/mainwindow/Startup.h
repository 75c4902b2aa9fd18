#pragma once
// The start-up sequence after the application state exists: show the main window (its load
// step), set the run marker, run the start-up check, then open the file named on the command
// line, when there is one: a run set-up (.vrs) in the execution-control window, any other file
// as a model.

#include <functional>
#include <string>

#include "app/AppState.h"
#include "mainwindow/mdifrmMain.h"

namespace vardex {

void startVardex(AppState& app, mdifrmMain& mainWindow, const std::function<void()>& showMainWindow,
                 const std::string& file = {});

} // namespace vardex
