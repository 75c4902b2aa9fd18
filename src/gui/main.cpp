// Vardex: builds the application state, shows the main window and runs the start-up check.
//
//   vardex [--work-in-home] [MODEL_OR_SETUP_FILE]    or    vardex --version
//
// --work-in-home makes the home folder the current folder, where the solver's outputs land; the
// desktop entry starts Vardex so, as its own start folder means nothing to the user.

#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>

#include "MainWindowView.h"
#include "ProgramUnits.h"
#include "QtDialogs.h"
#include "QtPlatform.h"
#include "RunView.h"
#include "app/AppState.h"
#include "app/HomeSetup.h"
#include "mainwindow/Startup.h"
#include "mainwindow/mdifrmMain.h"
#include "text/Version.h"

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", vardex::versionLine("vardex").c_str());
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vardex");
    QApplication::setApplicationVersion(vardex::kVersion);
    QGuiApplication::setDesktopFileName("vardex");
    QApplication::setWindowIcon(QIcon(":/icons/vardex.svg"));

    bool workInHome = false;
    QString modelFile;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == "--work-in-home")
            workInHome = true;
        else if (modelFile.isEmpty())
            modelFile = QFileInfo(arguments.at(i)).absoluteFilePath();
    }

    vardex::gui::QtDialogs dialogs;
    vardex::gui::QtSettingsStore settings;
    // An installed Vardex started for the first time makes its home before reading it.
    const bool firstStart = vardex::setUpHomeOnFirstStart(dialogs);
    vardex::AppState app(dialogs, vardex::platformHomeCandidates());
    vardex::gui::setProgramUnits(&app.units);
    // The first start shows the example, as run.sh does.
    const std::string example = app.fs.join(app.fs.join(app.config.homeDir, "data"), "pier.mod");
    if (firstStart && modelFile.isEmpty() && app.fs.fileExists(example))
        modelFile = QString::fromStdString(example);
    if (workInHome && !app.config.homeDir.empty())
        QDir::setCurrent(QString::fromStdString(app.config.homeDir));
    vardex::mdifrmMain mainWindow(app, settings);
    mainWindow.applicationName = QApplication::applicationName().toStdString();
    mainWindow.onQuit = [] { QApplication::quit(); };

    vardex::gui::MainWindowView view(mainWindow);
    vardex::gui::attachExecutionWindow(mainWindow, view.mdiArea(), app);
    dialogs.setParent(&view);
    view.restorePlacement();
    // A model or run set-up named on the command line opens once the start-up steps are done.
    vardex::startVardex(
        app, mainWindow, [&] { view.show(); }, modelFile.toStdString());
    return application.exec();
}
