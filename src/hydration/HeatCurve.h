#pragma once
// The heat hydrating concrete releases, as a cumulative curve of its age, and the Arrhenius
// factor that turns a temperature history into an equivalent age. The solver integrates these;
// the program draws them before a run.

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace vardex {

using CurvePoints = std::vector<std::pair<double, double>>; // (time in hours, value)

// Linear between points, constant beyond the ends; `empty` when there are no points.
double interpolate(const CurvePoints& points, double t, double empty);

struct HeatCurveParameters {
    enum class Kind { TModel, Abt, Series };
    Kind kind = Kind::TModel;
    // T-model: time scaling P1, age of the fastest rise P2 (h), exponent P3.
    // a b t: alpha_u, beta, tau (h).
    std::array<double, 3> p{0.87, 1.5, 25.0};
    double heat = 70.0;      // kJ per kg of concrete, the parametric curves' full heat
    double density = 2270.0; // kg/m3
    CurvePoints series;      // cumulative heat in kJ per kg of concrete against age
};

class HeatCurve {
  public:
    // The parameters of the parametric curves must be positive and finite (the callers check).
    explicit HeatCurve(const HeatCurveParameters& parameters);

    // Heat released per cubic metre of concrete up to the given age in hours, J/m3. The heat of a
    // step is the difference of two values, so the adiabatic temperature is reached exactly
    // whatever the step.
    double cumulative(double ageHours) const;
    // The same for n ages at once (ages of 0 or more), vectorised where the machine allows:
    // the solver evaluates it for every cell and step. The a b t curve is evaluated in single
    // precision (twice the lanes), within 1e-6 of the full heat of the one above; the others
    // agree with it to round-off.
    void cumulative(const double* ageHours, double* out, std::size_t n) const;

    // T-model with P3 <= 1: its rate has no maximum after placement, so P2 is taken as the age of
    // half the heat.
    bool halfHeatAtP2() const { return halfHeatAtP2_; }
    const HeatCurveParameters& parameters() const { return p_; }

  private:
    HeatCurveParameters p_;
    double scale_ = 0.0; // J/m3 for a released fraction of 1
    double tmodelB_ = 0.0;
    bool halfHeatAtP2_ = false;
};

inline constexpr double kGasConstant = 8.314; // J/(mol K)

// The rate at which equivalent age advances at a temperature (C) relative to the reference
// temperature (C), for an activation energy in J/mol: exp(-(E/R) (1/(T + 273.15) - 1/(Tr +
// 273.15))).
double arrheniusFactor(double activationEnergy, double referenceC, double temperatureC);
// The same for n temperatures at once, the exponential in single precision (relative 1e-6). A
// temperature below 1 K (a field that undershoots absolute zero) counts as 1 K: its rate is nil
// rather than overflowing; the rate is at most e^80.
void arrheniusFactors(double activationEnergy, double referenceC, const double* temperatureC,
                      double* out, std::size_t n);

} // namespace vardex
