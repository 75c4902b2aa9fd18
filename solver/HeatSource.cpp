#include "HeatSource.h"

#include <cmath>
#include <sstream>

namespace zolter {

namespace {

HeatCurve::Kind kindOf(const Hydration& h) {
    if (h.seriesFlag) return HeatCurve::Kind::Series;
    return h.abtFlag ? HeatCurve::Kind::Abt : HeatCurve::Kind::TModel;
}

} // namespace

vardex::HeatCurveParameters HeatCurve::parametersOf(const Hydration& h) {
    using Kind = vardex::HeatCurveParameters::Kind;
    vardex::HeatCurveParameters p;
    p.kind = h.seriesFlag ? Kind::Series : h.abtFlag ? Kind::Abt : Kind::TModel;
    p.p = h.p;
    p.heat = h.qCementitious;
    p.density = h.concreteRho;
    p.series = h.points;
    return p;
}

HeatCurve::HeatCurve(const Hydration& h, std::vector<std::string>& warnings)
    : kind_(kindOf(h)), h_(h), curve_(parametersOf(h)) {
    if (kind_ == Kind::Series) {
        if (h.abtFlag)
            warnings.push_back("both TimeseriesFlag and ABtFlag are set; the series is used");
        if (h.points.empty())
            throw InputFault(
                "\"TimeseriesFlag=\" is True but the heat-source series has no points");
        return;
    }
    for (int i = 0; i < 3; ++i)
        if (!(h.p[std::size_t(i)] > 0.0) || !std::isfinite(h.p[std::size_t(i)]))
            throw InputFault("\"sourceP" + std::to_string(i + 1) + "=\" must be positive for the " +
                             (h.abtFlag ? "a-b-t" : "sigmoidal") + " heat source");
    if (curve_.halfHeatAtP2())
        warnings.push_back("sourceP3 <= 1: the heat rate has no maximum after placement; "
                           "sourceP2 is taken as the age of half the heat");
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
    if (h_.equivalentAge)
        s << "; age: equivalent age, activation energy " << h_.activationEnergy
          << " J/mol, reference temperature " << h_.referenceTemperature << " C";
    return s.str();
}

} // namespace zolter
