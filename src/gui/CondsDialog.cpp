#include "CondsDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
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
    conditionColumn->addWidget(optDtype_);
    conditionColumn->addWidget(optNtype_);
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
    form->addRow(new QLabel(kInitLabel, this), txtInitT_);
    right->addLayout(form);

    optFormat_ = new QCheckBox(kFormat, this);
    optFormat_->setObjectName("optFormat");
    connect(optFormat_, &QCheckBox::clicked, this,
            [this](bool checked) { controller_.formatToggled(checked); });
    right->addWidget(optFormat_);

    auto* close = new QPushButton(kClose, this);
    close->setObjectName("Command1");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    right->addWidget(close);
    row->addLayout(right);

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
}

void CondsDialog::done(int result) {
    controller_.close();
    controller_.onChanged = nullptr;
    QDialog::done(result);
}

} // namespace vardex::gui
