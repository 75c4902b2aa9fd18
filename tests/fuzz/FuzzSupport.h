#pragma once
// What every fuzz target shares: a work folder holding the example data (so profiles and models
// find the files they name) and an application state over it, as the program has one.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzTarget.h"
#include "app/AppState.h"
#include "support/ScriptedDialogs.h"

namespace vardex::fuzz {

// The process's work folder, made on first use and also made the current folder: the example
// files with their own paths, "wall.ts" for run files, "home/" for configuration files.
const std::string& workFolder();

// Writes the input as the file of that name in the work folder; returns its path.
std::string writeInput(const std::uint8_t* data, std::size_t size, const std::string& name);

// An application state over the work folder whose dialogs answer as if cancelled.
struct FuzzApp {
    testing::ScriptedDialogs dialogs;
    AppState app{dialogs, {workFolder()}};
    FuzzApp() { app.config.testing = true; }
};

} // namespace vardex::fuzz
