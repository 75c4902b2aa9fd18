#pragma once
// The main window with its model builder over a fresh home, loaded, its drawing recorded, in test
// mode, with no messages pending.

#include <string>

#include "mainwindow/mdifrmMain.h"
#include "support/Doubles.h"
#include "support/ProfileText.h"
#include "support/RecordingCanvas.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex::testing {

struct MainWindowFixture {
    TempDir home;
    ScriptedDialogs dialogs;
    RecordingSettingsStore settings;
    RecordingCanvas drawing;
    AppState app{dialogs, {home.path()}};
    mdifrmMain main{app, settings};
    ModelBuilder& builder = main.builder();

    MainWindowFixture() {
        app.config.testing = true;
        main.load();
        builder.attachDrawing(&drawing);
        dialogs.messages.clear();
    }

    // The home's data folder, where the dialogs start.
    void useDataFolder() {
        home.write("data/readme.txt", "");
        app.config.DataDir = home.file("data");
        app.config.UserDir = home.file("data");
    }

    // Writes a profile of nz layers of section 1, each dz thick, and returns its path.
    std::string writeProfile(const std::string& name, int nz, const std::string& dz = " 1 ") {
        ProfileContent content;
        content.name = name;
        content.nz = nz;
        content.dz = dz;
        content.layers.assign(nz, 1);
        std::string path = home.file(name + ".prf");
        home.write(name + ".prf", profileText(path, content));
        return path;
    }
};

} // namespace vardex::testing
