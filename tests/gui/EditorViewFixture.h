#pragma once
// The main window over a home of its own, shown, with its editors reachable from the menu.

#include <QApplication>
#include <QMdiSubWindow>
#include <QtTest>

#include "MainWindowView.h"
#include "app/AppState.h"
#include "mainwindow/Startup.h"
#include "support/Doubles.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex::testing {

struct EditorViewFixture {
    TempDir home;
    ScriptedDialogs dialogs;
    RecordingSettingsStore settings;
    AppState app{dialogs, {home.path()}};
    mdifrmMain main{app, settings};
    gui::MainWindowView view{main};

    EditorViewFixture() {
        startVardex(app, main, [&] { view.show(); });
        app.config.testing = true;
        app.config.DataDir = home.path();
        app.config.UserDir = home.path();
        app.config.materialfile = home.file("missing.mts");
        dialogs.messages.clear();
    }

    // The editor's view inside its child window.
    template <typename View> View* open(const char* item, EditorKind kind) {
        view.action(item)->trigger();
        QMdiSubWindow* window = view.editorViews()->window(kind);
        if (!window) return nullptr;
        window->resize(1000, 760);
        QApplication::processEvents();
        return qobject_cast<View*>(window->widget());
    }
};

} // namespace vardex::testing
