#pragma once
// The ranges a run's input must lie in. The solver refuses a value outside them with the reason,
// and the run window and vardex-run check the same before anything starts, so that a run can
// neither loop for ever (times that cannot advance) nor turn its field into infinities (capacities
// or conductances beyond a float). The bounds are wide: every real concrete pour lies well inside.

#include <string>

namespace vardex::limits {

struct Range {
    double lowest, highest;
    const char* unit;         // "" for a plain number
    bool aboveLowest = false; // the value must exceed lowest rather than reach it
};

inline constexpr Range kTime{-1e6, 1e6, "h"};       // start, end and series times
inline constexpr Range kTimeStep{1e-4, 1e6, "h"};   // dtmax
inline constexpr double kMaxSteps = 1e6;            // (end - start) / dtmax
inline constexpr Range kErrmax{0.0, 1.0, "", true}; // 0 or below: the default, with a warning
inline constexpr Range kIterations{1, 32767, ""};   // itmax; below 1: the default
inline constexpr Range kCellSize{1e-4, 1e4, "m"};
inline constexpr Range kTemperature{-273.15, 2000.0, "C"};
inline constexpr Range kConductivity{0.0, 1e4, "W/m C"};
inline constexpr Range kSpecificHeat{0.01, 100.0, "kJ/kg C"};
inline constexpr Range kDensity{0.01, 1e5, "kg/m3"};
inline constexpr Range kHeatProduction{0.0, 10.0, ""};       // relative, after normalisation
inline constexpr Range kHydrationHeat{0.0, 1e4, "kJ/kg"};    // Qcementitious and series values
inline constexpr Range kSourceParameter{0.0, 1e6, "", true}; // P1..P3 of the parametric curves
inline constexpr Range kActivationEnergy{0.0, 1e6, "J/mol"}; // equivalent age; 0: real age
inline constexpr Range kHeatTransfer{0.0, 1e6, "W/m2 C"};    // U of a convective face; 0: no flow

// "" when the value lies in the range; otherwise the reason, naming the value and the range:
// "the end time 1E+30 h is outside the allowed range -1000000 to 1000000 h".
bool inRange(double value, const Range& range);
std::string outsideRange(const std::string& what, double value, const Range& range);

// The run's clock: start and end within kTime, dtmax within kTimeStep and at most kMaxSteps steps
// of dtmax from start to end. "" or the first problem. (An end not after the start is refused by
// the solver itself, which names it.)
std::string timesProblem(double start, double end, double dtmax);

// A material in use: density, specific heat, conductivity and heat production within their
// ranges. who names it ("material 2 (soil)"). "" or the first problem.
std::string materialProblem(const std::string& who, double conductivity, double specificHeat,
                            double density, double heatProduction);

} // namespace vardex::limits
