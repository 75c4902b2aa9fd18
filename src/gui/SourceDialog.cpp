#include "SourceDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vardex::gui {

SourceDialog::SourceDialog(frmSource& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    using namespace sourceCaptions;
    setWindowTitle(kCaption);
    auto* column = new QVBoxLayout(this);

    auto* options = new QGroupBox(kSourceFrame, this);
    auto* optionRow = new QHBoxLayout(options);
    optTmodel_ = new QRadioButton(kTModel, options);
    optABt_ = new QRadioButton(kABt, options);
    optTS_ = new QRadioButton(kTimeSeries, options);
    for (QRadioButton* option : {optTmodel_, optABt_, optTS_}) optionRow->addWidget(option);
    connect(optTmodel_, &QRadioButton::clicked, this, [this] { controller_.chooseTModel(); });
    connect(optABt_, &QRadioButton::clicked, this, [this] { controller_.chooseABt(); });
    connect(optTS_, &QRadioButton::clicked, this, [this] { controller_.chooseTimeSeries(); });
    column->addWidget(options);

    functionFrame_ = new QGroupBox(kFunctionFrame, this);
    auto* functionForm = new QFormLayout(functionFrame_);
    auto* concreteForm = new QFormLayout();
    auto* ageFrame = new QGroupBox(this);
    auto* ageForm = new QFormLayout(ageFrame);
    chkEquivalentAge_ = new QCheckBox(kEquivalentAge, ageFrame);
    chkEquivalentAge_->setObjectName("chkEquivalentAge");
    connect(chkEquivalentAge_, &QCheckBox::clicked, this,
            [this](bool checked) { controller_.toggleEquivalentAge(checked); });
    ageForm->addRow(chkEquivalentAge_);
    for (int k = 0; k < kSourceBoxes; ++k) {
        QWidget* owner = k < 3                      ? static_cast<QWidget*>(functionFrame_)
                         : k < kActivationEnergyBox ? static_cast<QWidget*>(this)
                                                    : ageFrame;
        labelValue_[k] = new QLabel(owner);
        txtValue_[k] = new ClickableBox(owner);
        txtValue_[k]->setObjectName(QString("txtValue%1").arg(k));
        txtValue_[k]->onClick = [this, k] { controller_.editValue(k); };
        (k < 3                      ? functionForm
         : k < kActivationEnergyBox ? concreteForm
                                    : ageForm)
            ->addRow(labelValue_[k], txtValue_[k]);
    }
    column->addWidget(functionFrame_);

    fileFrame_ = new QGroupBox(kFileFrame, this);
    auto* fileRow = new QHBoxLayout(fileFrame_);
    txtFile_ = new ClickableBox(fileFrame_);
    txtFile_->setObjectName("txtFile");
    txtFile_->onClick = [this] { controller_.chooseFile(); };
    fileRow->addWidget(txtFile_);
    column->addWidget(fileFrame_);
    column->addLayout(concreteForm);
    column->addWidget(ageFrame);

    auto* chartFrame = new QGroupBox(kChartFrame, this);
    auto* chartColumn = new QVBoxLayout(chartFrame);
    chart_ = new CanvasWidget(chartFrame);
    chart_->setObjectName("picAdiabatic");
    chart_->setMinimumSize(360, 160);
    chartCaption_ = new QLabel(chartFrame);
    chartCaption_->setWordWrap(true);
    chartAxes_ = new QLabel(chartFrame);
    chartColumn->addWidget(chart_);
    chartColumn->addWidget(chartCaption_);
    chartColumn->addWidget(chartAxes_);
    column->addWidget(chartFrame);

    auto* close = new QPushButton(kClose, this);
    close->setObjectName("cmdClose");
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(close);

    controller_.onChanged = [this] { render(); };
    render();
}

void SourceDialog::render() {
    const SourceWindowState& s = controller_.state();
    for (int k = 0; k < kSourceBoxes; ++k) {
        txtValue_[k]->setText(QString::fromStdString(s.txtValue[k]));
        labelValue_[k]->setText(QString::fromStdString(s.labelValue[k]));
    }
    optTmodel_->setChecked(s.optTmodel);
    optABt_->setChecked(s.optABt);
    optTS_->setChecked(s.optTS);
    functionFrame_->setVisible(s.functionFrameVisible);
    fileFrame_->setVisible(s.fileFrameVisible);
    txtFile_->setText(QString::fromStdString(s.txtFile));
    chkEquivalentAge_->setChecked(s.chkEquivalentAge);
    for (int k = kActivationEnergyBox; k < kSourceBoxes; ++k)
        txtValue_[k]->setEnabled(s.chkEquivalentAge);
    chartCaption_->setText(QString::fromStdString(s.chartCaption));
    chartAxes_->setText(QString::fromStdString(s.chartAxes));
    controller_.drawChart(*chart_);
}

void SourceDialog::done(int result) {
    // Closing by any means runs the window's close check.
    controller_.close();
    controller_.onChanged = nullptr;
    QDialog::done(result);
}

} // namespace vardex::gui
