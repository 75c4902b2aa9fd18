// Vardex: builds the application state, shows the main window and runs the start-up check.

#include <QApplication>

#include "MainWindowView.h"
#include "QtDialogs.h"
#include "QtPlatform.h"
#include "RunView.h"
#include "app/AppState.h"
#include "mainwindow/Startup.h"
#include "mainwindow/mdifrmMain.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vardex");

    vardex::gui::QtDialogs dialogs;
    vardex::gui::QtSettingsStore settings;
    vardex::AppState app(dialogs, vardex::platformHomeCandidates());
    vardex::mdifrmMain mainWindow(app, settings);
    mainWindow.applicationName = QApplication::applicationName().toStdString();
    mainWindow.onQuit = [] { QApplication::quit(); };

    vardex::gui::MainWindowView view(mainWindow);
    mainWindow.showExecutionWindow = [&] { vardex::gui::showRunWindow(view.mdiArea(), app); };
    dialogs.setParent(&view);
    view.restorePlacement();
    // "vardex MODEL_FILE" opens that model once the start-up steps are done.
    const QStringList arguments = QApplication::arguments();
    const std::string modelFile = arguments.size() > 1 ? arguments.at(1).toStdString() : "";
    vardex::startVardex(
        app, mainWindow, [&] { view.show(); }, modelFile);
    return application.exec();
}
