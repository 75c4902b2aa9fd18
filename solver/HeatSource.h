#pragma once
// The hydration heat of the concrete as a cumulative curve of age, and the piecewise-linear
// series used for boundary temperatures and tabulated heat.

#include <string>
#include <vector>

#include "SolverInput.h"

namespace zolter {

// Linear between points, constant beyond the ends; `empty` when there are no points.
double interpolate(const SeriesPoints& points, double t, double empty);

class HeatCurve {
  public:
    enum class Kind { Abt, TModel, Series };

    // Checks the parameters of the chosen curve; warnings note what was assumed.
    explicit HeatCurve(const Hydration& h, std::vector<std::string>& warnings);

    // Heat released per cubic metre of concrete up to the given age in hours, J/m3, for a
    // material of heat production 1. The heat of a step is the difference of two values, so the
    // adiabatic temperature is reached exactly whatever the step.
    double cumulative(double ageHours) const;

    Kind kind() const { return kind_; }
    std::string describe() const;

  private:
    Kind kind_;
    Hydration h_;
    double scale_ = 0.0; // J/m3 for a released fraction of 1
    double tmodelB_ = 0.0;
};

} // namespace zolter
