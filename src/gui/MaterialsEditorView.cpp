#include "MaterialsEditorView.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "HelpViewer.h"

namespace vardex::gui {

using namespace materialsCaptions;

MaterialsEditorView::MaterialsEditorView(MaterialsEditor& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
    setWindowTitle(kCaption);
    auto* column = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    column->setMenuBar(bar);
    menus_ = std::make_unique<EditorMenus>(bar, controller_.state().menus);
    MaterialsEditor& c = controller_;
    menus_->onTriggered("mnuOpen", [&c] { c.menuOpen(); });
    menus_->onTriggered("mnuSave", [&c] { c.menuSave(); });
    menus_->onTriggered("mnuSaveAs", [&c] { c.menuSaveAs(); });
    menus_->onTriggered("mnuClose", [this] { close(); });
    connectHelp(this, action("mnuUserGuide"), action("mnuAbout"), helpChapters::kMaterials);

    txtFile_ = new QLineEdit(this);
    txtFile_->setObjectName("txtFile");
    txtFile_->setReadOnly(true);
    column->addWidget(txtFile_);

    auto* listRow = new QHBoxLayout();
    cboMaterials_ = new QComboBox(this);
    cboMaterials_->setObjectName("cboMaterials");
    cboMaterials_->setEditable(true);
    cboMaterials_->setInsertPolicy(QComboBox::NoInsert);
    connect(cboMaterials_, &QComboBox::activated, this, [&c](int i) { c.listSelected(i); });
    // Typing a label and pressing Enter relabels the material.
    connect(cboMaterials_->lineEdit(), &QLineEdit::returnPressed, this,
            [&c] { c.listTextEdited(); });
    shpColor_ = makeSwatch(this, "shpColor");
    listRow->addWidget(cboMaterials_, 1);
    listRow->addWidget(shpColor_);
    column->addLayout(listRow);

    auto* form = new QFormLayout();
    txtConductivity_ =
        propertyBox(form, kConductivity, "txtConductivity", MaterialBox::Conductivity);
    txtSpecificHeat_ =
        propertyBox(form, kSpecificHeat, "txtSpecificHeat", MaterialBox::SpecificHeat);
    txtDensity_ = propertyBox(form, kDensity, "txtDensity", MaterialBox::Density);
    txtHeat_ = propertyBox(form, kHeat, "txtHeat", MaterialBox::HeatProduction);
    column->addLayout(form);

    auto* type = new QGroupBox(kMaterialType, this);
    auto* typeRow = new QHBoxLayout(type);
    optFill_ = new QRadioButton(kFill, type);
    optForm_ = new QRadioButton(kForm, type);
    typeRow->addWidget(optFill_);
    typeRow->addWidget(optForm_);
    connect(optFill_, &QRadioButton::clicked, this, [&c] { c.fillClicked(true); });
    connect(optForm_, &QRadioButton::clicked, this, [&c] { c.formClicked(true); });
    column->addWidget(type);

    geometry_ = new QGroupBox(this);
    geometry_->setObjectName("geometry");
    auto* geometryForm = new QFormLayout(geometry_);
    auto* orientation = new QHBoxLayout();
    optHorizontal_ = new QRadioButton(kHorizontal, geometry_);
    optVertical_ = new QRadioButton(kVertical, geometry_);
    orientation->addWidget(optHorizontal_);
    orientation->addWidget(optVertical_);
    geometryForm->addRow(orientation);
    connect(optHorizontal_, &QRadioButton::clicked, this, [&c] { c.horizontalClicked(); });
    connect(optVertical_, &QRadioButton::clicked, this, [&c] { c.verticalClicked(); });
    txtSize_ = new QLineEdit(geometry_);
    txtSize_->setObjectName("txtSize");
    geometryForm->addRow(new QLabel(kThickness, geometry_), txtSize_);
    connect(txtSize_, &QLineEdit::textEdited, this,
            [&c](const QString& t) { c.sizeBoxChanged(t.toStdString()); });
    connect(txtSize_, &QLineEdit::editingFinished, this, [&c] { c.sizeBoxLeft(); });
    lblRadius_ = new QLabel(kDiameter, geometry_);
    txtRadius_ = new QLineEdit(geometry_);
    txtRadius_->setReadOnly(true);
    geometryForm->addRow(lblRadius_, txtRadius_);
    column->addWidget(geometry_);

    auto* buttons = new QHBoxLayout();
    for (auto [caption, name, command] :
         {std::tuple{kAdd, "cmdAdd", &MaterialsEditor::addMaterial},
          {kRecord, "cmdRecord", &MaterialsEditor::recordPropertyChange},
          {kSetColor, "cmdColor", &MaterialsEditor::setMaterialColor},
          {kSaveFile, "cmdSave", &MaterialsEditor::saveFileClicked}}) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, [&c, command] { (c.*command)(); });
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    column->addStretch(1);

    controller_.onChanged = [this] { render(); };
    render();
}

MaterialsEditorView::~MaterialsEditorView() {
    controller_.onChanged = nullptr;
}

QLineEdit* MaterialsEditorView::propertyBox(QLayout* layout, const char* caption, const char* name,
                                            MaterialBox box) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    static_cast<QFormLayout*>(layout)->addRow(new QLabel(caption, this), edit);
    MaterialsEditor& c = controller_;
    connect(edit, &QLineEdit::textEdited, this,
            [&c, box](const QString& t) { c.propertyBoxChanged(box, t.toStdString()); });
    return edit;
}

void MaterialsEditorView::render() {
    const MaterialsEditorState& s = controller_.state();
    menus_->render(s.menus);
    txtFile_->setText(qs(s.list.fileName));
    {
        QSignalBlocker block(cboMaterials_);
        cboMaterials_->clear();
        for (const std::string& name : s.cboMaterials.items) cboMaterials_->addItem(qs(name));
        cboMaterials_->setCurrentIndex(s.cboMaterials.listIndex);
    }
    cboMaterials_->setEnabled(s.listEnabled);
    auto setText = [](QLineEdit* box, const std::string& text) {
        if (box->text() != qs(text)) box->setText(qs(text));
    };
    setText(txtConductivity_, s.txtConductivity);
    setText(txtSpecificHeat_, s.txtSpecificHeat);
    setText(txtDensity_, s.txtDensity);
    setText(txtHeat_, s.txtHeat);
    setText(txtSize_, s.txtSize);
    setText(txtRadius_, s.txtRadius);
    paintSwatch(shpColor_, s.shpColor);
    optFill_->setChecked(s.optFill);
    optForm_->setChecked(s.optForm);
    geometry_->setVisible(s.geometryVisible);
    geometry_->setEnabled(s.geometryEnabled);
    {
        // Two exclusive buttons may both be off.
        optHorizontal_->setAutoExclusive(false);
        optVertical_->setAutoExclusive(false);
        optHorizontal_->setChecked(s.optHorizontal);
        optVertical_->setChecked(s.optVertical);
        optHorizontal_->setAutoExclusive(true);
        optVertical_->setAutoExclusive(true);
    }
    txtSize_->setEnabled(s.sizeEnabled);
    lblRadius_->setVisible(s.radiusVisible);
    txtRadius_->setVisible(s.radiusVisible);
    txtRadius_->setEnabled(s.radiusEnabled);
}

void MaterialsEditorView::closeEvent(QCloseEvent* event) {
    if (controller_.state().open && !controller_.menuClose())
        event->ignore();
    else
        event->accept();
}

} // namespace vardex::gui
