#pragma once
// Each concrete cell's equivalent age: 0 at the start time, advancing at the Arrhenius rate of
// the cell's temperature, so warm concrete releases its heat sooner than cold.

#include <cstddef>

#include "Array.h"
#include "Multigrid.h"
#include "SolverInput.h"
#include "hydration/HeatCurve.h"

namespace zolter {

class EquivalentAge {
  public:
    EquivalentAge(const Hydration& h, const vardex::HeatCurve& curve, const Shape& shape);

    // The ages at the end of a step of dt hours, and each cell's heat over it (J, for heat
    // production heatW per J/m3), from the temperatures T at the step's start. Kutta's
    // third-order rule: the rate at the start, half-way and at the end of the step, each
    // temperature predicted from the heat released up to there plus the conduction change of the
    // previous step (trend, scaled by ratio to this step's length). A second-order rule is off
    // by some 0.2 C on a hot adiabatic block at steps of an hour, where this one is within 0.01.
    void advance(double dt, const double* T, const float* trend, double ratio, const double* heatW,
                 const float* cap, bool parallel);
    // The step was accepted: its ages become the cells' ages.
    void accept();

    // Heat of the step per cell, padded like the field.
    const double* stepHeat() const { return stepHeat_.data(); }
    // Lowest and highest cumulative heat per m3 over the cells at the step's end, J/m3.
    double lowestHeat() const { return lowest_; }
    double highestHeat() const { return highest_; }
    // The age of cell p (padded index), hours.
    double age(std::size_t p) const { return age_[p]; }

  private:
    double energy_, reference_;
    const vardex::HeatCurve& curve_;
    Shape shape_;
    // Age and cumulative heat per m3 now and at the step's end; the step's heat per cell.
    Array<double> age_, heat_, ageNext_, heatNext_, stepHeat_;
    double lowest_ = 0.0, highest_ = 0.0;
};

} // namespace zolter
