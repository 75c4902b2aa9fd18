#pragma once
// The concrete's heat source as the input gives it: the input's curve checked and described; the
// curve itself is the program's shared hydration curve.

#include <string>
#include <vector>

#include "SolverInput.h"
#include "hydration/HeatCurve.h"

namespace zolter {

using vardex::interpolate;

class HeatCurve {
  public:
    enum class Kind { Abt, TModel, Series };

    // Checks the parameters of the chosen curve; warnings note what was assumed.
    explicit HeatCurve(const Hydration& h, std::vector<std::string>& warnings);

    // Heat released per cubic metre of concrete up to the given age in hours, J/m3, for a
    // material of heat production 1.
    double cumulative(double ageHours) const { return curve_.cumulative(ageHours); }

    const vardex::HeatCurve& curve() const { return curve_; }
    Kind kind() const { return kind_; }
    std::string describe() const;

  private:
    static vardex::HeatCurveParameters parametersOf(const Hydration& h);

    Kind kind_;
    Hydration h_;
    vardex::HeatCurve curve_;
};

} // namespace zolter
