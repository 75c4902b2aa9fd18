#include "HeatSource.h"

#include <cmath>
#include <sstream>

namespace zolter {

double interpolate(const SeriesPoints& points, double t, double empty) {
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

HeatCurve::HeatCurve(const Hydration& h, std::vector<std::string>& warnings) : h_(h) {
    if (h.seriesFlag) {
        kind_ = Kind::Series;
        if (h.abtFlag)
            warnings.push_back("both TimeseriesFlag and ABtFlag are set; the series is used");
        if (h.points.empty())
            throw InputFault(
                "\"TimeseriesFlag=\" is True but the heat-source series has no points");
        // Series values are kJ per kg of concrete.
        scale_ = 1000.0 * h.concreteRho;
        return;
    }
    kind_ = h.abtFlag ? Kind::Abt : Kind::TModel;
    for (int i = 0; i < 3; ++i)
        if (!(h.p[std::size_t(i)] > 0.0) || !std::isfinite(h.p[std::size_t(i)]))
            throw InputFault("\"sourceP" + std::to_string(i + 1) + "=\" must be positive for the " +
                             (h.abtFlag ? "a-b-t" : "sigmoidal") + " heat source");
    scale_ = 1000.0 * h.qCementitious * h.concreteRho;
    if (kind_ == Kind::TModel) {
        // Log-logistic curve in the scaled age te = P1 * t: F = te^n / (te^n + b^n), n = P3. Its
        // rate dF/dte peaks at te = b ((n - 1) / (n + 1))^(1/n); b is chosen to put that at P2.
        const double n = h.p[2];
        if (n > 1.0) {
            tmodelB_ = h.p[1] * std::pow((n + 1.0) / (n - 1.0), 1.0 / n);
        } else {
            tmodelB_ = h.p[1];
            warnings.push_back("sourceP3 <= 1: the heat rate has no maximum after placement; "
                               "sourceP2 is taken as the age of half the heat");
        }
    }
}

double HeatCurve::cumulative(double age) const {
    if (!(age > 0.0)) return 0.0;
    switch (kind_) {
    case Kind::Series:
        return scale_ * interpolate(h_.points, age, 0.0);
    case Kind::Abt: {
        // alpha(t) = alpha_u exp(-(tau / t)^beta)
        const double alpha = h_.p[0] * std::exp(-std::pow(h_.p[2] / age, h_.p[1]));
        return scale_ * alpha;
    }
    case Kind::TModel: {
        const double te = h_.p[0] * age;
        const double ratio = std::pow(tmodelB_ / te, h_.p[2]);
        return scale_ / (1.0 + ratio);
    }
    }
    return 0.0;
}

std::string HeatCurve::describe() const {
    std::ostringstream s;
    switch (kind_) {
    case Kind::Series:
        s << "heat source: cumulative series of " << h_.points.size()
          << " points (kJ/kg), concrete " << h_.concreteRho << " kg/m3";
        break;
    case Kind::Abt:
        s << "heat source: a-b-t, alpha_u " << h_.p[0] << ", beta " << h_.p[1] << ", tau "
          << h_.p[2] << " h, Q " << h_.qCementitious << " kJ/kg, concrete " << h_.concreteRho
          << " kg/m3";
        break;
    case Kind::TModel:
        s << "heat source: log-logistic, time scaling " << h_.p[0] << ", peak rate at scaled age "
          << h_.p[1] << " h, exponent " << h_.p[2] << ", Q " << h_.qCementitious
          << " kJ/kg, concrete " << h_.concreteRho << " kg/m3";
        break;
    }
    return s.str();
}

} // namespace zolter
