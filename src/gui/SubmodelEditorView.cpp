#include "SubmodelEditorView.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "HelpViewer.h"

namespace vardex::gui {

using namespace submodelCaptions;

SubmodelEditorView::SubmodelEditorView(frm2& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setWindowTitle(kCaption);
    resize(900, 640);
    auto* row = new QHBoxLayout(this);
    auto* bar = new QMenuBar(this);
    row->setMenuBar(bar);
    menus_ = std::make_unique<EditorMenus>(bar, controller_.state().menus);
    frm2& c = controller_;
    menus_->onTriggered("mnuNew", [&c] { c.newSubmodel(); });
    menus_->onTriggered("mnuOpen", [&c] { c.openProfile(); });
    menus_->onTriggered("mnuSave", [&c] { c.save(); });
    menus_->onTriggered("mnuSaveAs", [&c] { c.saveAs(); });
    menus_->onTriggered("mnuOpenMaterial", [&c] { c.openMaterialFile(); });
    menus_->onTriggered("mnuOpenSection", [&c] { c.addSection(); });
    menus_->onTriggered("mnuSectionEditor", [&c] { c.openSectionEditor(); });
    menus_->onTriggered("mnuAlign", [&c] { c.alignMaterials(); });
    menus_->onTriggered("mnuClose", [this] { close(); });
    connectHelp(this, action("mnuUserGuide"), action("mnuAbout"), helpChapters::kSubmodels);

    auto* left = new QVBoxLayout();
    left->addWidget(buildDimensions());
    auto* description = new QGroupBox(kDescriptionFrame, this);
    auto* descriptionLayout = new QVBoxLayout(description);
    txtName_ = new QLineEdit(description);
    txtName_->setObjectName("txtName");
    txtName_->setReadOnly(true);
    txtFile_ = new QLineEdit(description);
    txtFile_->setObjectName("txtFile");
    txtFile_->setReadOnly(true);
    new ClickFilter(txtName_, [&c] { c.nameBoxClicked(); });
    new ClickFilter(txtFile_, [&c] { c.fileBoxClicked(); });
    descriptionLayout->addWidget(txtName_);
    descriptionLayout->addWidget(txtFile_);
    left->addWidget(description);
    left->addWidget(buildPalette(), 1);
    row->addLayout(left, 1);

    auto* stack = new QHBoxLayout();
    auto* labels = new QVBoxLayout();
    for (std::size_t i = 0; i < depth_.size(); ++i) {
        depth_[i] = new QLabel(this);
        depth_[i]->setObjectName(QString("lblDepth%1").arg(i));
        labels->addWidget(depth_[i]);
        if (i + 1 < depth_.size()) labels->addStretch(1);
    }
    picture_ = new CanvasWidget(this);
    picture_->setObjectName("picStack");
    picture_->setMinimumSize(160, 400);
    picture_->onMouseDown = [&c](double x, double y, int) { c.mouseDown(x, y); };
    picture_->onMouseMove = [&c](double x, double y, int) { c.mouseMove(x, y); };
    picture_->onMouseUp = [&c](double x, double y, int) { c.mouseUp(x, y); };
    stack->addLayout(labels);
    stack->addWidget(picture_, 1);
    row->addLayout(stack);

    controller_.attachPicture(picture_);
    controller_.onChanged = [this] { render(); };
    render();
}

SubmodelEditorView::~SubmodelEditorView() {
    controller_.onChanged = nullptr;
    controller_.attachPicture(nullptr);
}

QWidget* SubmodelEditorView::buildDimensions() {
    auto* frame = new QGroupBox(kDimensionsFrame, this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(kHorizontal, frame), 0, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(kVertical, frame), 0, 3, Qt::AlignCenter);
    grid->addWidget(new QLabel(kNumberOfZones, frame), 1, 0);
    grid->addWidget(new QLabel(kZoneWidth, frame), 2, 0);
    grid->addWidget(new QLabel(kSubModelLength, frame), 3, 0);
    const std::array<std::pair<SubmodelBox, const char*>, 9> order{
        {{SubmodelBox::NX, "txtNX"},
         {SubmodelBox::NY, "txtNY"},
         {SubmodelBox::Layers, "txtLayers"},
         {SubmodelBox::DX, "txtDX"},
         {SubmodelBox::DY, "txtDY"},
         {SubmodelBox::DZ, "txtDZ"},
         {SubmodelBox::LX, "txtLX"},
         {SubmodelBox::LY, "txtLY"},
         {SubmodelBox::ZLength, "txtZLength"}}};
    frm2& c = controller_;
    for (std::size_t n = 0; n < order.size(); ++n) {
        auto [which, name] = order[n];
        auto* edit = new QLineEdit(frame);
        edit->setObjectName(name);
        edit->setMaximumWidth(90);
        connect(edit, &QLineEdit::textEdited, this,
                [&c, which](const QString& t) { c.boxEdited(which, t.toStdString()); });
        connect(edit, &QLineEdit::editingFinished, this, [&c, which] { c.boxLeft(which); });
        boxes_[static_cast<std::size_t>(which)] = edit;
        grid->addWidget(edit, 1 + static_cast<int>(n / 3), 1 + static_cast<int>(n % 3));
    }
    auto* refresh = new QPushButton(kRefreshPage, frame);
    refresh->setObjectName("cmdRefresh");
    connect(refresh, &QPushButton::clicked, this, [&c] { c.refreshPage(); });
    grid->addWidget(refresh, 4, 0, 1, 4);
    return frame;
}

QWidget* SubmodelEditorView::buildPalette() {
    frm2& c = controller_;
    auto* frame = new QGroupBox(kSectionFrame, this);
    auto* column = new QVBoxLayout(frame);
    auto* chooserRow = new QHBoxLayout();
    cboSections_ = new QComboBox(frame);
    cboSections_->setObjectName("cboSections");
    connect(cboSections_, &QComboBox::activated, this, [&c](int i) { c.sectionChosen(i); });
    shpCurrent_ = makeSwatch(frame, "shpCurrent");
    new ClickFilter(shpCurrent_, [&c] { c.currentSwatchClicked(); });
    chooserRow->addWidget(cboSections_, 1);
    chooserRow->addWidget(shpCurrent_);
    column->addLayout(chooserRow);
    auto* buttons = new QHBoxLayout();
    auto* add = new QPushButton(kAddSection, frame);
    add->setObjectName("cmdAddSection");
    auto* remove = new QPushButton(kRemoveSection, frame);
    remove->setObjectName("cmdRemoveSection");
    connect(add, &QPushButton::clicked, this, [&c] { c.addSection(); });
    connect(remove, &QPushButton::clicked, this, [&c] { c.removeSection(); });
    buttons->addWidget(add);
    buttons->addWidget(remove);
    column->addLayout(buttons);
    auto* slotGrid = new QGridLayout();
    for (int k = 0; k < kPaletteSlots; ++k) {
        auto* label = new QLabel(frame);
        label->setObjectName(QString("lblSlot%1").arg(k + 1));
        auto* swatch = makeSwatch(frame, "shpSlot");
        new ClickFilter(label, [&c, k] { c.slotClicked(k + 1); });
        new ClickFilter(swatch, [&c, k] { c.slotClicked(k + 1); });
        // Two columns of six, so the editor fits the main window's area.
        const int row = k % (kPaletteSlots / 2);
        const int column = 2 * (k / (kPaletteSlots / 2));
        slotGrid->addWidget(swatch, row, column);
        slotGrid->addWidget(label, row, column + 1);
        slotLabels_[static_cast<std::size_t>(k)] = label;
        slotSwatches_[static_cast<std::size_t>(k)] = swatch;
    }
    column->addLayout(slotGrid);
    return frame;
}

void SubmodelEditorView::render() {
    const SubmodelWindowState& s = controller_.state();
    setWindowTitle(qs(s.caption));
    menus_->render(s.menus);
    for (std::size_t b = 0; b < boxes_.size(); ++b)
        if (boxes_[b]->text() != qs(s.boxes[b])) boxes_[b]->setText(qs(s.boxes[b]));
    for (std::size_t i = 0; i < depth_.size(); ++i) {
        depth_[i]->setText(qs(s.depthLabels[i].caption));
        depth_[i]->setVisible(s.depthLabels[i].visible);
    }
    txtName_->setText(qs(s.txtName));
    txtFile_->setText(qs(s.txtFile));
    {
        QSignalBlocker block(cboSections_);
        cboSections_->clear();
        for (const std::string& name : s.sectionChooser.items) cboSections_->addItem(qs(name));
        cboSections_->setCurrentIndex(s.sectionChooser.listIndex);
    }
    paintSwatch(shpCurrent_, s.shpCurrent);
    for (std::size_t k = 0; k < slotLabels_.size(); ++k) {
        slotLabels_[k]->setText(qs(s.slotLabels[k]));
        paintSwatch(slotSwatches_[k], s.slotColors[k]);
    }
}

void SubmodelEditorView::closeEvent(QCloseEvent* event) {
    if (controller_.state().open && !controller_.close())
        event->ignore();
    else
        event->accept();
}

} // namespace vardex::gui
