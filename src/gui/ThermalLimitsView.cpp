#include "ThermalLimitsView.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vardex::gui {
namespace {

const QColor kExceeded(255, 190, 190);

QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QDoubleSpinBox* limitBox(double value, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(0, 1000);
    box->setDecimals(1);
    box->setSuffix(" \u00B0C");
    box->setValue(value);
    return box;
}

} // namespace

ThermalLimitsView::ThermalLimitsView(ThermalLimits& table, QWidget* parent)
    : QDialog(parent), limits_(table) {
    setWindowTitle(ThermalLimits::kTitle);
    resize(760, 360);
    table_ = new QTableWidget(this);
    table_->setColumnCount(6);
    table_->setHorizontalHeaderLabels({"Chunk", "Peak temperature (\u00B0C)", "at (h)",
                                       "cell (column, row, zone)", "Peak difference (\u00B0C)",
                                       "at (h)"});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    temperatureLimit_ = limitBox(limits_.limits.maxTemperature, this);
    differenceLimit_ = limitBox(limits_.limits.maxDifference, this);
    temperatureLimit_->setObjectName("temperatureLimit");
    differenceLimit_->setObjectName("differenceLimit");
    connect(temperatureLimit_, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        limits_.limits.maxTemperature = v;
        render();
    });
    connect(differenceLimit_, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        limits_.limits.maxDifference = v;
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
    render();
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
    const std::vector<ChunkPeaks>& rows = limits_.rows();
    table_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const ChunkPeaks& p = rows[std::size_t(r)];
        const QString texts[6] = {
            QString::number(p.chunk),
            number(p.peak, 2),
            number(p.peakTime, 1),
            QString("%1, %2, %3").arg(p.peakCell[0]).arg(p.peakCell[1]).arg(p.peakCell[2]),
            number(p.difference, 2),
            number(p.differenceTime, 1)};
        for (int c = 0; c < 6; ++c) table_->setItem(r, c, new QTableWidgetItem(texts[c]));
        auto mark = [&](int column, bool exceeded, double limit) {
            if (!exceeded) return;
            QTableWidgetItem* item = table_->item(r, column);
            item->setBackground(kExceeded);
            item->setText(item->text() + "  exceeds " + number(limit, 1));
        };
        mark(kPeakColumn, limits_.temperatureExceeded(p), limits_.limits.maxTemperature);
        mark(kDifferenceColumn, limits_.differenceExceeded(p), limits_.limits.maxDifference);
    }
}

} // namespace vardex::gui
