#include "CondsDialog.h"

#include <map>

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vardex::gui {

CondsDialog::CondsDialog(frmConds& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    using namespace condsCaptions;
    setWindowTitle(kCaption);
    auto* row = new QHBoxLayout(this);
    auto* left = new QVBoxLayout();
    left->addWidget(new QLabel(kEdgeLabel, this));
    List1_ = new QListWidget(this);
    List1_->setObjectName("List1");
    connect(List1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { controller_.selectMaterial(List1_->row(item)); });
    left->addWidget(List1_);
    row->addLayout(left);

    auto* right = new QVBoxLayout();
    auto* condition = new QGroupBox(kConditionFrame, this);
    auto* conditionColumn = new QVBoxLayout(condition);
    optDtype_ = new QRadioButton(kSpecified, condition);
    optDtype_->setObjectName("optDtype");
    optNtype_ = new QRadioButton(kNoFlux, condition);
    optNtype_->setObjectName("optNtype");
    // The controller decides which option shows; the buttons only report clicks.
    optDtype_->setAutoExclusive(false);
    optNtype_->setAutoExclusive(false);
    connect(optDtype_, &QRadioButton::clicked, this, [this] { controller_.chooseSpecified(); });
    connect(optNtype_, &QRadioButton::clicked, this, [this] { controller_.chooseNoFlux(); });
    optCtype_ = new QRadioButton(kConvection, condition);
    optCtype_->setObjectName("optCtype");
    optCtype_->setAutoExclusive(false);
    connect(optCtype_, &QRadioButton::clicked, this, [this] { controller_.chooseConvection(); });
    conditionColumn->addWidget(optDtype_);
    conditionColumn->addWidget(optNtype_);
    conditionColumn->addWidget(optCtype_);
    right->addWidget(condition);

    fileFrame_ = new QGroupBox(kFileFrame, this);
    auto* fileRow = new QHBoxLayout(fileFrame_);
    txtTSfile_ = new ClickableBox(fileFrame_);
    txtTSfile_->setObjectName("txtTSfile");
    txtTSfile_->onClick = [this] { controller_.askTimeSeriesFile(); };
    fileRow->addWidget(txtTSfile_);
    right->addWidget(fileFrame_);

    auto* form = new QFormLayout();
    txtInitT_ = new ClickableBox(this);
    txtInitT_->setObjectName("txtInitT");
    txtInitT_->onClick = [this] { controller_.initTempClicked(); };
    // Beside its long label the box would shrink until a temperature no longer shows whole.
    txtInitT_->setMinimumWidth(txtInitT_->fontMetrics().horizontalAdvance("-273.15") + 16);
    form->addRow(new QLabel(kInitLabel, this), txtInitT_);
    right->addLayout(form);

    optFormat_ = new QCheckBox(kFormat, this);
    optFormat_->setObjectName("optFormat");
    connect(optFormat_, &QCheckBox::clicked, this,
            [this](bool checked) { controller_.formatToggled(checked); });
    right->addWidget(optFormat_);

    facesFrame_ = new QGroupBox(kFacesFrame, this);
    facesFrame_->setObjectName("facesFrame");
    auto* facesColumn = new QVBoxLayout(facesFrame_);
    faces_ = new QTableWidget(0, 7, facesFrame_);
    faces_->setObjectName("faces");
    QStringList headers{kTimeColumn};
    for (const char* face : kFaceNames) headers << face;
    faces_->setHorizontalHeaderLabels(headers);
    faces_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    faces_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    faces_->setMinimumWidth(640);
    // A double click asks for the cell's value; a click selects cells for the calculator.
    connect(faces_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { controller_.editFaceCell(row, column); });
    facesColumn->addWidget(faces_);
    auto* changeRow = new QHBoxLayout();
    auto* addChange = new QPushButton(kAddChange, facesFrame_);
    connect(addChange, &QPushButton::clicked, this, [this] { controller_.addChangeTime(); });
    auto* removeChange = new QPushButton(kRemoveChange, facesFrame_);
    connect(removeChange, &QPushButton::clicked, this,
            [this] { controller_.removeChangeTime(faces_->currentRow()); });
    changeRow->addWidget(addChange);
    changeRow->addWidget(removeChange);
    facesColumn->addLayout(changeRow);

    auto* calculator = new QGroupBox(kCalculatorFrame, facesFrame_);
    auto* calculatorForm = new QFormLayout(calculator);
    txtFilm_ = new ClickableBox(calculator);
    txtFilm_->setObjectName("txtFilm");
    txtFilm_->onClick = [this] { controller_.filmClicked(); };
    calculatorForm->addRow(kFilmLabel, txtFilm_);
    layers_ = new QListWidget(calculator);
    layers_->setMaximumHeight(80);
    calculatorForm->addRow(layers_);
    auto* layerRow = new QHBoxLayout();
    presets_ = new QComboBox(calculator);
    for (const LayerPreset& preset : kLayerPresets) presets_->addItem(preset.name);
    auto* addLayer = new QPushButton(kAddLayer, calculator);
    connect(addLayer, &QPushButton::clicked, this,
            [this] { controller_.addLayer(presets_->currentIndex()); });
    auto* removeLayer = new QPushButton(kRemoveLayer, calculator);
    connect(removeLayer, &QPushButton::clicked, this,
            [this] { controller_.removeLayer(layers_->currentRow()); });
    layerRow->addWidget(presets_);
    layerRow->addWidget(addLayer);
    layerRow->addWidget(removeLayer);
    calculatorForm->addRow(layerRow);
    txtU_ = new QLabel(calculator);
    txtU_->setObjectName("txtU");
    auto* apply = new QPushButton(kApplyU, calculator);
    connect(apply, &QPushButton::clicked, this, [this] {
        // Each application re-renders the table, so the cells are taken first.
        std::map<int, std::vector<int>> rows;
        for (const QModelIndex& cell : faces_->selectionModel()->selectedIndexes())
            if (cell.column() >= 1) rows[cell.row()].push_back(cell.column());
        for (const auto& [r, columns] : rows) controller_.applyU(r, columns);
    });
    calculatorForm->addRow("U  (W/m2 C)", txtU_);
    calculatorForm->addRow(apply);
    facesColumn->addWidget(calculator);

    auto* close = new QPushButton(kClose, this);
    close->setObjectName("Command1");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    right->addWidget(close);
    row->addLayout(right);
    row->addWidget(facesFrame_, 1);

    controller_.onChanged = [this] { render(); };
    render();
}

void CondsDialog::render() {
    const CondsWindowState& s = controller_.state();
    QSignalBlocker block(List1_);
    List1_->clear();
    for (const std::string& name : s.List1.items) List1_->addItem(QString::fromStdString(name));
    List1_->setCurrentRow(s.List1.listIndex);
    optDtype_->setChecked(s.optDtype);
    optNtype_->setChecked(s.optNtype);
    fileFrame_->setEnabled(s.fileFrameEnabled);
    txtTSfile_->setText(QString::fromStdString(s.txtTSfile));
    txtInitT_->setText(QString::fromStdString(s.txtInitT));
    optFormat_->setChecked(s.optFormat);
    optCtype_->setChecked(s.optCtype);
    facesFrame_->setVisible(s.facesFrameVisible);
    faces_->setRowCount(static_cast<int>(s.faceRows.size()));
    for (int r = 0; r < faces_->rowCount(); ++r)
        for (int c = 0; c < 7; ++c)
            faces_->setItem(r, c,
                            new QTableWidgetItem(QString::fromStdString(
                                s.faceRows[std::size_t(r)][std::size_t(c)])));
    txtFilm_->setText(QString::fromStdString(s.txtFilm));
    layers_->clear();
    for (const std::string& layer : s.layerRows) layers_->addItem(QString::fromStdString(layer));
    txtU_->setText(QString::fromStdString(s.txtU));
}

void CondsDialog::done(int result) {
    controller_.close();
    controller_.onChanged = nullptr;
    QDialog::done(result);
}

} // namespace vardex::gui
