#pragma once
// The temperature a block of concrete reaches when no heat leaves it: the heat source drawn before
// a run, so that a curve which is spent in two hours, or never starts, is seen at once.

#include "hydration/HeatCurve.h"

namespace vardex {

struct AdiabaticInput {
    HeatCurveParameters curve;
    double placement = 20.0;       // C, the temperature at the run's start
    double heatProduction = 1.0;   // the concrete's share of the source (normalised)
    double heatCapacity = 2.0e6;   // J/(m3 C) of the concrete
    bool equivalentAge = false;    // the age advances at the Arrhenius rate of the temperature
    double activationEnergy = 0.0; // J/mol
    double referenceTemp = 20.0;   // C
    double duration = 96.0;        // hours from the run's start
};

// The block's temperature at `points` + 1 evenly spaced times from 0 to the duration (hours from
// the run's start). With equivalent age the age is integrated with fourth-order Runge-Kutta steps
// far finer than the points.
CurvePoints adiabaticRise(const AdiabaticInput& input, int points);

} // namespace vardex
