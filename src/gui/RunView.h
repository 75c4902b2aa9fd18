#pragma once
// The view of the execution-control window, a child window of the main window. It owns the
// window's controller, timer and program starter; the set-up windows open from it as modal
// dialogs.

#include <map>
#include <string>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QWidget>

#include "ClickableBox.h"
#include "QtPlatform.h"
#include "exec/frmRun.h"
#include "mainwindow/mdifrmMain.h"
#include "sounding/SoundingCommands.h"

namespace vardex::gui {

class RunView : public QWidget {
    Q_OBJECT
  public:
    explicit RunView(AppState& app, QWidget* parent = nullptr);
    ~RunView() override;

    frmRun& controller() { return controller_; }
    void render();

    QAction* action(const std::string& itemName) const;
    QMenu* menu(const std::string& menuName) const;
    ClickableBox* parameterBox(int k) const { return txtP_[k]; }
    QLabel* parameterLabel(int k) const { return labp_[k]; }
    QProgressBar* progressBar() const { return barProg_; }
    QPushButton* stopButton() const { return stop_; }
    QStatusBar* statusBar() const { return StatusBar1_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    // The windows that show a run's results and the soundings, opened from the menus.
    void attachResultWindows(AppState& app);

    QtTimer timer_;
    QtProgramStarter starter_;
    frmRun controller_;
    SoundingCommands sounding_;
    QMenuBar* menuBar_ = nullptr;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    QLabel* txtModfile_ = nullptr;
    QLabel* txtmodelName_ = nullptr;
    ClickableBox* txtP_[6] = {};
    QLabel* labp_[6] = {};
    QProgressBar* barProg_ = nullptr;
    QPushButton* stop_ = nullptr;
    QStatusBar* StatusBar1_ = nullptr;
};

// Shows the execution window in the area, creating it when it is not there yet.
RunView* showRunWindow(QMdiArea* area, AppState& app);
// The execution window of the area; null when it is not open.
RunView* findRunWindow(QMdiArea* area);
// The main window's execution item opens the window in the area.
void attachExecutionWindow(mdifrmMain& main, QMdiArea* area, AppState& app);

} // namespace vardex::gui
