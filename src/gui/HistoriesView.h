#pragma once
// The "Temperature histories" window: every collected history as temperature against time in one
// chart, with a legend naming the points, rubber-band zoom and export to CSV and PNG. A window of
// its own beside the others; it keeps the histories it was opened with, whatever runs later.

#include <QDialog>

#include "exec/TemperatureHistories.h"

#include "ProgramUnits.h"

class QChartView;

namespace vardex::gui {

class HistoriesView : public QDialog {
    Q_OBJECT
  public:
    HistoriesView(TemperatureHistories histories, Dialogs& dialogs, QWidget* parent = nullptr);

    int seriesCount() const;
    // Writes the chart as a PNG image; false when it could not be written.
    bool savePng(const QString& path) const;

  private:
    void exportPng();
    // The series in the program's units.
    void fill();

    TemperatureHistories histories_;
    Dialogs& dialogs_;
    QChartView* chartView_ = nullptr;
    std::unique_ptr<UnitsListener> units_;
};

} // namespace vardex::gui
