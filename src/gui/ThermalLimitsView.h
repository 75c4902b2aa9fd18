#pragma once
// The thermal-limit table after a run: per chunk the peak temperature and the peak core-to-surface
// difference with their times, against limits the user sets; exceeded limits are marked.

#include <memory>

#include <QDialog>

#include "exec/ThermalLimits.h"

#include "ProgramUnits.h"

class QDoubleSpinBox;
class QTableWidget;

namespace vardex::gui {

class ThermalLimitsView : public QDialog {
    Q_OBJECT
  public:
    ThermalLimitsView(ThermalLimits& table, QWidget* parent = nullptr);
    // A table the window keeps for as long as it is open.
    ThermalLimitsView(std::unique_ptr<ThermalLimits> table, QWidget* parent = nullptr);
    const ThermalLimitValues& limits() const { return limits_.limits; }

    QTableWidget* table() const { return table_; }
    QDoubleSpinBox* temperatureLimit() const { return temperatureLimit_; }
    QDoubleSpinBox* differenceLimit() const { return differenceLimit_; }
    // True when the cell shows an exceeded limit.
    bool marked(int row, int column) const;

    static constexpr int kPeakColumn = 1;
    static constexpr int kDifferenceColumn = 4;

  private:
    void render();

    void showLimits();

    std::unique_ptr<ThermalLimits> owned_;
    ThermalLimits& limits_;
    QTableWidget* table_ = nullptr;
    QDoubleSpinBox* temperatureLimit_ = nullptr;
    QDoubleSpinBox* differenceLimit_ = nullptr;
    std::unique_ptr<UnitsListener> units_;
};

} // namespace vardex::gui
