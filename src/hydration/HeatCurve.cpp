#include "hydration/HeatCurve.h"

#include <cmath>

namespace vardex {

double interpolate(const CurvePoints& points, double t, double empty) {
    if (points.empty()) return empty;
    if (t <= points.front().first) return points.front().second;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto& [t1, v1] = points[i];
        if (t <= t1) {
            const auto& [t0, v0] = points[i - 1];
            if (t1 <= t0) return v1;
            return v0 + (v1 - v0) * (t - t0) / (t1 - t0);
        }
    }
    return points.back().second;
}

HeatCurve::HeatCurve(const HeatCurveParameters& parameters) : p_(parameters) {
    using Kind = HeatCurveParameters::Kind;
    if (p_.kind == Kind::Series) {
        // Series values are kJ per kg of concrete.
        scale_ = 1000.0 * p_.density;
        return;
    }
    scale_ = 1000.0 * p_.heat * p_.density;
    if (p_.kind == Kind::TModel) {
        // Log-logistic curve in the scaled age te = P1 * t: F = te^n / (te^n + b^n), n = P3. Its
        // rate dF/dte peaks at te = b ((n - 1) / (n + 1))^(1/n); b is chosen to put that at P2.
        const double n = p_.p[2];
        if (n > 1.0) {
            tmodelB_ = p_.p[1] * std::pow((n + 1.0) / (n - 1.0), 1.0 / n);
        } else {
            tmodelB_ = p_.p[1];
            halfHeatAtP2_ = true;
        }
    }
}

double HeatCurve::cumulative(double age) const {
    if (!(age > 0.0)) return 0.0;
    switch (p_.kind) {
    case HeatCurveParameters::Kind::Series:
        return scale_ * interpolate(p_.series, age, 0.0);
    case HeatCurveParameters::Kind::Abt: {
        // alpha(t) = alpha_u exp(-(tau / t)^beta)
        const double alpha = p_.p[0] * std::exp(-std::pow(p_.p[2] / age, p_.p[1]));
        return scale_ * alpha;
    }
    case HeatCurveParameters::Kind::TModel: {
        const double te = p_.p[0] * age;
        const double ratio = std::pow(tmodelB_ / te, p_.p[2]);
        return scale_ / (1.0 + ratio);
    }
    }
    return 0.0;
}

double arrheniusFactor(double activationEnergy, double referenceC, double temperatureC) {
    constexpr double kKelvin = 273.15;
    return std::exp(-(activationEnergy / kGasConstant) *
                    (1.0 / (temperatureC + kKelvin) - 1.0 / (referenceC + kKelvin)));
}

} // namespace vardex
