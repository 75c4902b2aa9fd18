#include "run/AdiabaticRise.h"

#include <algorithm>

namespace vardex {

CurvePoints adiabaticRise(const AdiabaticInput& in, int points) {
    const HeatCurve curve(in.curve);
    const double perJoule = in.heatProduction / in.heatCapacity;
    auto temperature = [&](double age) { return in.placement + perJoule * curve.cumulative(age); };
    auto ageRate = [&](double age) {
        return arrheniusFactor(in.activationEnergy, in.referenceTemp, temperature(age));
    };
    points = std::max(points, 1);
    const double interval = std::max(in.duration, 0.0) / points;
    constexpr int kSubsteps = 20;
    const double h = interval / kSubsteps;
    CurvePoints rise;
    rise.reserve(static_cast<std::size_t>(points) + 1);
    double age = 0.0;
    for (int i = 0; i <= points; ++i) {
        const double t = i * interval;
        if (!in.equivalentAge) age = t;
        rise.emplace_back(t, temperature(age));
        if (!in.equivalentAge || i == points) continue;
        for (int k = 0; k < kSubsteps; ++k) {
            const double k1 = ageRate(age);
            const double k2 = ageRate(age + 0.5 * h * k1);
            const double k3 = ageRate(age + 0.5 * h * k2);
            const double k4 = ageRate(age + h * k3);
            age += h * (k1 + 2 * k2 + 2 * k3 + k4) / 6.0;
        }
    }
    return rise;
}

} // namespace vardex
