#include "ThermalLimitsView.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vardex::gui {
namespace {

const QColor kExceeded(255, 190, 190);

QDoubleSpinBox* limitBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0, 2000);
    box->setDecimals(1);
    return box;
}

} // namespace

ThermalLimitsView::ThermalLimitsView(ThermalLimits& table, QWidget* parent)
    : QDialog(parent), limits_(table) {
    setWindowTitle(ThermalLimits::kTitle);
    resize(760, 360);
    table_ = new QTableWidget(this);
    table_->setColumnCount(6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    temperatureLimit_ = limitBox(this);
    differenceLimit_ = limitBox(this);
    temperatureLimit_->setObjectName("temperatureLimit");
    differenceLimit_->setObjectName("differenceLimit");
    // The limits are kept in SI and typed in the units shown.
    connect(temperatureLimit_, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        limits_.limits.maxTemperature = programUnits().celsiusFrom(v);
        render();
    });
    connect(differenceLimit_, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        limits_.limits.maxDifference = programUnits().kelvinFrom(v);
        render();
    });

    auto* form = new QFormLayout;
    form->addRow("Highest temperature allowed", temperatureLimit_);
    form->addRow("Largest core-to-surface difference allowed", differenceLimit_);
    auto* save = new QPushButton("&Save as CSV...", this);
    save->setObjectName("saveCsv");
    auto* close = new QPushButton("Close", this);
    connect(save, &QPushButton::clicked, this, [this] { limits_.exportCsv(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    units_ = std::make_unique<UnitsListener>([this] {
        showLimits();
        render();
    });
    showLimits();
    render();
}

void ThermalLimitsView::showLimits() {
    const DisplayUnits& units = programUnits();
    const QString suffix = QString(" ") + units.temperatureUnit();
    const QSignalBlocker blockTemperature(temperatureLimit_);
    const QSignalBlocker blockDifference(differenceLimit_);
    temperatureLimit_->setSuffix(suffix);
    differenceLimit_->setSuffix(suffix);
    temperatureLimit_->setValue(units.temperature(limits_.limits.maxTemperature));
    differenceLimit_->setValue(units.temperatureDifference(limits_.limits.maxDifference));
}

ThermalLimitsView::ThermalLimitsView(std::unique_ptr<ThermalLimits> table, QWidget* parent)
    : ThermalLimitsView(*table, parent) {
    owned_ = std::move(table);
}

bool ThermalLimitsView::marked(int row, int column) const {
    QTableWidgetItem* item = table_->item(row, column);
    return item && item->background().color() == kExceeded;
}

void ThermalLimitsView::render() {
    const DisplayUnits& units = programUnits();
    QStringList headers;
    for (const std::string& h : ThermalLimits::headers(units)) headers << QString::fromStdString(h);
    table_->setHorizontalHeaderLabels(headers);
    const auto texts = limits_.rowTexts(units);
    const std::vector<ChunkPeaks>& rows = limits_.rows();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        for (int c = 0; c < ThermalLimits::kColumns; ++c)
            table_->setItem(r, c, new QTableWidgetItem(QString::fromStdString(texts[r][c])));
        const ChunkPeaks& p = rows[std::size_t(r)];
        if (limits_.temperatureExceeded(p)) table_->item(r, kPeakColumn)->setBackground(kExceeded);
        if (limits_.differenceExceeded(p))
            table_->item(r, kDifferenceColumn)->setBackground(kExceeded);
    }
}

} // namespace vardex::gui
