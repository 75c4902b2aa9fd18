#include "RunView.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "CondsDialog.h"
#include "HelpViewer.h"
#include "HistoriesView.h"
#include "RecsDialog.h"
#include "SourceDialog.h"
#include "TempDisplayView.h"
#include "ThermalLimitsView.h"
#include "exec/DisplaySource.h"

namespace vardex::gui {

RunView::RunView(AppState& app, QWidget* parent)
    : QWidget(parent), controller_(app, starter_, timer_), sounding_(app) {
    using namespace runCaptions;
    setWindowTitle(kCaption);
    auto* column = new QVBoxLayout(this);
    menuBar_ = new QMenuBar(this);
    column->setMenuBar(menuBar_);

    auto* frame = new QGroupBox(kFrame, this);
    auto* form = new QFormLayout(frame);
    txtModfile_ = new QLabel(frame);
    txtModfile_->setObjectName("txtModfile");
    txtmodelName_ = new QLabel(frame);
    txtmodelName_->setObjectName("txtmodelName");
    form->addRow(new QLabel(kModfileLabel, frame), txtModfile_);
    form->addRow(new QLabel(kModelNameLabel, frame), txtmodelName_);
    for (int k = 0; k < 6; ++k) {
        labp_[k] = new QLabel(kParameterLabels[k], frame);
        txtP_[k] = new ClickableBox(frame);
        txtP_[k]->setObjectName(QString("txtP%1").arg(k));
        txtP_[k]->setMaximumWidth(120);
        txtP_[k]->onClick = [this, k] { controller_.parameterClicked(k); };
        form->addRow(labp_[k], txtP_[k]);
    }
    column->addWidget(frame);
    auto* progress = new QHBoxLayout;
    barProg_ = new QProgressBar(this);
    barProg_->setObjectName("barProg");
    progress->addWidget(barProg_, 1);
    stop_ = new QPushButton("Stop", this);
    stop_->setObjectName("cmdStop");
    stop_->setToolTip("Ends the solver; the chunks it finished stay on disk.");
    connect(stop_, &QPushButton::clicked, this, [this] { controller_.stopRun(); });
    progress->addWidget(stop_);
    column->addLayout(progress);
    column->addStretch(1);
    StatusBar1_ = new QStatusBar(this);
    StatusBar1_->setObjectName("StatusBar1");
    StatusBar1_->setSizeGripEnabled(false);
    column->addWidget(StatusBar1_);

    buildMenus();
    controller_.showSource = [this](frmSource& window) {
        SourceDialog dialog(window, this);
        dialog.exec();
    };
    controller_.showConds = [this](frmConds& window) {
        CondsDialog dialog(window, this);
        dialog.exec();
    };
    controller_.showRecs = [this](frmRecs& window) {
        RecsDialog dialog(window, this);
        dialog.exec();
    };
    attachResultWindows(app);
    controller_.onChanged = [this] { render(); };
    controller_.onClose = [this] {
        // In the main window the frame closes; on its own the widget does.
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
    };
    controller_.load();
}

void RunView::attachResultWindows(AppState& app) {
    sounding_.openDisplay = [this, &app](const Csounding* sounding) {
        DisplaySource source;
        source.viewMode = "sounding";
        source.sounding = sounding;
        showTemperatureDisplay(app, app.dialogs, std::move(source), this);
    };
    controller_.showModelDisplay = [this, &app] {
        const Cexec& e = controller_.exec();
        DisplaySource source = modelDisplaySource(app, controller_.viewMode(), e.modelfile,
                                                  e.runName, controller_.chunkTypes());
        source.sounding = sounding_.sounding();
        showTemperatureDisplay(app, app.dialogs, std::move(source), this);
    };
    controller_.acquireSounding = [this] { sounding_.acquireSounding(); };
    controller_.testRotations = [this] { sounding_.testRotations(); };
    controller_.displaySounding = [this] { sounding_.displaySounding(); };
    // Neither is modal: several stand beside the displays while the user looks at the results,
    // each showing what was read when it opened.
    controller_.showHistories = [this, &app] {
        TemperatureHistories histories(app.dialogs);
        if (!histories.load(controller_.historySources())) return;
        auto* view = new HistoriesView(std::move(histories), app.dialogs, this);
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->show();
    };
    controller_.showLimits = [this, &app] {
        auto table = std::make_unique<ThermalLimits>(app.dialogs);
        table->limits = controller_.limits;
        if (!table->load(controller_.summaryFiles())) return;
        auto* view = new ThermalLimitsView(std::move(table), this);
        view->setAttribute(Qt::WA_DeleteOnClose);
        // The limits the user set stay with the set-up.
        connect(view, &QDialog::finished, this,
                [this, view] { controller_.limits = view->limits(); });
        view->show();
    };
}

RunView::~RunView() {
    controller_.onChanged = nullptr;
    controller_.onClose = nullptr;
}

void RunView::buildMenus() {
    for (const MenuState& m : controller_.state().menus) {
        if (m.items.empty()) {
            // "&Exit" is a menu-bar item of its own.
            QAction* exit = menuBar_->addAction(QString::fromStdString(m.caption));
            exit->setObjectName(QString::fromStdString(m.name));
            actions_[m.name] = exit;
            connect(exit, &QAction::triggered, this, [this] { controller_.exitWindow(); });
            continue;
        }
        QMenu* menu = menuBar_->addMenu(QString::fromStdString(m.caption));
        menu->setObjectName(QString::fromStdString(m.name));
        menus_[m.name] = menu;
        for (const MenuItemState& item : m.items) {
            QAction* action = menu->addAction(QString::fromStdString(item.caption));
            action->setObjectName(QString::fromStdString(item.name));
            actions_[item.name] = action;
        }
    }
    auto on = [this](const char* item, void (frmRun::*command)()) {
        connect(action(item), &QAction::triggered, this,
                [this, command] { (controller_.*command)(); });
    };
    on("mnuOpenModel", &frmRun::openModel);
    on("mnuMakeRunfile", &frmRun::makeRunFile);
    on("mnuOpenRun", &frmRun::openRunFile);
    on("mnuSource", &frmRun::concreteSource);
    on("mnuModSpecs", &frmRun::modelSpecifications);
    on("mnuExecute", &frmRun::execute);
    on("mnuModelDisplay", &frmRun::mnuModelDisplay);
    on("mnuOpensounding", &frmRun::mnuOpensounding);
    on("mnuTEST", &frmRun::mnuTEST);
    on("mnudisplaysounding", &frmRun::mnudisplaysounding);
    on("mnuHistories", &frmRun::mnuHistories);
    on("mnuLimits", &frmRun::mnuLimits);
    on("mnuSaveSetup", &frmRun::saveSetup);
    on("mnuOpenSetup", &frmRun::openSetup);
    connectHelp(this, action("mnuUserGuide"), action("mnuAbout"), helpChapters::kRunning);
}

QAction* RunView::action(const std::string& itemName) const {
    auto it = actions_.find(itemName);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* RunView::menu(const std::string& menuName) const {
    auto it = menus_.find(menuName);
    return it == menus_.end() ? nullptr : it->second;
}

void RunView::render() {
    const RunWindowState& s = controller_.state();
    for (const MenuState& m : s.menus) {
        if (QMenu* qmenu = menu(m.name)) qmenu->menuAction()->setEnabled(m.enabled);
        for (const MenuItemState& item : m.items) {
            QAction* a = actions_.at(item.name);
            a->setEnabled(controller_.itemUsable(item.name));
            a->setVisible(item.visible);
            const QString tip = QString::fromStdString(controller_.itemTip(item.name));
            a->setStatusTip(tip);
            a->setToolTip(tip.isEmpty() ? a->text() : tip);
        }
    }
    txtModfile_->setText(QString::fromStdString(s.txtModfile));
    txtmodelName_->setText(QString::fromStdString(s.txtmodelName));
    for (int k = 0; k < 6; ++k) txtP_[k]->setText(QString::fromStdString(s.txtP[k]));
    barProg_->setVisible(s.barVisible);
    barProg_->setRange(s.barMin, s.barMax);
    barProg_->setValue(s.barValue);
    stop_->setVisible(controller_.runOutstanding());
    StatusBar1_->showMessage(QString::fromStdString(s.status));
}

void RunView::closeEvent(QCloseEvent* event) {
    if (!controller_.state().closed) {
        if (!controller_.queryClose()) {
            event->ignore();
            return;
        }
        // Closed by the window system: the window's own exit steps, without closing it again.
        controller_.onClose = nullptr;
        controller_.exitWindow();
    }
    event->accept();
}

RunView* findRunWindow(QMdiArea* area) {
    for (QMdiSubWindow* frame : area->subWindowList())
        if (auto* view = qobject_cast<RunView*>(frame->widget())) return view;
    return nullptr;
}

void attachExecutionWindow(mdifrmMain& main, QMdiArea* area, AppState& app) {
    main.showExecutionWindow = [area, &app] { return &showRunWindow(area, app)->controller(); };
    main.executionWindow = [area]() -> frmRun* {
        RunView* view = findRunWindow(area);
        return view ? &view->controller() : nullptr;
    };
}

RunView* showRunWindow(QMdiArea* area, AppState& app) {
    if (RunView* view = findRunWindow(area)) {
        auto* frame = qobject_cast<QMdiSubWindow*>(view->parentWidget());
        area->setActiveSubWindow(frame);
        frame->show();
        return view;
    }
    auto* view = new RunView(app);
    QMdiSubWindow* frame = area->addSubWindow(view);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->resize(560, 520);
    frame->show();
    return view;
}

} // namespace vardex::gui
