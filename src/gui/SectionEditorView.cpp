#include "SectionEditorView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

#include "HelpViewer.h"

namespace vardex::gui {

using namespace sectionCaptions;

namespace {

DragShape shapeOfModifiers() {
    const Qt::KeyboardModifiers modifiers = QApplication::keyboardModifiers();
    if (modifiers & Qt::ShiftModifier) return DragShape::Box;
    if (modifiers & Qt::ControlModifier) return DragShape::Cylinder;
    return DragShape::Zones;
}

// The grid at the section's proportions with its axis labels beside it: x labels along the top,
// y labels down the left, each at its eighth of the section.
class GridArea : public QWidget {
  public:
    GridArea(QWidget* parent, CanvasWidget* grid, QLabel* corner, std::array<QLabel*, 9>& x,
             std::array<QLabel*, 9>& y)
        : QWidget(parent), grid_(grid), corner_(corner), x_(x), y_(y) {}

    void setRatio(double ratio) {
        if (ratio > 0) ratio_ = ratio;
        // Also when only the labels' texts changed: each is sized to its text again.
        place();
    }

  protected:
    void resizeEvent(QResizeEvent*) override { place(); }

  private:
    void place() {
        constexpr int kLeft = 48, kTop = 22, kRight = 24; // room for the labels
        const int room = std::max(1, width() - kLeft - kRight);
        const int roomHeight = std::max(1, height() - kTop);
        int w = room, h = static_cast<int>(room / ratio_);
        if (h > roomHeight) {
            h = roomHeight;
            w = static_cast<int>(h * ratio_);
        }
        grid_->setGeometry(kLeft, kTop, w, h);
        corner_->setGeometry(0, 0, kLeft, kTop);
        for (int k = 0; k < 9; ++k) {
            QLabel* lx = x_[static_cast<std::size_t>(k)];
            QLabel* ly = y_[static_cast<std::size_t>(k)];
            lx->adjustSize();
            ly->adjustSize();
            lx->move(kLeft + w * k / 8 - lx->width() / 2, 0);
            ly->move(kLeft - ly->width() - 4, kTop + h * k / 8 - ly->height() / 2);
        }
    }

    CanvasWidget* grid_;
    QLabel* corner_;
    std::array<QLabel*, 9>& x_;
    std::array<QLabel*, 9>& y_;
    double ratio_ = 1;
};

void setChecked(QRadioButton* button, bool checked) {
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
}

} // namespace

SectionEditorView::SectionEditorView(SectionEditor& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setWindowTitle(kCaption);
    resize(900, 640);
    auto* row = new QHBoxLayout(this);
    auto* bar = new QMenuBar(this);
    row->setMenuBar(bar);
    menus_ = std::make_unique<EditorMenus>(bar, controller_.state().menus);
    SectionEditor& c = controller_;
    menus_->onTriggered("mnuOpenMaterial", [&c] { c.openMaterialFile(); });
    menus_->onTriggered("mnuNewSection", [&c] { c.newSectionFile(); });
    menus_->onTriggered("mnuOpenSection", [&c] { c.openSectionFile(); });
    menus_->onTriggered("mnuSaveAs", [&c] { c.saveSectionFileAs(); });
    menus_->onTriggered("mnuSave", [&c] { c.saveSectionFile(); });
    menus_->onTriggered("mnuClose", [this] { close(); });
    menus_->onTriggered("mnuChangeGeometry", [&c] { c.changeGeometry(); });
    connectHelp(this, action("mnuUserGuide"), action("mnuAbout"), helpChapters::kSections);

    row->addWidget(buildGrid(), 1);
    row->addWidget(buildControls());

    controller_.attachGrid(grid_);
    controller_.onChanged = [this] { render(); };
    render();
}

SectionEditorView::~SectionEditorView() {
    controller_.onChanged = nullptr;
    controller_.attachGrid(nullptr);
}

QWidget* SectionEditorView::buildGrid() {
    auto* area = new QWidget(this);
    auto* column = new QVBoxLayout(area);
    grid_ = new CanvasWidget();
    grid_->setObjectName("picGrid");
    auto* corner = new QLabel(kCorner);
    for (std::size_t k = 0; k < 9; ++k) {
        lblX_[k] = new QLabel();
        lblX_[k]->setObjectName(QString("lblX%1").arg(k));
        lblY_[k] = new QLabel();
        lblY_[k]->setObjectName(QString("lblY%1").arg(k));
    }
    auto* gridArea = new GridArea(area, grid_, corner, lblX_, lblY_);
    gridArea_ = gridArea;
    gridArea->setMinimumSize(440, 420);
    for (QWidget* w : std::initializer_list<QWidget*>{grid_, corner}) w->setParent(gridArea);
    for (std::size_t k = 0; k < 9; ++k) {
        lblX_[k]->setParent(gridArea);
        lblY_[k]->setParent(gridArea);
    }
    SectionEditor& c = controller_;
    grid_->onMouseDown = [&c](double x, double y, int) { c.mouseDown(x, y, shapeOfModifiers()); };
    grid_->onMouseMove = [&c](double x, double y, int) { c.mouseMove(x, y); };
    grid_->onMouseUp = [&c](double x, double y, int) { c.mouseUp(x, y); };
    column->addWidget(gridArea, 1);
    column->addWidget(
        new QLabel("Drag: paint zones    Shift+drag: box    Ctrl+drag: cylinder", area));
    return area;
}

QWidget* SectionEditorView::buildControls() {
    SectionEditor& c = controller_;
    auto* panel = new QWidget(this);
    panel->setFixedWidth(380);
    auto* column = new QVBoxLayout(panel);

    auto* counts = new QFormLayout();
    txtNX_ = new QLineEdit(panel);
    txtNX_->setObjectName("txtNX");
    txtNX_->setReadOnly(true);
    txtNY_ = new QLineEdit(panel);
    txtNY_->setObjectName("txtNY");
    txtNY_->setReadOnly(true);
    new ClickFilter(txtNY_, [&c] { c.nyBoxClicked(); });
    counts->addRow(new QLabel(kNX, panel), txtNX_);
    counts->addRow(new QLabel(kNY, panel), txtNY_);
    column->addLayout(counts);

    auto* materialFrame = new QGroupBox(kMaterialFrame, panel);
    auto* materialLayout = new QHBoxLayout(materialFrame);
    lstMaterials_ = new QListWidget(materialFrame);
    lstMaterials_->setObjectName("lstMaterials");
    connect(lstMaterials_, &QListWidget::currentRowChanged, this,
            [&c](int row) { c.materialChosen(row); });
    shpColor_ = makeSwatch(materialFrame, "shpColor");
    materialLayout->addWidget(lstMaterials_, 1);
    materialLayout->addWidget(shpColor_, 0, Qt::AlignTop);
    column->addWidget(materialFrame, 1);

    auto* fillForm = new QGroupBox(kFillFormFrame, panel);
    auto* fillFormLayout = new QHBoxLayout(fillForm);
    formGroup_ = new QGroupBox(fillForm);
    formGroup_->setObjectName("formGroup");
    auto* formLayout = new QVBoxLayout(formGroup_);
    for (const char* caption : kFormOptions) formLayout->addWidget(new QRadioButton(caption));
    fillGroup_ = new QGroupBox(fillForm);
    fillGroup_->setObjectName("fillGroup");
    auto* fillLayout = new QVBoxLayout(fillGroup_);
    optSection_ = new QRadioButton(kSectionFill, fillGroup_);
    fillLayout->addWidget(optSection_);
    objectFills_ = new QGroupBox(fillGroup_);
    objectFills_->setObjectName("objectFills");
    auto* objectLayout = new QVBoxLayout(objectFills_);
    optRectangular_ = new QRadioButton(kRectangularFill, objectFills_);
    optCylindrical_ = new QRadioButton(kCylindricalFill, objectFills_);
    optPointwise_ = new QRadioButton(kPointwiseFill, objectFills_);
    for (QRadioButton* b : {optRectangular_, optCylindrical_, optPointwise_})
        objectLayout->addWidget(b);
    fillLayout->addWidget(objectFills_);
    connect(optSection_, &QRadioButton::clicked, this, [&c] { c.sectionFillClicked(); });
    connect(optRectangular_, &QRadioButton::clicked, this, [&c] { c.rectangularFillClicked(); });
    connect(optCylindrical_, &QRadioButton::clicked, this, [&c] { c.cylindricalFillClicked(); });
    connect(optPointwise_, &QRadioButton::clicked, this, [&c] { c.pointwiseFillClicked(); });
    fillFormLayout->addWidget(formGroup_);
    fillFormLayout->addWidget(fillGroup_);
    column->addWidget(fillForm);

    auto* nameFrame = new QGroupBox(kSectionNameFrame, panel);
    auto* nameLayout = new QVBoxLayout(nameFrame);
    txtSectionName_ = new QLineEdit(nameFrame);
    txtSectionName_->setObjectName("txtSectionName");
    txtSectionName_->setReadOnly(true);
    new ClickFilter(txtSectionName_, [&c] { c.sectionNameClicked(); });
    nameLayout->addWidget(txtSectionName_);
    column->addWidget(nameFrame);

    lblMaterialsFile_ = new QLabel(panel);
    lblMaterialsFile_->setObjectName("lblMaterialsFile");
    lblMaterialsFile_->setWordWrap(true);
    lblSectionFile_ = new QLabel(panel);
    lblSectionFile_->setObjectName("lblSectionFile");
    lblSectionFile_->setWordWrap(true);
    column->addWidget(lblMaterialsFile_);
    column->addWidget(lblSectionFile_);

    auto* finished = new QPushButton(kFinished, panel);
    finished->setObjectName("cmdFinished");
    connect(finished, &QPushButton::clicked, this, [&c] { c.finished(); });
    column->addWidget(finished);
    return panel;
}

void SectionEditorView::render() {
    const SectionWindowState& s = controller_.state();
    const SectionEditorState& section = controller_.section();
    menus_->render(s.menus);
    for (std::size_t k = 0; k < 9; ++k) {
        lblX_[k]->setText(qs(s.lblX[k].caption));
        lblX_[k]->setVisible(s.lblX[k].visible);
        lblY_[k]->setText(qs(s.lblY[k].caption));
        lblY_[k]->setVisible(s.lblY[k].visible);
    }
    const bool sized = section.nx > 0 && section.ny > 0 && section.dx > 0 && section.dy > 0;
    static_cast<GridArea*>(gridArea_)->setRatio(
        sized ? static_cast<double>(section.nx) * section.dx /
                    (static_cast<double>(section.ny) * section.dy)
              : 0);
    txtNX_->setText(qs(s.txtNX));
    txtNY_->setText(qs(s.txtNY));
    {
        QSignalBlocker block(lstMaterials_);
        lstMaterials_->clear();
        for (const std::string& name : s.lstMaterials.items) lstMaterials_->addItem(qs(name));
        lstMaterials_->setCurrentRow(s.lstMaterials.listIndex);
    }
    lstMaterials_->setEnabled(s.materialListEnabled);
    paintSwatch(shpColor_, s.shpColor);
    shpColor_->setVisible(s.swatchVisible);
    formGroup_->setEnabled(s.formGroupEnabled);
    fillGroup_->setEnabled(s.fillGroupEnabled);
    objectFills_->setVisible(s.objectFillsVisible);
    objectFills_->setEnabled(s.objectFillsEnabled);
    setChecked(optSection_, s.fill == FillChoice::Section);
    setChecked(optRectangular_, s.fill == FillChoice::Rectangular);
    setChecked(optCylindrical_, s.fill == FillChoice::Cylindrical);
    setChecked(optPointwise_, s.fill == FillChoice::Pointwise);
    txtSectionName_->setText(qs(s.txtSectionName));
    lblMaterialsFile_->setText(qs(s.lblMaterialsFile));
    lblSectionFile_->setText(qs(s.lblSectionFile));
}

void SectionEditorView::closeEvent(QCloseEvent* event) {
    if (controller_.state().open && !controller_.close())
        event->ignore();
    else
        event->accept();
}

} // namespace vardex::gui
