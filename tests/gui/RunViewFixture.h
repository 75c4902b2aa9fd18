#pragma once
// The main window over a home holding the two-chunk example model, with the execution window
// opened from its menu item. Modal set-up windows are handled by a callback queued before the
// item that opens them.

#include <QApplication>
#include <QDialog>
#include <QMdiSubWindow>
#include <QTimer>

#include <filesystem>
#include <fstream>

#include "MainWindowView.h"
#include "RunView.h"
#include "exec/RunFixture.h"
#include "support/Doubles.h"

namespace vardex::testing {

struct RunViewFixture : RunHome {
    ScriptedDialogs dialogs;
    AppState app{dialogs, {home}};
    RecordingSettingsStore settings;
    mdifrmMain main{app, settings};
    gui::MainWindowView window{main};
    std::string modelFile;
    gui::RunView* view = nullptr;

    RunViewFixture() : RunHome("view home") {
        app.config.DataDir = data("");
        app.config.UserDir = data("");
        app.config.TempDir = file("Temp");
        app.config.OutputDir = file("Output");
        modelFile = writeTowerModel(app, *this);
        gui::attachExecutionWindow(main, window.mdiArea(), app);
        main.load();
        window.action("mnupromodel")->trigger();
        view = runView();
        dialogs.messages.clear();
    }

    gui::RunView* runView() const {
        for (QMdiSubWindow* frame : window.mdiArea()->subWindowList())
            if (auto* v = qobject_cast<gui::RunView*>(frame->widget())) return v;
        return nullptr;
    }

    bool runViewGone() const {
        for (QMdiSubWindow* frame : window.mdiArea()->subWindowList())
            if (!frame->isHidden()) return false;
        return true;
    }

    void openModel() {
        dialogs.fileAnswers.push_back(modelFile);
        view->action("mnuOpenModel")->trigger();
    }

    // Opens the model and settles the source as it comes and both boundaries as no-flux, through
    // the window's menu items: ready to execute.
    void setUpRun() {
        openModel();
        frmRun& run = view->controller();
        run.showSource = nullptr;
        run.showConds = [](frmConds& w) {
            w.selectMaterial(0);
            w.selectMaterial(1);
        };
        view->action("mnuSource")->trigger();
        view->action("mnuModSpecs")->trigger();
    }

    // A solver that works for 30 s and never finishes in a test.
    void useSlowSolver() {
        std::string slow = file("program/slow");
        std::ofstream(slow) << "#!/bin/sh\nexec sleep 30\n";
        std::filesystem::permissions(slow, std::filesystem::perms::owner_all);
        app.config.ProgramPath = slow;
    }

    // Runs the check on the modal dialog that the next action opens, then closes it.
    template <typename Dialog, typename Check> static void whenShown(Check check) {
        QTimer::singleShot(0, [check] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
                return;
            }
            check(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
    }
};

} // namespace vardex::testing
