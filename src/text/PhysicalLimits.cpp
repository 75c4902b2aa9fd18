#include "text/PhysicalLimits.h"

#include <cmath>
#include <limits>

#include "text/PrintForm.h"

namespace vardex::limits {
namespace {

// A value that is exactly a float (the window's fields) is printed as the float it is, unless
// it is a whole number that the double's form writes out in full.
std::string withUnit(double value, const char* unit) {
    const bool whole = std::abs(value) < 1e15 && value == std::floor(value);
    const bool isFloat = !whole && std::abs(value) <= std::numeric_limits<float>::max() &&
                         static_cast<double>(static_cast<float>(value)) == value;
    return (isFloat ? plainDigits(static_cast<float>(value)) : plainDigits(value)) +
           (*unit ? std::string(" ") + unit : std::string());
}

} // namespace

bool inRange(double value, const Range& range) {
    // Written so that NaN is outside every range.
    const bool low = range.aboveLowest ? value > range.lowest : value >= range.lowest;
    return low && value <= range.highest;
}

std::string outsideRange(const std::string& what, double value, const Range& range) {
    if (inRange(value, range)) return "";
    const std::string allowed =
        range.aboveLowest
            ? "above " + plainDigits(range.lowest) + ", up to " +
                  withUnit(range.highest, range.unit)
            : plainDigits(range.lowest) + " to " + withUnit(range.highest, range.unit);
    return what + " " + withUnit(value, range.unit) + " is outside the allowed range " + allowed;
}

std::string timesProblem(double start, double end, double dtmax) {
    if (std::string p = outsideRange("the start time", start, kTime); !p.empty()) return p;
    if (std::string p = outsideRange("the end time", end, kTime); !p.empty()) return p;
    if (!(dtmax > 0.0)) return "the maximum time step dtmax must be positive";
    if (std::string p = outsideRange("the maximum time step dtmax", dtmax, kTimeStep); !p.empty())
        return p;
    // An end before the start is the solver's own refusal; it takes no steps here.
    const double steps = (end - start) / dtmax;
    if (steps > kMaxSteps)
        return "the run from " + withUnit(start, "") + " to " + withUnit(end, "h") +
               " in steps of dtmax " + withUnit(dtmax, "h") + " takes " + plainDigits(steps) +
               " steps, more than the allowed " + plainDigits(kMaxSteps);
    return "";
}

std::string materialProblem(const std::string& who, double conductivity, double specificHeat,
                            double density, double heatProduction) {
    const struct {
        const char* what;
        double value;
        const Range& range;
    } checks[] = {{"density", density, kDensity},
                  {"specific heat", specificHeat, kSpecificHeat},
                  {"thermal conductivity", conductivity, kConductivity},
                  {"heat production", heatProduction, kHeatProduction}};
    for (const auto& c : checks)
        if (std::string p = outsideRange(who + ": the " + c.what, c.value, c.range); !p.empty())
            return p;
    return "";
}

} // namespace vardex::limits
