#pragma once
// An application state over a complete home folder of its own (data, Temp, Output and the
// solver program), with no messages pending.

#include <filesystem>

#include "app/AppState.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex::testing {

struct HomeFolder {
    TempDir home;
    HomeFolder() {
        for (const char* folder : {"data", "Temp", "Output"})
            std::filesystem::create_directories(home.file(folder));
        home.write("program/target", "");
        home.write("program/zolter", "");
    }
};

struct AppFixture : HomeFolder {
    ScriptedDialogs dialogs;
    AppState app{dialogs, {home.path()}};
    AppFixture() {
        app.config.DataDir = home.file("data");
        app.config.UserDir = home.file("data");
        app.config.TempDir = home.file("Temp");
        app.config.OutputDir = home.file("Output");
        app.startupCheck();
        dialogs.messages.clear();
    }
};

} // namespace vardex::testing
