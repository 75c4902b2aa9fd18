#include "MainWindowView.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include "HelpViewer.h"
#include "RunView.h"

namespace vardex::gui {
namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

QString swatchStyle(std::int32_t color) {
    return QString("background-color: rgb(%1,%2,%3); border: 1px solid #555;")
        .arg(color & 0xFF)
        .arg((color >> 8) & 0xFF)
        .arg((color >> 16) & 0xFF);
}

} // namespace

MainWindowView::MainWindowView(mdifrmMain& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller) {
    setWindowTitle(qs(controller_.state().caption));
    resize(1100, 780);
    buildMenus();

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    buildPanel();
    layout->addWidget(panel_);
    mdi_ = new QMdiArea(central);
    layout->addWidget(mdi_, 1);
    setCentralWidget(central);
    statusBar(); // sbStatusBar: present, never written
    connectEditors();

    controller_.onChanged = [this] { render(); };
    // A child window with a run outstanding may refuse to close.
    controller_.mayQuit = [this] { return closeChildren(); };
    render();
}

void MainWindowView::buildMenus() {
    for (const MenuState& menu : controller_.state().menus) {
        QMenu* qmenu = menuBar()->addMenu(qs(menu.caption));
        menus_[menu.name] = qmenu;
        for (const MenuItemState& item : menu.items) {
            QAction* action = qmenu->addAction(qs(item.caption));
            qmenu->setToolTipsVisible(true);
            action->setObjectName(qs(item.name));
            actions_[item.name] = action;
        }
    }
    auto on = [this](const char* item, auto command) {
        connect(action(item), &QAction::triggered, this,
                [this, command] { (controller_.*command)(); });
    };
    on("mnufilenew", &mdifrmMain::newModel);
    on("mnufileclose", &mdifrmMain::closeModel);
    on("mnufileopen", &mdifrmMain::openModel);
    on("mnufileSave", &mdifrmMain::saveModel);
    on("mnufilesaveas", &mdifrmMain::saveModelAs);
    on("mnuNewModel", &mdifrmMain::newModel);
    on("mnuOpenModel", &mdifrmMain::openModel);
    on("mnuExit", &mdifrmMain::exitProgram);
    on("mnupromodel", &mdifrmMain::openExecutionWindow);
    connect(action("mnuUnitsEnslish"), &QAction::triggered, this,
            [this] { controller_.setUnits(UnitSystem::US); });
    connect(action("mnuUnitsSI"), &QAction::triggered, this,
            [this] { controller_.setUnits(UnitSystem::SI); });
    // The whole guide from the top; F1 in a window inside opens that window's chapter.
    connectHelp(this, action("mnuUserGuide"), action("mnuAbout"), "", true);
}

QLineEdit* MainWindowView::addBox(QLayout* layout, const char* caption, bool readOnly) {
    auto* form = static_cast<QFormLayout*>(layout);
    auto* box = new QLineEdit(panel_);
    box->setReadOnly(readOnly);
    box->setMaximumWidth(110);
    form->addRow(new QLabel(caption, panel_), box);
    return box;
}

void MainWindowView::buildPanel() {
    using namespace mainCaptions;
    panel_ = new QWidget(this);
    panel_->setObjectName("Picture1");
    panel_->setFixedWidth(360);
    auto* column = new QVBoxLayout(panel_);

    auto* nameRow = new QFormLayout();
    txtmodelName_ = new QLineEdit(panel_);
    txtmodelName_->setObjectName("txtmodelName");
    txtmodelName_->setReadOnly(true);
    txtmodelName_->installEventFilter(this);
    nameRow->addRow(new QLabel(kModelName, panel_), txtmodelName_);
    column->addLayout(nameRow);
    lblModfile_ = new QLabel(panel_);
    lblModfile_->setObjectName("lblModfile");
    lblModfile_->setWordWrap(true);
    column->addWidget(lblModfile_);

    auto* frame2 = new QGroupBox(kFrame2, panel_);
    auto* frame2Layout = new QVBoxLayout(frame2);
    auto* typeRow = new QHBoxLayout();
    cboprofilename_ = new QComboBox(frame2);
    cboprofilename_->setObjectName("cboprofilename");
    shpproColor_ = new QFrame(frame2);
    shpproColor_->setObjectName("shpproColor");
    shpproColor_->setFixedSize(36, 22);
    shpproColor_->installEventFilter(this);
    typeRow->addWidget(new QLabel(kLabel3, frame2));
    typeRow->addWidget(cboprofilename_, 1);
    typeRow->addWidget(shpproColor_);
    frame2Layout->addLayout(typeRow);
    auto* typeButtons = new QHBoxLayout();
    auto* cmdAddprofile = new QPushButton(kAddProfile, frame2);
    cmdAddprofile->setObjectName("cmdAddprofile");
    auto* cmdDeleteProfile = new QPushButton(kDeleteProfile, frame2);
    cmdDeleteProfile->setObjectName("cmdDeleteProfile");
    connect(cmdAddprofile, &QPushButton::clicked, this,
            [this] { controller_.act([](ModelBuilder& b) { b.addType(); }); });
    connect(cmdDeleteProfile, &QPushButton::clicked, this,
            [this] { controller_.act([](ModelBuilder& b) { b.deleteType(); }); });
    connect(cboprofilename_, &QComboBox::activated, this, [this](int index) {
        controller_.act([index](ModelBuilder& b) { b.selectType(index); });
    });
    typeButtons->addWidget(cmdAddprofile);
    typeButtons->addWidget(cmdDeleteProfile);
    frame2Layout->addLayout(typeButtons);
    auto* typeForm = new QFormLayout();
    frame2Layout->addLayout(typeForm);
    txtZLayers_ = addBox(typeForm, kZLayers);
    txtZLength_ = addBox(typeForm, kZLength);
    column->addWidget(frame2);

    auto* frame1 = new QGroupBox(kFrame1, panel_);
    auto* frame1Layout = new QVBoxLayout(frame1);
    auto* chunkButtons = new QHBoxLayout();
    auto* cmdDelChunk = new QPushButton(kDelChunk, frame1);
    cmdDelChunk->setObjectName("cmdDelChunk");
    auto* cmdAdjLength = new QPushButton(kAdjLength, frame1);
    cmdAdjLength->setObjectName("cmdAdjLength");
    connect(cmdDelChunk, &QPushButton::clicked, this,
            [this] { controller_.act([](ModelBuilder& b) { b.deleteChunkClicked(); }); });
    connect(cmdAdjLength, &QPushButton::clicked, this,
            [this] { controller_.act([](ModelBuilder& b) { b.adjust(); }); });
    chunkButtons->addWidget(cmdDelChunk);
    chunkButtons->addWidget(cmdAdjLength);
    frame1Layout->addLayout(chunkButtons);
    auto* modelForm = new QFormLayout();
    frame1Layout->addLayout(modelForm);
    txtUnusedLength_ = addBox(modelForm, kUnusedLength);
    txtnumgeotypes_ = addBox(modelForm, kNumGeoTypes);
    txtModLength_ = addBox(modelForm, kModLength);
    txtModLength_->installEventFilter(this);
    txtTotChunks_ = addBox(modelForm, kTotChunks);
    column->addWidget(frame1);

    auto* drawingRow = new QHBoxLayout();
    auto* scale = new QVBoxLayout();
    for (int i = 0; i < 5; ++i) {
        lblPz_[i] = new QLabel("0", panel_);
        lblPz_[i]->setObjectName(QString("lblPz%1").arg(i));
        scale->addWidget(lblPz_[i]);
        if (i < 4) scale->addStretch(1);
    }
    drawingRow->addLayout(scale);
    picModel_ = new CanvasWidget(panel_);
    picModel_->setObjectName("picModel");
    picModel_->setAspectRatio(kModelDrawingWidth / kModelDrawingHeight);
    // The chunk lines (width 7, one eighteenth of the width apart) fill their band.
    picModel_->setLineWidthUnit(kModelDrawingWidth / 18 / 7);
    picModel_->onMouseUp = [this](double x, double y, int) {
        controller_.act([x, y](ModelBuilder& b) { b.mouseUp(x, y); });
    };
    controller_.builder().attachDrawing(picModel_);
    drawingRow->addWidget(picModel_, 1);
    column->addLayout(drawingRow, 1);
}

QAction* MainWindowView::action(const std::string& itemName) const {
    auto it = actions_.find(itemName);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindowView::render() {
    const MainWindowState& s = controller_.state();
    for (const MenuState& menu : s.menus) {
        menus_.at(menu.name)->setEnabled(menu.enabled);
        for (const MenuItemState& item : menu.items) {
            QAction* action = actions_.at(item.name);
            action->setEnabled(item.enabled);
            action->setVisible(item.visible);
            action->setToolTip(item.tip.empty() ? action->text() : qs(item.tip));
            action->setStatusTip(qs(item.tip));
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
        }
    }
    panel_->setVisible(s.panelVisible);
    panel_->setEnabled(s.panelEnabled);
    txtZLayers_->setText(qs(s.txtZLayers));
    txtZLength_->setText(qs(s.txtZLength));
    txtUnusedLength_->setText(qs(s.txtUnusedLength));
    txtnumgeotypes_->setText(qs(s.txtnumgeotypes));
    txtModLength_->setText(qs(s.txtModLength));
    txtTotChunks_->setText(qs(s.txtTotChunks));
    txtmodelName_->setText(qs(s.txtmodelName));
    lblModfile_->setText(qs(s.lblModfile));
    for (int i = 0; i < 5; ++i) {
        lblPz_[i]->setText(qs(s.lblPz[i].caption));
        lblPz_[i]->setVisible(s.lblPz[i].visible);
    }
    shpproColor_->setStyleSheet(swatchStyle(s.shpproColor));
    QSignalBlocker block(cboprofilename_);
    cboprofilename_->clear();
    for (const std::string& name : s.cboprofilename.items) cboprofilename_->addItem(qs(name));
    cboprofilename_->setCurrentIndex(s.cboprofilename.listIndex);
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == txtmodelName_) {
            controller_.modelNameClicked();
            return true;
        }
        if (watched == shpproColor_) {
            controller_.act([](ModelBuilder& b) { b.chooseColor(); });
            return true;
        }
        if (watched == txtModLength_) {
            controller_.act([](ModelBuilder& b) { b.lengthEstimate(); });
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindowView::connectEditors() {
    editorViews_ = std::make_unique<EditorViews>(controller_.editors(), mdi_);
    EditorWindows& editors = controller_.editors();
    connect(action("mnuproMaterials"), &QAction::triggered, this,
            [&editors] { editors.openMaterialsEditor(); });
    connect(action("mnusection"), &QAction::triggered, this,
            [&editors] { editors.openSectionEditor(); });
    connect(action("mnuProGeom"), &QAction::triggered, this,
            [&editors] { editors.openSubmodelEditor(); });
}

bool MainWindowView::closeChildren() {
    // A window with a solver run is asked first, so that No to it leaves every window open.
    QList<QMdiSubWindow*> children = mdi_->subWindowList();
    std::stable_partition(children.begin(), children.end(), [](QMdiSubWindow* child) {
        return qobject_cast<RunView*>(child->widget()) != nullptr;
    });
    for (QMdiSubWindow* child : children)
        if (!child->close()) return false;
    return true;
}

void MainWindowView::restorePlacement() {
    if (std::optional<WindowPlacement> p = controller_.storedPlacement())
        setGeometry(int(p->left), int(p->top), int(p->width), int(p->height));
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    if (!controller_.closeRequested()) {
        event->ignore();
        return;
    }
    QRect g = geometry();
    controller_.unload({double(g.left()), double(g.top()), double(g.width()), double(g.height())},
                       isMinimized());
    event->accept();
}

} // namespace vardex::gui
