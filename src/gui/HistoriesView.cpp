#include "HistoriesView.h"

#include <cmath>
#include <iterator>
#include <utility>

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPen>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <QValueAxis>

namespace vardex::gui {

HistoriesView::HistoriesView(TemperatureHistories histories, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), histories_(std::move(histories)), dialogs_(dialogs) {
    setWindowTitle(TemperatureHistories::kTitle);
    resize(1150, 620);

    auto* chart = new QChart;
    // Beside the chart, one point a line, so that every label shows its whole place.
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setShowToolTips(true);
    chartView_ = new QChartView(chart, this);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setRubberBand(QChartView::RectangleRubberBand);

    auto* reset = new QPushButton("&Reset zoom", this);
    auto* csv = new QPushButton("Export &CSV...", this);
    auto* png = new QPushButton("Export &PNG...", this);
    auto* close = new QPushButton("Close", this);
    reset->setObjectName("resetZoom");
    csv->setObjectName("exportCsv");
    png->setObjectName("exportPng");
    close->setObjectName("close");
    connect(reset, &QPushButton::clicked, this, [chart] { chart->zoomReset(); });
    connect(csv, &QPushButton::clicked, this, [this] { histories_.exportCsv(); });
    connect(png, &QPushButton::clicked, this, [this] { exportPng(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel("Drag a rectangle to zoom in; right-click zooms out.", this), 1);
    buttons->addWidget(reset);
    buttons->addWidget(csv);
    buttons->addWidget(png);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chartView_, 1);
    layout->addLayout(buttons);
    fill();
    units_ = std::make_unique<UnitsListener>([this] { fill(); });
}

void HistoriesView::fill() {
    const DisplayUnits& units = programUnits();
    QChart* chart = chartView_->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    auto* time = new QValueAxis;
    time->setTitleText("time (h)");
    auto* temperature = new QValueAxis;
    temperature->setTitleText(QString("temperature (") + units.temperatureUnit() + ")");
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(temperature, Qt::AlignLeft);
    double tMin = 0, tMax = 1, yMin = 0, yMax = 1;
    bool first = true;
    // More colours than the chart's theme has, so that every point keeps its own.
    static const QColor kColours[] = {"#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd",
                                      "#8c564b", "#e377c2", "#7f7f7f", "#bcbd22", "#17becf",
                                      "#393b79", "#637939", "#8c6d31", "#843c39", "#7b4173"};
    int index = 0;
    for (const HistorySeries& s : histories_.series()) {
        auto* line = new QLineSeries;
        line->setName(QString::fromStdString(s.place.text(units)));
        line->setPen(QPen(kColours[index++ % std::size(kColours)], 2));
        for (std::size_t i = 0; i < s.time.size(); ++i) {
            const double t = units.temperature(s.temperature[i]);
            line->append(s.time[i], t);
            if (first) {
                tMin = tMax = s.time[i];
                yMin = yMax = t;
                first = false;
            }
            tMin = std::min(tMin, s.time[i]);
            tMax = std::max(tMax, s.time[i]);
            yMin = std::min(yMin, t);
            yMax = std::max(yMax, t);
        }
        chart->addSeries(line);
        line->attachAxis(time);
        line->attachAxis(temperature);
    }
    // Times labelled in whole hours, days or weeks from the start, also when zoomed in.
    time->setTickType(QValueAxis::TicksDynamic);
    time->setTickAnchor(0);
    time->setLabelFormat("%g");
    connect(time, &QValueAxis::rangeChanged, time,
            [time](qreal lo, qreal hi) { time->setTickInterval(timeTickInterval(hi - lo)); });
    time->setRange(tMin, tMax > tMin ? tMax : tMin + 1);
    time->setTickInterval(timeTickInterval(time->max() - time->min()));
    temperature->setRange(std::floor(yMin - 1), std::ceil(yMax + 1));
    temperature->applyNiceNumbers();
}

int HistoriesView::seriesCount() const {
    return static_cast<int>(chartView_->chart()->series().size());
}

bool HistoriesView::savePng(const QString& path) const {
    // Written beside the target and renamed, like every other file the program writes.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    return chartView_->grab().save(&file, "PNG") && file.commit();
}

void HistoriesView::exportPng() {
    std::string path = dialogs_.saveFile({" PNG images (*.png)|*.png|All files (*.*)|*.*", "",
                                          "histories.png", TemperatureHistories::kTitle});
    if (path.empty()) return;
    if (!savePng(QString::fromStdString(path)))
        dialogs_.inform("Could not write" + std::string(kNewLine) + path,
                        TemperatureHistories::kTitle);
}

} // namespace vardex::gui
